#pragma once
// SaneScannerSource: the ScannerSource over libsane. Sources are the SANE device names in the
// library's order; the default is the first, or the one SCANVO_DEFAULT_SCANNER names. Capabilities
// become device options; acquire reads on a worker thread while the calling thread keeps
// processing events, and raises pageAcquired there for every page.

#include "platform/scanner/ScannerSource.h"

#include <memory>

namespace scanvo::scanner {

class CapabilityMapper;
class SaneDevice;
class SaneSession;

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

    int setCapability(int capability, int itemType, double value) override;
    int enableAcquisition() override;
    int acquire(int flags) override;

private:
    int openDevice(const QString& name);
    int ensureDevice();
    int runDeviceDialog();
    int readPages(bool afterDialog);
    void closeConnection();

    std::shared_ptr<SaneSession> m_session;
    QStringList m_devices;
    std::unique_ptr<SaneDevice> m_device;
    std::unique_ptr<CapabilityMapper> m_mapper;
    bool m_enabled = false;
    bool m_acquiring = false;
    bool m_endRequested = false;
};

}  // namespace scanvo::scanner
