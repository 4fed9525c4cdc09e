// Canvases, fill, invert, rectangle copy, crop, regions, the image list and text drawing.
#include "fixtures/PageGenerator.h"
#include "platform/engine/EngineError.h"
#include "platform/engine/PixPtr.h"
#include "platform/engine/ops/Canvas.h"
#include "platform/engine/ops/ImageList.h"
#include "platform/engine/ops/OpFlags.h"
#include "platform/engine/ops/Region.h"
#include "platform/engine/ops/Text.h"

#include <leptonica/allheaders.h>

#include <gtest/gtest.h>

using namespace scanvo::engine;
using namespace scanvo::engine::ops;
using scanvo::testing::CountBlack;
using scanvo::testing::CountBlackInRect;

namespace {

int ErrorNumberOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const EngineError& e) {
        return e.number();
    }
    return 0;
}

Image GreyPalettePage(int w, int h)
{
    Image image = Image::create(w, h, 8);
    pixSetColormap(image.pix(), pixcmapCreateLinear(8, 256));
    return image;
}

// 1-bit image of the clearly dark pixels of any page.
Image DarkPixels(const Image& page)
{
    if (page.depth() == 1)
        return page;
    PixPtr grey(pixConvertTo8(page.pix(), 0));
    return Image::adopt(pixThresholdToBinary(grey.get(), 128));
}

l_uint32 Pixel(const Image& image, int x, int y)
{
    l_uint32 v = 0;
    pixGetPixel(image.pix(), x, y, &v);
    return v;
}

}  // namespace

TEST(Canvas, NewImagesAreBlackAndWhiteCanvasesAreWhiteOnEveryDepth)
{
    EXPECT_EQ(Pixel(Image::create(10, 10, 1), 3, 3), 1u);
    EXPECT_EQ(Pixel(Image::create(10, 10, 8), 3, 3), 0u);
    for (int depth : {1, 8, 24}) {
        const Image like = Image::create(10, 10, depth, 200, 150);
        const Image canvas = WhiteCanvas(like, 30, 20);
        EXPECT_EQ(canvas.width(), 30);
        EXPECT_EQ(canvas.depth(), depth);
        EXPECT_EQ(canvas.xResolution(), 200);
        EXPECT_EQ(canvas.yResolution(), 150);
        Image black = Image::create(30, 20, depth);
        Invert(black);
        EXPECT_TRUE(canvas.samePixels(black)) << "an inverted new image is the white canvas";
    }
    const Image grey = WhiteCanvas(GreyPalettePage(5, 5), 8, 8);
    EXPECT_FALSE(grey.hasPalette());
    EXPECT_EQ(Pixel(grey, 7, 7), 255u);
}

TEST(Canvas, CanvasSizeKeepsThePageAtTheTopLeftAndRoundsRealSizes)
{
    Image page = Image::create(1000, 1500, 1, 300, 300);  // black
    const Image canvas = CreateCanvas(page, 210 * 300 * 0.03937, 297 * 300 * 0.03937);
    EXPECT_EQ(canvas.width(), 2480);
    EXPECT_EQ(canvas.height(), 3508);
    EXPECT_EQ(CountBlackInRect(canvas, QRect(0, 0, 1000, 1500)), 1000LL * 1500);
    EXPECT_EQ(CountBlack(canvas), 1000LL * 1500) << "the rest of the canvas is white";

    const Image smaller = CreateCanvas(page, 400, 300);
    EXPECT_EQ(CountBlack(smaller), 400LL * 300) << "what does not fit is cropped";
}

TEST(Canvas, SetGreyPaletteGivesPlainGrey)
{
    Image colour = Image::create(4, 4, 24);
    Fill(colour, 0xFF0000);
    SetGreyPalette(colour);
    EXPECT_EQ(colour.depth(), 8);
    EXPECT_FALSE(colour.hasPalette());
    EXPECT_NEAR(static_cast<int>(Pixel(colour, 1, 1)), 76, 2);  // luminance of pure red
}

