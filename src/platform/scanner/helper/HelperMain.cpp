// scanvo-sane-helper: the SANE session of one scanner source, in a process of its own, so that a
// backend that hangs or crashes takes only this process with it. The source starts it with a
// stream socket as standard input and output and "--parent=PID"; it answers the requests of
// HelperProtocol.h one at a time until the source says Quit or goes away.

#include "platform/scanner/HelperProtocol.h"
#include "platform/scanner/ResultCode.h"
#include "platform/scanner/helper/SaneDevice.h"
#include "platform/scanner/helper/SaneStatus.h"

#include <QElapsedTimer>

#include <sane/sane.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstring>
#include <memory>

using namespace scanvo::scanner;
using namespace scanvo::scanner::helper;

namespace {

const QDeadlineTimer kForever(QDeadlineTimer::Forever);
// What one read asks of the backend at least and at most.
constexpr qint64 kReadPiece = 256 * 1024;
constexpr qint64 kReadLimit = 4 << 20;

struct Fault {
    enum Kind { None, HangInCancel, HangInRead, CrashInRead } kind = None;
    int frame = 0;  // 1-based, counted over the helper's life

    static Fault fromEnvironment()
    {
        const QByteArray text = qgetenv(kFaultVariable);
        Fault fault;
        const auto frameAfter = [&text](const char* prefix) { return text.mid(qstrlen(prefix)).toInt(); };
        if (text == "hang-cancel") {
            fault.kind = HangInCancel;
        } else if (text.startsWith("hang-read:")) {
            fault.kind = HangInRead;
            fault.frame = frameAfter("hang-read:");
        } else if (text.startsWith("crash-read:")) {
            fault.kind = CrashInRead;
            fault.frame = frameAfter("crash-read:");
        }
        return fault;
    }
};

[[noreturn]] void HangForever()
{
    for (;;)
        pause();
}

[[noreturn]] void Crash()
{
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    signal(SIGSEGV, SIG_DFL);
    raise(SIGSEGV);
    _exit(127);
}

class Server {
public:
    Server(int fd, Fault fault) : m_socket(fd), m_fault(fault) {}
    ~Server()
    {
        m_device.reset();
        if (m_initialised)
            sane_exit();
    }

    int run()
    {
        QList<int> buffers;
        for (const FrameBufferWriter& buffer : m_buffers)
            buffers.append(buffer.fd());
        if (buffers.contains(-1) ||
            m_socket.send(MessageType::Hello, Pack(QByteArray(kGreeting), kProtocolVersion), kForever, buffers) !=
                IoStatus::Ok)
            return 1;
        for (;;) {
            Message request;
            if (m_socket.receive(&request, kForever) != IoStatus::Ok)
                return 0;  // the source is gone
            if (request.type == MessageType::Quit)
                return 0;
            if (!answer(request))
                return 1;
        }
    }

private:
    bool reply(MessageType type, const QByteArray& payload)
    {
        return m_socket.send(type, payload, kForever) == IoStatus::Ok;
    }

    int initialise()
    {
        if (m_initialised)
            return ResultSuccess;
        SANE_Int version = 0;
        const SANE_Status status = sane_init(&version, nullptr);
        m_initialised = status == SANE_STATUS_GOOD;
        return ResultFromSaneStatus(status);
    }

    bool answer(const Message& request)
    {
        switch (request.type) {
        case MessageType::ListDevices:
            return listDevices();
        case MessageType::Open: {
            QString name;
            if (!Unpack(request.payload, name))
                return false;
            return reply(MessageType::Result, Pack(qint32(open(name))));
        }
        case MessageType::GetOptions:
            return reply(MessageType::Options, Pack(m_device ? m_device->options() : QList<DeviceOption>()));
        case MessageType::SetOption: {
            QString name;
            QVariant value;
            if (!Unpack(request.payload, name, value))
                return false;
            bool reloadOptions = false;
            const int result = m_device ? m_device->setOption(name, value, &reloadOptions) : int(ResultNotOpen);
            return reply(MessageType::Result, Pack(qint32(result), reloadOptions));
        }
        case MessageType::StartFrame:
            return streamFrame();
        case MessageType::EndScan:
            if (m_device) {
                if (m_fault.kind == Fault::HangInCancel && m_device->scanning())
                    HangForever();
                m_device->endScan();
            }
            return reply(MessageType::ScanEnded, {});
        default:
            return false;  // not a request: the source and this helper do not understand each other
        }
    }

