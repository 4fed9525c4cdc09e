// Scan jobs that go wrong: the device fails, a page cannot be stored, a name is in the way. What
// was stored stays stored and listed, the document keeps no gap, and the user hears what happened.
#include "ScanFixture.h"

#include "acquisition/AcquisitionTexts.h"
#include "core/CommandKeys.h"
#include "core/ControlState.h"
#include "core/CoreTexts.h"
#include "core/FileListView.h"
#include "core/StatusPanels.h"
#include "platform/engine/ImageFile.h"
#include "platform/engine/ImageViewer.h"
#include "settings/Settings.h"
#include "viewer/PageDisplay.h"

#include <QComboBox>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QThread>
#include <QLabel>

#include <csignal>
#include <sys/resource.h>

namespace scanvo::fixtures {
namespace {

namespace T = acquisition_texts;

QList<engine::Image> Pages(int first, int count)
{
    QList<engine::Image> pages;
    for (int i = 0; i < count; ++i)
        pages.append(engine::Image::create(first + i, 40, 8));
    return pages;
}

// Waits, within a bound, for a file the store thread is writing to appear under its name.
bool WaitForFile(const QString& path)
{
    QDeadlineTimer deadline(10'000);
    while (!QFileInfo::exists(path)) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(2);
    }
    return true;
}

// Writes larger than a few bytes fail while it lives, as on a full disk.
class FullDisk {
public:
    FullDisk()
    {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = 16;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDisk()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

class ScanFailureTest : public ScanTest {
protected:
    void ExpectControlIdle()
    {
        EXPECT_TRUE(m_Control->isEnabled());
        EXPECT_EQ(StatusPanel(S().widgets, 1)->text(), core_texts::kIdleStatus);
    }
};

TEST_F(ScanFailureTest, AJamOnPageFourKeepsPagesOneToThreeAndIsReported)
{
    Open(2);
    g_Settings.Scan.DocNameRule = QStringLiteral("j###");
    scanner->queuePages(Pages(101, 3), scanner::ResultPaperProblem);
    Click(keys::miScan);
    EXPECT_EQ(DocFiles(), QStringList({"j001.tif", "j002.tif", "j003.tif"}));
    EXPECT_EQ(S().widgets.lvwFileList->count(), 3);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].text.contains(T::kPaperProblem)) << prompter.messages[0].text.toStdString();
    EXPECT_TRUE(prompter.messages[0].text.contains(QStringLiteral("3 页")));
    EXPECT_EQ(prompter.messages[0].title, core_texts::kTitleError);
    ExpectControlIdle();
}

TEST_F(ScanFailureTest, EveryDeviceFailureIsNamed)
{
    const std::pair<int, QString> failures[] = {
        {scanner::ResultDeviceError, T::kDeviceError},   {scanner::ResultNoDocuments, T::kNoDocuments},
        {scanner::ResultDeviceBusy, T::kDeviceBusy},     {scanner::ResultAccessDenied, T::kAccessDenied},
        {scanner::ResultOutOfMemory, T::kOutOfMemory},   {scanner::ResultNotOpen, T::kNoScanner},
        {12345, T::kOtherDeviceFailure},
    };
    Open(2);
    for (const auto& [code, text] : failures) {
        SCOPED_TRACE(code);
        prompter.messages.clear();
        scanner->queuePages({}, code);
        Click(keys::miScan);
        ASSERT_EQ(prompter.messages.size(), 1);
        EXPECT_TRUE(prompter.messages[0].text.contains(text));
        EXPECT_TRUE(prompter.messages[0].text.contains(QString::number(code)));
        EXPECT_TRUE(prompter.messages[0].text.contains(scanner->defaultSource()));
        ExpectControlIdle();
    }
}

TEST_F(ScanFailureTest, AFullDiskMidJobLosesNothingStoredAndStopsTheDevice)
{
    Open(2);
    g_Settings.Scan.DocNameRule = QStringLiteral("f###");
    scanner->queuePages(Pages(101, 6));
    std::unique_ptr<FullDisk> full;
    int seen = 0;
    // Runs before the control takes the page: the disk fills up once three pages are written.
    QObject::connect(scanner, &scanner::ScannerSource::pageAcquired, [&](const engine::Image&) {
        if (++seen == 4 && WaitForFile(docFile("f003.tif")))
            full = std::make_unique<FullDisk>();
    });
    Click(keys::miScan);
    full.reset();

    EXPECT_EQ(DocFiles(), QStringList({"f001.tif", "f002.tif", "f003.tif"}));  // no temporary file left
    EXPECT_EQ(FileWidths(DocFiles()), QList<int>({101, 102, 103}));
    // Page 6 was never taken. Page 5 is taken when it arrives before the store thread reports page
    // 4's failure, and held back when it does not: both depend on the threads' timing, and neither
    // loses a stored page.
    EXPECT_GE(scanner->pagesHeldBack(), 1);
    EXPECT_LE(scanner->pagesHeldBack(), 2);
    EXPECT_EQ(S().widgets.lvwFileList->count(), 3);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].text.startsWith(QStringLiteral("存储扫描页面失败")));
    EXPECT_TRUE(prompter.messages[0].text.contains(QStringLiteral("3 页")));
    ExpectControlIdle();
}

