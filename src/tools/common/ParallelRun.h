#pragma once
// Jobs on a pool of worker threads, with the calling thread told while they run.

#include <cstddef>
#include <functional>

namespace scanvo::tools {

// The workers for jobs (0: one per processor) and count items: at least one, at most count.
int WorkersFor(int jobs, std::size_t count);

// Runs job(i) for every i in 0 ... count-1 on workers threads; job(i) may write the i-th result
// of the caller without a lock, which is seen by onDone(i) and after the return. On the calling
// thread: onTick about ten times a second and once at the end, and onDone(i) for each finished
// item, in the order they finish.
void RunInParallel(std::size_t count, int workers, const std::function<void(std::size_t)>& job,
                   const std::function<void()>& onTick, const std::function<void(std::size_t)>& onDone);

}  // namespace scanvo::tools
