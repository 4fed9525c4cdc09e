// Document directory paths.
#include "control/DocumentLocation.h"

#include <QDir>

namespace scanvo {

QString WithSlashes(const QString& path)
{
    QString result = path;
    result.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return result;
}

bool IsDocNameInsideRoot(const QString& docName)
{
    const QString name = WithSlashes(docName);
    if (name.startsWith(QLatin1Char('/')) || QDir::isAbsolutePath(name))
        return false;
    // cleanPath folds "a/../b" into "b" and keeps every ".." that climbs above the start.
    const QString cleaned = QDir::cleanPath(name);
    return cleaned != QLatin1String("..") && !cleaned.startsWith(QLatin1String("../"));
}

QString DocumentDirectoryPath(const QString& localPath, const QString& docName)
{
    return QDir::cleanPath(WithSlashes(localPath) + QLatin1Char('/') + WithSlashes(docName));
}

}  // namespace scanvo
