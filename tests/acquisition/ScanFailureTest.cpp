// Scan jobs that go wrong: the device fails, a page cannot be stored, a name is in the way. What
// was stored stays stored and listed, the document keeps no gap, and the user hears what happened.
#include "ScanFixture.h"

#include "acquisition/AcquisitionTexts.h"
#include "core/CommandKeys.h"
#include "core/CoreTexts.h"
#include "core/FileListView.h"
#include "core/StatusPanels.h"
#include "platform/engine/ImageFile.h"
#include "settings/Settings.h"
#include "viewer/PageDisplay.h"

#include <QComboBox>
#include <QFile>
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
        EXPECT_EQ(StatusPanel(S(), 1)->text(), core_texts::kIdleStatus);
    }
};

TEST_F(ScanFailureTest, AJamOnPageFourKeepsPagesOneToThreeAndIsReported)
{
    Open(2);
    g_Settings.Scan.DocNameRule = QStringLiteral("j###");
    scanner->queuePages(Pages(101, 3), scanner::ResultPaperProblem);
    Click(keys::miScan);
    EXPECT_EQ(DocFiles(), QStringList({"j001.tif", "j002.tif", "j003.tif"}));
    EXPECT_EQ(S().lvwFileList->count(), 3);
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
    // Runs before the control stores the page: the disk fills up after three pages.
    QObject::connect(scanner, &scanner::ScannerSource::pageAcquired, [&](const engine::Image&) {
        if (++seen == 4)
            full = std::make_unique<FullDisk>();
    });
    Click(keys::miScan);
    full.reset();

    EXPECT_EQ(DocFiles(), QStringList({"f001.tif", "f002.tif", "f003.tif"}));  // no temporary file left
    EXPECT_EQ(FileWidths(DocFiles()), QList<int>({101, 102, 103}));
    EXPECT_EQ(scanner->pagesHeldBack(), 2);
    EXPECT_EQ(S().lvwFileList->count(), 3);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].text.startsWith(QStringLiteral("存储扫描页面失败")));
    EXPECT_TRUE(prompter.messages[0].text.contains(QStringLiteral("3 页")));
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
    EXPECT_EQ(S().m_Files.count(), 3);
    EXPECT_EQ(S().m_CurrentPage, 2);
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
