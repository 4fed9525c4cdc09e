#include "platform/scanner/SaneScannerSource.h"

#include "platform/scanner/CapabilityMapper.h"
#include "platform/scanner/DeviceOptionsDialog.h"
#include "platform/scanner/SaneDevice.h"
#include "platform/scanner/SaneScanWorker.h"
#include "platform/scanner/SaneSession.h"

#include <QEventLoop>
#include <QThread>

namespace scanvo::scanner {

namespace {

constexpr const char* kDefaultScannerVariable = "SCANVO_DEFAULT_SCANNER";
constexpr int kShowDialogBit = 1;

}  // namespace

SaneScannerSource::SaneScannerSource(QObject* parent) : ScannerSource(parent)
{
    qRegisterMetaType<engine::Image>();
}

SaneScannerSource::~SaneScannerSource()
{
    closeConnection();
}

int SaneScannerSource::start(int /*option*/, QWidget* owner)
{
    setOwner(owner);
    m_endRequested = false;
    if (!m_session) {
        int result = ResultSuccess;
        m_session = SaneSession::join(&result);
        if (!m_session)
            return result;
    }
    m_devices = m_session->deviceNames();
    return ResultSuccess;
}

void SaneScannerSource::end()
{
    // The device stays open for a job in progress; the connection closes when it is done.
    if (m_acquiring) {
        m_endRequested = true;
        return;
    }
    closeConnection();
}

void SaneScannerSource::closeConnection()
{
    m_mapper.reset();
    m_device.reset();
    m_devices.clear();
    m_enabled = false;
    m_session.reset();
}

int SaneScannerSource::sourceCount()
{
    return int(m_devices.size());
}

QString SaneScannerSource::sourceName(int index)
{
    return index >= 0 && index < m_devices.size() ? m_devices.at(index) : QString();
}

QString SaneScannerSource::defaultSource()
{
    const QString wanted = qEnvironmentVariable(kDefaultScannerVariable);
    if (!wanted.isEmpty() && m_devices.contains(wanted))
        return wanted;
    return m_devices.value(0);
}

int SaneScannerSource::selectSource(const QString& name)
{
    if (!m_session)
        return ResultNotOpen;
    if (m_acquiring)
        return ResultBusy;
    if (!m_devices.contains(name))
        return ResultNoSource;
    if (m_device && m_device->name() == name)
        return ResultSuccess;
    return openDevice(name);
}

int SaneScannerSource::openDevice(const QString& name)
{
    // Only one device is open at a time; closing the old one first frees it for others.
    m_mapper.reset();
    m_device.reset();
    m_enabled = false;
    int result = ResultSuccess;
    m_device = SaneDevice::open(m_session, name, &result);
    if (m_device)
        m_mapper = std::make_unique<CapabilityMapper>(*m_device);
    return result;
}

int SaneScannerSource::ensureDevice()
{
    if (!m_session)
        return ResultNotOpen;
    if (m_device)
        return ResultSuccess;
    const QString name = defaultSource();
    return name.isEmpty() ? ResultNoSource : openDevice(name);
}

int SaneScannerSource::setCapability(int capability, int itemType, double value)
{
    if (m_acquiring)
        return ResultBusy;
    const int result = ensureDevice();
    return result == ResultSuccess ? m_mapper->set(capability, itemType, value) : result;
}

int SaneScannerSource::enableAcquisition()
{
    if (m_acquiring)
        return ResultBusy;
    const int result = ensureDevice();
    m_enabled = result == ResultSuccess;
    return result;
}

int SaneScannerSource::acquire(int flags)
{
    if (!m_session)
        return ResultNotOpen;
    if (m_acquiring)
        return ResultBusy;
    if (!m_enabled || !m_device)
        return ResultNotEnabled;
    // Each acquisition needs its own enabling, as a source returns to its idle state after a job.
    m_enabled = false;

    m_acquiring = true;
    int result = ResultSuccess;
    const bool showDialog = (flags & kShowDialogBit) != 0;
    if (showDialog)
        result = runDeviceDialog();
    if (result == ResultSuccess)
        result = readPages(showDialog);
    m_acquiring = false;

    if (m_endRequested)
        closeConnection();
    return result;
}

int SaneScannerSource::runDeviceDialog()
{
    DeviceOptionsDialog dialog(m_device->options(), m_device->name(), owner());
    if (runDialog(dialog) != QDialog::Accepted)
        return ResultCancelled;
    // Values are written in the device's order; one may switch a later one off.
    for (const auto& [name, value] : dialog.changedValues()) {
        const QList<DeviceOption> options = m_device->options();
        const DeviceOption* option = FindOption(options, name);
        if (!option || !option->isWritableScalar())
            continue;
        const int written = m_device->setOption(name, value);
        if (!IsCapabilitySuccess(written))
            return written;
    }
    return ResultSuccess;
}

int SaneScannerSource::readPages(bool afterDialog)
{
    const QList<DeviceOption> options = m_device->options();
    ScanJob job;
    job.feeder = FeederSelected(options);
    std::tie(job.xDpi, job.yDpi) = PageResolution(options);
    // The device dialog may have chosen another mode than the one the capabilities asked for.
    job.threshold = !afterDialog && m_mapper->thresholdPages();

    SaneScanWorker worker(*m_device, job);
    QEventLoop loop;
    bool finished = false;
    int result = ResultSuccess;
    connect(
        &worker, &SaneScanWorker::pageRead, this, [this](const engine::Image& page) { emit pageAcquired(page); },
        Qt::QueuedConnection);
    connect(
        &worker, &SaneScanWorker::finished, &loop,
        [&](int code) {
            result = code;
            finished = true;
            loop.quit();
        },
        Qt::QueuedConnection);

    std::unique_ptr<QThread> thread(QThread::create([&worker] { worker.run(); }));
    thread->start();
    if (!finished)
        loop.exec();
    thread->wait();
    return result;
}

}  // namespace scanvo::scanner
