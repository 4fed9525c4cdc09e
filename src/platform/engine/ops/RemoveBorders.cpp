// Black border removal by side.
#include "platform/engine/ops/Cleanup.h"

#include "platform/engine/ops/OpFlags.h"
#include "platform/engine/ops/PixHandle.h"

#include <algorithm>
#include <vector>

namespace scanvo::engine::ops {

namespace {

constexpr int kMedianHalfWindow = 50;  // rows (or columns) each side that define the border's edge

// One side of the page seen as lines running inward from the edge: line i, depth j from the edge.
struct SideView {
    Pix* pix;
    int side;
    l_uint32* data = pixGetData(pix);
    int wpl = pixGetWpl(pix);
    int width = pixGetWidth(pix);
    int height = pixGetHeight(pix);

    bool vertical() const { return side == kBorderTop || side == kBorderBottom; }
    int lines() const { return vertical() ? width : height; }
    int depthLimit() const { return vertical() ? height : width; }
    bool black(int i, int j) const
    {
        int x = i, y = j;
        if (!vertical()) {
            x = side == kBorderLeft ? j : width - 1 - j;
            y = i;
        } else if (side == kBorderBottom) {
            y = height - 1 - j;
        }
        return GET_DATA_BIT(data + y * wpl, x) != 0;
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
// run longer than whiteNoise (white at the very edge counts as noise too).
int BorderDepth(const SideView& view, int i, int limit, int whiteNoise)
{
    int depth = 0, white = 0;
    for (int j = 0; j < limit; ++j) {
        if (view.black(i, j)) {
            depth = j + 1;
            white = 0;
        } else if (++white > whiteNoise) {
            break;
        }
    }
    return depth;
}

// Limits each depth to the median of its neighbourhood plus variance.
void ClampToNeighbourhood(std::vector<int>& depths, int variance)
{
    const int n = static_cast<int>(depths.size());
    std::vector<int> clamped(depths.size());
    std::vector<int> window;
    for (int i = 0; i < n; ++i) {
        const int from = std::max(0, i - kMedianHalfWindow), to = std::min(n, i + kMedianHalfWindow + 1);
        window.assign(depths.begin() + from, depths.begin() + to);
        auto middle = window.begin() + window.size() / 2;
        std::nth_element(window.begin(), middle, window.end());
        clamped[i] = std::min(depths[i], *middle + variance);
    }
    depths.swap(clamped);
}

void ClearSide(Pix* pix, int side, int percent, int whiteNoise, int variance, bool useVariance)
{
    const SideView view{pix, side};
    const int limit = std::clamp(view.depthLimit() * percent / 100, 0, view.depthLimit());
    if (limit == 0)
        return;
    std::vector<int> depths(view.lines());
    for (int i = 0; i < view.lines(); ++i)
        depths[i] = BorderDepth(view, i, limit, whiteNoise);
    if (useVariance)
        ClampToNeighbourhood(depths, variance);
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
    for (int side : {kBorderLeft, kBorderRight, kBorderTop, kBorderBottom})
        if (sideMask & side)
            ClearSide(page.pix(), side, borderPercent, whiteNoiseLength, variance, useVariance);
}

}  // namespace scanvo::engine::ops
