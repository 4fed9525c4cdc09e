// Image size and canvas size through the editing toolbar and their dialogs, driven as the user
// drives them.
#include "EditFixture.h"

#include "commands/size/SizeTexts.h"
#include "core/CommandKeys.h"
#include "core/CoreTexts.h"
#include "platform/engine/ops/Canvas.h"
#include "platform/engine/ops/OpFlags.h"
#include "settings/Settings.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <functional>

namespace scanvo::fixtures {
namespace {

namespace T = size_texts;
namespace ops = engine::ops;

using ResizeTest = EditTest;

template <typename W>
W* Child(QDialog& dialog, const char* name)
{
    W* widget = dialog.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

// Shows the dialog, runs the steps, clicks the button named (unless empty) and closes it with
// cancel when it is still open, as the user would after a refusal.
struct DialogScript {
    std::function<void(QDialog&)> steps;
    const char* button = "cmdOK";
    int operator()(QDialog& dialog) const
    {
        dialog.show();
        steps(dialog);
        if (button)
            Child<QPushButton>(dialog, button)->click();
        if (dialog.isVisible())
            Child<QPushButton>(dialog, "cmdCancel")->click();
        return dialog.result();
    }
};

void Type(QLineEdit* box, const QString& text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
}

QStringList Items(QComboBox* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

TEST_F(ResizeTest, AnA4PageAt300DpiOpensIn210By297MillimetresAndTheUnitsMoveTogether)
{
    ControlState& s = open({MarkedPage(2480, 3508, 1, 40)});
    const engine::Image loaded = page();
    prompter.dialogScripts.enqueue(DialogScript{[&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("改变图像大小"));
        auto* width = Child<QLineEdit>(dialog, "txtWidth1");
        auto* height = Child<QLineEdit>(dialog, "txtHeight1");
        auto* widthUnit = Child<QComboBox>(dialog, "cboUnit0");
        auto* heightUnit = Child<QComboBox>(dialog, "cboUnit1");
        EXPECT_TRUE(Child<QRadioButton>(dialog, "optBySize")->isChecked());
        EXPECT_EQ(Items(widthUnit), QStringList({"毫米", "像素"}));
        EXPECT_EQ(widthUnit->currentIndex(), 0);
        EXPECT_EQ(width->text(), QStringLiteral("210"));
        EXPECT_EQ(height->text(), QStringLiteral("297"));
        EXPECT_EQ(Child<QLineEdit>(dialog, "txtWidth2")->text(), QStringLiteral("100"));
        EXPECT_FALSE(Child<QLineEdit>(dialog, "txtWidth2")->isEnabled());
        heightUnit->setCurrentIndex(1);
        EXPECT_EQ(widthUnit->currentIndex(), 1);
        EXPECT_EQ(width->text(), QStringLiteral("2480"));
        EXPECT_EQ(height->text(), QStringLiteral("3508"));
        widthUnit->setCurrentIndex(0);
        EXPECT_EQ(heightUnit->currentIndex(), 0);
        EXPECT_EQ(width->text(), QStringLiteral("210"));
    }});
    click(s.widgets.tbImaging, keys::miImageSize);
    // OK with the size as it opened changes nothing.
    EXPECT_TRUE(page().samePixels(loaded));
    EXPECT_EQ(s.m_History.UndoCount(), 0);
    EXPECT_FALSE(s.doc.m_PageModified);
}

TEST_F(ResizeTest, AnUntouchedSideKeepsItsPixelsThoughItsMillimetresAreRounded)
{
    // 1001 pixels at 300 dpi show as 85 mm, which would come back as 1004 pixels.
    ControlState& s = open({MarkedPage(1001, 600, 8, 40)});
    prompter.dialogScripts.enqueue(DialogScript{[&](QDialog& dialog) {
        EXPECT_EQ(Child<QLineEdit>(dialog, "txtWidth1")->text(), QStringLiteral("85"));
        Type(Child<QLineEdit>(dialog, "txtHeight1"), QStringLiteral("100"));  // 100 mm: 1181.1 pixels
    }});
    click(s.widgets.tbImaging, keys::miImageSize);
    EXPECT_EQ(page().width(), 1001);
    EXPECT_EQ(page().height(), 1181);
    EXPECT_EQ(s.m_History.UndoCount(), 1);
}

TEST_F(ResizeTest, FiftyPercentOf1001PixelsIs500AndUndoGivesThePageBack)
{
    ControlState& s = open({MarkedPage(1001, 400, 24, 40)});
    const engine::Image loaded = page();
    prompter.dialogScripts.enqueue(DialogScript{[&](QDialog& dialog) {
        Child<QRadioButton>(dialog, "optByPercent")->click();
        EXPECT_FALSE(Child<QLineEdit>(dialog, "txtWidth1")->isEnabled());
        EXPECT_FALSE(Child<QComboBox>(dialog, "cboUnit0")->isEnabled());
        Type(Child<QLineEdit>(dialog, "txtWidth2"), QStringLiteral("5x0"));  // the letter is refused
    }});
    click(s.widgets.tbImaging, keys::miImageSize);
    EXPECT_EQ(page().width(), 500);
    EXPECT_EQ(page().height(), 400);
    EXPECT_EQ(page().depth(), 24);
    EXPECT_EQ(s.m_History.UndoCount(), 1);
    EXPECT_TRUE(s.doc.m_PageModified);
    EXPECT_EQ(statusText(), core_texts::kIdleStatus);
    click(s.widgets.tbCommon, keys::miUndo);
    EXPECT_TRUE(page().samePixels(loaded));
}

TEST_F(ResizeTest, PixelsTypedAndDoubledResampleEveryDepthAndKeepIt)
{
    for (int depth : {1, 8, 24}) {
        SCOPED_TRACE(depth);
        ControlState& s = open({MarkedPage(200, 100, depth, 40)});
        prompter.dialogScripts.enqueue(DialogScript{[&](QDialog& dialog) {
            Child<QComboBox>(dialog, "cboUnit0")->setCurrentIndex(1);
            Type(Child<QLineEdit>(dialog, "txtWidth1"), QStringLiteral("150"));
            Child<QPushButton>(dialog, "cmdDouble1")->click();
            Child<QPushButton>(dialog, "cmdDouble2")->click();
            EXPECT_EQ(Child<QLineEdit>(dialog, "txtWidth1")->text(), QStringLiteral("300"));
            EXPECT_EQ(Child<QLineEdit>(dialog, "txtHeight1")->text(), QStringLiteral("200"));
        }});
        click(s.widgets.tbImaging, keys::miImageSize);
        EXPECT_EQ(page().width(), 300);
        EXPECT_EQ(page().height(), 200);
        EXPECT_EQ(page().depth(), depth);
        control.reset();
    }
}

TEST_F(ResizeTest, AnEmptyOrZeroSizeIsRefusedAndTheDialogStaysOpen)
{
    ControlState& s = open({MarkedPage(200, 100, 8, 40)});
    const engine::Image loaded = page();
    prompter.dialogScripts.enqueue(DialogScript{
        [&](QDialog& dialog) {
            auto* ok = Child<QPushButton>(dialog, "cmdOK");
            auto* width = Child<QLineEdit>(dialog, "txtWidth1");
            width->clear();
            ok->click();
            EXPECT_TRUE(dialog.isVisible());
            Type(width, QStringLiteral("0"));
            ok->click();
            EXPECT_TRUE(dialog.isVisible());
            Child<QRadioButton>(dialog, "optByPercent")->click();
            Type(Child<QLineEdit>(dialog, "txtHeight2"), QStringLiteral("0"));
            ok->click();
            EXPECT_TRUE(dialog.isVisible());
            // 1 % of 100 pixels is 1 pixel; of the 200 pixels wide 0.4 % would be 0.
            Type(Child<QLineEdit>(dialog, "txtHeight2"), QStringLiteral("1"));
        },
        "cmdCancel"});
    click(s.widgets.tbImaging, keys::miImageSize);
    EXPECT_EQ(prompter.messageTexts(), QStringList({T::kSizeEmpty, T::kSizeZero, T::kSizeZero}));
    for (const auto& message : prompter.messages) {
        EXPECT_EQ(message.title, core_texts::kTitleInformation);
        EXPECT_EQ(message.icon, MessageIcon::Information);
    }
    EXPECT_TRUE(page().samePixels(loaded));
    EXPECT_EQ(s.m_History.UndoCount(), 0);
    EXPECT_FALSE(s.doc.m_PageModified);
}

TEST_F(ResizeTest, CancellingEitherDialogChangesNothingAndLeavesNoUndoStep)
{
    ControlState& s = open({MarkedPage(200, 100, 8, 40)});
    const engine::Image loaded = page();
    prompter.dialogScripts.enqueue(DialogScript{[&](QDialog& dialog) {
        Type(Child<QLineEdit>(dialog, "txtWidth1"), QStringLiteral("5"));
    }, "cmdCancel"});
    click(s.widgets.tbImaging, keys::miImageSize);
    prompter.dialogScripts.enqueue(DialogScript{[&](QDialog& dialog) {
        Child<QComboBox>(dialog, "cboImageSize")->setCurrentIndex(2);
    }, "cmdCancel"});
    click(s.widgets.tbImaging, keys::miCanvasSize);
    EXPECT_EQ(prompter.dialogsShown, QStringList({"scanvo::frmResize", "scanvo::frmResizeCanvas"}));
    EXPECT_TRUE(page().samePixels(loaded));
    EXPECT_EQ(s.m_History.UndoCount(), 0);
    EXPECT_FALSE(s.doc.m_PageModified);
    EXPECT_FALSE(enabled(s.widgets.tbCommon, keys::miUndo));
    // A cancelled choice is not remembered.
    prompter.dialogScripts.enqueue(DialogScript{[&](QDialog& dialog) {
        EXPECT_EQ(Child<QComboBox>(dialog, "cboImageSize")->currentIndex(), 0);
    }, "cmdCancel"});
    click(s.widgets.tbImaging, keys::miCanvasSize);
}

TEST_F(ResizeTest, AnA4CanvasAt300DpiHoldsThePageAtItsTopLeftOnWhite)
{
    for (int depth : {1, 8, 24}) {
        SCOPED_TRACE(depth);
        ControlState& s = open({MarkedPage(1000, 1200, depth, 300)});
        const engine::Image loaded = page();
        prompter.dialogScripts.enqueue(DialogScript{[&](QDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("改变画布大小"));
            auto* list = Child<QComboBox>(dialog, "cboImageSize");
            EXPECT_EQ(Items(list), QStringList({"图像原大小", "B5", "A4", "A3", "自定义"}));
            list->setCurrentIndex(2);
            EXPECT_EQ(Child<QLineEdit>(dialog, "txtWidth")->text(), QStringLiteral("210"));
            EXPECT_EQ(Child<QLineEdit>(dialog, "txtHeight")->text(), QStringLiteral("297"));
            EXPECT_FALSE(Child<QLineEdit>(dialog, "txtWidth")->isEnabled());
        }});
        click(s.widgets.tbImaging, keys::miCanvasSize);
        // 210 x 300 x 0.03937 by 297 x 300 x 0.03937: 2480.3 by 3507.9.
        EXPECT_EQ(page().width(), 2480);
        EXPECT_EQ(page().height(), 3508);
        EXPECT_EQ(page().depth(), depth);
        EXPECT_EQ(page().xResolution(), 300);
        EXPECT_TRUE(ops::Crop(page(), QRect(0, 0, 1000, 1200)).samePixels(loaded));
        EXPECT_EQ(ops::PixelColour(page(), 1000, 0), ops::kWhite);
        EXPECT_EQ(ops::PixelColour(page(), 2479, 3507), ops::kWhite);
        EXPECT_EQ(ops::PixelColour(page(), 0, 1200), ops::kWhite);
        EXPECT_EQ(s.m_History.UndoCount(), 1);
        EXPECT_EQ(s.m_CanvasIndex, 2);
        control.reset();
    }
}

TEST_F(ResizeTest, ACustomCanvasRefusesEmptyAndZeroSizesAndCropsWhatDoesNotFit)
{
    ControlState& s = open({MarkedPage(1000, 800, 8, 300)});
    const engine::Image loaded = page();
    prompter.dialogScripts.enqueue(DialogScript{[&](QDialog& dialog) {
        auto* list = Child<QComboBox>(dialog, "cboImageSize");
        auto* width = Child<QLineEdit>(dialog, "txtWidth");
        auto* height = Child<QLineEdit>(dialog, "txtHeight");
        auto* ok = Child<QPushButton>(dialog, "cmdOK");
        list->setCurrentIndex(4);
        EXPECT_TRUE(width->isEnabled());
        EXPECT_EQ(width->text(), QStringLiteral("0"));
        ok->click();  // 0 by 0
        Type(width, QStringLiteral("50"));
        height->setText(QStringLiteral("  "));
        ok->click();
        Type(height, QStringLiteral("-40"));  // the sign is refused as typed
        EXPECT_EQ(height->text(), QStringLiteral("40"));
        EXPECT_TRUE(dialog.isVisible());
    }});
    click(s.widgets.tbImaging, keys::miCanvasSize);
    EXPECT_EQ(prompter.messageTexts(), QStringList({T::kSizeZero, T::kSizeEmpty}));
    // 50 mm: 590.55 pixels; 40 mm: 472.44 pixels.
    EXPECT_EQ(page().width(), 591);
    EXPECT_EQ(page().height(), 472);
    EXPECT_TRUE(page().samePixels(ops::Crop(loaded, QRect(0, 0, 591, 472))));
    // The list opens on the entry chosen last.
    prompter.dialogScripts.enqueue(DialogScript{[&](QDialog& dialog) {
        EXPECT_EQ(Child<QComboBox>(dialog, "cboImageSize")->currentIndex(), 4);
        EXPECT_TRUE(Child<QLineEdit>(dialog, "txtWidth")->isEnabled());
    }, "cmdCancel"});
    click(s.widgets.tbImaging, keys::miCanvasSize);
}

TEST_F(ResizeTest, ThePagesOwnSizeOrASheetItAlreadyHasChangesNothing)
{
    // 2480 x 3508 at 300 dpi is A4 already.
    ControlState& s = open({MarkedPage(2480, 3508, 1, 40)});
    for (int entry : {0, 2}) {
        prompter.dialogScripts.enqueue(DialogScript{[&](QDialog& dialog) {
            Child<QComboBox>(dialog, "cboImageSize")->setCurrentIndex(entry);
        }});
        click(s.widgets.tbImaging, keys::miCanvasSize);
    }
    EXPECT_EQ(prompter.dialogsShown.size(), 2);
    EXPECT_EQ(s.m_History.UndoCount(), 0);
    EXPECT_FALSE(s.doc.m_PageModified);
}

TEST_F(ResizeTest, TheResizeButtonRunsTheVariantItsIndexChoosesAndNothingForAnUnknownOne)
{
    ControlState& s = open({MarkedPage(200, 100, 8, 40)});
    g_Settings.Imaging.ResizeIndex = 1;
    click(s.widgets.tbImaging, keys::miResize);
    g_Settings.Imaging.ResizeIndex = 0;
    click(s.widgets.tbImaging, keys::miResize);
    g_Settings.Imaging.ResizeIndex = 5;  // edited by hand
    click(s.widgets.tbImaging, keys::miResize);
    EXPECT_EQ(prompter.dialogsShown, QStringList({"scanvo::frmResizeCanvas", "scanvo::frmResize"}));
}

TEST_F(ResizeTest, ASizeBeyondAnyScannedPageIsRefusedWithoutAnUndoStep)
{
    // A page larger than the largest one a document may hold could be saved but never opened again.
    ControlState& s = open({MarkedPage(200, 100, 1, 40)});
    prompter.dialogScripts.enqueue(DialogScript{[&](QDialog& dialog) {
        Child<QComboBox>(dialog, "cboUnit0")->setCurrentIndex(1);
        Type(Child<QLineEdit>(dialog, "txtWidth1"), QStringLiteral("70000"));
    }});
    click(s.widgets.tbImaging, keys::miImageSize);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_EQ(prompter.messages[0].title, core_texts::kTitleError);
    EXPECT_EQ(page().width(), 200);
    EXPECT_EQ(s.m_History.UndoCount(), 0);
}

}  // namespace
}  // namespace scanvo::fixtures
