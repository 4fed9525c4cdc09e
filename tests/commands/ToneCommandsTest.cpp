// Tone, colour and binarisation through the editing toolbar and the preview dialogs.
#include "EditFixture.h"

#include "commands/CommandTexts.h"
#include "core/CommandKeys.h"
#include "core/ToolbarKeys.h"
#include "platform/engine/ops/Canvas.h"
#include "platform/engine/ops/OpFlags.h"
#include "platform/engine/ops/Tone.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace scanvo::fixtures {
namespace {

namespace ops = engine::ops;

class ToneCommandsTest : public EditTest {
protected:
    template <typename Widget>
    static Widget* Child(QDialog& dialog, const QString& name)
    {
        Widget* widget = dialog.findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    static void Enter(QLineEdit* box, const QString& text)
    {
        box->setText(text);
        QTest::keyClick(box, Qt::Key_Return);
    }
};

engine::Image Adjusted(const engine::Image& page, void (*edit)(engine::Image&, int), int amount)
{
    engine::Image adjusted = page;
    edit(adjusted, amount);
    return adjusted;
}

TEST_F(ToneCommandsTest, InvertTwiceGivesTheBitonalPageBackAndLeavesOtherPagesAlone)
{
    ControlState& s = openPage(1);
    const engine::Image loaded = page();
    click(s.widgets.tbImaging, keys::miInvert);
    EXPECT_FALSE(page().samePixels(loaded));
    click(s.widgets.tbImaging, keys::miInvert);
    EXPECT_TRUE(page().samePixels(loaded));
    EXPECT_EQ(s.m_History.UndoCount(), 2);
    control.reset();

    ControlState& grey = openPage(8);
    const engine::Image greyPage = page();
    click(grey.widgets.tbImaging, keys::miInvert);
    EXPECT_EQ(statusText(), command_texts::kInvertNotBitonal);
    EXPECT_TRUE(page().samePixels(greyPage));
    EXPECT_EQ(grey.m_History.UndoCount(), 0);
    EXPECT_FALSE(enabled(grey.widgets.tbCommon, keys::miUndo));
}

TEST_F(ToneCommandsTest, TextCommandsRunTheirFilterAndTheButtonItsVariant)
{
    ControlState& s = openPage(1);
    const engine::Image loaded = page();
    const struct {
        qint16 index;
        const char* key;
        std::function<void(engine::Image&)> edit;
    } variants[] = {
        {0, keys::miDilation, [](engine::Image& p) { ops::MorphologyFilter(p, ops::kMorphDilate); }},
        {1, keys::miErosion, [](engine::Image& p) { ops::MorphologyFilter(p, ops::kMorphErode); }},
        {2, keys::miSmooth, [](engine::Image& p) { ops::SmoothText(p, 5, 0); }},
    };
    for (const auto& v : variants) {
        SCOPED_TRACE(v.key);
        engine::Image expected = loaded;
        v.edit(expected);
        click(s.widgets.tbImaging, v.key);
        EXPECT_TRUE(page().samePixels(expected));
        click(s.widgets.tbCommon, keys::miUndo);
        g_Settings.Imaging.TextIndex = v.index;
        click(s.widgets.tbImaging, keys::miText);
        EXPECT_TRUE(page().samePixels(expected));
        click(s.widgets.tbCommon, keys::miUndo);
    }
}

TEST_F(ToneCommandsTest, ConvertToBlackAndWhiteIsOneEdit)
{
    ControlState& s = openPage(24, 300, 200);
    click(s.widgets.tbImaging, keys::miConvert2BW);
    EXPECT_EQ(page().depth(), 1);
    EXPECT_EQ(s.m_History.UndoCount(), 1);
    click(s.widgets.tbCommon, keys::miUndo);
    EXPECT_EQ(page().depth(), 24);
}

TEST_F(ToneCommandsTest, BrightnessContrastClosedAtOnceStillCountsAsAnEdit)
{
    ControlState& s = openPage(24);
    const engine::Image loaded = page();
    prompter.dialogScripts.enqueue([&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("图像亮度/对比度调整"));
        EXPECT_EQ(Child<QPushButton>(dialog, QStringLiteral("cmdCancel"))->text(), QStringLiteral("关 闭"));
        EXPECT_EQ(Child<QLineEdit>(dialog, QStringLiteral("txtPercent1"))->text(), QStringLiteral("0"));
        Child<QPushButton>(dialog, QStringLiteral("cmdCancel"))->click();
        return dialog.result();
    });
    click(s.widgets.tbImaging, keys::miBright);
    EXPECT_TRUE(page().samePixels(loaded));
    EXPECT_TRUE(s.doc.m_PageModified);
    EXPECT_TRUE(enabled(s.widgets.tbCommon, keys::miUndo));
    EXPECT_EQ(s.m_History.UndoCount(), 1);
}

TEST_F(ToneCommandsTest, EachSliderPreviewsAloneFromThePageAsOpened)
{
    ControlState& s = openPage(24, 300, 200);
    const engine::Image loaded = page();
    prompter.dialogScripts.enqueue([&](QDialog& dialog) {
        dialog.show();
        Child<QScrollBar>(dialog, QStringLiteral("sbPercent0"))->setValue(40);
        EXPECT_EQ(Child<QLineEdit>(dialog, QStringLiteral("txtPercent0"))->text(), QStringLiteral("40"));
        EXPECT_TRUE(page().samePixels(Adjusted(loaded, ops::AdjustBrightness, 400)));
        Child<QScrollBar>(dialog, QStringLiteral("sbPercent1"))->setValue(20);
        dialog.reject();
        return dialog.result();
    });
    click(s.widgets.tbImaging, keys::miBright);
    EXPECT_TRUE(page().samePixels(Adjusted(loaded, ops::AdjustContrast, 200)));
    click(s.widgets.tbCommon, keys::miUndo);
    EXPECT_TRUE(page().samePixels(loaded));
}

TEST_F(ToneCommandsTest, TypedValuesOutsidePlusMinus100AreRefused)
{
    ControlState& s = openPage(24);
    const engine::Image loaded = page();
    prompter.dialogScripts.enqueue([&](QDialog& dialog) {
        dialog.show();
        auto* box = Child<QLineEdit>(dialog, QStringLiteral("txtPercent0"));
        Enter(box, QStringLiteral("101"));
        EXPECT_EQ(prompter.messageTexts(), QStringList{QStringLiteral("调整度应该在正负100之间！  ")});
        EXPECT_EQ(prompter.messages.last().title, QStringLiteral("提示信息"));
        EXPECT_TRUE(page().samePixels(loaded));
        EXPECT_TRUE(dialog.isVisible());  // Enter is the box's own
        Enter(box, QStringLiteral("-100"));
        EXPECT_EQ(prompter.messages.size(), 1);
        EXPECT_EQ(Child<QScrollBar>(dialog, QStringLiteral("sbPercent0"))->value(), -100);
        dialog.reject();
        return dialog.result();
    });
    click(s.widgets.tbImaging, keys::miBright);
    EXPECT_TRUE(page().samePixels(Adjusted(loaded, ops::AdjustBrightness, -1000)));
}

TEST_F(ToneCommandsTest, SaturationPreviewsOnItsOwnSlider)
{
    ControlState& s = openPage(24);
    const engine::Image loaded = page();
    g_Settings.Imaging.AdjustIndex = 1;
    prompter.dialogScripts.enqueue([&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("饱和度调整"));
        EXPECT_EQ(Child<QLabel>(dialog, QStringLiteral("lblPercent2"))->text(), QStringLiteral("饱和度："));
        dialog.show();
        Child<QScrollBar>(dialog, QStringLiteral("sbPercent2"))->setValue(-50);
        dialog.reject();
        return dialog.result();
    });
    click(s.widgets.tbImaging, keys::miImageAdjust);
    EXPECT_EQ(prompter.dialogsShown, QStringList{QStringLiteral("scanvo::frmSaturation")});
    EXPECT_TRUE(page().samePixels(Adjusted(loaded, ops::AdjustSaturation, -500)));
}

