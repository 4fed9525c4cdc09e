// The editing toolbar's defaults: the dialog, and the drop-down buttons running what it chose.
#include "EditFixture.h"

#include "commands/edit/frmImageDefault.h"
#include "core/CommandKeys.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace scanvo::fixtures {
namespace {

using ImageDefaultTest = EditTest;

TEST_F(ImageDefaultTest, TheDialogShowsTheSettingsAndOkWritesAllEightKeys)
{
    ControlState& s = openPage(8);
    g_Settings.Imaging.RotateIndex = 2;
    g_Settings.Imaging.AdjustIndex = 3;
    g_Settings.Imaging.TrimAutoCenter = 1;
    QStringList titles;
    prompter.dialogScripts.enqueue([&](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), QStringLiteral("frmImageDefault"));
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("图像处理操作"));
        for (int i = 0; i < 6; ++i)
            titles << dialog.findChild<QLabel*>(QStringLiteral("lblTitle%1").arg(i))->text();
        auto* rotate = dialog.findChild<QComboBox*>(QStringLiteral("cboRotate"));
        EXPECT_EQ(rotate->currentText(), QStringLiteral("旋转180°"));
        EXPECT_EQ(dialog.findChild<QComboBox*>(QStringLiteral("cboAdjust"))->currentText(), QStringLiteral("背景优化"));
        EXPECT_EQ(dialog.findChild<QComboBox*>(QStringLiteral("cboSize"))->count(), 2);
        EXPECT_TRUE(dialog.findChild<QCheckBox*>(QStringLiteral("chkTrimAutoCenter"))->isChecked());
        rotate->setCurrentIndex(3);
        dialog.findChild<QComboBox*>(QStringLiteral("cboDeskew"))->setCurrentIndex(1);
        dialog.findChild<QCheckBox*>(QStringLiteral("chkCropAutoResize"))->setChecked(true);
        dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        return dialog.result();
    });
    click(s.widgets.tbMain, keys::miImagingChain);
    EXPECT_EQ(titles, QStringList({"旋 转", "纠 斜", "对 齐", "文 字", "大 小", "调 整"}));
    EXPECT_EQ(g_Settings.Imaging.RotateIndex, 3);
    EXPECT_EQ(g_Settings.Imaging.DeskewIndex, 1);
    EXPECT_EQ(g_Settings.Imaging.CropAutoResize, 1);
    const auto stored = [](const char* key) {
        return GetIniString(IniFilePath(), QStringLiteral("Imaging"), QString::fromLatin1(key));
    };
    EXPECT_EQ(stored("RotateIndex"), QStringLiteral("3"));
    EXPECT_EQ(stored("DeskewIndex"), QStringLiteral("1"));
    EXPECT_EQ(stored("AdjustIndex"), QStringLiteral("3"));
    EXPECT_EQ(stored("AlignIndex"), QStringLiteral("0"));
    EXPECT_EQ(stored("TextIndex"), QStringLiteral("0"));
    EXPECT_EQ(stored("ResizeIndex"), QStringLiteral("0"));
    EXPECT_EQ(stored("CropAutoResize"), QStringLiteral("1"));
    EXPECT_EQ(stored("TrimAutoCenter"), QStringLiteral("1"));
}

TEST_F(ImageDefaultTest, CancelChangesNothing)
{
    ControlState& s = openPage(8);
    prompter.dialogScripts.enqueue([](QDialog& dialog) {
        dialog.findChild<QComboBox*>(QStringLiteral("cboRotate"))->setCurrentIndex(3);
        dialog.findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
        return dialog.result();
    });
    click(s.widgets.tbMain, keys::miImagingChain);
    EXPECT_EQ(g_Settings.Imaging.RotateIndex, 0);
    EXPECT_EQ(GetIniString(IniFilePath(), QStringLiteral("Imaging"), QStringLiteral("RotateIndex")),
              QStringLiteral("0"));
}

}  // namespace
}  // namespace scanvo::fixtures
