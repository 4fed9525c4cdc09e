// The viewer widget: percentages of the paint modes, display and source rectangles, scrolling,
// background, the cached rendering and pointer events in image pixels.
#include "EngineTestPages.h"

#include "platform/engine/EngineError.h"
#include "platform/engine/ImageViewer.h"

#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>

#include <gtest/gtest.h>

using namespace scanvo::engine;
using namespace enginetest;

namespace {

constexpr int kA4Width = 2480;  // A4 at 300 dpi
constexpr int kA4Height = 3508;

// A bitonal A4 page: black left half, white right half, so painted colours can be checked.
Image halfBlackPage()
{
    Image page = Image::create(kA4Width, kA4Height, 1);  // all black
    QImage q = page.toQImage();
    QPainter p(&q);
    p.fillRect(kA4Width / 2, 0, kA4Width / 2, kA4Height, Qt::white);
    p.end();
    Image drawn = Image::fromQImage(q);
    drawn.setResolution(300, 300);
    return drawn;
}

class Viewer : public testing::Test {
protected:
    void SetUp() override
    {
        viewer.resize(600, 400);
        viewer.show();
        bar = viewer.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &viewer);
    }

    ImageViewer viewer;
    int bar = 0;
};

}  // namespace

TEST_F(Viewer, FitModesReportTheirComputedPercentage)
{
    viewer.setImage(halfBlackPage());

    viewer.setPaintMode(ImageViewer::PaintFitHeight);
    const double fitHeight = 400.0 / kA4Height;
    EXPECT_NEAR(viewer.displayPercent(), fitHeight * 100, 1e-9);
    const int shownWidth = int(std::lround(kA4Width * fitHeight));
    EXPECT_EQ(viewer.displayRect(), QRect((600 - shownWidth) / 2, 0, shownWidth, 400));
    EXPECT_EQ(viewer.sourceRect(), QRectF(0, 0, kA4Width, kA4Height));
    EXPECT_FALSE(viewer.horizontalScrollBar()->isVisible());
    EXPECT_FALSE(viewer.verticalScrollBar()->isVisible());

    viewer.setPaintMode(ImageViewer::PaintFitWindow);
    EXPECT_NEAR(viewer.displayPercent(), fitHeight * 100, 1e-9);  // the height limits an A4 page here

    // Fit width: the page is taller than the view, so the vertical bar takes its share.
    viewer.setPaintMode(ImageViewer::PaintFitWidth);
    const double fitWidth = double(600 - bar) / kA4Width;
    EXPECT_NEAR(viewer.displayPercent(), fitWidth * 100, 1e-9);
    EXPECT_TRUE(viewer.verticalScrollBar()->isVisible());
    EXPECT_FALSE(viewer.horizontalScrollBar()->isVisible());
    EXPECT_EQ(viewer.displayRect(), QRect(0, 0, 600 - bar, 400));
    EXPECT_NEAR(viewer.sourceRect().height(), 400 / fitWidth, 1.0);

    viewer.resize(3000, 300);  // a wide view: fit window now follows the height
    viewer.setPaintMode(ImageViewer::PaintFitWindow);
    EXPECT_NEAR(viewer.displayPercent(), 300.0 / kA4Height * 100, 1e-9);
}

