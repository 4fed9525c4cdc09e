#pragma once
// Geometry of a page: rotation, skew detection and deskew, automatic crop, resampling.
// Where new pixel values are interpolated (free rotation, resampling), a palette page comes back
// as plain grey (grey palettes) or colour; quarter turns and crops keep the palette.

#include "platform/engine/Image.h"

namespace scanvo::engine::ops {

// Rotates by angle hundredths of a degree, clockwise positive, bringing in fill (0xRRGGBB) where
// no page was. Flags are kRotate*: kRotateEnlarge grows the canvas to hold the whole rotated
// page, otherwise the canvas keeps its size (centred, corners cut). Quarter and half turns are
// exact on every depth.
void Rotate(Image& image, int angle, int flags, quint32 fill);
// The page turned as Rotate turns it; image stays as it is.
Image Rotated(const Image& image, int angle, int flags, quint32 fill);

struct SkewEstimate {
    double degrees = 0;     // clockwise rotation that levels the text lines
    double confidence = 0;  // 0 when nothing was found; pages of text score 10 and more, bowed ones 1 to 3
};
// The skew of the text lines of a 1-, 8- or 24-bit page, searched within +-15 degrees.
SkewEstimate DetectSkew(const Image& image);
// Detects the skew and rotates the page level, filling with fill; flags are kDeskew*. Returns
// false (page untouched) when the page is already level or shows no text lines to level by
// (a picture, noise, an empty page); a weak but real peak, as bowed pages give, still counts.
bool Deskew(Image& image, quint32 fill, int flags);
// The page levelled as Deskew levels it (a copy when it is level already); image stays as it is.
Image Deskewed(const Image& image, quint32 fill, int flags);

// Trims uniform margins: rows and columns whose every pixel differs from the top-left corner's
// colour by less than tolerance (1 ... 255) are cut off. A page that is all margin is kept.
void AutoCrop(Image& image, int tolerance);

// Resamples to width x height: area averaging when shrinking, interpolation when enlarging. A
// 1-bit page stays 1-bit. Flags are kResize* (only kResizeSmooth exists).
void Resize(Image& image, int width, int height, int flags);

}  // namespace scanvo::engine::ops
