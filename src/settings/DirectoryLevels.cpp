// Level-by-level directory creation over mkdir, so that the caller can show errno and its text.
#include "settings/DirectoryLevels.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

namespace scanvo {

QString SlashSeparatedPath(const QString& path)
{
    QString result = path;
    result.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return result;
}

bool MakeDirectoryLevels(const QString& path, DirectoryError* error)
{
    const QStringList parts = SlashSeparatedPath(path).split(QLatin1Char('/'));
    QString prefix;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i > 0)
            prefix += QLatin1Char('/');
        prefix += parts[i];
        if (parts[i].isEmpty() || QFileInfo(prefix).isDir())
            continue;
        if (::mkdir(QFile::encodeName(prefix).constData(), 0777) == 0)
            continue;
        const int number = errno;
        if (number == EEXIST && QFileInfo(prefix).isDir())
            continue;
        if (error) {
            error->number = number;
            error->text = QString::fromLocal8Bit(std::strerror(number));
        }
        return false;
    }
    return true;
}

}  // namespace scanvo
