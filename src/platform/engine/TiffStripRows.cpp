// Strip rows of a TIFF page, decoded by the calling thread and, for a large page, a helper.
#include "platform/engine/TiffStripRows.h"

#include "platform/engine/EngineMessages.h"
#include "platform/engine/TiffFile.h"

#include <QThreadPool>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <exception>
#include <future>
#include <limits>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include <sys/resource.h>
#include <unistd.h>

namespace scanvo::engine {

namespace {

// A page of fewer decoded bytes is read by the calling thread alone: a helper would barely have
// started before the page was done.
constexpr std::int64_t kShareFromBytes = 256 * 1024;
// A helper finds its page by walking the file's chain of pages from the start; beyond this many
// pages the walk costs more than the helper could save.
constexpr tdir_t kSharedPagesFromStart = 16;
constexpr std::uint32_t kNoStrip = std::numeric_limits<std::uint32_t>::max();

std::atomic<std::uint64_t> g_helperStrips{0};

// Its own pool, so that a helper never queues behind other work; one helper per page being read.
QThreadPool& HelperPool()
{
    static QThreadPool pool;
    return pool;
}

// Helpers run below normal priority, so that they take a processor the program's other threads
// leave idle rather than slow them down; they still get a share under load, so a caller waiting
// for a helper's last strip is never kept waiting long.
void LowerHelperPriority()
{
    static thread_local const bool lowered = ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), 10) == 0;
    (void)lowered;
}

// What every thread reading the page needs to know, fixed before the first row is read.
struct PageRows {
    l_uint32* data = nullptr;
    int wpl = 0;
    std::uint32_t height = 0;
    std::uint32_t rowsPerStrip = 0;
    std::uint32_t strips = 0;
    tmsize_t scanline = 0;
    tmsize_t rowBytes = 0;
    RowOrder order = RowOrder::File;
    int jpegColorMode = -1;  // as set on the caller's handle; -1 when the page is not JPEG
};

// The strips of one page, handed out in order. Strips before the first failure are always read to
// their end, so the failure reported is the first one in page order whichever thread met it;
// strips after it are abandoned.
class StripShare {
public:
    explicit StripShare(const PageRows& rows) : m_rows(rows) {}

    const PageRows& rows() const { return m_rows; }

    // The next strip to read, or kNoStrip when none is left worth reading.
    std::uint32_t take()
    {
        const std::uint32_t strip = m_next.fetch_add(1, std::memory_order_relaxed);
        return strip < m_rows.strips && strip < m_firstFailed.load(std::memory_order_acquire) ? strip : kNoStrip;
    }
    // True when an earlier strip has failed, which makes the page lost whatever strip holds.
    bool abandoned(std::uint32_t strip) const { return strip > m_firstFailed.load(std::memory_order_acquire); }

    void fail(std::uint32_t strip, std::exception_ptr failure)
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (strip < m_firstFailed.load(std::memory_order_relaxed)) {
            m_failure = std::move(failure);
            m_firstFailed.store(strip, std::memory_order_release);
        }
    }
    // Raises the first failure, once every thread has stopped.
    void rethrowFailure() const
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (m_failure)
            std::rethrow_exception(m_failure);
    }

    // Whichever of the caller (when it is done) and the helper (when its handle is open) comes
    // first; a helper that comes second never touches the page.
    bool claimHelper() { return !m_helperClaimed.exchange(true, std::memory_order_acq_rel); }
    void helperEnded() { m_helperEnded.set_value(); }
    void waitForHelper() { m_helperEnded.get_future().wait(); }

private:
    const PageRows m_rows;
    std::atomic<std::uint32_t> m_next{0};
    std::atomic<std::uint32_t> m_firstFailed{kNoStrip};
    mutable std::mutex m_mutex;
    std::exception_ptr m_failure;
    std::atomic<bool> m_helperClaimed{false};
    std::promise<void> m_helperEnded;
};

// Reads the rows of one strip into their lines. The CCITT decoders report a bad code word and
// carry on with the next row; the page is lost then, so reading stops at once instead of running
// through garbage to the strip's end.
void readStrip(const TiffFile& file, StripShare& share, std::uint32_t strip, std::vector<unsigned char>& wide)
{
    const PageRows& rows = share.rows();
    const std::uint32_t first = strip * rows.rowsPerStrip;
    const std::uint32_t end = std::min(rows.height, first + rows.rowsPerStrip);
    for (std::uint32_t row = first; row < end && !share.abandoned(strip); ++row) {
        auto* line = reinterpret_cast<unsigned char*>(rows.data + std::int64_t(row) * rows.wpl);
        if (TIFFReadScanline(file.get(), wide.empty() ? line : wide.data(), row, 0) < 0 || file.hasError())
            file.failRead(msg::badStrip(int(strip) + 1));
        if (!wide.empty())
            std::memcpy(line, wide.data(), static_cast<size_t>(rows.rowBytes));
        if (rows.order == RowOrder::NativeWords)
            lineEndianByteSwap(reinterpret_cast<l_uint32*>(line), reinterpret_cast<l_uint32*>(line), rows.wpl);
    }
}

