// Writing the documents of a run one after the other.
#include "tools/common/DocumentRun.h"

#include "core/CaughtFailure.h"
#include "platform/engine/EngineError.h"
#include "tools/common/PageList.h"

#include <QElapsedTimer>

namespace scanvo::tools {

RunResult WriteDocuments(const std::vector<PdfDocument>& documents, const pdf::PdfOptions& options,
                         const std::function<void(const BatchProgress&)>& onProgress,
                         const std::function<void(const PdfDocument&, const DocumentOutcome&)>& onDocumentDone)
{
    QElapsedTimer timer;
    timer.start();
    RunResult result;
    result.documents.resize(documents.size());

    // Every document's pages first, so that the progress counts all of them from the start.
    std::vector<PageList> lists(documents.size());
    BatchProgress progress;
    for (size_t i = 0; i < documents.size(); ++i) {
        DocumentOutcome& outcome = result.documents[i];
        outcome.error = documents[i].problem;
        if (outcome.error.isEmpty()) {
            try {
                lists[i] = ListPages(documents[i].files);
            } catch (...) {
                outcome.error = CaughtFailure(engine::ErrFileRead).description;
            }
        }
        progress.pagesTotal += int(lists[i].pages.size());
        progress.filesTotal += int(lists[i].fileEnds.size());
    }

    for (size_t i = 0; i < documents.size(); ++i) {
        DocumentOutcome& outcome = result.documents[i];
        const BatchProgress before = progress;
        if (outcome.error.isEmpty()) {
            try {
                pdf::WritePdf(lists[i].pages, documents[i].target, options, [&](int done, int) {
                    progress.pagesDone = before.pagesDone + done;
                    progress.filesDone = before.filesDone + FilesDone(lists[i], done);
                    if (onProgress)
                        onProgress(progress);
                    return true;
                });
                outcome.pages = int(lists[i].pages.size());
            } catch (...) {
                outcome.error = CaughtFailure(engine::ErrFileWrite).description;
            }
        }
        // A document not written still counts as done.
        progress.pagesDone = before.pagesDone + int(lists[i].pages.size());
        progress.filesDone = before.filesDone + int(lists[i].fileEnds.size());
        if (onDocumentDone)
            onDocumentDone(documents[i], outcome);
    }
    if (onProgress)
        onProgress(progress);
    result.seconds = double(timer.nsecsElapsed()) / 1e9;
    return result;
}

}  // namespace scanvo::tools
