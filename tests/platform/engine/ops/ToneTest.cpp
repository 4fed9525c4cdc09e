// Tone, colour, stroke and binarisation operations.
#include "fixtures/PageGenerator.h"
#include "platform/engine/EngineError.h"
#include "platform/engine/PixPtr.h"
#include "platform/engine/ops/Canvas.h"
#include "platform/engine/ops/OpFlags.h"
#include "platform/engine/ops/Tone.h"

#include <leptonica/allheaders.h>

#include <gtest/gtest.h>

using namespace scanvo::engine;
using namespace scanvo::engine::ops;
using scanvo::testing::CountBlack;
using scanvo::testing::CountBlackInRect;
using scanvo::testing::GeneratedPage;
using scanvo::testing::GeneratePage;
using scanvo::testing::PageOptions;

namespace {

l_uint32 Pixel(const Image& image, int x, int y)
{
    l_uint32 v = 0;
    pixGetPixel(image.pix(), x, y, &v);
    return v;
}

// A horizontal grey ramp from low to high.
Image Ramp(int low, int high)
{
    Image image = Image::create(256, 16, 8);
    for (int x = 0; x < 256; ++x)
        FillRect(image, QRect(x, 0, 1, 16), qRgb(0, 0, 0) | 0x010101u * static_cast<quint32>(low + (high - low) * x / 255));
    return image;
}

double Saturation(const Image& image, int x, int y)
{
    l_int32 r = 0, g = 0, b = 0;
    pixGetRGBPixel(image.pix(), x, y, &r, &g, &b);
    const int maxc = std::max({r, g, b}), minc = std::min({r, g, b});
    return maxc == 0 ? 0 : double(maxc - minc) / maxc;
}

}  // namespace

TEST(Binarize, AdaptiveThresholdMatchesTheTextOfAnUnevenGreyPage)
{
    PageOptions options;
    options.depth = 8;
    options.unevenBackground = true;
    options.seed = 61;
    const GeneratedPage generated = GeneratePage(options);
    Image page = generated.page;
    Binarize(page, kBinarizeAdaptive, kBinarizeAutoThreshold, kBinarizeDespeckle);
    ASSERT_EQ(page.depth(), 1);
    EXPECT_EQ(page.xResolution(), 300);
    PixPtr difference(pixXor(nullptr, page.pix(), generated.text.pix()));
    l_int32 wrong = 0;
    pixCountPixels(difference.get(), &wrong, nullptr);
    EXPECT_LE(wrong, 0.03 * options.width * options.height);

    // The shadow defeats one global threshold: the adaptive method is the one that copes.
    Image fixed = generated.page;
    Binarize(fixed, kBinarizeFixed, 128, 0);
    PixPtr fixedDifference(pixXor(nullptr, fixed.pix(), generated.text.pix()));
    l_int32 fixedWrong = 0;
    pixCountPixels(fixedDifference.get(), &fixedWrong, nullptr);
    EXPECT_GT(fixedWrong, wrong);

    Image bitonal = generated.text;
    Binarize(bitonal, kBinarizeAdaptive, kBinarizeAutoThreshold, 0);
    EXPECT_TRUE(bitonal.samePixels(generated.text));
    EXPECT_THROW(Binarize(page = generated.page, 7, 0, 0), EngineError);
}

TEST(BrightnessContrastSaturation, MoveTonesTheWayTheirSignSays)
{
    const Image ramp = Ramp(40, 200);
    Image brighter = ramp, darker = ramp, unchanged = ramp;
    AdjustBrightness(brighter, 400);
    AdjustBrightness(darker, -400);
    AdjustBrightness(unchanged, 0);
    EXPECT_TRUE(unchanged.samePixels(ramp));
    EXPECT_NEAR(int(Pixel(brighter, 128, 0)), int(Pixel(ramp, 128, 0)) + 102, 2);
    EXPECT_NEAR(int(Pixel(darker, 128, 0)), int(Pixel(ramp, 128, 0)) - 102, 2);

    Image more = ramp, less = ramp;
    AdjustContrast(more, 500);
    AdjustContrast(less, -500);
    const int spread = int(Pixel(ramp, 255, 0)) - int(Pixel(ramp, 0, 0));
    EXPECT_GT(int(Pixel(more, 255, 0)) - int(Pixel(more, 0, 0)), spread);
    EXPECT_LT(int(Pixel(less, 255, 0)) - int(Pixel(less, 0, 0)), spread);
    EXPECT_THROW(AdjustContrast(more, 1001), EngineError);

    Image colour = Image::create(8, 8, 24);
    Fill(colour, 0xC08060);
    Image vivid = colour, dull = colour;
    AdjustSaturation(vivid, 500);
    AdjustSaturation(dull, -1000);
    EXPECT_GT(Saturation(vivid, 1, 1), Saturation(colour, 1, 1));
    EXPECT_NEAR(Saturation(dull, 1, 1), 0.0, 0.02);
    Image grey = ramp;
    AdjustSaturation(grey, 800);
    EXPECT_TRUE(grey.samePixels(ramp));

    Image bitonal = Image::create(8, 8, 1);
    const Image bitonalBefore = bitonal;
    AdjustBrightness(bitonal, 900);
    EXPECT_TRUE(bitonal.samePixels(bitonalBefore));
}

