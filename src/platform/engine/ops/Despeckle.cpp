// One-pixel despeckle and dot removal by size.
#include "platform/engine/ops/Cleanup.h"

#include "platform/engine/ops/OpFlags.h"
#include "platform/engine/ops/PixHandle.h"

#include <algorithm>

namespace scanvo::engine::ops {

namespace {

int CountComponents(Pix* pix)
{
    l_int32 count = 0;
    pixCountConnComp(pix, 8, &count);
    return count;
}

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

    PixPtr dots = Checked(pixCreateTemplate(pix));   // components in the size range
    PixPtr small = Checked(pixCreateTemplate(pix));  // every component no larger than the maximum
    int found = 0;
    for (int i = 0; i < boxaGetCount(boxes.get()); ++i) {
        l_int32 x = 0, y = 0, w = 0, h = 0;
        boxaGetBoxGeometry(boxes.get(), i, &x, &y, &w, &h);
        if (w > maxWidth || h > maxHeight)
            continue;
        PixPtr piece(pixaGetPix(pieces.get(), i, L_CLONE));
        pixRasterop(small.get(), x, y, w, h, PIX_PAINT, piece.get(), 0, 0);
        if (w >= minWidth && h >= minHeight) {
            pixRasterop(dots.get(), x, y, w, h, PIX_PAINT, piece.get(), 0, 0);
            ++found;
        }
    }
    if (found == 0)
        return 0;

    if (flags & kDotKeepNearText) {
        // Larger shapes reach out by a dot's size plus a little; dots they reach belong to them.
        const int reach = std::max(maxWidth, maxHeight) + 2;
        PixPtr large = Checked(pixSubtract(nullptr, pix, small.get()));
        PixPtr zone = Checked(pixDilateCompBrickExtendDwa(nullptr, large.get(), 2 * reach + 1, 2 * reach + 1));
        PixPtr seeds = Checked(pixAnd(nullptr, dots.get(), zone.get()));
        PixPtr kept = Checked(pixSeedfillBinary(nullptr, seeds.get(), dots.get(), 8));
        found -= CountComponents(kept.get());
        pixSubtract(dots.get(), dots.get(), kept.get());
    }
    pixSubtract(pix, pix, dots.get());
    return found;
}

}  // namespace scanvo::engine::ops
