// Comments: the comment tool and its entry box, the comment burnt into the page, and the comment
// font dialog, driven as the user drives them.
#include "PointerFixture.h"

#include "commands/comment/CommentTexts.h"
#include "commands/comment/Comments.h"
#include "core/CommandKeys.h"
#include "core/ToolbarKeys.h"
#include "platform/engine/ops/Canvas.h"
#include "platform/engine/ops/Text.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"
#include "viewer/ToolModes.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cmath>
#include <functional>

namespace scanvo::fixtures {
namespace {

namespace ops = engine::ops;

const QString kZenHei = QStringLiteral("WenQuanYi Zen Hei");

class CommentTest : public PointerTest {
protected:
    // A white page shown at its actual size, so one image pixel is one viewer pixel.
    ControlState& openWhite(int depth, int width = 600, int height = 400)
    {
        ControlState& s = open({MarkedPage(width, height, depth, 0)});
        s.widgets.mtMain->setPaintMode(engine::ImageViewer::PaintActualSize);
        return s;
    }
    // The page as the engine draws text on it at the page pixel topLeft, in the comment font.
    static engine::Image WithText(engine::Image page, QPoint topLeft, const QString& text)
    {
        const ops::TextFont font = CommentFont();
        ops::DrawText(page, font, QRect(topLeft, ops::MeasureText(page, font, text)), text, 0x000000);
        return page;
    }
    static QString Stored(const char* key)
    {
        return GetIniString(IniFilePath(), QStringLiteral("Imaging"), QString::fromLatin1(key));
    }
};

// Chinese text arrives through the input method, as a committed string.
void TypeThroughInputMethod(QLineEdit* box, const QString& text)
{
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QCoreApplication::sendEvent(box, &commit);
}

int InkPixels(const engine::Image& page)
{
    const QImage image = page.toQImage().convertToFormat(QImage::Format_Grayscale8);
    int ink = 0;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* row = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x)
            ink += row[x] < 128 ? 1 : 0;
    }
    return ink;
}

TEST_F(CommentTest, ArmingTheCommentToolSwitchesCropAndPaintOffAndReadiesAHiddenBox)
{
    ControlState& s = openWhite(8);
    g_Settings.Imaging.WriteComment = QStringLiteral("已核对");
    // The crop tool armed, as its button leaves it.
    ArmPointerTool(s, PointerTool::Crop);
    FindToolbarAction(s.widgets.tbImaging, QString::fromLatin1(keys::miCrop))->setChecked(true);
    click(s.widgets.tbImaging, keys::miPaintRect);
    s.widgets.txtPageNumber->show();

    click(s.widgets.tbImaging, keys::miInsertComment);
    EXPECT_EQ(s.tools.m_CommentToolOn(), 1);
    EXPECT_TRUE(pressed(s.widgets.tbImaging, keys::miInsertComment));
    EXPECT_EQ(s.tools.m_CropToolOn(), 0);
    EXPECT_FALSE(pressed(s.widgets.tbImaging, keys::miCrop));
    EXPECT_EQ(s.tools.m_PaintToolOn(), 0);
    EXPECT_FALSE(pressed(s.widgets.tbImaging, keys::miPaintRect));
    EXPECT_EQ(s.view.m_RegionShape, 1);
    EXPECT_FALSE(s.widgets.txtPageNumber->isVisible());
    EXPECT_EQ(s.widgets.txtPageNumber->width(), 96);  // 1440 twips
    EXPECT_EQ(s.widgets.txtPageNumber->text(), QStringLiteral("已核对"));

    click(s.widgets.tbImaging, keys::miInsertComment);
    EXPECT_EQ(s.tools.m_CommentToolOn(), 0);
    EXPECT_FALSE(pressed(s.widgets.tbImaging, keys::miInsertComment));
    EXPECT_EQ(s.tools.m_CommentEntry, 0);
}

