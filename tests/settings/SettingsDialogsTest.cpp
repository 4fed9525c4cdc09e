#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "SettingsTestSupport.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"
#include "settings/frmImageDir.h"
#include "settings/frmViewOptions.h"

namespace scanvo {
namespace {

using test::ReadBytes;
using test::ReadLines;

template <typename W>
W* Child(QWidget& dialog, const char* name)
{
    W* widget = dialog.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

QStringList Items(QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

class ViewOptionsTest : public test::SettingsTestBase {};

TEST_F(ViewOptionsTest, ShowsItsControlsWithTheStoredChoices)
{
    g_Settings.Common.ImageFitStyle = 1;
    g_Settings.Layout.ScanBarAlign = 2;
    g_Settings.Layout.ImagingBarAlign = 1;
    g_Settings.Layout.ImagingButtonCaption = 0;
    frmViewOptions dialog(m_Prompter);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("界面显示设置"));
    EXPECT_EQ(Child<QGroupBox>(dialog, "framUILayout")->title(), QStringLiteral("界面显示"));
    EXPECT_EQ(Child<QGroupBox>(dialog, "framImageFitStyle")->title(), QStringLiteral("图像显示"));
    EXPECT_EQ(Child<QPushButton>(dialog, "cmdOK")->text(), QStringLiteral("确 定"));
    EXPECT_EQ(Child<QPushButton>(dialog, "cmdCancel")->text(), QStringLiteral("取 消"));
    EXPECT_EQ(Child<QCheckBox>(dialog, "chkImagingButtonCaption")->text(), QStringLiteral("显示按钮标题"));
    EXPECT_EQ(Items(Child<QComboBox>(dialog, "cboImagingBarAlign")),
              (QStringList{QStringLiteral("上边"), QStringLiteral("左边"), QStringLiteral("右边")}));
    EXPECT_EQ(Items(Child<QComboBox>(dialog, "cboScanBarAlign")), (QStringList{QStringLiteral("左边"), QStringLiteral("右边")}));
    EXPECT_EQ(Items(Child<QComboBox>(dialog, "cboImageFitStyle")),
              (QStringList{QStringLiteral("实际大小"), QStringLiteral("适合窗口"), QStringLiteral("适合宽度"),
                           QStringLiteral("适合高度")}));
    QStringList labels;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        labels << label->text();
    EXPECT_TRUE(labels.contains(QStringLiteral("影像优化栏位置")));
    EXPECT_TRUE(labels.contains(QStringLiteral("扫描工具栏位置")));
    EXPECT_TRUE(labels.contains(QStringLiteral("图像显示方式")));

    EXPECT_EQ(Child<QComboBox>(dialog, "cboImageFitStyle")->currentIndex(), 1);
    EXPECT_EQ(Child<QComboBox>(dialog, "cboScanBarAlign")->currentIndex(), 1);
    EXPECT_EQ(Child<QComboBox>(dialog, "cboImagingBarAlign")->currentIndex(), 0);
    EXPECT_FALSE(Child<QCheckBox>(dialog, "chkImagingButtonCaption")->isChecked());
}

TEST_F(ViewOptionsTest, OkWritesTheFourKeysInOrder)
{
    frmViewOptions dialog(m_Prompter);
    dialog.show();
    Child<QComboBox>(dialog, "cboImageFitStyle")->setCurrentIndex(0);
    Child<QComboBox>(dialog, "cboScanBarAlign")->setCurrentIndex(1);
    Child<QComboBox>(dialog, "cboImagingBarAlign")->setCurrentIndex(1);
    Child<QCheckBox>(dialog, "chkImagingButtonCaption")->setChecked(false);
    QTest::mouseClick(Child<QPushButton>(dialog, "cmdOK"), Qt::LeftButton);

    EXPECT_EQ(dialog.Action, 1);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(g_Settings.Common.ImageFitStyle, 0);
    EXPECT_EQ(g_Settings.Layout.ScanBarAlign, 2);
    EXPECT_EQ(g_Settings.Layout.ImagingBarAlign, 2);
    EXPECT_EQ(g_Settings.Layout.ImagingButtonCaption, 0);
    // Starting from no file, the order of the writes is the order of the lines.
    EXPECT_EQ(ReadLines(IniFile()),
              (QStringList{QStringLiteral("[Common]"), QStringLiteral("ImageFitStyle=0"), QStringLiteral("[Layout]"),
                           QStringLiteral("ScanBarAlign=2"), QStringLiteral("ImagingBarAlign=2"),
                           QStringLiteral("ImagingButtonCaption=0")}));
}

TEST_F(ViewOptionsTest, CancelAndClosingWriteNothing)
{
    {
        frmViewOptions dialog(m_Prompter);
        dialog.show();
        Child<QComboBox>(dialog, "cboScanBarAlign")->setCurrentIndex(1);
        QTest::mouseClick(Child<QPushButton>(dialog, "cmdCancel"), Qt::LeftButton);
        EXPECT_EQ(dialog.Action, 0);
        EXPECT_FALSE(dialog.isVisible());
    }
    {
        frmViewOptions dialog(m_Prompter);
        dialog.show();
        Child<QComboBox>(dialog, "cboScanBarAlign")->setCurrentIndex(1);
        EXPECT_TRUE(dialog.close());
        EXPECT_EQ(dialog.Action, 0);
    }
    EXPECT_EQ(g_Settings.Layout.ScanBarAlign, 1);
    EXPECT_FALSE(QFileInfo::exists(IniFile()));
}

TEST_F(ViewOptionsTest, ValuesMatchingNoItemSurviveOk)
{
    // An existing file without a Layout section loads zeroes, which match no side.
    g_Settings.Layout.ScanBarAlign = 0;
    g_Settings.Layout.ImagingBarAlign = 0;
    g_Settings.Common.ImageFitStyle = 9;
    frmViewOptions dialog(m_Prompter);
    EXPECT_EQ(Child<QComboBox>(dialog, "cboScanBarAlign")->currentIndex(), -1);
    QTest::mouseClick(Child<QPushButton>(dialog, "cmdOK"), Qt::LeftButton);
    EXPECT_EQ(g_Settings.Layout.ScanBarAlign, 0);
    EXPECT_EQ(g_Settings.Layout.ImagingBarAlign, 0);
    EXPECT_EQ(g_Settings.Common.ImageFitStyle, 9);
    EXPECT_EQ(GetIniString(IniFile(), QStringLiteral("Common"), QStringLiteral("ImageFitStyle")), QStringLiteral("9"));
}

class ImageDirTest : public test::SettingsTestBase {
protected:
    void SetUp() override
    {
        test::SettingsTestBase::SetUp();
        m_OldHome = qgetenv("HOME");
        m_Home = Path(QStringLiteral("home"));
        ASSERT_TRUE(QDir().mkpath(m_Home));
        qputenv("HOME", QFile::encodeName(m_Home));
    }
    void TearDown() override
    {
        qputenv("HOME", m_OldHome);
        test::SettingsTestBase::TearDown();
    }
    QString StoredSaveDir() const { return GetIniString(IniFile(), QStringLiteral("Scan"), QStringLiteral("SaveDir")); }

    QByteArray m_OldHome;
    QString m_Home;
};

TEST_F(ImageDirTest, EmptyDirectoryOffersScansInHomeAndOkCreatesAndStoresIt)
{
    frmImageDir dialog(m_Prompter);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("图像保存目录"));
    EXPECT_EQ(Child<QPushButton>(dialog, "cmdDirectory")->text(), QStringLiteral("浏览"));
    EXPECT_EQ(Child<QLabel>(dialog, "lblTitle")->text(),
              QStringLiteral("提示：设定一个固定的目录来保存扫描或处理后的图像文件。"));
    EXPECT_NE(dialog.findChild<QGroupBox*>(QStringLiteral("framImageDir")), nullptr);
    dialog.show();
    QLineEdit* txtDirectory = Child<QLineEdit>(dialog, "txtDirectory");
    EXPECT_EQ(txtDirectory->text(), m_Home + QStringLiteral("/Scans"));

    QTest::mouseClick(Child<QPushButton>(dialog, "cmdOK"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.SaveDir, m_Home + QStringLiteral("/Scans"));
    EXPECT_TRUE(QFileInfo(m_Home + QStringLiteral("/Scans")).isDir());
    EXPECT_EQ(StoredSaveDir(), m_Home + QStringLiteral("/Scans"));
    EXPECT_EQ(g_Settings.Scan.SaveDir, m_Home + QStringLiteral("/Scans"));
    EXPECT_TRUE(m_Prompter.messages.empty());
}

TEST_F(ImageDirTest, TypedPathWithBackslashesCreatesEveryLevel)
{
    frmImageDir dialog(m_Prompter);
    dialog.SaveDir = QStringLiteral("/ignored");
    dialog.show();
    QLineEdit* txtDirectory = Child<QLineEdit>(dialog, "txtDirectory");
    EXPECT_EQ(txtDirectory->text(), QStringLiteral("/ignored"));
    txtDirectory->setText(m_Dir.path() + QStringLiteral("\\archive\\2024/boxes"));
    QTest::mouseClick(Child<QPushButton>(dialog, "cmdOK"), Qt::LeftButton);
    const QString expected = m_Dir.path() + QStringLiteral("/archive/2024/boxes");
    EXPECT_TRUE(QFileInfo(expected).isDir());
    EXPECT_EQ(dialog.SaveDir, expected);
    EXPECT_EQ(StoredSaveDir(), expected);
}

TEST_F(ImageDirTest, FailedCreationWarnsKeepsDialogOpenAndStoresNothing)
{
    QFile blocker(Path(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    frmImageDir dialog(m_Prompter);
    dialog.SaveDir = QStringLiteral("/previous/root");
    dialog.show();
    const QString wanted = Path(QStringLiteral("blocker/scans"));
    Child<QLineEdit>(dialog, "txtDirectory")->setText(wanted);
    QTest::mouseClick(Child<QPushButton>(dialog, "cmdOK"), Qt::LeftButton);

    ASSERT_EQ(m_Prompter.messages.size(), 1u);
    // "blocker" exists as a file, so creating it as a directory fails with EEXIST.
    EXPECT_EQ(m_Prompter.messages[0].text, QStringLiteral("%1:%2    ").arg(EEXIST).arg(QString::fromLocal8Bit(strerror(EEXIST))));
    EXPECT_EQ(m_Prompter.messages[0].title, QStringLiteral("提示信息"));
    EXPECT_EQ(m_Prompter.messages[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.SaveDir, wanted);
    EXPECT_FALSE(QFileInfo::exists(IniFile()));
    EXPECT_TRUE(g_Settings.Scan.SaveDir.isEmpty());

    // Giving up hands back what the caller had, not the directory that was never made.
    QTest::mouseClick(Child<QPushButton>(dialog, "cmdCancel"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.SaveDir, QStringLiteral("/previous/root"));
    EXPECT_FALSE(QFileInfo::exists(IniFile()));
}

TEST_F(ImageDirTest, BrowseReplacesTheTextOnlyWhenAFolderIsChosen)
{
    frmImageDir dialog(m_Prompter);
    dialog.SaveDir = QStringLiteral("/typed");
    dialog.show();
    m_Prompter.folderAnswers = {QString(), QStringLiteral("/chosen/folder")};
    QPushButton* browse = Child<QPushButton>(dialog, "cmdDirectory");
    QLineEdit* txtDirectory = Child<QLineEdit>(dialog, "txtDirectory");
    QTest::mouseClick(browse, Qt::LeftButton);
    EXPECT_EQ(txtDirectory->text(), QStringLiteral("/typed"));
    QTest::mouseClick(browse, Qt::LeftButton);
    EXPECT_EQ(txtDirectory->text(), QStringLiteral("/chosen/folder"));
    EXPECT_EQ(m_Prompter.folderTitles, (QStringList{QStringLiteral("选择保存目录："), QStringLiteral("选择保存目录：")}));
    EXPECT_TRUE(dialog.isVisible());

    EXPECT_TRUE(dialog.close());
    EXPECT_EQ(dialog.SaveDir, QStringLiteral("/typed"));
    EXPECT_FALSE(QFileInfo::exists(IniFile()));
}

TEST_F(ImageDirTest, FocusPutsTheCaretAtTheEnd)
{
    frmImageDir dialog(m_Prompter);
    dialog.SaveDir = QStringLiteral("/some/dir");
    dialog.show();
    QLineEdit* txtDirectory = Child<QLineEdit>(dialog, "txtDirectory");
    txtDirectory->setCursorPosition(0);
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(txtDirectory, &focusIn);
    EXPECT_EQ(txtDirectory->cursorPosition(), txtDirectory->text().size());
    EXPECT_FALSE(txtDirectory->hasSelectedText());
}

}  // namespace
}  // namespace scanvo
