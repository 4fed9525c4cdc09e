// Image value type: creation, copies, and the QImage round trip on every depth.
#include "platform/engine/EngineError.h"
#include "platform/engine/Image.h"

#include <gtest/gtest.h>

using namespace scanvo::engine;

TEST(Image, CreateIsBlackOnEveryDepth)
{
    for (int depth : {1, 8, 24}) {
        const Image image = Image::create(40, 30, depth, 200, 300);
        EXPECT_EQ(image.depth(), depth);
        EXPECT_EQ(image.xResolution(), 200);
        EXPECT_EQ(image.yResolution(), 300);
        const QImage q = image.toQImage();
        EXPECT_EQ(qGray(q.pixel(5, 5)), 0) << "depth " << depth;
    }
}

TEST(Image, QImageRoundTripKeepsPixelsOnEveryDepth)
{
    for (int depth : {1, 8, 24}) {
        Image image = Image::create(37, 23, depth);
        QImage q = image.toQImage();
        for (int y = 0; y < q.height(); ++y)
            for (int x = 0; x < q.width(); ++x)
                if ((x * 7 + y * 3) % 5 == 0)
                    q.setPixel(x, y, depth == 1 ? 0u : (depth == 8 ? uint((x * 9) & 0xff) : qRgb(x * 5, y * 9, 77)));
        const Image back = Image::fromQImage(q);
        EXPECT_EQ(back.depth(), depth);
        EXPECT_EQ(back.toQImage().convertToFormat(QImage::Format_RGB32), q.convertToFormat(QImage::Format_RGB32))
            << "depth " << depth;
    }
}

TEST(Image, CopiesAreIndependentAndMovesEmpty)
{
    Image a = Image::create(10, 10, 8);
    Image b = a;
    EXPECT_TRUE(a.samePixels(b));
    EXPECT_NE(a.pix(), b.pix());
    Image c = std::move(a);
    EXPECT_TRUE(a.isNull());
    EXPECT_TRUE(c.samePixels(b));
}

TEST(Image, RefusesSizesThatWouldNotFit)
{
    EXPECT_THROW(Image::create(0, 10, 8), EngineError);
    EXPECT_THROW(Image::create(200000, 200000, 24), EngineError);
    EXPECT_THROW(Image::create(10, 10, 4), EngineError);
}
