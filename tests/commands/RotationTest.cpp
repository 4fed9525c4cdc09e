// Rotation and deskew through the editing toolbar, the deskew line and frmDeskewX.
#include "EditFixture.h"

#include "commands/CommandTexts.h"
#include "commands/size/Rotation.h"
#include "core/CommandKeys.h"
#include "core/CoreTexts.h"
#include "core/DocumentType.h"
#include "core/ToolbarKeys.h"
#include "fixtures/PageGenerator.h"
#include "platform/engine/ImageFile.h"
#include "platform/engine/ImageViewer.h"
#include "platform/engine/ops/Geometry.h"
#include "platform/engine/ops/OpFlags.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"
#include "viewer/PageDisplay.h"
#include "viewer/ToolModes.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <cmath>

namespace scanvo::fixtures {
namespace {

using RotationTest = EditTest;
namespace ops = engine::ops;

engine::Image Rotated(const engine::Image& page, int angle, int flags)
{
    engine::Image turned = page;
    ops::Rotate(turned, angle, flags, ops::kWhite);
    return turned;
}

TEST_F(RotationTest, RightThenLeftGivesThePixelsBackWithTwoUndoLevels)
{
    for (int depth : {1, 8, 24}) {
        SCOPED_TRACE(depth);
        ControlState& s = openPage(depth, 200, 300);
        const engine::Image loaded = page();
        click(s.widgets.tbImaging, keys::miRotateRight);
        EXPECT_EQ(page().width(), 300);  // the canvas turns with the page
        EXPECT_EQ(page().height(), 200);
        EXPECT_TRUE(page().samePixels(Rotated(loaded, ops::kQuarterTurn, ops::kRotateFixedFlags)));
        click(s.widgets.tbImaging, keys::miRotateLeft);
        EXPECT_TRUE(page().samePixels(loaded));
        EXPECT_EQ(s.m_History.UndoCount(), 2);
        EXPECT_TRUE(s.doc.m_PageModified);
        click(s.widgets.tbImaging, keys::miRotate180);
        click(s.widgets.tbImaging, keys::miRotate180);
        EXPECT_TRUE(page().samePixels(loaded));
        control.reset();
    }
}

TEST_F(RotationTest, AJpegPageShownReducedIsTurnedAndSavedWhole)
{
    constexpr int kWide = 1654, kHigh = 2339;  // A4 at 200 dpi
    WriteJpeg(documentFile("p1.jpg"), kWide, kHigh);
    WriteJpeg(documentFile("p2.jpg"), kWide, kHigh);
    ControlState& s = showControl(DocTypeSinglePageJpeg);
    s.widgets.mtMain->setPaintMode(engine::ImageViewer::PaintFitWindow);
    ShowPage(s, 1);
    ASSERT_TRUE(s.widgets.mtMain->isReduced());
    const engine::Image stored = engine::LoadPage(documentFile("p1.jpg"));

    click(s.widgets.tbImaging, keys::miRotateRight);
    EXPECT_FALSE(s.widgets.mtMain->isReduced());
    EXPECT_TRUE(page().samePixels(Rotated(stored, ops::kQuarterTurn, ops::kRotateFixedFlags)));
    // The undo snapshot is the whole page too.
    click(s.widgets.tbCommon, keys::miUndo);
    EXPECT_TRUE(page().samePixels(stored));
    click(s.widgets.tbImaging, keys::miRotateRight);

    s.doc.m_CurrentPage = 2;
    ShowPage(s, 2);
    EXPECT_TRUE(s.widgets.mtMain->isReduced());
    const engine::Image saved = engine::LoadPage(documentFile("p1.jpg"));
    EXPECT_EQ(saved.width(), kHigh);
    EXPECT_EQ(saved.height(), kWide);
}

TEST_F(RotationTest, TheRotateButtonRunsTheVariantItsIndexChoosesAndNothingForAnUnknownOne)
{
    ControlState& s = openPage(8, 60, 40);
    const engine::Image loaded = page();
    const struct {
        qint16 index;
        int angle;
    } variants[] = {{0, ops::kQuarterTurn}, {1, -ops::kQuarterTurn}, {2, ops::kHalfTurn}};
    for (const auto& variant : variants) {
        SCOPED_TRACE(variant.index);
        g_Settings.Imaging.RotateIndex = variant.index;
        const engine::Image before = page();
        click(s.widgets.tbImaging, keys::miRotate);
        EXPECT_TRUE(page().samePixels(Rotated(before, variant.angle, ops::kRotateFixedFlags)));
    }

    g_Settings.Imaging.RotateIndex = 7;  // edited by hand
    const engine::Image before = page();
    const int levels = s.m_History.UndoCount();
    click(s.widgets.tbImaging, keys::miRotate);
    EXPECT_TRUE(page().samePixels(before));
    EXPECT_EQ(s.m_History.UndoCount(), levels);
    click(s.widgets.tbImaging, keys::miRotateRight);  // the menu still works
    EXPECT_EQ(s.m_History.UndoCount(), levels + 1);
}

TEST_F(RotationTest, AutomaticDeskewLevelsASkewedPage)
{
    testing::PageOptions options;
    options.width = 1240;
    options.height = 1754;
    options.dpi = 150;
    options.skewDegrees = 2.5;
    ControlState& s = open({testing::GeneratePage(options).page});
    ASSERT_GT(std::abs(ops::DetectSkew(page()).degrees), 2.0);
    g_Settings.Imaging.DeskewIndex = 0;
    click(s.widgets.tbImaging, keys::miDeskew);
    EXPECT_LT(std::abs(ops::DetectSkew(page()).degrees), 0.3);
    EXPECT_EQ(page().width(), 1240);  // the size is kept
    EXPECT_EQ(s.m_History.UndoCount(), 1);
}

// Lines drawn along a text line, in image pixels; the sense of the turn follows the line, not
// the direction it was drawn in.
TEST_F(RotationTest, DeskewByLineTurnsTowardsLevelWhicheverWayTheLineWasDrawn)
{
    ControlState& s = openPage(8, 400, 300);
    const engine::Image loaded = page();
    const struct {
        QPointF from, to;
        int expected;
    } lines[] = {
        {{100, 200}, {900, 180}, 143},   // rises to the right: clockwise
        {{900, 180}, {100, 200}, 143},   // the same line drawn right to left
        {{100, 180}, {900, 200}, -143},  // falls to the right: anticlockwise
        {{900, 200}, {100, 180}, -143},
    };
    for (const auto& line : lines) {
        SCOPED_TRACE(line.expected);
        s.tools.m_LineX1 = float(line.from.x());
        s.tools.m_LineY1 = float(line.from.y());
        s.tools.m_LineX2 = float(line.to.x());
        s.tools.m_LineY2 = float(line.to.y());
        DeskewByLine(s, LineAngle(line.from.x(), line.from.y(), line.to.x(), line.to.y()));
        EXPECT_TRUE(page().samePixels(Rotated(loaded, line.expected, ops::kRotateKeepSize)));
        click(s.widgets.tbCommon, keys::miUndo);
    }
    EXPECT_LT(LineAngle(100, 200, 900, 200), 0);  // level: nothing to turn
    EXPECT_LT(LineAngle(300, 10, 300, 500), 0);   // upright
    EXPECT_NEAR(LineAngle(0, 0, 100, 100), 4500, 0.01);
}

TEST_F(RotationTest, DeskewByLineGrowsTheCanvasOnlyWhenTheSettingSaysSo)
{
    ControlState& s = openPage(24, 200, 100);
    s.tools.m_LineX1 = 0, s.tools.m_LineY1 = 50, s.tools.m_LineX2 = 100, s.tools.m_LineY2 = 40;
    g_Settings.Imaging.RotateFlag = 2;
    DeskewByLine(s, LineAngle(0, 50, 100, 40));
    EXPECT_EQ(page().width(), 200);
    EXPECT_EQ(page().height(), 100);
    g_Settings.Imaging.RotateFlag = 1;
    DeskewByLine(s, LineAngle(0, 50, 100, 40));
    EXPECT_GT(page().width(), 200);
    EXPECT_GT(page().height(), 100);
}

TEST_F(RotationTest, DeskewLineModeSwitchesEveryOtherToolOffAndBack)
{
    ControlState& s = openPage(8);
    ArmPointerTool(s, PointerTool::ClearInside);
    FindToolbarAction(s.widgets.tbImaging, QStringLiteral("miClear"))->setChecked(true);
    s.view.m_Selection = QRect(1, 1, 10, 10);
    g_Settings.Imaging.DeskewIndex = 1;
    click(s.widgets.tbImaging, keys::miDeskew);
    EXPECT_EQ(s.tools.m_DeskewLineMode(), 1);
    EXPECT_EQ(s.tools.m_ClearToolOn(), 0);
    EXPECT_EQ(s.tools.m_PaintToolOn(), 0);
    EXPECT_FALSE(FindToolbarAction(s.widgets.tbImaging, QStringLiteral("miClear"))->isChecked());
    EXPECT_EQ(s.view.m_RegionShape, 0);
    EXPECT_TRUE(s.view.m_Selection.isEmpty());
    click(s.widgets.tbImaging, keys::miDeskewByLine);
    EXPECT_EQ(s.tools.m_DeskewLineMode(), 0);
    EXPECT_EQ(s.view.m_RegionShape, 1);
}

// The dialog as the user drives it: keys into the angle box, the slider, OK or cancel.
struct DeskewXScript {
    std::function<void(QDialog&, QLineEdit*, QScrollBar*)> steps;
    const char* button;
    int operator()(QDialog& dialog) const
    {
        dialog.show();
        steps(dialog, dialog.findChild<QLineEdit*>(QStringLiteral("txtPercent")),
              dialog.findChild<QScrollBar*>(QStringLiteral("sbPercent")));
        dialog.findChild<QPushButton*>(QString::fromLatin1(button))->click();
        return dialog.result();
    }
};

void Type(QLineEdit* box, const QString& text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

TEST_F(RotationTest, TheAngleBoxRefusesMoreThan45DegreesAndPreviewsWhatItAccepts)
{
    ControlState& s = openPage(24, 160, 120);
    const engine::Image loaded = page();
    engine::Image previewed;
    prompter.dialogScripts.enqueue(DeskewXScript{
        [&](QDialog& dialog, QLineEdit* box, QScrollBar* slider) {
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("手工纠斜"));
            EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("lblPercent"))->text(), QStringLiteral("纠斜度："));
            EXPECT_EQ(box->text(), QStringLiteral("0"));
            EXPECT_EQ(slider->minimum(), -450);
            EXPECT_EQ(slider->maximum(), 450);
            Type(box, QStringLiteral("46"));
            EXPECT_EQ(prompter.messageTexts(), QStringList{command_texts::kDeskewXRange});
            EXPECT_EQ(slider->value(), 0);
            EXPECT_TRUE(page().samePixels(loaded));
            EXPECT_TRUE(dialog.isVisible());  // Enter is the box's, not the OK button's

            Type(box, QStringLiteral("-1x2.5"));  // letters are filtered out
            EXPECT_EQ(box->text(), QStringLiteral("-12.5"));
            EXPECT_EQ(slider->value(), -125);
            EXPECT_TRUE(page().samePixels(Rotated(loaded, -1250, ops::kRotateKeepSize)));
            slider->setValue(31);
            EXPECT_EQ(box->text(), QStringLiteral("3.1"));
            previewed = page();
        },
        "cmdOK"});
    g_Settings.Imaging.DeskewIndex = 2;
    click(s.widgets.tbImaging, keys::miDeskew);
    EXPECT_TRUE(page().samePixels(Rotated(loaded, 310, ops::kRotateKeepSize)));
    EXPECT_TRUE(page().samePixels(previewed));
    EXPECT_EQ(s.m_History.UndoCount(), 1);
    EXPECT_TRUE(s.doc.m_PageModified);
    EXPECT_TRUE(enabled(s.widgets.tbCommon, keys::miUndo));
    click(s.widgets.tbCommon, keys::miUndo);
    EXPECT_TRUE(page().samePixels(loaded));
}

