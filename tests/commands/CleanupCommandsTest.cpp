// The four cleanup filters through the editing toolbar, and their option forms through the
// settings menu.
#include "EditFixture.h"

#include "commands/CommandTexts.h"
#include "core/CommandKeys.h"
#include "core/CoreTexts.h"
#include "core/StatusPanels.h"
#include "core/ToolbarKeys.h"
#include "fixtures/PageGenerator.h"
#include "platform/engine/ops/Canvas.h"
#include "platform/engine/ops/OpFlags.h"
#include "settings/CleanupSettings.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace scanvo::fixtures {
namespace {

class CleanupCommandsTest : public EditTest {
protected:
    ControlState& openGenerated(testing::PageOptions options)
    {
        m_Generated = testing::GeneratePage(options);
        return open({m_Generated.page});
    }
    static QString Stored(const char* key)
    {
        return GetIniString(IniFilePath(), QStringLiteral("Imaging"), QString::fromLatin1(key));
    }
    template <typename Widget>
    static Widget* Child(QDialog& dialog, const QString& name)
    {
        Widget* widget = dialog.findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    static QLineEdit* Box(QDialog& dialog, int index)
    {
        return Child<QLineEdit>(dialog, QStringLiteral("txtValue%1").arg(index));
    }
    static QCheckBox* Check(QDialog& dialog, const char* array, int index)
    {
        return Child<QCheckBox>(dialog, QString::fromLatin1(array) + QString::number(index));
    }
    static void Press(QDialog& dialog, const char* button)
    {
        Child<QPushButton>(dialog, QString::fromLatin1(button))->click();
    }

    testing::GeneratedPage m_Generated;
};

testing::PageOptions SmallScan()
{
    testing::PageOptions options;
    options.width = 1240;
    options.height = 1754;
    options.dpi = 150;
    return options;
}

const char* const kFilters[] = {keys::miDespeckle, keys::miRemoveBorders, keys::miRemoveLines, keys::miRemoveHolePunchs};

TEST_F(CleanupCommandsTest, OnAColourOrGreyPageNoFilterChangesAnythingOrEnablesUndoAndTheStatusBarSaysWhy)
{
    for (int depth : {24, 8}) {
        SCOPED_TRACE(depth);
        ControlState& s = openPage(depth, 200, 150);
        const engine::Image loaded = page();
        const QString said[] = {command_texts::kDespeckleNotBitonal, command_texts::kRemoveBordersNotBitonal,
                                command_texts::kRemoveLinesNotBitonal, command_texts::kRemoveHolePunchesNotBitonal};
        for (int i = 0; i < 4; ++i) {
            const char* key = kFilters[i];
            SCOPED_TRACE(key);
            click(s.widgets.tbImaging, key);
            EXPECT_EQ(statusText(), said[i]);  // the user learns why nothing happened
            EXPECT_TRUE(enabled(s.widgets.tbImaging, key));
            EXPECT_TRUE(page().samePixels(loaded));
            EXPECT_EQ(s.m_History.UndoCount(), 0);
            EXPECT_FALSE(s.doc.m_PageModified);
            EXPECT_FALSE(enabled(s.widgets.tbCommon, keys::miUndo));
        }
        control.reset();
    }
}

TEST_F(CleanupCommandsTest, EachFilterIsOneUndoLevelThatUndoTakesBack)
{
    testing::PageOptions options = SmallScan();
    options.borderSides = 15;
    options.borderDepth = 15;  // clear of the punches, which sit 36 pixels in
    options.speckles = 200;
    options.holePunches = 3;
    options.holeDiameter = 24;
    ControlState& s = openGenerated(options);
    const engine::Image loaded = page();
    // Four engine calls, one per side, make one level.
    click(s.widgets.tbImaging, keys::miRemoveHolePunchs);
    EXPECT_EQ(s.m_History.UndoCount(), 1);
    EXPECT_LT(testing::CountBlackWithin(page(), m_Generated.holes), testing::CountBlackWithin(loaded, m_Generated.holes) / 2);
    click(s.widgets.tbImaging, keys::miRemoveBorders);
    click(s.widgets.tbImaging, keys::miDespeckle);
    EXPECT_EQ(s.m_History.UndoCount(), 3);
    EXPECT_LT(testing::CountBlackWithin(page(), m_Generated.specks), testing::CountBlackWithin(loaded, m_Generated.specks) / 2);
    EXPECT_TRUE(s.doc.m_PageModified);
    EXPECT_TRUE(enabled(s.widgets.tbCommon, keys::miUndo));
    for (int i = 0; i < 3; ++i)
        click(s.widgets.tbCommon, keys::miUndo);
    EXPECT_TRUE(page().samePixels(loaded));
}

TEST_F(CleanupCommandsTest, DeskewAndBorderRemovalLeaveNoBorderAtTheEdgesInEitherOrder)
{
    testing::PageOptions options = SmallScan();
    options.skewDegrees = -4;
    options.borderSides = 15;
    options.borderDepth = 40;
    for (bool bordersFirst : {true, false}) {
        SCOPED_TRACE(bordersFirst ? "borders, then deskew" : "deskew, then borders");
        ControlState& s = openGenerated(options);
        g_Settings.Imaging.DeskewIndex = 0;  // the deskew button levels the page by itself
        const char* const order[2] = {bordersFirst ? keys::miRemoveBorders : keys::miDeskew,
                                      bordersFirst ? keys::miDeskew : keys::miRemoveBorders};
        for (const char* key : order)
            click(s.widgets.tbImaging, key);
        EXPECT_EQ(s.m_History.UndoCount(), 2);
        // The text keeps its margins of 300 pixels; nothing black belongs near the edges.
        constexpr int kBand = 100;
        const engine::Image cleaned = page();
        const QRect inside(kBand, kBand, cleaned.width() - 2 * kBand, cleaned.height() - 2 * kBand);
        EXPECT_EQ(testing::CountBlack(cleaned), testing::CountBlackInRect(cleaned, inside));
        control.reset();
    }
}

TEST_F(CleanupCommandsTest, AFilterThatFindsNothingSaysSoAndIsAnUndoLevelAllTheSame)
{
    const struct {
        const char* key;
        const char* nothing;
    } filters[] = {{keys::miDespeckle, "没有找到要清除的杂点。"},
                   {keys::miRemoveBorders, "没有找到黑边。"},
                   {keys::miRemoveLines, "没有找到要清除的线条。"},
                   {keys::miRemoveHolePunchs, "没有找到设定大小的装订孔。"}};
    // A clean sheet with one picture on it: no speck, border, line or hole.
    engine::Image clean = engine::Image::create(1240, 1754, 1);
    engine::ops::Fill(clean, engine::ops::kWhite);
    engine::ops::FillRect(clean, QRect(400, 600, 300, 200), engine::ops::kBlack);
    testing::PageOptions dirty = SmallScan();
    dirty.borderSides = 15;
    dirty.borderDepth = 15;
    dirty.speckles = 200;
    dirty.ruledLines = 2;
    dirty.holePunches = 3;
    dirty.holeDiameter = 24;
    for (const auto& f : filters) {
        SCOPED_TRACE(f.key);
        ControlState& s = open({clean});
        click(s.widgets.tbImaging, f.key);
        EXPECT_EQ(StatusPanel(s.widgets, 1)->text(), QString::fromUtf8(f.nothing));
        EXPECT_EQ(s.m_History.UndoCount(), 1);
        control.reset();

        ControlState& d = openGenerated(dirty);
        click(d.widgets.tbImaging, f.key);
        EXPECT_EQ(StatusPanel(d.widgets, 1)->text(), core_texts::kIdleStatus);
        control.reset();
    }
}

TEST_F(CleanupCommandsTest, OnlyTheDirectionsListedAreRemoved)
{
    testing::PageOptions options = SmallScan();
    options.ruledLines = 2;
    options.verticalLines = 1;
    ControlState& s = openGenerated(options);
    g_Settings.Imaging.MinimumLineLength = 200;
    g_Settings.Imaging.LineLocation = QStringLiteral("LINEREMOVE_VERTICAL");
    const engine::Image loaded = page();
    click(s.widgets.tbImaging, keys::miRemoveLines);
    EXPECT_EQ(s.m_History.UndoCount(), 1);
    const long long before = testing::CountBlackWithin(loaded, m_Generated.lines);
    const long long after = testing::CountBlackWithin(page(), m_Generated.lines);
    // The vertical line went, the horizontal ones stayed: some, not all, line pixels are left.
    EXPECT_LT(after, before);
    EXPECT_GT(after, before / 4);

    g_Settings.Imaging.LineLocation = QStringLiteral("LINEREMOVE_HORIZONTAL|LINEREMOVE_VERTICAL");
    click(s.widgets.tbImaging, keys::miRemoveLines);
    EXPECT_LT(testing::CountBlackWithin(page(), m_Generated.lines), before / 10);
}

TEST_F(CleanupCommandsTest, ListsWithoutAKnownTokenOrFiltersSwitchedOffStillMakeAnEdit)
{
    ControlState& s = openPage(1, 200, 150);
    const engine::Image loaded = page();
    g_Settings.Imaging.BorderLocation = QStringLiteral("left|right");
    g_Settings.Imaging.LineLocation.clear();
    g_Settings.Imaging.HolePunchLocation = QStringLiteral("NOWHERE");
    g_Settings.Imaging.Despeckle = 0;
    g_Settings.Imaging.Dot = 0;
    for (const char* key : kFilters)
        click(s.widgets.tbImaging, key);
    EXPECT_TRUE(page().samePixels(loaded));
    EXPECT_EQ(s.m_History.UndoCount(), 4);
    EXPECT_TRUE(s.doc.m_PageModified);
}

TEST_F(CleanupCommandsTest, FormsShowTheirCaptionsLabelsAndSettings)
{
    ControlState& s = openPage(1);
    g_Settings.Imaging.BorderLocation = QStringLiteral("BORDER_TOP|BORDER_LEFT");
    g_Settings.Imaging.WhiteNoiseLength = 17;
    prompter.dialogScripts.enqueue([&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("去黑边设置"));
        EXPECT_EQ(Child<QLabel>(dialog, QStringLiteral("lblTitle0"))->text(), QStringLiteral("黑边百分比：        %"));
        EXPECT_EQ(Child<QLabel>(dialog, QStringLiteral("lblTitle1"))->text(), QStringLiteral("白点大小：        像素"));
        EXPECT_EQ(Box(dialog, 1)->text(), QStringLiteral("17"));
        EXPECT_EQ(Check(dialog, "chkLocation", 0)->text(), QStringLiteral("左边"));
        const bool ticked[] = {true, false, true, false};
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(Check(dialog, "chkLocation", i)->isChecked(), ticked[i]) << i;
        Press(dialog, "cmdCancel");
        return dialog.result();
    });
    click(s.widgets.tbMain, keys::miRemoveBordersSetting);
    prompter.dialogScripts.enqueue([&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("去噪点设置"));
        EXPECT_EQ(Child<QLabel>(dialog, QStringLiteral("lblTitle3"))->text(), QStringLiteral("最大点高度：        像素"));
        EXPECT_TRUE(Child<QCheckBox>(dialog, QStringLiteral("chkOnePixel"))->isChecked());
        EXPECT_EQ(Child<QCheckBox>(dialog, QStringLiteral("chkCustom"))->text(), QStringLiteral("自定义像素大小"));
        // The boxes take digits only; a number too large for a setting is cut to the largest.
        QLineEdit* box = Box(dialog, 2);
        box->clear();
        QTest::keyClicks(box, QStringLiteral("a9-9.9x99"));
        EXPECT_EQ(box->text(), QStringLiteral("99999"));
        Press(dialog, "cmdOK");
        return dialog.result();
    });
    click(s.widgets.tbMain, keys::miDespeckleSetting);
    EXPECT_EQ(g_Settings.Imaging.MaximumDotWidth, 32767);
    EXPECT_EQ(prompter.dialogsShown, (QStringList{QStringLiteral("scanvo::frmBorderRemoveOptions"),
                                                  QStringLiteral("scanvo::frmDotRemoveOptions")}));
}

