#pragma once
// DeviceOption: one option of a scanner device as its descriptor states it, free of SANE types,
// and OptionAccess, the reading and writing of a device's options. The capability mapping and the
// device dialog work on these, so they can be exercised against devices the test backend cannot be.

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

namespace scanvo::scanner {

enum class OptionType { Bool, Int, Fixed, String, Button, Group };
enum class OptionConstraint { None, Range, WordList, StringList };
enum class OptionUnit { None, Pixel, Bit, Mm, Dpi, Percent, Microsecond };

struct DeviceOption {
    QString name;  // empty for groups
    QString title;
    QString description;
    OptionType type = OptionType::Int;
    OptionConstraint constraint = OptionConstraint::None;
    OptionUnit unit = OptionUnit::None;
    int valueCount = 1;     // more than one for array options
    bool active = true;     // inactive options can be neither read nor written
    bool settable = true;   // software-settable and not read-only
    bool advanced = false;
    double min = 0, max = 0, quant = 0;  // Range; Int and Fixed both as real numbers
    QList<double> words;                 // WordList
    QStringList strings;                 // StringList
    QVariant value;                      // current value: bool, double or QString; null if unreadable

    bool isNumeric() const { return type == OptionType::Int || type == OptionType::Fixed; }
    // A single value the user or the capability mapping can write.
    bool isWritableScalar() const
    {
        return active && settable && valueCount == 1 && type != OptionType::Button && type != OptionType::Group;
    }
};

// The nearest value the option's constraint allows, for a numeric option.
double NearestAllowedValue(const DeviceOption& option, double wanted);

const DeviceOption* FindOption(const QList<DeviceOption>& options, const QString& name);

class OptionAccess {
public:
    virtual ~OptionAccess() = default;
    // Every option of the device, with current values, in the device's order.
    virtual QList<DeviceOption> options() = 0;
    // Writes one option (bool, double or QString); ResultSuccess, ResultValueAdjusted when the
    // device took a nearby value, or an error code. *reloadOptions, when given, tells whether the
    // write changed other options' descriptors or values, so that options read before are stale.
    virtual int setOption(const QString& name, const QVariant& value, bool* reloadOptions = nullptr) = 0;
};

}  // namespace scanvo::scanner
