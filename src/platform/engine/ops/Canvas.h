#pragma once
// Whole-image and rectangle operations: blank and white canvases, grey palette, fill, invert,
// rectangle copy between images, crop.

#include "platform/engine/Image.h"
#include "platform/engine/ops/Region.h"

#include <QPoint>
#include <QRect>

namespace scanvo::engine::ops {

// A white image of the given size with like's depth, resolution and kind: an 8-bit grey or grey
// palette page gives plain 8-bit grey, a colour palette page keeps its palette.
Image WhiteCanvas(const Image& like, int width, int height);
// The canvas-size command: page on a white canvas of width x height at the top-left corner,
// cropped where it does not fit. Real sizes are rounded.
Image CreateCanvas(const Image& page, double width, double height);
// Makes an 8-bit or 24-bit page plain 8-bit grey (luminance); 1-bit pages stay as they are.
void SetGreyPalette(Image& image);

void Fill(Image& image, quint32 colour);
// Parts of rect outside the image are ignored.
void FillRect(Image& image, const QRect& rect, quint32 colour);
void FillRegion(Image& image, const Region& region, quint32 colour);

// The colour (0xRRGGBB) shown at pixel (x, y): 1-bit black or white, grey as grey, a palette
// entry's colour. Throws ErrInvalidArgument outside the image.
quint32 PixelColour(const Image& image, int x, int y);

// Negative of the page (a palette page has its palette inverted).
void Invert(Image& image);

// Copies sourceRect of source into dest with its top-left corner at destPos; flags are
// kCombine* codes. Throws ErrIncompatible when the depths differ or only one has a palette.
void Combine(Image& dest, const Image& source, const QRect& sourceRect, QPoint destPos, int flags);
// The part of image inside rect (clipped to the image); an empty result is refused.
Image Crop(const Image& image, const QRect& rect);

}  // namespace scanvo::engine::ops
