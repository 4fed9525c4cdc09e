// Removal of straight horizontal or vertical lines, keeping the strokes that cross them.
#include "platform/engine/ops/Cleanup.h"

#include "platform/engine/ops/OpFlags.h"
#include "platform/engine/ops/PixHandle.h"

#include <QCoreApplication>
#include <algorithm>
#include <vector>

namespace scanvo::engine::ops {

namespace {

constexpr int kMinLineRun = 31;  // horizontal run that only a line, not a character, makes

struct LineArgs {
    int minLength, maxWidth, wallHeight, maxWallPercent, variance, gap;
    bool removeEntire;
};

bool Black(const l_uint32* data, int wpl, int x, int y)
{
    return GET_DATA_BIT(data + y * wpl, x) != 0;
}

// Black pixels in column x running away from the line, from row y in steps of dy, up to cap.
int RunFrom(Pix* pix, int x, int y, int dy, int cap)
{
    const l_uint32* data = pixGetData(pix);
    const int wpl = pixGetWpl(pix), h = pixGetHeight(pix);
    int n = 0;
    while (n < cap && y >= 0 && y < h && Black(data, wpl, x, y)) {
        ++n;
        y += dy;
    }
    return n;
}

// Lines are looked for on the page halved (a black pixel anywhere in a 2 x 2 block makes the
// block black): the long-brick morphology then runs on a quarter of the pixels, and the page's
// own pixels decide what is cleared.
constexpr int kScale = 2;

PixPtr Halved(Pix* page)
{
    return Checked(pixReduceRankBinary2(page, 1, nullptr));
}

int HalfOf(int pixels)
{
    return (pixels + 1) / 2;
}

// The long horizontal structures no thicker than a line, on the halved page: a mask of line cores.
PixPtr LineCores(Pix* halved, const LineArgs& a)
{
    const int variance = HalfOf(a.variance), gap = HalfOf(a.gap);
    PixPtr bridged;
    Pix* source = halved;
    if (variance > 0) {  // a drifting line becomes a band wide enough to hold long runs
        bridged = Checked(pixDilateBrickDwa(nullptr, source, 1, 2 * variance + 1));
        source = bridged.get();
    }
    if (gap > 0) {
        bridged = Checked(pixCloseSafeBrick(nullptr, source, gap + 1, 1));
        source = bridged.get();
    }
    PixPtr cores = Checked(pixOpenCompBrickExtendDwa(nullptr, source, std::max(2, a.minLength / kScale - 1), 1));
    // Bars thicker than a line are not lines: drop every core that has such a part.
    PixPtr thick = Checked(pixOpenBrick(nullptr, cores.get(), 1, HalfOf(a.maxWidth + 2 * a.variance) + 2));
    l_int32 empty = 1;
    pixZero(thick.get(), &empty);
    if (!empty) {
        PixPtr bars = Checked(pixSeedfillBinary(nullptr, thick.get(), cores.get(), 8));
        pixSubtract(cores.get(), cores.get(), bars.get());
    }
    return cores;
}

// The pixels of the line itself inside the core band: black pixels of the page there that lie in
// long horizontal runs (strokes of characters crossing the band make only short ones).
PixPtr LinePixels(Pix* page, Pix* band, int bx, int by, const LineArgs& a)
{
    BoxPtr box = MakeBox(QRect(bx, by, pixGetWidth(band), pixGetHeight(band)));
    PixPtr inBand = Checked(pixClipRectangle(page, box.get(), nullptr));
    pixAnd(inBand.get(), inBand.get(), band);
    const int run = std::max(2 * a.maxWidth + 1, kMinLineRun);
    return Checked(pixOpenBrick(nullptr, inBand.get(), std::min(run, a.minLength), 1));
}

template <typename Cuts>
int span(const Cuts& cuts)
{
    return cuts.back().x - cuts.front().x + 1;
}

// Clears one line whose core band is piece at (bx, by). Returns false when the line has too many walls.
bool ClearLine(Pix* page, Pix* piece, int bx, int by, const LineArgs& a)
{
    PixPtr line = LinePixels(page, piece, bx, by, a);
    const int w = pixGetWidth(line.get()), h = pixGetHeight(line.get());
    const l_uint32* lineData = pixGetData(line.get());
    const int lineWpl = pixGetWpl(line.get());
    struct Cut {
        int x, top, bottom;  // rows to clear in column x
    };
    std::vector<Cut> cuts;
    cuts.reserve(w);
    int walls = 0, columns = 0;
    for (int cx = 0; cx < w; ++cx) {
        int first = -1, last = -1;
        for (int cy = 0; cy < h; ++cy)
            if (Black(lineData, lineWpl, cx, cy)) {
                if (first < 0)
                    first = cy;
                last = cy;
            }
        if (first < 0)
            continue;  // a bridged gap
        ++columns;
        const int x = bx + cx, top = by + first, bottom = by + last;
        const int up = RunFrom(page, x, top - 1, -1, a.wallHeight);
        const int down = RunFrom(page, x, bottom + 1, +1, a.wallHeight);
        // Ragged edges up to half the line's thickness belong to it; more is a stroke.
        const int ragged = std::max(1, (bottom - top + 2) / 2);
        const bool strokeAbove = up > ragged, strokeBelow = down > ragged;
        if (!strokeAbove && !strokeBelow) {
            cuts.push_back({x, top - up, bottom + down});
            continue;
        }
        const bool wall = up + down >= a.wallHeight;
        if (wall)
            ++walls;
        if (wall && !a.removeEntire)
            continue;  // the line stays under the stroke
        if (strokeAbove && strokeBelow)
            continue;  // a stroke crosses here: bridge it
        // A stroke standing on one side keeps its own pixels.
        cuts.push_back({x, strokeAbove ? top : top - up, strokeBelow ? bottom : bottom + down});
    }
    const bool longEnough = !cuts.empty() && span(cuts) >= a.minLength;
    if (columns == 0 || !longEnough || walls * 100 > a.maxWallPercent * columns)
        return false;
    for (const Cut& cut : cuts)
        pixRasterop(page, cut.x, cut.top, 1, cut.bottom - cut.top + 1, PIX_CLR, nullptr, 0, 0);
    return true;
}

// The core bands found on the halved page, each as a full-size mask and its place on the page.
struct Band {
    PixPtr mask;
    QRect box;
};

std::vector<Band> FindBands(Pix* halved, int width, int height, const LineArgs& a)
{
    PixPtr cores = LineCores(halved, a);
    Pixa* pixaRaw = nullptr;
    BoxaPtr boxes(pixConnComp(cores.get(), &pixaRaw, 8));
    PixaPtr pieces(pixaRaw);
    if (!boxes || !pieces)
        throw EngineError(ErrOperation, QCoreApplication::translate("EngineMessages", "连通域分析失败"));
    std::vector<Band> bands;
    for (int i = 0; i < boxaGetCount(boxes.get()); ++i) {
        l_int32 x = 0, y = 0, w = 0, h = 0;
        boxaGetBoxGeometry(boxes.get(), i, &x, &y, &w, &h);
        if (kScale * w < a.minLength - kScale)
            continue;
        PixPtr piece(pixaGetPix(pieces.get(), i, L_CLONE));
        PixPtr mask = Checked(pixExpandBinaryPower2(piece.get(), kScale));
        const QRect box = QRect(kScale * x, kScale * y, kScale * w, kScale * h) & QRect(0, 0, width, height);
        if (box.size() != QSize(pixGetWidth(mask.get()), pixGetHeight(mask.get()))) {
            BoxPtr inside = MakeBox(QRect(0, 0, box.width(), box.height()));
            mask = Checked(pixClipRectangle(mask.get(), inside.get(), nullptr));
        }
        bands.push_back({std::move(mask), box});
    }
    return bands;
}

int RemoveHorizontalLines(Pix* page, const LineArgs& a)
{
    PixPtr halved = Halved(page);
    int removed = 0;
    for (const Band& band : FindBands(halved.get(), pixGetWidth(page), pixGetHeight(page), a))
        if (ClearLine(page, band.mask.get(), band.box.x(), band.box.y(), a))
            ++removed;
    return removed;
}

// Vertical lines are horizontal ones of the page turned a quarter clockwise. Only the halved page
// is turned whole; each line found is cleared in a strip of the page around it, turned and back.
int RemoveVerticalLines(Pix* page, const LineArgs& a)
{
    const int width = pixGetWidth(page), height = pixGetHeight(page);
    PixPtr halved = Halved(page);
    PixPtr turned = Checked(pixRotate90(halved.get(), 1));
    const int halvedHeight = pixGetHeight(halved.get());
    int removed = 0;
    // Room beside the band for the strokes that meet the line.
    const int margin = a.wallHeight + 2;
    for (const Band& band : FindBands(turned.get(), kScale * halvedHeight, kScale * pixGetWidth(halved.get()), a)) {
        // The band on the page: a turned point (xr, yr) came from (yr, H - 1 - xr) of a page H high.
        const int turnedHeight = kScale * halvedHeight;
        const QRect onPage(band.box.y(), turnedHeight - band.box.x() - band.box.width(), band.box.height(),
                           band.box.width());
        const QRect strip = onPage.adjusted(-margin, 0, margin, 0) & QRect(0, 0, width, height);
        const QRect bandInStrip = onPage.translated(-strip.topLeft()) & QRect(QPoint(0, 0), strip.size());
        if (bandInStrip.isEmpty())
            continue;
        BoxPtr stripBox = MakeBox(strip);
        PixPtr stripPixels = Checked(pixClipRectangle(page, stripBox.get(), nullptr));
        PixPtr turnedStrip = Checked(pixRotate90(stripPixels.get(), 1));
        // The band's mask in the strip's turned geometry: the same turn, so only a shift (negative
        // where the halved page's last row reached past the page).
        PixPtr mask = Checked(pixCreate(strip.height(), strip.width(), 1));
        const int bx = strip.bottom() - onPage.bottom();
        const int by = onPage.x() - strip.x();
        pixRasterop(mask.get(), bx, by, band.box.width(), band.box.height(), PIX_SRC, band.mask.get(), 0, 0);
        if (!ClearLine(turnedStrip.get(), mask.get(), 0, 0, a))
            continue;
        ++removed;
        PixPtr back = Checked(pixRotate90(turnedStrip.get(), -1));
        pixRasterop(page, strip.x(), strip.y(), strip.width(), strip.height(), PIX_SRC, back.get(), 0, 0);
    }
    return removed;
}

}  // namespace

int RemoveLines(Image& page, int flags, int minLength, int maxWidth, int wallHeight, int maxWallPercent,
                int variance, int maxGap, int direction)
{
    RequireBitonal(page, "RemoveLines");
    if (minLength < 2)
        ThrowBadArgument("RemoveLines", "minLength", minLength);
    if (maxWidth < 1)
        ThrowBadArgument("RemoveLines", "maxWidth", maxWidth);
    if (wallHeight < 1)
        ThrowBadArgument("RemoveLines", "wallHeight", wallHeight);
    if (maxWallPercent < 0)
        ThrowBadArgument("RemoveLines", "maxWallPercent", maxWallPercent);
    if (direction != kLineHorizontal && direction != kLineVertical)
        ThrowBadArgument("RemoveLines", "direction", direction);
    const LineArgs args{minLength,
                        maxWidth,
                        wallHeight,
                        maxWallPercent,
                        (flags & kLineUseVariance) ? std::max(variance, 0) : 0,
                        (flags & kLineUseGap) ? std::max(maxGap, 0) : 0,
                        (flags & kLineRemoveEntire) != 0};
    return direction == kLineHorizontal ? RemoveHorizontalLines(page.pix(), args)
                                        : RemoveVerticalLines(page.pix(), args);
}

}  // namespace scanvo::engine::ops
