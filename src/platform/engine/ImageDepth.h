#pragma once
// Depth conversion of a page before it is written or shown: 1 (bitonal), 8 (grey, or palette
// when kept) and 24 (colour), through Leptonica.

#include "platform/engine/Image.h"

namespace scanvo::engine {

// A copy of image at depth 1, 8 or 24. Grey and colour become bitonal by thresholding at the
// middle grey; bitonal becomes white and black. keepPalette false turns a palette image into
// plain grey (depth 8) or full colour (depth 24). Resolution and load format are kept.
Image ConvertDepth(const Image& image, int depth, bool keepPalette = true);

}  // namespace scanvo::engine
