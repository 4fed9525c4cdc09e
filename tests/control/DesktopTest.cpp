// The control on a desktop: every button on screen at common screen sizes, tooltips that name the
// keys, and names and descriptions for screen readers.
#include "ControlTestSupport.h"

#include "core/FileListView.h"
#include "platform/engine/ImageViewer.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"
#include "viewer/PageNavigation.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QKeySequence>
#include <QMenu>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <tuple>

namespace scanvo::fixtures {
namespace {

using DesktopTest = ControlTest;

QList<QToolBar*> Toolbars(const ControlState& state)
{
    return {state.widgets.tbMain, state.widgets.tbFileNav, state.widgets.tbFileOperate, state.widgets.tbCommon, state.widgets.tbImaging};
}

QString AccessibleText(QObject* object, QAccessible::Text text)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(text) : QString();
}

// The editing bar's side and captions, as the settings file gives them at first show.
void WriteImagingBarLayout(const QString& iniFile, int barAlign, int captions)
{
    ASSERT_TRUE(WriteIniString(iniFile, QStringLiteral("Layout"), QStringLiteral("ImagingBarAlign"),
                               QString::number(barAlign)));
    ASSERT_TRUE(WriteIniString(iniFile, QStringLiteral("Layout"), QStringLiteral("ImagingButtonCaption"),
                               QString::number(captions)));
}

// (window width, window height, Layout.ImagingBarAlign, Layout.ImagingButtonCaption)
class ScreenSizeTest : public DesktopTest, public ::testing::WithParamInterface<std::tuple<int, int, int, int>> {};

TEST_P(ScreenSizeTest, EveryButtonIsOnScreenWithoutTheOverflowMenu)
{
    const auto [width, height, barAlign, captions] = GetParam();
    WriteImagingBarLayout(iniFile(), barAlign, captions);
    writeSaveDir(rootDir());
    MakeSinglePageDocument(rootDir() + QStringLiteral("/doc"), 3);
    QWidget window;
    auto* control = new Imaging(&window);
    control->setDocType(0);  // the file navigation bar shows too
    control->setDocName(QStringLiteral("doc"));
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(control);
    window.resize(width, height);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_EQ(control->size(), QSize(width, height));

    for (QToolBar* toolbar : Toolbars(control->State())) {
        toolbar->layout()->activate();
        for (QAction* action : toolbar->actions()) {
            if (action->isSeparator())
                continue;
            SCOPED_TRACE(toolbar->objectName().toStdString() + " " + action->objectName().toStdString());
            QWidget* button = toolbar->widgetForAction(action);
            ASSERT_NE(button, nullptr);
            EXPECT_TRUE(button->isVisible());
            EXPECT_TRUE(toolbar->rect().contains(button->geometry())) << toolbar->rect().height();
        }
    }
    // The editing bar keeps its captions wherever a column has room for them.
    if (barAlign != 1) {
        EXPECT_EQ(control->State().widgets.tbImaging->toolButtonStyle() == Qt::ToolButtonIconOnly, captions == 0);
    }
}

INSTANTIATE_TEST_SUITE_P(CommonScreens, ScreenSizeTest,
                         ::testing::Combine(::testing::Values(1366), ::testing::Values(768), ::testing::Values(1, 2, 3),
                                            ::testing::Values(0, 1)));
INSTANTIATE_TEST_SUITE_P(LargerScreens, ScreenSizeTest,
                         ::testing::Values(std::tuple{1600, 1000, 3, 1}, std::tuple{1600, 1000, 2, 0}));

TEST_F(DesktopTest, TooltipsNameTheKeysThatRunTheCommand)
{
    Imaging control;
    const ControlState& state = control.State();
    auto tip = [](QToolBar* toolbar, const char* key) {
        for (QAction* button : toolbar->actions()) {
            if (button->objectName() == QLatin1String(key))
                return button->toolTip();
            if (button->menu()) {
                for (QAction* item : button->menu()->actions()) {
                    if (item->objectName() == QLatin1String(key))
                        return item->toolTip();
                }
            }
        }
        ADD_FAILURE() << key;
        return QString();
    };
    struct Expected {
        QToolBar* ChildWidgets::*toolbar;
        const char* key;
        const char* tip;
    };
    const Expected expected[] = {
        // A button names every key it guards; a menu item the keys that choose it.
        {&ChildWidgets::tbImaging, "miRotate", "旋转图像 (T, R)"},
        {&ChildWidgets::tbImaging, "miRotateRight", "向右旋转 (T)"},
        {&ChildWidgets::tbImaging, "miRotateLeft", "向左旋转 (R)"},
        {&ChildWidgets::tbImaging, "miRotate180", "旋转180°"},
        {&ChildWidgets::tbImaging, "miCrop", "裁剪图像 (X)"},
        {&ChildWidgets::tbImaging, "miDeskewX", "手动纠斜 (S)"},
        {&ChildWidgets::tbCommon, "miUndo", "恢复上一步操作 (A)"},
        {&ChildWidgets::tbCommon, "miRedo", "重做操作"},
        {&ChildWidgets::tbCommon, "miZoomIn", "放大图像 (F5)"},
        // Two main-block keys turn the page; the keypad's repeat them and are not named.
        {&ChildWidgets::tbCommon, "miNext", "下一页图像 (PgDown, Space)"},
        {&ChildWidgets::tbCommon, "miPrevious", "上一页图像 (PgUp)"},
        // The keys belong to the page buttons, not to the file buttons of the same key.
        {&ChildWidgets::tbFileNav, "miNext", "下一个图像"},
        {&ChildWidgets::tbMain, "miScan", "扫描 (Return)"},
    };
    // Key names come out in the language of Qt's own translations ("空格" for Space under Chinese).
    auto inLanguage = [](QString text) {
        for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_PageDown, Qt::Key_PageUp})
            text.replace(QKeySequence(key).toString(QKeySequence::PortableText),
                         QKeySequence(key).toString(QKeySequence::NativeText));
        return text;
    };
    for (const Expected& row : expected)
        EXPECT_EQ(tip(state.widgets.*row.toolbar, row.key), inLanguage(QString::fromUtf8(row.tip))) << row.key;
    // The button shows what its action says.
    auto* rotate = qobject_cast<QToolButton*>(state.widgets.tbImaging->widgetForAction(state.widgets.tbImaging->actions().constFirst()));
    ASSERT_NE(rotate, nullptr);
    EXPECT_EQ(rotate->toolTip(), QStringLiteral("旋转图像 (T, R)"));
}

