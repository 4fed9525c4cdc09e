// Scan jobs through SANE's net backend, against a saned the test starts on the loopback network:
// the remote device in the dialog's list, a feeder job that stores every page, and a daemon that
// dies or stops answering in the middle of a job.
#include "LoopbackSaned.h"
#include "ScanFixture.h"

#include "acquisition/AcquisitionTexts.h"
#include "control/ScannerFactory.h"
#include "core/CommandKeys.h"
#include "platform/engine/ImageFile.h"
#include "platform/scanner/SaneScannerSource.h"
#include "settings/Settings.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QListWidget>

#include <atomic>
#include <chrono>
#include <cmath>
#include <functional>
#include <thread>

namespace scanvo::fixtures {
namespace {

namespace T = acquisition_texts;

constexpr int kSanedStartMs = 10'000;
// Slack on top of a job's bound for a busy machine: storing the last page, the message.
constexpr qint64 kSlackMs = 8'000;
// The longest a job may take to reach page four.
constexpr int kWatchMs = 60'000;

scanner::HelperLimits NetworkLimits()
{
    scanner::HelperLimits limits;
    limits.startMs = 10'000;
    limits.listMs = 15'000;
    limits.callMs = 10'000;
    limits.frameStartMs = 6'000;
    limits.readStallMs = 3'000;
    limits.cancelMs = 3'000;
    limits.quitMs = 2'000;
    return limits;
}

// Limits for a job that should run through: no test waits for these to run out, so a page's
// start and its reads get the bounds the control ships with, which allow for a machine busy
// enough to keep the daemon from its next page for half a minute and more.
scanner::HelperLimits RoomyLimits()
{
    scanner::HelperLimits limits = NetworkLimits();
    const scanner::HelperLimits shipped;
    limits.frameStartMs = shipped.frameStartMs;
    limits.readStallMs = shipped.readStallMs;
    return limits;
}

class NetworkScanJobTest : public ScanTest {
protected:
    void SetUp() override
    {
        ScanTest::SetUp();
        QString error;
        ASSERT_TRUE(saned.start(kSanedStartMs, &error)) << error.toStdString();
        saned.useFromClient();
        qunsetenv("SCANVO_DEFAULT_SCANNER");
        useSaneSource();
        useLimits(NetworkLimits());
    }
    // The limits of the scanner sources the controls opened from now on make.
    static void useLimits(const scanner::HelperLimits& limits)
    {
        SetScannerSourceFactory([limits] {
            auto source = std::make_unique<scanner::SaneScannerSource>();
            source->setLimits(limits);
            return source;
        });
    }
    // Grey A4 sheets at 300 dpi from the feeder, one page a file, named t001 on: about nine
    // megabytes a page, so a page takes over a thousand reads through the daemon.
    void OpenForFeederJob()
    {
        Open(2);
        auto& scan = g_Settings.Scan;
        scan.ScanSupply = 1;
        scan.ScanDuplex = 0;
        scan.ImageType = 1;
        scan.Resolution = 3;
        scan.PaperSize = 1;
        scan.PaperDirection = 1;
        scan.DocNameRule = QStringLiteral("t###");
    }
    // The job's bound: the longest a device may keep a page from starting or stall in it, and
    // the end of the scan.
    static qint64 JobBoundMs()
    {
        const scanner::HelperLimits limits = NetworkLimits();
        return qMax(limits.frameStartMs, limits.readStallMs) + limits.cancelMs;
    }
    // Runs a feeder job and calls interrupt on a thread of its own once the daemon begins sending
    // page four, whatever the control's thread is doing. The job ends within its bound, the pages
    // that came are stored whole (page four only if it came whole before the interruption) and the
    // message names the device and tells how many pages were kept. *stored: the files stored.
    void InterruptAfterPageThree(const std::function<void()>& interrupt, QStringList* stored)
    {
        int pages = 0;
        QObject::connect(S().scan.m_Scanner.get(), &scanner::ScannerSource::pageAcquired, m_Control.get(),
                         [&pages] { ++pages; });
        QElapsedTimer sinceInterrupt;
        std::atomic<bool> jobOver = false;
        // The daemon's log says when page four begins; should a busy machine keep that line from
        // the log, page three on disk says the same a moment later.
        const QString third = docFile(QStringLiteral("t003.tif"));
        std::thread watcher([&] {
            const QDeadlineTimer deadline(kWatchMs);
            while (!jobOver.load() && !deadline.hasExpired()) {
                if (saned.scansStarted() >= 4 || QFileInfo::exists(third)) {
                    interrupt();
                    sinceInterrupt.start();
                    return;
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
        });
        Click(keys::miScan);
        jobOver = true;
        watcher.join();

        ASSERT_TRUE(sinceInterrupt.isValid());
        EXPECT_LT(sinceInterrupt.elapsed(), JobBoundMs() + kSlackMs);
        ASSERT_GE(pages, 3);
        EXPECT_LE(pages, 4);
        for (int i = 1; i <= pages; ++i)
            stored->append(QStringLiteral("t%1.tif").arg(i, 3, 10, QLatin1Char('0')));
        EXPECT_EQ(DocFiles(), *stored);
        for (const QString& file : *stored)
            EXPECT_NEAR(engine::LoadPage(docFile(file)).height(), std::lround(297 / 25.4 * 300), 3)
                << file.toStdString();
        ASSERT_EQ(prompter.messages.size(), 1);
        const QString text = prompter.messages[0].text;
        EXPECT_TRUE(text.contains(T::kDeviceError)) << text.toStdString();
        EXPECT_TRUE(text.contains(saned.deviceName())) << text.toStdString();
        EXPECT_TRUE(text.contains(T::kPagesKept.arg(pages))) << text.toStdString();
        EXPECT_TRUE(m_Control->isEnabled());
    }

    LoopbackSaned saned;
};

TEST_F(NetworkScanJobTest, TheRemoteDeviceIsListedAndAFeederJobThroughItStoresEveryPage)
{
    useLimits(RoomyLimits());
    OpenForFeederJob();
    g_Settings.Scan.ShowScanSetting = 1;
    QStringList listed;
    prompter.dialogScripts.enqueue(ScanPara([&](frmScanPara& dialog) {
        auto* devices = dialog.findChild<QListWidget*>(QStringLiteral("lstDevices"));
        ASSERT_NE(devices, nullptr);
        for (int i = 0; i < devices->count(); ++i)
            listed.append(devices->item(i)->text());
        const auto found = devices->findItems(saned.deviceName(), Qt::MatchExactly);
        if (!found.isEmpty())
            devices->setCurrentItem(found.first());
    }));
    Click(keys::miScan);

    EXPECT_TRUE(listed.contains(saned.deviceName())) << listed.join(u' ').toStdString();
    ASSERT_TRUE(prompter.messages.isEmpty()) << prompter.messages[0].text.toStdString();
    const QStringList files = DocFiles();
    ASSERT_EQ(files.size(), 10);
    EXPECT_EQ(files.first(), QStringLiteral("t001.tif"));
    EXPECT_EQ(files.last(), QStringLiteral("t010.tif"));
    const engine::Image page = engine::LoadPage(docFile(files.last()));
    EXPECT_EQ(page.depth(), 8);
    EXPECT_NEAR(page.width(), std::lround(210 / 25.4 * 300), 3);
    EXPECT_NEAR(page.height(), std::lround(297 / 25.4 * 300), 3);
    EXPECT_TRUE(m_Control->isEnabled());
}

// The daemon is killed while the feeder delivers page four. A second job meets no daemon: the
// device cannot be set up, which ends a job before it acquires, and does so at once.
TEST_F(NetworkScanJobTest, ADaemonKilledMidJobEndsItWithinItsBoundAndKeepsTheStoredPages)
{
    OpenForFeederJob();
    QStringList stored;
    InterruptAfterPageThree([this] { saned.kill(); }, &stored);

    prompter.messages.clear();
    QElapsedTimer second;
    second.start();
    Click(keys::miScan);
    EXPECT_LT(second.elapsed(), NetworkLimits().callMs + kSlackMs);
    EXPECT_EQ(DocFiles(), stored);
    EXPECT_TRUE(m_Control->isEnabled());
}

// A daemon that stops answering as page four begins, as a host that drops off the network.
TEST_F(NetworkScanJobTest, ADaemonThatStopsAnsweringMidJobEndsItWithinItsBound)
{
    OpenForFeederJob();
    QStringList stored;
    InterruptAfterPageThree([this] { saned.freeze(); }, &stored);
}

}  // namespace
}  // namespace scanvo::fixtures
