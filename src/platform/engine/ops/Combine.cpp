// Copying a rectangle between images, and cropping.
#include "platform/engine/ops/Canvas.h"

#include "platform/engine/ops/OpFlags.h"
#include "platform/engine/ops/PixHandle.h"

#include <QCoreApplication>

namespace scanvo::engine::ops {

namespace {

bool SamePalette(Pix* a, Pix* b)
{
    PIXCMAP* ca = pixGetColormap(a);
    PIXCMAP* cb = pixGetColormap(b);
    if (!ca || !cb)
        return !ca && !cb;
    if (pixcmapGetCount(ca) != pixcmapGetCount(cb))
        return false;
    for (int i = 0; i < pixcmapGetCount(ca); ++i) {
        l_int32 r1 = 0, g1 = 0, b1 = 0, r2 = 0, g2 = 0, b2 = 0;
        pixcmapGetColor(ca, i, &r1, &g1, &b1);
        pixcmapGetColor(cb, i, &r2, &g2, &b2);
        if (r1 != r2 || g1 != g2 || b1 != b2)
            return false;
    }
    return true;
}

// rect of a palette image with its indices translated to those of the same colours in cmap
// (the nearest ones, or new entries while cmap has room).
PixPtr RemapToPalette(Pix* source, const QRect& rect, PIXCMAP* cmap)
{
    PIXCMAP* own = pixGetColormap(source);
    NumaPtr table(numaCreate(256));
    for (int i = 0; i < 256; ++i) {
        l_int32 r = 0, g = 0, b = 0, index = 0;
        if (i < pixcmapGetCount(own)) {
            pixcmapGetColor(own, i, &r, &g, &b);
            pixcmapAddNearestColor(cmap, r, g, b, &index);
        }
        numaAddNumber(table.get(), static_cast<float>(index));
    }
    BoxPtr box = MakeBox(rect);
    PixPtr part = Checked(pixClipRectangle(source, box.get(), nullptr));
    pixDestroyColormap(part.get());  // plain indices, mapped through the table
    if (pixTRCMap(part.get(), nullptr, table.get()) != 0)
        throw EngineError(ErrOperation, QCoreApplication::translate("EngineMessages", "调色板操作失败"));
    return part;
}

}  // namespace

void Combine(Image& dest, const Image& source, const QRect& sourceRect, QPoint destPos, int flags)
{
    RequireImage(dest, "Combine");
    RequireImage(source, "Combine");
    if ((flags & kCombineOpMask) != kCombineOpCopy)
        ThrowBadArgument("Combine", "flags", flags);
    if (dest.depth() != source.depth() || dest.hasPalette() != source.hasPalette())
        throw EngineError(ErrIncompatible, QCoreApplication::translate("EngineMessages", "两个图像的格式不同，不能合并"));

    QRect src = sourceRect.normalized() & QRect(0, 0, source.width(), source.height());
    QPoint at = destPos + (src.topLeft() - sourceRect.normalized().topLeft());
    const QRect target = QRect(at, src.size()) & QRect(0, 0, dest.width(), dest.height());
    if (!(flags & kCombineClip) && target.size() != sourceRect.normalized().size())
        throw EngineError(ErrInvalidArgument, QCoreApplication::translate("EngineMessages", "合并区域超出图像范围"));
    if (target.isEmpty())
        return;

    const QPoint from(src.x() + (target.x() - at.x()), src.y() + (target.y() - at.y()));
    if (dest.hasPalette() && !SamePalette(dest.pix(), source.pix())) {
        PixPtr part = RemapToPalette(source.pix(), QRect(from, target.size()), pixGetColormap(dest.pix()));
        pixRasterop(dest.pix(), target.x(), target.y(), target.width(), target.height(), PIX_SRC, part.get(), 0, 0);
        return;
    }
    pixRasterop(dest.pix(), target.x(), target.y(), target.width(), target.height(), PIX_SRC, source.pix(),
                from.x(), from.y());
}

Image Crop(const Image& image, const QRect& rect)
{
    RequireImage(image, "Crop");
    const QRect clipped = rect.normalized() & QRect(0, 0, image.width(), image.height());
    if (clipped.isEmpty())
        throw EngineError(ErrInvalidArgument, QCoreApplication::translate("EngineMessages", "裁剪区域在图像之外"));
    BoxPtr box = MakeBox(clipped);
    return ImageLike(Checked(pixClipRectangle(image.pix(), box.get(), nullptr)), image);
}

}  // namespace scanvo::engine::ops