TEST_F(CommentTest, ArmingAnotherRegionToolSwitchesTheCommentToolAndItsOpenBoxOff)
{
    ControlState& s = openWhite(8);
    click(s.widgets.tbImaging, keys::miInsertComment);
    QTest::mouseClick(surface(), Qt::LeftButton, Qt::NoModifier, at({100, 80}));
    ASSERT_TRUE(s.widgets.txtPageNumber->isVisible());
    ASSERT_EQ(s.tools.m_CommentEntry, 1);
    // What arming crop (or clear inside, or clear outside) does to the other region tools.
    ArmPointerTool(s, PointerTool::Crop);
    EXPECT_EQ(s.tools.m_CommentToolOn(), 0);
    EXPECT_FALSE(pressed(s.widgets.tbImaging, keys::miInsertComment));
    EXPECT_FALSE(s.widgets.txtPageNumber->isVisible());
    EXPECT_FALSE(s.widgets.cmdFont->isVisible());
    EXPECT_EQ(s.tools.m_CommentEntry, 0);
}

TEST_F(CommentTest, ACommentAt1500By3000TwipsLandsAtPixel100By200AndFollowsTheScroll)
{
    ControlState& s = openWhite(8, 1600, 1200);
    ASSERT_EQ(s.widgets.mtMain->widgetToImage(QPointF(0, 0)), QPointF(0, 0));
    const QString text = QStringLiteral("Scanvo 签注");
    engine::Image expected = WithText(page(), QPoint(100, 200), text);
    DrawComment(s, 1500, 3000, text);
    EXPECT_TRUE(page().samePixels(expected));
    EXPECT_EQ(s.m_History.UndoCount(), 1);
    EXPECT_TRUE(s.doc.m_PageModified);

    s.widgets.mtMain->setScrollPosition(QPoint(50, 30));
    expected = WithText(page(), QPoint(150, 230), text);
    DrawComment(s, 1500, 3000, text);
    EXPECT_TRUE(page().samePixels(expected));
    EXPECT_EQ(s.m_History.UndoCount(), 2);
}

TEST_F(CommentTest, TypingACommentAndPressingEnterBurnsItInRemembersItAndStartsNoScan)
{
    ControlState& s = openWhite(24);
    const engine::Image loaded = page();
    click(s.widgets.tbImaging, keys::miInsertComment);
    QTest::mouseClick(surface(), Qt::LeftButton, Qt::NoModifier, at({120, 90}));
    QLineEdit* box = s.widgets.txtPageNumber;
    ASSERT_TRUE(box->isVisible());
    const QPointF boxOnPage = s.widgets.mtMain->widgetToImage(surface()->mapFrom(box->parentWidget(), box->pos()));
    const QPoint topLeft(int(std::floor(boxOnPage.x())), int(std::floor(boxOnPage.y())));
    EXPECT_EQ(topLeft, QPoint(116, 86));  // 60 twips up and left of the click
    box->selectAll();
    TypeThroughInputMethod(box, QStringLiteral("签注"));
    QTest::keyClicks(box, QStringLiteral(" A1"));
    EXPECT_EQ(box->text(), QStringLiteral("签注 A1"));
    EXPECT_EQ(s.tools.m_CommentEntry, 1);
    QTest::keyClick(box, Qt::Key_Return);

    EXPECT_TRUE(page().samePixels(WithText(loaded, topLeft, QStringLiteral("签注 A1"))));
    EXPECT_FALSE(box->isVisible());
    EXPECT_FALSE(s.widgets.cmdFont->isVisible());
    EXPECT_EQ(s.tools.m_CommentEntry, 0);
    EXPECT_EQ(s.m_History.UndoCount(), 1);
    EXPECT_TRUE(enabled(s.widgets.tbCommon, keys::miUndo));
    EXPECT_EQ(g_Settings.Imaging.WriteComment, QStringLiteral("签注 A1"));
    EXPECT_EQ(Stored("WriteComment"), QStringLiteral("签注 A1"));
    // The Enter that wrote the comment is the box's: no scan started, nothing asked.
    EXPECT_EQ(s.scan.m_ScanMode, 0);
    EXPECT_TRUE(prompter.dialogsShown.isEmpty());
    EXPECT_TRUE(prompter.messages.isEmpty());

    // The next time the tool is armed the box offers the last comment.
    click(s.widgets.tbImaging, keys::miInsertComment);
    click(s.widgets.tbImaging, keys::miInsertComment);
    EXPECT_EQ(box->text(), QStringLiteral("签注 A1"));
}