// OK takes the angle in the box even when it was typed without Enter, and refuses one out of range
// as Enter does, keeping the dialog open.
TEST_F(RotationTest, OkAppliesTheTypedAngleAndRefusesOneOutOfRange)
{
    ControlState& s = openPage(24, 160, 120);
    const engine::Image loaded = page();
    const auto typeOnly = [](QLineEdit* box, const QString& text) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    };
    prompter.dialogScripts.enqueue([&](QDialog& dialog) {
        dialog.show();
        auto* box = dialog.findChild<QLineEdit*>(QStringLiteral("txtPercent"));
        auto* slider = dialog.findChild<QScrollBar*>(QStringLiteral("sbPercent"));
        auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"));
        slider->setValue(-50);  // an older preview the typed number must replace
        typeOnly(box, QStringLiteral("46"));
        ok->click();
        EXPECT_EQ(prompter.messageTexts(), QStringList{command_texts::kDeskewXRange});
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(slider->value(), -50);
        EXPECT_TRUE(page().samePixels(Rotated(loaded, -500, ops::kRotateKeepSize)));
        typeOnly(box, QStringLiteral("3"));
        ok->click();
        return dialog.result();
    });
    click(s.widgets.tbImaging, keys::miRotateAngle);
    EXPECT_TRUE(page().samePixels(Rotated(loaded, 300, ops::kRotateKeepSize)));
    EXPECT_EQ(s.m_History.UndoCount(), 1);
    click(s.widgets.tbCommon, keys::miUndo);
    EXPECT_TRUE(page().samePixels(loaded));
}

