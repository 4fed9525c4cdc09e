#include <gtest/gtest.h>

#include "SettingsTestSupport.h"
#include "fixtures/PageGenerator.h"
#include "platform/engine/EngineError.h"
#include "settings/CleanupSettings.h"
#include "settings/IniFile.h"

#include <array>

namespace scanvo {
namespace {

CleanupSettings Defaults()
{
    return CleanupSettingsOf(SettingsRecord{});
}

TEST(CleanupTokens, AreFoundAnywhereInTheTextCaseSensitively)
{
    EXPECT_EQ(BorderSideMask(QStringLiteral("BORDER_TOP")), 4);
    EXPECT_EQ(BorderSideMask(QStringLiteral("BORDER_LEFT|BORDER_BOTTOM")), 9);
    EXPECT_EQ(BorderSideMask(QStringLiteral("xBORDER_BOTTOM,,BORDER_LEFTy")), 9);
    EXPECT_EQ(BorderSideMask(Defaults().BorderLocation), 15);
    EXPECT_EQ(BorderSideMask(QStringLiteral("border_left|Border_Top")), 0);
    EXPECT_EQ(BorderSideMask(QString()), 0);
    EXPECT_EQ(HolePunchFlags(Defaults().HolePunchRemovalFlag), 0xE0);
    EXPECT_EQ(HolePunchFlags(QStringLiteral("HOLEPUNCH_USE_COUNT")), 0x40);
}

TEST(CleanupTokens, AreWrittenInBoxOrderWithoutALeadingBar)
{
    const std::vector<bool> all{true, true, true, true};
    EXPECT_EQ(TokenListText(BorderTokens(), all), Defaults().BorderLocation);
    EXPECT_EQ(TokenListText(HolePunchSideTokens(), all), Defaults().HolePunchLocation);
    const std::vector<bool> both{true, true};
    EXPECT_EQ(TokenListText(LineTokens(), both), Defaults().LineLocation);

    const std::vector<bool> some{false, true, false, true};
    EXPECT_EQ(TokenListText(BorderTokens(), some), QStringLiteral("BORDER_RIGHT|BORDER_BOTTOM"));
    const std::vector<bool> none(4, false);
    EXPECT_EQ(TokenListText(BorderTokens(), none), QString());
    const std::vector<bool> options{true, false, true};
    EXPECT_EQ(TokenListText(HolePunchOptionTokens(), options), QStringLiteral("HOLEPUNCH_USE_SIZE|HOLEPUNCH_USE_COUNT"));

    // What is written reads back as the same boxes.
    const std::vector<bool> ticked = TickedTokens(BorderTokens(), QStringLiteral("BORDER_RIGHT|BORDER_BOTTOM"));
    EXPECT_EQ(ticked, (std::vector<bool>{false, true, false, true}));
}

TEST(CleanupCalls, DespeckleRunsWhatIsSwitchedOnWithTheSizesInOrder)
{
    CleanupSettings settings = Defaults();
    settings.MinimumDotWidth = 1;
    settings.MinimumDotHeight = 2;
    settings.MaximumDotWidth = 3;
    settings.MaximumDotHeight = 4;
    DespeckleCalls calls = DespeckleCallsOf(settings);
    EXPECT_TRUE(calls.despeckle);
    EXPECT_TRUE(calls.removeDots);
    EXPECT_EQ(calls.dots.flags, 0x1020);
    EXPECT_EQ((std::array{calls.dots.minWidth, calls.dots.minHeight, calls.dots.maxWidth, calls.dots.maxHeight}),
              (std::array{1, 2, 3, 4}));

    settings.Despeckle = 0;
    settings.Dot = 2;  // only 1 switches a filter on
    calls = DespeckleCallsOf(settings);
    EXPECT_FALSE(calls.despeckle);
    EXPECT_FALSE(calls.removeDots);
}

TEST(CleanupCalls, BordersAreOneCallWithTheSideMaskEvenWhenItIsEmpty)
{
    CleanupSettings settings = Defaults();
    settings.BorderLocation = QStringLiteral("BORDER_LEFT|BORDER_BOTTOM");
    settings.BorderPercent = 11;
    settings.WhiteNoiseLength = 12;
    settings.BorderVariance = 13;
    BorderRemovalCall call = BorderRemovalCallOf(settings);
    EXPECT_EQ((std::array{call.flags, call.sideMask, call.borderPercent, call.whiteNoiseLength, call.variance}),
              (std::array{0x800, 9, 11, 12, 13}));
    settings.BorderLocation = QStringLiteral("NOWHERE");
    EXPECT_EQ(BorderRemovalCallOf(settings).sideMask, 0);
}

TEST(CleanupCalls, LineFlagsFollowTheOptionalValues)
{
    CleanupSettings settings = Defaults();
    EXPECT_EQ(LineRemovalFlags(settings), 0xE00);
    settings.LineVariance = -1;
    settings.MaximumGap = 3;
    settings.RemoveEntireLine = 0;
    EXPECT_EQ(LineRemovalFlags(settings), 0x400);
    settings.MaximumGap = -1;
    EXPECT_EQ(LineRemovalFlags(settings), 0);
    settings.LineVariance = 0;  // 0 is a value in use, not switched off
    EXPECT_EQ(LineRemovalFlags(settings), 0x800);
}

TEST(CleanupCalls, LinesRunOncePerDirectionHorizontalFirst)
{
    CleanupSettings settings = Defaults();
    settings.LineVariance = -1;
    std::vector<LineRemovalCall> calls = LineRemovalCallsOf(settings);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].direction, 1);
    EXPECT_EQ(calls[1].direction, 2);
    const LineRemovalCall& c = calls[0];
    EXPECT_EQ((std::array{c.flags, c.minLength, c.maxWidth, c.wallHeight, c.maxWallPercent, c.variance, c.maxGap}),
              (std::array{0x600, 400, 15, 15, 10, -1, 3}));

