// Black border removal by side.
#include "platform/engine/ops/Cleanup.h"

#include "platform/engine/ops/EdgeBlack.h"
#include "platform/engine/ops/OpFlags.h"
#include "platform/engine/ops/PixHandle.h"

#include <algorithm>
#include <vector>

namespace scanvo::engine::ops {

namespace {

constexpr int kMedianHalfWindow = 50;  // rows (or columns) each side that define the border's edge
// The specks of the border's noise: pieces no larger than this each way, this close to it.
constexpr int kBorderSpeckSize = 2;
constexpr int kBorderSpeckReach = 3;

// The black of one side's band (its place on the page) joined to black on the page's edges
// within the band.
struct EdgeLinks {
    PixPtr linked;
    QRect band;
};

// One side of the page seen as lines running inward from the edge: line i, depth j from the edge.
struct SideView {
    Pix* pix;
    int side;
    const EdgeLinks* edgeLinks = nullptr;  // the black reached from the page's edges, when known
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
    bool blackAt(QPoint p) const { return GET_DATA_BIT(data + p.y() * wpl, p.x()) != 0; }
    bool black(int i, int j) const { return blackAt(at(i, j)); }
    // Whether the page's pixel p is black joined to black at the page's edges, as edgeLinks tells.
    bool linkedAt(QPoint p) const
    {
        if (!edgeLinks || !edgeLinks->band.contains(p))
            return false;
        Pix* linked = edgeLinks->linked.get();
        p -= edgeLinks->band.topLeft();
        return GET_DATA_BIT(pixGetData(linked) + p.y() * pixGetWpl(linked), p.x()) != 0;
    }
    bool linkedToEdge(int i, int j) const { return linkedAt(at(i, j)); }
    // Whether the black pixel at line i, depth j is a speck of the border's noise: a piece of at
    // most kBorderSpeckSize pixels each way within kBorderSpeckReach of black joined to the edge.
    bool borderSpeck(int i, int j) const
    {
        const QRect page(0, 0, width, height);
        std::vector<QPoint> piece{at(i, j)};
        QRect box(piece.front(), QSize(1, 1));
        for (size_t k = 0; k < piece.size(); ++k) {
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const QPoint q = piece[k] + QPoint(dx, dy);
                    if (!page.contains(q) || !blackAt(q) || std::find(piece.begin(), piece.end(), q) != piece.end())
                        continue;
                    box |= QRect(q, QSize(1, 1));
                    if (box.width() > kBorderSpeckSize || box.height() > kBorderSpeckSize)
                        return false;
                    piece.push_back(q);
                }
            }
        }
        const QRect reach = box.adjusted(-kBorderSpeckReach, -kBorderSpeckReach, kBorderSpeckReach, kBorderSpeckReach);
        for (int y = reach.top(); y <= reach.bottom(); ++y)
            for (int x = reach.left(); x <= reach.right(); ++x)
                if (linkedAt({x, y}))
                    return true;
        return false;
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
            if (white > 0 && joined && !view.linkedToEdge(i, j) && !view.borderSpeck(i, j))
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

// The black of one side's band joined to the page's edges within the band: on a turned page, the
// border where it still meets an edge (near a corner that may be the neighbouring side's edge)
// and the rest of it, parted from the edges by the white brought in. Only within the band: a rule
// or a picture's frame may run across the page into another side's border, and the print joined
// to it is no border here. Joined pixel to pixel: a letter a pixel or two inside the paper's edge,
// and the words beside it, are not the border.
EdgeLinks EdgeLinked(Pix* pix, int side, int percent)
{
    const int w = pixGetWidth(pix), h = pixGetHeight(pix);
    const int across = w * percent / 100, down = h * percent / 100;
    QRect band;
    switch (side) {
    case kBorderLeft: band = QRect(0, 0, across, h); break;
    case kBorderRight: band = QRect(w - across, 0, across, h); break;
    case kBorderTop: band = QRect(0, 0, w, down); break;
    default: band = QRect(0, h - down, w, down); break;
    }
    if (band.isEmpty())
        return {};
    const PixPtr black = Checked(pixClipRectangle(pix, MakeBox(band).get(), nullptr));
    // The band's lines that are the page's edges: all but its inner one.
    const int inner = side == kBorderLeft ? kBorderRight : side == kBorderRight ? kBorderLeft
                    : side == kBorderTop  ? kBorderBottom
                                          : kBorderTop;
    PixPtr linked = BlackJoinedToEdges(black.get(), kBorderAllSides & ~inner);
    return {std::move(linked), band};
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