TEST_F(ScanFailureTest, APageThatCannotBeStoredStopsASlowDeviceBeforeItsNextSheet)
{
    Open(2);
    g_Settings.Scan.DocNameRule = QStringLiteral("f###");
    scanner::ScriptedScan scan;
    scan.pages = Pages(101, 5);
    std::unique_ptr<FullDisk> full;
    bool firstShown = false;
    bool stoppedBeforeThird = false;
    // The device takes its time over every sheet; the disk fills up once the first page is in.
    scan.betweenPages = [&](int n) {
        if (n == 1) {
            firstShown = QTest::qWaitFor([&] { return S().widgets.mtMain->image().width() == 101; }, 10'000);
            full = std::make_unique<FullDisk>();
        } else if (n == 2) {
            stoppedBeforeThird = QTest::qWaitFor([&] { return scanner->stopRequested(); }, 10'000);
        }
    };
    scanner->queueScan(scan);
    Click(keys::miScan);
    full.reset();

    EXPECT_TRUE(firstShown);
    EXPECT_TRUE(stoppedBeforeThird);
    EXPECT_EQ(DocFiles(), QStringList({"f001.tif"}));
    EXPECT_EQ(FileWidths(DocFiles()), QList<int>({101}));
    EXPECT_EQ(scanner->pagesHeldBack(), 3);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].text.startsWith(QStringLiteral("存储扫描页面失败")));
    EXPECT_TRUE(prompter.messages[0].text.contains(QStringLiteral("1 页")));
    ExpectControlIdle();
}

// Fills the disk when page n arrives, once the page before it is written: page n fails on the
// store thread while page n + 1 is already on its way.
class ScanFailureInFlightTest : public ScanFailureTest {
protected:
    void FillDiskAtPage(int n, const QString& fileBefore)
    {
        QObject::connect(scanner, &scanner::ScannerSource::pageAcquired, [this, n, fileBefore](const engine::Image&) {
            if (++m_seen == n && WaitForFile(fileBefore))
                m_full = std::make_unique<FullDisk>();
        });
    }
    void TearDown() override
    {
        m_full.reset();
        ScanFailureTest::TearDown();
    }
    void Click(const char* key)
    {
        ScanFailureTest::Click(key);
        m_full.reset();
    }

    int m_seen = 0;
    std::unique_ptr<FullDisk> m_full;
};

