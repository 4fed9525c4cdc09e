#include "platform/scanner/HelperProtocol.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/mman.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace scanvo::scanner {

namespace {

template <typename Enum>
void ReadEnum(QDataStream& in, Enum* value)
{
    qint32 raw = 0;
    in >> raw;
    *value = static_cast<Enum>(raw);
}

}  // namespace

QDataStream& operator<<(QDataStream& out, const DeviceOption& o)
{
    out << o.name << o.title << o.description << qint32(o.type) << qint32(o.constraint) << qint32(o.unit)
        << qint32(o.valueCount) << o.active << o.settable << o.advanced << o.min << o.max << o.quant << o.words
        << o.strings << o.value;
    return out;
}

QDataStream& operator>>(QDataStream& in, DeviceOption& o)
{
    in >> o.name >> o.title >> o.description;
    ReadEnum(in, &o.type);
    ReadEnum(in, &o.constraint);
    ReadEnum(in, &o.unit);
    qint32 count = 1;
    in >> count >> o.active >> o.settable >> o.advanced >> o.min >> o.max >> o.quant >> o.words >> o.strings >> o.value;
    o.valueCount = count;
    return in;
}

namespace helper {

QDataStream& operator<<(QDataStream& out, const FrameGeometry& g)
{
    out << qint32(g.kind) << g.depth << g.pixelsPerLine << g.bytesPerLine << g.lines << g.lastFrame;
    return out;
}

QDataStream& operator>>(QDataStream& in, FrameGeometry& g)
{
    ReadEnum(in, &g.kind);
    in >> g.depth >> g.pixelsPerLine >> g.bytesPerLine >> g.lines >> g.lastFrame;
    return in;
}

MessageSocket::MessageSocket(int fd) : m_fd(fd)
{
    fcntl(m_fd, F_SETFL, fcntl(m_fd, F_GETFL) | O_NONBLOCK);
}

bool MessageSocket::waitFor(short events, QDeadlineTimer deadline)
{
    for (;;) {
        pollfd entry{m_fd, events, 0};
        const qint64 remaining = deadline.remainingTime();
        const int ready = poll(&entry, 1, remaining < 0 ? -1 : int(qMin<qint64>(remaining, 60'000)));
        if (ready > 0)
            return true;  // readable, writable, or hung up: the next call tells which
        if (ready < 0 && errno != EINTR)
            return true;
        if (ready == 0 && deadline.hasExpired())
            return false;
    }
}

IoStatus MessageSocket::send(MessageType type, const QByteArray& payload, QDeadlineTimer deadline,
                             const QList<int>& passFds)
{
    if (passFds.size() > kMaxPassedFds)
        return IoStatus::Malformed;
    bool passing = !passFds.isEmpty();
    if (payload.size() > qsizetype(kMaxPayload))
        return IoStatus::Malformed;
    MessageHeader header{quint32(type), quint32(payload.size())};
    iovec parts[2] = {{&header, sizeof header}, {const_cast<char*>(payload.constData()), std::size_t(payload.size())}};
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int) * kMaxPassedFds)] = {};
    int first = 0;
    while (first < 2) {
        msghdr message{};
        message.msg_iov = parts + first;
        message.msg_iovlen = 2 - first;
        if (passing) {
            // With the first bytes only: the receiver finds them with the header.
            const std::size_t bytes = sizeof(int) * std::size_t(passFds.size());
            message.msg_control = control;
            message.msg_controllen = CMSG_SPACE(bytes);
            cmsghdr* cmsg = CMSG_FIRSTHDR(&message);
            cmsg->cmsg_level = SOL_SOCKET;
            cmsg->cmsg_type = SCM_RIGHTS;
            cmsg->cmsg_len = CMSG_LEN(bytes);
            std::memcpy(CMSG_DATA(cmsg), passFds.constData(), bytes);
        }
        const ssize_t sent = sendmsg(m_fd, &message, MSG_NOSIGNAL);
        if (sent < 0) {
            if (errno == EINTR)
                continue;
            if (errno != EAGAIN && errno != EWOULDBLOCK)
                return IoStatus::Closed;
            if (!waitFor(POLLOUT, deadline))
                return IoStatus::TimedOut;
            continue;
        }
        passing = false;
        std::size_t left = std::size_t(sent);
        while (first < 2 && left >= parts[first].iov_len) {
            left -= parts[first].iov_len;
            ++first;
        }
        if (first < 2) {
            parts[first].iov_base = static_cast<char*>(parts[first].iov_base) + left;
            parts[first].iov_len -= left;
        }
    }
    return IoStatus::Ok;
}

IoStatus MessageSocket::receiveBytes(char* into, qint64 length, QDeadlineTimer deadline, QList<int>* receivedFds)
{
    while (length > 0) {
        iovec part{into, std::size_t(length)};
        alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int) * kMaxPassedFds)] = {};
        msghdr message{};
        message.msg_iov = &part;
        message.msg_iovlen = 1;
        message.msg_control = control;
        message.msg_controllen = sizeof control;
        const ssize_t got = recvmsg(m_fd, &message, MSG_CMSG_CLOEXEC);
        if (got > 0) {
            for (cmsghdr* cmsg = CMSG_FIRSTHDR(&message); cmsg; cmsg = CMSG_NXTHDR(&message, cmsg)) {
                if (cmsg->cmsg_level != SOL_SOCKET || cmsg->cmsg_type != SCM_RIGHTS)
                    continue;
                const std::size_t count = (cmsg->cmsg_len - CMSG_LEN(0)) / sizeof(int);
                for (std::size_t i = 0; i < count; ++i) {
                    int fd = -1;
                    std::memcpy(&fd, CMSG_DATA(cmsg) + i * sizeof fd, sizeof fd);
                    if (receivedFds)
                        receivedFds->append(fd);
                    else
                        close(fd);
                }
            }
            into += got;
            length -= got;
            continue;
        }
        if (got == 0)
            return IoStatus::Closed;
        if (errno == EINTR)
            continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK)
            return IoStatus::Closed;
        if (!waitFor(POLLIN, deadline))
            return IoStatus::TimedOut;
    }
    return IoStatus::Ok;
}

