// Page files by name and the page files of a folder.
#include "tools/common/PageFiles.h"

#include "core/DocumentType.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace scanvo::tools {

bool IsPageFileName(const QString& name)
{
    return IsTiffName(name) || IsJpegName(name);
}

QStringList FolderPageFiles(const QString& folder)
{
    QDir dir(folder);
    QStringList names = dir.entryList(QDir::Files, QDir::Name);
    names.erase(std::remove_if(names.begin(), names.end(), [](const QString& name) { return !IsPageFileName(name); }),
                names.end());
    QStringList paths;
    for (const QString& name : names)
        paths << dir.filePath(name);
    return paths;
}

QString FileIdentity(const QString& path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(QFileInfo(path).absoluteFilePath()) : canonical;
}

}  // namespace scanvo::tools
