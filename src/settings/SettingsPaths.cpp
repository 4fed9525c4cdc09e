// Where the two settings files live.
#include <QDir>
#include <QFileInfo>

#include "settings/Settings.h"

namespace scanvo {

QString SettingsDirectory()
{
    const QString own = qEnvironmentVariable("SCANVO_CONFIG_DIR");
    if (!own.isEmpty())
        return QDir::cleanPath(own);
    // A relative XDG_CONFIG_HOME is invalid and must be ignored.
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!xdg.isEmpty() && QFileInfo(xdg).isAbsolute())
        return QDir::cleanPath(xdg) + QStringLiteral("/scanvo");
    return QDir::homePath() + QStringLiteral("/.config/scanvo");
}

QString IniFilePath()
{
    return SettingsDirectory() + QStringLiteral("/scanvo.ini");
}

QString PositionFilePath()
{
    return SettingsDirectory() + QStringLiteral("/scanvo-pos.ini");
}

}  // namespace scanvo
