#pragma once
// Document types: the codes of DocType, m_DocType and m_RequestedDocType, and how a file name
// tells TIFF from JPEG.

#include <QString>
#include <QtGlobal>

namespace scanvo {

enum DocTypeCode : qint16 {
    DocTypeDetect = -1,            // detect from the files; also "no image file found"
    DocTypeAllImages = 0,          // several files, each possibly multi-page
    DocTypeMultiPageTiff = 1,      // one multi-page TIFF named after the document
    DocTypeSinglePageTiff = 2,
    DocTypeSinglePageJpeg = 3,
};

// Types 2 and 3: every file holds one page, so page n is file n.
constexpr bool IsSinglePageDocument(qint16 docType)
{
    return docType == DocTypeSinglePageTiff || docType == DocTypeSinglePageJpeg;
}

// A name counts as TIFF or JPEG when its lower-cased form contains ".tif" or ".jpg".
bool IsTiffName(const QString& name);
bool IsJpegName(const QString& name);
// True when text contains part in any case, as QString::contains with Qt::CaseInsensitive says,
// without folding every character of text where part is plain ASCII.
bool ContainsIgnoringCase(QStringView text, QStringView part);

}  // namespace scanvo