TEST_F(Viewer, ActualSizeAndZoomScrollOverThePage)
{
    viewer.setImage(halfBlackPage());
    viewer.setPaintMode(ImageViewer::PaintActualSize);
    EXPECT_DOUBLE_EQ(viewer.displayPercent(), 100.0);
    EXPECT_TRUE(viewer.horizontalScrollBar()->isVisible());
    EXPECT_TRUE(viewer.verticalScrollBar()->isVisible());
    const QSize view(600 - bar, 400 - bar);
    EXPECT_EQ(viewer.displayRect(), QRect(QPoint(0, 0), view));
    EXPECT_EQ(viewer.horizontalScrollBar()->maximum(), kA4Width - view.width());

    viewer.setScrollPosition(QPoint(100, 250));
    EXPECT_EQ(viewer.sourceRect(), QRectF(100, 250, view.width(), view.height()));
    EXPECT_EQ(viewer.widgetToImage(QPointF(10, 20)), QPointF(110, 270));
    EXPECT_EQ(viewer.imageToWidget(QPointF(110, 270)), QPointF(10, 20));

    viewer.setPaintMode(ImageViewer::PaintZoom);
    viewer.setZoomPercent(50);
    EXPECT_DOUBLE_EQ(viewer.displayPercent(), 50.0);
    const QRectF source = viewer.sourceRect();
    EXPECT_NEAR(source.width(), view.width() * 2, 2.0);
    viewer.setZoomPercent(0);
    EXPECT_DOUBLE_EQ(viewer.zoomPercent(), ImageViewer::kMinZoom);
    viewer.setZoomPercent(std::numeric_limits<double>::quiet_NaN());
    EXPECT_DOUBLE_EQ(viewer.zoomPercent(), ImageViewer::kMinZoom);
    viewer.setZoomPercent(1e9);
    EXPECT_DOUBLE_EQ(viewer.zoomPercent(), ImageViewer::kMaxZoom);
    viewer.setPaintMode(17);  // unknown modes are ignored
    EXPECT_EQ(viewer.paintMode(), ImageViewer::PaintZoom);
}

TEST_F(Viewer, PaintsThePageOnItsBackgroundAndWhiteWhenEmpty)
{
    viewer.setBackColor(QColor(200, 0, 0));
    QImage empty = viewer.grab().toImage();
    EXPECT_EQ(empty.pixelColor(300, 200), QColor(Qt::white));
    EXPECT_TRUE(viewer.displayRect().isEmpty());

    viewer.setImage(halfBlackPage());
    viewer.setPaintMode(ImageViewer::PaintFitHeight);
    const QRect shown = viewer.displayRect();
    const QImage painted = viewer.grab().toImage();
    EXPECT_EQ(painted.pixelColor(shown.left() - 5, 200), QColor(200, 0, 0));
    EXPECT_EQ(painted.pixelColor(shown.right() + 5, 200), QColor(200, 0, 0));
    EXPECT_LT(qGray(painted.pixel(shown.left() + shown.width() / 4, 200)), 20);
    EXPECT_GT(qGray(painted.pixel(shown.left() + shown.width() * 3 / 4, 200)), 235);

    viewer.setPaintMode(ImageViewer::PaintActualSize);
    viewer.setScrollPosition(QPoint(kA4Width / 2 - 100, 0));
    const QImage actual = viewer.grab().toImage();
    EXPECT_EQ(qGray(actual.pixel(95, 50)), 0);
    EXPECT_EQ(qGray(actual.pixel(105, 50)), 255);
}

TEST_F(Viewer, BitonalPagesAreShownThroughACachedGreyRendering)
{
    viewer.setImage(BitonalPage(kA4Width, kA4Height));
    viewer.setPaintMode(ImageViewer::PaintFitWindow);
    EXPECT_FALSE(viewer.hasRendering());
    viewer.prepareRendering();
    EXPECT_TRUE(viewer.hasRendering());

    // Scale-to-grey: text strokes average into grey levels, not just black and white.
    const QImage painted = viewer.grab().toImage();
    const QRect shown = viewer.displayRect();
    int greys = 0;
    for (int y = shown.top(); y < shown.top() + shown.height() / 2; ++y)
        for (int x = shown.left(); x <= shown.right(); ++x) {
            const int g = qGray(painted.pixel(x, y));
            greys += g > 30 && g < 225;
        }
    EXPECT_GT(greys, 200);

    viewer.setPaintMode(ImageViewer::PaintZoom);
    viewer.setZoomPercent(25);
    EXPECT_FALSE(viewer.hasRendering());  // a new zoom needs its own rendering
    viewer.prepareRendering();
    EXPECT_TRUE(viewer.hasRendering());
    viewer.setImage(BitonalPage(kA4Width, kA4Height, 2));
    EXPECT_FALSE(viewer.hasRendering());  // edited pixels are rendered anew

    // From 100 % up only a tile around the view is rendered; scrolling far away needs another.
    viewer.setZoomPercent(200);
    viewer.prepareRendering();
    EXPECT_TRUE(viewer.hasRendering());
    viewer.setScrollPosition(QPoint(kA4Width * 2 - 600, kA4Height * 2 - 400));
    EXPECT_FALSE(viewer.hasRendering());
    viewer.prepareRendering();
    EXPECT_TRUE(viewer.hasRendering());
}

