#include "control/ToolbarBuilder.h"
#include "control/ToolbarTables.h"
#include "core/ToolbarKeys.h"

#include <QAction>
#include <QImage>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace scanvo {
namespace {

struct ExpectedButton {
    const char* key;
    const char* caption;
    const char* tooltip;
    std::vector<std::pair<const char*, const char*>> menu;  // text, key
};

// The keyed buttons of a toolbar in order, separators left out.
QList<QAction*> KeyedButtons(QToolBar& toolbar)
{
    QList<QAction*> buttons;
    for (QAction* action : toolbar.actions()) {
        if (!action->isSeparator())
            buttons.append(action);
    }
    return buttons;
}

void ExpectButtons(QToolBar& toolbar, const std::vector<ExpectedButton>& expected)
{
    const QList<QAction*> buttons = KeyedButtons(toolbar);
    ASSERT_EQ(buttons.size(), qsizetype(expected.size())) << toolbar.objectName().toStdString();
    for (size_t i = 0; i < expected.size(); ++i) {
        const ExpectedButton& want = expected[i];
        QAction* action = buttons[qsizetype(i)];
        SCOPED_TRACE(want.key);
        EXPECT_EQ(action->objectName(), QString::fromUtf8(want.key));
        EXPECT_EQ(action->text(), QString::fromUtf8(want.caption));
        if (*want.tooltip) {
            EXPECT_EQ(action->toolTip(), QString::fromUtf8(want.tooltip));
        }
        QMenu* menu = action->menu();
        if (want.menu.empty()) {
            EXPECT_EQ(menu, nullptr);
            continue;
        }
        ASSERT_NE(menu, nullptr);
        const QList<QAction*> items = menu->actions();
        ASSERT_EQ(items.size(), qsizetype(want.menu.size()));
        for (size_t j = 0; j < want.menu.size(); ++j) {
            EXPECT_EQ(items[qsizetype(j)]->text(), QString::fromUtf8(want.menu[j].first));
            EXPECT_EQ(items[qsizetype(j)]->objectName(), QString::fromUtf8(want.menu[j].second));
        }
    }
}

TEST(ToolbarTables, MainToolbar)
{
    CommandToolBar toolbar(toolbars::tbMain);
    EXPECT_EQ(toolbar.objectName(), QStringLiteral("tbMain"));
    ExpectButtons(toolbar, {
        {"miScan", "扫描", "", {{"附加扫描", "miAppend"}, {"插入扫描", "miInsert"}, {"重新扫描", "miReplace"},
                               {"扫描设置", "miScanSetting"}}},
        {"miImport", "导入", "", {}},
        {"miSetting", "设置", "",
         {{"界面显示设置", "miUISetting"}, {"存储目录设置", "miSaveDir"}, {"图像压缩设置", "miCompressSetting"},
          {"签注字体设置", "miFontSetting"}, {"图像处理操作", "miImagingChain"}, {"自动裁剪设置", "miAutoTrimSetting"},
          {"纠斜设置", "miDeskewSetting"}, {"去黑边设置", "miRemoveBordersSetting"}, {"去噪点设置", "miDespeckleSetting"},
          {"去线条设置", "miRemoveLinesSetting"}, {"去装订孔设置", "miRemoveHolePunchSetting"},
          {"底色绘制设置", "miPaintSetting"}}},
    });
}

TEST(ToolbarTables, FileToolbars)
{
    CommandToolBar nav(toolbars::tbFileNav);
    EXPECT_EQ(nav.objectName(), QStringLiteral("tbFileNav"));
    ExpectButtons(nav, {
        {"miFirst", "", "第一个图像", {}},
        {"miPrevious", "", "上一个图像", {}},
        {"miCurrentFile1", "", "", {}},
        {"miCurrentFile2", "", "", {}},
        {"miNext", "", "下一个图像", {}},
        {"miLast", "", "最后一个图像", {}},
    });

    CommandToolBar operate(toolbars::tbFileOperate);
    EXPECT_EQ(operate.objectName(), QStringLiteral("tbFileOperate"));
    ExpectButtons(operate, {
        {"miSelect", "", "全选/不选", {}},
        {"miDelete", "", "删除选中文件", {}},
        {"miReplace", "", "替换当前文件", {}},
        {"miRename", "", "重命名", {}},
        {"miBatchRename", "", "批量重命名", {}},
    });
    EXPECT_TRUE(FindToolbarAction(&operate, QStringLiteral("miSelect"))->isCheckable());
}

TEST(ToolbarTables, CommonToolbar)
{
    CommandToolBar toolbar(toolbars::tbCommon);
    EXPECT_EQ(toolbar.objectName(), QStringLiteral("tbCommon"));
    ExpectButtons(toolbar, {
        {"miFirst", "", "第一页图像", {}},
        {"miPrevious", "", "上一页图像", {}},
        {"miCurrentPage1", "", "", {}},
        {"miCurrentPage2", "", "", {}},
        {"miNext", "", "下一页图像", {}},
        {"miLast", "", "最后一页图像", {}},
        {"miZoomIn", "", "放大图像", {}},
        {"miZoomFactor1", "", "", {}},
        {"miZoomFactor2", "", "", {}},
        {"miZoomOut", "", "缩小图像", {}},
        {"miUndo", "", "恢复上一步操作", {}},
        {"miRedo", "", "重做操作", {}},
        {"miCut", "", "剪切", {}},
        {"miCopy", "", "拷贝", {}},
        {"miPaste", "", "粘贴", {}},
        {"miGetPixel", "", "选取颜色", {}},
        {"miGrid", "", "网格线", {{"两横两纵", "miTwoLine"}, {"五横五纵", "miFiveLine"}}},
        {"miTrimRegion", "", "自动框选框", {}},
        {"miFitStyle", "", "图像显示方式",
         {{"实际大小", "miActualSize"}, {"适应窗口", "miBestFit"}, {"适应宽度", "miFitWidth"},
          {"适应高度", "miFitHeight"}}},
    });
    for (const char* toggle : {"miGetPixel", "miGrid", "miTrimRegion"})
        EXPECT_TRUE(FindToolbarAction(&toolbar, QString::fromUtf8(toggle))->isCheckable()) << toggle;
    for (const char* placeholder : {"miCurrentPage1", "miCurrentPage2", "miZoomFactor1", "miZoomFactor2"})
        EXPECT_FALSE(FindToolbarAction(&toolbar, QString::fromUtf8(placeholder))->isEnabled()) << placeholder;
}

TEST(ToolbarTables, ImagingToolbar)
{
    CommandToolBar toolbar(toolbars::tbImaging);
    EXPECT_EQ(toolbar.objectName(), QStringLiteral("tbImaging"));
    ExpectButtons(toolbar, {
        {"miRotate", "旋转", "旋转图像",
         {{"向左旋转", "miRotateLeft"}, {"向右旋转", "miRotateRight"}, {"旋转180°", "miRotate180"},
          {"任意角度", "miRotateAngle"}}},
        {"miDeskew", "纠斜", "图像纠斜",
         {{"自动纠斜", "miDeskewAuto"}, {"拉线纠斜", "miDeskewByLine"}, {"手动纠斜", "miDeskewX"}}},
        {"miClear", "框内", "清除框内图像", {}},
        {"miTrim", "框外", "清除框外图像", {}},
        {"miCrop", "裁剪", "裁剪图像", {}},
        {"miTrim2", "自框", "清除自动选择框外图像", {}},
        {"miCenterImage", "对齐", "图像对齐",
         {{"左右居中", "miCenterLR"}, {"上下居中", "miCenterTB"}, {"全部居中", "miCenterAll"},
          {"左上对齐", "miMoveLT"}}},
        {"miRemoveBorders", "黑边", "去黑边", {}},
        {"miDespeckle", "噪点", "去噪点", {}},
        {"miRemoveLines", "线条", "去线条", {}},
        {"miRemoveHolePunchs", "订孔", "去装订孔", {}},
        {"miInvert", "反白", "图像反白", {}},
        {"miText", "文字", "文字优化", {{"文字加深", "miDilation"}, {"文字变浅", "miErosion"}, {"平滑文字", "miSmooth"}}},
        {"miResize", "大小", "更改大小", {{"更改图像大小", "miImageSize"}, {"更改画布大小", "miCanvasSize"}}},
        {"miImageAdjust", "调整", "图像调整",
         {{"亮度/对比度", "miBright"}, {"饱和度", "miSaturation"}, {"色阶", "miColorGradation"},
          {"背景优化", "miBackgroundSubtraction"}}},
        {"miPaintRect", "绘制", "绘制指定颜色", {}},
        {"miConvert2BW", "二值", "图像二值化", {}},
        {"miDelete", "删除", "删除本图像", {}},
        {"miMove", "调序", "调整顺序", {}},
        {"miUnite", "拼接", "图像拼接", {}},
        {"miDivide", "分割", "图像分割", {}},
        {"miInsertComment", "签注", "插入签注", {}},
    });
    for (const char* toggle : {"miClear", "miTrim", "miCrop", "miPaintRect", "miInsertComment"})
        EXPECT_TRUE(FindToolbarAction(&toolbar, QString::fromUtf8(toggle))->isCheckable()) << toggle;
}

const ToolbarTable* const AllTables[] = {&toolbars::tbMain, &toolbars::tbFileNav, &toolbars::tbFileOperate,
                                         &toolbars::tbCommon, &toolbars::tbImaging};

bool HasInk(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0)
                return true;
        }
    }
    return false;
}