TEST_F(ScanFailureInFlightTest, APageThatFailsWhileTheNextArrivesKeepsTheEarlierOnesAndNoGap)
{
    // Inserting before file 2 of 3: the second page scanned shifts the files again, then fails.
    for (int i = 1; i <= 3; ++i)
        WriteFile(docFile(QStringLiteral("r%1.tif").arg(i)), {200 + i});
    Open(2);
    GoToPage(2);
    scanner->queuePages(Pages(301, 5));
    // r2.tif moved up for the first page; it is there again once that page is written.
    FillDiskAtPage(2, docFile("r2.tif"));
    Click(keys::miInsert);

    // The first page stored before file 2, the failed one's shift moved back, nothing half written.
    EXPECT_EQ(DocFiles(), QStringList({"r1.tif", "r2.tif", "r3.tif", "r4.tif"}));
    EXPECT_EQ(FileWidths(DocFiles()), QList<int>({201, 301, 202, 203}));
    EXPECT_EQ(S().doc.m_Files.count(), 4);
    EXPECT_EQ(S().widgets.lvwFileList->count(), 4);
    EXPECT_EQ(S().doc.m_CurrentPage, 3);
    EXPECT_EQ(S().widgets.mtMain->image().width(), 202);
    // Page 3 had arrived when the failure was known; pages 4 and 5 were never taken.
    EXPECT_EQ(scanner->pagesHeldBack(), 2);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].text.startsWith(QStringLiteral("存储扫描页面失败")));
    EXPECT_TRUE(prompter.messages[0].text.contains(QStringLiteral("1 页")));
    ExpectControlIdle();
}

TEST_F(ScanFailureInFlightTest, AMultiPageFileKeepsItsPagesWhenAnAppendFailsInFlight)
{
    WriteFile(docFile("doc.tif"), {401, 402});
    Open(1);
    GoToPage(2);
    scanner->queuePages(Pages(501, 4));
    // The file holds page 501 as its third page once the first append is written.
    QObject::connect(scanner, &scanner::ScannerSource::pageAcquired, [this](const engine::Image&) {
        if (++m_seen != 2)
            return;
        QDeadlineTimer deadline(10'000);
        while (PageWidths(docFile("doc.tif")).size() < 3 && !deadline.hasExpired())
            QThread::msleep(2);
        m_full = std::make_unique<FullDisk>();
    });
    Click(keys::miAppend);

    EXPECT_EQ(DocFiles(), QStringList({"doc.tif"}));
    EXPECT_EQ(PageWidths(docFile("doc.tif")), QList<int>({401, 402, 501}));
    EXPECT_EQ(S().doc.m_PageCount, 3);
    EXPECT_EQ(S().doc.m_CurrentPage, 3);
    EXPECT_EQ(S().widgets.lvwFileList->count(), 3);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].text.contains(QStringLiteral("1 页")));
    ExpectControlIdle();
}

TEST_F(ScanFailureInFlightTest, TheLastPageFailingAfterTheDeviceEndedIsSettledBeforeTheControlIsEnabled)
{
    Open(2);
    g_Settings.Scan.DocNameRule = QStringLiteral("e###");
    scanner->queuePages(Pages(101, 3));
    FillDiskAtPage(3, docFile("e002.tif"));
    // The control is still disabled while the job waits for its last page.
    bool enabledAtEnd = true;
    QObject::connect(S().widgets.mtMain, &engine::ImageViewer::imageChanged, [this, &enabledAtEnd] {
        enabledAtEnd = m_Control->isEnabled();
    });
    Click(keys::miScan);

    EXPECT_EQ(DocFiles(), QStringList({"e001.tif", "e002.tif"}));
    EXPECT_EQ(FileWidths(DocFiles()), QList<int>({101, 102}));
    EXPECT_EQ(S().doc.m_Files.count(), 2);
    EXPECT_EQ(S().widgets.lvwFileList->count(), 2);
    EXPECT_EQ(scanner->pagesHeldBack(), 0);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].text.startsWith(QStringLiteral("存储扫描页面失败")));
    EXPECT_TRUE(prompter.messages[0].text.contains(QStringLiteral("2 页")));
    EXPECT_FALSE(enabledAtEnd);
    ExpectControlIdle();
}

TEST_F(ScanFailureInFlightTest, TheLastPageIsStoredWhenTheDeviceEndsWithACancelOrAJam)
{
    Open(2);
    g_Settings.Scan.DocNameRule = QStringLiteral("c###");
    scanner->queuePages(Pages(101, 2), scanner::ResultCancelled);
    scanner->queuePages(Pages(201, 2), scanner::ResultPaperProblem);
    Click(keys::miScan);
    EXPECT_EQ(FileWidths(DocFiles()), QList<int>({101, 102}));
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_EQ(prompter.messages[0].text, T::kScanCancelled);
    ExpectControlIdle();

    prompter.messages.clear();
    Click(keys::miScan);
    EXPECT_EQ(FileWidths(DocFiles()), QList<int>({101, 102, 201, 202}));
    EXPECT_EQ(S().widgets.mtMain->image().width(), 202);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].text.contains(T::kPaperProblem));
    EXPECT_TRUE(prompter.messages[0].text.contains(QStringLiteral("2 页")));
    ExpectControlIdle();
}

