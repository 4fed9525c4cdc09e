#pragma once
// SaneDevice: one opened SANE device (the handle is closed with the object), its options as
// DeviceOption values, and the reading of frames. Options are read and written on the thread that
// owns the device; frames are read by the scan worker while nobody else touches the device.

#include "platform/scanner/DeviceOption.h"
#include "platform/scanner/RasterFrame.h"
#include "platform/scanner/SaneSession.h"

#include <atomic>
#include <memory>

namespace scanvo::scanner {

class SaneDevice final : public OptionAccess {
public:
    // Opens the named device; null with *result set when it cannot be opened.
    static std::unique_ptr<SaneDevice> open(std::shared_ptr<SaneSession> session, const QString& name, int* result);
    ~SaneDevice() override;
    SaneDevice(const SaneDevice&) = delete;
    SaneDevice& operator=(const SaneDevice&) = delete;

    const QString& name() const { return m_name; }

    QList<DeviceOption> options() override;
    int setOption(const QString& name, const QVariant& value) override;

    // Starts the next frame and reads it to its end. ResultNoDocuments when the feeder is empty.
    // *lastFrame tells whether the page is complete. Stops with ResultCancelled once cancel is set.
    int readFrame(RasterFrame* frame, bool* lastFrame, const std::atomic<bool>& cancel);
    // Ends the current scan and returns the device to idle.
    void cancel();

private:
    SaneDevice(std::shared_ptr<SaneSession> session, void* handle, QString name);

    std::shared_ptr<SaneSession> m_session;  // outlives the handle
    void* m_handle;
    QString m_name;
};

}  // namespace scanvo::scanner
