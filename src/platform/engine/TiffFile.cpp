// TiffFile: opening, closing and error capture for libtiff handles.
#include "platform/engine/TiffFile.h"

#include "platform/engine/EngineError.h"
#include "platform/engine/EngineMessages.h"

#include <QFile>

#include <cerrno>
#include <cstdarg>
#include <cstring>
#include <fcntl.h>
#include <cstdio>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace scanvo::engine {

namespace {

// libtiff refuses any single allocation above this, so a damaged strip size cannot exhaust memory.
constexpr tmsize_t kMaxSingleAllocation = tmsize_t(1) << 30;

int keepError(TIFF*, void* userData, const char* module, const char* fmt, va_list ap)
{
    char buffer[512];
    std::vsnprintf(buffer, sizeof buffer, fmt, ap);
    auto* messages = static_cast<TiffFile::Messages*>(userData);
    if (messages) {
        messages->lastError = QString::fromLocal8Bit(buffer);
        if (module && *module)
            messages->lastError.prepend(QString::fromLocal8Bit(module) + QStringLiteral(": "));
    }
    return 1;  // handled: libtiff must not pass it on to its global handler
}

int dropWarning(TIFF*, void*, const char*, const char*, va_list)
{
    return 1;
}

// Messages raised where libtiff has no handle yet would go to its global handlers, which print to
// stderr; silence them once for the whole process.
void silenceGlobalHandlers()
{
    static std::once_flag once;
    std::call_once(once, [] {
        TIFFSetErrorHandler(nullptr);
        TIFFSetWarningHandler(nullptr);
    });
}

int noMapping(thandle_t, tdata_t*, toff_t*)
{
    return 0;
}

void noUnmapping(thandle_t, tdata_t, toff_t) {}

// Opens path, the descriptor fd when it is not negative, or the client procedures of io when given
// (then path only names the file).
TIFF* openWithOptions(const QString& path, int fd, const char* mode, TiffFile::Messages* messages,
                      const TiffFile::ClientIo* io = nullptr)
{
    silenceGlobalHandlers();
    TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
    if (!options)
        throw EngineError(ErrOutOfMemory, msg::outOfMemory());
    TIFFOpenOptionsSetMaxSingleMemAlloc(options, kMaxSingleAllocation);
    TIFFOpenOptionsSetErrorHandlerExtR(options, keepError, messages);
    TIFFOpenOptionsSetWarningHandlerExtR(options, dropWarning, nullptr);
    const QByteArray name = QFile::encodeName(path);
    TIFF* tif = io   ? TIFFClientOpenExt(name.constData(), mode, io->handle, io->read, io->write, io->seek,
                                         io->close, io->size, noMapping, noUnmapping, options)
              : fd >= 0 ? TIFFFdOpenExt(fd, name.constData(), mode, options)
                        : TIFFOpenExt(name.constData(), mode, options);
    TIFFOpenOptionsFree(options);
    return tif;
}

}  // namespace

TiffFile::TiffFile(TIFF* tif, std::unique_ptr<Messages> messages) : m_tif(tif), m_messages(std::move(messages)) {}

TiffFile TiffFile::openRead(const QString& path, Access access)
{
    auto messages = std::make_unique<Messages>();
    messages->path = path;
    // Memory-mapped: libtiff 4.5 rejects uncompressed tiles that are not a multiple of 1 KiB when
    // it reads them through its own buffer.
    TIFF* tif = openWithOptions(path, -1, access == Access::Mapped ? "r" : "rm", messages.get());
    if (!tif)
        throw EngineError(ErrFileRead, msg::corruptFile(path, messages->lastError));
    TiffFile file(tif, std::move(messages));
    struct stat st {};
    if (::fstat(TIFFFileno(tif), &st) == 0)
        file.m_size = static_cast<std::uint64_t>(st.st_size);
    return file;
}

TiffFile::Reopening::Reopening(Reopening&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)), m_path(std::move(other.m_path)), m_page(other.m_page), m_size(other.m_size)
{
}

TiffFile::Reopening::~Reopening()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

TiffFile::Reopening TiffFile::reopening() const
{
    Reopening from;
    from.m_fd = ::fcntl(TIFFFileno(m_tif), F_DUPFD_CLOEXEC, 0);
    if (from.m_fd < 0)
        throw EngineError(ErrFileRead, msg::corruptFile(m_messages->path, QString::fromLocal8Bit(std::strerror(errno))));
    from.m_path = m_messages->path;
    from.m_page = TIFFCurrentDirOffset(m_tif);
    from.m_size = m_size;
    return from;
}