TEST(FillAndInvert, FillRectClipsAndFillRegionFollowsTheMask)
{
    Image page = Image::create(100, 80, 1);
    Fill(page, kWhite);
    FillRect(page, QRect(90, 70, 50, 50), kBlack);
    EXPECT_EQ(CountBlack(page), 10 * 10);

    Image mask = Image::create(20, 20, 1);
    Fill(mask, kWhite);
    FillRect(mask, QRect(5, 5, 4, 3), kBlack);
    const Region region = Region::fromMask(mask, QPoint(30, 40));
    EXPECT_EQ(region.boundingRect(), QRect(35, 45, 4, 3));
    EXPECT_TRUE(region.contains(QPoint(36, 46)));
    EXPECT_FALSE(region.contains(QPoint(34, 46)));
    EXPECT_TRUE(Region::fromMask(Image::create(3, 3, 1), QPoint()).boundingRect() == QRect(0, 0, 3, 3));
    Image blankMask = Image::create(3, 3, 1);
    Fill(blankMask, kWhite);
    EXPECT_TRUE(Region::fromMask(blankMask, QPoint()).isEmpty());

    Image grey = Image::create(100, 80, 8);
    FillRegion(grey, region, kWhite);
    EXPECT_EQ(Pixel(grey, 36, 46), 255u);
    EXPECT_EQ(Pixel(grey, 40, 46), 0u);
    FillRegion(grey, Region::rectangle(QRect(0, 0, 2, 2)), 0x808080);
    EXPECT_EQ(Pixel(grey, 1, 1), 128u);
}

TEST(FillAndInvert, FillThenPixelColourGivesTheColourBackOnEveryDepth)
{
    struct Case {
        Image image;
        quint32 fill, expected;
    };
    Image palette = GreyPalettePage(6, 6);
    std::vector<Case> cases;
    cases.push_back({Image::create(6, 6, 1), 0x202020, kBlack});
    cases.push_back({Image::create(6, 6, 1), 0xE0E0E0, kWhite});
    cases.push_back({Image::create(6, 6, 8), 0x646464, 0x646464});
    cases.push_back({Image::create(6, 6, 24), 0x12AB34, 0x12AB34});
    cases.push_back({palette, 0x808080, 0x808080});
    for (Case& c : cases) {
        FillRect(c.image, QRect(2, 2, 2, 2), c.fill);
        EXPECT_EQ(PixelColour(c.image, 3, 3), c.expected) << "depth " << c.image.depth();
    }
    EXPECT_EQ(ErrorNumberOf([&] { PixelColour(cases[0].image, 6, 0); }), ErrInvalidArgument);
}

TEST(FillAndInvert, InvertTwiceGivesBackThePageAndPalettesInvertTheirColours)
{
    scanvo::testing::PageOptions options;
    options.width = 800;
    options.height = 600;
    for (int depth : {1, 8, 24}) {
        options.depth = depth;
        const Image original = scanvo::testing::GeneratePage(options).page;
        Image image = original;
        Invert(image);
        EXPECT_FALSE(image.samePixels(original));
        Invert(image);
        EXPECT_TRUE(image.samePixels(original));
    }
    Image palette = GreyPalettePage(4, 4);
    pixSetPixel(palette.pix(), 0, 0, 10);
    Invert(palette);
    EXPECT_EQ(Pixel(palette, 0, 0), 10u) << "indices stay";
    l_int32 r = 0, g = 0, b = 0;
    pixcmapGetColor(pixGetColormap(palette.pix()), 10, &r, &g, &b);
    EXPECT_EQ(r, 245);
}

TEST(CombineAndCrop, CopiesARectangleAndRefusesDifferentFormats)
{
    Image source = Image::create(50, 40, 8);
    FillRect(source, QRect(10, 10, 5, 5), kWhite);
    Image dest = Image::create(100, 100, 8);
    Fill(dest, 0x808080);
    Combine(dest, source, QRect(10, 10, 5, 5), QPoint(90, 0), kCombineCopyFlags);
    EXPECT_EQ(Pixel(dest, 90, 0), 255u);
    EXPECT_EQ(Pixel(dest, 89, 0), 128u);
    // Partly outside the destination: clipped with kCombineClip, refused without.
    Combine(dest, source, QRect(10, 10, 5, 5), QPoint(98, 98), kCombinePasteFlags);
    EXPECT_EQ(Pixel(dest, 99, 99), 255u);
    EXPECT_EQ(ErrorNumberOf([&] { Combine(dest, source, QRect(10, 10, 5, 5), QPoint(98, 98), kCombineOpCopy); }),
              ErrInvalidArgument);

    Image bitonal = Image::create(50, 40, 1);
    EXPECT_EQ(ErrorNumberOf([&] { Combine(bitonal, source, QRect(0, 0, 5, 5), QPoint(), kCombinePasteFlags); }),
              ErrIncompatible);
    Image palette = GreyPalettePage(50, 40);
    EXPECT_EQ(ErrorNumberOf([&] { Combine(palette, source, QRect(0, 0, 5, 5), QPoint(), kCombinePasteFlags); }),
              ErrIncompatible);

    const Image part = Crop(dest, QRect(85, -10, 100, 20));
    EXPECT_EQ(part.width(), 15);
    EXPECT_EQ(part.height(), 10);
    EXPECT_EQ(ErrorNumberOf([&] { Crop(dest, QRect(200, 200, 5, 5)); }), ErrInvalidArgument);
}

