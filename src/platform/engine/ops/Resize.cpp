// Resampling a page to a new pixel size.
#include "platform/engine/ops/Geometry.h"

#include "platform/engine/ops/OpFlags.h"
#include "platform/engine/ops/PixHandle.h"

namespace scanvo::engine::ops {

namespace {

constexpr int kBitonalThreshold = 128;

PixPtr ScaleSmooth(Pix* pix, int width, int height)
{
    const float sx = static_cast<float>(width) / pixGetWidth(pix);
    const float sy = static_cast<float>(height) / pixGetHeight(pix);
    PixPtr scaled = (sx < 1.0f && sy < 1.0f) ? Checked(pixScaleAreaMap(pix, sx, sy))
                                             : Checked(pixScaleLI(pix, sx, sy));
    if (pixGetWidth(scaled.get()) != width || pixGetHeight(scaled.get()) != height)
        scaled = Checked(pixResizeToMatch(scaled.get(), nullptr, width, height));
    return scaled;
}

}  // namespace

void Resize(Image& image, int width, int height, int flags)
{
    RequireImage(image, "Resize");
    if (flags != kResizeSmooth)
        ThrowBadArgument("Resize", "flags", flags);
    CheckImageSize(width, height, image.depth());
    if (width == image.width() && height == image.height())
        return;
    Pix* pix = image.pix();
    if (image.depth() == 1) {
        // Through grey, so thin strokes survive shrinking and edges stay smooth when enlarging.
        PixPtr grey = Checked(pixConvert1To8(nullptr, pix, 255, 0));
        PixPtr scaled = ScaleSmooth(grey.get(), width, height);
        ReplacePixels(image, Checked(pixThresholdToBinary(scaled.get(), kBitonalThreshold)));
        return;
    }
    PixPtr plain = WithoutPalette(pix);
    ReplacePixels(image, ScaleSmooth(plain.get(), width, height));
}

}  // namespace scanvo::engine::ops
