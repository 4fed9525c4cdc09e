// TiffFile: opening, closing and error capture for libtiff handles.
#include "platform/engine/TiffFile.h"

#include "platform/engine/EngineError.h"
#include "platform/engine/EngineMessages.h"

#include <QFile>

#include <cstdarg>
#include <fcntl.h>
#include <cstdio>
#include <mutex>

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

TIFF* openWithOptions(const QString& path, const char* mode, TiffFile::Messages* messages)
{
    silenceGlobalHandlers();
    TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
    if (!options)
        throw EngineError(ErrOutOfMemory, msg::outOfMemory());
    TIFFOpenOptionsSetMaxSingleMemAlloc(options, kMaxSingleAllocation);
    TIFFOpenOptionsSetErrorHandlerExtR(options, keepError, messages);
    TIFFOpenOptionsSetWarningHandlerExtR(options, dropWarning, nullptr);
    TIFF* tif = TIFFOpenExt(QFile::encodeName(path).constData(), mode, options);
    TIFFOpenOptionsFree(options);
    return tif;
}

}  // namespace

TiffFile::TiffFile(TIFF* tif, std::unique_ptr<Messages> messages) : m_tif(tif), m_messages(std::move(messages)) {}

TiffFile TiffFile::openRead(const QString& path)
{
    auto messages = std::make_unique<Messages>();
    messages->path = path;
    // Memory-mapped: libtiff 4.5 rejects uncompressed tiles that are not a multiple of 1 KiB when
    // it reads them through its own buffer.
    TIFF* tif = openWithOptions(path, "r", messages.get());
    if (!tif)
        throw EngineError(ErrFileRead, msg::corruptFile(path, messages->lastError));
    return TiffFile(tif, std::move(messages));
}

TiffFile TiffFile::openWrite(const QString& path, bool bigTiff)
{
    auto messages = std::make_unique<Messages>();
    messages->path = path;
    TIFF* tif = openWithOptions(path, bigTiff ? "w8" : "w", messages.get());
    if (!tif)
        throw EngineError(ErrFileWrite, msg::cannotWrite(path, messages->lastError));
    return TiffFile(tif, std::move(messages));
}

TiffFile::TiffFile(TiffFile&& other) noexcept : m_tif(other.m_tif), m_messages(std::move(other.m_messages))
{
    other.m_tif = nullptr;
}

TiffFile& TiffFile::operator=(TiffFile&& other) noexcept
{
    if (this != &other) {
        if (m_tif)
            TIFFClose(m_tif);
        m_tif = other.m_tif;
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
    // libtiff stops counting at a directory it cannot read and says so only through the error
    // handler; a chain that breaks off (a file cut short) is damage, not a shorter document.
    m_messages->lastError.clear();
    const tdir_t count = TIFFNumberOfDirectories(m_tif);
    if (count == 0 || !m_messages->lastError.isEmpty())
        failRead();
    return static_cast<int>(count);
}

void TiffFile::selectPage(int index) const
{
    if (!TIFFSetDirectory(m_tif, static_cast<tdir_t>(index)))
        failRead();
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
