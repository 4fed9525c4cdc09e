// Browsing through the control itself: opening at first show, and the user's keys and clicks on
// the list, the file box, the page box and the zoom box reaching the right operations.
#include "BrowseFixture.h"

#include "control/Imaging.h"
#include "control/ScannerFactory.h"
#include "control/ToolbarBuilder.h"
#include "core/DocumentType.h"
#include "core/FileListView.h"
#include "core/ToolbarKeys.h"
#include "platform/engine/ImageViewer.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QToolBar>

namespace scanvo::fixtures {
namespace {

class BrowseControlTest : public BrowseTest {
protected:
    void SetUp() override
    {
        BrowseTest::SetUp();
        SetScannerSourceFactory([] { return std::unique_ptr<scanner::ScannerSource>(); });
        ASSERT_TRUE(WriteIniString(IniFilePath(), QStringLiteral("Scan"), QStringLiteral("SaveDir"), state.props.m_LocalPath));
    }
    void TearDown() override
    {
        control.reset();
        SetScannerSourceFactory({});
        BrowseTest::TearDown();
    }
    // Shows a control on the fixture's document with the requested type.
    ControlState& show(qint16 docType)
    {
        documentDir();
        control = std::make_unique<Imaging>();
        control->setDocType(docType);
        control->setDocName(state.props.m_DocName);
        control->resize(1000, 760);
        control->show();
        return control->State();
    }
    static int shownWidth(const ControlState& shown)
    {
        return shown.widgets.mtMain->hasImage() ? shown.widgets.mtMain->image().width() : 0;
    }
    static void typeEnter(QComboBox* box, const QString& text)
    {
        box->lineEdit()->setFocus();
        box->setEditText(text);
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    }

    std::unique_ptr<Imaging> control;
};

TEST_F(BrowseControlTest, FirstShowOpensTheDocumentAtItsRememberedPage)
{
    for (int n = 1; n <= 3; ++n)
        WriteTiff(documentFile(QStringLiteral("scan%1.tif").arg(n)), 1, 100 + n, 150);
    WriteImagePos(state.props.m_DocName, 2);
    ControlState& shown = show(DocTypeSinglePageTiff);

    EXPECT_EQ(shown.widgets.lvwFileList->count(), 3);
    EXPECT_EQ(shown.doc.m_CurrentPage, 2);
    EXPECT_EQ(shownWidth(shown), 102);
    EXPECT_EQ(shown.widgets.cboCurrentPage->currentText(), QStringLiteral("2"));
    EXPECT_TRUE(FindToolbarAction(shown.widgets.tbCommon, QStringLiteral("miNext"))->isEnabled());
    EXPECT_TRUE(prompter.messages.isEmpty());
    // The viewer starts in the stored fit style, with rectangular selection.
    EXPECT_EQ(shown.widgets.mtMain->paintMode(), g_Settings.Common.ImageFitStyle);
    EXPECT_EQ(shown.view.m_RegionShape, 1);
}

TEST_F(BrowseControlTest, ListKeysAndClicksChangeThePage)
{
    for (int n = 1; n <= 3; ++n)
        WriteTiff(documentFile(QStringLiteral("scan%1.tif").arg(n)), 1, 100 + n, 150);
    ControlState& shown = show(DocTypeSinglePageTiff);
    ASSERT_EQ(shown.doc.m_CurrentPage, 3);

    shown.widgets.lvwFileList->setFocus();
    QTest::keyClick(shown.widgets.lvwFileList, Qt::Key_Home);
    EXPECT_EQ(shown.doc.m_CurrentPage, 1);
    EXPECT_EQ(shownWidth(shown), 101);
    QTest::keyClick(shown.widgets.lvwFileList, Qt::Key_Down);
    EXPECT_EQ(shown.doc.m_CurrentPage, 2);

    const QRect third = shown.widgets.lvwFileList->entryRect(2);
    QTest::mouseClick(shown.widgets.lvwFileList->viewport(), Qt::LeftButton, {}, third.center());
    EXPECT_EQ(shown.doc.m_CurrentPage, 3);
    EXPECT_EQ(shownWidth(shown), 103);
}

TEST_F(BrowseControlTest, EnterInThePageBoxShowsTheTypedPage)
{
    WriteTiff(documentFile("box1.tif"), 4);
    ControlState& shown = show(DocTypeMultiPageTiff);
    typeEnter(shown.widgets.cboCurrentPage, QStringLiteral("2"));
    EXPECT_EQ(shown.doc.m_CurrentPage, 2);
    EXPECT_EQ(shown.widgets.lvwFileList->currentRow(), 1);
    typeEnter(shown.widgets.cboCurrentPage, QStringLiteral("9"));
    EXPECT_EQ(shown.doc.m_CurrentPage, 2);
    EXPECT_EQ(shown.widgets.cboCurrentPage->currentText(), QStringLiteral("2"));
    // Enter never adds the typed text as an entry of its own.
    EXPECT_EQ(shown.widgets.cboCurrentPage->findText(QStringLiteral("9")), -1);
}

TEST_F(BrowseControlTest, TheFileBoxAndTheFileButtonsMoveBetweenFiles)
{
    WriteTiff(documentFile("a.tif"), 2, 110, 150);
    WriteJpeg(documentFile("b.jpg"), 120, 150);
    ControlState& shown = show(DocTypeDetect);
    ASSERT_EQ(shown.props.m_DocType, DocTypeAllImages);
    ASSERT_EQ(shown.doc.m_CurrentFile, 2);

    typeEnter(shown.widgets.cboCurrentFile, QStringLiteral("1"));
    EXPECT_EQ(shown.doc.m_CurrentFile, 1);
    EXPECT_EQ(shownWidth(shown), 110);
    QAction* next = FindToolbarAction(shown.widgets.tbFileNav, QStringLiteral("miNext"));
    ASSERT_TRUE(next->isEnabled());
    next->trigger();
    EXPECT_EQ(shown.doc.m_CurrentFile, 2);
    EXPECT_EQ(shownWidth(shown), 120);
    EXPECT_FALSE(next->isEnabled());
}

TEST_F(BrowseControlTest, PickingAZoomEntryZoomsTheViewer)
{
    WriteTiff(documentFile("page.tif"), 1, 1200, 1600);
    ControlState& shown = show(DocTypeSinglePageTiff);
    const int index = shown.widgets.cboZoomFactor->findText(QStringLiteral("50%"));
    ASSERT_GE(index, 0);
    shown.widgets.cboZoomFactor->setCurrentIndex(index);
    emit shown.widgets.cboZoomFactor->activated(index);
    EXPECT_EQ(shown.view.m_ZoomPercent, 50);
    EXPECT_DOUBLE_EQ(shown.widgets.mtMain->displayPercent(), 50.0);
    EXPECT_EQ(shown.widgets.cboZoomFactor->currentText(), QStringLiteral("50%"));
}

}  // namespace
}  // namespace scanvo::fixtures
