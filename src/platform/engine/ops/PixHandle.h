#pragma once
// Owning wrappers for Leptonica handles and the small checks every operation shares. Internal to
// the engine's operations: only their sources include this header (it pulls in Leptonica).

#include "platform/engine/EngineError.h"
#include "platform/engine/Image.h"
#include "platform/engine/PixPtr.h"

#include <leptonica/allheaders.h>

#include <QRect>
#include <memory>

namespace scanvo::engine::ops {

// Takes a freshly returned handle; a null one means the library failed.
PixPtr Checked(Pix* pix);
BoxPtr MakeBox(const QRect& rect);

// Throws ErrInvalidArgument for a null image.
void RequireImage(const Image& image, const char* operation);
// Throws ErrUnsupported unless the image is 1-bit.
void RequireBitonal(const Image& image, const char* operation);
// Throws ErrInvalidArgument naming the argument.
[[noreturn]] void ThrowBadArgument(const char* operation, const char* argument, long long value);

// Replaces image's pixels with pix, keeping its resolution and load format code.
void ReplacePixels(Image& image, PixPtr pix);
// Makes an Image of pix, copying resolution and load format code from like.
Image ImageLike(PixPtr pix, const Image& like);

// Grey level 0 ... 255 of colour (0xRRGGBB), weighted as the library converts colour to grey.
int GreyLevel(quint32 colour);
// The raw pixel value that shows colour (0xRRGGBB) in pix: 1-bit black/white by luminance, 8-bit
// grey level, a palette index (the nearest entry, or a new one while the palette has room), or RGB.
quint32 PixelValueFor(Pix* pix, quint32 colour);
// 8-bit grey (palette removed) of any page, for measuring.
PixPtr GreyOf(Pix* pix);
// A palette page as plain grey (grey palettes) or colour (others); other pages are copied.
PixPtr WithoutPalette(Pix* pix);

}  // namespace scanvo::engine::ops
