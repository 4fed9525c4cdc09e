// Rotation identities, deskew accuracy on generated pages, auto-crop and resampling.
#include "fixtures/PageGenerator.h"
#include "platform/engine/EngineError.h"
#include "platform/engine/ops/Canvas.h"
#include "platform/engine/ops/Geometry.h"
#include "platform/engine/ops/OpFlags.h"

#include <leptonica/allheaders.h>

#include <gtest/gtest.h>

#include <random>

using namespace scanvo::engine;
using namespace scanvo::engine::ops;
using scanvo::testing::GenerateBookScan;
using scanvo::testing::GeneratePage;
using scanvo::testing::PageOptions;

namespace {

// A small page of random content at the given depth; palette pages get a four-colour palette.
Image RandomImage(int depth, bool palette, unsigned seed, int w = 173, int h = 118)
{
    Image image = Image::create(w, h, depth);
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    Pix* pix = image.pix();
    if (palette) {
        PIXCMAP* cmap = pixcmapCreate(8);
        pixcmapAddColor(cmap, 255, 255, 255);
        pixcmapAddColor(cmap, 200, 30, 30);
        pixcmapAddColor(cmap, 20, 160, 40);
        pixcmapAddColor(cmap, 0, 0, 0);
        pixSetColormap(pix, cmap);
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int v = byte(rng);
            if (depth == 1)
                pixSetPixel(pix, x, y, v & 1);
            else if (depth == 8)
                pixSetPixel(pix, x, y, palette ? v % 4 : v);
            else
                pixSetRGBPixel(pix, x, y, v, byte(rng), byte(rng));
        }
    return image;
}

struct DepthCase {
    int depth;
    bool palette;
};

const DepthCase kDepths[] = {{1, false}, {8, false}, {8, true}, {24, false}};

}  // namespace

TEST(Rotation, QuarterAndHalfTurnsGiveBackThePageOnEveryDepth)
{
    for (const DepthCase& c : kDepths) {
        SCOPED_TRACE(testing::Message() << "depth " << c.depth << (c.palette ? " palette" : ""));
        const Image original = RandomImage(c.depth, c.palette, 7);
        Image image = original;
        for (int i = 0; i < 4; ++i)
            Rotate(image, kQuarterTurn, kRotateFixedFlags, kWhite);
        EXPECT_TRUE(image.samePixels(original));
        Rotate(image, kHalfTurn, kRotateFixedFlags, kWhite);
        EXPECT_FALSE(image.samePixels(original));
        Rotate(image, kHalfTurn, kRotateFixedFlags, kWhite);
        EXPECT_TRUE(image.samePixels(original));
        Rotate(image, kQuarterTurn, kRotateFixedFlags, kWhite);
        Rotate(image, -kQuarterTurn, kRotateFixedFlags, kWhite);
        EXPECT_TRUE(image.samePixels(original));
        EXPECT_EQ(image.hasPalette(), c.palette);
    }
}

TEST(Rotation, QuarterTurnEnlargesOrKeepsTheCanvas)
{
    Image page = Image::create(2000, 3000, 1);
    Rotate(page, kQuarterTurn, kRotateFixedFlags, kWhite);
    EXPECT_EQ(page.width(), 3000);
    EXPECT_EQ(page.height(), 2000);

    Image kept = Image::create(200, 300, 8);
    Rotate(kept, kQuarterTurn, kRotateKeepSize, kWhite);
    EXPECT_EQ(kept.width(), 200);
    EXPECT_EQ(kept.height(), 300);
    l_uint32 corner = 0;
    pixGetPixel(kept.pix(), 0, 0, &corner);
    EXPECT_EQ(corner, 255u) << "the uncovered strip takes the fill colour";
}

TEST(Rotation, FreeAngleFillsUncoveredCornersWithTheFillColour)
{
    Image colour = Image::create(400, 300, 24);
    Fill(colour, 0x336699);
    Image enlarged = colour;
    Rotate(enlarged, 1250, kRotateEnlarge, 0xFF0000);
    EXPECT_GT(enlarged.width(), 400);
    EXPECT_GT(enlarged.height(), 300);
    l_int32 r = 0, g = 0, b = 0;
    pixGetRGBPixel(enlarged.pix(), 0, 0, &r, &g, &b);
    EXPECT_EQ(r, 255);
    EXPECT_EQ(g, 0);
    EXPECT_EQ(b, 0);
    pixGetRGBPixel(enlarged.pix(), enlarged.width() / 2, enlarged.height() / 2, &r, &g, &b);
    EXPECT_NEAR(r, 0x33, 2);
    EXPECT_NEAR(b, 0x99, 2);

    Image kept = colour;
    Rotate(kept, -700, kRotateKeepSize, kWhite);
    EXPECT_EQ(kept.width(), 400);
    EXPECT_EQ(kept.height(), 300);
    pixGetRGBPixel(kept.pix(), 0, 0, &r, &g, &b);
    EXPECT_EQ(r + g + b, 3 * 255);

    Image bitonal = Image::create(300, 200, 1);  // all black
    Rotate(bitonal, 300, kRotateEnlarge, kWhite);
    l_uint32 corner = 1;
    pixGetPixel(bitonal.pix(), 0, 0, &corner);
    EXPECT_EQ(corner, 0u);
}

