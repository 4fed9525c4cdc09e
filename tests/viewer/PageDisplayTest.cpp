// Showing a page: what the viewer, the status bar, the buttons and the position file show after it.
#include "BrowseFixture.h"

#include "control/ToolbarBuilder.h"
#include "core/DocumentType.h"
#include "core/FileListView.h"
#include "document/FileList.h"
#include "document/FileNavigation.h"
#include "platform/engine/ImageFile.h"
#include "platform/engine/ImageViewer.h"
#include "settings/Settings.h"
#include "viewer/PageDisplay.h"
#include "viewer/PageNavigation.h"
#include "viewer/Zoom.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>

namespace scanvo::fixtures {
namespace {

class PageDisplayTest : public BrowseTest {
protected:
    // An edit of the shown page: new pixels, still stored the way the page was read.
    void editShownPage(int mark)
    {
        engine::Image edited = MarkedPage(viewer()->image().width(), viewer()->image().height(), 1, mark);
        edited.setLoadFormat(viewer()->image().loadFormat());
        viewer()->setImage(edited);
        state.doc.m_PageModified = true;
    }
    int shownWidth() const { return viewer()->hasImage() ? viewer()->image().width() : 0; }
    void openSinglePages(int count)
    {
        for (int n = 1; n <= count; ++n)
            WriteTiff(documentFile(QStringLiteral("p%1.tif").arg(n)), 1, 100 + n, 150);
        openDocument(DocTypeSinglePageTiff, 1);
    }
};

TEST_F(PageDisplayTest, TheStatusBarDescribesThePageShown)
{
    engine::SaveOptions options;
    options.format = engine::FormatTiffLzw;
    engine::SavePage(MarkedPage(120, 80, 8, 5, 300, 200), documentFile("grey.tif"), options);
    engine::SavePage(MarkedPage(120, 80, 24, 5, 150, 150), documentFile("rgb.tif"), options);
    openDocument(DocTypeSinglePageTiff, 1);

    EXPECT_EQ(panel(1), QStringLiteral("澜页文档扫描影像优化处理控件"));
    EXPECT_EQ(panel(2), QStringLiteral("第 1 页 共 2 页"));
    EXPECT_EQ(panel(3), QStringLiteral("300 * 200 8位"));
    state.doc.m_CurrentPage = 2;
    ShowPage(state, 2);
    EXPECT_EQ(panel(2), QStringLiteral("第 2 页 共 2 页"));
    EXPECT_EQ(panel(3), QStringLiteral("150 * 150 24位"));
}

TEST_F(PageDisplayTest, EachPageOfASinglePageDocumentComesFromItsOwnFile)
{
    openSinglePages(3);
    for (qint16 n : {2, 3, 1}) {
        state.doc.m_CurrentPage = n;
        ShowPage(state, n);
        EXPECT_EQ(g_CurrentFilePath, state.doc.m_Files.at(n));
        EXPECT_EQ(shownWidth(), 100 + n);
        EXPECT_EQ(selectedEntry(), n);
        EXPECT_EQ(state.doc.m_ShownPage, n);
        EXPECT_EQ(ReadImagePos(state.props.m_DocName), n);
    }
}

TEST_F(PageDisplayTest, AMultiPageFileShowsItsNthPage)
{
    WriteTiff(documentFile("box1.tif"), 3, 90, 120);
    openDocument(DocTypeMultiPageTiff, 2);
    // The fixture marks page n with an ink block 10 n wide; the list entry follows.
    EXPECT_EQ(viewer()->image().toQImage().pixelColor(15, 0), QColor(Qt::black));
    EXPECT_EQ(viewer()->image().toQImage().pixelColor(25, 0), QColor(Qt::white));
    EXPECT_EQ(selectedEntry(), 2);
}

TEST_F(PageDisplayTest, BitonalConversionIsOffForJpegPagesOnly)
{
    WriteJpeg(documentFile("a.jpg"));
    WriteTiff(documentFile("b.tif"), 1);
    openDocument(DocTypeAllImages, 2);
    state.doc.m_CurrentFile = 1;
    GoToFile(state, 1);
    EXPECT_FALSE(keyEnabled(state.widgets.tbImaging, "miConvert2BW"));
    state.doc.m_CurrentFile = 2;
    GoToFile(state, 2);
    EXPECT_TRUE(keyEnabled(state.widgets.tbImaging, "miConvert2BW"));
}

TEST_F(PageDisplayTest, TheAutomaticTrimButtonFollowsTheTrimBox)
{
    openSinglePages(2);
    EXPECT_FALSE(keyEnabled(state.widgets.tbImaging, "miTrim2"));
    state.view.m_TrimRegionOn = 1;
    ShowPage(state, 2);
    EXPECT_TRUE(keyEnabled(state.widgets.tbImaging, "miTrim2"));
}

TEST_F(PageDisplayTest, AModifiedPageIsWrittenBackBeforeTheNextPageLoads)
{
    openSinglePages(2);
    editShownPage(80);
    state.doc.m_CurrentPage = 2;
    ShowPage(state, 2);

    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_FALSE(state.doc.m_PageModified);
    EXPECT_TRUE(engine::LoadPage(documentFile("p1.tif")).samePixels(MarkedPage(101, 150, 1, 80)));
    EXPECT_EQ(shownWidth(), 102);
}

TEST_F(PageDisplayTest, ShowingTheSamePageAgainAlsoWritesItBack)
{
    openSinglePages(1);
    editShownPage(60);
    ShowPage(state, 1);

    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_FALSE(state.doc.m_PageModified);
    EXPECT_TRUE(viewer()->image().samePixels(MarkedPage(101, 150, 1, 60)));
    EXPECT_TRUE(engine::LoadPage(documentFile("p1.tif")).samePixels(MarkedPage(101, 150, 1, 60)));
}

TEST_F(PageDisplayTest, ShowingAPageForgetsTheUndoHistory)
{
    openSinglePages(2);
    state.m_History.Record(viewer()->image());
    state.m_History.Record(viewer()->image());
    state.m_History.Undo(viewer()->image());
    ASSERT_EQ(state.m_History.UndoCount(), 1);
    ASSERT_EQ(state.m_History.RedoCount(), 1);

    state.doc.m_CurrentPage = 2;
    ShowPage(state, 2);
    EXPECT_EQ(state.m_History.UndoCount(), 0);
    EXPECT_EQ(state.m_History.RedoCount(), 0);
    EXPECT_FALSE(keyEnabled(state.widgets.tbCommon, "miUndo"));
    EXPECT_FALSE(keyEnabled(state.widgets.tbCommon, "miRedo"));

    // A page that fails to load leaves no history of the page before it either.
    state.m_History.Record(viewer()->image());
    state.doc.m_CurrentPage = 5;
    ShowPage(state, 5);
    EXPECT_EQ(state.m_History.UndoCount(), 0);
}

TEST_F(PageDisplayTest, AFitStyleAboveActualSizeLeavesTheZoomBoxAtOneHundred)
{
    viewer()->setPaintMode(engine::ImageViewer::PaintFitWindow);
    openSinglePages(1);  // a 101 x 150 page in a 600 x 700 view is painted far above 100 %
    ASSERT_GT(viewer()->displayPercent(), 100.0);
    EXPECT_EQ(state.view.m_ZoomPercent, 100);
    EXPECT_EQ(state.widgets.cboZoomFactor->currentText(), QStringLiteral("100%"));
}

TEST_F(PageDisplayTest, AZoomAboveActualSizeStaysInTheBoxFromPageToPage)
{
    openSinglePages(2);
    StepZoom(state.view, state.widgets, ZoomStepSet, 150);
    state.doc.m_CurrentPage = 2;
    ShowPage(state, 2);
    EXPECT_DOUBLE_EQ(viewer()->displayPercent(), 150.0);
    EXPECT_EQ(state.view.m_ZoomPercent, 150);
    EXPECT_EQ(state.widgets.cboZoomFactor->currentText(), QStringLiteral("150%"));
}

TEST_F(PageDisplayTest, AFitStyleBelowActualSizeShowsItsPercentage)
{
    WriteTiff(documentFile("big.tif"), 1, 1200, 1400);
    viewer()->setPaintMode(engine::ImageViewer::PaintFitHeight);
    openDocument(DocTypeSinglePageTiff, 1);
    const int painted = int(std::lround(viewer()->displayPercent()));
    ASSERT_LT(painted, 100);
    EXPECT_EQ(state.view.m_ZoomPercent, painted);
    EXPECT_EQ(state.widgets.cboZoomFactor->currentText(), QString::number(painted) + u'%');
}

TEST_F(PageDisplayTest, JpegPagesAreReadAtTheScaleShownAndWholeWhenAZoomNeedsIt)
{
    // A4 at 150 dpi in a 600 x 700 view: fit window shows it at 40 %, which half its pixels cover.
    constexpr int kWide = 1240, kHigh = 1754;
    WriteJpeg(documentFile("p1.jpg"), kWide, kHigh);
    WriteJpeg(documentFile("p2.jpg"), kWide, kHigh);
    WriteTiff(documentFile("p3.tif"), 1, kWide, kHigh);
    viewer()->setPaintMode(engine::ImageViewer::PaintFitWindow);
    openDocument(DocTypeAllImages, 1);
    const double fit = std::min(600.0 / kWide, 700.0 / kHigh) * 100;
    for (qint16 n : {1, 2}) {
        SCOPED_TRACE(n);
        if (n != 1)
            GoToFile(state, n);
        ASSERT_TRUE(viewer()->isReduced());
        EXPECT_EQ(viewer()->shownImage().width(), kWide / 2);
        // Everything that describes the page describes the page as stored.
        EXPECT_EQ(viewer()->pageSize(), QSize(kWide, kHigh));
        EXPECT_NEAR(viewer()->displayPercent(), fit, 1e-9);
        EXPECT_EQ(state.view.m_ZoomPercent, int(std::lround(fit)));
        EXPECT_EQ(panel(3), QStringLiteral("300 * 300 24位"));
    }
    // A zoom to 100 % shows the page's own pixels.
    ZoomToQuarterSteps(state.view, state.tools, state.widgets, 4);
    viewer()->prepareRendering();
    EXPECT_FALSE(viewer()->isReduced());
    EXPECT_TRUE(viewer()->shownImage().samePixels(engine::LoadPage(documentFile("p2.jpg"))));
    EXPECT_EQ(panel(3), QStringLiteral("300 * 300 24位"));

    // A bitonal page is read whole, as before.
    viewer()->setPaintMode(engine::ImageViewer::PaintFitWindow);
    GoToFile(state, 3);
    EXPECT_FALSE(viewer()->isReduced());
    EXPECT_EQ(viewer()->shownImage().width(), kWide);
}

TEST_F(PageDisplayTest, APageOutsideTheFilesIsReportedNotLoaded)
{
    openSinglePages(2);
    ShowPage(state, 5);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_EQ(prompter.messages[0].title, QStringLiteral("错误信息"));
    EXPECT_EQ(prompter.messages[0].icon, MessageIcon::Warning);
    EXPECT_FALSE(viewer()->hasImage());
    EXPECT_EQ(panel(2), QStringLiteral("第 1 页 共 2 页"));
}

TEST_F(PageDisplayTest, APageWhoseWriteBackFailedIsNotWrittenOverTheNextFile)
{
    openSinglePages(2);
    editShownPage(70);
    // Page 1's file can no longer be replaced: a directory now stands under its name.
    ASSERT_TRUE(QFile::remove(documentFile("p1.tif")));
    ASSERT_TRUE(QDir(documentDir()).mkdir(QStringLiteral("p1.tif")));
    QFile second(documentFile("p2.tif"));
    ASSERT_TRUE(second.open(QIODevice::ReadOnly));
    const QByteArray before = second.readAll();
    second.close();

    state.doc.m_CurrentPage = 2;
    ShowPage(state, 2);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_EQ(shownWidth(), 102);
    // Page 2 is on view as stored: showing it again leaves its file alone.
    EXPECT_FALSE(state.doc.m_PageModified);
    ShowPage(state, 2);
    ASSERT_TRUE(second.open(QIODevice::ReadOnly));
    EXPECT_EQ(second.readAll(), before);
    EXPECT_EQ(prompter.messages.size(), 1);
}

// Leaving a page whose write-back fails, by any move, keeps the edited page on view and modified
// at its place; a file move never puts it over the next file.
TEST_F(PageDisplayTest, AFailedWriteBackStopsEveryMoveAwayFromThePage)
{
    const auto breakFile = [this](const QString& name) {
        ASSERT_TRUE(QFile::remove(documentFile(name)));
        ASSERT_TRUE(QDir(documentDir()).mkdir(name));
    };
    const auto staysOnTheEdit = [this](int entry, qsizetype messages) {
        EXPECT_EQ(prompter.messages.size(), messages);
        EXPECT_TRUE(state.doc.m_PageModified);
        EXPECT_EQ(viewer()->image().toQImage().pixelColor(65, 0), QColor(Qt::black));
        EXPECT_EQ(selectedEntry(), entry);
        EXPECT_EQ(state.widgets.cboCurrentPage->currentText(), QStringLiteral("1"));
    };

    openSinglePages(2);
    editShownPage(70);
    breakFile(QStringLiteral("p1.tif"));
    GoNextPage(state);
    staysOnTheEdit(1, 1);
    EXPECT_EQ(state.doc.m_CurrentPage, 1);
    state.widgets.lvwFileList->selectOnly(1);
    OnFileListClick(state);
    staysOnTheEdit(1, 2);
    EXPECT_EQ(state.doc.m_CurrentPage, 1);

    // Two multi-page files: the page of the first must not land on the second's first page.
    WriteTiff(documentFile("m1.tif"), 2, 90, 120);
    WriteTiff(documentFile("m2.tif"), 2, 90, 120);
    ASSERT_TRUE(QFile::remove(documentFile("p2.tif")));
    ASSERT_TRUE(QDir(documentDir()).rmdir(QStringLiteral("p1.tif")));
    state.doc.m_PageModified = false;
    openDocument(DocTypeAllImages, 1);
    editShownPage(70);
    breakFile(QStringLiteral("m1.tif"));
    QFile second(documentFile("m2.tif"));
    ASSERT_TRUE(second.open(QIODevice::ReadOnly));
    const QByteArray before = second.readAll();
    second.close();
    NextFile(state);
    staysOnTheEdit(1, 3);
    EXPECT_EQ(state.doc.m_CurrentFile, 1);
    EXPECT_FALSE(GoToFile(state, 2));
    EXPECT_EQ(prompter.messages.size(), 4);
    ASSERT_TRUE(second.open(QIODevice::ReadOnly));
    EXPECT_EQ(second.readAll(), before);
}

}  // namespace
}  // namespace scanvo::fixtures
