#pragma once
// The pages of a list of files, in order, as the PDF export takes them.

#include "platform/pdf/PdfExport.h"

#include <QStringList>

#include <vector>

namespace scanvo::tools {

struct PageList {
    std::vector<pdf::PdfPageRef> pages;  // every page of each file in turn
    std::vector<int> fileEnds;           // pages up to and including each file's last
};

// Every page of each file, all pages of a multi-page TIFF. Throws EngineError naming the file when
// one cannot be read or its chain of pages breaks off: a document missing pages is not written.
PageList ListPages(const QStringList& files);

// Of a page list with pagesDone pages finished, the files whose pages are all finished.
int FilesDone(const PageList& list, int pagesDone);

}  // namespace scanvo::tools
