// Filling the whole image, a rectangle or a region with one colour.
#include "platform/engine/ops/Canvas.h"

#include "platform/engine/ops/PixHandle.h"

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
        throw EngineError(ErrOperation, QStringLiteral("填充失败"));
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
        throw EngineError(ErrOperation, QStringLiteral("填充失败"));
}

}  // namespace scanvo::engine::ops
