// Scan jobs driven from tbMain against the scripted scanner source: where the pages go in every
// document type and mode, the names they get, the capabilities sent, and what the user sees.
#include "ScanFixture.h"

#include "acquisition/AcquisitionTexts.h"
#include "acquisition/ScanJob.h"
#include "core/CommandKeys.h"
#include "core/CoreTexts.h"
#include "core/FileListView.h"
#include "core/StatusPanels.h"
#include "platform/engine/ImageFile.h"
#include "platform/engine/ImageViewer.h"
#include "settings/Settings.h"
#include "viewer/PageDisplay.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <cmath>
#include <tuple>
#include <QLabel>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace scanvo::fixtures {
namespace {

namespace T = acquisition_texts;
using scanner::CapabilityCall;

QList<engine::Image> Pages(std::initializer_list<int> widths, int depth = 8)
{
    QList<engine::Image> pages;
    for (int width : widths)
        pages.append(engine::Image::create(width, 40, depth));
    return pages;
}

class ScanJobTest : public ScanTest {
protected:
    void ExpectStoppedAtSheetThree(const std::function<void()>& stop);
};

TEST_F(ScanJobTest, FirstPagesOfAnEmptySinglePageDocumentTakeTheRuleThenTheContinuation)
{
    Open(2);
    g_Settings.Scan.DocNameRule = QStringLiteral("scan####");
    g_Settings.Scan.FileInitValue = 7;
    scanner->queuePages(Pages({101, 102, 103}));
    // What the user sees while the job runs, read as each next page arrives.
    QStringList statusTexts;
    QList<bool> enabled;
    QObject::connect(scanner, &scanner::ScannerSource::pageAcquired, [&](const engine::Image&) {
        statusTexts.append(StatusPanel(S().widgets, 1)->text());
        enabled.append(m_Control->isEnabled());
    });

    Click(keys::miScan);

    EXPECT_EQ(DocFiles(), QStringList({"scan0007.tif", "scan0008.tif", "scan0009.tif"}));
    EXPECT_EQ(FileWidths(DocFiles()), QList<int>({101, 102, 103}));
    EXPECT_EQ(statusTexts, QStringList({T::kScanning, "扫描文档... 第 1 页", "扫描文档... 第 2 页"}));
    EXPECT_EQ(enabled, QList<bool>({false, false, false}));
    EXPECT_TRUE(m_Control->isEnabled());
    EXPECT_EQ(StatusPanel(S().widgets, 1)->text(), core_texts::kIdleStatus);
    EXPECT_EQ(S().doc.m_PageCount, 3);
    EXPECT_EQ(S().doc.m_CurrentPage, 3);
    EXPECT_EQ(S().widgets.lvwFileList->count(), 3);
    EXPECT_EQ(S().widgets.mtMain->image().width(), 103);
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_EQ(scanner->acquireFlags(), QList<int>({scanner::AcquireNoUi}));
}

TEST_F(ScanJobTest, InsertingTwoPagesBeforeFileThreeOfFiveShiftsTheRestAndKeepsTheOldFileCurrent)
{
    for (int i = 1; i <= 5; ++i)
        WriteFile(docFile(QStringLiteral("p%1.tif").arg(i, 4, 10, QChar(u'0'))), {200 + i});
    Open(2);
    GoToPage(3);
    scanner->queuePages(Pages({301, 302}));

    Click(keys::miInsert);

    EXPECT_EQ(DocFiles(), QStringList({"p0001.tif", "p0002.tif", "p0003.tif", "p0004.tif", "p0005.tif",
                                       "p0006.tif", "p0007.tif"}));
    EXPECT_EQ(FileWidths(DocFiles()), QList<int>({201, 202, 301, 302, 203, 204, 205}));
    EXPECT_EQ(S().doc.m_CurrentPage, 5);
    EXPECT_EQ(S().widgets.mtMain->image().width(), 203);
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(ScanJobTest, AppendingIntoAMultiPageDocumentAtPageTwoOfFourKeepsScanOrder)
{
    WriteFile(docFile("doc.tif"), {401, 402, 403, 404});
    Open(1);
    GoToPage(2);
    scanner->queuePages(Pages({501, 502, 503}));

    Click(keys::miAppend);

    EXPECT_EQ(DocFiles(), QStringList({"doc.tif"}));
    EXPECT_EQ(PageWidths(docFile("doc.tif")), QList<int>({401, 402, 501, 502, 503, 403, 404}));
    EXPECT_EQ(S().doc.m_PageCount, 7);
    EXPECT_EQ(S().doc.m_CurrentPage, 5);
    EXPECT_EQ(S().widgets.lvwFileList->count(), 7);
}

// Grey pages of a few megapixels: each takes a while to encode and write, while the next one
// arrives at once.
QList<engine::Image> SlowPages(std::initializer_list<int> widths)
{
    QList<engine::Image> pages;
    for (int width : widths) {
        engine::Image page = engine::Image::create(width, 2800, 8);
        pages.append(page);
    }
    return pages;
}

TEST_F(ScanJobTest, ASlowDevicesPageIsStoredCountedAndShownBeforeTheNextSheetArrives)
{
    Open(2);
    g_Settings.Scan.DocNameRule = QStringLiteral("p###");
    g_Settings.Scan.FileInitValue = 1;
    scanner::ScriptedScan scan;
    scan.pages = SlowPages({2001, 2002, 2003});
    QList<bool> shown;
    QList<bool> stored;
    scan.betweenPages = [&](int n) {
        shown.append(QTest::qWaitFor([&] { return S().widgets.mtMain->image().width() == 2000 + n; }, 10'000));
        stored.append(QFileInfo::exists(docFile(QStringLiteral("p%1.tif").arg(n, 3, 10, QLatin1Char('0')))));
    };
    scanner->queueScan(scan);
    Click(keys::miScan);

    EXPECT_EQ(shown, QList<bool>({true, true}));
    EXPECT_EQ(stored, QList<bool>({true, true}));
    EXPECT_EQ(FileWidths(DocFiles()), QList<int>({2001, 2002, 2003}));
    EXPECT_EQ(S().widgets.mtMain->image().width(), 2003);
    EXPECT_TRUE(m_Control->isEnabled());
}

TEST_F(ScanJobTest, PagesThatTakeLongToStoreGoInScanOrderWithTheirShifts)
{
    for (int i = 1; i <= 3; ++i)
        WriteFile(docFile(QStringLiteral("s%1.tif").arg(i)), {100 + i});
    Open(2);
    GoToPage(2);
    scanner->queuePages(SlowPages({2001, 2002, 2003, 2004}));
    Click(keys::miInsert);
    EXPECT_EQ(DocFiles(), QStringList({"s1.tif", "s2.tif", "s3.tif", "s4.tif", "s5.tif", "s6.tif", "s7.tif"}));
    EXPECT_EQ(FileWidths(DocFiles()), QList<int>({101, 2001, 2002, 2003, 2004, 102, 103}));
    EXPECT_EQ(S().doc.m_CurrentPage, 6);
    EXPECT_EQ(S().widgets.mtMain->image().width(), 102);
    EXPECT_TRUE(m_Control->isEnabled());
}

TEST_F(ScanJobTest, PagesThatTakeLongToStoreGoIntoAMultiPageFileInScanOrder)
{
    WriteFile(docFile("doc.tif"), {401, 402, 403});
    Open(1);
    GoToPage(2);
    scanner->queuePages(SlowPages({2101, 2102, 2103, 2104}));
    Click(keys::miAppend);
    EXPECT_EQ(DocFiles(), QStringList({"doc.tif"}));
    EXPECT_EQ(PageWidths(docFile("doc.tif")), QList<int>({401, 402, 2101, 2102, 2103, 2104, 403}));
    EXPECT_EQ(S().doc.m_PageCount, 7);
    EXPECT_EQ(S().doc.m_CurrentPage, 6);
    EXPECT_EQ(S().widgets.mtMain->image().width(), 2104);
    EXPECT_TRUE(m_Control->isEnabled());
}

TEST_F(ScanJobTest, InsertingIntoAMultiPageDocumentGoesBeforeTheCurrentPageInScanOrder)
{
    WriteFile(docFile("doc.tif"), {401, 402, 403});
    Open(1);
    GoToPage(2);
    scanner->queuePages(Pages({501, 502}));
    Click(keys::miInsert);
    EXPECT_EQ(PageWidths(docFile("doc.tif")), QList<int>({401, 501, 502, 402, 403}));
    EXPECT_EQ(S().doc.m_CurrentPage, 4);
}

TEST_F(ScanJobTest, ReplaceRewritesTheCurrentPageOrFileAndTheLastPageScannedStays)
{
    WriteFile(docFile("doc.tif"), {401, 402, 403});
    Open(1);
    GoToPage(2);
    scanner->queuePages(Pages({601, 602}));
    Click(keys::miReplace);
    EXPECT_EQ(PageWidths(docFile("doc.tif")), QList<int>({401, 602, 403}));
    // The page on view is the stored one, so a later edit is written back in its stored format.
    EXPECT_EQ(S().widgets.mtMain->image().width(), 602);
    EXPECT_NE(S().widgets.mtMain->image().loadFormat(), engine::FormatNone);
}

TEST_F(ScanJobTest, ReplaceInASinglePageJpegDocumentRewritesTheFileAsJpeg)
{
    WriteFile(docFile("j0001.jpg"), {111});
    WriteFile(docFile("j0002.jpg"), {112});
    Open(3);
    GoToPage(2);
    scanner->queuePages(Pages({700}));
    Click(keys::miReplace);
    EXPECT_EQ(DocFiles(), QStringList({"j0001.jpg", "j0002.jpg"}));
    const engine::Image stored = engine::LoadPage(docFile("j0002.jpg"));
    EXPECT_EQ(stored.width(), 700);
    EXPECT_TRUE(engine::IsJpegFileFormat(stored.loadFormat()));
}

TEST_F(ScanJobTest, InsertOrReplaceInAnEmptyDocumentAppends)
{
    Open(2);
    g_Settings.Scan.DocNameRule = QStringLiteral("e##");
    scanner->queuePages(Pages({101, 102}));
    // The button waits for a page; the command itself is safe without one.
    EXPECT_FALSE(ActionEnabled(keys::miInsert));
    InsertScan(S());
    EXPECT_EQ(DocFiles(), QStringList({"e01.tif", "e02.tif"}));
    EXPECT_EQ(FileWidths(DocFiles()), QList<int>({101, 102}));
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(ScanJobTest, ReplaceInAnEmptyDocumentAppends)
{
    Open(1);
    scanner->queuePages(Pages({101, 102}));
    ReplaceScan(S());
    EXPECT_EQ(PageWidths(docFile("doc.tif")), QList<int>({101, 102}));
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(ScanJobTest, ANamedMultiPageFileOfAMixedDocumentTakesPagesAfterItsLastPage)
{
    WriteFile(docFile("a0001.tif"), {101});
    WriteFile(docFile("b.tif"), {201, 202});
    WriteFile(docFile("c0001.jpg"), {301});
    Open(0);
    ASSERT_EQ(S().props.m_DocType, 0);
    GoToFileNumber(1);
    scanner->queuePages(Pages({501, 502}));
    // Scan.ShowScanSetting is 0, but a mixed document asks where the pages go.
    prompter.dialogScripts.enqueue(ScanPara([](frmScanPara& dialog) {
        EXPECT_TRUE(dialog.cboDocType->isEnabled());
        dialog.cboDocType->setCurrentIndex(0);
        emit dialog.cboDocType->activated(0);
        EXPECT_TRUE(dialog.txtDocName->isEnabled());
        dialog.txtDocName->setText(QStringLiteral("b"));
    }));

    Click(keys::miScan);

    EXPECT_EQ(prompter.dialogsShown, QStringList({"scanvo::frmScanPara"}));
    EXPECT_EQ(DocFiles(), QStringList({"a0001.tif", "b.tif", "c0001.jpg"}));
    EXPECT_EQ(PageWidths(docFile("b.tif")), QList<int>({201, 202, 501, 502}));
    EXPECT_EQ(S().doc.m_CurrentFile, 2);
    EXPECT_EQ(scanner->selectedSource(), QStringLiteral("Scripted Scanner"));
}

TEST_F(ScanJobTest, ASecondJobContinuesTheMultiPageFileTheFirstOneBegan)
{
    WriteFile(docFile("m0001.jpg"), {101});
    Open(0);
    auto multiPage = [](frmScanPara& dialog) { dialog.cboDocType->setCurrentIndex(0); };
    prompter.dialogScripts.enqueue(ScanPara(multiPage));
    scanner->queuePages(Pages({201, 202}));
    Click(keys::miScan);
    ASSERT_EQ(DocFiles(), QStringList({"m0001.jpg", "m0002.tif"}));
    EXPECT_EQ(PageWidths(docFile("m0002.tif")), QList<int>({201, 202}));
    EXPECT_EQ(S().doc.m_CurrentFile, 2);

    prompter.dialogScripts.enqueue(ScanPara(multiPage));
    scanner->queuePages(Pages({203, 204}));
    Click(keys::miScan);
    EXPECT_EQ(DocFiles(), QStringList({"m0001.jpg", "m0002.tif"}));
    // The job continues behind the page on view (the file's first after the list was rebuilt).
    EXPECT_EQ(PageWidths(docFile("m0002.tif")), QList<int>({201, 203, 204, 202}));
}

TEST_F(ScanJobTest, ShiftedFilesOfAMixedDocumentKeepTheirOwnExtensions)
{
    WriteFile(docFile("x0001.tif"), {101});
    WriteFile(docFile("x0002.jpg"), {102});
    WriteFile(docFile("x0003.tif"), {103});
    Open(0);
    GoToFileNumber(1);
    prompter.dialogScripts.enqueue(ScanPara([](frmScanPara& dialog) { dialog.cboDocType->setCurrentIndex(1); }));
    scanner->queuePages(Pages({201}));
    Click(keys::miScan);
    EXPECT_EQ(DocFiles(), QStringList({"x0001.tif", "x0002.tif", "x0003.jpg", "x0004.tif"}));
    EXPECT_EQ(FileWidths(DocFiles()), QList<int>({101, 201, 102, 103}));
    EXPECT_TRUE(engine::IsJpegFileFormat(engine::LoadPage(docFile("x0003.jpg")).loadFormat()));
}

TEST_F(ScanJobTest, ADocumentWithoutFilesTakesItsTypeFromScanCurrDocType)
{
    Open(-1);
    ASSERT_EQ(S().props.m_DocType, -1);
    g_Settings.Scan.CurrDocType = 0;
    scanner->queuePages(Pages({101, 102}));
    Click(keys::miScan);
    EXPECT_EQ(DocFiles(), QStringList({"doc.tif"}));
    EXPECT_EQ(PageWidths(docFile("doc.tif")), QList<int>({101, 102}));
    EXPECT_EQ(S().props.m_DocType, 1);
}

TEST_F(ScanJobTest, ADocumentWithoutFilesKeepsNoTypeWhenNothingWasScanned)
{
    Open(-1);
    g_Settings.Scan.CurrDocType = 2;
    scanner->queuePages({}, scanner::ResultCancelled);
    Click(keys::miScan);
    EXPECT_EQ(S().props.m_DocType, -1);
    EXPECT_TRUE(DocFiles().isEmpty());
}

TEST_F(ScanJobTest, CapabilitiesGoInOrderWithTheSheetTheUserChose)
{
    Open(2);
    auto& scan = g_Settings.Scan;
    scan.ScanSupply = 1;
    scan.ScanDuplex = 0;
    scan.ImageType = 1;
    scan.Resolution = 3;
    scan.PaperSize = 0;       // B5
    scan.PaperDirection = 0;  // 横向: landscape
    scanner->queuePages(Pages({101}));
    Click(keys::miScan);
    using namespace scanner;
    const QList<CapabilityCall> calls = scanner->capabilityCalls();
    ASSERT_EQ(calls.size(), 7);
    const QList<std::tuple<int, int, double>> expected = {
        {CapFeederEnabled, ItemBool, 1},   {CapDuplexEnabled, ItemBool, 0},     {CapPixelType, ItemUInt16, 1},
        {CapXResolution, ItemFix32, 300},  {CapYResolution, ItemFix32, 300},    {CapSupportedSizes, ItemUInt16, 5},
        {CapOrientation, ItemUInt16, 3},
    };
    for (qsizetype i = 0; i < calls.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(calls[i].capability, std::get<0>(expected[i]));
        EXPECT_EQ(calls[i].itemType, std::get<1>(expected[i]));
        EXPECT_EQ(calls[i].value, std::get<2>(expected[i]));
    }

    // Portrait A3; a resolution outside the list goes without a value.
    scan.PaperSize = 2;
    scan.PaperDirection = 1;
    scan.Resolution = 9;
    scanner->queuePages(Pages({102}));
    Click(keys::miScan);
    const QList<CapabilityCall> second = scanner->capabilityCalls().mid(7);
    ASSERT_EQ(second.size(), 7);
    EXPECT_TRUE(std::isnan(second[3].value));
    EXPECT_EQ(second[5].value, 11);
    EXPECT_EQ(second[6].value, 0);
}

TEST_F(ScanJobTest, TheScannersOwnDialogModeSendsNoCapability)
{
    Open(2);
    g_Settings.Scan.ShowNativeUI = 1;
    scanner->queuePages(Pages({101}));
    Click(keys::miScan);
    EXPECT_TRUE(scanner->capabilityCalls().isEmpty());
    EXPECT_EQ(scanner->acquireFlags(), QList<int>({scanner::AcquireShowUi}));
    EXPECT_EQ(DocFiles().size(), 1);
}

TEST_F(ScanJobTest, ARejectedCapabilityEndsTheJobSilently)
{
    Open(2);
    scanner->setCapabilityAnswer(scanner::CapPixelType, scanner::ResultBadValue);
    scanner->queuePages(Pages({101}));
    Click(keys::miScan);
    EXPECT_EQ(scanner->capabilityCalls().size(), 3);
    EXPECT_TRUE(scanner->acquireFlags().isEmpty());
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_TRUE(DocFiles().isEmpty());
    EXPECT_TRUE(m_Control->isEnabled());
    EXPECT_EQ(StatusPanel(S().widgets, 1)->text(), core_texts::kIdleStatus);
}

TEST_F(ScanJobTest, CancelIsReportedAndKeepsThePagesBeforeIt)
{
    Open(2);
    scanner->queuePages(Pages({101}), scanner::ResultCancelled);
    Click(keys::miScan);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_EQ(prompter.messages[0].text, T::kScanCancelled);
    EXPECT_EQ(prompter.messages[0].title, core_texts::kTitleInformation);
    EXPECT_EQ(prompter.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(DocFiles().size(), 1);
    EXPECT_EQ(S().widgets.lvwFileList->count(), 1);
}

TEST_F(ScanJobTest, CancellingTheDialogScansNothingAndChangesNothing)
{
    Open(2, true);
    const QString root = S().props.m_LocalPath;
    scanner->queuePages(Pages({101}));
    prompter.dialogScripts.enqueue(ScanPara(nullptr, false));
    Click(keys::miScan);
    EXPECT_TRUE(scanner->acquireFlags().isEmpty());
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_EQ(S().props.m_LocalPath, root);
    EXPECT_EQ(StatusPanel(S().widgets, 1)->text(), core_texts::kIdleStatus);
}

TEST_F(ScanJobTest, WithoutADocumentNameNothingIsScanned)
{
    Open(2);
    S().props.m_DocName.clear();
    Click(keys::miScan);
    EXPECT_EQ(prompter.messageTexts(), QStringList({T::kNoDocName}));
    EXPECT_EQ(scanner->enableCount(), 0);
}

TEST_F(ScanJobTest, TheScanKeysOfTbMainStartTheirJobs)
{
    Open(2);
    S().scan.m_ScanMode = 0;
    scanner->queuePages(Pages({101}));
    Click(keys::miScan);
    EXPECT_EQ(S().scan.m_ScanMode, 1);
    scanner->queuePages(Pages({102}));
    Click(keys::miInsert);
    EXPECT_EQ(S().scan.m_ScanMode, 2);
    scanner->queuePages(Pages({103}));
    Click(keys::miReplace);
    EXPECT_EQ(S().scan.m_ScanMode, 3);
    EXPECT_EQ(FileWidths(DocFiles()), QList<int>({102, 103}));
}

// Enter scans, but not an Enter whose press closed a message box and whose release alone came to
// the control.
TEST_F(ScanJobTest, EnterScansOnlyWhenItWentDownOnTheControl)
{
    WriteFile(docFile(QStringLiteral("p0001.tif")), {200});
    Open(2);
    scanner->queuePages(Pages({101}));
    QMessageBox box(QMessageBox::Information, core_texts::kTitleInformation, T::kNoDocName);
    box.show();
    QTest::keyPress(&box, Qt::Key_Return);
    ASSERT_FALSE(box.isVisible());
    QTest::keyRelease(m_Control.get(), Qt::Key_Return);
    EXPECT_EQ(scanner->enableCount(), 0);
    EXPECT_EQ(DocFiles().size(), 1);

    QTest::keyClick(m_Control.get(), Qt::Key_Return);
    EXPECT_EQ(scanner->enableCount(), 1);
    EXPECT_EQ(FileWidths(DocFiles()), QList<int>({200, 101}));
}

QWidget* StopWindow()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("frmScanStop") && window->isVisible())
            return window;
    return nullptr;
}

// A ten-sheet feeder job the user stops while sheet three is in: that page is stored, no further
// sheet is taken, the pages so far are kept and listed, and the list and the page count grew
// while the job ran.
void ScanJobTest::ExpectStoppedAtSheetThree(const std::function<void()>& stop)
{
    ControlState& s = S();
    QList<int> listed;
    QStringList positions;
    const auto sheetIn = [&](int n) {
        ASSERT_NE(StopWindow(), nullptr);
        listed.append(s.widgets.lvwFileList->count());
        positions.append(StatusPanel(s.widgets, 2)->text());
        if (n == 3)
            stop();
    };
    scanner->queueScan({Pages({101, 102, 103, 104, 105, 106, 107, 108, 109, 110}), scanner::ResultSuccess, sheetIn});
    Click(keys::miScan);

    EXPECT_EQ(StopWindow(), nullptr);
    EXPECT_EQ(scanner->pagesHeldBack(), 7);
    EXPECT_EQ(prompter.messageTexts(), QStringList{T::kScanCancelled});
    EXPECT_EQ(s.widgets.lvwFileList->count(), 3);
    EXPECT_EQ(StatusPanel(s.widgets, 2)->text(), QStringLiteral("第 3 页 共 3 页"));
    EXPECT_TRUE(m_Control->isEnabled());
    // When sheet n is in, at least the pages before it are stored and listed.
    ASSERT_EQ(listed.size(), 3);
    for (int n = 1; n <= 3; ++n) {
        SCOPED_TRACE(n);
        EXPECT_GE(listed[n - 1], n - 1);
        if (listed[n - 1] > 0) {
            EXPECT_EQ(positions[n - 1], QStringLiteral("第 %1 页 共 %1 页").arg(listed[n - 1]));
        }
    }
}

TEST_F(ScanJobTest, EscapeStopsAFeederJobAfterThePageInHand)
{
    Open(2);
    ExpectStoppedAtSheetThree([this] { QTest::keyClick(m_Control.get(), Qt::Key_Escape); });
    EXPECT_EQ(FileWidths(DocFiles()), QList<int>({101, 102, 103}));
}

TEST_F(ScanJobTest, TheStopWindowsButtonStopsAFeederJobAfterThePageInHand)
{
    Open(1);
    ExpectStoppedAtSheetThree([] { StopWindow()->findChild<QPushButton*>(QStringLiteral("cmdStop"))->click(); });
    EXPECT_EQ(PageWidths(docFile(QStringLiteral("doc.tif"))), QList<int>({101, 102, 103}));
}

}  // namespace
}  // namespace scanvo::fixtures
