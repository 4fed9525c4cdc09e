#pragma once
// The black of a page that reaches its edges: a scanner's border and what touches it. Internal to
// the engine's operations.

#include "platform/engine/ops/PixHandle.h"

namespace scanvo::engine::ops {

// The black of the 1-bit pix joined, pixel to pixel (8-connected), to black on the given edges of
// it (a mask of kBorderLeft, kBorderRight, kBorderTop and kBorderBottom). Each piece met on an edge
// is followed run by run, so the cost is that of the pieces, not of the page.
PixPtr BlackJoinedToEdges(Pix* pix, int edges);

}  // namespace scanvo::engine::ops
