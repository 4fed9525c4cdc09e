// Writing the documents of a run, several at once.
#include "tools/common/DocumentRun.h"

#include "core/CaughtFailure.h"
#include "platform/engine/EngineError.h"
#include "tools/common/PageList.h"
#include "tools/common/ParallelRun.h"

#include <QElapsedTimer>
#include <QThread>

#include <algorithm>
#include <atomic>

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

    // Several documents are written at once, the jobs shared among them: a run of one-page
    // documents keeps every core busy as well as one long document does.
    const int jobs = options.threads > 0 ? options.threads : std::max(1, QThread::idealThreadCount());
    const int workers = WorkersFor(jobs, documents.size());
    pdf::PdfOptions shared = options;
    shared.threads = std::max(1, jobs / workers);
    std::vector<std::atomic<int>> pagesDone(documents.size());
    const auto tick = [&] {
        progress.pagesDone = 0;
        progress.filesDone = 0;
        for (size_t i = 0; i < documents.size(); ++i) {
            progress.pagesDone += pagesDone[i];
            progress.filesDone += FilesDone(lists[i], pagesDone[i]);
        }
        if (onProgress)
            onProgress(progress);
    };
    const auto write = [&](size_t i) {
        DocumentOutcome& outcome = result.documents[i];
        if (outcome.error.isEmpty()) {
            try {
                pdf::WritePdf(lists[i].pages, documents[i].target, shared, [&](int done, int) {
                    pagesDone[i] = done;
                    return true;
                });
                outcome.pages = int(lists[i].pages.size());
            } catch (...) {
                outcome.error = CaughtFailure(engine::ErrFileWrite).description;
            }
        }
        // A document not written counts as done all the same.
        pagesDone[i] = int(lists[i].pages.size());
    };
    RunInParallel(documents.size(), workers, write, tick, [&](size_t i) {
        if (onDocumentDone)
            onDocumentDone(documents[i], result.documents[i]);
    });
    result.seconds = double(timer.nsecsElapsed()) / 1e9;
    return result;
}

}  // namespace scanvo::tools
