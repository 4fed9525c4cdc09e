// Region clear, crop, trim and centring through the editing toolbar and the pointer.
#include "PointerFixture.h"

#include "commands/edit/EditCommands.h"
#include "commands/edit/PointerCommands.h"
#include "commands/region/RegionCommands.h"
#include "core/CommandKeys.h"
#include "core/ToolbarKeys.h"
#include "platform/engine/ops/Canvas.h"
#include "platform/engine/ops/Geometry.h"
#include "platform/engine/ops/OpFlags.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"
#include "viewer/Selection.h"
#include "viewer/ToolModes.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace scanvo::fixtures {
namespace {

namespace ops = engine::ops;

class RegionCommandsTest : public PointerTest {
protected:
    // A selection finished on a page too large to draw on at actual size: the gesture's result.
    void finishSelection(const QRect& rect)
    {
        SetSelection(shown().view, shown().widgets, rect);
        OnRegionDrawn(shown(), rect);
    }
};

// page is white everywhere outside rect.
bool WhiteOutside(const engine::Image& page, const QRect& rect)
{
    engine::Image blanked = page;
    ops::FillRect(blanked, rect, ops::kWhite);
    return blanked.samePixels(ops::WhiteCanvas(page, page.width(), page.height()));
}

bool SameRect(const engine::Image& a, const QRect& inA, const engine::Image& b, const QRect& inB)
{
    return ops::Crop(a, inA).samePixels(ops::Crop(b, inB));
}

// A white page with a dark block of grey value at rect.
engine::Image PageWithBlock(int depth, const QRect& rect, quint32 colour)
{
    engine::Image page = engine::Image::create(400, 300, depth);
    ops::Fill(page, ops::kWhite);
    ops::FillRect(page, rect, colour);
    return page;
}

TEST_F(RegionCommandsTest, WithClearInsideOnEachDrawnSelectionTurnsWhiteAtOnce)
{
    for (int depth : {1, 8, 24}) {
        SCOPED_TRACE(depth);
        ControlState& s = openAtActualSize(depth);
        const engine::Image loaded = page();
        click(s.widgets.tbImaging, keys::miClear);
        EXPECT_TRUE(pressed(s.widgets.tbImaging, keys::miClear));
        EXPECT_EQ(s.tools.m_ClearToolOn(), 1);
        drag({20, 30}, {80, 70});
        const QRect first(20, 30, 60, 40);
        EXPECT_TRUE(ops::Crop(page(), first).samePixels(ops::WhiteCanvas(page(), 60, 40)));
        EXPECT_FALSE(HasRegion(s.view, s.widgets));
        EXPECT_FALSE(enabled(s.widgets.tbCommon, keys::miCopy));  // the tool, not the clipboard, took the selection
        drag({100, 100}, {150, 140});
        EXPECT_TRUE(ops::Crop(page(), QRect(100, 100, 50, 40)).samePixels(ops::WhiteCanvas(page(), 50, 40)));
        EXPECT_TRUE(SameRect(page(), QRect(0, 0, 20, 150), loaded, QRect(0, 0, 20, 150)));
        EXPECT_EQ(s.m_History.UndoCount(), 2);
        click(s.widgets.tbImaging, keys::miClear);
        EXPECT_EQ(s.tools.m_ClearToolOn(), 0);
        EXPECT_FALSE(pressed(s.widgets.tbImaging, keys::miClear));
        control.reset();
    }
}

TEST_F(RegionCommandsTest, ArmingOneRegionToolReleasesTheOthersTheCommentToolAndLineMode)
{
    ControlState& s = openAtActualSize(8);
    click(s.widgets.tbImaging, keys::miClear);
    click(s.widgets.tbImaging, keys::miTrim);
    EXPECT_FALSE(pressed(s.widgets.tbImaging, keys::miClear));
    EXPECT_EQ(s.tools.m_ClearToolOn(), 0);
    EXPECT_EQ(s.tools.m_TrimToolOn(), 1);
    ArmPointerTool(s, PointerTool::Comment);
    FindToolbarAction(s.widgets.tbImaging, QString::fromLatin1(keys::miInsertComment))->setChecked(true);
    click(s.widgets.tbImaging, keys::miDeskewByLine);
    ASSERT_EQ(s.tools.m_DeskewLineMode(), 1);
    click(s.widgets.tbCommon, keys::miGetPixel);
    click(s.widgets.tbImaging, keys::miCrop);
    EXPECT_EQ(s.tools.m_CropToolOn(), 1);
    EXPECT_TRUE(pressed(s.widgets.tbImaging, keys::miCrop));
    for (const char* key : {keys::miClear, keys::miTrim, keys::miInsertComment})
        EXPECT_FALSE(pressed(s.widgets.tbImaging, key)) << key;
    EXPECT_EQ(s.tools.m_TrimToolOn() + s.tools.m_ClearToolOn() + s.tools.m_CommentToolOn(), 0);
    EXPECT_EQ(s.tools.m_DeskewLineMode(), 0);
    EXPECT_EQ(s.tools.m_PickColorOn(), 0);
    EXPECT_EQ(s.view.m_RegionShape, 1);  // drawing selections again

    // The crop tool crops to each selection drawn.
    drag({10, 20}, {110, 70});
    EXPECT_EQ(page().width(), 100);
    EXPECT_EQ(page().height(), 50);
}

TEST_F(RegionCommandsTest, ClearOutsideKeepsTheRectangleOnAWhitePageOnEveryDepth)
{
    const QRect rect(100, 100, 500, 300);
    for (int depth : {1, 8, 24}) {
        SCOPED_TRACE(depth);
        ControlState& s = open({PatternPage(2000, 3000, depth)});
        const engine::Image loaded = page();
        click(s.widgets.tbImaging, keys::miTrim);
        finishSelection(rect);
        EXPECT_EQ(page().width(), 2000);
        EXPECT_EQ(page().height(), 3000);
        EXPECT_EQ(page().depth(), depth);
        EXPECT_TRUE(WhiteOutside(page(), rect));
        EXPECT_TRUE(SameRect(page(), rect, loaded, rect));
        EXPECT_TRUE(enabled(s.widgets.tbCommon, keys::miCopy));  // the clear-outside tool leaves the selection to copy
        EXPECT_EQ(s.m_History.UndoCount(), 1);

        g_Settings.Imaging.TrimAutoCenter = 1;
        click(s.widgets.tbCommon, keys::miUndo);
        finishSelection(rect);
        const QRect centred(750, 1350, 500, 300);
        EXPECT_TRUE(WhiteOutside(page(), centred));
        EXPECT_TRUE(SameRect(page(), centred, loaded, rect));
        g_Settings.Imaging.TrimAutoCenter = 0;
        control.reset();
    }
}

// An 8-bit page with a palette: grey (levels of grey in palette order) or colour.
engine::Image PalettePage(bool grey)
{
    QImage indexed(300, 200, QImage::Format_Indexed8);
    QList<QRgb> colours;
    for (int i = 0; i < 256; ++i)
        colours << (grey ? qRgb(i, i, i) : qRgb(i, 255 - i, (i * 7) & 255));
    if (!grey)
        colours[255] = qRgb(255, 255, 255);
    indexed.setColorTable(colours);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x)
            indexed.setPixel(x, y, (x * 3 + y) % 255);
    return engine::Image::fromQImage(indexed);
}

