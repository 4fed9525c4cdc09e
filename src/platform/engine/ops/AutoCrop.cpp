// Automatic crop of uniform margins.
#include "platform/engine/ops/Geometry.h"

#include "platform/engine/ops/PixHandle.h"

namespace scanvo::engine::ops {

namespace {

// 1 where a pixel differs from the corner colour by tolerance or more.
PixPtr ContentMask(Pix* pix, int tolerance)
{
    l_uint32 corner = 0;
    pixGetPixel(pix, 0, 0, &corner);
    if (pixGetDepth(pix) == 1) {
        PixPtr mask = Checked(pixCopy(nullptr, pix));
        if (corner)
            pixInvert(mask.get(), mask.get());
        return mask;
    }
    PixPtr plain = WithoutPalette(pix);
    PixPtr reference = Checked(pixCreateTemplate(plain.get()));
    if (pixGetDepth(plain.get()) == 8 && pixGetColormap(pix)) {
        l_uint32 grey = 0;
        pixGetPixel(plain.get(), 0, 0, &grey);
        corner = grey;
    } else if (pixGetColormap(pix)) {
        pixGetPixel(plain.get(), 0, 0, &corner);
    }
    pixSetAllArbitrary(reference.get(), corner);
    PixPtr difference = Checked(pixAbsDifference(plain.get(), reference.get()));
    if (pixGetDepth(difference.get()) == 32)
        difference = Checked(pixConvertRGBToGrayMinMax(difference.get(), L_CHOOSE_MAX));
    // pixThresholdToBinary marks values below the threshold; content is the rest.
    PixPtr mask = Checked(pixThresholdToBinary(difference.get(), tolerance));
    pixInvert(mask.get(), mask.get());
    return mask;
}

}  // namespace

void AutoCrop(Image& image, int tolerance)
{
    RequireImage(image, "AutoCrop");
    if (tolerance < 1 || tolerance > 255)
        ThrowBadArgument("AutoCrop", "tolerance", tolerance);
    PixPtr mask = ContentMask(image.pix(), tolerance);
    Box* found = nullptr;
    if (pixClipToForeground(mask.get(), nullptr, &found) != 0 || !found)
        return;  // nothing but margin: keep the page rather than make it vanish
    BoxPtr box(found);
    ReplacePixels(image, Checked(pixClipRectangle(image.pix(), box.get(), nullptr)));
}

}  // namespace scanvo::engine::ops
