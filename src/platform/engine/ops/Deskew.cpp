// Skew detection of text lines and deskew.
#include "platform/engine/ops/Geometry.h"

#include "platform/engine/ops/OpFlags.h"
#include "platform/engine/ops/PixHandle.h"

#include <algorithm>
#include <cmath>

namespace scanvo::engine::ops {

namespace {

constexpr float kSweepRangeDegrees = 12.0f;  // covers the +-10 degrees a careless feed gives
constexpr float kSweepStepDegrees = 1.0f;
constexpr float kSearchPrecisionDegrees = 0.01f;
// Above this the text lines stand out so plainly that the angle needs no second look (pages of
// text score 10 and more; bowed book pages and pictures of blocks score 1 to 3).
constexpr double kPlainConfidence = 4.0;
constexpr double kLevelDegrees = 0.05;  // below this a page counts as level (detection noise)
constexpr int kDarkThreshold = 128;

// The look for text lines, on the page reduced as for the sweep (at most to a quarter).
constexpr int kLineJoin = 5;         // closes the gaps between letters and between words
constexpr int kLineAspect = 8;       // a text line is at least this many times as long as it is high
constexpr int kLineShareOfPage = 8;  // and at least this share of the page wide
constexpr int kLinesNeeded = 2;

// Small pages are searched at full size; an A4 page at 300 dpi is swept at an eighth (its text
// lines are still a few pixels high there) and searched at a half.
int SweepReduction(const Image& image)
{
    const int longSide = std::max(image.width(), image.height());
    return longSide >= 2000 ? 8 : longSide >= 1000 ? 2 : 1;
}

int SearchReduction(int sweepReduction)
{
    return std::clamp(sweepReduction / 2, 1, 2);
}

// The page as black and white, owned by holder unless it already is.
Pix* Bitonal(const Image& image, PixPtr& holder)
{
    if (image.depth() == 1)
        return image.pix();
    PixPtr grey = GreyOf(image.pix());
    holder = Checked(pixThresholdToBinary(grey.get(), kDarkThreshold));
    return holder.get();
}

SkewEstimate FindSkew(Pix* bitonal, int sweepReduction)
{
    const int searchReduction = SearchReduction(sweepReduction);
    l_float32 angle = 0, confidence = 0;
    if (pixFindSkewSweepAndSearch(bitonal, &angle, &confidence, sweepReduction, searchReduction, kSweepRangeDegrees,
                                  kSweepStepDegrees, kSearchPrecisionDegrees) != 0)
        return {};
    return {angle, confidence};
}

// Whether the page, turned by degrees, shows text lines: long flat bands once the letters and
// words of a line are joined. Pages of pictures, noise or nothing show none, and whatever
// angle the sweep reports for them means nothing.
bool ShowsTextLines(Pix* bitonal, int sweepReduction, double degrees)
{
    const int reduction = std::min(sweepReduction, 4);
    PixPtr small = reduction == 1 ? Checked(pixCopy(nullptr, bitonal))
                                  : Checked(pixReduceRankBinaryCascade(bitonal, 1, reduction >= 4 ? 1 : 0, 0, 0));
    PixPtr level = Checked(pixRotateShearCenter(small.get(), static_cast<float>(degrees * M_PI / 180.0),
                                                L_BRING_IN_WHITE));
    PixPtr joined = Checked(pixCloseSafeBrick(nullptr, level.get(), kLineJoin, 1));
    BoxaPtr bands(pixConnCompBB(joined.get(), 8));
    if (!bands)
        return false;
    const int minLength = pixGetWidth(joined.get()) / kLineShareOfPage;
    int lines = 0;
    for (int i = 0; i < boxaGetCount(bands.get()); ++i) {
        l_int32 x = 0, y = 0, w = 0, h = 0;
        boxaGetBoxGeometry(bands.get(), i, &x, &y, &w, &h);
        if (w >= minLength && w >= kLineAspect * h && ++lines >= kLinesNeeded)
            return true;
    }
    return false;
}

// The turn in hundredths of a degree that levels image; 0 when the page is level or shows no
// text lines to level. A weak sweep peak (warped book pages) still counts when the lines are there.
int LevellingTurn(const Image& image)
{
    RequireImage(image, "Deskew");
    PixPtr holder;
    Pix* bitonal = Bitonal(image, holder);
    const int reduction = SweepReduction(image);
    const SkewEstimate skew = FindSkew(bitonal, reduction);
    if (skew.confidence <= 0 || std::abs(skew.degrees) < kLevelDegrees)
        return 0;
    if (skew.confidence < kPlainConfidence && !ShowsTextLines(bitonal, reduction, skew.degrees))
        return 0;
    return static_cast<int>(std::lround(skew.degrees * 100.0));
}

}  // namespace

SkewEstimate DetectSkew(const Image& image)
{
    RequireImage(image, "DetectSkew");
    PixPtr holder;
    return FindSkew(Bitonal(image, holder), SweepReduction(image));
}

namespace {

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