// Reads strips through file until none is left or one fails; counted counts those read.
void readStrips(const TiffFile& file, StripShare& share, std::atomic<std::uint64_t>* counted = nullptr)
{
    std::vector<unsigned char> wide;  // only for a decoded row longer than an image line
    if (share.rows().scanline > tmsize_t(share.rows().wpl) * 4)
        wide.resize(static_cast<size_t>(share.rows().scanline));
    for (std::uint32_t strip = share.take(); strip != kNoStrip; strip = share.take()) {
        try {
            readStrip(file, share, strip, wide);
            if (counted)
                counted->fetch_add(1, std::memory_order_relaxed);
        } catch (...) {
            share.fail(strip, std::current_exception());
            return;
        }
    }
}

std::uint32_t rowsPerStripOf(TIFF* tif, std::uint32_t height)
{
    std::uint32_t rowsPerStrip = height;
    TIFFGetFieldDefaulted(tif, TIFFTAG_ROWSPERSTRIP, &rowsPerStrip);
    return std::clamp<std::uint32_t>(rowsPerStrip, 1, height);
}

// True when the helper's handle decodes the page as the caller's does.
bool sameLayout(TIFF* tif, const PageRows& rows)
{
    std::uint32_t height = 0;
    return TIFFGetField(tif, TIFFTAG_IMAGELENGTH, &height) && height == rows.height &&
           rowsPerStripOf(tif, height) == rows.rowsPerStrip && TIFFNumberOfStrips(tif) >= rows.strips &&
           TIFFScanlineSize(tif) == rows.scanline;
}

// The helper's own handle on the page; none when it cannot be opened or decodes the page otherwise.
std::optional<TiffFile> openHelperHandle(const TiffFile::Reopening& from, const PageRows& rows)
{
    try {
        TiffFile own = TiffFile::reopenRead(from);
        if (rows.jpegColorMode >= 0)
            TIFFSetField(own.get(), TIFFTAG_JPEGCOLORMODE, rows.jpegColorMode);
        if (sameLayout(own.get(), rows))
            return own;
    } catch (...) {
        // Not a failure of the page: the caller reads what is left.
    }
    return std::nullopt;
}

// Starts a helper on the page; false when none could be started. The helper opens its handle
// before it claims the page, so a caller that is done first never waits for an opening.
bool startHelper(const TiffFile& file, const std::shared_ptr<StripShare>& share)
{
    try {
        const auto from = std::make_shared<TiffFile::Reopening>(file.reopening());
        HelperPool().start([share, from] {
            LowerHelperPriority();
            std::optional<TiffFile> own = openHelperHandle(*from, share->rows());
            if (!own || !share->claimHelper())
                return;
            try {
                readStrips(*own, *share, &g_helperStrips);
            } catch (...) {
                // No memory for a wide row: no strip was taken, the caller reads them all.
            }
            share->helperEnded();
        });
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace

std::uint64_t StripsReadByHelpers()
{
    return g_helperStrips.load(std::memory_order_relaxed);
}

void ReadStripRows(const TiffFile& file, Pix* pix, tmsize_t rowBytes, RowOrder order)
{
    TIFF* tif = file.get();
    PageRows rows;
    rows.data = pixGetData(pix);
    rows.wpl = pixGetWpl(pix);
    rows.height = static_cast<std::uint32_t>(pixGetHeight(pix));
    rows.scanline = TIFFScanlineSize(tif);
    rows.rowBytes = rowBytes;
    rows.order = order;
    if (rows.scanline <= 0 || rows.scanline < rowBytes)
        file.failRead();
    rows.rowsPerStrip = rowsPerStripOf(tif, rows.height);
    rows.strips = (rows.height - 1) / rows.rowsPerStrip + 1;
    std::uint16_t compression = COMPRESSION_NONE;
    TIFFGetFieldDefaulted(tif, TIFFTAG_COMPRESSION, &compression);
    if (compression == COMPRESSION_JPEG)
        TIFFGetField(tif, TIFFTAG_JPEGCOLORMODE, &rows.jpegColorMode);

    const auto share = std::make_shared<StripShare>(rows);
    const bool shared = rows.strips > 1 && std::int64_t(rowBytes) * rows.height >= kShareFromBytes &&
                        TIFFCurrentDirectory(tif) < kSharedPagesFromStart && startHelper(file, share);
    std::exception_ptr ownFailure;  // one outside the strips, such as no memory for a wide row
    try {
        readStrips(file, *share);
    } catch (...) {
        ownFailure = std::current_exception();
    }
    // The page stays the helper's to fill until it has stopped.
    if (shared && !share->claimHelper())
        share->waitForHelper();
    if (ownFailure)
        std::rethrow_exception(ownFailure);
    share->rethrowFailure();
}

}  // namespace scanvo::engine
