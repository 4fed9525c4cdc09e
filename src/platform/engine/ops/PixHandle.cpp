// Shared checks and conversions of the pixel operations.
#include "platform/engine/ops/PixHandle.h"

#include <QCoreApplication>
#include <algorithm>

namespace scanvo::engine::ops {

PixPtr Checked(Pix* pix)
{
    if (!pix)
        throw EngineError(ErrOperation, QCoreApplication::translate("EngineMessages", "图像操作失败"));
    return PixPtr(pix);
}

BoxPtr MakeBox(const QRect& rect)
{
    Box* box = boxCreate(rect.x(), rect.y(), rect.width(), rect.height());
    if (!box)
        throw EngineError(ErrInvalidArgument, QCoreApplication::translate("EngineMessages", "矩形无效"));
    return BoxPtr(box);
}

void RequireImage(const Image& image, const char* operation)
{
    if (image.isNull())
        throw EngineError(ErrInvalidArgument, QCoreApplication::translate("EngineMessages", "%1：没有图像").arg(QLatin1String(operation)));
}

void RequireBitonal(const Image& image, const char* operation)
{
    RequireImage(image, operation);
    if (image.depth() != 1)
        throw EngineError(ErrUnsupported,
                          QCoreApplication::translate("EngineMessages", "%1：只能处理黑白图像").arg(QLatin1String(operation)));
}

void ThrowBadArgument(const char* operation, const char* argument, long long value)
{
    throw EngineError(ErrInvalidArgument, QCoreApplication::translate("EngineMessages", "%1：参数 %2 无效（%3）")
                                              .arg(QLatin1String(operation), QLatin1String(argument))
                                              .arg(value));
}

void ReplacePixels(Image& image, PixPtr pix)
{
    if (image.pix())
        pixCopyResolution(pix.get(), image.pix());
    image.reset(pix.release());
}

Image ImageLike(PixPtr pix, const Image& like)
{
    if (like.pix())
        pixCopyResolution(pix.get(), like.pix());
    return Image::adopt(pix.release(), like.loadFormat());
}

int GreyLevel(quint32 colour)
{
    const int r = (colour >> 16) & 0xFF, g = (colour >> 8) & 0xFF, b = colour & 0xFF;
    return std::clamp(static_cast<int>(L_RED_WEIGHT * r + L_GREEN_WEIGHT * g + L_BLUE_WEIGHT * b + 0.5f), 0, 255);
}

quint32 PixelValueFor(Pix* pix, quint32 colour)
{
    const int r = (colour >> 16) & 0xFF, g = (colour >> 8) & 0xFF, b = colour & 0xFF;
    const int d = pixGetDepth(pix);
    if (d == 1)
        return GreyLevel(colour) < 128 ? 1u : 0u;
    if (d == 32) {
        l_uint32 value = 0;
        composeRGBPixel(r, g, b, &value);
        return value;
    }
    if (PIXCMAP* cmap = pixGetColormap(pix)) {
        l_int32 index = 0;
        if (pixcmapAddNearestColor(cmap, r, g, b, &index) != 0)
            throw EngineError(ErrOperation, QCoreApplication::translate("EngineMessages", "调色板操作失败"));
        return static_cast<quint32>(index);
    }
    return static_cast<quint32>(GreyLevel(colour));
}

PixPtr GreyOf(Pix* pix)
{
    return Checked(pixConvertTo8(pix, 0));
}

PixPtr WithoutPalette(Pix* pix)
{
    PIXCMAP* cmap = pixGetColormap(pix);
    if (!cmap)
        return Checked(pixCopy(nullptr, pix));
    l_int32 colour = 0;
    pixcmapHasColor(cmap, &colour);
    return Checked(pixRemoveColormap(pix, colour ? REMOVE_CMAP_TO_FULL_COLOR : REMOVE_CMAP_TO_GRAYSCALE));
}

}  // namespace scanvo::engine::ops
