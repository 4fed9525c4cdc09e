// Cut, copy and paste of the selection: the control's own clipboard, the system clipboard and the
// remembered region.
#include "EditFixture.h"

#include "commands/CommandTexts.h"
#include "core/CommandKeys.h"
#include "core/CoreTexts.h"
#include "core/ToolbarKeys.h"
#include "core/ToolbarStates.h"
#include "platform/engine/ImageViewer.h"
#include "platform/engine/ops/Canvas.h"
#include "viewer/Selection.h"

#include <QClipboard>
#include <QGuiApplication>

namespace scanvo::fixtures {
namespace {

using ClipboardTest = EditTest;

bool AllWhite(const engine::Image& page, const QRect& rect)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (engine::ops::PixelColour(page, x, y) != 0xFFFFFF)
                return false;
    return true;
}

TEST_F(ClipboardTest, CopyTakesThePixelsAndLeavesThePageAndItsHistoryAlone)
{
    ControlState& s = openPage(24);
    const engine::Image loaded = page();
    EXPECT_FALSE(enabled(s.widgets.tbCommon, keys::miCopy));
    const QRect region(10, 20, 30, 15);
    SetSelection(s.view, s.widgets, region);
    SetClipboardButtons(s.widgets, 1);  // as drawing the selection does
    click(s.widgets.tbCommon, keys::miCopy);
    EXPECT_TRUE(s.clip.m_ClipboardImage.samePixels(engine::ops::Crop(loaded, region)));
    EXPECT_EQ(s.clip.m_SavedRegion, region);
    EXPECT_TRUE(page().samePixels(loaded));
    EXPECT_FALSE(s.doc.m_PageModified);
    EXPECT_EQ(s.m_History.UndoCount(), 0);
    EXPECT_FALSE(enabled(s.widgets.tbCommon, keys::miUndo));
    EXPECT_TRUE(enabled(s.widgets.tbCommon, keys::miPaste));
    EXPECT_TRUE(enabled(s.widgets.tbCommon, keys::miCopy));
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              s.clip.m_ClipboardImage.toQImage().convertToFormat(QImage::Format_RGB32));
}

TEST_F(ClipboardTest, CutWhitensTheSelectionAsOneUndoableEdit)
{
    ControlState& s = openPage(8);
    const engine::Image loaded = page();
    const QRect region(5, 5, 20, 12);
    SetSelection(s.view, s.widgets, region);
    SetClipboardButtons(s.widgets, 1);
    click(s.widgets.tbCommon, keys::miCut);
    EXPECT_TRUE(AllWhite(page(), region));
    EXPECT_TRUE(s.doc.m_PageModified);
    EXPECT_EQ(s.m_History.UndoCount(), 1);
    EXPECT_TRUE(s.clip.m_ClipboardImage.samePixels(engine::ops::Crop(loaded, region)));
    EXPECT_FALSE(enabled(s.widgets.tbCommon, keys::miCut));
    EXPECT_FALSE(enabled(s.widgets.tbCommon, keys::miCopy));
    EXPECT_TRUE(enabled(s.widgets.tbCommon, keys::miPaste));
    EXPECT_TRUE(enabled(s.widgets.tbCommon, keys::miUndo));
    EXPECT_EQ(statusText(), core_texts::kIdleStatus);

    click(s.widgets.tbCommon, keys::miPaste);
    EXPECT_TRUE(page().samePixels(loaded));
    EXPECT_EQ(s.m_History.UndoCount(), 2);
    EXPECT_TRUE(s.clip.m_SelectionPasted);
    EXPECT_EQ(s.view.m_Selection, region);
}

TEST_F(ClipboardTest, ABitonalSelectionGoesToTheSystemClipboardInvertedAndComesBackAsItWas)
{
    ControlState& s = openPage(1);
    const engine::Image loaded = page();
    const QRect region(8, 3, 40, 30);
    SetSelection(s.view, s.widgets, region);
    SetClipboardButtons(s.widgets, 1);
    click(s.widgets.tbCommon, keys::miCut);

    engine::Image inverted = engine::ops::Crop(loaded, region);
    engine::ops::Invert(inverted);
    const QImage offered = QGuiApplication::clipboard()->image();
    ASSERT_FALSE(offered.isNull());
    EXPECT_EQ(offered.convertToFormat(QImage::Format_RGB32), inverted.toQImage().convertToFormat(QImage::Format_RGB32));

    click(s.widgets.tbCommon, keys::miPaste);
    EXPECT_TRUE(page().samePixels(loaded));
}

TEST_F(ClipboardTest, PasteGoesBackToTheSavedRegionWhereverTheSelectionIsNow)
{
    ControlState& s = openPage(24);
    const engine::Image loaded = page();
    const QRect region(30, 40, 25, 20);
    SetSelection(s.view, s.widgets, region);
    SetClipboardButtons(s.widgets, 1);
    click(s.widgets.tbCommon, keys::miCopy);
    SetSelection(s.view, s.widgets, QRect(0, 0, 10, 10));  // moved elsewhere
    click(s.widgets.tbCommon, keys::miPaste);
    EXPECT_TRUE(page().samePixels(loaded));
    RemoveSelection(s.view, s.widgets);  // or gone
    click(s.widgets.tbCommon, keys::miPaste);
    EXPECT_TRUE(page().samePixels(loaded));
    EXPECT_EQ(s.view.m_Selection, region);
    EXPECT_EQ(s.m_History.UndoCount(), 2);
}

TEST_F(ClipboardTest, PasteBetweenDepthsSaysSoAndChangesNothing)
{
    ControlState& s = open({PatternPage(80, 60, 24), PatternPage(80, 60, 1)});
    SetSelection(s.view, s.widgets, QRect(2, 2, 20, 20));
    SetClipboardButtons(s.widgets, 1);
    click(s.widgets.tbCommon, keys::miCopy);
    click(s.widgets.tbCommon, keys::miNext);  // the clipboard outlives the page
    ASSERT_EQ(page().depth(), 1);
    EnableToolbarKey(s.widgets.tbCommon, QStringLiteral("miPaste"), true);
    const engine::Image bitonal = page();

    click(s.widgets.tbCommon, keys::miPaste);
    EXPECT_TRUE(page().samePixels(bitonal));
    EXPECT_EQ(s.m_History.UndoCount(), 0);
    EXPECT_FALSE(s.doc.m_PageModified);
    EXPECT_FALSE(enabled(s.widgets.tbCommon, keys::miUndo));
    EXPECT_EQ(statusText(), core_texts::kIdleStatus);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_EQ(prompter.messages[0].text, command_texts::kPasteIncompatible);
    EXPECT_EQ(prompter.messages[0].title, core_texts::kTitleInformation);
    EXPECT_EQ(prompter.messages[0].icon, MessageIcon::Warning);
}

}  // namespace
}  // namespace scanvo::fixtures
