#pragma once
// SaneHelperClient: the SANE source's side of its helper process: the device list, the open
// device's options, and the reading of frames, every request bounded by its limit. A helper that
// misses a limit, dies, or sends what it should not is killed by its process id; the request
// fails with ResultDeviceError and errorText says why. The next request made from the source's
// own thread starts a new helper and opens the device again with the option values written so far.

#include "platform/scanner/DeviceOption.h"
#include "platform/scanner/RasterFrame.h"

#include <QPair>
#include <QString>
#include <QStringList>

#include <memory>

namespace scanvo::scanner {

class HelperProcess;
namespace helper {
enum class MessageType : quint32;
enum class IoStatus;
}

// Milliseconds each kind of request may take. Generous for slow real devices; tests shorten them.
struct HelperLimits {
    int startMs = 10'000;        // the helper program starting and greeting
    int listMs = 60'000;         // library start-up and the device list: network discovery is slow
    int callMs = 30'000;         // opening the device, reading and writing its options
    int frameStartMs = 120'000;  // the start of a frame: lamp warm-up, paper feeding
    int readStallMs = 60'000;    // the longest pause within a frame's samples
    int cancelMs = 10'000;       // ending a scan
    int quitMs = 5'000;          // closing the device and leaving, when the source ends
};

class SaneHelperClient final : public OptionAccess {
public:
    explicit SaneHelperClient(const HelperLimits& limits);
    ~SaneHelperClient() override;  // the helper leaves, or is killed after quitMs
    SaneHelperClient(const SaneHelperClient&) = delete;
    SaneHelperClient& operator=(const SaneHelperClient&) = delete;

    void setLimits(const HelperLimits& limits) { m_limits = limits; }

    // Starts a helper if none runs, and lists the devices in the library's order.
    int listDevices(QStringList* names);
    // Opens the named device in place of the open one.
    int open(const QString& name);
    // A helper that was stopped is started again, with the device open as it was and the option
    // values written since it was opened. Call from the thread that keeps the source: the helper
    // dies with the thread that started it.
    int ensureRunning();

    QList<DeviceOption> options() override;
    int setOption(const QString& name, const QVariant& value, bool* reloadOptions = nullptr) override;

    // Asks for the next frame without waiting for it, so the device reads it while the caller
    // converts the page it has; readFrame then reads that one.
    int requestFrame();
    // Starts the next frame, unless requested already, and reads it to its end.
    // ResultNoDocuments when the feeder is empty; *lastFrame tells whether the page is complete.
    // Needs a running helper. The samples of a page's last frame are the helper's frame buffer
    // itself: use them before readFrame is called twice more.
    int readFrame(RasterFrame* frame, bool* lastFrame);
    // Ends the scan and returns the device to idle.
    int endScan();

    // Why the helper was last stopped or could not be started.
    const QString& errorText() const { return m_errorText; }

private:
    int launch();
    // Kills the helper; ResultDeviceError.
    int fail(const QString& why);
    // ResultSuccess for IoStatus::Ok; otherwise the helper is killed, saying why.
    int failed(helper::IoStatus status, const char* what, int ms);
    int send(helper::MessageType type, const QByteArray& payload, int ms, const char* what);
    int await(helper::MessageType answer, int ms, QByteArray* reply, const char* what);
    int request(helper::MessageType type, const QByteArray& payload, helper::MessageType answer, int ms,
                QByteArray* reply, const char* what);

    HelperLimits m_limits;
    std::unique_ptr<HelperProcess> m_process;
    QString m_deviceName;       // the device wanted open
    bool m_deviceOpen = false;  // open in the running helper
    QList<QPair<QString, QVariant>> m_written;  // option writes since the device opened, last write of each
    QString m_errorText;
    bool m_frameRequested = false;
};

}  // namespace scanvo::scanner
