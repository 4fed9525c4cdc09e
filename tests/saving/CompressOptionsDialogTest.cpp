// The compression options dialog: options loaded from the settings, the custom quality boxes, the
// range message, and what OK and cancel write.
#include "saving/frmImageCompressOptions.h"

#include "fixtures/ScriptedPrompter.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"

#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace scanvo {
namespace {

class CompressOptionsDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_config.isValid());
        qputenv("SCANVO_CONFIG_DIR", m_config.path().toLocal8Bit());
        g_Settings = SettingsRecord();
    }
    void TearDown() override { qunsetenv("SCANVO_CONFIG_DIR"); }

    QRadioButton* option(QDialog& dialog, const char* group, int index) const
    {
        auto* button = dialog.findChild<QRadioButton*>(QString::fromLatin1(group) + QString::number(index));
        EXPECT_NE(button, nullptr) << group << index;
        return button;
    }
    QLineEdit* box(QDialog& dialog, const char* name) const
    {
        auto* found = dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void press(QDialog& dialog, const char* name) const
    {
        auto* button = dialog.findChild<QAbstractButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }
    QString iniPath() const { return m_config.path() + QStringLiteral("/scanvo.ini"); }
    QString stored(const char* key) const
    {
        return GetIniString(iniPath(), QStringLiteral("Save"), QString::fromLatin1(key));
    }

    fixtures::ScriptedPrompter prompter;

private:
    QTemporaryDir m_config;
};

TEST_F(CompressOptionsDialogTest, ShowsTheStoredChoicesOnThreeTabs)
{
    g_Settings.Save.Tif1Compress = 4;
    g_Settings.Save.Tif2Compress = 1;
    g_Settings.Save.Tif2Quality = 3;
    g_Settings.Save.Tif2QualityValue = 64;
    g_Settings.Save.JpgCompress = 2;
    g_Settings.Save.JpgQuality = 1;
    frmImageCompressOptions dialog(prompter);

    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("图像压缩设置"));
    auto* tabs = dialog.findChild<QTabWidget*>(QStringLiteral("stabFileType"));
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("TIF(黑白)"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("TIF(彩色或灰度)"));
    EXPECT_EQ(tabs->tabText(2), QStringLiteral("JPG(彩色)"));

    EXPECT_TRUE(option(dialog, "optTif1Compress", 4)->isChecked());
    EXPECT_TRUE(option(dialog, "optTif2Compress", 1)->isChecked());
    EXPECT_TRUE(option(dialog, "optTif2Quality", 3)->isChecked());
    EXPECT_TRUE(option(dialog, "optJpgCompress", 2)->isChecked());
    EXPECT_TRUE(option(dialog, "optJpgQuality", 1)->isChecked());
    EXPECT_TRUE(box(dialog, "txtQuality1")->isEnabled());
    EXPECT_EQ(box(dialog, "txtQuality1")->text(), QStringLiteral("64"));
    EXPECT_FALSE(box(dialog, "txtQuality2")->isEnabled());
}

