// Save-error log.
#include "saving/SaveErrorLog.h"

#include "settings/Settings.h"

#include <QDir>
#include <QFile>

namespace scanvo {

QString SaveErrorLogPath()
{
    return SettingsDirectory() + QStringLiteral("/error.txt");
}

bool AppendSaveErrorLog(int number, const QString& description)
{
    // The settings directory exists only after the first settings write.
    if (!QDir().mkpath(SettingsDirectory()))
        return false;
    QFile log(SaveErrorLogPath());
    if (!log.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const QByteArray line = (QString::number(number) + u':' + description + u'\n').toUtf8();
    return log.write(line) == line.size();
}

}  // namespace scanvo