TEST_F(ScanFailureTest, AFailedSaveAfterTheShiftMovesTheFilesBack)
{
    for (int i = 1; i <= 3; ++i)
        WriteFile(docFile(QStringLiteral("r%1.tif").arg(i)), {200 + i});
    Open(2);
    GoToPage(2);
    // A directory no one may write to refuses every save, even to a privileged process.
    ASSERT_TRUE(QFile::setPermissions(docDir(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                                    QFile::ExeOther));
    scanner->queuePages(Pages(301, 2));
    Click(keys::miInsert);
    QFile::setPermissions(docDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    EXPECT_EQ(DocFiles(), QStringList({"r1.tif", "r2.tif", "r3.tif"}));
    EXPECT_EQ(FileWidths(DocFiles()), QList<int>({201, 202, 203}));
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].text.contains(QStringLiteral("0 页")));
    EXPECT_EQ(S().doc.m_Files.count(), 3);
    EXPECT_EQ(S().doc.m_CurrentPage, 2);
    ExpectControlIdle();
}

TEST_F(ScanFailureTest, ANewMultiPageFileThatCannotBeWrittenLeavesThePositionAsItWas)
{
    WriteFile(docFile("m1.tif"), {101});
    WriteFile(docFile("m2.tif"), {102, 103});
    Open(0);
    GoToFileNumber(2);
    const QString current = g_CurrentFilePath;
    const qint16 pageCount = S().doc.m_PageCount;
    const qint16 currentPage = S().doc.m_CurrentPage;
    prompter.dialogScripts.enqueue(ScanPara([](frmScanPara& dialog) { dialog.cboDocType->setCurrentIndex(0); }));
    ASSERT_TRUE(QFile::setPermissions(docDir(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                                    QFile::ExeOther));
    scanner->queuePages(Pages(301, 2));
    Click(keys::miScan);
    QFile::setPermissions(docDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    // The file the job would have begun is not the current one: nothing of it exists.
    EXPECT_EQ(DocFiles(), QStringList({"m1.tif", "m2.tif"}));
    EXPECT_EQ(g_CurrentFilePath, current);
    EXPECT_EQ(S().doc.m_Files.count(), 2);
    EXPECT_EQ(S().doc.m_CurrentFile, 2);
    EXPECT_EQ(S().doc.m_PageCount, pageCount);
    EXPECT_EQ(S().doc.m_CurrentPage, currentPage);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].text.contains(QStringLiteral("0 页")));
    ExpectControlIdle();
}

TEST_F(ScanFailureTest, ANameInTheWayOfTheShiftStopsTheJobNamingIt)
{
    // Moving y2.jpg up one place in a mixed document keeps its extension: y3.jpg, which is taken.
    WriteFile(docFile("y1.tif"), {101});
    WriteFile(docFile("y2.jpg"), {102});
    WriteFile(docFile("y3.jpg"), {103});
    WriteFile(docFile("y3.tif"), {104});
    Open(0);
    GoToFileNumber(1);
    prompter.dialogScripts.enqueue(ScanPara([](frmScanPara& dialog) { dialog.cboDocType->setCurrentIndex(1); }));
    scanner->queuePages(Pages(301, 2));
    Click(keys::miScan);

    EXPECT_EQ(DocFiles(), QStringList({"y1.tif", "y2.jpg", "y3.jpg", "y3.tif"}));
    EXPECT_EQ(FileWidths(DocFiles()), QList<int>({101, 102, 103, 104}));
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].text.contains(QStringLiteral("y3."))) << prompter.messages[0].text.toStdString();
    ExpectControlIdle();
}

}  // namespace
}  // namespace scanvo::fixtures
