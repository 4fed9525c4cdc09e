#include "platform/scanner/SaneScannerSource.h"

#include "platform/scanner/CapabilityMapper.h"
#include "platform/scanner/DeviceOptionsDialog.h"
#include "platform/scanner/SaneScanWorker.h"

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
    if (!m_helper)
        m_helper = std::make_unique<SaneHelperClient>(m_limits);
    const int result = m_helper->listDevices(&m_devices);
    if (result != ResultSuccess)
        closeConnection();
    return result;
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
    m_device.clear();
    m_devices.clear();
    m_enabled = false;
    if (m_helper && !m_helper->errorText().isEmpty())
        m_lastError = m_helper->errorText();
    m_helper.reset();
}

void SaneScannerSource::setLimits(const HelperLimits& limits)
{
    m_limits = limits;
    if (m_helper)
        m_helper->setLimits(limits);
}

QString SaneScannerSource::errorText() const
{
    return m_helper && !m_helper->errorText().isEmpty() ? m_helper->errorText() : m_lastError;
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

QString SaneScannerSource::currentSource()
{
    return m_device.isEmpty() ? defaultSource() : m_device;
}

int SaneScannerSource::selectSource(const QString& name)
{
    if (!m_helper)
        return ResultNotOpen;
    if (m_acquiring)
        return ResultBusy;
    if (!m_devices.contains(name))
        return ResultNoSource;
    if (m_device == name)
        return ResultSuccess;
    return openDevice(name);
}

int SaneScannerSource::openDevice(const QString& name)
{
    m_mapper.reset();
    m_device.clear();
    m_enabled = false;
    const int result = m_helper->open(name);
    if (result == ResultSuccess) {
        m_device = name;
        m_mapper = std::make_unique<CapabilityMapper>(*m_helper);
    }
    return result;
}

int SaneScannerSource::ensureDevice()
{
    if (!m_helper)
        return ResultNotOpen;
    if (!m_device.isEmpty())
        return m_helper->ensureRunning();
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
    if (!m_helper)
        return ResultNotOpen;
    if (m_acquiring)
        return ResultBusy;
    if (!m_enabled || m_device.isEmpty())
        return ResultNotEnabled;
    // Each acquisition needs its own enabling, as a source returns to its idle state after a job.
    m_enabled = false;

    m_acquiring = true;
    m_stopRequested = false;
    // The device dialog and the job may change options; the next job's capabilities read them anew.
    m_mapper->forgetOptions();
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
    // A device has options; none means the helper failed to tell them.
    const QList<DeviceOption> shown = m_helper->options();
    if (shown.isEmpty())
        return ResultDeviceError;
    DeviceOptionsDialog dialog(shown, m_device, owner());
    if (runDialog(dialog) != QDialog::Accepted)
        return ResultCancelled;
    // Values are written in the device's order; one may switch a later one off.
    for (const auto& [name, value] : dialog.changedValues()) {
        const QList<DeviceOption> options = m_helper->options();
        const DeviceOption* option = FindOption(options, name);
        if (!option || !option->isWritableScalar())
            continue;
        const int written = m_helper->setOption(name, value);
        if (!IsCapabilitySuccess(written))
            return written;
    }
    return ResultSuccess;
}

int SaneScannerSource::readPages(bool afterDialog)
{
    // Starts a helper that was stopped since enableAcquisition, here on the source's own thread.
    const QList<DeviceOption> options = m_helper->options();
    if (options.isEmpty())
        return ResultDeviceError;
    ScanJob job;
    job.feeder = FeederSelected(options);
    std::tie(job.xDpi, job.yDpi) = PageResolution(options);
    // The device dialog may have chosen another mode than the one the capabilities asked for.
    job.threshold = !afterDialog && m_mapper->thresholdPages();

    SaneScanWorker worker(*m_helper, job);
    QEventLoop loop;
    bool finished = false;
    int result = ResultSuccess;
    connect(
        &worker, &SaneScanWorker::pageReady, this,
        [this, &worker] {
            for (engine::Image& page : worker.takePages())
                if (!m_stopRequested)
                    raisePageAcquired(page);
        },
        Qt::QueuedConnection);
    connect(
        &worker, &SaneScanWorker::finished, &loop,
        [&](int code) {
            result = code;
            finished = true;
            loop.quit();
        },
        Qt::QueuedConnection);

    m_worker = &worker;
    std::unique_ptr<QThread> thread(QThread::create([&worker] { worker.run(); }));
    thread->start();
    if (!finished)
        loop.exec();
    thread->wait();
    m_worker = nullptr;
    // Pages are announced before the job's end; none may be left behind whatever a page handler
    // did, unless it asked for no more.
    for (engine::Image& page : worker.takePages())
        if (!m_stopRequested)
            raisePageAcquired(page);
    return result;
}

void SaneScannerSource::stopAcquisition()
{
    if (!m_acquiring)
        return;
    m_stopRequested = true;
    if (m_worker)
        m_worker->stop();
}

}  // namespace scanvo::scanner
