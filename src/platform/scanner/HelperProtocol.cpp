#include "platform/scanner/HelperProtocol.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/uio.h>

#include <cerrno>
#include <fcntl.h>

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

IoStatus MessageSocket::send(MessageType type, const QByteArray& payload, QDeadlineTimer deadline)
{
    return send(type, payload.constData(), payload.size(), deadline);
}

IoStatus MessageSocket::send(MessageType type, const char* data, qint64 length, QDeadlineTimer deadline)
{
    if (length < 0 || length > kMaxPayload)
        return IoStatus::Malformed;
    MessageHeader header{quint32(type), quint32(length)};
    iovec parts[2] = {{&header, sizeof header}, {const_cast<char*>(data), std::size_t(length)}};
    int first = 0;
    while (first < 2) {
        msghdr message{};
        message.msg_iov = parts + first;
        message.msg_iovlen = 2 - first;
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

IoStatus MessageSocket::receiveBytes(char* into, qint64 length, QDeadlineTimer deadline)
{
    while (length > 0) {
        const ssize_t got = recv(m_fd, into, std::size_t(length), 0);
        if (got > 0) {
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

IoStatus MessageSocket::receiveHeader(MessageHeader* header, QDeadlineTimer deadline)
{
    const IoStatus status = receiveBytes(reinterpret_cast<char*>(header), sizeof *header, deadline);
    if (status == IoStatus::Ok && header->length > kMaxPayload)
        return IoStatus::Malformed;
    return status;
}

IoStatus MessageSocket::receive(Message* message, QDeadlineTimer deadline)
{
    MessageHeader header;
    IoStatus status = receiveHeader(&header, deadline);
    if (status != IoStatus::Ok)
        return status;
    message->type = MessageType(header.type);
    message->payload.resize(header.length);
    return receiveBytes(message->payload.data(), header.length, deadline);
}

}  // namespace helper
}  // namespace scanvo::scanner
