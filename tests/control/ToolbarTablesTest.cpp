#include "control/ToolbarBuilder.h"
#include "control/ToolbarDispatch.h"
#include "control/ToolbarTables.h"
#include "core/CommandKeys.h"
#include "core/ToolbarKeys.h"

#include <QAction>
#include <QImage>
#include <QMenu>
#include <QSet>
#include <QStandardPaths>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace scanvo {
namespace {

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

const ToolbarTable* const AllTables[] = {&toolbars::tbMain, &toolbars::tbFileNav, &toolbars::tbFileOperate,
                                         &toolbars::tbCommon, &toolbars::tbImaging};

// The keys a click on the toolbar reports: buttons that run something and every menu item.
std::set<std::string> ClickableKeys(const ToolbarTable& table)
{
    std::set<std::string> keys;
    for (const ToolbarRow& row : table.rows) {
        if (row.style != ButtonStyle::Separator && row.style != ButtonStyle::Placeholder
            && row.style != ButtonStyle::MenuOnly)
            keys.insert(row.key);
        for (const MenuItemRow& item : row.menu)
            keys.insert(item.key);
    }
    return keys;
}

TEST(ToolbarTables, EveryKeyIsDeclaredOnceAndStandsOnAToolbar)
{
    const std::set<std::string> declared(std::begin(keys::kAll), std::end(keys::kAll));
    EXPECT_EQ(declared.size(), std::size(keys::kAll)) << "a key is declared twice";
    std::set<std::string> used;
    for (const ToolbarTable* table : AllTables) {
        std::set<std::string> onThisToolbar;
        auto note = [&](const char* key) {
            SCOPED_TRACE(std::string(table->name) + " " + key);
            EXPECT_TRUE(declared.count(key)) << "not in the key list";
            EXPECT_TRUE(onThisToolbar.insert(key).second) << "twice on one toolbar";
            used.insert(key);
        };
        for (const ToolbarRow& row : table->rows) {
            if (row.style == ButtonStyle::Separator)
                continue;
            note(row.key);
            for (const MenuItemRow& item : row.menu)
                note(item.key);
        }
    }
    EXPECT_EQ(used, declared);
}

TEST(ToolbarTables, EveryClickableKeyHasADispatchRowAndEveryRowAKeyAndACommand)
{
    for (const ToolbarTable* table : AllTables) {
        SCOPED_TRACE(table->name);
        const std::set<std::string> clickable = ClickableKeys(*table);
        std::set<std::string> dispatched;
        for (const DispatchRow& row : DispatchRowsFor(*table)) {
            EXPECT_TRUE(clickable.count(row.key)) << row.key << " is dispatched but no click reports it";
            EXPECT_TRUE(dispatched.insert(row.key).second) << row.key << " is dispatched twice";
            EXPECT_NE(row.run, nullptr) << row.key << " runs nothing";
        }
        EXPECT_EQ(dispatched, clickable);
    }
}

// A split button's click runs one of its own menu entries: every entry can be chosen, each once,
// and every drop-down button of tbImaging is one.
TEST(ToolbarTables, SplitButtonsChooseAmongExactlyTheirMenuEntries)
{
    std::set<std::string> dropDowns, splitKeys;
    for (const ToolbarRow& row : toolbars::tbImaging.rows) {
        if (row.style == ButtonStyle::DropDown)
            dropDowns.insert(row.key);
    }
    std::set<std::string> dispatched;
    for (const DispatchRow& row : DispatchRowsFor(toolbars::tbImaging))
        dispatched.insert(row.key);
    for (const SplitButtonRow& split : SplitButtonRows()) {
        SCOPED_TRACE(split.key);
        EXPECT_TRUE(splitKeys.insert(split.key).second) << "declared twice";
        const auto row = std::ranges::find_if(toolbars::tbImaging.rows, [&](const ToolbarRow& candidate) {
            return std::string(candidate.key) == split.key;
        });
        ASSERT_NE(row, toolbars::tbImaging.rows.end());
        std::set<std::string> menu, variants;
        for (const MenuItemRow& item : row->menu)
            menu.insert(item.key);
        for (const char* variant : split.variants) {
            EXPECT_TRUE(variants.insert(variant).second) << variant << " chosen by two values";
            EXPECT_TRUE(dispatched.count(variant)) << variant << " runs nothing";
        }
        EXPECT_EQ(variants, menu);
    }
    EXPECT_EQ(splitKeys, dropDowns);
}

TEST(ToolbarTables, EachToolbarIsBuiltAsItsTableSays)
{
    for (const ToolbarTable* table : AllTables) {
        CommandToolBar toolbar(*table);
        EXPECT_EQ(toolbar.objectName(), QString::fromUtf8(table->name));
        const QList<QAction*> buttons = KeyedButtons(toolbar);
        qsizetype index = 0;
        for (const ToolbarRow& row : table->rows) {
            if (row.style == ButtonStyle::Separator)
                continue;
            SCOPED_TRACE(std::string(table->name) + " " + row.key);
            ASSERT_LT(index, buttons.size());
            QAction* action = buttons[index++];
            EXPECT_EQ(action->objectName(), QString::fromUtf8(row.key));
            EXPECT_EQ(action->text(), QString::fromUtf8(row.caption));
            EXPECT_EQ(action->toolTip(), QString::fromUtf8(*row.tooltip ? row.tooltip : row.caption));
            EXPECT_EQ(action->isCheckable(),
                      row.style == ButtonStyle::Check || row.style == ButtonStyle::CheckDropDown);
            EXPECT_EQ(action->isEnabled(), row.style != ButtonStyle::Placeholder);
            QMenu* menu = action->menu();
            ASSERT_EQ(menu != nullptr, !row.menu.empty());
            if (menu == nullptr)
                continue;
            const QList<QAction*> items = menu->actions();
            ASSERT_EQ(items.size(), qsizetype(row.menu.size()));
            for (size_t i = 0; i < row.menu.size(); ++i) {
                EXPECT_EQ(items[qsizetype(i)]->objectName(), QString::fromUtf8(row.menu[i].key));
                EXPECT_EQ(items[qsizetype(i)]->text(), QString::fromUtf8(row.menu[i].text));
            }
        }
        EXPECT_EQ(index, buttons.size());
    }
}

TEST(ToolbarTables, ScanToolbarCaptionsAreTheSystemsOwn)
{
    CommandToolBar toolbar(toolbars::tbMain);
    EXPECT_EQ(FindToolbarAction(&toolbar, QStringLiteral("miScan"))->text(), QStringLiteral("扫描"));
    EXPECT_EQ(FindToolbarAction(&toolbar, QStringLiteral("miInsert"))->text(), QStringLiteral("插入扫描"));
    EXPECT_EQ(FindToolbarAction(&toolbar, QStringLiteral("miImport"))->text(), QStringLiteral("导入"));
    EXPECT_EQ(FindToolbarAction(&toolbar, QStringLiteral("miPaintSetting"))->text(), QStringLiteral("底色绘制设置"));
    CommandToolBar imaging(toolbars::tbImaging);
    EXPECT_EQ(FindToolbarAction(&imaging, QStringLiteral("miRotate180"))->text(), QStringLiteral("旋转180°"));
    EXPECT_EQ(FindToolbarAction(&imaging, QStringLiteral("miRemoveHolePunchs"))->toolTip(), QStringLiteral("去装订孔"));
}


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

// Runs check(row, icon) on the button of every row of every toolbar that shows an icon (not the
// placeholders under their combo boxes, nor the gaps).
template <typename Check>
void ForEachIconButton(Check check)
{
    for (const ToolbarTable* table : AllTables) {
        CommandToolBar toolbar(*table);
        for (const ToolbarRow& row : table->rows) {
            if (row.style == ButtonStyle::Placeholder || row.style == ButtonStyle::Separator)
                continue;
            SCOPED_TRACE(std::string(table->name) + " " + row.key);
            QAction* action = FindToolbarAction(&toolbar, QString::fromUtf8(row.key));
            ASSERT_NE(action, nullptr);
            check(row, action->icon());
        }
    }
}

TEST(ToolbarTables, EveryButtonHasAVisibleIcon)
{
    ForEachIconButton([](const ToolbarRow&, const QIcon& icon) {
        ASSERT_FALSE(icon.isNull());
        const QImage normal = icon.pixmap(QSize(24, 24)).toImage();
        const QImage disabled = icon.pixmap(QSize(24, 24), QIcon::Disabled).toImage();
        EXPECT_TRUE(HasInk(normal));
        EXPECT_TRUE(HasInk(disabled));
        EXPECT_NE(normal, disabled);
    });
}

// The icon theme belongs to the process; each test puts back the one it found.
class IconThemeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_name = QIcon::themeName();
        m_paths = QIcon::themeSearchPaths();
        m_fallbackName = QIcon::fallbackThemeName();
        m_fallbackPaths = QIcon::fallbackSearchPaths();
    }
    void TearDown() override
    {
        QIcon::setThemeSearchPaths(m_paths);
        QIcon::setFallbackSearchPaths(m_fallbackPaths);
        QIcon::setFallbackThemeName(m_fallbackName);
        QIcon::setThemeName(m_name);
    }

