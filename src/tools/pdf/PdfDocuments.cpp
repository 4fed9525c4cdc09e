// Expanding the command line's files and folders into documents.
#include "tools/pdf/PdfDocuments.h"

#include "tools/common/PageFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace scanvo::pdftool {

namespace {

// The page files of one input, or why it gives none.
QStringList InputFiles(const QString& input, QString* problem)
{
    const QFileInfo info(input);
    if (info.isFile())
        return {input};
    if (!info.isDir()) {
        *problem = QStringLiteral("%1: %2").arg(input, info.exists() ? QCoreApplication::translate("ToolTexts",
            "not a regular file or folder")
                                                                     : QCoreApplication::translate("ToolTexts",
                                                                         "no such file or folder"));
        return {};
    }
    const QStringList files = tools::FolderPageFiles(input);
    if (files.isEmpty())
        *problem = QCoreApplication::translate("ToolTexts", "%1: no TIFF or JPEG file in the folder").arg(input);
    return files;
}

// The inputs without repeats of the same file or folder, however named.
QStringList Distinct(const QStringList& inputs)
{
    QSet<QString> seen;
    QStringList distinct;
    for (const QString& input : inputs) {
        if (!seen.contains(tools::FileIdentity(input))) {
            seen.insert(tools::FileIdentity(input));
            distinct << input;
        }
    }
    return distinct;
}

}  // namespace

PdfDocument CollectDocument(const QStringList& inputs, const QString& target)
{
    PdfDocument document;
    document.target = target;
    QSet<QString> files;
    for (const QString& input : Distinct(inputs)) {
        for (const QString& file : InputFiles(input, &document.problem)) {
            if (!files.contains(tools::FileIdentity(file))) {
                files.insert(tools::FileIdentity(file));
                document.files << file;
            }
        }
        if (!document.problem.isEmpty())
            return document;
    }
    if (document.files.isEmpty())
        document.problem = QCoreApplication::translate("ToolTexts", "no TIFF or JPEG file given");
    return document;
}

std::vector<PdfDocument> CollectDocuments(const QStringList& inputs, const QString& folder)
{
    std::vector<PdfDocument> documents;
    QHash<QString, QString> targetOwners;  // identity of a target -> the input writing it
    for (const QString& input : Distinct(inputs)) {
        const QFileInfo info(QDir::cleanPath(QFileInfo(input).absoluteFilePath()));
        PdfDocument document;
        document.input = input;
        document.target = QDir(folder).filePath((info.isDir() ? info.fileName() : info.completeBaseName()) +
                                                QStringLiteral(".pdf"));
        document.files = InputFiles(input, &document.problem);
        const QString identity = tools::FileIdentity(document.target);
        if (document.problem.isEmpty() && targetOwners.contains(identity))
            document.problem = QCoreApplication::translate("ToolTexts",
                "%1 already writes %2").arg(targetOwners.value(identity), document.target);
        else if (document.problem.isEmpty())
            targetOwners.insert(identity, input);
        documents.push_back(document);
    }
    return documents;
}

}  // namespace scanvo::pdftool