TEST_F(CommentTest, ChineseCommentsAreDrawnAsRealGlyphsOnEveryDepth)
{
    // The default font is not installed here: the comment falls back to a font that has the
    // characters rather than drawing empty boxes, which would look alike for every character.
    for (const QString& fontName : {QStringLiteral("宋体"), kZenHei}) {
        for (int depth : {1, 8, 24}) {
            SCOPED_TRACE(fontName.toStdString() + " " + std::to_string(depth));
            g_Settings.Imaging.FontName = fontName;
            ControlState& s = open({MarkedPage(300, 200, depth, 5)});
            const int blank = InkPixels(page());
            // Page pixel (20, 20), wherever the viewer shows it.
            const QPointF place = s.widgets.mtMain->imageToWidget(QPointF(20, 20)) * 15;
            DrawComment(s, float(place.x()), float(place.y()), QStringLiteral("签"));
            const engine::Image first = page();
            click(s.widgets.tbCommon, keys::miUndo);
            DrawComment(s, float(place.x()), float(place.y()), QStringLiteral("注"));
            const engine::Image second = page();
            EXPECT_EQ(first.depth(), depth);
            EXPECT_GT(InkPixels(first) - blank, 100);
            EXPECT_GT(InkPixels(second) - blank, 100);
            EXPECT_FALSE(first.samePixels(second));
            control.reset();
        }
    }
}

TEST_F(CommentTest, AnEmptyCommentChangesNothingAndIsNotRemembered)
{
    ControlState& s = openWhite(1);
    const engine::Image loaded = page();
    g_Settings.Imaging.WriteComment = QStringLiteral("上次");
    click(s.widgets.tbImaging, keys::miInsertComment);
    QTest::mouseClick(surface(), Qt::LeftButton, Qt::NoModifier, at({50, 50}));
    s.widgets.txtPageNumber->clear();
    QTest::keyClick(s.widgets.txtPageNumber, Qt::Key_Return);
    EXPECT_TRUE(page().samePixels(loaded));
    EXPECT_EQ(s.m_History.UndoCount(), 0);
    EXPECT_FALSE(s.doc.m_PageModified);
    EXPECT_EQ(g_Settings.Imaging.WriteComment, QStringLiteral("上次"));
    EXPECT_FALSE(s.widgets.txtPageNumber->isVisible());
}

// Shows the font dialog, runs the steps, then clicks button.
struct FontScript {
    std::function<void(QDialog&)> steps;
    const char* button = "cmdOK";
    int operator()(QDialog& dialog) const
    {
        dialog.show();
        steps(dialog);
        dialog.findChild<QPushButton*>(QString::fromLatin1(button))->click();
        return dialog.result();
    }
};