TEST_F(ToneCommandsTest, WhileTheSliderIsHeldOnlyASmallCopyIsPreviewedAndReleaseAppliesThePage)
{
    ControlState& s = openPage(24, 1200, 1600);
    const engine::Image loaded = page();
    prompter.dialogScripts.enqueue([&](QDialog& dialog) {
        dialog.show();
        auto* slider = Child<QScrollBar>(dialog, QStringLiteral("sbPercent0"));
        slider->setSliderDown(true);
        slider->setValue(30);
        EXPECT_TRUE(page().samePixels(loaded));  // painted from the small copy only
        slider->setValue(50);
        slider->setSliderDown(false);
        EXPECT_TRUE(page().samePixels(Adjusted(loaded, ops::AdjustBrightness, 500)));
        slider->setSliderDown(true);
        slider->setValue(60);
        dialog.reject();  // closing applies the value last previewed to the whole page
        return dialog.result();
    });
    click(s.widgets.tbImaging, keys::miBright);
    EXPECT_TRUE(page().samePixels(Adjusted(loaded, ops::AdjustBrightness, 600)));
}

TEST_F(ToneCommandsTest, ColourLevelsOpensAt20PreviewedAndKeepsAtLeast2)
{
    ControlState& s = openPage(24, 300, 200);
    const engine::Image loaded = page();
    prompter.dialogScripts.enqueue([&](QDialog& dialog) {
        dialog.show();
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("色阶调整"));
        EXPECT_EQ(Child<QLabel>(dialog, QStringLiteral("lblTitle"))->text(), QStringLiteral("调整度："));
        auto* box = Child<QLineEdit>(dialog, QStringLiteral("txtPercent"));
        auto* slider = Child<QScrollBar>(dialog, QStringLiteral("sbPercent"));
        EXPECT_EQ(box->text(), QStringLiteral("20"));
        EXPECT_EQ(slider->value(), 20);
        EXPECT_TRUE(page().samePixels(Adjusted(loaded, ops::AutoLevels, 100)));
        slider->setValue(0);
        EXPECT_EQ(slider->value(), 2);
        EXPECT_EQ(box->text(), QStringLiteral("2"));
        slider->setValue(1);
        EXPECT_EQ(slider->value(), 2);
        Enter(box, QStringLiteral("1"));
        EXPECT_EQ(prompter.messageTexts(), QStringList{QStringLiteral("调整度应该在2-100之间！  ")});
        Enter(box, QStringLiteral("101"));
        EXPECT_EQ(prompter.messages.size(), 2);
        Enter(box, QStringLiteral("30"));
        EXPECT_EQ(slider->value(), 30);
        Child<QPushButton>(dialog, QStringLiteral("cmdOK"))->click();
        return dialog.result();
    });
    click(s.widgets.tbImaging, keys::miColorGradation);
    EXPECT_TRUE(page().samePixels(Adjusted(loaded, ops::AutoLevels, 150)));
    EXPECT_EQ(s.m_History.UndoCount(), 1);
    EXPECT_TRUE(s.doc.m_PageModified);
}