TEST_F(CleanupCommandsTest, OkWritesEveryKeyOfTheFormEvenWhenNothingChanged)
{
    ControlState& s = openPage(1);
    const struct {
        const char* menu;
        std::vector<const char*> keys;
    } forms[] = {
        {keys::miDespeckleSetting,
         {"Despeckle", "Dot", "MinimumDotWidth", "MinimumDotHeight", "MaximumDotWidth", "MaximumDotHeight"}},
        {keys::miRemoveBordersSetting, {"BorderLocation", "BorderPercent", "WhiteNoiseLength", "BorderVariance"}},
        {keys::miRemoveLinesSetting,
         {"LineLocation", "MinimumLineLength", "MaximumLineWidth", "WallHeight", "MaxWallPercent", "LineVariance",
          "MaximumGap", "RemoveEntireLine"}},
        {keys::miRemoveHolePunchSetting,
         {"HolePunchRemovalFlag", "HolePunchLocation", "MinimumHolePunchWidth", "MinimumHolePunchHeight",
          "MaximumHolePunchWidth", "MaximumHolePunchHeight", "MinimumHolePunchs", "MaximumHolePunchs"}},
    };
    for (const auto& form : forms) {
        SCOPED_TRACE(form.menu);
        for (const char* key : form.keys)
            ASSERT_TRUE(WriteIniString(IniFilePath(), QStringLiteral("Imaging"), QString::fromLatin1(key), QString()));
        prompter.dialogScripts.enqueue([&](QDialog& dialog) {
            Press(dialog, "cmdOK");
            return dialog.result();
        });
        click(s.widgets.tbMain, form.menu);
        for (const char* key : form.keys)
            EXPECT_FALSE(Stored(key).isEmpty()) << key;
    }
    EXPECT_EQ(Stored("HolePunchRemovalFlag"), QStringLiteral("HOLEPUNCH_USE_SIZE|HOLEPUNCH_USE_LOCATION|HOLEPUNCH_USE_COUNT"));
    EXPECT_EQ(Stored("LineVariance"), QStringLiteral("3"));
    EXPECT_EQ(Stored("BorderLocation"), QStringLiteral("BORDER_LEFT|BORDER_RIGHT|BORDER_TOP|BORDER_BOTTOM"));
}