TEST(Rotation, ClockwiseIsPositive)
{
    // A black dot right of centre moves below centre after a clockwise quarter turn (y points down).
    Image image = Image::create(101, 101, 8);
    Fill(image, kWhite);
    FillRect(image, QRect(80, 48, 5, 5), kBlack);
    Rotate(image, 4500, kRotateKeepSize, kWhite);
    l_uint32 below = 255, above = 0;
    pixGetPixel(image.pix(), 50 + 21, 50 + 21, &below);
    pixGetPixel(image.pix(), 50 + 21, 50 - 21, &above);
    EXPECT_LT(below, 128u);
    EXPECT_EQ(above, 255u);
}

// A generated page turned by skew degrees, its text drawn from seed.
PageOptions SkewedPage(double skew, unsigned seed)
{
    PageOptions options;
    options.skewDegrees = skew;
    options.seed = seed;
    return options;
}

// Up to 10 degrees as a careless feed gives, and beyond it by what a sheet printed askew adds.
TEST(Deskew, LeavesAtMostFiveHundredthsOfADegreeOnBitonalPages)
{
    for (double skew : {-12.5, -10.0, -4.3, -0.7, 0.35, 2.5, 7.1, 10.0, 11.5}) {
        SCOPED_TRACE(testing::Message() << "skew " << skew);
        PageOptions options = SkewedPage(skew, 11);
        Image page = GeneratePage(options).page;
        const SkewEstimate found = DetectSkew(page);
        EXPECT_NEAR(found.degrees, -skew, 0.05);
        ASSERT_TRUE(Deskew(page, kWhite, kDeskewKeepSize));
        EXPECT_EQ(page.width(), options.width);
        EXPECT_EQ(page.depth(), 1);
        EXPECT_LE(std::abs(DetectSkew(page).degrees), 0.05);
    }
}

// What lies level on the scanner's glass while the sheet lies skewed: the scanner's border, a
// book's dark gutter along one side, and a level drawing of dense rules.
void AddLevelSurroundings(Image& page)
{
    const int w = page.width(), h = page.height();
    FillRect(page, QRect(w - 260, 0, 260, h), kBlack);
    const QRect drawing(w / 3, h / 2, w / 3, h / 6);
    FillRect(page, drawing, kWhite);
    for (int y = drawing.top(); y < drawing.bottom(); y += 14)
        FillRect(page, QRect(drawing.left(), y, drawing.width(), 5), kBlack);
}

TEST(Deskew, FollowsTheTextNotTheBorderAGutterOrALevelDrawing)
{
    for (double skew : {3.0, -1.5, 6.0, -9.5}) {
        SCOPED_TRACE(testing::Message() << "skew " << skew);
        PageOptions options = SkewedPage(skew, 17);
        options.borderSides = 1 | 2 | 4 | 8;
        Image page = GeneratePage(options).page;
        AddLevelSurroundings(page);
        EXPECT_NEAR(DetectSkew(page).degrees, -skew, 0.05);
        EXPECT_TRUE(Deskew(page, kWhite, kDeskewKeepSize));
    }
}

// A short page fed askew onto the scanner's black lid, the scanner's black frame round the
// image: the straight edges of the frame, and of the lid's black along the image's edges, are
// no text lines, whether or not the border filter has run yet.
TEST(Deskew, FollowsTheTextOfASheetLyingAskewOnTheScannersBlackLid)
{
    for (int turn : {400, -950}) {
        SCOPED_TRACE(testing::Message() << "turn " << turn);
        PageOptions options;
        options.width = 827;  // A4 at 100 dpi
        options.height = 1169;
        options.dpi = 100;
        options.seed = 21;
        Image page = GeneratePage(options).page;
        const double onWhite = DetectSkew(Rotated(page, turn, kRotateKeepSize, kWhite)).degrees;
        EXPECT_NEAR(std::abs(onWhite), std::abs(turn) / 100.0, 0.1);
        Image scan = Rotated(page, turn, kRotateKeepSize, kBlack);
        const int w = scan.width(), h = scan.height();
        for (const QRect& frame : {QRect(0, 0, w, 20), QRect(0, h - 20, w, 20), QRect(0, 0, 20, h), QRect(w - 20, 0, 20, h)})
            FillRect(scan, frame, kBlack);
        EXPECT_NEAR(DetectSkew(scan).degrees, onWhite, 0.05);
    }
}

