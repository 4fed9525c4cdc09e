// Skew detection of text lines and deskew.
#include "platform/engine/ops/Geometry.h"

#include "platform/engine/ops/OpFlags.h"
#include "platform/engine/ops/PixHandle.h"

#include <cmath>

namespace scanvo::engine::ops {

namespace {

constexpr float kSweepRangeDegrees = 12.0f;  // covers the +-10 degrees a careless feed gives
constexpr float kSweepStepDegrees = 1.0f;
constexpr float kSearchPrecisionDegrees = 0.01f;
constexpr double kMinConfidence = 2.5;
constexpr double kLevelDegrees = 0.05;  // below this a page counts as level (detection noise)
constexpr int kDarkThreshold = 128;

}  // namespace

SkewEstimate DetectSkew(const Image& image)
{
    RequireImage(image, "DetectSkew");
    PixPtr binary;
    Pix* pix = image.pix();
    if (image.depth() != 1) {
        PixPtr grey = GreyOf(pix);
        binary = Checked(pixThresholdToBinary(grey.get(), kDarkThreshold));
        pix = binary.get();
    }
    // Small pages are searched at full size; an A4 page at 300 dpi at a quarter and a half.
    const int longSide = std::max(image.width(), image.height());
    const int sweepReduction = longSide >= 2000 ? 4 : longSide >= 1000 ? 2 : 1;
    const int searchReduction = std::max(1, sweepReduction / 2);
    l_float32 angle = 0, confidence = 0;
    if (pixFindSkewSweepAndSearch(pix, &angle, &confidence, sweepReduction, searchReduction, kSweepRangeDegrees,
                                  kSweepStepDegrees, kSearchPrecisionDegrees) != 0)
        return {};
    return {angle, confidence};
}

namespace {

// The turn in hundredths of a degree that levels image; 0 when there is none to trust.
int LevellingTurn(const Image& image)
{
    const SkewEstimate skew = DetectSkew(image);
    if (skew.confidence < kMinConfidence || std::abs(skew.degrees) < kLevelDegrees)
        return 0;
    return static_cast<int>(std::lround(skew.degrees * 100.0));
}

int DeskewRotateFlags(int flags)
{
    return (flags & kDeskewEnlarge) ? kRotateEnlarge : kRotateKeepSize;
}

}  // namespace

bool Deskew(Image& image, quint32 fill, int flags)
{
    const int hundredths = LevellingTurn(image);
    if (hundredths == 0)
        return false;
    Rotate(image, hundredths, DeskewRotateFlags(flags), fill);
    return true;
}

Image Deskewed(const Image& image, quint32 fill, int flags)
{
    return Rotated(image, LevellingTurn(image), DeskewRotateFlags(flags), fill);
}

}  // namespace scanvo::engine::ops