    settings.LineLocation = QStringLiteral("LINEREMOVE_VERTICAL");
    calls = LineRemovalCallsOf(settings);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].direction, 2);

    settings.LineLocation = QStringLiteral("lineremove_vertical");
    EXPECT_TRUE(LineRemovalCallsOf(settings).empty());
}

TEST(CleanupCalls, HolePunchesRunOncePerSideInSideOrder)
{
    CleanupSettings settings = Defaults();
    std::vector<HolePunchRemovalCall> calls = HolePunchRemovalCallsOf(settings);
    ASSERT_EQ(calls.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(calls[i].side, i + 1);
        EXPECT_EQ(calls[i].flags, 0xE0);
    }
    const HolePunchRemovalCall& c = calls[0];
    EXPECT_EQ((std::array{c.minCount, c.maxCount, c.minWidth, c.minHeight, c.maxWidth, c.maxHeight}),
              (std::array{2, 12, 10, 10, 50, 50}));

    settings.HolePunchLocation = QStringLiteral("HOLEPUNCH_BOTTOM|HOLEPUNCH_LEFT");
    settings.HolePunchRemovalFlag.clear();
    calls = HolePunchRemovalCallsOf(settings);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].side, 1);
    EXPECT_EQ(calls[1].side, 4);
    EXPECT_EQ(calls[0].flags, 0);
}

class CleanupSettingsFile : public test::SettingsTestBase {};