TEST(Deskew, WorksOnGreyAndColourPagesWithUnevenBackground)
{
    for (int depth : {8, 24}) {
        SCOPED_TRACE(testing::Message() << "depth " << depth);
        PageOptions options;
        options.depth = depth;
        options.skewDegrees = -3.2;
        options.unevenBackground = true;
        options.seed = 5;
        Image page = GeneratePage(options).page;
        ASSERT_TRUE(Deskew(page, kWhite, kDeskewKeepSize));
        EXPECT_EQ(page.depth(), depth);
        EXPECT_LE(std::abs(DetectSkew(page).degrees), 0.05);
        l_uint32 corner = 0;
        pixGetPixel(page.pix(), 0, 0, &corner);
        EXPECT_EQ(corner, depth == 8 ? 255u : 0xFFFFFF00u) << "the uncovered corner is white";
    }
}

TEST(Deskew, LevelsAGreyPageThatADarkShadowCrosses)
{
    // A book photographed open: the fold's shadow runs down the page, dark enough to hide the
    // paper there, cutting every line in two.
    for (double skew : {3.0, -7.0}) {
        SCOPED_TRACE(testing::Message() << "skew " << skew);
        PageOptions options;
        options.width = 1240;
        options.height = 1754;
        options.dpi = 150;
        options.depth = 8;
        options.skewDegrees = skew;
        options.seed = 8;
        Image page = GeneratePage(options).page;
        FillRect(page, QRect(520, 0, 200, page.height()), 0x282828);
        EXPECT_NEAR(DetectSkew(page).degrees, -skew, 0.05);
        ASSERT_TRUE(Deskew(page, kWhite, kDeskewKeepSize));
        EXPECT_EQ(page.depth(), 8);
    }
}

TEST(Deskew, LeavesALevelOrEmptyPageAlone)
{
    PageOptions options;
    options.seed = 3;
    Image page = GeneratePage(options).page;
    const Image before = page;
    EXPECT_LT(std::abs(DetectSkew(page).degrees), 0.05);
    EXPECT_FALSE(Deskew(page, kWhite, kDeskewKeepSize));
    EXPECT_TRUE(page.samePixels(before));

    Image blank = Image::create(800, 600, 8);
    Fill(blank, kWhite);
    EXPECT_FALSE(Deskew(blank, kWhite, kDeskewKeepSize));
}

TEST(Deskew, StraightensBowedBookPagesWhoseSweepPeakIsWeak)
{
    // Bowed lines flatten the sweep's peak: the angle is right, the confidence low.
    for (double skew : {3.0, -1.5}) {
        SCOPED_TRACE(testing::Message() << "skew " << skew);
        PageOptions options = SkewedPage(skew, 9);
        Image page = GenerateBookScan(options, 40);
        const SkewEstimate found = DetectSkew(page);
        ASSERT_NEAR(found.degrees, -skew, 0.1);
        ASSERT_LT(found.confidence, 2.5);

        ASSERT_TRUE(Deskew(page, kWhite, kDeskewKeepSize));
        // The page bows as the level page does, and no more turned than that.
        PageOptions level = options;
        level.skewDegrees = 0;
        const Image reference = GenerateBookScan(level, 40);
        const Image middle = Crop(page, QRect(page.width() / 4, 0, page.width() / 2, page.height()));
        const Image referenceMiddle = Crop(reference, QRect(page.width() / 4, 0, page.width() / 2, page.height()));
        EXPECT_NEAR(DetectSkew(middle).degrees, DetectSkew(referenceMiddle).degrees, 0.1);
    }
}

// The page given a quarter turn, clockwise (1) or back (3).
Image QuarterTurned(const Image& page, int quads)
{
    return Image::adopt(pixRotateOrth(page.pix(), quads));
}

