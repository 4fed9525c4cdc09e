#pragma once
// PageStoreQueue: storing a scanned page (encoding, writing, flushing to disk) on a thread of its
// own, one page at a time, so that the next page is received while the last one is stored. The
// caller decides everything on its own thread and hands over a task that touches nothing but what
// it captured; it waits for that task, within a bound, before it starts the next one, or hears of
// its end on its own thread when nothing comes sooner.

#include <chrono>
#include <exception>
#include <functional>
#include <memory>

class QObject;

namespace scanvo {

class PageStoreQueue {
public:
    using Task = std::function<void()>;

    enum class Outcome {
        Idle,      // no task was in flight
        Done,      // the task ran to its end
        Failed,    // the task threw; the exception is passed on
        TimedOut,  // the task did not end within the bound; it finishes on its own, unwatched
    };

    // Longer than any page takes to reach a local disk; a store still running then is given up on.
    static constexpr std::chrono::milliseconds kDefaultBound{60'000};

    explicit PageStoreQueue(std::chrono::milliseconds bound = kDefaultBound);
    // Waits, within the bound, for a task still in flight.
    ~PageStoreQueue();
    PageStoreQueue(const PageStoreQueue&) = delete;
    PageStoreQueue& operator=(const PageStoreQueue&) = delete;

    bool busy() const { return m_flight != nullptr; }
    // Runs task on the store thread. At most one task is in flight: wait for it first. ended, when
    // given, is called on the thread that made the queue once the task has ended, unless that
    // thread waited for the task first; it then still has to wait() for the outcome, which is
    // immediate.
    void start(Task task, std::function<void()> ended = {});
    // Waits, within the bound, for the task in flight to end. failure, when given, receives the
    // exception of a task that threw. The queue is idle afterwards, whatever the outcome; a task
    // that timed out keeps what it captured alive until it ends.
    Outcome wait(std::exception_ptr* failure = nullptr);

private:
    struct Flight;
    std::chrono::milliseconds m_bound;
    std::shared_ptr<Flight> m_flight;
    // Lives on the thread that made the queue; the store thread posts the end of a task to it.
    std::unique_ptr<QObject> m_receiver;
};

}  // namespace scanvo