    bool listDevices()
    {
        QStringList names;
        const int result = initialise();
        const SANE_Device** devices = nullptr;
        if (result == ResultSuccess && sane_get_devices(&devices, SANE_FALSE) == SANE_STATUS_GOOD && devices) {
            for (const SANE_Device** device = devices; *device; ++device)
                names.append(QString::fromUtf8((*device)->name));
        }
        return reply(MessageType::Devices, Pack(qint32(result), names));
    }

    int open(const QString& name)
    {
        // Only one device is open at a time; closing the old one first frees it for others.
        m_device.reset();
        int result = initialise();
        if (result == ResultSuccess)
            m_device = SaneDevice::open(name, &result);
        return result;
    }

    bool streamFrame()
    {
        FrameGeometry geometry;
        const qint32 bufferIndex = m_frames % kFrameBuffers;
        FrameBufferWriter& buffer = m_buffers[bufferIndex];
        int result = m_device ? m_device->startFrame(&geometry) : int(ResultNotOpen);
        const qint64 expected = qint64(qMax(geometry.lines, 0)) * qMax(geometry.bytesPerLine, 0);
        if (result == ResultSuccess && !buffer.reserve(qMax(expected, kReadPiece)))
            result = ResultOutOfMemory;
        if (result != ResultSuccess)
            return reply(MessageType::FrameBegin, Pack(qint32(result)));
        if (!reply(MessageType::FrameBegin, Pack(qint32(result), geometry)))
            return false;

        ++m_frames;
        const bool misbehave = m_fault.frame == m_frames;
        qint64 total = 0;
        qint64 told = 0;
        QElapsedTimer sinceTold;
        sinceTold.start();
        for (;;) {
            // Samples go straight into the frame buffer; a frame longer than announced grows it.
            if (buffer.capacity() - total < kReadPiece && !buffer.reserve(total + kReadPiece)) {
                result = ResultOutOfMemory;
                break;
            }
            int length = 0;
            bool end = false;
            const int room = int(qMin<qint64>(buffer.capacity() - total, kReadLimit));
            result = m_device->read(buffer.data() + total, room, &length, &end);
            if (result != ResultSuccess) {
                // An empty feeder may show at the first read instead of at the start; later, the
                // page is incomplete.
                if (result == ResultNoDocuments && total > 0)
                    result = ResultDeviceError;
                break;
            }
            if (end)
                break;
            total += length;
            if (misbehave && m_fault.kind == Fault::HangInRead)
                HangForever();
            if (misbehave && m_fault.kind == Fault::CrashInRead)
                Crash();
            if (total - told >= kProgressBytes || (total > told && sinceTold.hasExpired(kProgressMs))) {
                if (!reply(MessageType::FrameProgress, Pack(total)))
                    return false;
                told = total;
                sinceTold.restart();
            }
        }
        return reply(MessageType::FrameEnd, Pack(qint32(result), total, bufferIndex));
    }

    MessageSocket m_socket;
    Fault m_fault;
    FrameBufferWriter m_buffers[kFrameBuffers];
    bool m_initialised = false;
    std::unique_ptr<SaneDevice> m_device;
    int m_frames = 0;
};

// The socket arrives as standard input and output. It moves to a descriptor of its own, and
// standard output goes to standard error: a backend that prints must not write into the protocol.
int TakeChannel()
{
    const int fd = fcntl(STDIN_FILENO, F_DUPFD_CLOEXEC, 3);
    const int devNull = ::open("/dev/null", O_RDONLY);
    if (devNull >= 0) {
        dup2(devNull, STDIN_FILENO);
        close(devNull);
    }
    dup2(STDERR_FILENO, STDOUT_FILENO);
    return fd;
}

// The helper must not outlive the process it serves, even while a backend call hangs.
void DieWithParent(int argc, char** argv)
{
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    for (int i = 1; i < argc; ++i) {
        constexpr const char* kOption = "--parent=";
        if (std::strncmp(argv[i], kOption, std::strlen(kOption)) == 0 &&
            getppid() != pid_t(std::atol(argv[i] + std::strlen(kOption))))
            _exit(0);  // the parent died before the death signal was armed
    }
}

}  // namespace

int main(int argc, char** argv)
{
    DieWithParent(argc, argv);
    // A network backend writing to a daemon that went away gets an error it can report, instead
    // of the signal that would end the helper.
    signal(SIGPIPE, SIG_IGN);
    const int channel = TakeChannel();
    if (channel < 0)
        return 1;
    Server server(channel, Fault::fromEnvironment());
    return server.run();
}