TEST_F(ToneCommandsTest, CancellingAPreviewLeavesPageAndHistoryExactlyAsBefore)
{
    ControlState& s = openPage(24, 300, 200);
    click(s.widgets.tbImaging, keys::miRotate180);
    click(s.widgets.tbCommon, keys::miUndo);  // one redo level, and undo disabled again
    const engine::Image before = page();
    const bool modified = s.doc.m_PageModified;
    for (const char* key : {keys::miColorGradation, keys::miBackgroundSubtraction}) {
        SCOPED_TRACE(key);
        prompter.dialogScripts.enqueue([&](QDialog& dialog) {
            dialog.show();
            Child<QScrollBar>(dialog, QStringLiteral("sbPercent"))->setValue(70);
            EXPECT_FALSE(page().samePixels(before));
            Child<QPushButton>(dialog, QStringLiteral("cmdCancel"))->click();
            return dialog.result();
        });
        click(s.widgets.tbImaging, key);
        EXPECT_TRUE(page().samePixels(before));
        EXPECT_EQ(s.m_History.UndoCount(), 0);
        EXPECT_EQ(s.m_History.RedoCount(), 1);
        EXPECT_EQ(s.doc.m_PageModified, modified);
        EXPECT_FALSE(enabled(s.widgets.tbCommon, keys::miUndo));
        EXPECT_TRUE(enabled(s.widgets.tbCommon, keys::miRedo));
    }
}

