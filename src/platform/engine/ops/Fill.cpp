// Filling the whole image, a rectangle or a region with one colour; reading one pixel's colour.
#include "platform/engine/ops/Canvas.h"

#include "platform/engine/ops/PixHandle.h"

#include <QCoreApplication>

namespace scanvo::engine::ops {

void Fill(Image& image, quint32 colour)
{
    RequireImage(image, "Fill");
    FillRect(image, QRect(0, 0, image.width(), image.height()), colour);
}

void FillRect(Image& image, const QRect& rect, quint32 colour)
{
    RequireImage(image, "FillRect");
    const QRect clipped = rect.normalized() & QRect(0, 0, image.width(), image.height());
    if (clipped.isEmpty())
        return;
    BoxPtr box = MakeBox(clipped);
    if (pixSetInRectArbitrary(image.pix(), box.get(), PixelValueFor(image.pix(), colour)) != 0)
        throw EngineError(ErrOperation, QCoreApplication::translate("EngineMessages", "填充失败"));
}

void FillRegion(Image& image, const Region& region, quint32 colour)
{
    RequireImage(image, "FillRegion");
    if (region.isEmpty())
        return;
    if (region.isRectangle()) {
        FillRect(image, region.boundingRect(), colour);
        return;
    }
    const QRect r = region.boundingRect();
    Pix* pix = image.pix();
    l_int32 failed = 0;
    if (pixGetColormap(pix))
        failed = pixSetMaskedCmap(pix, region.mask().pix(), r.x(), r.y(), (colour >> 16) & 0xFF,
                                  (colour >> 8) & 0xFF, colour & 0xFF);
    else
        failed = pixPaintThroughMask(pix, region.mask().pix(), r.x(), r.y(), PixelValueFor(pix, colour));
    if (failed)
        throw EngineError(ErrOperation, QCoreApplication::translate("EngineMessages", "填充失败"));
}

quint32 PixelColour(const Image& image, int x, int y)
{
    RequireImage(image, "PixelColour");
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height())
        throw EngineError(ErrInvalidArgument, QCoreApplication::translate("EngineMessages", "像素位置在图像之外：%1, %2").arg(x).arg(y));
    Pix* pix = image.pix();
    l_uint32 value = 0;
    pixGetPixel(pix, x, y, &value);
    l_int32 r = 0, g = 0, b = 0;
    if (pixGetDepth(pix) == 1) {
        r = g = b = value ? 0 : 255;
    } else if (PIXCMAP* cmap = pixGetColormap(pix)) {
        pixcmapGetColor(cmap, static_cast<int>(value), &r, &g, &b);
    } else if (pixGetDepth(pix) == 8) {
        r = g = b = static_cast<l_int32>(value);
    } else {
        extractRGBValues(value, &r, &g, &b);
    }
    return (static_cast<quint32>(r) << 16) | (static_cast<quint32>(g) << 8) | static_cast<quint32>(b);
}

}  // namespace scanvo::engine::ops
