#pragma once
// What the SANE source and its helper program (scanvo-sane-helper) say to each other over their
// stream socket. Every message is a header, its type and payload length, followed by the payload;
// structured payloads are QDataStream-encoded with Pack and Unpack. The helper speaks first: a
// greeting with its protocol version, so a helper left over from another build is refused instead
// of misread.
//
// A request gets one answer, except StartFrame: FrameBegin, then the frame's samples as FrameData
// messages as the device delivers them, then FrameEnd. Answers carry ResultCode values; SANE's own
// types and statuses never leave the helper.

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

inline constexpr quint32 kProtocolVersion = 1;
inline constexpr char kGreeting[] = "scanvo-sane-helper";
inline constexpr auto kStreamVersion = QDataStream::Qt_6_0;
// No message is longer: frame samples come in pieces of at most kFrameDataPiece bytes.
inline constexpr quint32 kMaxPayload = 16u << 20;
inline constexpr int kFrameDataPiece = 256 * 1024;
// Frames larger than this are refused rather than exhausting memory (A3 at 1200 dpi in colour fits).
inline constexpr qint64 kMaxFrameBytes = qint64(1) << 30;

// The helper's test-only misbehaviour, named by this environment variable: "hang-cancel" (ending
// a scan never returns), "hang-read:N" or "crash-read:N" (stop answering, or die, in the middle of
// the Nth frame the helper reads).
inline constexpr char kFaultVariable[] = "SCANVO_SANE_HELPER_FAULT";

enum class MessageType : quint32 {
    // helper to source
    Hello = 1,   // kGreeting, kProtocolVersion
    Devices,     // result, device names in the library's order
    Result,      // result of Open or SetOption
    Options,     // QList<DeviceOption> of the open device
    FrameBegin,  // result; when 0, the frame's geometry follows (FrameGeometry)
    FrameData,   // raw samples, unframed bytes
    FrameEnd,    // result: 0 at the frame's end of data
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
// The descriptor stays owned by the caller.
class MessageSocket {
public:
    explicit MessageSocket(int fd);

    IoStatus send(MessageType type, const QByteArray& payload, QDeadlineTimer deadline);
    IoStatus send(MessageType type, const char* data, qint64 length, QDeadlineTimer deadline);
    // The next message's header; a payload longer than kMaxPayload makes it Malformed. The caller
    // reads the payload with receiveBytes, so frame samples can go straight to their place.
    IoStatus receiveHeader(MessageHeader* header, QDeadlineTimer deadline);
    IoStatus receiveBytes(char* into, qint64 length, QDeadlineTimer deadline);
    // A whole message with its payload.
    IoStatus receive(Message* message, QDeadlineTimer deadline);

private:
    bool waitFor(short events, QDeadlineTimer deadline);

    int m_fd;
};

}  // namespace scanvo::scanner::helper
