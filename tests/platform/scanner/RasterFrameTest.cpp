// Raw scanner frames into page images: sample depths, polarity, line padding and three-pass frames.
#include "platform/scanner/RasterFrame.h"

#include "platform/engine/EngineError.h"
#include "platform/engine/Image.h"

#include <gtest/gtest.h>
#include <leptonica/allheaders.h>

#include <array>
#include <cstdint>
#include <cstring>

using namespace scanvo::scanner;
using scanvo::engine::EngineError;
using scanvo::engine::Image;

namespace {

l_uint32 Pixel(const Image& image, int x, int y)
{
    l_uint32 value = 0;
    EXPECT_EQ(pixGetPixel(image.pix(), x, y, &value), 0);
    return value;
}

RasterFrame Frame(FrameKind kind, int depth, int width, int bytesPerLine, int lines, QByteArray data)
{
    return RasterFrame{kind, depth, width, bytesPerLine, lines, std::move(data)};
}

QByteArray Samples16(std::initializer_list<std::uint16_t> samples)
{
    QByteArray data(int(samples.size() * 2), '\0');
    int offset = 0;
    for (std::uint16_t sample : samples) {
        std::memcpy(data.data() + offset, &sample, 2);  // the machine's byte order, as SANE sends
        offset += 2;
    }
    return data;
}

TEST(RasterFrameTest, OneBitKeepsOneAsBlackAndIgnoresLinePadding)
{
    // 10 pixels a line in 2 bytes, plus one byte of padding the device adds to each line.
    const QByteArray data("\x80\x40\xFF"
                          "\x01\xFF\xFF",
                          6);
    const Image page = PageFromFrames({Frame(FrameKind::Grey, 1, 10, 3, 2, data)}, 300, 300);
    ASSERT_EQ(page.depth(), 1);
    ASSERT_EQ(page.width(), 10);
    ASSERT_EQ(page.height(), 2);
    EXPECT_EQ(Pixel(page, 0, 0), 1u);
    EXPECT_EQ(Pixel(page, 1, 0), 0u);
    EXPECT_EQ(Pixel(page, 9, 0), 1u);  // 0x40: second pixel of the second byte
    EXPECT_EQ(Pixel(page, 8, 0), 0u);
    EXPECT_EQ(Pixel(page, 7, 1), 1u);
    EXPECT_EQ(Pixel(page, 6, 1), 0u);
    EXPECT_EQ(Pixel(page, 8, 1), 1u);
    // Bits past the tenth pixel of each line must not count as black.
    l_int32 black = 0;
    ASSERT_EQ(pixCountPixels(page.pix(), &black, nullptr), 0);
    EXPECT_EQ(black, 2 + 3);
}

TEST(RasterFrameTest, SixteenBitGreyKeepsTheHighByte)
{
    const Image page =
        PageFromFrames({Frame(FrameKind::Grey, 16, 3, 6, 1, Samples16({0x12FF, 0xFF00, 0x0080}))}, 200, 100);
    ASSERT_EQ(page.depth(), 8);
    EXPECT_EQ(Pixel(page, 0, 0), 0x12u);
    EXPECT_EQ(Pixel(page, 1, 0), 0xFFu);
    EXPECT_EQ(Pixel(page, 2, 0), 0x00u);
    EXPECT_EQ(page.xResolution(), 200);
    EXPECT_EQ(page.yResolution(), 100);
}

TEST(RasterFrameTest, RgbAtEightAndSixteenBits)
{
    const Image eight = PageFromFrames({Frame(FrameKind::Rgb, 8, 2, 6, 1, QByteArray("\x10\x20\x30\xA0\xB0\xC0", 6))}, 300, 300);
    ASSERT_EQ(eight.depth(), 24);
    l_int32 r, g, b;
    extractRGBValues(Pixel(eight, 1, 0), &r, &g, &b);
    EXPECT_EQ((std::array{r, g, b}), (std::array{0xA0, 0xB0, 0xC0}));

    const Image sixteen =
        PageFromFrames({Frame(FrameKind::Rgb, 16, 1, 6, 1, Samples16({0x1000, 0x20FF, 0xFE01}))}, 300, 300);
    extractRGBValues(Pixel(sixteen, 0, 0), &r, &g, &b);
    EXPECT_EQ((std::array{r, g, b}), (std::array{0x10, 0x20, 0xFE}));
}

TEST(RasterFrameTest, ThreePassFramesCombineInWhateverOrderTheyCome)
{
    const QList<RasterFrame> frames{Frame(FrameKind::Blue, 8, 2, 2, 1, QByteArray("\x03\x06", 2)),
                                    Frame(FrameKind::Red, 8, 2, 2, 1, QByteArray("\x01\x04", 2)),
                                    Frame(FrameKind::Green, 8, 2, 2, 1, QByteArray("\x02\x05", 2))};
    const Image page = PageFromFrames(frames, 300, 300);
    ASSERT_EQ(page.depth(), 24);
    l_int32 r, g, b;
    extractRGBValues(Pixel(page, 1, 0), &r, &g, &b);
    EXPECT_EQ((std::array{r, g, b}), (std::array{4, 5, 6}));

    QList<RasterFrame> twoReds = frames;
    twoReds[0].kind = FrameKind::Red;
    EXPECT_THROW(PageFromFrames(twoReds, 300, 300), EngineError);
}

TEST(RasterFrameTest, UnknownHeightCountsOnlyWholeLines)
{
    // A hand scanner does not know its height; a trailing partial line is dropped.
    const Image page = PageFromFrames({Frame(FrameKind::Grey, 8, 4, 4, -1, QByteArray(4 * 3 + 2, '\x7F'))}, 300, 300);
    EXPECT_EQ(page.height(), 3);
    EXPECT_EQ(page.width(), 4);
}

TEST(RasterFrameTest, ThresholdMakesBlackAndWhiteFromGrey)
{
    const Image page = PageFromFrames({Frame(FrameKind::Grey, 8, 3, 3, 1, QByteArray("\x00\x7F\xC0", 3))}, 300, 300, true);
    ASSERT_EQ(page.depth(), 1);
    EXPECT_EQ(Pixel(page, 0, 0), 1u);
    EXPECT_EQ(Pixel(page, 1, 0), 1u);
    EXPECT_EQ(Pixel(page, 2, 0), 0u);
}

// Every pixel of grey pages of many widths, each line padded, against the samples they came from:
// the word packing, the end of each line and the bits past its last pixel.
TEST(RasterFrameTest, GreyPagesOfEveryLineWidthKeepEachSample)
{
    std::uint32_t seed = 12345;
    auto nextByte = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return char(seed >> 24);
    };
    constexpr int kLines = 3;
    for (int depth : {1, 8, 16}) {
        for (bool threshold : {false, true}) {
            if (depth == 1 && threshold)
                continue;
            for (int width = 1; width <= 70; ++width) {
                SCOPED_TRACE(testing::Message()
                             << "depth " << depth << " width " << width << " threshold " << threshold);
                const int bytesPerLine = (width * depth + 7) / 8 + width % 3;
                QByteArray data(bytesPerLine * kLines, '\0');
                for (char& byte : data)
                    byte = nextByte();
                const RasterFrame frame = Frame(FrameKind::Grey, depth, width, bytesPerLine, kLines, data);
                const Image page = PageFromFrames({frame}, 300, 300, threshold);
                ASSERT_EQ(page.depth(), depth == 1 || threshold ? 1 : 8);
                ASSERT_EQ(page.width(), width);
                ASSERT_EQ(page.height(), kLines);
                for (int y = 0; y < kLines; ++y) {
                    const auto* line = reinterpret_cast<const uchar*>(data.constData()) + y * bytesPerLine;
                    for (int x = 0; x < width; ++x) {
                        l_uint32 expected = 0;
                        if (depth == 1) {
                            expected = (line[x / 8] >> (7 - x % 8)) & 1;
                        } else {
                            std::uint16_t wide = 0;
                            std::memcpy(&wide, line + 2 * x, 2);
                            expected = depth == 8 ? line[x] : wide >> 8;
                        }
                        if (threshold)
                            expected = expected < 128 ? 1 : 0;
                        ASSERT_EQ(Pixel(page, x, y), expected) << "at " << x << "," << y;
                    }
                }
                if (page.depth() == 1 && width % 32 != 0) {
                    // Nothing set past a line's last pixel: other operations read whole words.
                    const int wpl = pixGetWpl(page.pix());
                    for (int y = 0; y < kLines; ++y)
                        EXPECT_EQ(pixGetData(page.pix())[y * wpl + wpl - 1] << (width % 32), 0u);
                }
            }
        }
    }
}

TEST(RasterFrameTest, FramesThatDoNotFormAPageAreRefused)
{
    // No data at all, lines shorter than their pixels, an unknown depth, no frames.
    EXPECT_THROW(PageFromFrames({Frame(FrameKind::Grey, 8, 4, 4, 2, {})}, 300, 300), EngineError);
    EXPECT_THROW(PageFromFrames({Frame(FrameKind::Rgb, 8, 4, 4, 1, QByteArray(12, '\0'))}, 300, 300), EngineError);
    EXPECT_THROW(PageFromFrames({Frame(FrameKind::Grey, 4, 4, 2, 1, QByteArray(2, '\0'))}, 300, 300), EngineError);
    EXPECT_THROW(PageFromFrames({}, 300, 300), EngineError);
}

}  // namespace
