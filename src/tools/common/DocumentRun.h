#pragma once
// A run: every document written, several at once when there are several, with progress reported
// while it runs.

#include "platform/pdf/PdfExport.h"
#include "tools/common/ProgressBar.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace scanvo::tools {

struct PdfDocument {
    QStringList files;  // page files, in order
    QString target;     // the PDF written
    QString problem;    // when set, the PDF is not written and this says why
};

struct DocumentOutcome {
    int pages = 0;   // pages written
    QString error;   // when set, nothing was written
};

// Outcomes in the order of the documents.
struct RunResult {
    std::vector<DocumentOutcome> documents;
    double seconds = 0;
};

// Writes each document's PDF with options; options.threads (0: one per processor) are shared
// among the documents written at once. A document whose files cannot be listed (a damaged or
// unreadable file) or whose PDF fails is not written and the others are. On the calling thread:
// onProgress about ten times a second and once at the end, counting the pages and page files of
// all documents; onDocumentDone after each document, in the order they finish.
RunResult WriteDocuments(const std::vector<PdfDocument>& documents, const pdf::PdfOptions& options,
                         const std::function<void(const BatchProgress&)>& onProgress = {},
                         const std::function<void(const PdfDocument&, const DocumentOutcome&)>& onDocumentDone = {});

}  // namespace scanvo::tools
