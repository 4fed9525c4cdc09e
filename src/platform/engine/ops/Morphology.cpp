// Darken and lighten text: dilation and erosion of the black strokes.
#include "platform/engine/ops/Tone.h"

#include "platform/engine/ops/OpFlags.h"
#include "platform/engine/ops/PixHandle.h"

namespace scanvo::engine::ops {

namespace {

constexpr int kBitonalBrick = 2;
constexpr int kToneBrick = 3;  // grey morphology needs an odd size

// darken = true spreads black, false spreads white.
void Spread(Image& image, bool darken)
{
    RequireImage(image, darken ? "Dilate" : "Erode");
    Pix* pix = image.pix();
    if (image.depth() == 1) {
        ReplacePixels(image, Checked(darken ? pixDilateBrick(nullptr, pix, kBitonalBrick, kBitonalBrick)
                                            : pixErodeBrick(nullptr, pix, kBitonalBrick, kBitonalBrick)));
        return;
    }
    PixPtr plain = WithoutPalette(pix);
    // In grey terms black spreading is a minimum filter, i.e. grey erosion.
    if (pixGetDepth(plain.get()) == 8)
        ReplacePixels(image, Checked(darken ? pixErodeGray(plain.get(), kToneBrick, kToneBrick)
                                            : pixDilateGray(plain.get(), kToneBrick, kToneBrick)));
    else
        ReplacePixels(image, Checked(pixColorMorph(plain.get(), darken ? L_MORPH_ERODE : L_MORPH_DILATE,
                                                   kToneBrick, kToneBrick)));
}

}  // namespace

void Dilate(Image& image) { Spread(image, true); }
void Erode(Image& image) { Spread(image, false); }

void MorphologyFilter(Image& image, int filter)
{
    if (filter == kMorphDilate)
        Dilate(image);
    else if (filter == kMorphErode)
        Erode(image);
    else
        ThrowBadArgument("MorphologyFilter", "filter", filter);
}

}  // namespace scanvo::engine::ops