TEST_F(RegionCommandsTest, PalettePagesGetAWhiteSurroundToo)
{
    const QRect rect(30, 40, 100, 50);
    for (bool grey : {true, false}) {
        SCOPED_TRACE(grey ? "grey palette" : "colour palette");
        ControlState& s = open({PalettePage(grey)});
        const engine::Image loaded = page();
        SetSelection(s.view, s.widgets, rect);
        ClearOutside(s);
        EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messageTexts().join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(s.m_History.UndoCount(), 1);
        EXPECT_EQ(ops::PixelColour(page(), 5, 5), ops::kWhite);
        EXPECT_EQ(ops::PixelColour(page(), 299, 199), ops::kWhite);
        for (QPoint p : {QPoint(30, 40), QPoint(129, 89), QPoint(77, 61)})
            EXPECT_EQ(ops::PixelColour(page(), p.x(), p.y()), ops::PixelColour(loaded, p.x(), p.y()));
        control.reset();
    }
}

TEST_F(RegionCommandsTest, ClearOutsideKeepsWhatWasCopiedForPaste)
{
    ControlState& s = openAtActualSize(24);
    drag({10, 10}, {40, 30});
    click(s.widgets.tbCommon, keys::miCopy);
    const engine::Image copied = s.clip.m_ClipboardImage;
    ASSERT_FALSE(copied.isNull());
    click(s.widgets.tbImaging, keys::miTrim);
    drag({100, 50}, {180, 120});
    EXPECT_TRUE(s.clip.m_ClipboardImage.samePixels(copied));
    click(s.widgets.tbCommon, keys::miPaste);
    EXPECT_TRUE(ops::Crop(page(), QRect(10, 10, 30, 20)).samePixels(copied));
}

