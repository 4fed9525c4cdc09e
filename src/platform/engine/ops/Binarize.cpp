// Conversion of grey and colour pages to 1 bit per pixel.
#include "platform/engine/ops/Tone.h"

#include "platform/engine/ops/Cleanup.h"
#include "platform/engine/ops/OpFlags.h"
#include "platform/engine/ops/PixHandle.h"

namespace scanvo::engine::ops {

namespace {

constexpr int kDefaultThreshold = 128;
constexpr float kOtsuScoreFraction = 0.1f;
// Background levelling before the adaptive threshold: the background ends up at 200.
constexpr int kTileWidth = 10, kTileHeight = 15, kForeground = 100, kMinCount = 50, kBackgroundLevel = 200;
constexpr int kSmoothX = 2, kSmoothY = 1;

// One Otsu threshold for the whole of grey.
PixPtr OtsuThreshold(Pix* grey)
{
    Pix* binary = nullptr;
    if (pixOtsuAdaptiveThreshold(grey, pixGetWidth(grey), pixGetHeight(grey), 0, 0, kOtsuScoreFraction, nullptr,
                                 &binary) != 0)
        throw EngineError(ErrOperation, QStringLiteral("二值化失败"));
    return Checked(binary);
}

PixPtr Threshold(Pix* grey, int threshold)
{
    if (threshold == kBinarizeAutoThreshold)
        return OtsuThreshold(grey);
    return Checked(pixThresholdToBinary(grey, threshold));
}

}  // namespace

void Binarize(Image& image, int method, int threshold, int options)
{
    RequireImage(image, "Binarize");
    if (threshold < 0 || threshold > 254)
        ThrowBadArgument("Binarize", "threshold", threshold);
    if (image.depth() == 1)
        return;
    PixPtr grey = GreyOf(image.pix());
    PixPtr binary;
    switch (method) {
    case kBinarizeFixed:
        binary = Checked(pixThresholdToBinary(grey.get(), threshold ? threshold : kDefaultThreshold));
        break;
    case kBinarizeGlobalOtsu:
        binary = Threshold(grey.get(), threshold);
        break;
    case kBinarizeAdaptive: {
        PixPtr levelled = Checked(pixBackgroundNorm(grey.get(), nullptr, nullptr, kTileWidth, kTileHeight,
                                                    kForeground, kMinCount, kBackgroundLevel, kSmoothX, kSmoothY));
        binary = Threshold(levelled.get(), threshold);
        break;
    }
    default:
        ThrowBadArgument("Binarize", "method", method);
    }
    ReplacePixels(image, std::move(binary));
    if (options & kBinarizeDespeckle)
        Despeckle(image);
}

}  // namespace scanvo::engine::ops
