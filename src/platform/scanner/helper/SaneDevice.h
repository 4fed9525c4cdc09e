#pragma once
// SaneDevice: one opened SANE device in the helper (the handle is closed with the object), its
// options as DeviceOption values, and the reading of frames.

#include "platform/scanner/DeviceOption.h"
#include "platform/scanner/HelperProtocol.h"

#include <QElapsedTimer>

#include <memory>

namespace scanvo::scanner {

class SaneDevice final : public OptionAccess {
public:
    // Opens the named device; null with *result set when it cannot be opened.
    static std::unique_ptr<SaneDevice> open(const QString& name, int* result);
    ~SaneDevice() override;
    SaneDevice(const SaneDevice&) = delete;
    SaneDevice& operator=(const SaneDevice&) = delete;

    QList<DeviceOption> options() override;
    int setOption(const QString& name, const QVariant& value, bool* reloadOptions = nullptr) override;

    // Starts the next frame and tells its geometry. ResultNoDocuments when the feeder is empty.
    int startFrame(helper::FrameGeometry* geometry);
    // The frame's next samples: *length bytes, or none with *end set at the frame's end.
    int read(char* buffer, int capacity, int* length, bool* end);
    // Ends the scan, if one was started, and returns the device to idle.
    void endScan();
    bool scanning() const { return m_inScan; }

private:
    explicit SaneDevice(void* handle);
    void awaitReaderExit();

    void* m_handle;
    bool m_inScan = false;     // a frame was started since the last end
    bool m_frameOpen = false;  // started and not yet read to its end
    QElapsedTimer m_frameStarted;
    qint64 m_frameLeft = -1;      // bytes the frame still owes, -1 when its height is unknown
    int m_threadsBeforeStart = 0;
    bool m_threadsLinger = false;
};

}  // namespace scanvo::scanner
