// Worker threads over the files of a batch.
#include "tools/clean/BatchRun.h"

#include "platform/engine/ImageFile.h"
#include "tools/common/ParallelRun.h"

#include <QElapsedTimer>

#include <algorithm>
#include <atomic>

namespace scanvo::clean {

namespace {

// The pages a target will write, for the progress display; a file that cannot be read counts one.
int ExpectedPages(const CleanTarget& target)
{
    if (!target.problem.isEmpty())
        return 0;
    try {
        return std::max(1, engine::InspectPages(target.source).readablePages);
    } catch (...) {
        return 1;
    }
}

}  // namespace

BatchResult RunBatch(const std::vector<CleanTarget>& targets, const FileJob& job, int jobs,
                     const std::function<void(const BatchProgress&)>& onProgress,
                     const std::function<void(const CleanTarget&, const FileOutcome&)>& onFileDone)
{
    QElapsedTimer timer;
    timer.start();
    BatchResult result;
    result.files.resize(targets.size());
    BatchProgress progress;
    progress.filesTotal = int(targets.size());
    if (onProgress) {
        for (const CleanTarget& target : targets)
            progress.pagesTotal += ExpectedPages(target);
    }

    std::atomic<int> pagesDone{0};
    std::size_t reported = 0;
    tools::RunInParallel(
        targets.size(), tools::WorkersFor(jobs, targets.size()),
        [&](std::size_t i) { result.files[i] = CleanFile(targets[i], job, &pagesDone); },
        [&] {
            if (onProgress) {
                progress.filesDone = int(reported);
                progress.pagesDone = std::min(pagesDone.load(), progress.pagesTotal);
                onProgress(progress);
            }
        },
        [&](std::size_t i) {
            ++reported;
            if (onFileDone)
                onFileDone(targets[i], result.files[i]);
        });
    result.seconds = double(timer.nsecsElapsed()) / 1e9;
    return result;
}

}  // namespace scanvo::clean
