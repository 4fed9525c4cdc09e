// Worker threads over the files of a batch.
#include "tools/clean/BatchRun.h"

#include "platform/engine/ImageFile.h"

#include <QElapsedTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

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

    const int workers = std::clamp(jobs > 0 ? jobs : int(std::thread::hardware_concurrency()), 1,
                                   std::max(1, int(targets.size())));
    std::atomic<size_t> next{0};
    std::atomic<int> pagesDone{0};
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<size_t> finished;  // indexes of finished files not yet reported

    std::vector<std::thread> pool;
    pool.reserve(size_t(workers));
    for (int w = 0; w < workers; ++w) {
        pool.emplace_back([&] {
            for (size_t i = next++; i < targets.size(); i = next++) {
                FileOutcome outcome = CleanFile(targets[i], job, &pagesDone);
                const std::lock_guard lock(mutex);
                result.files[i] = std::move(outcome);
                finished.push_back(i);
                changed.notify_one();
            }
        });
    }

    size_t reported = 0;
    while (reported < targets.size()) {
        std::deque<size_t> batch;
        {
            std::unique_lock lock(mutex);
            changed.wait_for(lock, std::chrono::milliseconds(100), [&] { return !finished.empty(); });
            batch.swap(finished);
        }
        for (const size_t i : batch) {
            ++reported;
            if (onFileDone)
                onFileDone(targets[i], result.files[i]);
        }
        if (onProgress) {
            progress.filesDone = int(reported);
            progress.pagesDone = std::min(pagesDone.load(), progress.pagesTotal);
            onProgress(progress);
        }
    }
    for (std::thread& thread : pool)
        thread.join();
    result.seconds = double(timer.nsecsElapsed()) / 1e9;
    return result;
}

}  // namespace scanvo::clean
