// Removal of straight horizontal or vertical lines, keeping the strokes that cross them.
#include "platform/engine/ops/Cleanup.h"

#include "platform/engine/ops/OpFlags.h"
#include "platform/engine/ops/PixHandle.h"

#include <algorithm>

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

// The long horizontal structures no thicker than a line: a mask of line cores.
PixPtr LineCores(Pix* page, const LineArgs& a)
{
    PixPtr bridged = Checked(pixCopy(nullptr, page));
    if (a.variance > 0)  // a drifting line becomes a band wide enough to hold long runs
        bridged = Checked(pixDilateCompBrickExtendDwa(nullptr, bridged.get(), 1, 2 * a.variance + 1));
    if (a.gap > 0)
        bridged = Checked(pixCloseCompBrickExtendDwa(nullptr, bridged.get(), a.gap + 1, 1));
    PixPtr cores = Checked(pixOpenCompBrickExtendDwa(nullptr, bridged.get(), a.minLength, 1));
    // Bars thicker than a line are not lines: drop every core that has such a part.
    PixPtr thick = Checked(pixOpenCompBrickExtendDwa(nullptr, cores.get(), 1, a.maxWidth + 2 * a.variance + 1));
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
PixPtr LinePixels(Pix* page, Pix* piece, int bx, int by, const LineArgs& a)
{
    BoxPtr box = MakeBox(QRect(bx, by, pixGetWidth(piece), pixGetHeight(piece)));
    PixPtr band = Checked(pixClipRectangle(page, box.get(), nullptr));
    pixAnd(band.get(), band.get(), piece);
    const int run = std::max(2 * a.maxWidth + 1, kMinLineRun);
    return Checked(pixOpenBrick(nullptr, band.get(), std::min(run, a.minLength), 1));
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
    if (columns == 0 || walls * 100 > a.maxWallPercent * columns)
        return false;
    for (const Cut& cut : cuts)
        pixRasterop(page, cut.x, cut.top, 1, cut.bottom - cut.top + 1, PIX_CLR, nullptr, 0, 0);
    return true;
}

int RemoveHorizontalLines(Pix* page, const LineArgs& a)
{
    PixPtr cores = LineCores(page, a);
    Pixa* pixaRaw = nullptr;
    BoxaPtr boxes(pixConnComp(cores.get(), &pixaRaw, 8));
    PixaPtr pieces(pixaRaw);
    if (!boxes || !pieces)
        throw EngineError(ErrOperation, QStringLiteral("连通域分析失败"));
    int removed = 0;
    for (int i = 0; i < boxaGetCount(boxes.get()); ++i) {
        l_int32 x = 0, y = 0, w = 0, h = 0;
        boxaGetBoxGeometry(boxes.get(), i, &x, &y, &w, &h);
        if (w < a.minLength)
            continue;
        PixPtr piece(pixaGetPix(pieces.get(), i, L_CLONE));
        if (ClearLine(page, piece.get(), x, y, a))
            ++removed;
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
    if (direction == kLineHorizontal)
        return RemoveHorizontalLines(page.pix(), args);
    // Vertical lines are horizontal ones of the page turned a quarter.
    PixPtr turned = Checked(pixRotate90(page.pix(), 1));
    const int removed = RemoveHorizontalLines(turned.get(), args);
    if (removed > 0)
        ReplacePixels(page, Checked(pixRotate90(turned.get(), -1)));
    return removed;
}

}  // namespace scanvo::engine::ops
