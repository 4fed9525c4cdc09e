// Document directory paths.
#include "document/DocumentLocation.h"

#include <QDir>

namespace scanvo {

namespace {

QString Slashed(const QString& path)
{
    QString result = path;
    result.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return result;
}

}  // namespace

QString RootDirectoryPath(const QString& localPath)
{
    return Slashed(localPath);
}

bool IsDocNameInsideRoot(const QString& docName)
{
    const QString name = Slashed(docName);
    if (name.startsWith(QLatin1Char('/')) || QDir::isAbsolutePath(name))
        return false;
    // cleanPath folds "a/../b" into "b" and keeps every ".." that climbs above the start.
    const QString cleaned = QDir::cleanPath(name);
    return cleaned != QLatin1String("..") && !cleaned.startsWith(QLatin1String("../"));
}

QString DocumentDirectoryPath(const QString& localPath, const QString& docName)
{
    return QDir::cleanPath(Slashed(localPath) + QLatin1Char('/') + Slashed(docName));
}

}  // namespace scanvo
