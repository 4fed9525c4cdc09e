// Page prefetch on a worker thread.
#include "document/PagePrefetch.h"

#include "platform/engine/ImageFile.h"

#include <QFile>
#include <QThreadPool>

#include <atomic>
#include <future>

#include <sys/stat.h>

namespace scanvo {

namespace {

// What tells one state of a file from another without reading it. A file replaced by a rename has
// another inode; one rewritten in place has other times, and most often another size.
struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};
};

bool operator==(const timespec& a, const timespec& b)
{
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

bool operator==(const FileStamp& a, const FileStamp& b)
{
    return a.device == b.device && a.inode == b.inode && a.size == b.size && a.modified == b.modified &&
           a.changed == b.changed;
}

std::optional<FileStamp> StampOf(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return FileStamp{info.st_dev, info.st_ino, info.st_size, info.st_mtim, info.st_ctim};
}

struct Outcome {
    std::optional<engine::ScaledPage> page;
    FileStamp stamp;
};

// Its own pool, so that a prefetch never queues behind other work; its threads outlive one open,
// so an open does not pay for starting one.
QThreadPool& PrefetchPool()
{
    static QThreadPool pool;
    return pool;
}

Outcome ReadPage(const QString& path, const engine::DisplayScale& scale)
{
    Outcome outcome;
    try {
        const std::optional<FileStamp> before = StampOf(path);
        engine::ScaledPage page = engine::LoadPageScaled(path, 1, scale);
        const std::optional<FileStamp> after = StampOf(path);
        if (before && after && *before == *after) {
            outcome.page = std::move(page);
            outcome.stamp = *before;
        }
    } catch (...) {
        // Dropped: the caller reads the page again on its own thread and reports the failure there,
        // as it would without a prefetch.
    }
    return outcome;
}

}  // namespace

// Shared with the worker, so that a caller that stops waiting leaves the worker nothing dangling.
// Whichever of the worker and the caller claims the job first reads the page: a caller that
// arrives before the worker has started (no processor was free for it) reads the page itself
// rather than wait for the worker to be scheduled.
struct PagePrefetch::Job {
    QString path;
    engine::DisplayScale scale;
    std::atomic<bool> claimed{false};
    std::promise<Outcome> promise;
    std::future<Outcome> outcome = promise.get_future();
};

PagePrefetch::PagePrefetch() = default;
PagePrefetch::~PagePrefetch() = default;
PagePrefetch::PagePrefetch(PagePrefetch&&) noexcept = default;
PagePrefetch& PagePrefetch::operator=(PagePrefetch&&) noexcept = default;

PagePrefetch PagePrefetch::Start(const QString& path, const engine::DisplayScale& scale)
{
    PagePrefetch prefetch;
    if (path.isEmpty())
        return prefetch;
    try {
        auto job = std::make_shared<Job>();
        job->path = path;
        job->scale = scale;
        PrefetchPool().start([job] { job->promise.set_value(job->claimed.exchange(true) ? Outcome{} : ReadPage(job->path, job->scale)); });
        prefetch.m_job = std::move(job);
    } catch (...) {
        // Without a worker the caller reads the page itself, as it always could.
    }
    return prefetch;
}

QString PagePrefetch::path() const
{
    return m_job ? m_job->path : QString();
}

bool PagePrefetch::waitForDone(std::chrono::milliseconds limit) const
{
    return m_job && m_job->outcome.valid() && m_job->outcome.wait_for(limit) == std::future_status::ready;
}

std::optional<engine::ScaledPage> PagePrefetch::take(const QString& path, std::chrono::milliseconds limit)
{
    if (!m_job || path != m_job->path)
        return std::nullopt;
    // Spent either way: a worker that has not ended in time is left to end on its own.
    const std::shared_ptr<Job> job = std::move(m_job);
    if (!job->claimed.exchange(true))
        return std::nullopt;  // not started yet: it will not start now
    if (!job->outcome.valid() || job->outcome.wait_for(limit) != std::future_status::ready)
        return std::nullopt;
    Outcome outcome = job->outcome.get();
    if (!outcome.page || StampOf(path) != outcome.stamp)
        return std::nullopt;
    return std::move(outcome.page);
}

}  // namespace scanvo
