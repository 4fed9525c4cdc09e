// Levelling an uneven light background towards white.
#include "platform/engine/ops/Tone.h"

#include "platform/engine/ops/OpFlags.h"
#include "platform/engine/ops/PixHandle.h"

namespace scanvo::engine::ops {

namespace {

// Background estimate: tiles of 10 x 15 pixels, pixels darker than 100 are not background, a
// tile needs 50 background pixels, the map is smoothed over 2 x 1 tiles.
constexpr int kTileWidth = 10, kTileHeight = 15, kForeground = 100, kMinCount = 50;
constexpr int kSmoothX = 2, kSmoothY = 1;
constexpr int kWhiteLevel = 255;

}  // namespace

void RemoveBackground(Image& image, int strength)
{
    RequireImage(image, "RemoveBackground");
    if (strength < kBackgroundMin || strength > kBackgroundMax)
        ThrowBadArgument("RemoveBackground", "strength", strength);
    if (strength == 0 || image.depth() == 1)
        return;
    PixPtr plain = WithoutPalette(image.pix());
    PixPtr levelled = Checked(pixBackgroundNorm(plain.get(), nullptr, nullptr, kTileWidth, kTileHeight, kForeground,
                                                kMinCount, kWhiteLevel, kSmoothX, kSmoothY));
    if (strength == kBackgroundMax) {
        ReplacePixels(image, std::move(levelled));
        return;
    }
    const float fract = static_cast<float>(strength) / kBackgroundMax;
    ReplacePixels(image, Checked(pixBlend(plain.get(), levelled.get(), 0, 0, fract)));
}

}  // namespace scanvo::engine::ops
