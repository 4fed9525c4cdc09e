// Document type detection and file collection.
#include "document/DocumentFiles.h"

#include "core/Routines.h"
#include "document/DirectoryListing.h"
#include "platform/engine/ImageFile.h"

namespace scanvo {

namespace {

QString WithTrailingSeparator(const QString& directory)
{
    if (directory.isEmpty() || IsPathSeparator(directory.back()))
        return directory;
    return directory + u'/';
}

bool IsListedByType(const QString& name, qint16 docType)
{
    switch (docType) {
    case DocTypeAllImages:
        return IsTiffName(name) || IsJpegName(name);
    case DocTypeSinglePageTiff:
        return IsTiffName(name);
    case DocTypeSinglePageJpeg:
        return IsJpegName(name);
    default:
        return false;
    }
}

// The pages of a file that can be shown, a damaged multi-page file's intact ones included. A file
// the engine cannot read at all is taken as one page; showing it reports the fault.
int ReadablePages(const QString& path)
{
    try {
        return engine::InspectPages(path).readablePages;
    } catch (...) {
        return 1;
    }
}

}  // namespace

DocTypeCode DetectDocType(const QString& pattern)
{
    const QString directory = WithTrailingSeparator(PathDirPart(pattern));
    // Which kinds of file are present does not depend on their order.
    return DetectDocTypeOf(directory, ListMatchingNames(directory + PathFilePart(pattern), ListingOrder::Unsorted));
}

DocTypeCode DetectDocTypeOf(const QString& directoryPath, const QStringList& names)
{
    const QString directory = WithTrailingSeparator(directoryPath);
    if (names.isEmpty())
        return DocTypeDetect;

    bool hasJpeg = false;
    bool hasTiff = false;
    for (const QString& name : names) {
        if (IsJpegName(name))
            hasJpeg = true;
        if (IsTiffName(name)) {
            hasTiff = true;
            // Only a directory of one file can be a multi-page document, so only then does the
            // page count matter; opening every file of a large document would stall it.
            if (names.size() == 1 && ReadablePages(directory + name) > 1)
                return DocTypeMultiPageTiff;
        }
        if (hasJpeg && hasTiff)
            return DocTypeAllImages;
    }
    if (hasJpeg)
        return DocTypeSinglePageJpeg;
    if (hasTiff)
        return DocTypeSinglePageTiff;
    return DocTypeAllImages;
}

void CollectFiles(ControlProperties& props, DocumentPosition& doc, const QString& pattern)
{
    CollectListedFiles(props, doc, PathDirPart(pattern), ListMatchingNames(pattern, ListingOrder::Unsorted));
}

void CollectListedFiles(ControlProperties& props, DocumentPosition& doc, const QString& directory, const QStringList& names)
{
    QStringList listed = NamesListedByType(names, props.m_DocType);
    SortInNumberingOrder(listed);
    SetListedFiles(doc, directory, listed);
}

QStringList NamesListedByType(const QStringList& names, qint16 docType)
{
    QStringList listed;
    listed.reserve(names.size());
    for (const QString& name : names) {
        if (IsListedByType(name, docType))
            listed.append(name);
    }
    return listed;
}

QString ListedFilePath(const QString& directory, const QString& name)
{
    return WithTrailingSeparator(directory) + name;
}

void SetListedFiles(DocumentPosition& doc, const QString& directory, const QStringList& names)
{
    const QString prefix = WithTrailingSeparator(directory);
    doc.m_Files.clear();
    for (const QString& name : names)
        doc.m_Files.append(prefix + name);
}

int OpeningPosition(int position, int count)
{
    return position < 1 || position > count ? count : position;
}

}  // namespace scanvo
