// Zoom steps, the zoom box and the display styles, as the viewer and the zoom box show them.
#include "BrowseFixture.h"

#include "core/DocumentType.h"
#include "document/FileList.h"
#include "platform/engine/ImageViewer.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"
#include "viewer/Zoom.h"

#include <QComboBox>

#include <cmath>

namespace scanvo::fixtures {
namespace {

const QStringList kFixedEntries = {"25%", "50%", "75%", "100%", "150%", "200%", "300%", "400%"};

class ZoomTest : public BrowseTest {
protected:
    void SetUp() override
    {
        BrowseTest::SetUp();
        WriteTiff(documentFile("page.tif"), 1, 1200, 1600);
        openDocument(DocTypeSinglePageTiff, 1);
    }
    void zoomTo(qint32 percent) { StepZoom(state.view, state.widgets, ZoomStepSet, static_cast<qint16>(percent)); }
    void pick(const QString& entry)
    {
        const int index = state.widgets.cboZoomFactor->findText(entry);
        ASSERT_GE(index, 0) << entry.toStdString();
        OnZoomBoxPicked(state, index);
    }
};

TEST(ZoomSteps, StepToTheNextMultipleOfFive)
{
    struct Case {
        qint32 from;
        qint32 in;
        qint32 out;
    };
    const Case cases[] = {{100, 105, 95}, {103, 105, 100}, {5, 10, 0}, {7, 10, 5}, {399, 400, 395}, {400, 405, 395}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from);
        EXPECT_EQ(ZoomStepUp(c.from), c.in);
        EXPECT_EQ(ZoomStepDown(c.from), c.out);
    }
}

TEST(ZoomSteps, QuarterStepsRoundHalvesToEven)
{
    EXPECT_EQ(QuarterStepsFor(105), 4);
    EXPECT_EQ(QuarterStepsFor(137), 5);
    EXPECT_EQ(QuarterStepsFor(400), 16);
    EXPECT_EQ(QuarterStepsFor(62), 2);                  // 2.48
    EXPECT_EQ(QuarterStepsFor(63), 3);                  // 2.52
}

TEST_F(ZoomTest, ZoomButtonsStepTheViewerAndTheBox)
{
    zoomTo(100);
    ZoomIn(state);
    EXPECT_EQ(state.view.m_ZoomPercent, 105);
    EXPECT_DOUBLE_EQ(viewer()->displayPercent(), 105.0);
    EXPECT_EQ(state.widgets.cboZoomFactor->currentText(), QStringLiteral("105%"));
    zoomTo(103);
    ZoomOut(state);
    EXPECT_EQ(state.view.m_ZoomPercent, 100);
    EXPECT_DOUBLE_EQ(viewer()->displayPercent(), 100.0);
    EXPECT_EQ(panel(1), QStringLiteral("澜页文档扫描影像优化处理控件"));
}

TEST_F(ZoomTest, ZoomingLeavesAFitStyle)
{
    ApplyFitStyle(state.view, state.widgets, FitHeight);
    ZoomIn(state);
    EXPECT_EQ(viewer()->paintMode(), engine::ImageViewer::PaintZoom);
    EXPECT_DOUBLE_EQ(viewer()->displayPercent(), double(state.view.m_ZoomPercent));
}

TEST_F(ZoomTest, AnOddPercentageIsTheNinthEntryUntilAFixedOneIsShown)
{
    zoomTo(105);
    EXPECT_EQ(zoomBoxEntries(), kFixedEntries + QStringList{"105%"});
    EXPECT_EQ(state.widgets.cboZoomFactor->currentText(), QStringLiteral("105%"));
    zoomTo(110);
    EXPECT_EQ(zoomBoxEntries(), kFixedEntries + QStringList{"110%"});
    zoomTo(150);
    EXPECT_EQ(zoomBoxEntries(), kFixedEntries);
    EXPECT_EQ(state.widgets.cboZoomFactor->currentIndex(), 4);
    EXPECT_EQ(state.widgets.cboZoomFactor->currentText(), QStringLiteral("150%"));
}

TEST_F(ZoomTest, PickingAnEntrySnapsToQuarterSteps)
{
    pick(QStringLiteral("400%"));
    EXPECT_EQ(state.view.m_ZoomPercent, 400);
    EXPECT_DOUBLE_EQ(viewer()->displayPercent(), 400.0);
    zoomTo(105);
    pick(QStringLiteral("105%"));
    EXPECT_EQ(state.view.m_ZoomPercent, 100);
    EXPECT_EQ(state.widgets.cboZoomFactor->currentText(), QStringLiteral("100%"));
    EXPECT_EQ(zoomBoxEntries(), kFixedEntries);
    zoomTo(137);
    pick(QStringLiteral("137%"));
    EXPECT_EQ(state.view.m_ZoomPercent, 125);
    OnZoomBoxPicked(state, -1);  // nothing selected
    EXPECT_EQ(state.view.m_ZoomPercent, 125);
}

TEST_F(ZoomTest, TheZoomButtonsStopAtFiveAndFourHundred)
{
    zoomTo(5);
    EXPECT_FALSE(keyEnabled(state.widgets.tbCommon, "miZoomOut"));
    EXPECT_TRUE(keyEnabled(state.widgets.tbCommon, "miZoomIn"));
    zoomTo(10);
    EXPECT_TRUE(keyEnabled(state.widgets.tbCommon, "miZoomOut"));
    zoomTo(400);
    EXPECT_FALSE(keyEnabled(state.widgets.tbCommon, "miZoomIn"));
    zoomTo(395);
    EXPECT_TRUE(keyEnabled(state.widgets.tbCommon, "miZoomIn"));
}

TEST_F(ZoomTest, FitStylesShowThePercentageTheViewerPaintsAt)
{
    struct Case {
        const char* key;
        int mode;
        qint16 stored;
    };
    const Case cases[] = {
        {"miBestFit", engine::ImageViewer::PaintFitWindow, FitWindow},
        {"miFitWidth", engine::ImageViewer::PaintFitWidth, FitWidth},
        {"miFitHeight", engine::ImageViewer::PaintFitHeight, FitHeight},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        ASSERT_TRUE(ChooseFitStyle(state, QString::fromLatin1(c.key)));
        EXPECT_EQ(viewer()->paintMode(), c.mode);
        const qint32 painted = qint32(std::lround(viewer()->displayPercent()));
        EXPECT_EQ(state.view.m_ZoomPercent, painted);
        EXPECT_EQ(state.widgets.cboZoomFactor->currentText(), ZoomBoxText(painted));
        EXPECT_EQ(g_Settings.Common.ImageFitStyle, c.stored);
        EXPECT_EQ(GetIniString(IniFilePath(), QStringLiteral("Common"), QStringLiteral("ImageFitStyle")),
                  QString::number(c.stored));
    }
    EXPECT_FALSE(ChooseFitStyle(state, QStringLiteral("miZoomIn")));
}

TEST_F(ZoomTest, ActualSizeShowsOneHundred)
{
    ApplyFitStyle(state.view, state.widgets, FitWindow);
    ASSERT_TRUE(ChooseFitStyle(state, QStringLiteral("miActualSize")));
    EXPECT_EQ(state.view.m_ZoomPercent, 100);
    EXPECT_DOUBLE_EQ(viewer()->displayPercent(), 100.0);
    EXPECT_EQ(state.widgets.cboZoomFactor->currentText(), QStringLiteral("100%"));
    EXPECT_EQ(g_Settings.Common.ImageFitStyle, FitActualSize);
}

TEST_F(ZoomTest, APercentageStyleZoomsToItsValue)
{
    ApplyFitStyle(state.view, state.widgets, FitPercentage, 250);
    EXPECT_EQ(state.view.m_ZoomPercent, 250);
    EXPECT_DOUBLE_EQ(viewer()->displayPercent(), 250.0);
    EXPECT_EQ(state.widgets.cboZoomFactor->currentText(), QStringLiteral("250%"));
}

// A fit style lets the scale follow the window and the page; the box follows it, and a zoom the
// user chose stays in the box whatever the window does.
TEST_F(ZoomTest, InAFitStyleTheBoxFollowsTheScaleWhenTheWindowOrThePageChanges)
{
    host->show();
    ApplyFitStyle(state.view, state.widgets, FitWindow);
    const auto showsPainted = [&] {
        const qint32 painted = qint32(std::lround(viewer()->displayPercent()));
        EXPECT_EQ(state.view.m_ZoomPercent, painted);
        EXPECT_EQ(state.widgets.cboZoomFactor->currentText(), ZoomBoxText(painted));
    };
    const qint32 opened = state.view.m_ZoomPercent;
    viewer()->resize(300, 350);  // the window made smaller
    EXPECT_LT(state.view.m_ZoomPercent, opened);
    showsPainted();
    const qint32 small = state.view.m_ZoomPercent;
    viewer()->setImage(engine::Image::create(1200, 400, 8));  // cropped, or a new canvas
    EXPECT_NE(state.view.m_ZoomPercent, small);
    showsPainted();
    viewer()->setImage(engine::Image::create(400, 1200, 8));  // turned
    showsPainted();

    zoomTo(150);
    viewer()->resize(600, 700);
    EXPECT_EQ(state.view.m_ZoomPercent, 150);
    EXPECT_EQ(state.widgets.cboZoomFactor->currentText(), QStringLiteral("150%"));
}

}  // namespace
}  // namespace scanvo::fixtures
