// Expanding the command line's files and folders into the files of a batch.
#include "tools/clean/CleanTargets.h"

#include "core/DocumentType.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>

namespace scanvo::clean {

namespace {

bool IsPageFileName(const QString& name)
{
    return IsTiffName(name) || IsJpegName(name);
}

// The files a folder contributes: its visible TIFF and JPEG files, by name.
QStringList FolderFiles(const QString& folder)
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

// The same file however it was named: its canonical path when it exists.
QString Identity(const QString& path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(QFileInfo(path).absoluteFilePath()) : canonical;
}

}  // namespace

std::vector<CleanTarget> CollectTargets(const QStringList& inputs, const QString& outputDir)
{
    std::vector<CleanTarget> targets;
    QSet<QString> sources;
    QHash<QString, QString> resultOwners;  // identity of a result -> the source writing it
    const auto add = [&](const QString& source) {
        const QString identity = Identity(source);
        if (sources.contains(identity))
            return;
        sources.insert(identity);
        CleanTarget target;
        target.source = source;
        target.result = outputDir.isEmpty() ? source : QDir(outputDir).filePath(QFileInfo(source).fileName());
        const QString result = Identity(target.result);
        if (!outputDir.isEmpty() && result == identity)
            target.problem = QStringLiteral("the result would replace the original; use --in-place for that");
        else if (resultOwners.contains(result))
            target.problem = QStringLiteral("%1 already writes %2").arg(resultOwners.value(result), target.result);
        else
            resultOwners.insert(result, source);
        targets.push_back(target);
    };
    for (const QString& input : inputs) {
        const QFileInfo info(input);
        if (info.isDir()) {
            for (const QString& file : FolderFiles(input))
                add(file);
        } else if (info.isFile()) {
            add(input);
        } else {
            targets.push_back({input, QString(),
                               info.exists() ? QStringLiteral("not a regular file or folder")
                                             : QStringLiteral("no such file or folder")});
        }
    }
    return targets;
}

}  // namespace scanvo::clean