TEST(ToolbarTables, EveryButtonHasAVisibleIcon)
{
    for (const ToolbarTable* table : AllTables) {
        CommandToolBar toolbar(*table);
        for (const ToolbarRow& row : table->rows) {
            // Placeholders lie under their combo boxes and separators are gaps.
            if (row.style == ButtonStyle::Placeholder || row.style == ButtonStyle::Separator)
                continue;
            SCOPED_TRACE(std::string(table->name) + " " + row.key);
            QAction* action = FindToolbarAction(&toolbar, QString::fromUtf8(row.key));
            ASSERT_NE(action, nullptr);
            ASSERT_FALSE(action->icon().isNull());
            const QImage normal = action->icon().pixmap(QSize(24, 24)).toImage();
            const QImage disabled = action->icon().pixmap(QSize(24, 24), QIcon::Disabled).toImage();
            EXPECT_TRUE(HasInk(normal));
            EXPECT_TRUE(HasInk(disabled));
            EXPECT_NE(normal, disabled);
        }
    }
}

TEST(ToolbarTables, IconsAreDistinctWithinAToolbar)
{
    for (const ToolbarTable* table : AllTables) {
        CommandToolBar toolbar(*table);
        QList<QImage> seen;
        for (QAction* action : KeyedButtons(toolbar)) {
            if (action->icon().isNull())
                continue;
            const QImage image = action->icon().pixmap(QSize(24, 24)).toImage();
            EXPECT_FALSE(seen.contains(image)) << table->name << " " << action->objectName().toStdString();
            seen.append(image);
        }
    }
}

