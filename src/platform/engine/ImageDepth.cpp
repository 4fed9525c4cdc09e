// ConvertDepth: 1 / 8 / 24 bit conversions through Leptonica.
#include "platform/engine/ImageDepth.h"

#include "platform/engine/EngineError.h"
#include "platform/engine/EngineMessages.h"
#include "platform/engine/PixPtr.h"

namespace scanvo::engine {

namespace {

constexpr l_int32 kMiddleGrey = 128;

Pix* toGrey(Pix* pix)
{
    switch (pixGetDepth(pix)) {
    case 1:
        return pixConvert1To8(nullptr, pix, 255, 0);  // white 0 -> 255, black 1 -> 0
    case 8:
        return pixGetColormap(pix) ? pixRemoveColormap(pix, REMOVE_CMAP_TO_GRAYSCALE) : pixCopy(nullptr, pix);
    default:
        return pixConvertRGBToLuminance(pix);
    }
}

}  // namespace

Image ConvertDepth(const Image& image, int depth, bool keepPalette)
{
    if (image.isNull())
        throw EngineError(ErrInvalidArgument, msg::noImage());
    if (depth != 1 && depth != 8 && depth != 24)
        throw EngineError(ErrUnsupported, msg::unsupportedBits(depth));
    Pix* pix = image.pix();
    if (image.depth() == depth && (keepPalette || !image.hasPalette()))
        return image;

    Pix* converted = nullptr;
    switch (depth) {
    case 1:
        converted = pixConvertTo1(pix, kMiddleGrey);
        break;
    case 8:
        if (image.depth() == 8 && keepPalette)
            converted = pixCopy(nullptr, pix);
        else
            converted = toGrey(pix);
        break;
    default:
        converted = pixConvertTo32(pix);
        break;
    }
    if (!converted)
        throw EngineError(ErrOperation, msg::conversionFailed());
    pixCopyResolution(converted, pix);
    return Image::adopt(converted, image.loadFormat());
}

}  // namespace scanvo::engine
