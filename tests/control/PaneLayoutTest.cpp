// Pane layout: both scan pane sides, the three editing bar sides with and without captions, the
// scan pane's bars, the number boxes, the status-bar panels and the grid guides.
#include "SurfaceFixture.h"

#include "control/ChildControls.h"
#include "control/PaneLayout.h"
#include "control/ToolbarBuilder.h"
#include "core/FileListView.h"
#include "core/ToolbarKeys.h"
#include "platform/engine/ImageViewer.h"
#include "settings/Settings.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QStatusBar>
#include <QToolBar>

#include <tuple>

namespace scanvo::fixtures {
namespace {

constexpr int kSideWithCaptions = 79;  // 1185 twips
constexpr int kSideIconsOnly = 51;     // 765 twips
constexpr int kOverlap = 2;            // 30 twips
constexpr int kTopBarHeight = 36;      // 540 twips
constexpr int kScanPane = 250;         // 3750 twips

class PaneLayoutTest : public SurfaceTest {
protected:
    void layout(int width, int height)
    {
        host->resize(width, height);
        LayoutPanes(state.props, state.widgets);
    }
    QLabel* panel(int n) const { return state.widgets.sbTotalInfo->findChild<QLabel*>(StatusPanelName(n)); }
};

// (ScanBarAlign, ImagingBarAlign, ImagingButtonCaption)
class ArrangementTest : public PaneLayoutTest, public ::testing::WithParamInterface<std::tuple<int, int, int>> {};

TEST_P(ArrangementTest, ViewerAndEditingBarShareTheMainPane)
{
    const auto [scanAlign, barAlign, captions] = GetParam();
    g_Settings.Layout.ScanBarAlign = qint16(scanAlign);
    g_Settings.Layout.ImagingBarAlign = qint16(barAlign);
    g_Settings.Layout.ImagingButtonCaption = qint16(captions);
    layout(1200, 800);

    const int statusHeight = state.widgets.sbTotalInfo->height();
    ASSERT_GT(statusHeight, 0);
    EXPECT_EQ(state.widgets.sbTotalInfo->geometry(), QRect(0, 800 - statusHeight, 1200, statusHeight));
    const int paneHeight = 800 - statusHeight;
    if (scanAlign == 2) {
        EXPECT_EQ(state.widgets.picMain->geometry(), QRect(0, 0, 1200 - kScanPane, paneHeight));
        EXPECT_EQ(state.widgets.picLeft->geometry(), QRect(1200 - kScanPane, 0, kScanPane, paneHeight));
    } else {
        EXPECT_EQ(state.widgets.picLeft->geometry(), QRect(0, 0, kScanPane, paneHeight));
        EXPECT_EQ(state.widgets.picMain->geometry(), QRect(kScanPane + 2, 0, 1200 - kScanPane - 2, paneHeight));
    }

    const int sw = state.widgets.picMain->width();
    const int sh = state.widgets.picMain->height();
    const int top = state.widgets.tbCommon->height();
    ASSERT_GT(top, 0);
    EXPECT_EQ(state.widgets.tbCommon->geometry(), QRect(0, 0, sw, top));
    const int side = captions ? kSideWithCaptions : kSideIconsOnly;
    const QRect bar = state.widgets.picImaging->geometry();
    const QRect viewer = state.widgets.mtMain->geometry();
    switch (barAlign) {
    case 1:
        EXPECT_EQ(bar, QRect(0, top, sw, kTopBarHeight));
        EXPECT_EQ(viewer, QRect(0, top + kTopBarHeight, sw, sh - top - kTopBarHeight));
        EXPECT_EQ(state.widgets.tbImaging->orientation(), Qt::Horizontal);
        break;
    case 2:
        EXPECT_EQ(bar, QRect(0, top, side, sh - top));
        EXPECT_EQ(viewer, QRect(side, top, sw - side, sh - top));
        EXPECT_EQ(state.widgets.tbImaging->orientation(), Qt::Vertical);
        break;
    default:
        EXPECT_EQ(bar, QRect(sw - side + kOverlap, top, side, sh - top));
        EXPECT_EQ(viewer, QRect(0, top, sw - side + kOverlap, sh - top));
        EXPECT_EQ(state.widgets.tbImaging->orientation(), Qt::Vertical);
        break;
    }
    EXPECT_EQ(state.widgets.tbImaging->geometry(), QRect(0, 0, bar.width(), bar.height()));
    // A column keeps the captions beside smaller icons; a bar along the top of a window this
    // narrow sheds them to keep every button on screen.
    if (barAlign != 1) {
        EXPECT_EQ(state.widgets.tbImaging->toolButtonStyle() == Qt::ToolButtonIconOnly, captions == 0);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryArrangement, ArrangementTest,
                         ::testing::Combine(::testing::Values(1, 2), ::testing::Values(1, 2, 3), ::testing::Values(0, 1)));

TEST_F(PaneLayoutTest, IconOnlyColumnOnTheLeftOfTheViewer)
{
    g_Settings.Layout.ImagingBarAlign = 2;
    g_Settings.Layout.ImagingButtonCaption = 0;
    layout(1000, 700);
    EXPECT_EQ(state.widgets.picImaging->width(), kSideIconsOnly);
    EXPECT_EQ(state.widgets.picImaging->x(), 0);
    EXPECT_EQ(state.widgets.mtMain->x(), kSideIconsOnly);
    EXPECT_EQ(state.widgets.tbImaging->toolButtonStyle(), Qt::ToolButtonIconOnly);

    // Captions come back when the setting does.
    g_Settings.Layout.ImagingButtonCaption = 1;
    LayoutPanes(state.props, state.widgets);
    EXPECT_EQ(state.widgets.picImaging->width(), kSideWithCaptions);
    EXPECT_NE(state.widgets.tbImaging->toolButtonStyle(), Qt::ToolButtonIconOnly);
}

TEST_F(PaneLayoutTest, FileNavigationBarOnlyForMixedDocuments)
{
    state.props.m_DocType = 2;
    layout(1000, 700);
    const int mainHeight = state.widgets.tbMain->height();
    const int paneHeight = state.widgets.picLeft->height();
    EXPECT_TRUE(state.widgets.tbFileNav->isHidden());
    EXPECT_EQ(state.widgets.tbMain->geometry(), QRect(0, 0, kScanPane, mainHeight));
    const QRect operate = state.widgets.tbFileOperate->geometry();
    EXPECT_EQ(operate.bottom(), paneHeight - 1);
    EXPECT_EQ(operate.width(), kScanPane);
    EXPECT_EQ(state.widgets.lvwFileList->geometry(), QRect(0, mainHeight, kScanPane, operate.top() - mainHeight));

    state.props.m_DocType = 0;
    ArrangeLeftPane(state.props, state.widgets);
    EXPECT_FALSE(state.widgets.tbFileNav->isHidden());
    const QRect nav = state.widgets.tbFileNav->geometry();
    EXPECT_EQ(nav.topLeft(), QPoint(0, mainHeight));
    EXPECT_EQ(nav.width(), kScanPane);
    EXPECT_EQ(state.widgets.lvwFileList->y(), mainHeight + nav.height());
    EXPECT_EQ(state.widgets.lvwFileList->geometry().bottom(), operate.top() - 1);
}

TEST_F(PaneLayoutTest, NumberBoxesSitOverTheirPlaceholders)
{
    state.props.m_DocType = 0;
    layout(1000, 700);
    auto expectOver = [](QToolBar* toolbar, QComboBox* box, const char* key, int dx) {
        const QRect placeholder = toolbar->actionGeometry(FindToolbarAction(toolbar, QString::fromLatin1(key)));
        EXPECT_EQ(box->parentWidget(), toolbar);
        EXPECT_EQ(box->pos(), placeholder.topLeft() + QPoint(dx, 6)) << key;
    };
    expectOver(state.widgets.tbCommon, state.widgets.cboCurrentPage, "miCurrentPage1", 8);
    expectOver(state.widgets.tbCommon, state.widgets.cboZoomFactor, "miZoomFactor1", 4);
    expectOver(state.widgets.tbFileNav, state.widgets.cboCurrentFile, "miCurrentFile1", 8);
    // The zoom box does not run into the zoom-out button.
    const QRect zoomOut = state.widgets.tbCommon->actionGeometry(FindToolbarAction(state.widgets.tbCommon, QStringLiteral("miZoomOut")));
    EXPECT_LE(state.widgets.cboZoomFactor->geometry().right(), zoomOut.left());
}

TEST_F(PaneLayoutTest, StatusTextPanelTakesTheRestOfAWideBar)
{
    layout(1000, 700);
    EXPECT_EQ(panel(1)->width(), 1000 - 340);  // 5100 twips for panels 2 to 5
    EXPECT_EQ(panel(2)->width() + panel(3)->width() + panel(4)->width() + panel(5)->width(), 340);
    // The time, last, is still whole inside the bar.
    host->show();
    state.widgets.sbTotalInfo->layout()->activate();
    EXPECT_LE(panel(5)->geometry().right(), state.widgets.sbTotalInfo->width() - 1);
    EXPECT_EQ(panel(5)->width(), 60);
}

TEST_F(PaneLayoutTest, NarrowStatusBarGivesPanelOne900Twips)
{
    layout(400, 700);  // exactly 6000 twips
    EXPECT_EQ(panel(1)->width(), 60);
    layout(401, 700);
    EXPECT_EQ(panel(1)->width(), 401 - 340);
}

TEST_F(PaneLayoutTest, GridGuidesAtSixthsOfTheViewer)
{
    layout(1200, 800);
    const int w = state.widgets.mtMain->width();
    const int h = state.widgets.mtMain->height();
    const int horizontal[] = {h / 6, h / 3, h / 2, 2 * h / 3, 5 * h / 6};
    const int vertical[] = {w / 6, w / 3, w / 2, 2 * w / 3, 5 * w / 6};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(state.widgets.linGrid[i]->geometry(), QRect(0, horizontal[i], w, 1)) << i;
        EXPECT_EQ(state.widgets.linGrid[i + 5]->geometry(), QRect(vertical[i], 0, 1, h)) << i + 5;
        EXPECT_EQ(state.widgets.linGrid[i]->parentWidget(), state.widgets.mtMain);
        EXPECT_TRUE(state.widgets.linGrid[i]->isHidden());
    }
}

TEST_F(PaneLayoutTest, TinyControlGivesNoNegativeSizes)
{
    layout(20, 10);
    for (QWidget* widget : {state.widgets.picLeft, state.widgets.picMain, static_cast<QWidget*>(state.widgets.mtMain), state.widgets.picImaging,
                            static_cast<QWidget*>(state.widgets.lvwFileList)}) {
        EXPECT_GE(widget->width(), 0);
        EXPECT_GE(widget->height(), 0);
    }
}

}  // namespace
}  // namespace scanvo::fixtures
