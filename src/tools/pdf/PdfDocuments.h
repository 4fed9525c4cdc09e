#pragma once
// Which PDF files a run writes and the page files each is made of.

#include "tools/common/DocumentRun.h"

#include <QStringList>

#include <vector>

namespace scanvo::pdftool {

using tools::PdfDocument;

// One document of every input's page files, in the order given (a folder's TIFF and JPEG files in
// name order), written to target. A name given twice counts once. An input that is neither
// file nor folder, or no page file at all, is the document's problem.
PdfDocument CollectDocument(const QStringList& inputs, const QString& target);

// One document per input, written into folder as the input's name with ".pdf" (a folder's own
// name, a file's name without its suffix). A name given twice counts once; an input that is
// neither file nor folder, a folder without page files, and two inputs that would write the same
// PDF get a problem instead.
std::vector<PdfDocument> CollectDocuments(const QStringList& inputs, const QString& folder);

}  // namespace scanvo::pdftool
