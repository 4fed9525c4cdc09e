// The black of a page that reaches its edges.
#include "platform/engine/ops/EdgeBlack.h"

#include "platform/engine/ops/OpFlags.h"

#include <QCoreApplication>

#include <memory>

namespace scanvo::engine::ops {

PixPtr BlackJoinedToEdges(Pix* pix, int edges)
{
    PixPtr joined = Checked(pixCopy(nullptr, pix));
    // Each piece met on an edge is erased from a copy; what is gone is joined.
    const PixPtr apart = Checked(pixCopy(nullptr, pix));
    const int right = pixGetWidth(pix) - 1, bottom = pixGetHeight(pix) - 1;
    const std::unique_ptr<L_Stack, void (*)(L_Stack*)> stack(lstackCreate(bottom + 1),
                                                          [](L_Stack* s) { lstackDestroy(&s, 1); });
    if (!stack)
        throw EngineError(ErrOperation, QCoreApplication::translate("EngineMessages", "图像操作失败"));
    stack->auxstack = lstackCreate(0);
    l_uint32* data = pixGetData(apart.get());
    const int wpl = pixGetWpl(apart.get());
    auto fillFrom = [&](int x, int y) {
        if (GET_DATA_BIT(data + y * wpl, x))
            pixSeedfill(apart.get(), stack.get(), x, y, 8);
    };
    for (int x = 0; x <= right; ++x) {
        if (edges & kBorderTop)
            fillFrom(x, 0);
        if (edges & kBorderBottom)
            fillFrom(x, bottom);
    }
    for (int y = 0; y <= bottom; ++y) {
        if (edges & kBorderLeft)
            fillFrom(0, y);
        if (edges & kBorderRight)
            fillFrom(right, y);
    }
    pixXor(joined.get(), joined.get(), apart.get());
    return joined;
}

}  // namespace scanvo::engine::ops
