// Removal of round hole punches near a side of the page.
#include "platform/engine/ops/Cleanup.h"

#include "platform/engine/ops/OpFlags.h"
#include "platform/engine/ops/PixHandle.h"

#include <QCoreApplication>
#include <cmath>
#include <vector>

namespace scanvo::engine::ops {

namespace {

constexpr int kMarginFraction = 8;     // a punch lies within an eighth of the page from its side
constexpr double kMinRoundness = 0.72;  // black area over the area of the inscribed ellipse
constexpr double kMaxRoundness = 1.12;  // a filled square is 1.27
constexpr double kMaxAspect = 1.4;

QRect SearchArea(int width, int height, int side, int maxExtent)
{
    const int across = std::max(width / kMarginFraction, 4 * maxExtent);
    const int down = std::max(height / kMarginFraction, 4 * maxExtent);
    switch (side) {
    case kHolePunchLeft: return QRect(0, 0, std::min(across, width), height);
    case kHolePunchRight: return QRect(std::max(0, width - across), 0, std::min(across, width), height);
    case kHolePunchTop: return QRect(0, 0, width, std::min(down, height));
    default: return QRect(0, std::max(0, height - down), width, std::min(down, height));
    }
}

bool IsRound(Pix* piece, int w, int h)
{
    if (w < 3 || h < 3)
        return false;
    const double aspect = static_cast<double>(std::max(w, h)) / std::min(w, h);
    if (aspect > kMaxAspect)
        return false;
    l_int32 area = 0;
    pixCountPixels(piece, &area, nullptr);
    const double roundness = area / (M_PI / 4.0 * w * h);
    return roundness >= kMinRoundness && roundness <= kMaxRoundness;
}

}  // namespace

int RemoveHolePunches(Image& page, int flags, int minCount, int maxCount, int minWidth, int minHeight,
                      int maxWidth, int maxHeight, int side)
{
    RequireBitonal(page, "RemoveHolePunches");
    if (side < kHolePunchLeft || side > kHolePunchBottom)
        ThrowBadArgument("RemoveHolePunches", "side", side);
    const bool useSize = flags & kHolePunchUseSize;
    const bool useCount = flags & kHolePunchUseCount;
    Pix* pix = page.pix();
    const int w = pixGetWidth(pix), h = pixGetHeight(pix);
    const QRect area = (flags & kHolePunchUseLocation)
                           ? SearchArea(w, h, side, useSize ? std::max(maxWidth, maxHeight) : 0)
                           : QRect(0, 0, w, h);
    BoxPtr box = MakeBox(area);
    PixPtr searched = Checked(pixClipRectangle(pix, box.get(), nullptr));

    Pixa* pixaRaw = nullptr;
    BoxaPtr boxes(pixConnComp(searched.get(), &pixaRaw, 8));
    PixaPtr pieces(pixaRaw);
    if (!boxes || !pieces)
        throw EngineError(ErrOperation, QCoreApplication::translate("EngineMessages", "连通域分析失败"));
    const QRect inner(0, 0, area.width(), area.height());
    std::vector<int> punches;
    for (int i = 0; i < boxaGetCount(boxes.get()); ++i) {
        l_int32 x = 0, y = 0, bw = 0, bh = 0;
        boxaGetBoxGeometry(boxes.get(), i, &x, &y, &bw, &bh);
        if (useSize && (bw < minWidth || bw > maxWidth || bh < minHeight || bh > maxHeight))
            continue;
        // A shape cut by the edge of the search area is part of something larger.
        const QRect r(x, y, bw, bh);
        const bool cut = (r.left() == 0 && area.left() > 0) || (r.top() == 0 && area.top() > 0) ||
                         (r.right() == inner.right() && area.right() < w - 1) ||
                         (r.bottom() == inner.bottom() && area.bottom() < h - 1);
        if (cut)
            continue;
        PixPtr piece(pixaGetPix(pieces.get(), i, L_CLONE));
        if (IsRound(piece.get(), bw, bh))
            punches.push_back(i);
    }
    const int count = static_cast<int>(punches.size());
    if (useCount && (count < minCount || count > maxCount))
        return 0;
    for (int i : punches) {
        l_int32 x = 0, y = 0, bw = 0, bh = 0;
        boxaGetBoxGeometry(boxes.get(), i, &x, &y, &bw, &bh);
        PixPtr piece(pixaGetPix(pieces.get(), i, L_CLONE));
        pixRasterop(pix, area.x() + x, area.y() + y, bw, bh, PIX_DST & PIX_NOT(PIX_SRC), piece.get(), 0, 0);
    }
    return count;
}

}  // namespace scanvo::engine::ops