TEST_F(RotationTest, CancellingTheAngleDialogPutsEverythingBack)
{
    ControlState& s = openPage(8, 160, 120);
    const engine::Image loaded = page();
    prompter.dialogScripts.enqueue(DeskewXScript{
        [&](QDialog& dialog, QLineEdit*, QScrollBar* slider) {
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("旋转任意角度"));
            EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("lblPercent"))->text(), QStringLiteral("旋转角度："));
            dialog.findChild<QCheckBox*>(QStringLiteral("chkResize"))->setChecked(true);
            slider->setValue(-300);
            EXPECT_TRUE(page().samePixels(Rotated(loaded, -3000, ops::kRotateFixedFlags)));
        },
        "cmdCancel"});
    click(s.widgets.tbImaging, keys::miRotateAngle);
    EXPECT_TRUE(page().samePixels(loaded));
    EXPECT_EQ(s.m_History.UndoCount(), 0);
    EXPECT_FALSE(s.doc.m_PageModified);
    EXPECT_FALSE(enabled(s.widgets.tbCommon, keys::miUndo));
    EXPECT_EQ(statusText(), core_texts::kIdleStatus);
}

TEST_F(RotationTest, TheDeskewOptionsDialogStoresTheRotateFlag)
{
    ControlState& s = openPage(8);
    prompter.dialogScripts.enqueue([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("图像旋转&纠斜设置"));
        EXPECT_TRUE(dialog.findChild<QRadioButton*>(QStringLiteral("optDeskewFlag1"))->isChecked());
        dialog.findChild<QRadioButton*>(QStringLiteral("optDeskewFlag0"))->setChecked(true);
        dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        return dialog.result();
    });
    click(s.widgets.tbMain, keys::miDeskewSetting);
    EXPECT_EQ(g_Settings.Imaging.RotateFlag, 1);
    EXPECT_EQ(GetIniString(IniFilePath(), QStringLiteral("Imaging"), QStringLiteral("RotateFlag")), QStringLiteral("1"));
}

}  // namespace
}  // namespace scanvo::fixtures
