// Expanding the command line's files and folders into the files of a batch.
#include "tools/clean/CleanTargets.h"

#include "tools/common/PageFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace scanvo::clean {

std::vector<CleanTarget> CollectTargets(const QStringList& inputs, const QString& outputDir)
{
    std::vector<CleanTarget> targets;
    QSet<QString> sources;
    QHash<QString, QString> resultOwners;  // identity of a result -> the source writing it
    const auto add = [&](const QString& source) {
        const QString identity = tools::FileIdentity(source);
        if (sources.contains(identity))
            return;
        sources.insert(identity);
        CleanTarget target;
        target.source = source;
        target.result = outputDir.isEmpty() ? source : QDir(outputDir).filePath(QFileInfo(source).fileName());
        const QString result = tools::FileIdentity(target.result);
        if (!outputDir.isEmpty() && result == identity)
            target.problem = QCoreApplication::translate("ToolTexts",
                "the result would replace the original; use --in-place for that");
        else if (resultOwners.contains(result))
            target.problem = QCoreApplication::translate("ToolTexts",
                "%1 already writes %2").arg(resultOwners.value(result), target.result);
        else
            resultOwners.insert(result, source);
        targets.push_back(target);
    };
    for (const QString& input : inputs) {
        const QFileInfo info(input);
        if (info.isDir()) {
            for (const QString& file : tools::FolderPageFiles(input))
                add(file);
        } else if (info.isFile()) {
            add(input);
        } else {
            targets.push_back({input, QString(),
                               info.exists() ? QCoreApplication::translate("ToolTexts", "not a regular file or folder")
                                             : QCoreApplication::translate("ToolTexts", "no such file or folder")});
        }
    }
    return targets;
}

std::vector<CleanTarget> CollectNumberedTargets(const QStringList& inputs, const QString& folder)
{
    // In place, no two targets share a result: each only needs its own numbered one.
    std::vector<CleanTarget> targets = CollectTargets(inputs, QString());
    for (size_t i = 0; i < targets.size(); ++i) {
        targets[i].result = QDir(folder).filePath(
            QStringLiteral("%1-%2").arg(i + 1, 6, 10, QLatin1Char('0')).arg(QFileInfo(targets[i].source).fileName()));
    }
    return targets;
}

}  // namespace scanvo::clean