TEST(Deskew, StandsTextSetSidewaysUpright)
{
    // A table printed across the page, or a title page turned to fit: the lines run up the page.
    for (double skew : {3.0, -7.0}) {
        SCOPED_TRACE(testing::Message() << "skew " << skew);
        PageOptions options = SkewedPage(skew, 13);
        Image page = QuarterTurned(GeneratePage(options).page, 1);
        EXPECT_NEAR(DetectSkew(page).degrees, -skew, 0.05);
        ASSERT_TRUE(Deskew(page, kWhite, kDeskewKeepSize));
        EXPECT_EQ(page.width(), options.height);
        EXPECT_LE(std::abs(DetectSkew(QuarterTurned(page, 3)).degrees), 0.05) << "the lines stand upright";
    }
}

TEST(Deskew, LeavesPagesWithoutTextLinesAsTheyAre)
{
    std::mt19937 rng(3);
    Image noise = Image::create(2480, 3508, 1);
    Fill(noise, kWhite);
    for (int n = 0; n < 400000; ++n)
        pixSetPixel(noise.pix(), rng() % 2480, rng() % 3508, 1);
    Image picture = Image::create(2480, 3508, 1);
    Fill(picture, kWhite);
    for (int n = 0; n < 300; ++n) {  // blotches, as a photograph turns out in black and white
        const int x = rng() % 2300, y = rng() % 3300;
        FillRect(picture, QRect(x, y, 20 + rng() % 160, 20 + rng() % 200), kBlack);
    }
    Image specks = Image::create(2480, 3508, 1);
    Fill(specks, kWhite);
    for (int n = 0; n < 300; ++n)
        FillRect(specks, QRect(rng() % 2470, rng() % 3500, 3, 3), kBlack);
    for (Image* page : {&noise, &picture, &specks}) {
        const Image before = *page;
        EXPECT_FALSE(Deskew(*page, kWhite, kDeskewKeepSize));
        EXPECT_TRUE(page->samePixels(before));
    }
}

TEST(AutoCrop, TrimsMarginsWithinTheTolerance)
{
    Image page = Image::create(600, 500, 8);
    Fill(page, 0xF0F0F0);                  // light margin
    FillRect(page, QRect(0, 0, 600, 40), 0xFAFAFA);  // within tolerance of the corner colour
    FillRect(page, QRect(100, 150, 300, 200), 0x404040);
    Image tolerant = page;
    AutoCrop(tolerant, 32);
    EXPECT_EQ(tolerant.width(), 300);
    EXPECT_EQ(tolerant.height(), 200);

    Image strict = page;
    AutoCrop(strict, 5);  // the corner is in the lighter band: the rest of the margin is content
    EXPECT_EQ(strict.width(), 600);
    EXPECT_EQ(strict.height(), 460);

    Image bitonal = Image::create(300, 300, 1);
    Fill(bitonal, kWhite);
    FillRect(bitonal, QRect(20, 30, 50, 60), kBlack);
    AutoCrop(bitonal, kAutoCropCentreTolerance);
    EXPECT_EQ(bitonal.width(), 50);
    EXPECT_EQ(bitonal.height(), 60);

    Image blank = Image::create(80, 90, 24);
    Fill(blank, kWhite);
    AutoCrop(blank, kAutoCropCentreTolerance);
    EXPECT_EQ(blank.width(), 80) << "a page that is all margin is kept";
    EXPECT_THROW(AutoCrop(blank, 0), EngineError);
}

TEST(Resize, GivesTheExactSizeAndKeepsBitonalPagesBitonal)
{
    PageOptions options;
    options.seed = 9;
    Image page = GeneratePage(options).page;
    const long long inkBefore = scanvo::testing::CountBlack(page);
    Image half = page;
    Resize(half, 1240, 1754, kResizeSmooth);
    EXPECT_EQ(half.width(), 1240);
    EXPECT_EQ(half.height(), 1754);
    EXPECT_EQ(half.depth(), 1);
    // Area averaging keeps the share of ink roughly where it was.
    const double shareBefore = double(inkBefore) / (2480.0 * 3508.0);
    const double shareAfter = double(scanvo::testing::CountBlack(half)) / (1240.0 * 1754.0);
    EXPECT_NEAR(shareAfter, shareBefore, shareBefore * 0.3);

    for (const DepthCase& c : kDepths) {
        Image image = RandomImage(c.depth, c.palette, 4);
        Resize(image, 501, 77, kResizeSmooth);
        EXPECT_EQ(image.width(), 501);
        EXPECT_EQ(image.height(), 77);
    }
    EXPECT_THROW(Resize(page, 0, 10, kResizeSmooth), EngineError);
}