TEST(ToolbarTables, CaptionsFollowTheCaptionSetting)
{
    CommandToolBar shown(toolbars::tbImaging, true);
    CommandToolBar hidden(toolbars::tbImaging, false);
    EXPECT_EQ(shown.toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    EXPECT_EQ(hidden.toolButtonStyle(), Qt::ToolButtonIconOnly);
    for (QAction* action : KeyedButtons(hidden)) {
        auto* button = qobject_cast<QToolButton*>(hidden.widgetForAction(action));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonIconOnly) << action->objectName().toStdString();
    }
    hidden.setCaptionsShown(true);
    EXPECT_EQ(hidden.toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    shown.setCaptionsShown(false);
    EXPECT_EQ(shown.toolButtonStyle(), Qt::ToolButtonIconOnly);
    EXPECT_FALSE(shown.captionsShown());
}

TEST(ToolbarTables, FindsButtonsAndMenuItemsByKey)
{
    CommandToolBar toolbar(toolbars::tbMain);
    QAction* scan = FindToolbarAction(&toolbar, QStringLiteral("miScan"));
    ASSERT_NE(scan, nullptr);
    EXPECT_TRUE(toolbar.actions().contains(scan));
    QAction* insert = FindToolbarAction(&toolbar, QStringLiteral("miInsert"));
    ASSERT_NE(insert, nullptr);
    EXPECT_TRUE(scan->menu()->actions().contains(insert));
    EXPECT_EQ(FindToolbarAction(&toolbar, QStringLiteral("miRotate")), nullptr);
    EXPECT_EQ(FindToolbarAction(&toolbar, QString()), nullptr);
    EXPECT_EQ(FindToolbarAction(nullptr, QStringLiteral("miScan")), nullptr);
}

QToolButton* ButtonFor(QToolBar& toolbar, const char* key)
{
    return qobject_cast<QToolButton*>(toolbar.widgetForAction(FindToolbarAction(&toolbar, QString::fromUtf8(key))));
}

TEST(ToolbarTables, EachToolbarDeliversItsOwnClicks)
{
    QWidget host;
    auto* common = new CommandToolBar(toolbars::tbCommon, true, &host);
    auto* fileNav = new CommandToolBar(toolbars::tbFileNav, true, &host);
    fileNav->move(0, 60);
    host.resize(900, 120);
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));

    QSignalSpy commonClicks(common, &CommandToolBar::buttonClicked);
    QSignalSpy fileNavClicks(fileNav, &CommandToolBar::buttonClicked);
    QToolButton* firstPage = ButtonFor(*common, "miFirst");
    QToolButton* firstFile = ButtonFor(*fileNav, "miFirst");
    ASSERT_NE(firstPage, nullptr);
    ASSERT_NE(firstFile, nullptr);

    QTest::mouseClick(firstFile, Qt::LeftButton);
    ASSERT_EQ(fileNavClicks.count(), 1);
    EXPECT_EQ(fileNavClicks.takeFirst().at(0).toString(), QStringLiteral("miFirst"));
    EXPECT_EQ(commonClicks.count(), 0);

    QTest::mouseClick(firstPage, Qt::LeftButton);
    ASSERT_EQ(commonClicks.count(), 1);
    EXPECT_EQ(commonClicks.takeFirst().at(0).toString(), QStringLiteral("miFirst"));
    EXPECT_EQ(fileNavClicks.count(), 0);

    // A toggle reports its key and keeps its pressed state for the tool to decide on.
    QTest::mouseClick(ButtonFor(*common, "miGetPixel"), Qt::LeftButton);
    ASSERT_EQ(commonClicks.count(), 1);
    EXPECT_EQ(commonClicks.takeFirst().at(0).toString(), QStringLiteral("miGetPixel"));
    EXPECT_TRUE(FindToolbarAction(common, QStringLiteral("miGetPixel"))->isChecked());

    // A placeholder under a combo box never reports.
    QTest::mouseClick(ButtonFor(*common, "miCurrentPage1"), Qt::LeftButton);
    EXPECT_EQ(commonClicks.count(), 0);
}

