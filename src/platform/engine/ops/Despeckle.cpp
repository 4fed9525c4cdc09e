// One-pixel despeckle and dot removal by size.
#include "platform/engine/ops/Cleanup.h"

#include "platform/engine/ops/OpFlags.h"
#include "platform/engine/ops/PixHandle.h"

#include <algorithm>
#include <vector>

namespace scanvo::engine::ops {

namespace {

}  // namespace

int Despeckle(Image& page)
{
    RequireBitonal(page, "Despeckle");
    // A black pixel whose eight neighbours are all white.
    SelPtr isolated(selCreateFromString("ooo" "oXo" "ooo", 3, 3, "isolated"));
    if (!isolated)
        throw EngineError(ErrOperation, QStringLiteral("图像操作失败"));
    PixPtr specks = Checked(pixHMT(nullptr, page.pix(), isolated.get()));
    l_int32 count = 0;
    pixCountPixels(specks.get(), &count, nullptr);
    if (count > 0)
        pixSubtract(page.pix(), page.pix(), specks.get());
    return count;
}

int RemoveDots(Image& page, int flags, int minWidth, int minHeight, int maxWidth, int maxHeight)
{
    RequireBitonal(page, "RemoveDots");
    if (maxWidth < 1)
        ThrowBadArgument("RemoveDots", "maxWidth", maxWidth);
    if (maxHeight < 1)
        ThrowBadArgument("RemoveDots", "maxHeight", maxHeight);
    if (!(flags & kDotUseSize)) {
        minWidth = 1;
        minHeight = 1;
    }
    minWidth = std::max(minWidth, 1);
    minHeight = std::max(minHeight, 1);
    if (minWidth > maxWidth || minHeight > maxHeight)
        return 0;

    Pix* pix = page.pix();
    Pixa* pixaRaw = nullptr;
    BoxaPtr boxes(pixConnComp(pix, &pixaRaw, 8));
    PixaPtr pieces(pixaRaw);
    if (!boxes || !pieces)
        throw EngineError(ErrOperation, QStringLiteral("连通域分析失败"));

    // Components no larger than the maximum; the rest of the page is the larger shapes.
    std::vector<int> inRange;
    PixPtr small = Checked(pixCreateTemplate(pix));
    for (int i = 0; i < boxaGetCount(boxes.get()); ++i) {
        l_int32 x = 0, y = 0, w = 0, h = 0;
        boxaGetBoxGeometry(boxes.get(), i, &x, &y, &w, &h);
        if (w > maxWidth || h > maxHeight)
            continue;
        PixPtr piece(pixaGetPix(pieces.get(), i, L_CLONE));
        pixRasterop(small.get(), x, y, w, h, PIX_PAINT, piece.get(), 0, 0);
        if (w >= minWidth && h >= minHeight)
            inRange.push_back(i);
    }
    if (inRange.empty())
        return 0;
    PixPtr large;
    if (flags & kDotKeepNearText)
        large = Checked(pixSubtract(nullptr, pix, small.get()));
    // Larger shapes reach out by a dot's size plus a little; dots they reach belong to them.
    const int reach = std::max(maxWidth, maxHeight) + 2;
    int removed = 0;
    for (int i : inRange) {
        l_int32 x = 0, y = 0, w = 0, h = 0;
        boxaGetBoxGeometry(boxes.get(), i, &x, &y, &w, &h);
        if (large) {
            BoxPtr near = MakeBox(QRect(x - reach, y - reach, w + 2 * reach, h + 2 * reach));
            l_int32 neighbours = 0;
            pixCountPixelsInRect(large.get(), near.get(), &neighbours, nullptr);
            if (neighbours > 0)
                continue;
        }
        PixPtr piece(pixaGetPix(pieces.get(), i, L_CLONE));
        pixRasterop(pix, x, y, w, h, PIX_DST & PIX_NOT(PIX_SRC), piece.get(), 0, 0);
        ++removed;
    }
    return removed;
}

}  // namespace scanvo::engine::ops
