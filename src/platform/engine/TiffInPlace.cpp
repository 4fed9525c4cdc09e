#include "platform/engine/TiffInPlace.h"

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
#include <optional>
#include <set>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
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
    Descriptor(Descriptor&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
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

// One page of the chain as its bytes lie in the file.
struct ChainPage {
    toff_t directory = 0;
    toff_t nextField = 0;     // where the offset of the following directory is stored
    std::uint64_t bytes = 0;  // the directory, the values it stores elsewhere, and its strips or tiles
};

// The chain of pages read straight from the file: a few small reads a page, where libtiff would
// decode every directory whole.
struct Chain {
    bool big = false;
    bool bigEndian = false;
    toff_t headerLink = 4;  // where the offset of the first directory is stored
    std::vector<ChainPage> pages;

    int linkWidth() const { return big ? 8 : 4; }
    int countWidth() const { return big ? 8 : 2; }
    int entryWidth() const { return big ? 20 : 12; }
    std::uint64_t usedBytes() const
    {
        std::uint64_t used = big ? 16 : 8;
        for (const ChainPage& page : pages)
            used += page.bytes;
        return used;
    }
    // Where the page at position is linked from.
    toff_t linkTo(int position) const { return position == 0 ? headerLink : pages[size_t(position) - 1].nextField; }
    toff_t directoryAt(int position) const { return size_t(position) < pages.size() ? pages[size_t(position)].directory : 0; }
    QByteArray encode(std::uint64_t value) const
    {
        QByteArray bytes(linkWidth(), Qt::Uninitialized);
        for (int i = 0; i < linkWidth(); ++i)
            bytes[bigEndian ? linkWidth() - 1 - i : i] = char((value >> (8 * i)) & 0xFF);
        return bytes;
    }
    std::uint64_t decode(const unsigned char* p, int width) const
    {
        std::uint64_t value = 0;
        for (int i = 0; i < width; ++i)
            value |= std::uint64_t(p[bigEndian ? width - 1 - i : i]) << (8 * i);
        return value;
    }
};

bool readAt(int fd, std::uint64_t fileBytes, toff_t at, void* buffer, std::uint64_t size)
{
    return at <= fileBytes && size <= fileBytes - at && ::pread(fd, buffer, size_t(size), off_t(at)) == ssize_t(size);
}

int typeWidth(unsigned type)
{
    switch (type) {
    case TIFF_SHORT:
    case TIFF_SSHORT:
        return 2;
    case TIFF_LONG:
    case TIFF_SLONG:
    case TIFF_FLOAT:
    case TIFF_IFD:
        return 4;
    case TIFF_RATIONAL:
    case TIFF_SRATIONAL:
    case TIFF_DOUBLE:
    case TIFF_LONG8:
    case TIFF_SLONG8:
    case TIFF_IFD8:
        return 8;
    default:
        return 1;
    }
}

// The sum of the byte counts of an entry (strip or tile sizes); nullopt when they lie outside the file.
std::optional<std::uint64_t> sumOfCounts(int fd, std::uint64_t fileBytes, const Chain& chain, const unsigned char* entry,
                                         std::uint64_t count, int width)
{
    const int valueWidth = chain.big ? 8 : 4;
    const unsigned char* field = entry + (chain.big ? 12 : 8);
    QByteArray stored;
    const unsigned char* values = field;
    if (count * std::uint64_t(width) > std::uint64_t(valueWidth)) {
        if (count > fileBytes)
            return std::nullopt;
        stored.resize(qsizetype(count * std::uint64_t(width)));
        if (!readAt(fd, fileBytes, chain.decode(field, valueWidth), stored.data(), std::uint64_t(stored.size())))
            return std::nullopt;
        values = reinterpret_cast<const unsigned char*>(stored.constData());
    }
    std::uint64_t sum = 0;
    for (std::uint64_t i = 0; i < count; ++i)
        sum += chain.decode(values + i * std::uint64_t(width), width);
    return sum;
}

// Reads the chain of pages; nullopt when it loops, leaves the file, or a directory is malformed.
std::optional<Chain> readChain(int fd, std::uint64_t fileBytes)
{
    unsigned char header[16] = {};
    if (!readAt(fd, fileBytes, 0, header, 8))
        return std::nullopt;
    Chain chain;
    if (header[0] == 'M' && header[1] == 'M')
        chain.bigEndian = true;
    else if (header[0] != 'I' || header[1] != 'I')
        return std::nullopt;
    const std::uint64_t magic = chain.decode(header + 2, 2);
    chain.big = magic == 43;
    if (!chain.big && magic != 42)
        return std::nullopt;
    if (chain.big && !readAt(fd, fileBytes, 0, header, 16))
        return std::nullopt;
    chain.headerLink = chain.big ? 8 : 4;
    std::uint64_t next = chain.decode(header + chain.headerLink, chain.linkWidth());
    std::set<toff_t> seen;
    QByteArray entries;
    while (next != 0) {
        if (!seen.insert(next).second)
            return std::nullopt;
        unsigned char countBytes[8] = {};
        if (!readAt(fd, fileBytes, next, countBytes, std::uint64_t(chain.countWidth())))
            return std::nullopt;
        const std::uint64_t count = chain.decode(countBytes, chain.countWidth());
        if (count == 0 || count > 4096)
            return std::nullopt;
        const std::uint64_t listBytes = count * std::uint64_t(chain.entryWidth()) + std::uint64_t(chain.linkWidth());
        entries.resize(qsizetype(listBytes));
        if (!readAt(fd, fileBytes, next + toff_t(chain.countWidth()), entries.data(), listBytes))
            return std::nullopt;
        ChainPage page;
        page.directory = next;
        page.nextField = next + toff_t(chain.countWidth()) + count * std::uint64_t(chain.entryWidth());
        page.bytes = std::uint64_t(chain.countWidth()) + listBytes;
        const auto* list = reinterpret_cast<const unsigned char*>(entries.constData());
        for (std::uint64_t i = 0; i < count; ++i) {
            const unsigned char* entry = list + i * std::uint64_t(chain.entryWidth());
            const auto tag = unsigned(chain.decode(entry, 2));
            const int width = typeWidth(unsigned(chain.decode(entry + 2, 2)));
            const std::uint64_t values = chain.decode(entry + 4, chain.big ? 8 : 4);
            if (values > fileBytes)
                return std::nullopt;
            if (values * std::uint64_t(width) > std::uint64_t(chain.big ? 8 : 4))
                page.bytes += values * std::uint64_t(width);
            if (tag == TIFFTAG_STRIPBYTECOUNTS || tag == TIFFTAG_TILEBYTECOUNTS) {
                const std::optional<std::uint64_t> data = sumOfCounts(fd, fileBytes, chain, entry, values, width);
                if (!data)
                    return std::nullopt;
                page.bytes += *data;
            }
        }
        chain.pages.push_back(page);
        next = chain.decode(list + count * std::uint64_t(chain.entryWidth()), chain.linkWidth());
    }
    return chain;
}

// A file opened for an edit in place: locked against other writers, its chain read.
struct OpenedDocument {
    std::optional<Descriptor> fd;
    std::uint64_t end = 0;
    Chain chain;
};

// Nothing (and the caller rewrites) when another writer holds the file or its chain is not the
// pageCount pages the caller read.
std::optional<OpenedDocument> openDocument(const QString& path, int pageCount)
{
    checkWritable(path);
    OpenedDocument doc;
    doc.fd.emplace(::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC));
    const int fd = doc.fd->get();
    if (fd < 0)
        throw EngineError(ErrFileWrite, msg::cannotWrite(path, errorText(errno)));
    // Two writers extending one file would write over each other's pages; the second rewrites.
    struct stat st {};
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    doc.end = std::uint64_t(st.st_size);
    std::optional<Chain> chain = readChain(fd, doc.end);
    if (!chain || int(chain->pages.size()) != pageCount)
        return std::nullopt;
    doc.chain = std::move(*chain);
    return doc;
}

