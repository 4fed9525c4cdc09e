#include "platform/engine/TiffAppend.h"

#include "platform/engine/AtomicFile.h"
#include "platform/engine/EngineError.h"
#include "platform/engine/EngineMessages.h"
#include "platform/engine/TiffCodec.h"
#include "platform/engine/TiffFile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace scanvo::engine {

namespace {

QString errorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// The file as libtiff sees it while it appends: bytes after the old end are written at once, but a
// write into the old part (the link to the new directory) is only noted, to be made after the new
// bytes are durable. Reads see the noted bytes, as if they had been written.
class LinkDeferringFile {
public:
    struct Pending {
        toff_t at;
        QByteArray bytes;
    };

    LinkDeferringFile(int fd, toff_t end) : m_fd(fd), m_end(end) {}

    TiffFile::ClientIo io()
    {
        return {this, &LinkDeferringFile::read, &LinkDeferringFile::write, &LinkDeferringFile::seek,
                &LinkDeferringFile::close, &LinkDeferringFile::size};
    }

    const std::vector<Pending>& pending() const noexcept { return m_pending; }
    // From now on every write fails: a page that failed must not be linked by a closing flush.
    void refuseWrites() noexcept { m_refused = true; }
    int error() const noexcept { return m_error; }

private:
    static LinkDeferringFile& of(thandle_t handle) { return *static_cast<LinkDeferringFile*>(handle); }

    static tmsize_t read(thandle_t handle, void* buffer, tmsize_t size)
    {
        LinkDeferringFile& f = of(handle);
        const ssize_t got = ::pread(f.m_fd, buffer, size_t(size), off_t(f.m_position));
        if (got < 0)
            return -1;
        for (const Pending& p : f.m_pending) {
            const toff_t from = std::max(p.at, f.m_position);
            const toff_t to = std::min<toff_t>(p.at + toff_t(p.bytes.size()), f.m_position + toff_t(got));
            if (from < to)
                std::memcpy(static_cast<char*>(buffer) + (from - f.m_position), p.bytes.constData() + (from - p.at), to - from);
        }
        f.m_position += toff_t(got);
        return got;
    }

    static tmsize_t write(thandle_t handle, void* buffer, tmsize_t size)
    {
        LinkDeferringFile& f = of(handle);
        if (f.m_refused) {
            errno = EIO;
            return -1;
        }
        if (f.m_position < f.m_end) {
            f.m_pending.push_back({f.m_position, QByteArray(static_cast<const char*>(buffer), qsizetype(size))});
            f.m_position += toff_t(size);
            return size;
        }
        for (tmsize_t done = 0; done < size;) {
            const ssize_t put = ::pwrite(f.m_fd, static_cast<const char*>(buffer) + done, size_t(size - done),
                                         off_t(f.m_position + toff_t(done)));
            if (put <= 0) {
                f.m_error = put < 0 ? errno : ENOSPC;
                f.m_refused = true;
                return -1;
            }
            done += put;
        }
        f.m_position += toff_t(size);
        return size;
    }

    static toff_t seek(thandle_t handle, toff_t offset, int whence)
    {
        LinkDeferringFile& f = of(handle);
        switch (whence) {
        case SEEK_SET:
            f.m_position = offset;
            break;
        case SEEK_CUR:
            f.m_position += offset;
            break;
        case SEEK_END:
            f.m_position = size(handle) + offset;
            break;
        default:
            return toff_t(-1);
        }
        return f.m_position;
    }

    static int close(thandle_t) { return 0; }  // the descriptor is closed by its owner

    static toff_t size(thandle_t handle)
    {
        struct stat st {};
        return ::fstat(of(handle).m_fd, &st) == 0 ? toff_t(st.st_size) : 0;
    }

    int m_fd;
    toff_t m_end;
    toff_t m_position = 0;
    std::vector<Pending> m_pending;
    bool m_refused = false;
    int m_error = 0;
};

class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const noexcept { return m_fd; }

private:
    int m_fd;
};

// The same refusals a rewrite through AtomicFile gives: a protected file or directory.
void checkWritable(const QString& path)
{
    int error = 0;
    if (IsWriteProtected(path, &error))
        throw EngineError(ErrFileWrite, msg::cannotWrite(path, error == EACCES ? msg::readOnlyFile() : errorText(error)));
    if (IsWriteProtected(QFileInfo(path).absolutePath(), &error))
        throw EngineError(ErrFileWrite, msg::cannotWrite(path, error == EACCES ? msg::readOnlyDirectory() : errorText(error)));
}

bool writeAt(int fd, const QByteArray& bytes, toff_t at)
{
    return ::pwrite(fd, bytes.constData(), size_t(bytes.size()), off_t(at)) == bytes.size();
}

}  // namespace

bool AppendPageInPlace(const QString& path, const Image& page, int format, int qualityFactor, int pageIndex,
                       int pageCount)
{
    checkWritable(path);
    const Descriptor fd(::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC));
    if (fd.get() < 0)
        throw EngineError(ErrFileWrite, msg::cannotWrite(path, errorText(errno)));
    // Two writers extending one file would write over each other's pages; the second rewrites.
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0)
        return false;
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    const toff_t end = toff_t(st.st_size);
    LinkDeferringFile file(fd.get(), end);
    const auto dropNewBytes = [&] { (void)::ftruncate(fd.get(), off_t(end)); };
    try {
        TiffFile out = TiffFile::openClient(file.io(), path, "a");
        try {
            WriteTiffPage(out, page, format, qualityFactor, pageIndex, pageCount);
            out.close();
        } catch (...) {
            file.refuseWrites();  // before the handle's destructor flushes what it still holds
            throw;
        }
    } catch (const EngineError& error) {
        dropNewBytes();
        if (file.error() != 0)
            throw EngineError(ErrFileWrite, msg::cannotWrite(path, errorText(file.error())));
        throw;
    }
    const std::vector<LinkDeferringFile::Pending>& links = file.pending();
    if (links.size() != 1 || links.front().bytes.size() > 8 || links.front().at + toff_t(links.front().bytes.size()) > end) {
        dropNewBytes();
        return false;
    }
    // The new page is durable before anything links to it; fdatasync reports write errors the
    // kernel deferred, such as a disk that filled up meanwhile.
    if (::fdatasync(fd.get()) != 0) {
        const int error = errno;
        dropNewBytes();
        throw EngineError(ErrFileWrite, msg::cannotWrite(path, errorText(error)));
    }
    if (!writeAt(fd.get(), links.front().bytes, links.front().at) || ::fdatasync(fd.get()) != 0)
        throw EngineError(ErrFileWrite, msg::cannotWrite(path, errorText(errno)));
    return true;
}

}  // namespace scanvo::engine
