// The pointer tools driven by the real mouse on the viewer: selections drawn and dragged, the
// colour picker and paint tool, the deskew line, the trim box and the grid.
#include "PointerFixture.h"

#include "commands/size/Rotation.h"
#include "core/CommandKeys.h"
#include "core/CoreTexts.h"
#include "core/ToolbarKeys.h"
#include "platform/engine/ImageFile.h"
#include "platform/engine/ops/Canvas.h"
#include "platform/engine/ops/Geometry.h"
#include "platform/engine/ops/OpFlags.h"
#include "settings/Settings.h"
#include "viewer/Selection.h"
#include "viewer/ToolModes.h"
#include "viewer/TrimBox.h"

#include <QAction>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cmath>
#include <string>

namespace scanvo::fixtures {
namespace {

namespace ops = engine::ops;

class PointerToolsTest : public PointerTest {
protected:
    void clickAt(QPointF point) { QTest::mouseClick(surface(), Qt::LeftButton, Qt::NoModifier, at(point)); }
};

TEST_F(PointerToolsTest, DrawingASelectionEnablesCutAndCopyAndAClickRemovesIt)
{
    ControlState& s = openAtActualSize(24);
    drag({20, 30}, {80, 70});
    EXPECT_EQ(s.view.m_Selection, QRect(20, 30, 60, 40));
    EXPECT_TRUE(enabled(s.widgets.tbCommon, keys::miCut));
    EXPECT_TRUE(enabled(s.widgets.tbCommon, keys::miCopy));
    EXPECT_EQ(s.m_History.UndoCount(), 0);

    clickAt({150, 20});
    EXPECT_TRUE(s.view.m_Selection.isEmpty());
    EXPECT_FALSE(enabled(s.widgets.tbCommon, keys::miCut));
    EXPECT_FALSE(enabled(s.widgets.tbCommon, keys::miCopy));
}

TEST_F(PointerToolsTest, DraggingASelectionWhitensWhereItWasOnlyTheFirstTime)
{
    ControlState& s = openAtActualSize(24);
    const engine::Image loaded = page();
    const QRect first(20, 30, 40, 30);
    drag({20, 30}, {60, 60});
    ASSERT_EQ(s.view.m_Selection, first);

    // Half-way through the drag the overlay draws the lifted pixels over white.
    QTest::mousePress(surface(), Qt::LeftButton, Qt::NoModifier, at({30, 40}));
    QTest::mouseMove(surface(), at({80, 50}));
    const QImage midway = surface()->grab().toImage();
    EXPECT_EQ(midway.pixel(at({21, 31})), qRgb(255, 255, 255));
    EXPECT_EQ(midway.pixel(at({23 + 50, 33 + 10})), loaded.toQImage().pixel(23, 33));
    QTest::mouseMove(surface(), at({130, 60}));  // by (100, 20)
    QTest::mouseRelease(surface(), Qt::LeftButton, Qt::NoModifier, at({130, 60}));
    const QRect moved = first.translated(100, 20);
    EXPECT_EQ(s.view.m_Selection, moved);
    engine::Image expected = loaded;
    ops::FillRect(expected, first, ops::kWhite);
    ops::Combine(expected, ops::Crop(loaded, first), QRect(0, 0, 40, 30), moved.topLeft(), ops::kCombinePasteFlags);
    EXPECT_TRUE(page().samePixels(expected));
    EXPECT_TRUE(s.doc.m_PageModified);
    EXPECT_EQ(s.m_History.UndoCount(), 1);  // the drop is an undo level of its own
    EXPECT_TRUE(s.clip.m_SelectionPasted);

    // Dragged again, the pixels leave a copy behind instead of white.
    const engine::Image before = page();
    drag({130, 60}, {130, 100});
    const QRect again = moved.translated(0, 40);
    expected = before;
    ops::Combine(expected, ops::Crop(before, moved), QRect(0, 0, 40, 30), again.topLeft(), ops::kCombinePasteFlags);
    EXPECT_TRUE(page().samePixels(expected));
}

TEST_F(PointerToolsTest, UndoAfterADropTakesBackTheMoveAlone)
{
    ControlState& s = openAtActualSize(8, 160, 160);
    const engine::Image loaded = page();
    click(s.widgets.tbImaging, keys::miRotate180);
    const engine::Image rotated = page();
    drag({20, 30}, {60, 60});
    drag({30, 40}, {110, 90});
    ASSERT_FALSE(page().samePixels(rotated));
    EXPECT_TRUE(enabled(s.widgets.tbCommon, keys::miUndo));

    click(s.widgets.tbCommon, keys::miUndo);
    EXPECT_TRUE(page().samePixels(rotated));
    EXPECT_TRUE(enabled(s.widgets.tbCommon, keys::miUndo));
    EXPECT_TRUE(enabled(s.widgets.tbCommon, keys::miRedo));
    click(s.widgets.tbCommon, keys::miUndo);
    EXPECT_TRUE(page().samePixels(loaded));
}

TEST_F(PointerToolsTest, APastedSelectionNeverWhitensThePageWhenDragged)
{
    ControlState& s = openAtActualSize(8);
    drag({10, 10}, {50, 40});
    click(s.widgets.tbCommon, keys::miCopy);
    click(s.widgets.tbCommon, keys::miPaste);
    ASSERT_TRUE(s.clip.m_SelectionPasted);
    const engine::Image before = page();
    drag({20, 20}, {120, 20});
    engine::Image expected = before;
    ops::Combine(expected, ops::Crop(before, QRect(10, 10, 40, 30)), QRect(0, 0, 40, 30), QPoint(110, 10),
                 ops::kCombinePasteFlags);
    EXPECT_TRUE(page().samePixels(expected));
}

TEST_F(PointerToolsTest, ShiftOrCtrlInsideTheSelectionStartsANewOne)
{
    ControlState& s = openAtActualSize(1);
    const engine::Image loaded = page();
    for (Qt::KeyboardModifier modifier : {Qt::ShiftModifier, Qt::ControlModifier}) {
        drag({10, 10}, {100, 100});
        drag({50, 50}, {70, 90}, modifier);
        EXPECT_EQ(s.view.m_Selection, QRect(50, 50, 20, 40));
        EXPECT_TRUE(page().samePixels(loaded));
        EXPECT_FALSE(s.clip.m_SelectionPasted);
    }
}

TEST_F(PointerToolsTest, ThePaintToolStampsOnAClickAndFillsADraggedRectangle)
{
    ControlState& s = openAtActualSize(24);
    // The colour comes from the picker.
    click(s.widgets.tbCommon, keys::miGetPixel);
    EXPECT_TRUE(s.widgets.lblColor->isVisible());
    EXPECT_TRUE(pressed(s.widgets.tbCommon, keys::miGetPixel));
    const quint32 sampled = ops::PixelColour(page(), 33, 44);
    clickAt({33, 44});
    EXPECT_EQ(s.tools.m_PaintColor, sampled);
    EXPECT_EQ(s.widgets.lblColor->palette().color(QPalette::Window).rgb() & 0xFFFFFF, sampled);
    EXPECT_EQ(s.m_History.UndoCount(), 0);

    click(s.widgets.tbImaging, keys::miPaintRect);  // the paint tool switches the picker off
    EXPECT_EQ(s.tools.m_PickColorOn(), 0);
    EXPECT_FALSE(s.widgets.lblColor->isVisible());
    EXPECT_TRUE(pressed(s.widgets.tbImaging, keys::miPaintRect));
    const engine::Image before = page();
    clickAt({100, 20});
    engine::Image expected = before;
    ops::FillRect(expected, QRect(100, 20, 3, 3), sampled);
    EXPECT_TRUE(page().samePixels(expected));
    EXPECT_EQ(s.m_History.UndoCount(), 1);

    drag({10, 100}, {60, 130});
    ops::FillRect(expected, QRect(10, 100, 50, 30), sampled);
    EXPECT_TRUE(page().samePixels(expected));
    EXPECT_EQ(s.m_History.UndoCount(), 2);
    EXPECT_TRUE(s.view.m_Selection.isEmpty());
    EXPECT_FALSE(enabled(s.widgets.tbCommon, keys::miRedo));

    click(s.widgets.tbCommon, keys::miGetPixel);  // and the picker switches the paint tool off
    EXPECT_EQ(s.tools.m_PaintToolOn(), 1);
    click(s.widgets.tbImaging, keys::miPaintRect);
    EXPECT_EQ(s.tools.m_PaintToolOn(), 0);
}

// Whatever was armed before, arming a tool by its button leaves it the only one armed, with its
// button alone pressed, and the next drag goes to it: the deskew line takes the press, the comment
// tool places its box, the region and paint tools act on the selection drawn, and with no tool the
// selection stays. The colour picker stands apart: arming any tool switches it off, and switched
// on it leaves only the paint tool or the deskew line armed.
TEST_F(PointerToolsTest, ArmingAToolLeavesItAloneArmedAndTheNextDragGoesToIt)
{
    ControlState& s = openAtActualSize(8);
    constexpr PointerTool kTools[] = {PointerTool::ClearInside, PointerTool::ClearOutside, PointerTool::Crop,
                                      PointerTool::Comment,     PointerTool::Paint,        PointerTool::DeskewLine};
    const auto armedAlone = [&](PointerTool tool) {
        EXPECT_EQ(s.tools.ActiveTool(), tool);
        EXPECT_EQ(s.tools.m_ClearToolOn() + s.tools.m_TrimToolOn() + s.tools.m_CropToolOn() + s.tools.m_CommentToolOn() + s.tools.m_PaintToolOn() +
                      s.tools.m_DeskewLineMode(),
                  tool == PointerTool::None ? 0 : 1);
        for (PointerTool other : kTools)
            EXPECT_EQ(pressed(s.widgets.tbImaging, PointerToolKey(other)), other == tool) << PointerToolKey(other);
    };
    const auto dragGoesTo = [&](PointerTool tool) {
        RemoveSelection(s.view, s.widgets);
        s.tools.m_LineX2 = 0;
        const int levels = s.m_History.UndoCount();
        drag({20, 30}, {80, 50});
        EXPECT_EQ(s.tools.m_LineX2 != 0, tool == PointerTool::DeskewLine);
        EXPECT_EQ(s.widgets.txtPageNumber->isVisible(), tool == PointerTool::Comment);
        const bool selects = tool == PointerTool::None || tool == PointerTool::Comment;
        if (selects)
            EXPECT_EQ(s.view.m_Selection, QRect(20, 30, 60, 20));
        EXPECT_EQ(s.m_History.UndoCount(), levels + (selects ? 0 : 1));
        if (s.m_History.UndoCount() > levels)
            click(s.widgets.tbCommon, keys::miUndo);
    };

    for (PointerTool first : kTools) {
        for (PointerTool second : kTools) {
            SCOPED_TRACE(std::string(PointerToolKey(first)) + " then " + PointerToolKey(second));
            ArmPointerTool(s, PointerTool::None);
            click(s.widgets.tbImaging, PointerToolKey(first));
            click(s.widgets.tbImaging, PointerToolKey(second));
            const PointerTool armed = first == second ? PointerTool::None : second;
            armedAlone(armed);
            dragGoesTo(armed);
        }
    }

    for (PointerTool tool : kTools) {
        SCOPED_TRACE(PointerToolKey(tool));
        SetPickColor(s, false);
        ArmPointerTool(s, PointerTool::None);
        click(s.widgets.tbCommon, keys::miGetPixel);
        click(s.widgets.tbImaging, PointerToolKey(tool));
        EXPECT_EQ(s.tools.m_PickColorOn(), 0);
        armedAlone(tool);
        click(s.widgets.tbCommon, keys::miGetPixel);
        EXPECT_EQ(s.tools.m_PickColorOn(), 1);
        armedAlone(tool == PointerTool::Paint || tool == PointerTool::DeskewLine ? tool : PointerTool::None);
    }
}

TEST_F(PointerToolsTest, TheDeskewLineTurnsThePageWhicheverWayItIsDrawnAndALevelOneNothing)
{
    ControlState& s = openAtActualSize(8, 300, 200);
    const engine::Image loaded = page();
    click(s.widgets.tbImaging, keys::miDeskewByLine);
    const int expected = int(std::nearbyint(LineAngle(20, 100, 220, 80)));
    for (bool reversed : {false, true}) {
        SCOPED_TRACE(reversed);
        if (reversed)
            drag({220, 80}, {20, 100});
        else
            drag({20, 100}, {220, 80});
        engine::Image turned = loaded;
        ops::Rotate(turned, expected, ops::kRotateKeepSize, ops::kWhite);
        EXPECT_TRUE(page().samePixels(turned));
        EXPECT_TRUE(s.view.m_Selection.isEmpty());
        click(s.widgets.tbCommon, keys::miUndo);
    }
    EXPECT_FALSE(enabled(s.widgets.tbCommon, keys::miUndo));
    drag({20, 100}, {220, 100});
    drag({50, 20}, {50, 180});
    EXPECT_TRUE(page().samePixels(loaded));
    EXPECT_FALSE(enabled(s.widgets.tbCommon, keys::miUndo));
    EXPECT_EQ(s.tools.m_DeskewLineMode(), 1);  // on for any number of lines
}

// The armed deskew line shows itself while it lasts: its menu entry checked, a cross over the
// viewer, and the status bar saying what the next drag does, also after a line and after the
// colour picker came and went; switching it off, or arming the crop tool, takes all three away.
TEST_F(PointerToolsTest, TheArmedDeskewLineShowsItselfUntilItIsSwitchedOff)
{
    ControlState& s = openAtActualSize(8, 300, 200);
    const auto shows = [&](bool on) {
        EXPECT_EQ(pressed(s.widgets.tbImaging, keys::miDeskewByLine), on);
        EXPECT_EQ(surface()->cursor().shape(), on ? Qt::CrossCursor : Qt::ArrowCursor);
        EXPECT_EQ(statusText(), on ? core_texts::kDeskewLineHint : core_texts::kIdleStatus);
    };
    click(s.widgets.tbImaging, keys::miDeskewByLine);
    shows(true);
    drag({20, 100}, {220, 80});
    ASSERT_TRUE(enabled(s.widgets.tbCommon, keys::miUndo));  // the line turned the page
    shows(true);
    click(s.widgets.tbCommon, keys::miGetPixel);
    click(s.widgets.tbCommon, keys::miGetPixel);
    shows(true);
    click(s.widgets.tbImaging, keys::miDeskewByLine);
    shows(false);

    click(s.widgets.tbImaging, keys::miDeskewByLine);
    click(s.widgets.tbImaging, keys::miCrop);
    EXPECT_EQ(s.tools.m_DeskewLineMode(), 0);
    shows(false);
}

TEST_F(PointerToolsTest, TheTrimBoxStartsAroundTheFittedPageAndRemembersItself4PixelsInside)
{
    ControlState& s = openAtActualSize(8, 200, 400);  // portrait
    EXPECT_FALSE(enabled(s.widgets.tbImaging, keys::miTrim2));
    click(s.widgets.tbCommon, keys::miTrimRegion);
    EXPECT_TRUE(pressed(s.widgets.tbCommon, keys::miTrimRegion));
    EXPECT_TRUE(enabled(s.widgets.tbImaging, keys::miTrim2));
    const double wv = s.widgets.mtMain->width(), hv = s.widgets.mtMain->height();
    const double left = (wv - hv * 200 / 400) / 2 + 5;
    EXPECT_FLOAT_EQ(s.tools.m_TrimBoxLeft, float(left));
    EXPECT_FLOAT_EQ(s.tools.m_TrimBoxTop, 5.0f);
    EXPECT_FLOAT_EQ(s.tools.m_TrimBoxRight, float(hv * 200 / 400 + left - 10));
    EXPECT_FLOAT_EQ(s.tools.m_TrimBoxBottom, float(hv - 10));
    EXPECT_EQ(s.tools.m_TrimFrame, QRectF(QPointF(s.tools.m_TrimBoxLeft, 5), QPointF(s.tools.m_TrimBoxRight, hv - 10)));

    // Moved by its inside: remembered 4 pixels inside the frame where it was left.
    const QRectF frame = s.tools.m_TrimFrame;
    const QPoint inside = frame.center().toPoint();
    QTest::mousePress(surface(), Qt::LeftButton, Qt::NoModifier, inside);
    QTest::mouseMove(surface(), inside + QPoint(10, 20));
    QTest::mouseRelease(surface(), Qt::LeftButton, Qt::NoModifier, inside + QPoint(10, 20));
    const QRectF movedFrame = frame.translated(10, 20);
    EXPECT_EQ(s.tools.m_TrimFrame, movedFrame);
    EXPECT_FLOAT_EQ(s.tools.m_TrimBoxLeft, float(movedFrame.left() + 4));
    EXPECT_FLOAT_EQ(s.tools.m_TrimBoxBottom, float(movedFrame.top() + movedFrame.height() - 4));
    EXPECT_TRUE(s.view.m_Selection.isEmpty());  // the press was the box's, not the page's

    click(s.widgets.tbCommon, keys::miTrimRegion);
    EXPECT_TRUE(s.tools.m_TrimFrame.isEmpty());
    EXPECT_FALSE(enabled(s.widgets.tbImaging, keys::miTrim2));
    click(s.widgets.tbCommon, keys::miTrimRegion);
    EXPECT_EQ(s.tools.m_TrimFrame, QRectF(QPointF(s.tools.m_TrimBoxLeft, s.tools.m_TrimBoxTop), QPointF(s.tools.m_TrimBoxRight, s.tools.m_TrimBoxBottom)));
}

// The box remembered where the user left it belongs to the document it was placed on: another
// document opens with the first box of its own page.
TEST_F(PointerToolsTest, AnotherDocumentOpensWithTheFirstTrimBoxOfItsOwnPage)
{
    ControlState& s = openAtActualSize(8, 200, 400);  // portrait
    click(s.widgets.tbCommon, keys::miTrimRegion);
    const QPoint inside = s.tools.m_TrimFrame.center().toPoint();
    QTest::mousePress(surface(), Qt::LeftButton, Qt::NoModifier, inside);
    QTest::mouseMove(surface(), inside + QPoint(30, 40));
    QTest::mouseRelease(surface(), Qt::LeftButton, Qt::NoModifier, inside + QPoint(30, 40));
    ASSERT_GT(s.tools.m_TrimBoxTop, 5.0f);

    const QString other = QStringLiteral("2024/box2");
    ASSERT_TRUE(QDir(s.props.m_LocalPath).mkpath(other));
    engine::SaveOptions options;
    options.format = engine::FormatTiffLzw;
    engine::SavePage(PatternPage(400, 200, 8), s.props.m_LocalPath + u'/' + other + QStringLiteral("/scan1.tif"), options);
    control->setDocName(other);
    control->SetDocument();

    ASSERT_TRUE(s.widgets.mtMain->hasImage());
    ASSERT_EQ(s.view.m_TrimRegionOn, 1);
    const double wv = s.widgets.mtMain->width(), hv = s.widgets.mtMain->height();
    EXPECT_FLOAT_EQ(s.tools.m_TrimBoxLeft, 5.0f);  // landscape: the box spans the width
    EXPECT_FLOAT_EQ(s.tools.m_TrimBoxTop, float((hv - wv * 200 / 400) / 2 + 5));
    EXPECT_FLOAT_EQ(s.tools.m_TrimBoxRight, float(wv - 10));
    EXPECT_EQ(s.tools.m_TrimFrame, QRectF(QPointF(s.tools.m_TrimBoxLeft, s.tools.m_TrimBoxTop), QPointF(s.tools.m_TrimBoxRight, s.tools.m_TrimBoxBottom)));
}

// At another scale and scrolled, a pointer position becomes image pixels through the painted
// (display) rectangle and the part of the page it shows (source rectangle).
TEST_F(PointerToolsTest, PointerPositionsBecomeImagePixelsThroughTheDisplayAndSourceRectangles)
{
    ControlState& s = openPage(8, 600, 900);
    s.widgets.mtMain->setPaintMode(engine::ImageViewer::PaintZoom);
    s.widgets.mtMain->setZoomPercent(200);
    s.widgets.mtMain->setScrollPosition(QPoint(150, 260));
    const QRect display = s.widgets.mtMain->displayRect();
    const QRectF source = s.widgets.mtMain->sourceRect();
    const auto toImage = [&](QPoint p) {
        return QPointF(source.left() + (p.x() - display.left()) * source.width() / display.width(),
                       source.top() + (p.y() - display.top()) * source.height() / display.height());
    };
    const QPoint from(40, 30), to(240, 130);
    QTest::mousePress(surface(), Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(surface(), to);
    QTest::mouseRelease(surface(), Qt::LeftButton, Qt::NoModifier, to);
    const QPointF a = toImage(from), b = toImage(to);
    EXPECT_EQ(s.view.m_Selection, QRect(QPoint(std::lround(a.x()), std::lround(a.y())),
                                   QPoint(std::lround(b.x()) - 1, std::lround(b.y()) - 1)));
    EXPECT_EQ(s.view.m_Selection.size(), QSize(100, 50));  // 200 by 100 screen pixels at 200 %
}

TEST_F(PointerToolsTest, WithTheCommentToolArmedAPressPlacesTheEntryBoxAtThePointer)
{
    ControlState& s = openAtActualSize(8);
    ArmPointerTool(s, PointerTool::Comment);
    const QPoint pointer = at({100, 80});
    QTest::mouseClick(surface(), Qt::LeftButton, Qt::NoModifier, pointer);
    const QPoint expected = surface()->mapTo(s.widgets.txtPageNumber->parentWidget(), pointer) - QPoint(4, 4);
    EXPECT_EQ(s.widgets.txtPageNumber->pos(), expected);
    EXPECT_TRUE(s.widgets.txtPageNumber->isVisible());
    EXPECT_TRUE(s.widgets.cmdFont->isVisible());
    EXPECT_EQ(s.widgets.cmdFont->pos(), QPoint(expected.x() + s.widgets.txtPageNumber->width() + 1, expected.y()));
    EXPECT_EQ(s.tools.m_CommentEntry, 1);  // the box has the keys
}

TEST_F(PointerToolsTest, TheGridShowsThirdsOrSixthsAndTheButtonHidesIt)
{
    ControlState& s = openAtActualSize(8);
    const auto visible = [&] {
        QList<int> shownLines;
        for (int i = 0; i < 10; ++i)
            if (s.widgets.linGrid[i]->isVisible())
                shownLines << i;
        return shownLines;
    };
    click(s.widgets.tbCommon, keys::miTwoLine);
    EXPECT_EQ(visible(), QList<int>({1, 3, 6, 8}));
    EXPECT_TRUE(pressed(s.widgets.tbCommon, keys::miGrid));
    click(s.widgets.tbCommon, keys::miFiveLine);
    EXPECT_EQ(visible().size(), 10);
    click(s.widgets.tbCommon, keys::miGrid);
    EXPECT_TRUE(visible().isEmpty());
    EXPECT_FALSE(pressed(s.widgets.tbCommon, keys::miGrid));
}

}  // namespace
}  // namespace scanvo::fixtures