TEST_F(ToneCommandsTest, BackgroundRemovalOpensAtZeroAndRefusesAbove100)
{
    ControlState& s = openPage(24, 300, 200);
    const engine::Image loaded = page();
    g_Settings.Imaging.AdjustIndex = 3;
    prompter.dialogScripts.enqueue([&](QDialog& dialog) {
        dialog.show();
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("背景消除"));
        EXPECT_EQ(Child<QLabel>(dialog, QStringLiteral("lblTitle"))->text(), QStringLiteral("消除度："));
        auto* box = Child<QLineEdit>(dialog, QStringLiteral("txtPercent"));
        EXPECT_EQ(box->text(), QStringLiteral("0"));
        Enter(box, QStringLiteral("101"));
        EXPECT_EQ(prompter.messageTexts(), QStringList{QStringLiteral("消除度应该在0-100之间！  ")});
        Enter(box, QStringLiteral("40"));
        Child<QPushButton>(dialog, QStringLiteral("cmdOK"))->click();
        return dialog.result();
    });
    click(s.widgets.tbImaging, keys::miImageAdjust);
    EXPECT_TRUE(page().samePixels(Adjusted(loaded, ops::RemoveBackground, 400)));
    EXPECT_EQ(s.m_History.UndoCount(), 1);
}

TEST_F(ToneCommandsTest, PaintRectOptionsRefuseZero)
{
    ControlState& s = openPage(8);
    prompter.dialogScripts.enqueue([&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("底色绘制设置"));
        EXPECT_EQ(Child<QLabel>(dialog, QStringLiteral("lblTitle0"))->text(), QStringLiteral("绘制点宽度：        像素"));
        auto* width = Child<QLineEdit>(dialog, QStringLiteral("txtValue0"));
        auto* height = Child<QLineEdit>(dialog, QStringLiteral("txtValue1"));
        EXPECT_EQ(width->text(), QStringLiteral("3"));
        width->setText(QStringLiteral("0"));
        height->setText(QStringLiteral("9"));
        Child<QPushButton>(dialog, QStringLiteral("cmdOK"))->click();
        EXPECT_EQ(prompter.messageTexts(), QStringList{QStringLiteral("不能为零！    ")});
        EXPECT_EQ(dialog.focusWidget(), width);
        width->setText(QStringLiteral("7"));
        height->clear();  // empty counts as 0
        Child<QPushButton>(dialog, QStringLiteral("cmdOK"))->click();
        EXPECT_EQ(prompter.messages.size(), 2);
        EXPECT_EQ(dialog.focusWidget(), height);
        EXPECT_EQ(g_Settings.Imaging.PaintRectWidth, 3);
        height->setText(QStringLiteral("5"));
        Child<QPushButton>(dialog, QStringLiteral("cmdOK"))->click();
        return dialog.result();
    });
    click(s.widgets.tbMain, keys::miPaintSetting);
    EXPECT_EQ(g_Settings.Imaging.PaintRectWidth, 7);
    EXPECT_EQ(g_Settings.Imaging.PaintRectHeight, 5);
    EXPECT_EQ(GetIniString(IniFilePath(), QStringLiteral("Imaging"), QStringLiteral("PaintRectHeight")), QStringLiteral("5"));
}

}  // namespace
}  // namespace scanvo::fixtures
