// The page store thread on its own: one task at a time off the calling thread, failures passed
// back, and every wait for it bounded, a task given up on included.
#include "acquisition/PageStoreQueue.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QTest>

#include <atomic>
#include <future>
#include <stdexcept>
#include <thread>
#include <vector>

namespace scanvo {
namespace {

using namespace std::chrono_literals;
using Outcome = PageStoreQueue::Outcome;

TEST(PageStoreQueueTest, TasksRunOffTheCallingThreadOneAfterAnother)
{
    PageStoreQueue queue;
    EXPECT_EQ(queue.wait(), Outcome::Idle);
    std::vector<int> order;
    std::vector<std::thread::id> threads;
    for (int i = 1; i <= 5; ++i) {
        queue.start([&order, &threads, i] {
            order.push_back(i);
            threads.push_back(std::this_thread::get_id());
        });
        EXPECT_TRUE(queue.busy());
        EXPECT_THROW(queue.start([] {}), std::logic_error);
        EXPECT_EQ(queue.wait(), Outcome::Done);
        EXPECT_FALSE(queue.busy());
    }
    EXPECT_EQ(order, std::vector<int>({1, 2, 3, 4, 5}));
    for (const std::thread::id id : threads)
        EXPECT_NE(id, std::this_thread::get_id());
}

TEST(PageStoreQueueTest, AFailedTaskPassesItsExceptionBackAndTheQueueGoesOn)
{
    PageStoreQueue queue;
    queue.start([] { throw std::runtime_error("disk full"); });
    std::exception_ptr failure;
    ASSERT_EQ(queue.wait(&failure), Outcome::Failed);
    ASSERT_TRUE(failure);
    try {
        std::rethrow_exception(failure);
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "disk full");
    }
    bool ran = false;
    queue.start([&ran] { ran = true; });
    EXPECT_EQ(queue.wait(), Outcome::Done);
    EXPECT_TRUE(ran);
}

TEST(PageStoreQueueTest, TheEndOfATaskIsHeardOnTheCallingThreadUnlessItWasWaitedForFirst)
{
    PageStoreQueue queue;
    std::vector<std::thread::id> heardOn;
    const auto hear = [&] {
        heardOn.push_back(std::this_thread::get_id());
        EXPECT_EQ(queue.wait(), Outcome::Done);  // immediate: the task has ended
    };
    queue.start([] {}, hear);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !heardOn.empty(); }, 10'000));
    EXPECT_EQ(heardOn.front(), std::this_thread::get_id());
    EXPECT_FALSE(queue.busy());

    // Waited for before the event loop ran: the end posted meanwhile is not heard.
    queue.start([] {}, hear);
    EXPECT_EQ(queue.wait(), Outcome::Done);
    QTest::qWait(50);
    EXPECT_EQ(heardOn.size(), 1u);

    // A queue gone before the end is heard calls nothing.
    bool heard = false;
    {
        PageStoreQueue gone;
        gone.start([] {}, [&heard] { heard = true; });
    }
    QTest::qWait(50);
    EXPECT_FALSE(heard);
}

// A task that ends only when the test lets it, holding a value whose lifetime the test watches.
struct BlockedTask {
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::shared_ptr<int> captured = std::make_shared<int>(7);
    std::weak_ptr<int> watch = captured;

    PageStoreQueue::Task task()
    {
        return [released = released, value = std::exchange(captured, nullptr)] {
            // Bounded even if the test never lets go.
            released.wait_for(10s);
            EXPECT_EQ(*value, 7);
        };
    }
};

bool ExpiresWithin(const std::weak_ptr<int>& watch, int ms)
{
    QDeadlineTimer deadline(ms);
    while (!watch.expired() && !deadline.hasExpired())
        std::this_thread::sleep_for(1ms);
    return watch.expired();
}

TEST(PageStoreQueueTest, AWaitEndsAtItsBoundAndTheTaskKeepsWhatItNeedsUntilItEnds)
{
    BlockedTask blocked;
    PageStoreQueue queue(50ms);
    queue.start(blocked.task());
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(queue.wait(), Outcome::TimedOut);
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_FALSE(queue.busy());
    EXPECT_FALSE(blocked.watch.expired());  // the task still runs with what it was given

    // The queue takes the next task while the one given up on finishes on its own.
    bool ran = false;
    queue.start([&ran] { ran = true; });
    EXPECT_EQ(queue.wait(), Outcome::Done);
    EXPECT_TRUE(ran);

    blocked.release.set_value();
    EXPECT_TRUE(ExpiresWithin(blocked.watch, 10'000));
}

TEST(PageStoreQueueTest, ATaskInFlightAtTheEndIsWaitedForWithinTheBound)
{
    BlockedTask blocked;
    QElapsedTimer timer;
    timer.start();
    {
        PageStoreQueue queue(50ms);
        queue.start(blocked.task());
    }
    EXPECT_LT(timer.elapsed(), 5000);
    blocked.release.set_value();
    EXPECT_TRUE(ExpiresWithin(blocked.watch, 10'000));

    // A task that ends in time is waited for to its end.
    std::atomic<bool> ended = false;
    {
        PageStoreQueue queue;
        queue.start([&ended] {
            std::this_thread::sleep_for(20ms);
            ended = true;
        });
    }
    EXPECT_TRUE(ended);
}

}  // namespace
}  // namespace scanvo