TiffFile TiffFile::reopenRead(const Reopening& from)
{
    auto messages = std::make_unique<Messages>();
    messages->path = from.m_path;
    // The descriptor's link opens the file it refers to, with a file position of its own, so the
    // two handles never move each other's. Read, not mapped: mapping and unmapping the file again
    // would stall the threads still reading it through the other handle.
    const QByteArray link = QByteArrayLiteral("/proc/self/fd/") + QByteArray::number(from.m_fd);
    const int fd = ::open(link.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw EngineError(ErrFileRead, msg::corruptFile(from.m_path, QString::fromLocal8Bit(std::strerror(errno))));
    // Under the document's own name, which libtiff puts into its messages.
    TIFF* tif = openWithOptions(from.m_path, fd, "rm", messages.get());
    if (!tif) {
        ::close(fd);
        throw EngineError(ErrFileRead, msg::corruptFile(from.m_path, messages->lastError));
    }
    TiffFile file(tif, std::move(messages));
    file.m_size = from.m_size;
    if (TIFFCurrentDirOffset(tif) != from.m_page) {
        if (!TIFFSetSubDirectory(tif, from.m_page))
            file.failRead();
        // Finding the page walks the chain of pages, which may break off after it in a damaged
        // file; that is no fault of this page.
        file.clearError();
    }
    return file;
}

TiffFile TiffFile::openWrite(const QString& path, bool bigTiff)
{
    auto messages = std::make_unique<Messages>();
    messages->path = path;
    TIFF* tif = openWithOptions(path, -1, bigTiff ? "w8" : "w", messages.get());
    if (!tif)
        throw EngineError(ErrFileWrite, msg::cannotWrite(path, messages->lastError));
    return TiffFile(tif, std::move(messages));
}

TiffFile TiffFile::openWrite(int fd, const QString& shownAs, bool bigTiff)
{
    auto messages = std::make_unique<Messages>();
    messages->path = shownAs;
    const int own = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);  // TIFFClose closes the descriptor it was given
    if (own < 0)
        throw EngineError(ErrFileWrite, msg::cannotWrite(shownAs, QString::fromLocal8Bit(std::strerror(errno))));
    TIFF* tif = openWithOptions(shownAs, own, bigTiff ? "w8" : "w", messages.get());
    if (!tif) {
        ::close(own);
        throw EngineError(ErrFileWrite, msg::cannotWrite(shownAs, messages->lastError));
    }
    return TiffFile(tif, std::move(messages));
}

TiffFile TiffFile::openClient(const ClientIo& io, const QString& shownAs, const char* mode)
{
    auto messages = std::make_unique<Messages>();
    messages->path = shownAs;
    TIFF* tif = openWithOptions(shownAs, -1, mode, messages.get(), &io);
    if (!tif)
        throw EngineError(ErrFileWrite, msg::cannotWrite(shownAs, messages->lastError));
    return TiffFile(tif, std::move(messages));
}

TiffFile::TiffFile(TiffFile&& other) noexcept
    : m_tif(other.m_tif), m_size(other.m_size), m_messages(std::move(other.m_messages))
{
    other.m_tif = nullptr;
}

TiffFile& TiffFile::operator=(TiffFile&& other) noexcept
{
    if (this != &other) {
        if (m_tif)
            TIFFClose(m_tif);
        m_tif = other.m_tif;
        m_size = other.m_size;
        m_messages = std::move(other.m_messages);
        other.m_tif = nullptr;
    }
    return *this;
}

TiffFile::~TiffFile()
{
    if (m_tif)
        TIFFClose(m_tif);
}

int TiffFile::pageCount() const
{
    // A chain that breaks off (a file cut short) is damage, not a shorter document.
    QString damage;
    const int count = readablePageCount(&damage);
    if (count == 0 || !damage.isEmpty())
        failRead();
    return count;
}

int TiffFile::readablePageCount(QString* damage) const
{
    // libtiff stops counting at a directory it cannot read and says so only through the error
    // handler.
    m_messages->lastError.clear();
    const tdir_t count = TIFFNumberOfDirectories(m_tif);
    if (damage)
        *damage = m_messages->lastError;
    return static_cast<int>(count);
}

void TiffFile::selectPage(int index) const
{
    if (!trySelectPage(index))
        failRead();
}

bool TiffFile::trySelectPage(int index) const
{
    return index >= 0 && TIFFSetDirectory(m_tif, static_cast<tdir_t>(index)) == 1;
}

void TiffFile::close()
{
    if (!m_tif)
        return;
    TIFF* tif = m_tif;
    m_tif = nullptr;
    const bool writing = TIFFGetMode(tif) != O_RDONLY;
    const bool flushed = !writing || TIFFFlush(tif) == 1;
    TIFFClose(tif);
    if (!flushed)
        failWrite();
}

void TiffFile::failRead(const QString& what) const
{
    QString detail = m_messages->lastError;
    if (!what.isEmpty())
        detail = detail.isEmpty() ? what : what + QStringLiteral("：") + detail;
    throw EngineError(ErrFileRead, msg::corruptFile(m_messages->path, detail));
}

void TiffFile::failWrite(const QString& what) const
{
    QString detail = m_messages->lastError;
    if (!what.isEmpty())
        detail = detail.isEmpty() ? what : what + QStringLiteral("：") + detail;
    throw EngineError(ErrFileWrite, msg::cannotWrite(m_messages->path, detail));
}

}  // namespace scanvo::engine