IoStatus MessageSocket::receive(Message* message, QDeadlineTimer deadline, QList<int>* receivedFds)
{
    MessageHeader header;
    IoStatus status = receiveBytes(reinterpret_cast<char*>(&header), sizeof header, deadline, receivedFds);
    if (status != IoStatus::Ok)
        return status;
    if (header.length > kMaxPayload)
        return IoStatus::Malformed;
    message->type = MessageType(header.type);
    message->payload.resize(header.length);
    return receiveBytes(message->payload.data(), header.length, deadline, nullptr);
}

FrameBufferWriter::FrameBufferWriter() : m_fd(memfd_create("scanvo-frame", MFD_CLOEXEC)) {}

FrameBufferWriter::~FrameBufferWriter()
{
    if (m_data)
        munmap(m_data, std::size_t(m_capacity));
    if (m_fd >= 0)
        close(m_fd);
}

bool FrameBufferWriter::reserve(qint64 bytes)
{
    if (bytes <= m_capacity)
        return true;
    if (m_fd < 0 || bytes > kMaxFrameBytes)
        return false;
    // Growing by half again at least keeps a frame of unknown height from growing it for every piece.
    const qint64 page = sysconf(_SC_PAGESIZE);
    qint64 wanted = qMin(qMax(bytes, m_capacity + m_capacity / 2), kMaxFrameBytes);
    wanted = (wanted + page - 1) / page * page;
    if (ftruncate(m_fd, wanted) != 0)
        return false;
    void* data = m_data ? mremap(m_data, std::size_t(m_capacity), std::size_t(wanted), MREMAP_MAYMOVE)
                        : mmap(nullptr, std::size_t(wanted), PROT_READ | PROT_WRITE, MAP_SHARED, m_fd, 0);
    if (data == MAP_FAILED)
        return false;
    m_data = static_cast<char*>(data);
    m_capacity = wanted;
    return true;
}

FrameBufferReader::~FrameBufferReader()
{
    if (m_data)
        munmap(const_cast<char*>(m_data), std::size_t(m_mapped));
    if (m_fd >= 0)
        close(m_fd);
}

const char* FrameBufferReader::view(qint64 bytes)
{
    if (bytes <= m_mapped)
        return m_data;
    // Reading past the file's end would fault, so its size is checked, not trusted.
    struct stat file {};
    if (m_fd < 0 || bytes > kMaxFrameBytes || fstat(m_fd, &file) != 0 || file.st_size < bytes)
        return nullptr;
    void* data = mmap(nullptr, std::size_t(file.st_size), PROT_READ, MAP_SHARED, m_fd, 0);
    if (data == MAP_FAILED)
        return nullptr;
    if (m_data)
        munmap(const_cast<char*>(m_data), std::size_t(m_mapped));
    m_data = static_cast<const char*>(data);
    m_mapped = file.st_size;
    return m_data;
}

}  // namespace helper
}  // namespace scanvo::scanner