TEST_F(DesktopTest, ScreenReadersFindANameForEveryButtonMenuItemAndBox)
{
    for (int captions : {1, 0}) {
        SCOPED_TRACE(captions);
        WriteImagingBarLayout(iniFile(), 3, captions);
        writeSaveDir(rootDir());
        Imaging control;
        control.resize(1366, 768);
        control.show();
        const ControlState& state = control.State();
        ASSERT_EQ(state.widgets.tbImaging->toolButtonStyle() == Qt::ToolButtonIconOnly, captions == 0);
        for (QToolBar* toolbar : Toolbars(state)) {
            const QList<QToolButton*> buttons = toolbar->findChildren<QToolButton*>();
            for (QToolButton* button : buttons) {
                if (button->objectName() == QLatin1String("qt_toolbar_ext_button"))
                    continue;
                EXPECT_FALSE(AccessibleText(button, QAccessible::Name).isEmpty())
                    << toolbar->objectName().toStdString() << " " << button->objectName().toStdString();
            }
            for (QAction* button : toolbar->actions()) {
                QMenu* menu = button->menu();
                if (menu == nullptr)
                    continue;
                QAccessibleInterface* face = QAccessible::queryAccessibleInterface(menu);
                ASSERT_NE(face, nullptr);
                ASSERT_EQ(face->childCount(), menu->actions().size());
                for (int i = 0; i < face->childCount(); ++i)
                    EXPECT_FALSE(face->child(i)->text(QAccessible::Name).isEmpty()) << menu->objectName().toStdString() << i;
            }
        }
        // Buttons without a caption are named by their tooltip, those with one by the caption.
        EXPECT_EQ(AccessibleText(state.widgets.tbCommon->findChild<QToolButton*>(QStringLiteral("miUndoButton")), QAccessible::Name),
                  QStringLiteral("恢复上一步操作"));
        EXPECT_EQ(AccessibleText(state.widgets.tbImaging->findChild<QToolButton*>(QStringLiteral("miInsertCommentButton")),
                                 QAccessible::Name),
                  QStringLiteral("签注"));
        for (QWidget* widget : {static_cast<QWidget*>(state.widgets.lvwFileList), static_cast<QWidget*>(state.widgets.cboCurrentFile),
                                static_cast<QWidget*>(state.widgets.cboCurrentPage), static_cast<QWidget*>(state.widgets.cboZoomFactor),
                                static_cast<QWidget*>(state.widgets.mtMain)})
            EXPECT_FALSE(AccessibleText(widget, QAccessible::Name).isEmpty()) << widget->objectName().toStdString();
    }
}

TEST_F(DesktopTest, ThePageViewDescribesThePageOnView)
{
    writeSaveDir(rootDir());
    MakeSinglePageDocument(rootDir() + QStringLiteral("/doc"), 3);
    Imaging control;
    control.resize(1000, 700);
    control.setDocName(QStringLiteral("doc"));
    control.show();
    ControlState& state = control.State();
    ASSERT_EQ(state.doc.m_PageCount, 3);
    GoFirstPage(state);
    ASSERT_EQ(state.doc.m_CurrentPage, 1);
    EXPECT_EQ(AccessibleText(state.widgets.mtMain, QAccessible::Description), QStringLiteral("第 1 页 共 3 页"));
    GoNextPage(state);
    EXPECT_EQ(AccessibleText(state.widgets.mtMain, QAccessible::Description), QStringLiteral("第 2 页 共 3 页"));
    GoLastPage(state);
    EXPECT_EQ(AccessibleText(state.widgets.mtMain, QAccessible::Description), QStringLiteral("第 3 页 共 3 页"));

    // Another document without pages leaves no stale page behind.
    ASSERT_TRUE(QDir().mkpath(rootDir() + QStringLiteral("/empty")));
    control.setDocName(QStringLiteral("empty"));
    control.SetDocument();
    EXPECT_EQ(state.doc.m_PageCount, 0);
    EXPECT_EQ(AccessibleText(state.widgets.mtMain, QAccessible::Description), QString());
}

}  // namespace
}  // namespace scanvo::fixtures