TEST(AutoLevels, StretchesAFlatPageFurtherAsStrengthGrows)
{
    const Image ramp = Ramp(80, 170);
    Image gentle = ramp, strong = ramp;
    AutoLevels(gentle, 10);
    AutoLevels(strong, 500);
    EXPECT_LE(Pixel(gentle, 0, 0), 3u);
    EXPECT_GE(Pixel(gentle, 255, 0), 252u);
    // A stronger stretch clips more at both ends, so the curve is steeper in between.
    EXPECT_LT(Pixel(strong, 64, 0), Pixel(gentle, 64, 0));
    EXPECT_GT(Pixel(strong, 192, 0), Pixel(gentle, 192, 0));
    EXPECT_GE(Pixel(strong, 250, 0), 255u);
    EXPECT_THROW(AutoLevels(strong, 9), EngineError);
}

TEST(RemoveBackground, WhitensAnUnevenBackgroundAndKeepsTheText)
{
    PageOptions options;
    options.depth = 8;
    options.unevenBackground = true;
    options.width = 1200;
    options.height = 900;
    options.seed = 71;
    const GeneratedPage generated = GeneratePage(options);
    Image none = generated.page;
    RemoveBackground(none, 0);
    EXPECT_TRUE(none.samePixels(generated.page));

    Image full = generated.page;
    RemoveBackground(full, kBackgroundMax);
    // The shadow by the binding (x near 0) was far from white.
    EXPECT_LT(Pixel(generated.page, 20, 450), 150u);
    EXPECT_GE(Pixel(full, 20, 450), 240u);
    Image half = generated.page;
    RemoveBackground(half, 500);
    EXPECT_GT(Pixel(half, 20, 450), Pixel(generated.page, 20, 450));
    EXPECT_LT(Pixel(half, 20, 450), Pixel(full, 20, 450));
    // Text stays dark.
    Image ink = full;
    Binarize(ink, kBinarizeFixed, 128, 0);
    PixPtr lost(pixSubtract(nullptr, generated.text.pix(), ink.pix()));
    l_int32 lostCount = 0;
    pixCountPixels(lost.get(), &lostCount, nullptr);
    EXPECT_LE(lostCount, CountBlack(generated.text) / 20);
}

TEST(TextStrokes, DilateAndErodeThickenAndThinOnEveryDepth)
{
    Image bitonal = Image::create(60, 60, 1);
    Fill(bitonal, kWhite);
    FillRect(bitonal, QRect(20, 10, 6, 40), kBlack);
    Image darker = bitonal, lighter = bitonal;
    MorphologyFilter(darker, kMorphDilate);
    MorphologyFilter(lighter, kMorphErode);
    EXPECT_EQ(CountBlack(darker), 7 * 41);
    EXPECT_EQ(CountBlack(lighter), 5 * 39);
    EXPECT_THROW(MorphologyFilter(darker, 3), EngineError);

    Image grey = Image::create(60, 60, 8);
    Fill(grey, kWhite);
    FillRect(grey, QRect(20, 10, 6, 40), kBlack);
    Image greyDarker = grey;
    Dilate(greyDarker);
    EXPECT_EQ(Pixel(greyDarker, 19, 30), 0u);
    EXPECT_EQ(Pixel(greyDarker, 17, 30), 255u);
    Image greyLighter = grey;
    Erode(greyLighter);
    EXPECT_EQ(Pixel(greyLighter, 20, 30), 255u);
    EXPECT_EQ(Pixel(greyLighter, 21, 30), 0u);
}

TEST(TextStrokes, SmoothingFillsNicksAndRemovesBumpsButKeepsGaps)
{
    Image page = Image::create(120, 80, 1);
    Fill(page, kWhite);
    FillRect(page, QRect(10, 20, 60, 20), kBlack);  // a thick stroke
    FillRect(page, QRect(30, 19, 3, 1), kBlack);    // a bump on its top edge
    FillRect(page, QRect(50, 39, 2, 1), kWhite);    // a nick in its bottom edge
    FillRect(page, QRect(73, 20, 8, 20), kBlack);   // a neighbour 3 pixels away
    SmoothText(page, kSmoothDefaultLength, 0);
    EXPECT_EQ(CountBlackInRect(page, QRect(30, 19, 3, 1)), 0);
    EXPECT_EQ(CountBlackInRect(page, QRect(50, 39, 2, 1)), 2);
    EXPECT_EQ(CountBlackInRect(page, QRect(70, 20, 3, 20)), 0) << "the gap between strokes stays";
    EXPECT_EQ(CountBlackInRect(page, QRect(10, 20, 60, 20)), 60 * 20);
    EXPECT_THROW(SmoothText(page, 0, 0), EngineError);

    Image grey = Image::create(30, 30, 8);
    Fill(grey, kWhite);
    FillRect(grey, QRect(15, 15, 1, 1), kBlack);  // a lone dark pixel
    SmoothText(grey, kSmoothDefaultLength, 0);
    EXPECT_EQ(Pixel(grey, 15, 15), 255u);
}
