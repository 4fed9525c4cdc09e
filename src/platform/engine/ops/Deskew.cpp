// Skew detection of text lines and deskew.
#include "platform/engine/ops/Geometry.h"

#include "platform/engine/ops/EdgeBlack.h"
#include "platform/engine/ops/OpFlags.h"
#include "platform/engine/ops/PixHandle.h"
#include "platform/engine/ops/Tone.h"

#include <algorithm>
#include <cmath>

namespace scanvo::engine::ops {

namespace {

// A careless feed turns a sheet by up to 10 degrees, and its print may sit a degree or two askew
// on it. The library trusts no angle within a step of the sweep's ends, nor one whose peak lies at
// an end, so the sweep reaches well beyond that.
constexpr float kSweepRangeDegrees = 15.0f;
constexpr float kSweepStepDegrees = 1.0f;
constexpr float kSearchPrecisionDegrees = 0.01f;
// Above this the text lines stand out so plainly that the angle needs no second look (pages of
// text score 10 and more; bowed book pages and pictures of blocks score 1 to 3).
constexpr double kPlainConfidence = 4.0;
constexpr double kLevelDegrees = 0.05;  // below this a page counts as level (detection noise)

// The look for text lines, on the page reduced as for the sweep (at most to a quarter).
constexpr int kLineJoin = 5;         // closes the gaps between letters and between words
constexpr int kLineAspect = 8;       // a text line is at least this many times as long as it is high
constexpr int kLineShareOfPage = 8;  // and at least this share of the page wide
constexpr int kLinesNeeded = 2;
constexpr double kLinesShareOfInk = 0.1;
constexpr int kMassShareOfPage = 4;

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

// The page without its dark masses taller than a quarter of it (a shadow, a gutter, a
// picture): they are no text, and their edges would pull the angle their way.
PixPtr WithoutMasses(Pix* page)
{
    return Checked(pixSelectBySize(page, 0, pixGetHeight(page) / kMassShareOfPage, 8, L_SELECT_HEIGHT, L_SELECT_IF_LT,
                                   nullptr));
}

// The page in black and white at the size it is searched at (1/scale). Grey and colour pages
// are levelled against their own background first, as binarising does, so that a shadow or a
// dark gutter mostly stays paper, and what stays black of it is dropped; the page itself is not
// changed. Black and white pages come from a scanner: the black that reaches the image's edges
// (its border, and its lid's black round a sheet fed askew, straight along the image's edges
// whatever the sheet's angle) is dropped, as a page may be levelled before its border is
// cleared. (Searching them for masses would cost more than the search.)
PixPtr SearchedPage(const Image& image, int scale)
{
    if (image.depth() == 1) {
        const PixPtr page = scale == 1 ? Checked(pixClone(image.pix()))
                                       : Checked(pixReduceRankBinaryCascade(image.pix(), 1, 0, 0, 0));
        const PixPtr border = BlackJoinedToEdges(page.get(), kBorderAllSides);
        return Checked(pixSubtract(nullptr, page.get(), border.get()));
    }
    PixPtr grey = GreyOf(image.pix());
    if (scale == 2)
        grey = Checked(pixScaleAreaMap2(grey.get()));
    Image rendering = Image::adopt(grey.release());
    try {
        Binarize(rendering, kBinarizeAdaptive, kBinarizeAutoThreshold, 0);
    } catch (const EngineError&) {
        // Too little paper to measure a background by (a small picture): one threshold for all.
        Binarize(rendering, kBinarizeGlobalOtsu, kBinarizeAutoThreshold, 0);
    }
    return WithoutMasses(rendering.pix());
}

// The skew as the library's sweep and search find it on page, swept at 1/sweepReduction of it.
SkewEstimate FindSkew(Pix* page, int sweepReduction)
{
    l_float32 angle = 0, confidence = 0;
    if (pixFindSkewSweepAndSearch(page, &angle, &confidence, sweepReduction, 1, kSweepRangeDegrees, kSweepStepDegrees,
                                  kSearchPrecisionDegrees) != 0)
        return {};
    return {angle, confidence};
}

// Whether the page, turned by degrees, shows at least two text lines: long flat bands once the
// letters and words of a line are joined. Pages of pictures, noise or nothing show none, and
// whatever angle the sweep reports for them means nothing. Word gaps differ with the print, so
// the letters are joined over a short reach and, failing that, over twice that.
bool ShowsTextLines(Pix* page, int reduction, double degrees)
{
    PixPtr small = reduction == 1 ? Checked(pixClone(page))
                                  : Checked(pixReduceRankBinaryCascade(page, 1, reduction >= 4 ? 1 : 0, 0, 0));
    // A dark mass would also cut in two every line it meets.
    small = WithoutMasses(small.get());
    PixPtr level = Checked(pixRotateShearCenter(small.get(), static_cast<float>(degrees * M_PI / 180.0),
                                                L_BRING_IN_WHITE));
    for (int join : {kLineJoin, 2 * kLineJoin + 2}) {
        PixPtr joined = Checked(pixCloseSafeBrick(nullptr, level.get(), join, 1));
        BoxaPtr bands(pixConnCompBB(joined.get(), 8));
        if (!bands)
            return false;
        const int minLength = pixGetWidth(joined.get()) / kLineShareOfPage;
        int lines = 0;
        double lineArea = 0;
        for (int i = 0; i < boxaGetCount(bands.get()); ++i) {
            l_int32 x = 0, y = 0, w = 0, h = 0;
            boxaGetBoxGeometry(bands.get(), i, &x, &y, &w, &h);
            if (w >= minLength && w >= kLineAspect * h) {
                ++lines;
                lineArea += double(w) * h;
            }
        }
        // Noise joined up makes a few chance streaks among a mass of ink; text lines hold much of it.
        l_int32 ink = 0;
        pixCountPixels(joined.get(), &ink, nullptr);
        if (lines >= kLinesNeeded && lineArea >= kLinesShareOfInk * ink)
            return true;
    }
    return false;
}

// The skew of the text lines of image and whether they are plain enough to level the page by.
// The sweep's reduction suits text of the usual size for the page's size; print smaller than
// that (a book page photographed large) shows no lines there, and the sweep is tried again at
// twice the detail, searched at full size. Not before: bowed lines show a truer angle at the
// coarser size.
struct TextSkew {
    SkewEstimate estimate;
    bool levelable = false;
};

TextSkew SkewAt(Pix* page, int scale, int reduction)
{
    const SkewEstimate skew = FindSkew(page, reduction);
    if (skew.confidence <= 0)
        return {skew, false};
    const int lineReduction = std::max(1, std::min(reduction * scale, 4) / scale);
    return {skew, skew.confidence >= kPlainConfidence || ShowsTextLines(page, lineReduction, skew.degrees)};
}

TextSkew FindTextSkew(const Image& image)
{
    const int sweep = SweepReduction(image), scale = SearchReduction(sweep);
    const PixPtr page = SearchedPage(image, scale);
    const TextSkew coarse = SkewAt(page.get(), scale, sweep / scale);
    if (coarse.levelable)
        return coarse;
    if (sweep / scale > 1) {
        const PixPtr fullSize = scale == 1 ? nullptr : SearchedPage(image, 1);
        const TextSkew fine = SkewAt(scale == 1 ? page.get() : fullSize.get(), 1, scale == 1 ? 1 : 2);
        if (fine.levelable)
            return fine;
    }
    // Text set sideways (a table printed across the page, a title page turned to fit) runs up
    // the page: its lines are found on the page stood on its side, and they are stood upright
    // by the same turn as they would be laid level.
    const PixPtr onSide = Checked(pixRotateOrth(page.get(), 1));
    const TextSkew sideways = SkewAt(onSide.get(), scale, sweep / scale);
    return sideways.levelable ? sideways : coarse;
}

// The turn in hundredths of a degree that levels image; 0 when the page is level or shows no
// text lines to level. A weak sweep peak (warped book pages) still counts when the lines are there.
int LevellingTurn(const Image& image)
{
    RequireImage(image, "Deskew");
    const TextSkew skew = FindTextSkew(image);
    if (!skew.levelable || std::abs(skew.estimate.degrees) < kLevelDegrees)
        return 0;
    return static_cast<int>(std::lround(skew.estimate.degrees * 100.0));
}

}  // namespace

SkewEstimate DetectSkew(const Image& image)
{
    RequireImage(image, "DetectSkew");
    return FindTextSkew(image).estimate;
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
