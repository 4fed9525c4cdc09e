// The single keys released on the control: each runs its command while its button is enabled,
// only without Shift, Ctrl or Alt, and never while a comment is typed.
#include "EditFixture.h"

#include "core/CommandKeys.h"
#include "core/ToolbarKeys.h"
#include "settings/Settings.h"
#include "viewer/Selection.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

#include <functional>
#include <vector>

namespace scanvo::fixtures {
namespace {

class KeyTableTest : public EditTest {
protected:
    ControlState& openTwoPages()
    {
        return open({PatternPage(90, 60, 8), PatternPage(90, 60, 8, 1)});
    }
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(control.get(), Qt::Key(key), modifiers);
    }
    void setEnabled(QToolBar* toolbar, const char* key, bool on)
    {
        FindToolbarAction(toolbar, QString::fromLatin1(key))->setEnabled(on);
    }
};

// What each key does, seen from outside, and the button that guards it.
struct KeyCase {
    const char* name;
    int key;
    Qt::KeyboardModifiers modifiers;
    QToolBar* ChildWidgets::*toolbar;
    const char* guard;
    std::function<void(ControlState&)> prepare;           // brings the page to where the key can act
    std::function<bool(ControlState&, int width)> acted;  // width: the page's width before the key
};

// What a key can change, to see that it changed nothing.
struct Seen {
    int width, page;
    qint32 zoom;
    int undo, redo;
    bool operator==(const Seen&) const = default;
};

Seen SeenOf(ControlState& s)
{
    return {s.widgets.mtMain->image().width(), s.doc.m_CurrentPage, s.view.m_ZoomPercent, s.m_History.UndoCount(),
            s.m_History.RedoCount()};
}

std::vector<KeyCase> KeyCases()
{
    const auto onPage = [](int n) { return [n](ControlState& s, int) { return s.doc.m_CurrentPage == n; }; };
    const auto turned = [](ControlState& s, int width) { return s.widgets.mtMain->image().height() == width; };
    const auto oneLevel = [](ControlState& s, int) { return s.m_History.UndoCount() == 1; };
    const auto none = [](ControlState&) {};
    const auto atPage2 = [](ControlState& s) { ClickToolbarKey(s.widgets.tbCommon, QStringLiteral("miNext")); };
    const auto edited = [](ControlState& s) { ClickToolbarKey(s.widgets.tbImaging, QStringLiteral("miRotate180")); };
    const auto zoomedIn = [](ControlState& s, int) { return s.view.m_ZoomPercent > 100; };
    const auto zoomedOut = [](ControlState& s, int) { return s.view.m_ZoomPercent < 100; };
    const auto atHundred = [](ControlState& s) {
        s.widgets.cboZoomFactor->setEditText(QStringLiteral("100%"));
        s.view.m_ZoomPercent = 100;
    };
    return {
        {"T", Qt::Key_T, {}, &ChildWidgets::tbImaging, keys::miRotate, none, turned},
        {"R", Qt::Key_R, {}, &ChildWidgets::tbImaging, keys::miRotate, none, turned},
        {"D", Qt::Key_D, {}, &ChildWidgets::tbImaging, keys::miDeskew, none, oneLevel},
        {"A", Qt::Key_A, {}, &ChildWidgets::tbCommon, keys::miUndo, edited,
         [](ControlState& s, int) { return s.m_History.RedoCount() == 1; }},
        {"PageDown", Qt::Key_PageDown, {}, &ChildWidgets::tbCommon, keys::miNext, none, onPage(2)},
        {"Space", Qt::Key_Space, {}, &ChildWidgets::tbCommon, keys::miNext, none, onPage(2)},
        {"keypad +", Qt::Key_Plus, Qt::KeypadModifier, &ChildWidgets::tbCommon, keys::miNext, none, onPage(2)},
        {"PageUp", Qt::Key_PageUp, {}, &ChildWidgets::tbCommon, keys::miPrevious, atPage2, onPage(1)},
        {"keypad -", Qt::Key_Minus, Qt::KeypadModifier, &ChildWidgets::tbCommon, keys::miPrevious, atPage2, onPage(1)},
        {"F5", Qt::Key_F5, {}, &ChildWidgets::tbCommon, keys::miZoomIn, atHundred, zoomedIn},
        {"keypad /", Qt::Key_Slash, Qt::KeypadModifier, &ChildWidgets::tbCommon, keys::miZoomIn, atHundred, zoomedIn},
        {"F6", Qt::Key_F6, {}, &ChildWidgets::tbCommon, keys::miZoomOut, atHundred, zoomedOut},
        {"keypad *", Qt::Key_Asterisk, Qt::KeypadModifier, &ChildWidgets::tbCommon, keys::miZoomOut, atHundred, zoomedOut},
    };
}

TEST_F(KeyTableTest, EveryKeyActsOnlyWhileItsButtonIsEnabled)
{
    for (const KeyCase& c : KeyCases()) {
        SCOPED_TRACE(c.name);
        for (bool guardOn : {false, true}) {
            SCOPED_TRACE(guardOn);
            ControlState& s = openTwoPages();
            c.prepare(s);
            QToolBar* toolbar = s.widgets.*c.toolbar;
            setEnabled(toolbar, c.guard, guardOn);
            const Seen before = SeenOf(s);
            press(c.key, c.modifiers);
            if (guardOn)
                EXPECT_TRUE(c.acted(s, before.width));
            else
                EXPECT_EQ(SeenOf(s), before);
            control.reset();
        }
    }
}

// A message box that closes when a key goes down leaves the key's release to the control; only a
// key pressed on the control as well acts there.
TEST_F(KeyTableTest, AKeyWhosePressWentToAnotherWindowDoesNothingWhenReleasedHere)
{
    for (const KeyCase& c : KeyCases()) {
        SCOPED_TRACE(c.name);
        ControlState& s = openTwoPages();
        c.prepare(s);
        setEnabled(s.widgets.*c.toolbar, c.guard, true);
        const Seen before = SeenOf(s);
        QMessageBox box(QMessageBox::Information, QStringLiteral("提示信息"), QStringLiteral("?"));
        box.show();
        QTest::keyPress(&box, Qt::Key(c.key), c.modifiers);
        QTest::keyRelease(control.get(), Qt::Key(c.key), c.modifiers);
        EXPECT_EQ(SeenOf(s), before);
        press(c.key, c.modifiers);  // down and up on the control
        EXPECT_TRUE(c.acted(s, before.width));
        control.reset();
    }

    ControlState& s = openTwoPages();
    QWidget elsewhere;
    elsewhere.show();
    g_Settings.Scan.PaperSize = 0;
    SetSelection(s.view, s.widgets, QRect(5, 5, 20, 20));
    for (Qt::Key key : {Qt::Key_F3, Qt::Key_Control}) {
        QTest::keyPress(&elsewhere, key);
        QTest::keyRelease(control.get(), key);
    }
    EXPECT_EQ(g_Settings.Scan.PaperSize, 0);
    EXPECT_FALSE(s.view.m_Selection.isEmpty());
    // A press on the control that a press elsewhere followed is spent too.
    QTest::keyPress(control.get(), Qt::Key_PageDown);
    QTest::keyPress(&elsewhere, Qt::Key_PageDown);
    QTest::keyRelease(control.get(), Qt::Key_PageDown);
    EXPECT_EQ(s.doc.m_CurrentPage, 1);
}

TEST_F(KeyTableTest, KeysWithShiftCtrlOrAltHeldDoNothing)
{
    ControlState& s = openTwoPages();
    ClickToolbarKey(s.widgets.tbImaging, QStringLiteral("miRotate180"));
    press(Qt::Key_PageDown, Qt::ShiftModifier);
    EXPECT_EQ(s.doc.m_CurrentPage, 1);
    press(Qt::Key_A, Qt::ControlModifier);
    press(Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(s.m_History.UndoCount(), 1);
    press(Qt::Key_Minus);  // the main keyboard's minus is no page key
    press(Qt::Key_PageDown);
    EXPECT_EQ(s.doc.m_CurrentPage, 2);
    press(Qt::Key_Minus);
    EXPECT_EQ(s.doc.m_CurrentPage, 2);
}

TEST_F(KeyTableTest, SpaceOnTheLastPageDoesNothingAndWhileTypingACommentTypesASpace)
{
    ControlState& s = openTwoPages();
    ClickToolbarKey(s.widgets.tbCommon, QStringLiteral("miLast"));
    press(Qt::Key_Space);
    EXPECT_EQ(s.doc.m_CurrentPage, 2);

    ClickToolbarKey(s.widgets.tbCommon, QStringLiteral("miFirst"));
    QLineEdit* box = s.widgets.txtPageNumber;
    box->show();
    box->setFocus();
    box->clear();
    ASSERT_EQ(s.tools.m_CommentEntry, 1);
    QTest::keyClicks(box, QStringLiteral("a b"));
    QTest::keyClick(box, Qt::Key_T);
    EXPECT_EQ(box->text(), QStringLiteral("a bt"));
    EXPECT_EQ(s.doc.m_CurrentPage, 1);
    EXPECT_EQ(s.m_History.UndoCount(), 0);
    QTest::keyClick(box, Qt::Key_Return);  // the comment is done; the keys are the control's again
    EXPECT_EQ(s.tools.m_CommentEntry, 0);
}

TEST_F(KeyTableTest, EnterInThePageBoxIsTheBoxsOwn)
{
    ControlState& s = openTwoPages();
    QLineEdit* box = s.widgets.cboCurrentPage->lineEdit();
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("2"));
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(s.doc.m_CurrentPage, 2);
    QTest::keyClick(box, Qt::Key_Space);  // typed into the box, no page turn
    EXPECT_EQ(s.doc.m_CurrentPage, 2);
}

TEST_F(KeyTableTest, ReleasingCtrlRemovesTheSelectionWhateverElseIsHeld)
{
    ControlState& s = openTwoPages();
    SetSelection(s.view, s.widgets, QRect(5, 5, 20, 20));
    QTest::keyPress(control.get(), Qt::Key_Shift);
    QTest::keyPress(control.get(), Qt::Key_Control, Qt::ShiftModifier);
    QTest::keyRelease(control.get(), Qt::Key_Control, Qt::ShiftModifier);
    EXPECT_TRUE(s.view.m_Selection.isEmpty());
    SetSelection(s.view, s.widgets, QRect(5, 5, 20, 20));
    QTest::keyClick(control.get(), Qt::Key_Control);
    EXPECT_TRUE(s.view.m_Selection.isEmpty());
}

TEST_F(KeyTableTest, F3AndF4ChooseThePaperSize)
{
    openTwoPages();
    press(Qt::Key_F3);
    EXPECT_EQ(g_Settings.Scan.PaperSize, 2);
    press(Qt::Key_F4);
    EXPECT_EQ(g_Settings.Scan.PaperSize, 1);
}

}  // namespace
}  // namespace scanvo::fixtures
