// The INI-file property bag.
#include "control/PropertyBag.h"

#include <QFont>
#include <QSettings>

namespace scanvo {

SettingsPropertyBag::SettingsPropertyBag(const QString& fileName, const QString& group)
    : m_settings(std::make_unique<QSettings>(fileName, QSettings::IniFormat))
{
    if (!group.isEmpty())
        m_settings->beginGroup(group);
}

SettingsPropertyBag::~SettingsPropertyBag() = default;

QVariant SettingsPropertyBag::read(const QString& key, const QVariant& defaultValue) const
{
    if (!m_settings->contains(key))
        return defaultValue;
    QVariant stored = m_settings->value(key);
    if (defaultValue.metaType() == QMetaType::fromType<QFont>()) {
        QFont font;
        return font.fromString(stored.toString()) ? QVariant(font) : defaultValue;
    }
    // INI files hand every value back as text; a text that does not convert is as good as missing.
    if (defaultValue.isValid() && stored.metaType() != defaultValue.metaType()
        && !stored.convert(defaultValue.metaType()))
        return defaultValue;
    return stored;
}

void SettingsPropertyBag::write(const QString& key, const QVariant& value)
{
    if (value.metaType() == QMetaType::fromType<QFont>())
        m_settings->setValue(key, value.value<QFont>().toString());
    else
        m_settings->setValue(key, value);
}

bool SettingsPropertyBag::sync()
{
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

}  // namespace scanvo
