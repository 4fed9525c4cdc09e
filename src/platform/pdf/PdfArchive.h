#pragma once
// What a PDF says about itself: the document information (title, producer, dates) and, for
// PDF/A-2b, the XMP metadata declaring the conformance and the sRGB output intent.

#include "platform/pdf/PdfAssembler.h"

#include <QString>

class QPDF;

namespace scanvo::pdf {

// The sRGB profile a PDF/A output intent embeds; empty when no profile package is installed.
QString SrgbProfilePath();

// Sets the document information of pdf and, when info.archival, its PDF/A-2b metadata and output
// intent. Throws engine::EngineError when PDF/A is asked for and no sRGB profile is installed.
void DescribeDocument(QPDF& pdf, const DocumentInfo& info);

}  // namespace scanvo::pdf