TEST_F(RegionCommandsTest, CropToTheSelectionAndOptionallyBackToThePageSize)
{
    ControlState& s = open({PatternPage(2000, 3000, 8)});
    const engine::Image loaded = page();
    const QRect rect(100, 100, 500, 300);
    click(s.widgets.tbImaging, keys::miCrop);
    finishSelection(rect);
    EXPECT_EQ(page().width(), 500);
    EXPECT_EQ(page().height(), 300);
    EXPECT_TRUE(page().samePixels(ops::Crop(loaded, rect)));
    EXPECT_FALSE(HasRegion(s.view, s.widgets));

    g_Settings.Imaging.CropAutoResize = 1;
    click(s.widgets.tbCommon, keys::miUndo);
    finishSelection(rect);
    EXPECT_EQ(page().width(), 2000);
    EXPECT_EQ(page().height(), 3000);
    engine::Image stretched = ops::Crop(loaded, rect);
    ops::Resize(stretched, 2000, 3000, ops::kResizeSmooth);
    EXPECT_TRUE(page().samePixels(stretched));
    EXPECT_EQ(s.m_History.UndoCount(), 1);
}

TEST_F(RegionCommandsTest, CropWithoutASelectionUsesAutoTrimAndCentringAlwaysUses64)
{
    const QRect block(40, 50, 100, 60);
    // A light grey block: 40 from white, margin for a tolerance above that.
    ControlState& s = open({PageWithBlock(8, block, 0xD7D7D7)});
    const engine::Image loaded = page();
    g_Settings.Imaging.AutoTrim = 50;
    Crop(s);
    EXPECT_TRUE(page().samePixels(loaded));  // all margin: kept whole
    g_Settings.Imaging.AutoTrim = 30;
    Crop(s);
    EXPECT_EQ(page().width(), 100);
    EXPECT_EQ(page().height(), 60);
    EXPECT_EQ(s.m_History.UndoCount(), 2);

    // A dark block moves to the centre with the tolerance 64, whatever AutoTrim says.
    control.reset();
    ControlState& t = open({PageWithBlock(24, block, 0x303030)});
    const engine::Image dark = page();
    g_Settings.Imaging.AutoTrim = 244;
    click(t.widgets.tbImaging, keys::miCenterTB);  // the kind counts only with a selection
    const QRect centred(150, 120, 100, 60);
    EXPECT_TRUE(WhiteOutside(page(), centred));
    EXPECT_TRUE(SameRect(page(), centred, dark, block));
}

