#pragma once
// Document types and how a document directory is read by type: detecting the type from the files
// present and collecting the files a type lists.

#include "control/ControlState.h"

#include <QString>
#include <QtGlobal>

namespace scanvo {

// Values of m_DocType and m_RequestedDocType.
enum DocTypeCode : qint16 {
    DocTypeDetect = -1,            // detect from the files; also "no image file found"
    DocTypeAllImages = 0,          // several files, each possibly multi-page
    DocTypeMultiPageTiff = 1,      // one multi-page TIFF named after the document
    DocTypeSinglePageTiff = 2,
    DocTypeSinglePageJpeg = 3,
};

// A name counts as TIFF or JPEG when its lower-cased form contains ".tif" or ".jpg".
bool IsTiffName(const QString& name);
bool IsJpegName(const QString& name);

// The type the files matching pattern suggest: -1 none, 1 a single multi-page TIFF, 0 TIFF and
// JPEG mixed (or neither), 2 only TIFF, 3 only JPEG. Never throws; an unreadable TIFF counts as
// one page.
qint16 DetectDocType(const QString& pattern);

// Fills m_Files with the full paths of the files matching pattern that m_DocType lists, in
// numbering order.
void CollectFiles(ControlState& state, const QString& pattern);
// The same for names already listed from directory.
void CollectListedFiles(ControlState& state, const QString& directory, const QStringList& names);

}  // namespace scanvo
