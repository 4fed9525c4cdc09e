// A scan job from the control against SANE's virtual test device: a feeder of pages that arrive
// one by one, the sheet the dialog asked for, and a jam the device reports.
#include "ScanFixture.h"

#include "acquisition/AcquisitionTexts.h"
#include "core/CommandKeys.h"
#include "core/FileListView.h"
#include "platform/engine/ImageFile.h"
#include "settings/Settings.h"

#include <QComboBox>
#include <QDialog>
#include <QTest>

#include <cmath>

namespace scanvo::fixtures {
namespace {

namespace T = acquisition_texts;

class SaneScanJobTest : public ScanTest {
protected:
    void SetUp() override
    {
        ScanTest::SetUp();
        qputenv("SANE_CONFIG_DIR", SCANVO_DEMO_SANE_CONFIG);
        qunsetenv("SCANVO_DEFAULT_SCANNER");
        useSaneSource();
    }
    void TearDown() override
    {
        ScanTest::TearDown();
        qunsetenv("SANE_CONFIG_DIR");
    }
    // A single-page document and black-and-white sheets at 100 dpi from the feeder, named t001 on.
    void OpenForFeederJob()
    {
        Open(2);
        auto& scan = g_Settings.Scan;
        scan.ScanSupply = 1;
        scan.ImageType = 0;
        scan.Resolution = 0;
        scan.DocNameRule = QStringLiteral("t###");
    }
};

TEST_F(SaneScanJobTest, AFeederJobStoresEveryPageAsTheSheetChosen)
{
    OpenForFeederJob();
    auto& scan = g_Settings.Scan;
    scan.ScanDuplex = 0;
    scan.PaperSize = 0;       // B5
    scan.PaperDirection = 0;  // landscape
    Click(keys::miScan);

    ASSERT_TRUE(prompter.messages.isEmpty()) << prompter.messages[0].text.toStdString();
    const QStringList files = DocFiles();
    ASSERT_EQ(files.size(), 10);
    EXPECT_EQ(files.first(), QStringLiteral("t001.tif"));
    const engine::Image page = engine::LoadPage(docFile(files.first()));
    EXPECT_EQ(page.depth(), 1);
    // B5 lying on its side at 100 dpi: 250 mm wide, 176 mm high.
    EXPECT_NEAR(page.width(), std::lround(250 / 25.4 * 100), 3);
    EXPECT_NEAR(page.height(), std::lround(176 / 25.4 * 100), 3);
    EXPECT_EQ(engine::LoadPage(docFile(files.first())).loadFormat(), engine::FormatTiffG4);
    EXPECT_TRUE(m_Control->isEnabled());

    // Upright A4 from the flatbed.
    scan.ScanSupply = 0;
    scan.PaperSize = 1;
    scan.PaperDirection = 1;
    Click(keys::miScan);
    ASSERT_EQ(DocFiles().size(), 11);
    const engine::Image upright = engine::LoadPage(docFile(DocFiles().last()));
    EXPECT_NEAR(upright.width(), std::lround(210 / 25.4 * 100), 3);
    EXPECT_NEAR(upright.height(), std::lround(297 / 25.4 * 100), 3);
}

// Escape while the test device's feeder delivers page three of ten: that page is the last one
// stored, the job ends as cancelled, and the list already grew while the pages came.
TEST_F(SaneScanJobTest, EscapeStopsAFeederJobWithThePagesSoFarStoredAndListed)
{
    OpenForFeederJob();
    int pages = 0;
    int listedAtThree = -1;
    QObject::connect(S().scan.m_Scanner.get(), &scanner::ScannerSource::pageAcquired, m_Control.get(), [&] {
        if (++pages != 3)
            return;
        listedAtThree = S().widgets.lvwFileList->count();
        QTest::keyClick(m_Control.get(), Qt::Key_Escape);
    });
    Click(keys::miScan);

    EXPECT_EQ(pages, 3);
    EXPECT_GE(listedAtThree, 1);
    EXPECT_EQ(prompter.messageTexts(), QStringList{T::kScanCancelled});
    EXPECT_EQ(DocFiles(), QStringList({"t001.tif", "t002.tif", "t003.tif"}));
    EXPECT_EQ(S().widgets.lvwFileList->count(), 3);
    EXPECT_TRUE(m_Control->isEnabled());
}

TEST_F(SaneScanJobTest, AJamTheDeviceReportsIsNamed)
{
    Open(2);
    g_Settings.Scan.ShowNativeUI = 1;
    prompter.dialogScripts.enqueue([](QDialog& dialog) {
        auto* status = dialog.findChild<QComboBox*>(QStringLiteral("read-return-value"));
        if (!status || status->findText(QStringLiteral("SANE_STATUS_JAMMED")) < 0)
            return int(QDialog::Rejected);
        status->setCurrentText(QStringLiteral("SANE_STATUS_JAMMED"));
        return int(QDialog::Accepted);
    });
    Click(keys::miScan);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].text.contains(T::kPaperProblem)) << prompter.messages[0].text.toStdString();
    EXPECT_TRUE(DocFiles().isEmpty());
    EXPECT_TRUE(m_Control->isEnabled());
}

}  // namespace
}  // namespace scanvo::fixtures
