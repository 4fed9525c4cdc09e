#include "platform/scanner/DeviceOption.h"

#include <algorithm>
#include <cmath>

namespace scanvo::scanner {

double NearestAllowedValue(const DeviceOption& option, double wanted)
{
    switch (option.constraint) {
    case OptionConstraint::Range: {
        double value = std::clamp(wanted, option.min, option.max);
        if (option.quant > 0) {
            value = option.min + std::round((value - option.min) / option.quant) * option.quant;
            // Rounding up may step past the maximum when the range is not a whole number of steps.
            if (value > option.max)
                value -= option.quant;
        }
        return option.type == OptionType::Int ? std::round(value) : value;
    }
    case OptionConstraint::WordList: {
        if (option.words.isEmpty())
            return wanted;
        return *std::min_element(option.words.begin(), option.words.end(), [wanted](double a, double b) {
            return std::abs(a - wanted) < std::abs(b - wanted);
        });
    }
    case OptionConstraint::None:
    case OptionConstraint::StringList:
        break;
    }
    return option.type == OptionType::Int ? std::round(wanted) : wanted;
}

const DeviceOption* FindOption(const QList<DeviceOption>& options, const QString& name)
{
    auto it = std::find_if(options.begin(), options.end(),
                           [&name](const DeviceOption& option) { return option.name == name; });
    return it == options.end() ? nullptr : &*it;
}

}  // namespace scanvo::scanner