TEST_F(RegionCommandsTest, CentringASelectionByKind)
{
    ControlState& s = open({PatternPage(2000, 3000, 1)});
    const engine::Image loaded = page();
    const QRect rect(100, 400, 500, 300);
    const struct {
        const char* key;
        QPoint to;
    } kinds[] = {{keys::miCenterLR, {750, 400}},
                 {keys::miCenterTB, {100, 1350}},
                 {keys::miCenterAll, {750, 1350}},
                 {keys::miMoveLT, {0, 0}}};
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.key);
        SetSelection(s.view, s.widgets, rect);
        click(s.widgets.tbImaging, kind.key);
        const QRect placed(kind.to, rect.size());
        EXPECT_TRUE(WhiteOutside(page(), placed));
        EXPECT_TRUE(SameRect(page(), placed, loaded, rect));
        EXPECT_FALSE(HasRegion(s.view, s.widgets));
        click(s.widgets.tbCommon, keys::miUndo);
    }
    // The button runs the kind Imaging.AlignIndex chooses.
    g_Settings.Imaging.AlignIndex = 3;
    SetSelection(s.view, s.widgets, rect);
    click(s.widgets.tbImaging, keys::miCenterImage);
    EXPECT_TRUE(SameRect(page(), QRect(QPoint(0, 0), rect.size()), loaded, rect));
}

TEST_F(RegionCommandsTest, TrimBoxClearNeedsABoxAndWhitensOutsideIt)
{
    ControlState& s = openAtActualSize(24, 400, 300);
    const engine::Image loaded = page();
    EXPECT_FALSE(enabled(s.widgets.tbImaging, keys::miTrim2));
    ClearOutsideTrimBox(s);  // no box: nothing, not even an undo level
    EXPECT_TRUE(page().samePixels(loaded));
    EXPECT_EQ(s.m_History.UndoCount(), 0);
    EXPECT_FALSE(enabled(s.widgets.tbCommon, keys::miUndo));

    click(s.widgets.tbCommon, keys::miTrimRegion);
    const QRect box = TrimBoxImageRect(s.view, s.tools, s.widgets);
    ASSERT_FALSE(box.isEmpty());
    click(s.widgets.tbImaging, keys::miTrim2);
    EXPECT_TRUE(WhiteOutside(page(), box));
    EXPECT_TRUE(SameRect(page(), box, loaded, box));
    EXPECT_EQ(s.m_History.UndoCount(), 1);
}

TEST_F(RegionCommandsTest, AutoTrimOptionsAcceptOneTo244)
{
    ControlState& s = openPage(8);
    const struct {
        const char* typed;
        bool accepted;
    } cases[] = {{"0", false}, {"245", false}, {"99999", false}, {"1", true}, {"244", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        prompter.messages.clear();
        const qint16 before = g_Settings.Imaging.AutoTrim;
        prompter.dialogScripts.enqueue([&](QDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("自动裁剪设置"));
            auto* box = dialog.findChild<QLineEdit*>(QStringLiteral("txtValue"));
            EXPECT_EQ(box->text(), QString::number(before));
            box->setText(QString::fromLatin1(c.typed));
            dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
            if (!c.accepted)
                dialog.findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
            return dialog.result();
        });
        click(s.widgets.tbMain, keys::miAutoTrimSetting);
        if (c.accepted) {
            EXPECT_TRUE(prompter.messages.isEmpty());
            EXPECT_EQ(g_Settings.Imaging.AutoTrim, QString::fromLatin1(c.typed).toInt());
            EXPECT_EQ(GetIniString(IniFilePath(), QStringLiteral("Imaging"), QStringLiteral("AutoTrim")),
                      QString::fromLatin1(c.typed));
        } else {
            EXPECT_EQ(prompter.messageTexts(), QStringList{QStringLiteral("输入的值不正确！    ")});
            EXPECT_EQ(g_Settings.Imaging.AutoTrim, before);
        }
    }
    // An empty box only takes the focus back.
    prompter.messages.clear();
    prompter.dialogScripts.enqueue([&](QDialog& dialog) {
        auto* box = dialog.findChild<QLineEdit*>(QStringLiteral("txtValue"));
        box->clear();
        dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        EXPECT_EQ(dialog.focusWidget(), box);
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        dialog.findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
        return dialog.result();
    });
    click(s.widgets.tbMain, keys::miAutoTrimSetting);
    EXPECT_TRUE(prompter.messages.isEmpty());
}

}  // namespace
}  // namespace scanvo::fixtures
