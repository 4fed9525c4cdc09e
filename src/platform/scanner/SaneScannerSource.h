#pragma once
// SaneScannerSource: the ScannerSource over SANE. The SANE session runs in a helper process
// (scanvo-sane-helper) that start launches and end stops, so this process never loads a backend;
// a helper that hangs or crashes is killed, the call or job that met it fails with
// ResultDeviceError (or the device's own code), and the next call starts a new one.
// Sources are the SANE device names in the library's order; the default is the first, or the one
// SCANVO_DEFAULT_SCANNER names. Capabilities become device options; acquire reads on a worker
// thread while the calling thread keeps processing events, and raises pageAcquired there for
// every page.

#include "platform/scanner/SaneHelperClient.h"
#include "platform/scanner/ScannerSource.h"

#include <memory>

namespace scanvo::scanner {

class CapabilityMapper;
class SaneScanWorker;

class SaneScannerSource final : public ScannerSource {
    Q_OBJECT
public:
    explicit SaneScannerSource(QObject* parent = nullptr);
    ~SaneScannerSource() override;

    int start(int option, QWidget* owner) override;
    void end() override;

    int sourceCount() override;
    QString sourceName(int index) override;
    QString defaultSource() override;
    int selectSource(const QString& name) override;
    QString currentSource() override;

    int setCapability(int capability, int itemType, double value) override;
    int enableAcquisition() override;
    int acquire(int flags) override;
    void stopAcquisition() override;

    // How long the helper may take for each kind of request; applies from the next request on.
    void setLimits(const HelperLimits& limits);
    // Why the helper last failed or could not be started; empty while it never did.
    QString errorText() const;

private:
    int openDevice(const QString& name);
    int ensureDevice();
    int runDeviceDialog();
    int readPages(bool afterDialog);
    void closeConnection();

    HelperLimits m_limits;
    std::unique_ptr<SaneHelperClient> m_helper;  // from start to end
    QString m_lastError;                         // kept after end
    QStringList m_devices;
    QString m_device;                            // the open device, empty while none is
    std::unique_ptr<CapabilityMapper> m_mapper;
    bool m_enabled = false;
    bool m_acquiring = false;
    bool m_endRequested = false;
    bool m_stopRequested = false;
    SaneScanWorker* m_worker = nullptr;  // while pages are read
};

}  // namespace scanvo::scanner