TEST_F(CleanupCommandsTest, BorderFormRefusesNoSideAndABlankBoxAndCancelKeepsTheSettings)
{
    ControlState& s = openPage(1);
    const QString location = g_Settings.Imaging.BorderLocation;
    prompter.dialogScripts.enqueue([&](QDialog& dialog) {
        for (int i = 0; i < 4; ++i)
            Check(dialog, "chkLocation", i)->setChecked(false);
        Press(dialog, "cmdOK");
        EXPECT_EQ(prompter.messageTexts(), QStringList{QStringLiteral("位置不能为空！　　")});
        EXPECT_EQ(prompter.messages.last().title, QStringLiteral("提示信息"));
        EXPECT_EQ(prompter.messages.last().icon, MessageIcon::Information);
        EXPECT_FALSE(dialog.isHidden() && dialog.result() == QDialog::Accepted);
        Check(dialog, "chkLocation", 1)->setChecked(true);
        Box(dialog, 2)->setText(QStringLiteral("  "));
        Press(dialog, "cmdOK");
        EXPECT_EQ(prompter.messageTexts().last(), QStringLiteral("选项不能为空！　　"));
        EXPECT_EQ(dialog.focusWidget(), Box(dialog, 2));
        Press(dialog, "cmdCancel");
        return dialog.result();
    });
    click(s.widgets.tbMain, keys::miRemoveBordersSetting);
    EXPECT_EQ(g_Settings.Imaging.BorderLocation, location);
    EXPECT_EQ(Stored("BorderLocation"), location);

    prompter.dialogScripts.enqueue([&](QDialog& dialog) {
        Check(dialog, "chkLocation", 0)->setChecked(false);
        Check(dialog, "chkLocation", 2)->setChecked(false);
        Box(dialog, 0)->setText(QStringLiteral("33"));
        Press(dialog, "cmdOK");
        return dialog.result();
    });
    click(s.widgets.tbMain, keys::miRemoveBordersSetting);
    EXPECT_EQ(Stored("BorderLocation"), QStringLiteral("BORDER_RIGHT|BORDER_BOTTOM"));
    EXPECT_EQ(g_Settings.Imaging.BorderPercent, 33);
    EXPECT_EQ(BorderSideMask(g_Settings.Imaging.BorderLocation), 10);
}