TEST_F(Viewer, WithAutoRepaintOffAChangedPageWaitsForItsRepaint)
{
    QImage blank(kA4Width, kA4Height, QImage::Format_Grayscale8);
    blank.fill(255);
    const Image white = Image::fromQImage(blank);
    viewer.setImage(halfBlackPage());
    const QRect shown = viewer.displayRect();
    const QPoint left(shown.left() + shown.width() / 4, shown.center().y());
    const auto greyAtLeft = [&] { return qGray(viewer.grab().toImage().pixel(left)); };
    EXPECT_LT(greyAtLeft(), 20);

    viewer.setAutoRepaint(false);
    viewer.setImage(white);
    EXPECT_LT(greyAtLeft(), 20);  // a paint the window system asks for shows the last one again
    EXPECT_FALSE(viewer.hasRendering());
    viewer.repaintImage();
    EXPECT_GT(greyAtLeft(), 235);

    viewer.setImage(halfBlackPage());
    EXPECT_GT(greyAtLeft(), 235);
    viewer.setAutoRepaint(true);
    EXPECT_LT(greyAtLeft(), 20);
}

TEST_F(Viewer, WithAutoRepaintOffAFirstPageIsNotDrawnBeforeItsRepaint)
{
    viewer.setAutoRepaint(false);
    viewer.setImage(halfBlackPage());
    const QRect shown = viewer.displayRect();
    const QPoint left(shown.left() + shown.width() / 4, shown.center().y());
    EXPECT_GT(qGray(viewer.grab().toImage().pixel(left)), 20);  // the background, nothing painted before
    EXPECT_FALSE(viewer.hasRendering());
    viewer.repaintImage();
    EXPECT_LT(qGray(viewer.grab().toImage().pixel(left)), 20);
}

TEST_F(Viewer, PointerEventsArriveInImagePixels)
{
    viewer.setImage(GreyPage(1200, 800));
    viewer.setPaintMode(ImageViewer::PaintZoom);
    viewer.setZoomPercent(200);
    viewer.setScrollPosition(QPoint(400, 300));
    QSignalSpy pressed(&viewer, &ImageViewer::pointerPressed);
    QSignalSpy released(&viewer, &ImageViewer::pointerReleased);
    QTest::mousePress(viewer.viewport(), Qt::LeftButton, Qt::ShiftModifier, QPoint(100, 50));
    QTest::mouseRelease(viewer.viewport(), Qt::LeftButton, Qt::ShiftModifier, QPoint(120, 70));
    ASSERT_EQ(pressed.count(), 1);
    ASSERT_EQ(released.count(), 1);
    EXPECT_EQ(pressed.at(0).at(0).value<Qt::MouseButton>(), Qt::LeftButton);
    EXPECT_EQ(pressed.at(0).at(1).value<Qt::KeyboardModifiers>(), Qt::ShiftModifier);
    EXPECT_EQ(pressed.at(0).at(2).toPointF(), QPointF(250, 175));
    EXPECT_EQ(released.at(0).at(2).toPointF(), QPointF(260, 185));
}

TEST_F(Viewer, SignalsTellOfImageAndDisplayChanges)
{
    QSignalSpy images(&viewer, &ImageViewer::imageChanged);
    QSignalSpy display(&viewer, &ImageViewer::displayChanged);
    viewer.setImage(GreyPage(300, 300));
    EXPECT_EQ(images.count(), 1);
    const int before = display.count();
    viewer.setPaintMode(ImageViewer::PaintZoom);
    viewer.setZoomPercent(300);
    EXPECT_GE(display.count(), before + 2);
    viewer.clearImage();
    EXPECT_EQ(images.count(), 2);
    EXPECT_FALSE(viewer.hasImage());
    EXPECT_FALSE(viewer.horizontalScrollBar()->isVisible());
}