private:
    QString m_name;
    QStringList m_paths;
    QString m_fallbackName;
    QStringList m_fallbackPaths;
};

TEST_F(IconThemeTest, ButtonsTakeTheDesktopThemesIconsWhereItHasThem)
{
    // A desktop's platform theme looks for icon themes below the XDG data directories; the
    // offscreen platform knows only Qt's resources.
    QIcon::setThemeSearchPaths(
        QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("icons"), QStandardPaths::LocateDirectory));
    QIcon::setThemeName(QStringLiteral("breeze"));
    ASSERT_TRUE(QIcon::hasThemeIcon(QStringLiteral("edit-undo")))
        << "needs Debian's breeze-icon-theme and Qt's SVG icon engine (libqt6svg6)";
    QSet<QString> fromTheme;
    ForEachIconButton([&](const ToolbarRow& row, const QIcon& icon) {
        const QString name = ToolbarIconThemeName(row.icon);
        if (!name.isEmpty() && QIcon::hasThemeIcon(name)) {
            EXPECT_EQ(icon.name(), name);
            fromTheme.insert(name);
        } else {
            EXPECT_TRUE(icon.name().isEmpty()) << icon.name().toStdString();
        }
        EXPECT_TRUE(HasInk(icon.pixmap(QSize(24, 24)).toImage()));
    });
    for (const char* common : {"go-first", "go-previous", "go-next", "go-last", "zoom-in", "zoom-out", "zoom-fit-best",
                               "edit-undo", "edit-redo", "edit-cut", "edit-copy", "edit-paste", "edit-delete",
                               "object-rotate-right", "scanner", "insert-text"})
        EXPECT_TRUE(fromTheme.contains(QLatin1String(common))) << common;
}

TEST_F(IconThemeTest, WithoutAThemeEveryButtonHasItsPaintedIcon)
{
    QIcon::setThemeSearchPaths({});
    QIcon::setFallbackSearchPaths({});
    QIcon::setFallbackThemeName(QString());
    QIcon::setThemeName(QStringLiteral("scanvo-no-such-theme"));
    ForEachIconButton([&](const ToolbarRow& row, const QIcon& icon) {
        ASSERT_FALSE(icon.isNull());
        EXPECT_TRUE(icon.name().isEmpty()) << icon.name().toStdString();
        EXPECT_EQ(icon.pixmap(QSize(24, 24)).toImage(), PaintedToolbarIcon(row.icon).pixmap(QSize(24, 24)).toImage());
    });
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
