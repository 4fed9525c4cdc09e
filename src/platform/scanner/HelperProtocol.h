#pragma once
// What the SANE source and its helper program (scanvo-sane-helper) say to each other over their
// stream socket. Every message is a header, its type and payload length, followed by the payload;
// structured payloads are QDataStream-encoded with Pack and Unpack. The helper speaks first: a
// greeting with its protocol version, so a helper left over from another build is refused instead
// of misread, and with the descriptors of its two frame buffers, shared memory files.
//
// A request gets one answer, except StartFrame: FrameBegin, then FrameProgress messages while the
// device delivers samples, then FrameEnd. The samples themselves go into the frame buffer, from
// its start: pages are the bulk of what passes, and going through the socket would copy them
// twice more and wake the source for every piece. Frames take the buffers in turn, so the source
// may ask for the next frame while it still converts the last one. Buffers only grow, and the
// helper writes into one only between StartFrame and FrameEnd. Answers carry ResultCode values;
// SANE's own types and statuses never leave the helper.

#include "platform/scanner/DeviceOption.h"
#include "platform/scanner/RasterFrame.h"

#include <QByteArray>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QIODevice>

#include <cstdint>

namespace scanvo::scanner {

// Beside DeviceOption, where QList's stream operators find them.
QDataStream& operator<<(QDataStream& out, const DeviceOption& option);
QDataStream& operator>>(QDataStream& in, DeviceOption& option);

}  // namespace scanvo::scanner

namespace scanvo::scanner::helper {

inline constexpr quint32 kProtocolVersion = 2;
inline constexpr char kGreeting[] = "scanvo-sane-helper";
inline constexpr auto kStreamVersion = QDataStream::Qt_6_0;
// No message is longer; the longest are option lists.
inline constexpr quint32 kMaxPayload = 16u << 20;
// While samples arrive, the source hears of them after this many bytes or this many milliseconds.
inline constexpr qint64 kProgressBytes = 4 << 20;
inline constexpr int kProgressMs = 200;
inline constexpr int kFrameBuffers = 2;
// Frames larger than this are refused rather than exhausting memory (A3 at 1200 dpi in colour fits).
inline constexpr qint64 kMaxFrameBytes = qint64(1) << 30;

// The helper's test-only misbehaviour, named by this environment variable: "hang-cancel" (ending
// a scan never returns), "hang-read:N" or "crash-read:N" (stop answering, or die, in the middle of
// the Nth frame the helper reads).
inline constexpr char kFaultVariable[] = "SCANVO_SANE_HELPER_FAULT";

enum class MessageType : quint32 {
    // helper to source
    Hello = 1,   // kGreeting, kProtocolVersion; carries the frame buffers' descriptors
    Devices,     // result, device names in the library's order
    Result,      // result of Open; of SetOption, followed by whether other options changed (bool)
    Options,     // QList<DeviceOption> of the open device
    FrameBegin,  // result; when 0, the frame's geometry follows (FrameGeometry)
    FrameProgress,  // bytes of the frame in the buffer so far (qint64)
    FrameEnd,       // result (0 at the frame's end of data), the frame's bytes (qint64), its buffer (qint32)
    ScanEnded,   // the device is idle again
    // source to helper
    ListDevices = 100,
    Open,        // device name
    GetOptions,
    SetOption,   // option name, value
    StartFrame,
    EndScan,
    Quit,
};

struct MessageHeader {
    quint32 type = 0;
    quint32 length = 0;
};

struct Message {
    MessageType type = MessageType::Hello;
    QByteArray payload;
};

// A frame as the device announces it before its samples: RasterFrame without data.
struct FrameGeometry {
    FrameKind kind = FrameKind::Grey;
    qint32 depth = 8;
    qint32 pixelsPerLine = 0;
    qint32 bytesPerLine = 0;
    qint32 lines = -1;
    bool lastFrame = true;
};

QDataStream& operator<<(QDataStream& out, const FrameGeometry& geometry);
QDataStream& operator>>(QDataStream& in, FrameGeometry& geometry);

template <typename... T>
QByteArray Pack(const T&... values)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(kStreamVersion);
    (out << ... << values);
    return bytes;
}

// False when the payload does not hold these values.
template <typename... T>
bool Unpack(const QByteArray& bytes, T&... values)
{
    QDataStream in(bytes);
    in.setVersion(kStreamVersion);
    (in >> ... >> values);
    return in.status() == QDataStream::Ok;
}

enum class IoStatus { Ok, TimedOut, Closed, Malformed };

// One end of the socket, non-blocking underneath; every wait ends at its deadline (a Forever
// deadline waits as long as it takes, which only the helper does). Sends never raise SIGPIPE.
// The socket's descriptor stays owned by the caller.
class MessageSocket {
public:
    explicit MessageSocket(int fd);

    // Descriptors in passFds (at most kMaxPassedFds) travel with the message and arrive as
    // descriptors of the receiving process.
    IoStatus send(MessageType type, const QByteArray& payload, QDeadlineTimer deadline, const QList<int>& passFds = {});
    // A payload longer than kMaxPayload makes the message Malformed. Descriptors that came with
    // it are added to *receivedFds (close-on-exec, the caller's to close) when that is given, and
    // closed otherwise.
    IoStatus receive(Message* message, QDeadlineTimer deadline, QList<int>* receivedFds = nullptr);

    static constexpr int kMaxPassedFds = 2;

private:
    bool waitFor(short events, QDeadlineTimer deadline);
    IoStatus receiveBytes(char* into, qint64 length, QDeadlineTimer deadline, QList<int>* receivedFds);

    int m_fd;
};

// The frame buffer as the helper writes it: a shared memory file that grows to what a frame needs.
class FrameBufferWriter {
public:
    FrameBufferWriter();
    ~FrameBufferWriter();
    FrameBufferWriter(const FrameBufferWriter&) = delete;
    FrameBufferWriter& operator=(const FrameBufferWriter&) = delete;

    int fd() const { return m_fd; }
    // At least bytes of room; false when the memory cannot be had.
    bool reserve(qint64 bytes);
    char* data() const { return m_data; }
    qint64 capacity() const { return m_capacity; }

private:
    int m_fd = -1;
    char* m_data = nullptr;
    qint64 m_capacity = 0;
};

// The frame buffer as the source reads it.
class FrameBufferReader {
public:
    explicit FrameBufferReader(int fd) : m_fd(fd) {}  // takes the descriptor
    ~FrameBufferReader();
    FrameBufferReader(const FrameBufferReader&) = delete;
    FrameBufferReader& operator=(const FrameBufferReader&) = delete;

    // The buffer's first bytes, null when the file is shorter than that.
    const char* view(qint64 bytes);

private:
    int m_fd;
    const char* m_data = nullptr;
    qint64 m_mapped = 0;
};

}  // namespace scanvo::scanner::helper
