#pragma once
// A page read on a worker thread while the user-interface thread does other work (reading the
// document's directory), handed over only while it is still the page of its file.

#include "platform/engine/Image.h"
#include "platform/engine/ImageFile.h"

#include <QString>

#include <chrono>
#include <memory>
#include <optional>

namespace scanvo {

class PagePrefetch {
public:
    // How long take() waits for the worker before the caller reads the page itself.
    static constexpr std::chrono::milliseconds kJoinLimit{10000};

    PagePrefetch();  // nothing under way
    ~PagePrefetch();
    PagePrefetch(PagePrefetch&&) noexcept;
    PagePrefetch& operator=(PagePrefetch&&) noexcept;

    // Starts reading page 1 of path on a worker thread, reduced for scale as LoadPageScaled does;
    // an empty path starts nothing, and neither does a worker that cannot be had.
    static PagePrefetch Start(const QString& path, const engine::DisplayScale& scale = {});

    bool isActive() const { return m_job != nullptr; }
    // The file being read; empty when nothing is under way.
    QString path() const;
    // Waits at most limit for the worker; true when it has ended, with a page or without.
    bool waitForDone(std::chrono::milliseconds limit) const;
    // The page, when path names the file that was read, the read succeeded, and the file is still
    // the one read (same inode, size and change times before, during and now). Nothing otherwise,
    // nor when the worker has not started yet (it then never does) or has not ended within limit;
    // the caller then reads the page itself and meets any failure there. Asked for its own file,
    // the prefetch is spent, page or not.
    std::optional<engine::ScaledPage> take(const QString& path, std::chrono::milliseconds limit = kJoinLimit);

private:
    struct Job;
    std::shared_ptr<Job> m_job;
};

}  // namespace scanvo