TEST_F(Viewer, AReducedPageStandsForTheWholePageUntilItsPixelsAreNeeded)
{
    Image grey = Image::fromQImage(halfBlackPage().toQImage().convertToFormat(QImage::Format_Grayscale8));
    grey.setResolution(300, 300);
    const auto reducedCopy = [&] {
        Image reduced = Image::fromQImage(grey.toQImage().scaled(kA4Width / 4, kA4Height / 4));
        reduced.setResolution(300, 300);
        return reduced;
    };
    int loads = 0;
    Image stored = grey;
    const auto loadWhole = [&] {
        ++loads;
        return stored;
    };

    viewer.setPaintMode(ImageViewer::PaintFitHeight);
    viewer.setReducedImage(reducedCopy(), QSize(kA4Width, kA4Height), loadWhole);
    EXPECT_TRUE(viewer.isReduced());
    EXPECT_EQ(viewer.pageSize(), QSize(kA4Width, kA4Height));
    EXPECT_EQ(viewer.shownImage().width(), kA4Width / 4);
    // Laid out, painted and pointed at as the whole page, without reading it.
    const double fitHeight = 400.0 / kA4Height;
    EXPECT_NEAR(viewer.displayPercent(), fitHeight * 100, 1e-9);
    EXPECT_NEAR(viewer.displayScale()(QSize(kA4Width, kA4Height)), fitHeight, 1e-12);
    EXPECT_EQ(viewer.sourceRect(), QRectF(0, 0, kA4Width, kA4Height));
    const QRect shown = viewer.displayRect();
    EXPECT_NEAR(viewer.widgetToImage(QPointF(shown.right() + 1, 0)).x(), kA4Width, 1.0 / fitHeight);  // one widget pixel
    const QImage painted = viewer.grab().toImage();
    EXPECT_LT(qGray(painted.pixel(shown.left() + shown.width() / 4, 200)), 20);
    EXPECT_GT(qGray(painted.pixel(shown.left() + shown.width() * 3 / 4, 200)), 235);
    EXPECT_EQ(loads, 0);
    EXPECT_TRUE(viewer.isReduced());

    // A zoom beyond the copy's scale reads the page, once, and the view keeps its place.
    viewer.setPaintMode(ImageViewer::PaintZoom);
    viewer.setZoomPercent(100);
    viewer.prepareRendering();
    EXPECT_EQ(loads, 1);
    EXPECT_FALSE(viewer.isReduced());
    EXPECT_TRUE(viewer.shownImage().samePixels(grey));
    EXPECT_NEAR(viewer.displayPercent(), 100.0, 1e-9);

    // Asking for the page's pixels reads it; handing it over hands over the whole page.
    viewer.setPaintMode(ImageViewer::PaintFitHeight);
    viewer.setReducedImage(reducedCopy(), QSize(kA4Width, kA4Height), loadWhole);
    EXPECT_TRUE(viewer.image().samePixels(grey));
    EXPECT_TRUE(viewer.image().samePixels(grey));
    EXPECT_EQ(loads, 2);
    viewer.setReducedImage(reducedCopy(), QSize(kA4Width, kA4Height), loadWhole);
    const Image before = viewer.exchangeImage(Image::create(100, 50, 8));
    EXPECT_TRUE(before.samePixels(grey));
    EXPECT_EQ(loads, 3);
    EXPECT_EQ(viewer.pageSize(), QSize(100, 50));
    EXPECT_FALSE(viewer.isReduced());

    // A page that changed in its file is refused, not shown as the page it replaced; the view goes
    // on showing the copy, enlarged where it must.
    stored = Image::create(kA4Width, kA4Height / 2, 8);
    viewer.setReducedImage(reducedCopy(), QSize(kA4Width, kA4Height), loadWhole);
    EXPECT_THROW(viewer.image(), EngineError);
    EXPECT_TRUE(viewer.isReduced());
    viewer.setPaintMode(ImageViewer::PaintActualSize);
    const QImage enlarged = viewer.grab().toImage();
    EXPECT_LT(qGray(enlarged.pixel(100, 100)), 20);
    EXPECT_TRUE(viewer.hasRendering());
}
