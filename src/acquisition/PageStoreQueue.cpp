// The page store thread.
#include "acquisition/PageStoreQueue.h"

#include <QMetaObject>
#include <QObject>

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
    std::condition_variable finished;
    bool done = false;
    std::exception_ptr failure;
    std::thread thread;
    // Where the end is posted; cleared (under the mutex) when the waiter gives the task up, so a
    // task that outlives its queue posts nothing.
    QObject* receiver = nullptr;
    std::function<void()> ended;
};

PageStoreQueue::PageStoreQueue(std::chrono::milliseconds bound) : m_bound(bound), m_receiver(new QObject) {}

PageStoreQueue::~PageStoreQueue()
{
    wait();
}

void PageStoreQueue::start(Task task, std::function<void()> ended)
{
    if (m_flight)
        throw std::logic_error("a page store is still in flight");
    auto flight = std::make_shared<Flight>();
    flight->task = std::move(task);
    if (ended) {
        flight->receiver = m_receiver.get();
        // Runs on the receiver's thread, and only while the task is still the one in flight: a
        // wait() that came first has taken it already.
        flight->ended = [this, weak = std::weak_ptr<Flight>(flight), ended = std::move(ended)] {
            const std::shared_ptr<Flight> still = weak.lock();
            if (still && m_flight == still)
                ended();
        };
    }
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
        flight->finished.notify_all();
        if (flight->receiver)
            QMetaObject::invokeMethod(flight->receiver, flight->ended, Qt::QueuedConnection);
    });
    m_flight = std::move(flight);
}

PageStoreQueue::Outcome PageStoreQueue::wait(std::exception_ptr* failure)
{
    if (!m_flight)
        return Outcome::Idle;
    const std::shared_ptr<Flight> flight = std::exchange(m_flight, nullptr);
    std::unique_lock lock(flight->mutex);
    if (!flight->finished.wait_for(lock, m_bound, [&flight] { return flight->done; })) {
        flight->receiver = nullptr;
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
