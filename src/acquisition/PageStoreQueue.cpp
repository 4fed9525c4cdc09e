// The page store thread.
#include "acquisition/PageStoreQueue.h"

#include <condition_variable>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <utility>

namespace scanvo {

// One task and the thread running it; shared with that thread, so a task given up on keeps it.
struct PageStoreQueue::Flight {
    Task task;
    std::mutex mutex;
    std::condition_variable ended;
    bool done = false;
    std::exception_ptr failure;
    std::thread thread;
};

PageStoreQueue::PageStoreQueue(std::chrono::milliseconds bound) : m_bound(bound) {}

PageStoreQueue::~PageStoreQueue()
{
    wait();
}

void PageStoreQueue::start(Task task)
{
    if (m_flight)
        throw std::logic_error("a page store is still in flight");
    auto flight = std::make_shared<Flight>();
    flight->task = std::move(task);
    flight->thread = std::thread([flight] {
        std::exception_ptr failure;
        try {
            flight->task();
        } catch (...) {
            failure = std::current_exception();
        }
        // What the task captured goes on this thread, before the waiter hears of the end.
        flight->task = nullptr;
        std::lock_guard lock(flight->mutex);
        flight->failure = failure;
        flight->done = true;
        flight->ended.notify_all();
    });
    m_flight = std::move(flight);
}

PageStoreQueue::Outcome PageStoreQueue::wait(std::exception_ptr* failure)
{
    if (!m_flight)
        return Outcome::Idle;
    const std::shared_ptr<Flight> flight = std::exchange(m_flight, nullptr);
    std::unique_lock lock(flight->mutex);
    if (!flight->ended.wait_for(lock, m_bound, [&flight] { return flight->done; })) {
        lock.unlock();
        flight->thread.detach();
        return Outcome::TimedOut;
    }
    lock.unlock();
    flight->thread.join();
    if (!flight->failure)
        return Outcome::Done;
    if (failure)
        *failure = flight->failure;
    return Outcome::Failed;
}

}  // namespace scanvo
