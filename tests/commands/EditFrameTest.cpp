// The command frame and the page history through the control: every edit is one undo level,
// undo and redo walk the levels and keep the buttons in step, and a failed edit changes nothing.
#include "EditFixture.h"

#include "commands/CommandFrame.h"
#include "control/ToolbarDispatch.h"
#include "control/ToolbarTables.h"
#include "core/CommandKeys.h"
#include "core/CoreTexts.h"
#include "core/FileListView.h"
#include "core/ToolbarKeys.h"
#include "platform/engine/EngineError.h"
#include "platform/engine/ImageViewer.h"
#include "platform/engine/ops/Canvas.h"
#include "platform/engine/ops/OpFlags.h"

#include <QApplication>

#include <leptonica/allheaders.h>

#include <cstdlib>

#include <random>
#include <stdexcept>

namespace scanvo::fixtures {
namespace {

using EditFrameTest = EditTest;

// An edit that leaves its mark: a stripe of its own grey at its own row.
bool StripeCommand(ControlState& state, int mark)
{
    return RunPageCommand(state, QStringLiteral("条纹..."), [mark](engine::Image& page) {
        engine::ops::FillRect(page, QRect(0, mark % page.height(), page.width(), 2), quint32(mark * 0x030507) & 0xFFFFFF);
    });
}

TEST_F(EditFrameTest, AfterAPageIsShownUndoAndRedoAreDisabledAndDoNothing)
{
    ControlState& s = openPage(24);
    const engine::Image loaded = page();
    EXPECT_FALSE(enabled(s.widgets.tbCommon, keys::miUndo));
    EXPECT_FALSE(enabled(s.widgets.tbCommon, keys::miRedo));
    EXPECT_TRUE(page().samePixels(loaded));
    EXPECT_FALSE(s.doc.m_PageModified);

    ASSERT_TRUE(StripeCommand(s, 5));
    EXPECT_TRUE(enabled(s.widgets.tbCommon, keys::miUndo));
    EXPECT_FALSE(enabled(s.widgets.tbCommon, keys::miRedo));
    EXPECT_TRUE(s.doc.m_PageModified);
    EXPECT_EQ(statusText(), core_texts::kIdleStatus);
}

TEST_F(EditFrameTest, ThreeEditsAndThreeUndosGiveThePageBackBitForBit)
{
    for (int depth : {1, 8, 24}) {
        SCOPED_TRACE(depth);
        ControlState& s = openPage(depth);
        const engine::Image loaded = page();
        for (int mark = 1; mark <= 3; ++mark)
            ASSERT_TRUE(StripeCommand(s, mark * 20));
        EXPECT_EQ(s.m_History.UndoCount(), 3);

        click(s.widgets.tbCommon, keys::miUndo);
        EXPECT_TRUE(enabled(s.widgets.tbCommon, keys::miRedo));
        click(s.widgets.tbCommon, keys::miUndo);
        click(s.widgets.tbCommon, keys::miUndo);
        EXPECT_FALSE(enabled(s.widgets.tbCommon, keys::miUndo));
        EXPECT_TRUE(page().samePixels(loaded));
        EXPECT_EQ(s.m_History.RedoCount(), 3);
        control.reset();
    }
}

// Edits, undos and redos in random order, checked against a list of the pages the user has seen.
TEST_F(EditFrameTest, RandomEditsUndosAndRedosMatchAListModel)
{
    ControlState& s = openPage(24, 60, 40);
    std::vector<engine::Image> undo, redo;
    engine::Image current = page();
    std::mt19937 random(11);
    for (int step = 0; step < 120; ++step) {
        SCOPED_TRACE(step);
        switch (std::uniform_int_distribution<int>(0, 2)(random)) {
        case 0:
            ASSERT_TRUE(StripeCommand(s, step + 1));
            undo.push_back(current);
            redo.clear();
            current = page();
            break;
        case 1:
            if (undo.empty())
                break;
            click(s.widgets.tbCommon, keys::miUndo);
            redo.push_back(current);
            current = undo.back();
            undo.pop_back();
            break;
        default:
            if (redo.empty())
                break;
            click(s.widgets.tbCommon, keys::miRedo);
            undo.push_back(current);
            current = redo.back();
            redo.pop_back();
            break;
        }
        if (step % 17 == 0)
            s.m_History.WaitForPacking();  // some levels packed, some still as handed in
        ASSERT_TRUE(page().samePixels(current));
        ASSERT_EQ(s.m_History.UndoCount(), int(undo.size()));
        ASSERT_EQ(s.m_History.RedoCount(), int(redo.size()));
        ASSERT_EQ(enabled(s.widgets.tbCommon, keys::miUndo), !undo.empty());
        ASSERT_EQ(enabled(s.widgets.tbCommon, keys::miRedo), !redo.empty());
    }
}

TEST_F(EditFrameTest, AnEditAfterUndoForgetsRedo)
{
    ControlState& s = openPage(8);
    ASSERT_TRUE(StripeCommand(s, 3));
    ASSERT_TRUE(StripeCommand(s, 9));
    click(s.widgets.tbCommon, keys::miUndo);
    ASSERT_TRUE(enabled(s.widgets.tbCommon, keys::miRedo));
    ASSERT_TRUE(StripeCommand(s, 30));
    EXPECT_FALSE(enabled(s.widgets.tbCommon, keys::miRedo));
    EXPECT_EQ(s.m_History.RedoCount(), 0);
    EXPECT_EQ(s.m_History.UndoCount(), 2);
    EXPECT_FALSE(ClickToolbarKey(s.widgets.tbCommon, QStringLiteral("miRedo")));
}

TEST_F(EditFrameTest, UndoAndRedoMarkThePageModifiedEvenBackAtThePageAsLoaded)
{
    ControlState& s = openPage(1);
    ASSERT_TRUE(StripeCommand(s, 4));
    s.doc.m_PageModified = false;  // as after a write-back
    click(s.widgets.tbCommon, keys::miUndo);
    EXPECT_TRUE(s.doc.m_PageModified);
    s.doc.m_PageModified = false;
    click(s.widgets.tbCommon, keys::miRedo);
    EXPECT_TRUE(s.doc.m_PageModified);
    EXPECT_EQ(statusText(), core_texts::kIdleStatus);
}

TEST_F(EditFrameTest, AnEditThatThrowsLeavesPageHistoryAndButtonsAsTheyWere)
{
    ControlState& s = openPage(24);
    ASSERT_TRUE(StripeCommand(s, 7));
    click(s.widgets.tbCommon, keys::miUndo);
    const engine::Image before = page();
    s.doc.m_PageModified = false;

    const bool done = RunPageCommand(s, QStringLiteral("失败..."), [](engine::Image& page) {
        engine::ops::FillRect(page, QRect(0, 0, 10, 10), 0);  // half done, then it fails
        throw engine::EngineError(engine::ErrOperation, QStringLiteral("图像操作失败"));
    });
    EXPECT_FALSE(done);
    EXPECT_TRUE(page().samePixels(before));
    EXPECT_EQ(s.m_History.UndoCount(), 0);
    EXPECT_EQ(s.m_History.RedoCount(), 1);
    EXPECT_FALSE(enabled(s.widgets.tbCommon, keys::miUndo));
    EXPECT_TRUE(enabled(s.widgets.tbCommon, keys::miRedo));
    EXPECT_FALSE(s.doc.m_PageModified);
    EXPECT_EQ(statusText(), core_texts::kIdleStatus);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_EQ(prompter.messages[0].text, QStringLiteral("20009,图像操作失败"));
    EXPECT_EQ(prompter.messages[0].title, core_texts::kTitleError);

    // Running out of memory is reported the same way.
    RunPageCommand(s, QStringLiteral("失败..."), [](engine::Image&) { throw std::bad_alloc(); });
    EXPECT_TRUE(page().samePixels(before));
    EXPECT_EQ(s.m_History.RedoCount(), 1);
}

// While it lives, no image can be allocated: every page copy and every engine step runs out of memory.
class NoImageMemory {
public:
    NoImageMemory() { setPixMemoryManager([](size_t) -> void* { return nullptr; }, std::free); }
    ~NoImageMemory() { setPixMemoryManager(std::malloc, std::free); }
    NoImageMemory(const NoImageMemory&) = delete;
    NoImageMemory& operator=(const NoImageMemory&) = delete;
};

TEST_F(EditFrameTest, EveryEditingCommandThatFailsLeavesHistoryFlagAndButtonsAsTheyWere)
{
    QStringList reported;
    for (const DispatchRow& row : DispatchRowsFor(toolbars::tbImaging)) {
        SCOPED_TRACE(row.key);
        ControlState& s = openPage(1);
        ASSERT_TRUE(StripeCommand(s, 3));
        ASSERT_TRUE(StripeCommand(s, 9));
        click(s.widgets.tbCommon, keys::miUndo);
        s.doc.m_PageModified = false;
        s.m_History.WaitForPacking();
        const engine::Image before = page();
        prompter.messages.clear();
        {
            const NoImageMemory noMemory;
            row.run(s);
        }
        EXPECT_TRUE(page().samePixels(before));
        EXPECT_EQ(s.m_History.UndoCount(), 1);
        EXPECT_EQ(s.m_History.RedoCount(), 1);
        EXPECT_FALSE(s.doc.m_PageModified);
        EXPECT_TRUE(enabled(s.widgets.tbCommon, keys::miUndo));
        EXPECT_TRUE(enabled(s.widgets.tbCommon, keys::miRedo));
        for (const ScriptedPrompter::Message& message : prompter.messages)
            EXPECT_EQ(message.title, core_texts::kTitleError) << message.text.toStdString();
        if (!prompter.messages.isEmpty() && prompter.messages[0].text.startsWith(QStringLiteral("20002,")))
            reported << QString::fromLatin1(row.key);
        control.reset();
    }
    // The commands that may do less than asked still tell the user they ran out of memory.
    for (const char* key : {keys::miDilation, keys::miText, keys::miCenterAll, keys::miMoveLT, keys::miInvert})
        EXPECT_TRUE(reported.contains(QString::fromLatin1(key))) << key;
}

TEST_F(EditFrameTest, ShowingAnotherPageForgetsTheHistory)
{
    ControlState& s = open({PatternPage(50, 40, 8), PatternPage(60, 40, 8, 1)});
    ASSERT_TRUE(StripeCommand(s, 2));
    ASSERT_TRUE(StripeCommand(s, 6));
    click(s.widgets.tbCommon, keys::miUndo);
    click(s.widgets.tbCommon, keys::miNext);
    EXPECT_EQ(s.m_History.UndoCount(), 0);
    EXPECT_EQ(s.m_History.RedoCount(), 0);
    EXPECT_FALSE(enabled(s.widgets.tbCommon, keys::miUndo));
    EXPECT_FALSE(enabled(s.widgets.tbCommon, keys::miRedo));
}

TEST_F(EditFrameTest, EveryToolbarClickGivesTheFocusBackToTheControl)
{
    ControlState& s = openPage(8);
    ASSERT_TRUE(StripeCommand(s, 2));
    s.widgets.lvwFileList->setFocus();
    click(s.widgets.tbCommon, keys::miUndo);
    EXPECT_EQ(QApplication::focusWidget(), control.get());
    s.widgets.lvwFileList->setFocus();
    click(s.widgets.tbImaging, keys::miRotateRight);
    EXPECT_EQ(QApplication::focusWidget(), control.get());
}

}  // namespace
}  // namespace scanvo::fixtures