TEST(ToolbarTables, DropDownButtonsReportTheButtonAndTheirItemsApart)
{
    QWidget host;
    auto* imaging = new CommandToolBar(toolbars::tbImaging, true, &host);
    host.resize(1600, 100);
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    QSignalSpy buttons(imaging, &CommandToolBar::buttonClicked);
    QSignalSpy items(imaging, &CommandToolBar::menuItemClicked);

    QToolButton* rotate = ButtonFor(*imaging, "miRotate");
    ASSERT_NE(rotate, nullptr);
    EXPECT_EQ(rotate->popupMode(), QToolButton::MenuButtonPopup);
    // The main part of the button, left of its menu arrow, runs the default variant.
    QTest::mouseClick(rotate, Qt::LeftButton, {}, QPoint(4, rotate->height() / 2));
    ASSERT_EQ(buttons.count(), 1);
    EXPECT_EQ(buttons.takeFirst().at(0).toString(), QStringLiteral("miRotate"));

    FindToolbarAction(imaging, QStringLiteral("miRotate180"))->trigger();
    ASSERT_EQ(items.count(), 1);
    EXPECT_EQ(items.takeFirst().at(0).toString(), QStringLiteral("miRotate180"));
    EXPECT_EQ(buttons.count(), 0);
}

TEST(ToolbarTables, MenuOnlyButtonsRunNothingThemselves)
{
    CommandToolBar common(toolbars::tbCommon);
    QSignalSpy buttons(&common, &CommandToolBar::buttonClicked);
    QSignalSpy items(&common, &CommandToolBar::menuItemClicked);
    QToolButton* fit = ButtonFor(common, "miFitStyle");
    ASSERT_NE(fit, nullptr);
    EXPECT_EQ(fit->popupMode(), QToolButton::InstantPopup);
    FindToolbarAction(&common, QStringLiteral("miFitStyle"))->trigger();
    EXPECT_EQ(buttons.count(), 0);
    FindToolbarAction(&common, QStringLiteral("miBestFit"))->trigger();
    ASSERT_EQ(items.count(), 1);
    EXPECT_EQ(items.takeFirst().at(0).toString(), QStringLiteral("miBestFit"));
}

}  // namespace
}  // namespace scanvo