TEST_F(CleanupCommandsTest, LineFormSwitchesItsOptionalBoxesAndStoresMinusOneForAClearOne)
{
    ControlState& s = openPage(1);
    g_Settings.Imaging.LineVariance = -1;
    prompter.dialogScripts.enqueue([&](QDialog& dialog) {
        QCheckBox* variance = Check(dialog, "chkOptional", 0);
        EXPECT_FALSE(variance->isChecked());
        EXPECT_FALSE(Box(dialog, 4)->isEnabled());
        EXPECT_TRUE(Box(dialog, 5)->isEnabled());
        EXPECT_EQ(Box(dialog, 5)->text(), QStringLiteral("3"));
        variance->click();
        EXPECT_TRUE(Box(dialog, 4)->isEnabled());
        EXPECT_EQ(dialog.focusWidget(), Box(dialog, 4));
        Press(dialog, "cmdOK");  // ticked but blank
        EXPECT_EQ(prompter.messageTexts(), QStringList{QStringLiteral("选项不能为空！　　")});
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        Box(dialog, 4)->setText(QStringLiteral("6"));
        Check(dialog, "chkOptional", 1)->click();  // the gap is no longer used
        Check(dialog, "chkOptional", 2)->setChecked(false);
        Check(dialog, "chkOrientation", 0)->setChecked(false);
        Press(dialog, "cmdOK");
        return dialog.result();
    });
    click(s.widgets.tbMain, keys::miRemoveLinesSetting);
    EXPECT_EQ(g_Settings.Imaging.LineVariance, 6);
    EXPECT_EQ(Stored("MaximumGap"), QStringLiteral("-1"));
    EXPECT_EQ(Stored("RemoveEntireLine"), QStringLiteral("0"));
    EXPECT_EQ(Stored("LineLocation"), QStringLiteral("LINEREMOVE_VERTICAL"));
    EXPECT_EQ(LineRemovalFlags(CleanupSettingsOf(g_Settings)), 0x800);
}

