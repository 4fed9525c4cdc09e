// The worker pool of the command-line tools.
#include "tools/common/ParallelRun.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

namespace scanvo::tools {

int WorkersFor(int jobs, std::size_t count)
{
    return std::clamp(jobs > 0 ? jobs : int(std::thread::hardware_concurrency()), 1, std::max(1, int(count)));
}

void RunInParallel(std::size_t count, int workers, const std::function<void(std::size_t)>& job,
                   const std::function<void()>& onTick, const std::function<void(std::size_t)>& onDone)
{
    std::atomic<std::size_t> next{0};
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::size_t> finished;  // items finished and not yet reported

    std::vector<std::thread> pool;
    pool.reserve(std::size_t(workers));
    for (int w = 0; w < workers; ++w) {
        pool.emplace_back([&] {
            for (std::size_t i = next++; i < count; i = next++) {
                job(i);
                const std::lock_guard lock(mutex);
                finished.push_back(i);
                changed.notify_one();
            }
        });
    }

    std::size_t reported = 0;
    while (reported < count) {
        std::deque<std::size_t> batch;
        {
            std::unique_lock lock(mutex);
            changed.wait_for(lock, std::chrono::milliseconds(100), [&] { return !finished.empty(); });
            batch.swap(finished);
        }
        for (const std::size_t i : batch) {
            ++reported;
            if (onDone)
                onDone(i);
        }
        if (onTick)
            onTick();
    }
    for (std::thread& thread : pool)
        thread.join();
}

}  // namespace scanvo::tools