// Makes everything written so far durable, then writes the one link and makes it durable.
void writeLink(int fd, const QString& path, toff_t at, const QByteArray& value)
{
    if (::fdatasync(fd) != 0)
        throw EngineError(ErrFileWrite, msg::cannotWrite(path, errorText(errno)));
    if (!writeAt(fd, value, at) || ::fdatasync(fd) != 0)
        throw EngineError(ErrFileWrite, msg::cannotWrite(path, errorText(errno)));
}

}  // namespace

InPlaceEdit WritePageInPlace(const QString& path, const Image& page, int format, int qualityFactor, PageLink link,
                             int position, int pageCount)
{
    if (link == PageLink::Insert && position == pageCount)
        link = PageLink::Append;
    std::optional<OpenedDocument> doc = openDocument(path, pageCount);
    if (!doc)
        return {};
    const int fd = doc->fd->get();
    const Chain& chain = doc->chain;
    LinkDeferringFile file(fd, doc->end);
    const auto dropNewBytes = [&] { (void)::ftruncate(fd, off_t(doc->end)); };
    try {
        TiffFile out = TiffFile::openClient(file.io(), path, "a");
        try {
            WriteTiffPage(out, page, format, qualityFactor, position, link == PageLink::Replace ? pageCount : pageCount + 1);
            out.close();
        } catch (...) {
            file.refuseWrites();  // before the handle's destructor flushes what it still holds
            throw;
        }
    } catch (const EngineError&) {
        dropNewBytes();
        if (file.error() != 0)
            throw EngineError(ErrFileWrite, msg::cannotWrite(path, errorText(file.error())));
        throw;
    }
    // libtiff linked the new directory after the last one; that link is only noted, not written.
    const std::vector<LinkDeferringFile::Pending>& noted = file.pending();
    const bool oneLink = noted.size() == 1 && noted.front().bytes.size() == chain.linkWidth() &&
                         noted.front().at == chain.linkTo(pageCount);
    if (!oneLink) {
        dropNewBytes();
        return {};
    }
    const QByteArray newDirectory = noted.front().bytes;
    const std::uint64_t directory = chain.decode(reinterpret_cast<const unsigned char*>(newDirectory.constData()), chain.linkWidth());
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        dropNewBytes();
        throw EngineError(ErrFileWrite, msg::cannotWrite(path, errorText(errno)));
    }
    const std::uint64_t fileBytes = std::uint64_t(st.st_size);
    std::uint64_t removed = 0;
    if (link != PageLink::Append) {
        // The new page leads on to the page it goes before, or to the one after the page it replaces;
        // its directory is unreachable until linked, so this write needs no order of its own.
        const toff_t follows = chain.directoryAt(link == PageLink::Insert ? position : position + 1);
        unsigned char countBytes[8] = {};
        if (!readAt(fd, fileBytes, directory, countBytes, std::uint64_t(chain.countWidth()))) {
            dropNewBytes();
            return {};
        }
        const toff_t nextField = directory + toff_t(chain.countWidth()) +
                                 chain.decode(countBytes, chain.countWidth()) * std::uint64_t(chain.entryWidth());
        if (!writeAt(fd, chain.encode(follows), nextField)) {
            const int error = errno;
            dropNewBytes();
            throw EngineError(ErrFileWrite, msg::cannotWrite(path, errorText(error)));
        }
        if (link == PageLink::Replace)
            removed = chain.pages[size_t(position)].bytes;
    }
    try {
        writeLink(fd, path, chain.linkTo(link == PageLink::Append ? pageCount : position), newDirectory);
    } catch (const EngineError&) {
        dropNewBytes();
        throw;
    }
    const std::uint64_t used = chain.usedBytes() - removed + (fileBytes - doc->end);
    return {true, fileBytes, fileBytes > used ? fileBytes - used : 0};
}

InPlaceEdit DeletePageInPlace(const QString& path, int position, int pageCount)
{
    std::optional<OpenedDocument> doc = openDocument(path, pageCount);
    if (!doc || pageCount < 2)
        return {};
    // A reader takes the first directory whole when it opens the file: the page that becomes first
    // must be one it can read, which following the chain does not show.
    if (position == 0 && !TiffFile::openRead(path, TiffFile::Access::Read).trySelectPage(1))
        return {};
    const Chain& chain = doc->chain;
    writeLink(doc->fd->get(), path, chain.linkTo(position), chain.encode(chain.directoryAt(position + 1)));
    const std::uint64_t used = chain.usedBytes() - chain.pages[size_t(position)].bytes;
    return {true, doc->end, doc->end > used ? doc->end - used : 0};
}

bool WorthCompacting(const InPlaceEdit& edit)
{
    return edit.done && edit.unusedBytes * 4 > edit.fileBytes;
}

}  // namespace scanvo::engine
