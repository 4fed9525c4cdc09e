#pragma once
// A device made of option descriptors, for what the virtual test device cannot show (line-art
// modes, duplex sources, fixed-point and per-axis resolutions, word lists).
#include "platform/scanner/DeviceOption.h"
#include "platform/scanner/ScannerSource.h"

#include <QHash>
#include <QSet>

#include <functional>

namespace scanvo::scanner::testing {

inline DeviceOption Choice(const QString& name, const QStringList& values, const QString& current)
{
    DeviceOption option;
    option.name = name;
    option.title = name;
    option.type = OptionType::String;
    option.constraint = OptionConstraint::StringList;
    option.strings = values;
    option.value = current;
    return option;
}

inline DeviceOption Range(const QString& name, OptionType type, double min, double max, double quant, double current,
                          OptionUnit unit = OptionUnit::None)
{
    DeviceOption option;
    option.name = name;
    option.title = name;
    option.type = type;
    option.constraint = OptionConstraint::Range;
    option.unit = unit;
    option.min = min;
    option.max = max;
    option.quant = quant;
    option.value = current;
    return option;
}

inline DeviceOption Words(const QString& name, const QList<double>& words, double current)
{
    DeviceOption option;
    option.name = name;
    option.title = name;
    option.type = OptionType::Int;
    option.constraint = OptionConstraint::WordList;
    option.words = words;
    option.value = current;
    return option;
}

inline DeviceOption Switch(const QString& name, bool current)
{
    DeviceOption option;
    option.name = name;
    option.title = name;
    option.type = OptionType::Bool;
    option.value = current;
    return option;
}

class FakeDevice : public OptionAccess {
public:
    explicit FakeDevice(QList<DeviceOption> options) : m_options(std::move(options)) {}

    QList<DeviceOption> options() override
    {
        ++reads;
        return m_options;
    }

    // Refuses what a real device would refuse: unknown, unwritable or out-of-constraint values.
    int setOption(const QString& name, const QVariant& value, bool* reloadOptions = nullptr) override
    {
        if (reloadOptions)
            *reloadOptions = false;
        for (DeviceOption& option : m_options) {
            if (option.name != name)
                continue;
            if (!option.isWritableScalar())
                return ResultCapUnsupported;
            if (option.constraint == OptionConstraint::StringList && !option.strings.contains(value.toString()))
                return ResultBadValue;
            if (option.constraint == OptionConstraint::Range &&
                (value.toDouble() < option.min || value.toDouble() > option.max))
                return ResultBadValue;
            if (option.constraint == OptionConstraint::WordList && !option.words.contains(value.toDouble()))
                return ResultBadValue;
            option.value = value;
            writes.append(name);
            if (const auto effect = sideEffects.find(name); effect != sideEffects.end()) {
                effect.value()(m_options);
                if (reloadOptions)
                    *reloadOptions = true;
            }
            return inexact.contains(name) ? ResultValueAdjusted : ResultSuccess;
        }
        return ResultCapUnsupported;
    }

    QVariant value(const QString& name) const
    {
        const DeviceOption* option = FindOption(m_options, name);
        return option ? option->value : QVariant();
    }

    QStringList writes;
    QSet<QString> inexact;  // options the device rounds, answering "inexact"
    // Options whose writing changes other options, reported as a reload of the options.
    QHash<QString, std::function<void(QList<DeviceOption>&)>> sideEffects;
    int reads = 0;  // times the options were read

private:
    QList<DeviceOption> m_options;
};

}  // namespace scanvo::scanner::testing
