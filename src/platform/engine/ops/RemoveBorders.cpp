// Black border removal by side.
#include "platform/engine/ops/Cleanup.h"

#include "platform/engine/ops/OpFlags.h"
#include "platform/engine/ops/PixHandle.h"

#include <algorithm>
#include <vector>

namespace scanvo::engine::ops {

namespace {

constexpr int kMedianHalfWindow = 50;  // rows (or columns) each side that define the border's edge

// One side's band of the page at half size (half), with its top-left corner on the page
// (origin): the black of the band joined to black on the page's edge on that side.
struct EdgeLinks {
    PixPtr half;
    QPoint origin;
};

// One side of the page seen as lines running inward from the edge: line i, depth j from the edge.
struct SideView {
    Pix* pix;
    int side;
    const EdgeLinks* edgeLinks = nullptr;  // the black reached from the side's edge, when known
    l_uint32* data = pixGetData(pix);
    int wpl = pixGetWpl(pix);
    int width = pixGetWidth(pix);
    int height = pixGetHeight(pix);

    bool vertical() const { return side == kBorderTop || side == kBorderBottom; }
    int lines() const { return vertical() ? width : height; }
    int depthLimit() const { return vertical() ? height : width; }
    // The page's pixel at line i, depth j.
    QPoint at(int i, int j) const
    {
        if (!vertical())
            return {side == kBorderLeft ? j : width - 1 - j, i};
        return {i, side == kBorderBottom ? height - 1 - j : j};
    }
    bool black(int i, int j) const
    {
        const QPoint p = at(i, j);
        return GET_DATA_BIT(data + p.y() * wpl, p.x()) != 0;
    }
    // Whether the black pixel at line i, depth j is joined to black at the side's edge, as
    // edgeLinks (at half size) tells.
    bool linkedToEdge(int i, int j) const
    {
        if (!edgeLinks || !edgeLinks->half)
            return false;
        Pix* half = edgeLinks->half.get();
        const QPoint p = at(i, j) - edgeLinks->origin;
        const int hx = std::clamp(p.x() / 2, 0, pixGetWidth(half) - 1);
        const int hy = std::clamp(p.y() / 2, 0, pixGetHeight(half) - 1);
        return GET_DATA_BIT(pixGetData(half) + hy * pixGetWpl(half), hx) != 0;
    }
    QRect cells(int i, int depth) const
    {
        switch (side) {
        case kBorderLeft: return QRect(0, i, depth, 1);
        case kBorderRight: return QRect(width - depth, i, depth, 1);
        case kBorderTop: return QRect(i, 0, 1, depth);
        default: return QRect(i, height - depth, 1, depth);
        }
    }
};

// How deep the black border reaches on line i: the end of the last black pixel before a white
// run longer than whiteNoise (white at the very edge counts as noise too). On a page turned
// after it was scanned, white was brought in between the edge and the border: a longer white
// run at the edge still leads to the border where the first black after it is joined to black
// at the page's edges. Where the border is so joined, black after a white run counts only if
// it is joined too: white noise inside the border has the border's black all round it, while a
// footer, a page number or a line's first letter just inside the paper's edge stands apart from
// the border, and stays.
int BorderDepth(const SideView& view, int i, int limit, int whiteNoise)
{
    int start = 0;
    while (start < limit && !view.black(i, start))
        ++start;
    if (start == limit)
        return 0;
    const bool joined = view.linkedToEdge(i, start);
    if (start > whiteNoise && !joined)
        return 0;
    int depth = 0, white = 0;
    for (int j = start; j < limit; ++j) {
        if (view.black(i, j)) {
            if (white > 0 && joined && !view.linkedToEdge(i, j))
                break;
            depth = j + 1;
            white = 0;
        } else if (++white > whiteNoise) {
            break;
        }
    }
    return depth;
}

// Limits each depth to the median of its neighbourhood plus variance. The window slides one line
// at a time, so a histogram of depths with a median that moves a step or two per line keeps this
// linear in the number of lines.
void ClampToNeighbourhood(std::vector<int>& depths, int limit, int variance)
{
    const int n = static_cast<int>(depths.size());
    if (n == 0)
        return;
    std::vector<int> counts(limit + 1, 0);
    int inWindow = 0;
    int median = 0, atOrBelow = 0;  // atOrBelow: window depths <= median
    auto add = [&](int d, int step) {
        counts[d] += step;
        inWindow += step;
        if (d <= median)
            atOrBelow += step;
    };
    std::vector<int> clamped(depths.size());
    int from = 0, to = 0;  // the window is [from, to)
    for (int i = 0; i < n; ++i) {
        const int wantFrom = std::max(0, i - kMedianHalfWindow), wantTo = std::min(n, i + kMedianHalfWindow + 1);
        for (; to < wantTo; ++to)
            add(depths[to], +1);
        for (; from < wantFrom; ++from)
            add(depths[from], -1);
        // The lower median: the smallest depth with more than half the window at or below it.
        const int half = inWindow / 2;
        while (atOrBelow <= half && median < limit)
            atOrBelow += counts[++median];
        while (median > 0 && atOrBelow - counts[median] > half)
            atOrBelow -= counts[median--];
        clamped[i] = std::min(depths[i], median + variance);
    }
    depths.swap(clamped);
}

// A clear clamped short of the border's measured end stops in the white gap before the cut
// instead of halving whatever black shape lies there (a punch hole, a letter): that shape stays
// whole for the filters that know it. Where no gap lies before the cut, the cut stands.
int BackToGap(const SideView& view, int i, int depth)
{
    if (depth == 0 || !view.black(i, depth - 1) || !view.black(i, depth))
        return depth;
    for (int j = depth - 1; j > 0; --j)
        if (!view.black(i, j) && view.black(i, j - 1))
            return j;
    return depth;
}

// The black of one side's band joined to black on the page's edge on that side: on a turned page,
// the border where it still meets its edge and the rest of it, parted from the edge by the white
// brought in. Only within the band, and only from the edge between the corners, where the
// neighbouring sides' borders meet it: a rule or a picture's frame may run across the page into
// another side's border, and the print joined to it is no border here. Found at half size, which
// is plenty to tell a border from text and costs a quarter; a pixel gap is bridged there, as the
// white noise allowance bridges far more.
EdgeLinks EdgeLinked(Pix* pix, int side, int percent)
{
    const int w = pixGetWidth(pix), h = pixGetHeight(pix);
    const int across = w * percent / 100, down = h * percent / 100;
    const bool vertical = side == kBorderTop || side == kBorderBottom;
    QRect band;
    switch (side) {
    case kBorderLeft: band = QRect(0, 0, across, h); break;
    case kBorderRight: band = QRect(w - across, 0, across, h); break;
    case kBorderTop: band = QRect(0, 0, w, down); break;
    default: band = QRect(0, h - down, w, down); break;
    }
    if (band.width() < 2 || band.height() < 2)
        return {};
    const BoxPtr box(boxCreate(band.x(), band.y(), band.width(), band.height()));
    const PixPtr clip = Checked(pixClipRectangle(pix, box.get(), nullptr));
    PixPtr half = Checked(pixReduceRankBinary2(clip.get(), 1, nullptr));
    const int hw = pixGetWidth(half.get()), hh = pixGetHeight(half.get());
    // The edge line at half size, short of the corners (all of it when the bands overlap).
    const int corner = vertical ? across / 2 : down / 2;
    const int length = vertical ? hw : hh;
    const int from = 2 * corner < length ? corner : 0, to = 2 * corner < length ? length - corner : length;
    const QRect edge = vertical ? QRect(from, side == kBorderTop ? 0 : hh - 1, to - from, 1)
                          : QRect(side == kBorderLeft ? 0 : hw - 1, from, 1, to - from);
    PixPtr seed = Checked(pixCreateTemplate(half.get()));
    pixRasterop(seed.get(), edge.x(), edge.y(), edge.width(), edge.height(), PIX_SET, nullptr, 0, 0);
    pixAnd(seed.get(), seed.get(), half.get());
    return {Checked(pixSeedfillBinary(nullptr, seed.get(), half.get(), 8)), band.topLeft()};
}

// How deep the border reaches on every line of one side, measured on the page as it is.
std::vector<int> MeasureSide(Pix* pix, int side, int percent, int whiteNoise, int variance, bool useVariance)
{
    const EdgeLinks edgeLinks = EdgeLinked(pix, side, percent);
    const SideView view{pix, side, &edgeLinks};
    const int limit = std::clamp(view.depthLimit() * percent / 100, 0, view.depthLimit());
    std::vector<int> depths(view.lines(), 0);
    if (limit == 0)
        return depths;
    for (int i = 0; i < view.lines(); ++i)
        depths[i] = BorderDepth(view, i, limit, whiteNoise);
    if (!useVariance)
        return depths;
    std::vector<int> measured = depths;
    ClampToNeighbourhood(depths, limit, variance);
    for (int i = 0; i < view.lines(); ++i)
        if (depths[i] < measured[i])
            depths[i] = BackToGap(view, i, depths[i]);
    return depths;
}

void ClearSide(Pix* pix, int side, const std::vector<int>& depths)
{
    const SideView view{pix, side};
    for (int i = 0; i < view.lines(); ++i) {
        if (depths[i] == 0)
            continue;
        const QRect r = view.cells(i, depths[i]);
        pixRasterop(pix, r.x(), r.y(), r.width(), r.height(), PIX_CLR, nullptr, 0, 0);
    }
}

}  // namespace

void RemoveBorders(Image& page, int flags, int sideMask, int borderPercent, int whiteNoiseLength, int variance)
{
    RequireBitonal(page, "RemoveBorders");
    if (borderPercent < 0 || borderPercent > 100)
        ThrowBadArgument("RemoveBorders", "borderPercent", borderPercent);
    if (whiteNoiseLength < 0)
        ThrowBadArgument("RemoveBorders", "whiteNoiseLength", whiteNoiseLength);
    const bool useVariance = (flags & kBorderUseVariance) && variance >= 0;
    // Every side is measured before any is cleared: a side cleared first would leave white at the
    // edge of its neighbour's band, and the neighbour would stop short of its own border there.
    constexpr int kSides[] = {kBorderLeft, kBorderRight, kBorderTop, kBorderBottom};
    std::vector<int> depths[4];
    for (int s = 0; s < 4; ++s)
        if (sideMask & kSides[s])
            depths[s] = MeasureSide(page.pix(), kSides[s], borderPercent, whiteNoiseLength, variance, useVariance);
    for (int s = 0; s < 4; ++s)
        if (sideMask & kSides[s])
            ClearSide(page.pix(), kSides[s], depths[s]);
}

}  // namespace scanvo::engine::ops
