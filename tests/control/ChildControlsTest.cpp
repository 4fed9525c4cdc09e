// The control's surface as a host sees it: every child control under its name, the status bar's
// panels, and the toolbars reaching their dispatchers.
#include "ControlTestSupport.h"

#include "control/ChildControls.h"
#include "control/ToolbarBuilder.h"
#include "core/FileListView.h"
#include "core/ToolbarKeys.h"
#include "platform/engine/ImageViewer.h"

#include <QAction>
#include <QComboBox>
#include <QDate>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <QTest>
#include <QToolBar>

#include <cstdlib>

namespace scanvo::fixtures {
namespace {

using ChildControlsTest = ControlTest;

TEST_F(ChildControlsTest, EveryChildControlCarriesItsName)
{
    auto control = shownControlWithRoot();
    const ControlState& state = control->State();

    QWidget* picLeft = control->findChild<QWidget*>(QStringLiteral("picLeft"));
    QWidget* picMain = control->findChild<QWidget*>(QStringLiteral("picMain"));
    ASSERT_NE(picLeft, nullptr);
    ASSERT_NE(picMain, nullptr);
    for (const char* name : {"tbMain", "tbFileNav", "tbFileOperate"})
        EXPECT_NE(picLeft->findChild<QToolBar*>(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_EQ(picLeft->findChild<FileListView*>(QStringLiteral("lvwFileList")), state.widgets.lvwFileList);
    EXPECT_EQ(state.widgets.tbFileNav->findChild<QComboBox*>(QStringLiteral("cboCurrentFile")), state.widgets.cboCurrentFile);
    EXPECT_EQ(state.widgets.tbCommon->findChild<QComboBox*>(QStringLiteral("cboCurrentPage")), state.widgets.cboCurrentPage);
    EXPECT_EQ(state.widgets.tbCommon->findChild<QComboBox*>(QStringLiteral("cboZoomFactor")), state.widgets.cboZoomFactor);
    EXPECT_EQ(picMain->findChild<QToolBar*>(QStringLiteral("tbCommon")), state.widgets.tbCommon);
    QWidget* picImaging = picMain->findChild<QWidget*>(QStringLiteral("picImaging"));
    ASSERT_NE(picImaging, nullptr);
    EXPECT_EQ(picImaging->findChild<QToolBar*>(QStringLiteral("tbImaging")), state.widgets.tbImaging);
    EXPECT_EQ(picMain->findChild<engine::ImageViewer*>(QStringLiteral("mtMain")), state.widgets.mtMain);
    EXPECT_EQ(control->findChild<QStatusBar*>(QStringLiteral("sbTotalInfo")), state.widgets.sbTotalInfo);
    for (int i = 0; i < 10; ++i)
        EXPECT_NE(state.widgets.mtMain->findChild<QFrame*>(QStringLiteral("linGrid%1").arg(i)), nullptr) << i;
    EXPECT_NE(state.widgets.mtMain->findChild<QLabel*>(QStringLiteral("lblColor")), nullptr);
    EXPECT_NE(state.widgets.mtMain->findChild<QLineEdit*>(QStringLiteral("txtPageNumber")), nullptr);
    EXPECT_NE(state.widgets.mtMain->findChild<QPushButton*>(QStringLiteral("cmdFont")), nullptr);
}

// Every child control exists from construction on and lives inside the control, so nothing that
// reaches the state before the first show finds a piece missing.
TEST_F(ChildControlsTest, ANewControlHasItsWholeSurfaceBeforeItIsShown)
{
    Imaging control;
    const ChildWidgets& w = control.State().widgets;
    const std::pair<const char*, const QWidget*> children[] = {
        {"picLeft", w.picLeft},       {"picMain", w.picMain},           {"picImaging", w.picImaging},
        {"mtMain", w.mtMain},         {"tbMain", w.tbMain},             {"tbFileNav", w.tbFileNav},
        {"tbFileOperate", w.tbFileOperate}, {"tbCommon", w.tbCommon},   {"tbImaging", w.tbImaging},
        {"lvwFileList", w.lvwFileList}, {"cboCurrentFile", w.cboCurrentFile}, {"cboCurrentPage", w.cboCurrentPage},
        {"cboZoomFactor", w.cboZoomFactor}, {"sbTotalInfo", w.sbTotalInfo}, {"lblColor", w.lblColor},
        {"txtPageNumber", w.txtPageNumber}, {"cmdFont", w.cmdFont},     {"overlay", w.overlay},
    };
    EXPECT_EQ(w.control, &control);
    for (const auto& [name, child] : children)
        EXPECT_TRUE(child != nullptr && control.isAncestorOf(child)) << name;
    for (const QFrame* line : w.linGrid)
        EXPECT_TRUE(line != nullptr && control.isAncestorOf(line));
}

TEST_F(ChildControlsTest, OverlaysStartHidden)
{
    auto control = shownControlWithRoot();
    const ControlState& state = control->State();
    EXPECT_FALSE(state.widgets.lblColor->isVisible());
    EXPECT_FALSE(state.widgets.txtPageNumber->isVisible());
    EXPECT_FALSE(state.widgets.cmdFont->isVisible());
    for (QFrame* line : state.widgets.linGrid)
        EXPECT_FALSE(line->isVisible());
    EXPECT_TRUE(state.widgets.mtMain->isVisible());
}

TEST_F(ChildControlsTest, StatusBarShowsIdleTextDateAndTime)
{
    auto control = shownControlWithRoot();
    QStatusBar* bar = control->State().widgets.sbTotalInfo;
    auto text = [bar](int n) {
        const QLabel* panel = bar->findChild<QLabel*>(StatusPanelName(n));
        return panel ? panel->text() : QStringLiteral("<missing>");
    };
    EXPECT_EQ(text(1), QStringLiteral("澜页文档扫描影像优化处理控件"));
    const QDate today = QDate::currentDate();
    const QString date = text(4);
    EXPECT_TRUE(date == QLocale().toString(today, QLocale::ShortFormat)
                || date == QLocale().toString(today.addDays(-1), QLocale::ShortFormat))
        << date.toStdString();
    const QTime shown = QTime::fromString(text(5), QStringLiteral("HH:mm:ss"));
    ASSERT_TRUE(shown.isValid()) << text(5).toStdString();
    const int apart = std::abs(shown.secsTo(QTime::currentTime()));
    EXPECT_TRUE(apart <= 5 || apart >= 24 * 3600 - 5) << apart;  // either side of midnight

    const QTimer* clock = bar->findChild<QTimer*>(QStringLiteral("sbTotalInfoClock"));
    ASSERT_NE(clock, nullptr);
    EXPECT_TRUE(clock->isActive());
    EXPECT_LE(clock->interval(), 1000);
}

TEST_F(ChildControlsTest, FirstShowPutsTheToolbarsIntoTheNoDocumentState)
{
    auto control = shownControlWithRoot();
    const ControlState& state = control->State();
    EXPECT_TRUE(FindToolbarAction(state.widgets.tbCommon, QStringLiteral("miGrid"))->isEnabled());
    EXPECT_FALSE(FindToolbarAction(state.widgets.tbCommon, QStringLiteral("miNext"))->isEnabled());
    EXPECT_FALSE(FindToolbarAction(state.widgets.tbImaging, QStringLiteral("miRotate"))->isEnabled());
    EXPECT_FALSE(FindToolbarAction(state.widgets.tbMain, QStringLiteral("miInsert"))->isEnabled());
    EXPECT_EQ(state.widgets.cboZoomFactor->currentText(), QStringLiteral("100%"));
}

TEST_F(ChildControlsTest, SettingsMenuItemOpensTheCompressionDialog)
{
    auto control = shownControlWithRoot();
    QString caption;
    prompter.dialogScripts.enqueue([&caption](QDialog& dialog) {
        caption = dialog.windowTitle();
        return int(QDialog::Rejected);
    });
    FindToolbarAction(control->State().widgets.tbMain, QStringLiteral("miCompressSetting"))->trigger();
    EXPECT_EQ(prompter.dialogsShown, QStringList{QStringLiteral("scanvo::frmImageCompressOptions")});
    EXPECT_EQ(caption, QStringLiteral("图像压缩设置"));
}

TEST_F(ChildControlsTest, SpaceInTheListRunsTheScanButtonsCommandOnlyWhenItWentDownThere)
{
    auto control = shownControlWithRoot();
    ControlState& state = control->State();
    QTest::keyClick(state.widgets.lvwFileList, Qt::Key_Space, Qt::ShiftModifier);
    EXPECT_EQ(state.scan.m_ScanMode, 0);
    QWidget elsewhere;  // a window that took the press, and closed on it
    elsewhere.show();
    QTest::keyPress(&elsewhere, Qt::Key_Space);
    QTest::keyRelease(state.widgets.lvwFileList, Qt::Key_Space);
    EXPECT_EQ(state.scan.m_ScanMode, 0);
    QTest::keyClick(state.widgets.lvwFileList, Qt::Key_Space);
    EXPECT_EQ(state.scan.m_ScanMode, 1);  // append, as the scan button's own dispatch row says
}

}  // namespace
}  // namespace scanvo::fixtures
