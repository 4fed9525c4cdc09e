#pragma once
// Where a container keeps a control's persisted properties between sessions.

#include <QString>
#include <QVariant>

#include <memory>

class QSettings;

namespace scanvo {

class PropertyBag {
public:
    virtual ~PropertyBag() = default;
    // The stored value of key, or defaultValue when the bag has none.
    virtual QVariant read(const QString& key, const QVariant& defaultValue) const = 0;
    virtual void write(const QString& key, const QVariant& value) = 0;
};

// A bag kept in an INI file, for hosts that keep a control's state in a file. Fonts are stored in
// QFont's text form so the file stays readable; a stored value is returned converted to the type
// of the default asked for.
class SettingsPropertyBag final : public PropertyBag {
public:
    // Keys live in group of fileName (the whole file when group is empty).
    explicit SettingsPropertyBag(const QString& fileName, const QString& group = QString());
    ~SettingsPropertyBag() override;

    QVariant read(const QString& key, const QVariant& defaultValue) const override;
    void write(const QString& key, const QVariant& value) override;
    // Writes pending changes to the file; false when the file could not be written.
    bool sync();

private:
    std::unique_ptr<QSettings> m_settings;
};

}  // namespace scanvo