// Every tab is in view when the dialog opens at its own size: none is reached only through a
// scroll arrow.
TEST_F(CompressOptionsDialogTest, AllThreeTabsAreInViewAtTheDialogsSize)
{
    frmImageCompressOptions dialog(prompter);
    dialog.show();
    auto* tabs = dialog.findChild<QTabWidget*>(QStringLiteral("stabFileType"));
    ASSERT_NE(tabs, nullptr);
    QTabBar* bar = tabs->tabBar();
    for (int i = 0; i < tabs->count(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(bar->rect().contains(bar->tabRect(i))) << bar->width() << " " << bar->tabRect(i).right();
        EXPECT_EQ(bar->tabText(i), tabs->tabText(i));  // not elided
    }
    EXPECT_GE(bar->width(), bar->sizeHint().width());
}

TEST_F(CompressOptionsDialogTest, OptionCaptions)
{
    frmImageCompressOptions dialog(prompter);
    EXPECT_EQ(option(dialog, "optTif1Compress", 1)->text(), QStringLiteral("CCITT,GROUP 3,2 DIM"));
    EXPECT_EQ(option(dialog, "optTif2Compress", 0)->text(), QStringLiteral("无压缩"));
    EXPECT_EQ(option(dialog, "optJpgCompress", 0)->text(), QStringLiteral("无损 YUV 4:4:4"));
    EXPECT_EQ(option(dialog, "optJpgQuality", 1)->text(), QStringLiteral("好的图像质量及较小的文件"));
    EXPECT_EQ(option(dialog, "optTif2Quality", 3)->text(), QStringLiteral("自定义品质"));
    EXPECT_EQ(option(dialog, "optTif1Compress", 5 - 1)->text(), QStringLiteral("LZW"));
    EXPECT_EQ(dialog.findChildren<QRadioButton*>().size(), 5 + 5 + 4 + 3 + 4);
}

TEST_F(CompressOptionsDialogTest, CustomQualityOptionOpensItsBox)
{
    g_Settings.Save.JpgQuality = 0;
    g_Settings.Save.JpgQualityValue = 42;
    frmImageCompressOptions dialog(prompter);
    QLineEdit* quality = box(dialog, "txtQuality2");
    EXPECT_FALSE(quality->isEnabled());

    option(dialog, "optJpgQuality", 3)->click();
    EXPECT_TRUE(quality->isEnabled());
    EXPECT_EQ(quality->text(), QStringLiteral("42"));

    option(dialog, "optJpgQuality", 2)->click();
    EXPECT_FALSE(quality->isEnabled());
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(CompressOptionsDialogTest, QualityOutsideOneToHundredShowsTheRangeMessage)
{
    g_Settings.Save.Tif2Quality = 3;
    frmImageCompressOptions dialog(prompter);
    QLineEdit* quality = box(dialog, "txtQuality1");
    quality->selectAll();
    QTest::keyClick(quality, Qt::Key_Backspace);  // empty: reads as 0
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_EQ(prompter.messages[0].text, QStringLiteral("图像质量值必须在1-100之间！    "));
    EXPECT_EQ(prompter.messages[0].title, QStringLiteral("提示信息"));
    EXPECT_EQ(prompter.messages[0].icon, MessageIcon::Information);

    QTest::keyClicks(quality, QStringLiteral("100"));  // 1, 10, 100: all in range
    EXPECT_EQ(prompter.messages.size(), 1);
    QTest::keyClick(quality, Qt::Key_0);  // 1000
    EXPECT_EQ(prompter.messages.size(), 2);
    // The text is left as typed.
    EXPECT_EQ(quality->text(), QStringLiteral("1000"));
}

TEST_F(CompressOptionsDialogTest, OkWritesAllSevenKeysInOrder)
{
    frmImageCompressOptions dialog(prompter);
    option(dialog, "optTif1Compress", 2)->click();
    option(dialog, "optTif2Compress", 4)->click();
    option(dialog, "optTif2Quality", 3)->click();
    box(dialog, "txtQuality1")->setText(QStringLiteral("72.5"));  // halves to even
    option(dialog, "optJpgCompress", 0)->click();
    option(dialog, "optJpgQuality", 1)->click();
    press(dialog, "cmdOK");

    EXPECT_EQ(dialog.Action, 1);
    EXPECT_EQ(g_Settings.Save.Tif1Compress, 2);
    EXPECT_EQ(g_Settings.Save.Tif2Compress, 4);
    EXPECT_EQ(g_Settings.Save.Tif2Quality, 3);
    EXPECT_EQ(g_Settings.Save.Tif2QualityValue, 72);
    EXPECT_EQ(g_Settings.Save.JpgCompress, 0);
    EXPECT_EQ(g_Settings.Save.JpgQuality, 1);
    EXPECT_EQ(g_Settings.Save.JpgQualityValue, 50);  // not custom: the stored value stays

    EXPECT_EQ(stored("Tif1Compress"), QStringLiteral("2"));
    EXPECT_EQ(stored("Tif2Compress"), QStringLiteral("4"));
    EXPECT_EQ(stored("Tif2Quality"), QStringLiteral("3"));
    EXPECT_EQ(stored("Tif2QualityValue"), QStringLiteral("72"));
    EXPECT_EQ(stored("JpgCompress"), QStringLiteral("0"));
    EXPECT_EQ(stored("JpgQuality"), QStringLiteral("1"));
    EXPECT_EQ(stored("JpgQualityValue"), QStringLiteral("50"));

    QFile ini(iniPath());
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    QStringList keys;
    for (const QByteArray& line : ini.readAll().split('\n')) {
        const int eq = line.indexOf('=');
        if (eq > 0)
            keys << QString::fromUtf8(line.left(eq)).trimmed();
    }
    EXPECT_EQ(keys.join(u' '), QStringLiteral("Tif1Compress Tif2Compress Tif2Quality Tif2QualityValue JpgCompress "
                                              "JpgQuality JpgQualityValue"));
}

TEST_F(CompressOptionsDialogTest, OutOfRangeCustomQualityKeepsTheStoredValue)
{
    g_Settings.Save.JpgQuality = 3;
    g_Settings.Save.JpgQualityValue = 35;
    frmImageCompressOptions dialog(prompter);
    box(dialog, "txtQuality2")->setText(QStringLiteral("250"));
    press(dialog, "cmdOK");
    EXPECT_EQ(g_Settings.Save.JpgQualityValue, 35);
    EXPECT_EQ(stored("JpgQualityValue"), QStringLiteral("35"));
}

TEST_F(CompressOptionsDialogTest, CancelAndCloseWriteNothing)
{
    for (const char* how : {"cmdCancel", "close"}) {
        frmImageCompressOptions dialog(prompter);
        option(dialog, "optTif1Compress", 3)->click();
        option(dialog, "optJpgQuality", 3)->click();
        box(dialog, "txtQuality2")->setText(QStringLiteral("90"));
        if (QByteArray(how) == "close")
            dialog.close();
        else
            press(dialog, how);
        EXPECT_EQ(dialog.Action, 0) << how;
        EXPECT_EQ(g_Settings.Save.Tif1Compress, 0) << how;
        EXPECT_EQ(g_Settings.Save.JpgQualityValue, 50) << how;
        EXPECT_FALSE(QFile::exists(iniPath())) << how;
    }
}

}  // namespace
}  // namespace scanvo