TEST(CombineAndCrop, CopyBetweenDifferentPalettesKeepsTheColours)
{
    Image source = Image::create(4, 4, 8);
    PIXCMAP* sourceMap = pixcmapCreate(8);
    pixcmapAddColor(sourceMap, 0, 0, 255);
    pixcmapAddColor(sourceMap, 255, 0, 0);
    pixSetColormap(source.pix(), sourceMap);
    pixSetAllArbitrary(source.pix(), 1);  // red
    Image dest = Image::create(4, 4, 8);
    PIXCMAP* destMap = pixcmapCreate(8);
    pixcmapAddColor(destMap, 255, 0, 0);
    pixcmapAddColor(destMap, 0, 0, 255);
    pixSetColormap(dest.pix(), destMap);
    Combine(dest, source, QRect(0, 0, 4, 4), QPoint(), kCombineCopyFlags);
    l_int32 r = 0, g = 0, b = 0;
    pixcmapGetColor(pixGetColormap(dest.pix()), static_cast<int>(Pixel(dest, 2, 2)), &r, &g, &b);
    EXPECT_EQ(r, 255);
    EXPECT_EQ(b, 0);
}

TEST(ImageListTest, KeepsCopiesInOrder)
{
    ImageList list;
    Image a = Image::create(3, 3, 8);
    list.append(a);
    Fill(a, kWhite);  // the list holds its own copy
    list.append(a);
    list.append(Image::create(5, 5, 1));
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(Pixel(list.at(0), 1, 1), 0u);
    const Image top = list.take(2);
    EXPECT_EQ(top.width(), 5);
    EXPECT_EQ(list.count(), 2);
    list.remove(0);
    EXPECT_EQ(Pixel(list.at(0), 1, 1), 255u);
    EXPECT_EQ(ErrorNumberOf([&] { list.at(1); }), ErrInvalidArgument);
    EXPECT_EQ(ErrorNumberOf([&] { list.remove(0, 2); }), ErrInvalidArgument);
    list.clear();
    EXPECT_TRUE(list.isEmpty());
}

TEST(Text, MeasuresAndDrawsInsideTheRectangleOnEveryDepth)
{
    TextFont font{QStringLiteral("DejaVu Sans"), 12};
    const QString text = QStringLiteral("签注 Note 123");
    Image probe = Image::create(10, 10, 1, 300, 300);
    const QSize size = MeasureText(probe, font, text);
    EXPECT_GT(size.width(), size.height());
    EXPECT_NEAR(size.height(), 12 * 300 / 72.0 * 1.2, 20);
    TextFont bold = font;
    bold.bold = true;
    EXPECT_GE(MeasureText(probe, bold, text).width(), size.width());
    TextFont larger = font;
    larger.size = 24;
    EXPECT_GT(MeasureText(probe, larger, text).width(), size.width() * 3 / 2);

    for (int depth : {1, 8, 24}) {
        SCOPED_TRACE(testing::Message() << "depth " << depth);
        Image page = Image::create(800, 300, depth, 300, 300);
        Fill(page, kWhite);
        const QRect rect(QPoint(100, 200), size);
        DrawText(page, font, rect, text, kBlack);
        const Image ink = DarkPixels(page);
        const long long inside = CountBlackInRect(ink, rect);
        EXPECT_GT(inside, 500);
        EXPECT_EQ(CountBlack(ink), inside) << "nothing is drawn outside the rectangle";
    }

    // A rectangle reaching far beyond the page: only the part on the page is drawn.
    Image small = Image::create(300, 100, 8, 300, 300);
    Fill(small, kWhite);
    DrawText(small, font, QRect(-20, 10, 2000000, 2000000), text, kBlack);
    EXPECT_GT(CountBlack(DarkPixels(small)), 300);

    Image palette = GreyPalettePage(400, 100);
    pixSetAllArbitrary(palette.pix(), 255);
    DrawText(palette, font, QRect(QPoint(0, 0), size), text, kBlack);
    EXPECT_TRUE(palette.hasPalette());
    EXPECT_GT(CountBlack(DarkPixels(palette)), 500);
}
