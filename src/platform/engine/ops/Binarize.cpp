// Conversion of grey and colour pages to 1 bit per pixel.
#include "platform/engine/ops/Tone.h"

#include "platform/engine/ops/Cleanup.h"
#include "platform/engine/ops/OpFlags.h"
#include "platform/engine/ops/PixHandle.h"

#include <QCoreApplication>

namespace scanvo::engine::ops {

namespace {

constexpr int kDefaultThreshold = 128;
constexpr float kOtsuScoreFraction = 0.1f;
constexpr int kHistogramSampling = 4;
// Background levelling before the adaptive threshold: the background is estimated on the page
// at half size in tiles of 5 x 8 (10 x 16 at full size) from pixels lighter than 100, a tile
// needing 12 of them, smoothed over 2 x 1 tiles; it ends up at 200.
constexpr int kTileWidth = 5, kTileHeight = 8, kForeground = 100, kMinCount = 12, kBackgroundLevel = 200;
constexpr int kSmoothX = 2, kSmoothY = 1;

// The page with its background levelled to kBackgroundLevel.
PixPtr LevelBackground(Pix* grey)
{
    PixPtr half = Checked(pixScaleAreaMap2(grey));
    Pix* map = nullptr;
    if (pixGetBackgroundGrayMap(half.get(), nullptr, kTileWidth, kTileHeight, kForeground, kMinCount, &map) != 0)
        throw EngineError(ErrOperation, QCoreApplication::translate("EngineMessages", "背景估计失败"));
    PixPtr background = Checked(map);
    PixPtr inverse = Checked(pixGetInvBackgroundMap(background.get(), kBackgroundLevel, kSmoothX, kSmoothY));
    // Each map entry covers a full-size tile twice the size; an odd page edge needs one more.
    const int sx = 2 * kTileWidth, sy = 2 * kTileHeight;
    const int columns = (pixGetWidth(grey) + sx - 1) / sx, rows = (pixGetHeight(grey) + sy - 1) / sy;
    if (pixGetWidth(inverse.get()) < columns || pixGetHeight(inverse.get()) < rows)
        inverse = Checked(pixResizeToMatch(inverse.get(), nullptr, columns, rows));
    return Checked(pixApplyInvBackgroundGrayMap(grey, inverse.get(), sx, sy));
}

// One Otsu threshold for the whole of grey, chosen from a histogram of every fourth pixel each way.
PixPtr OtsuThreshold(Pix* grey)
{
    NumaPtr histogram(pixGetGrayHistogram(grey, kHistogramSampling));
    l_int32 split = 0;
    if (!histogram || numaSplitDistribution(histogram.get(), kOtsuScoreFraction, &split, nullptr, nullptr, nullptr,
                                            nullptr, nullptr) != 0)
        throw EngineError(ErrOperation, QCoreApplication::translate("EngineMessages", "二值化失败"));
    return Checked(pixThresholdToBinary(grey, split + 1));  // the darker class, split included, is ink
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
    PixPtr converted;
    Pix* grey = image.pix();
    if (image.depth() != 8 || image.hasPalette()) {
        converted = GreyOf(grey);
        grey = converted.get();
    }
    PixPtr binary;
    switch (method) {
    case kBinarizeFixed:
        binary = Checked(pixThresholdToBinary(grey, threshold ? threshold : kDefaultThreshold));
        break;
    case kBinarizeGlobalOtsu:
        binary = Threshold(grey, threshold);
        break;
    case kBinarizeAdaptive:
        binary = Threshold(LevelBackground(grey).get(), threshold);
        break;
    default:
        ThrowBadArgument("Binarize", "method", method);
    }
    ReplacePixels(image, std::move(binary));
    if (options & kBinarizeDespeckle)
        Despeckle(image);
}

}  // namespace scanvo::engine::ops
