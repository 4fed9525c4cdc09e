#include "platform/scanner/SaneHelperClient.h"

#include "platform/scanner/HelperProcess.h"
#include "platform/scanner/HelperProtocol.h"
#include "platform/scanner/ResultCode.h"

#include <QtDebug>

namespace scanvo::scanner {

using namespace helper;

SaneHelperClient::SaneHelperClient(const HelperLimits& limits) : m_limits(limits) {}

SaneHelperClient::~SaneHelperClient()
{
    if (m_process)
        m_process->quit(m_limits.quitMs);
}

int SaneHelperClient::fail(const QString& why)
{
    m_frameRequested = false;
    m_deviceOpen = false;
    if (m_process) {
        m_process->kill();
        m_process.reset();
    }
    m_errorText = why;
    qWarning().noquote() << why;
    return ResultDeviceError;
}

int SaneHelperClient::launch()
{
    QString error;
    m_process = HelperProcess::launch(m_limits.startMs, &error);
    return m_process ? int(ResultSuccess) : fail(error);
}

int SaneHelperClient::failed(IoStatus status, const char* what, int ms)
{
    const pid_t pid = m_process ? m_process->pid() : 0;
    switch (status) {
    case IoStatus::Ok:
        return ResultSuccess;
    case IoStatus::TimedOut:
        return fail(QStringLiteral("scanner helper %1 did not finish %2 within %3 ms and was stopped")
                        .arg(pid)
                        .arg(QLatin1String(what))
                        .arg(ms));
    case IoStatus::Closed:
        return fail(QStringLiteral("scanner helper %1 ended during %2").arg(pid).arg(QLatin1String(what)));
    case IoStatus::Malformed:
        break;
    }
    return fail(QStringLiteral("scanner helper %1 answered %2 with something unreadable and was stopped")
                    .arg(pid)
                    .arg(QLatin1String(what)));
}

int SaneHelperClient::send(MessageType type, const QByteArray& payload, int ms, const char* what)
{
    if (!m_process)
        return ResultDeviceError;
    return failed(m_process->socket().send(type, payload, QDeadlineTimer(ms)), what, ms);
}

int SaneHelperClient::await(MessageType answer, int ms, QByteArray* reply, const char* what)
{
    if (!m_process)
        return ResultDeviceError;
    Message message;
    IoStatus status = m_process->socket().receive(&message, QDeadlineTimer(ms));
    if (status == IoStatus::Ok && message.type != answer)
        status = IoStatus::Malformed;
    *reply = message.payload;
    return failed(status, what, ms);
}

int SaneHelperClient::request(MessageType type, const QByteArray& payload, MessageType answer, int ms,
                              QByteArray* reply, const char* what)
{
    const int sent = send(type, payload, ms, what);
    return sent == ResultSuccess ? await(answer, ms, reply, what) : sent;
}

int SaneHelperClient::listDevices(QStringList* names)
{
    names->clear();
    if (!m_process && launch() != ResultSuccess)
        return ResultDeviceError;
    QByteArray reply;
    int result = request(MessageType::ListDevices, {}, MessageType::Devices, m_limits.listMs, &reply, "the device list");
    if (result == ResultSuccess && !Unpack(reply, result, *names))
        return fail(QStringLiteral("scanner helper sent an unreadable device list"));
    return result;
}

int SaneHelperClient::open(const QString& name)
{
    m_deviceName = name;
    m_deviceOpen = false;
    m_written.clear();
    const int result = ensureRunning();
    if (result != ResultSuccess)
        m_deviceName.clear();
    return result;
}

int SaneHelperClient::ensureRunning()
{
    if (m_process && (m_deviceOpen || m_deviceName.isEmpty()))
        return ResultSuccess;
    if (!m_process) {
        // Some backends know their devices only after listing them.
        QStringList names;
        const int listed = listDevices(&names);
        if (listed != ResultSuccess)
            return listed;
    }
    if (m_deviceName.isEmpty())
        return ResultSuccess;
    QByteArray reply;
    int result = request(MessageType::Open, Pack(m_deviceName), MessageType::Result, m_limits.callMs, &reply,
                         "opening the device");
    if (result == ResultSuccess && !Unpack(reply, result))
        return fail(QStringLiteral("scanner helper sent an unreadable answer to opening the device"));
    if (result != ResultSuccess)
        return result;
    m_deviceOpen = true;
    // A new helper gets the option values written so far, in their order, so an option that
    // switches another one on comes first again. The device may refuse now what it took before;
    // that alone does not stop it.
    const QList<QPair<QString, QVariant>> written = m_written;
    for (const auto& [option, value] : written) {
        setOption(option, value);
        if (!m_process)
            return ResultDeviceError;
    }
    return ResultSuccess;
}

QList<DeviceOption> SaneHelperClient::options()
{
    QList<DeviceOption> options;
    QByteArray reply;
    if (ensureRunning() != ResultSuccess ||
        request(MessageType::GetOptions, {}, MessageType::Options, m_limits.callMs, &reply, "reading the options") !=
            ResultSuccess)
        return options;
    if (!Unpack(reply, options)) {
        fail(QStringLiteral("scanner helper sent unreadable options"));
        options.clear();
    }
    return options;
}

int SaneHelperClient::setOption(const QString& name, const QVariant& value, bool* reloadOptions)
{
    if (reloadOptions)
        *reloadOptions = false;
    int result = ensureRunning();
    QByteArray reply;
    if (result == ResultSuccess)
        result = request(MessageType::SetOption, Pack(name, value), MessageType::Result, m_limits.callMs, &reply,
                         "writing an option");
    if (result != ResultSuccess)
        return result;
    bool reload = false;
    if (!Unpack(reply, result, reload))
        return fail(QStringLiteral("scanner helper sent an unreadable answer to writing an option"));
    if (reloadOptions)
        *reloadOptions = reload;
    if (IsCapabilitySuccess(result)) {
        m_written.removeIf([&name](const QPair<QString, QVariant>& write) { return write.first == name; });
        m_written.append({name, value});
    }
    return result;
}

int SaneHelperClient::requestFrame()
{
    if (m_frameRequested)
        return ResultSuccess;
    const int result = send(MessageType::StartFrame, {}, m_limits.callMs, "asking for a frame");
    m_frameRequested = result == ResultSuccess;
    return result;
}

int SaneHelperClient::readFrame(RasterFrame* frame, bool* lastFrame)
{
    *lastFrame = true;
    int result = requestFrame();
    if (result != ResultSuccess)
        return result;
    m_frameRequested = false;
    QByteArray reply;
    result = await(MessageType::FrameBegin, m_limits.frameStartMs, &reply, "starting a frame");
    if (result != ResultSuccess)
        return result;
    FrameGeometry geometry;
    if (!Unpack(reply, result) || (result == ResultSuccess && !Unpack(reply, result, geometry)))
        return fail(QStringLiteral("scanner helper announced a frame unreadably"));
    if (result != ResultSuccess)
        return result;
    frame->kind = geometry.kind;
    frame->depth = geometry.depth;
    frame->pixelsPerLine = geometry.pixelsPerLine;
    frame->bytesPerLine = geometry.bytesPerLine;
    frame->lines = geometry.lines;
    frame->data.clear();
    *lastFrame = geometry.lastFrame;

    for (;;) {
        // Progress comes at least every kProgressMs while samples arrive.
        Message message;
        const IoStatus status = m_process->socket().receive(&message, QDeadlineTimer(m_limits.readStallMs));
        qint64 bytes = 0;
        qint32 buffer = 0;
        if (status == IoStatus::TimedOut)
            return fail(QStringLiteral("scanner helper %1 sent no data for %2 ms and was stopped")
                            .arg(m_process->pid())
                            .arg(m_limits.readStallMs));
        if (status != IoStatus::Ok)
            return failed(status, "reading a page", m_limits.readStallMs);
        if (message.type == MessageType::FrameProgress && Unpack(message.payload, bytes))
            continue;
        if (message.type != MessageType::FrameEnd || !Unpack(message.payload, result, bytes, buffer) || bytes < 0 ||
            buffer < 0 || buffer >= kFrameBuffers)
            return failed(IoStatus::Malformed, "reading a page", 0);
        const char* samples = bytes > 0 ? m_process->frameBuffer(buffer).view(bytes) : "";
        if (!samples)
            return fail(QStringLiteral("scanner helper %1 reported more samples than its buffer holds").arg(m_process->pid()));
        // The last frame of a page is converted before the frame after next is asked for, so it
        // can stay where the helper put it; earlier frames of the page are copied out.
        frame->data = *lastFrame ? QByteArray::fromRawData(samples, bytes) : QByteArray(samples, bytes);
        return result;
    }
}

int SaneHelperClient::endScan()
{
    // A frame asked for ahead is read all the same, so the device ends where it stands, and dropped.
    if (m_frameRequested) {
        RasterFrame dropped;
        bool lastFrame = false;
        readFrame(&dropped, &lastFrame);
    }
    QByteArray reply;
    return request(MessageType::EndScan, {}, MessageType::ScanEnded, m_limits.cancelMs, &reply, "ending the scan");
}

}  // namespace scanvo::scanner