TEST_F(CleanupCommandsTest, HolePunchFormChecksOnlyTheGroupsTickedAndKeepsTheOthers)
{
    ControlState& s = openPage(1);
    prompter.dialogScripts.enqueue([&](QDialog& dialog) {
        Box(dialog, 4)->setText(QStringLiteral("1"));
        Press(dialog, "cmdOK");
        EXPECT_EQ(prompter.messageTexts(), QStringList{QStringLiteral("装订孔数量不能少于2！  ")});
        EXPECT_EQ(dialog.focusWidget(), Box(dialog, 4));
        // With the count option clear the same value passes and is not stored.
        QCheckBox* count = Check(dialog, "chkOptional", 2);
        count->click();
        EXPECT_FALSE(Box(dialog, 4)->isEnabled());
        QCheckBox* location = Check(dialog, "chkOptional", 1);
        location->click();
        EXPECT_FALSE(Check(dialog, "chkLocation", 0)->isEnabled());
        Check(dialog, "chkLocation", 0)->setChecked(false);  // ignored: the option is clear
        Box(dialog, 0)->setText(QStringLiteral("12"));
        Press(dialog, "cmdOK");
        return dialog.result();
    });
    click(s.widgets.tbMain, keys::miRemoveHolePunchSetting);
    EXPECT_EQ(prompter.messages.size(), 1);
    EXPECT_EQ(g_Settings.Imaging.MinimumHolePunchs, 2);
    EXPECT_EQ(Stored("MinimumHolePunchs"), QStringLiteral("2"));
    EXPECT_EQ(Stored("MinimumHolePunchWidth"), QStringLiteral("12"));
    EXPECT_EQ(Stored("HolePunchRemovalFlag"), QStringLiteral("HOLEPUNCH_USE_SIZE"));
    EXPECT_EQ(Stored("HolePunchLocation"), QStringLiteral("HOLEPUNCH_LEFT|HOLEPUNCH_RIGHT|HOLEPUNCH_TOP|HOLEPUNCH_BOTTOM"));

    // Nothing ticked is allowed: the flags become empty.
    prompter.dialogScripts.enqueue([&](QDialog& dialog) {
        EXPECT_FALSE(Check(dialog, "chkOptional", 1)->isChecked());
        EXPECT_FALSE(Check(dialog, "chkLocation", 1)->isEnabled());
        Check(dialog, "chkOptional", 0)->click();
        Press(dialog, "cmdOK");
        return dialog.result();
    });
    click(s.widgets.tbMain, keys::miRemoveHolePunchSetting);
    EXPECT_EQ(g_Settings.Imaging.HolePunchRemovalFlag, QString());
    EXPECT_EQ(HolePunchRemovalCallsOf(CleanupSettingsOf(g_Settings)).front().flags, 0);
}

}  // namespace
}  // namespace scanvo::fixtures