TEST_F(CleanupSettingsFile, ReadsStoredKeysAndDefaultsTheRest)
{
    ASSERT_TRUE(WriteIniString(IniFile(), QStringLiteral("Imaging"), QStringLiteral("BorderLocation"),
                               QStringLiteral("BORDER_TOP")));
    ASSERT_TRUE(WriteIniString(IniFile(), QStringLiteral("Imaging"), QStringLiteral("MinimumLineLength"),
                               QStringLiteral("250")));
    ASSERT_TRUE(WriteIniString(IniFile(), QStringLiteral("Imaging"), QStringLiteral("LineVariance"),
                               QStringLiteral("-1")));
    // Does not fit a 16-bit number: the default stays.
    ASSERT_TRUE(WriteIniString(IniFile(), QStringLiteral("Imaging"), QStringLiteral("MaximumHolePunchs"),
                               QStringLiteral("99999")));
    // Another section's key of the same name is not read.
    ASSERT_TRUE(WriteIniString(IniFile(), QStringLiteral("Scan"), QStringLiteral("Dot"), QStringLiteral("0")));
    const QByteArray before = test::ReadBytes(IniFile());

    const CleanupSettings settings = ReadCleanupSettings(IniFile());
    EXPECT_EQ(settings.BorderLocation, QStringLiteral("BORDER_TOP"));
    EXPECT_EQ(settings.MinimumLineLength, 250);
    EXPECT_EQ(settings.LineVariance, -1);
    EXPECT_EQ(settings.MaximumHolePunchs, 12);
    EXPECT_EQ(settings.Dot, 1);
    EXPECT_EQ(settings.HolePunchLocation, Defaults().HolePunchLocation);
    EXPECT_EQ(test::ReadBytes(IniFile()), before);

    EXPECT_EQ(ReadCleanupSettings(Path(QStringLiteral("missing.ini"))).MaximumDotWidth, 5);
}

TEST(CleanupRun, OnlyBitonalPagesAreCleaned)
{
    EXPECT_TRUE(IsCleanupPage(engine::Image::create(20, 20, 1)));
    EXPECT_FALSE(IsCleanupPage(engine::Image::create(20, 20, 8)));
    EXPECT_FALSE(IsCleanupPage(engine::Image::create(20, 20, 24)));
    EXPECT_FALSE(IsCleanupPage(engine::Image()));
}

TEST(CleanupRun, EachFilterRemovesItsArtefactAndNoTextOnAGeneratedPage)
{
    testing::PageOptions options;
    options.width = 1240;
    options.height = 1754;
    options.dpi = 150;
    options.borderSides = 15;
    options.borderDepth = 15;  // clear of the punches, which sit 36 pixels in
    options.speckles = 300;
    options.ruledLines = 2;
    options.holePunches = 2;
    options.holeDiameter = 24;
    const testing::GeneratedPage generated = testing::GeneratePage(options);
    CleanupSettings settings = Defaults();
    settings.MinimumLineLength = 200;
    const long long text = testing::CountBlackWithin(generated.page, generated.text);

    engine::Image page = generated.page;
    RunHolePunchRemoval(page, settings);
    EXPECT_LT(testing::CountBlackWithin(page, generated.holes), testing::CountBlackWithin(generated.page, generated.holes));
    RunBorderRemoval(page, settings);
    EXPECT_LT(testing::CountBlackWithin(page, generated.borders),
              testing::CountBlackWithin(generated.page, generated.borders) / 10);
    RunDespeckle(page, settings);
    EXPECT_LT(testing::CountBlackWithin(page, generated.specks),
              testing::CountBlackWithin(generated.page, generated.specks) / 2);
    RunLineRemoval(page, settings);
    EXPECT_LT(testing::CountBlackWithin(page, generated.lines), testing::CountBlackWithin(generated.page, generated.lines) / 2);
    // Some text pixels lie under lines, holes and borders; nearly all of it must stay.
    EXPECT_GT(testing::CountBlackWithin(page, generated.text), text * 95 / 100);
}

TEST(CleanupRun, NothingToRunLeavesThePageAsItWas)
{
    testing::PageOptions options;
    options.width = 600;
    options.height = 800;
    options.ruledLines = 1;
    const engine::Image original = testing::GeneratePage(options).page;
    CleanupSettings settings = Defaults();
    settings.LineLocation.clear();
    settings.HolePunchLocation.clear();
    engine::Image page = original;
    RunLineRemoval(page, settings);
    RunHolePunchRemoval(page, settings);
    EXPECT_EQ(page.toQImage(), original.toQImage());
}

TEST(CleanupRun, TheEngineRefusesAColourPage)
{
    engine::Image colour = engine::Image::create(64, 64, 24);
    EXPECT_THROW(RunDespeckle(colour, Defaults()), engine::EngineError);
}

}  // namespace
}  // namespace scanvo