template <typename W>
W* Child(QDialog& dialog, const char* name)
{
    W* widget = dialog.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

TEST_F(CommentTest, TheFontDialogShowsTheSettingsOffersSizes5To72AndOkWritesTheSixKeys)
{
    ControlState& s = openWhite(8);
    g_Settings.Imaging.FontName = kZenHei;
    g_Settings.Imaging.FontSize = 72;
    g_Settings.Imaging.Bold = 1;
    prompter.dialogScripts.enqueue(FontScript{[&](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), QStringLiteral("frmFontOptions"));
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("签注字体"));
        EXPECT_NE(Child<QGroupBox>(dialog, "framFontOptions"), nullptr);
        auto* names = Child<QComboBox>(dialog, "cboFontName");
        auto* sizes = Child<QComboBox>(dialog, "cboFontSize");
        EXPECT_EQ(names->currentText(), kZenHei);
        EXPECT_EQ(names->count(), QFontDatabase::families().size());
        EXPECT_EQ(sizes->currentIndex(), 67);
        EXPECT_EQ(sizes->count(), 68);
        EXPECT_EQ(sizes->itemText(0), QStringLiteral("5"));
        EXPECT_FALSE(sizes->isEditable());
        EXPECT_TRUE(Child<QCheckBox>(dialog, "chkBold")->isChecked());
        EXPECT_EQ(Child<QCheckBox>(dialog, "chkStrikethrough")->text(), QStringLiteral("删除线"));
        sizes->setCurrentIndex(15);
        Child<QCheckBox>(dialog, "chkBold")->setChecked(false);
        Child<QCheckBox>(dialog, "chkItalic")->setChecked(true);
        Child<QCheckBox>(dialog, "chkUnderline")->setChecked(true);
    }});
    click(s.widgets.tbMain, keys::miFontSetting);
    EXPECT_EQ(prompter.dialogsShown, QStringList{"scanvo::frmFontOptions"});
    EXPECT_EQ(g_Settings.Imaging.FontSize, 20);
    EXPECT_EQ(Stored("FontName"), kZenHei);
    EXPECT_EQ(Stored("FontSize"), QStringLiteral("20"));
    EXPECT_EQ(Stored("Bold"), QStringLiteral("0"));
    EXPECT_EQ(Stored("Italic"), QStringLiteral("1"));
    EXPECT_EQ(Stored("Underline"), QStringLiteral("1"));
    EXPECT_EQ(Stored("Strikethrough"), QStringLiteral("0"));
    EXPECT_EQ(CommentScreenFont().pointSize(), 20);
    EXPECT_TRUE(CommentScreenFont().italic());
}

TEST_F(CommentTest, CancelWritesNothingAndAFontNotInstalledIsKeptByOk)
{
    ControlState& s = openWhite(8);
    prompter.dialogScripts.enqueue(FontScript{[&](QDialog& dialog) {
        Child<QComboBox>(dialog, "cboFontSize")->setCurrentIndex(0);
        Child<QCheckBox>(dialog, "chkBold")->setChecked(true);
    }, "cmdCancel"});
    click(s.widgets.tbMain, keys::miFontSetting);
    EXPECT_EQ(g_Settings.Imaging.FontSize, 12);
    EXPECT_EQ(g_Settings.Imaging.Bold, 0);
    EXPECT_EQ(Stored("FontSize"), QStringLiteral("12"));

    // "宋体", the default, is not installed: the list shows no choice, and OK keeps the name.
    prompter.dialogScripts.enqueue(FontScript{[&](QDialog& dialog) {
        EXPECT_EQ(Child<QComboBox>(dialog, "cboFontName")->currentIndex(), -1);
        EXPECT_EQ(Child<QComboBox>(dialog, "cboFontSize")->currentIndex(), 7);
    }});
    click(s.widgets.tbMain, keys::miFontSetting);
    EXPECT_EQ(Stored("FontName"), QStringLiteral("宋体"));
}

TEST_F(CommentTest, TheFontButtonGivesTheBoxTheFontAndKeepsWhatIsTyped)
{
    ControlState& s = openWhite(8);
    click(s.widgets.tbImaging, keys::miInsertComment);
    QTest::mouseClick(surface(), Qt::LeftButton, Qt::NoModifier, at({100, 80}));
    ASSERT_TRUE(s.widgets.cmdFont->isVisible());
    QTest::keyClicks(s.widgets.txtPageNumber, QStringLiteral("abc"));
    prompter.dialogScripts.enqueue(FontScript{[&](QDialog& dialog) {
        Child<QComboBox>(dialog, "cboFontSize")->setCurrentIndex(30 - 5);
    }});
    s.widgets.cmdFont->click();
    EXPECT_EQ(prompter.dialogsShown, QStringList{"scanvo::frmFontOptions"});
    EXPECT_EQ(s.widgets.txtPageNumber->text(), QStringLiteral("abc"));
    EXPECT_EQ(s.widgets.txtPageNumber->font().pointSize(), 30);
    EXPECT_TRUE(s.widgets.txtPageNumber->isVisible());
}

}  // namespace
}  // namespace scanvo::fixtures
