// Rotation by any angle in hundredths of a degree.
#include "platform/engine/ops/Geometry.h"

#include "platform/engine/ops/Canvas.h"
#include "platform/engine/ops/OpFlags.h"
#include "platform/engine/ops/PixHandle.h"

#include <cmath>

namespace scanvo::engine::ops {

namespace {

constexpr float kMaxShearRadians = 0.35f;  // about 20 degrees

// Leptonica brings in only white or black; a fill of another colour is painted afterwards
// through the rotated outline of the page.
bool IsDark(quint32 colour)
{
    return GreyLevel(colour) < 128;
}

bool IsWhiteOrBlack(quint32 colour)
{
    return (colour & 0xFFFFFF) == kWhite || (colour & 0xFFFFFF) == kBlack;
}

// Centres pix on a width x height canvas of fill colour (cropping or padding).
PixPtr Recentre(Pix* pix, int width, int height, quint32 fill)
{
    PixPtr canvas = Checked(pixCreate(width, height, pixGetDepth(pix)));
    pixCopyColormap(canvas.get(), pix);
    pixSetAllArbitrary(canvas.get(), PixelValueFor(canvas.get(), fill));
    const int dx = (width - pixGetWidth(pix)) / 2, dy = (height - pixGetHeight(pix)) / 2;
    pixRasterop(canvas.get(), dx, dy, pixGetWidth(pix), pixGetHeight(pix), PIX_SRC, pix, 0, 0);
    return canvas;
}

PixPtr RotateQuarters(Pix* pix, int quarters, bool enlarge, quint32 fill)
{
    PixPtr turned = Checked(pixRotateOrth(pix, quarters));
    if (enlarge || quarters % 2 == 0)
        return turned;
    return Recentre(turned.get(), pixGetWidth(pix), pixGetHeight(pix), fill);
}

// A 1-bit page: shear keeps it crisp up to moderate angles; beyond them shears distort, so it
// is sampled.
PixPtr RotateBitonal(Pix* pix, float radians, bool enlarge, int incolor)
{
    PixPtr embedded;
    if (enlarge) {
        embedded = Checked(pixEmbedForRotation(pix, radians, incolor, pixGetWidth(pix), pixGetHeight(pix)));
        pix = embedded.get();
    }
    if (std::abs(radians) <= kMaxShearRadians)
        return Checked(pixRotateShearCenter(pix, radians, incolor));
    return Checked(pixRotateBySampling(pix, pixGetWidth(pix) / 2, pixGetHeight(pix) / 2, radians, incolor));
}

PixPtr RotateFree(Pix* pix, double radians, bool enlarge, quint32 fill)
{
    const float angle = static_cast<float>(radians);
    const int incolor = IsDark(fill) ? L_BRING_IN_BLACK : L_BRING_IN_WHITE;
    if (pixGetDepth(pix) == 1)
        return RotateBitonal(pix, angle, enlarge, incolor);
    PixPtr source;
    if (pixGetColormap(pix)) {
        source = WithoutPalette(pix);
        pix = source.get();
    }
    const int w = enlarge ? pixGetWidth(pix) : 0, h = enlarge ? pixGetHeight(pix) : 0;
    // Area mapping gives smooth grey and colour edges.
    PixPtr rotated = Checked(pixRotate(pix, angle, L_ROTATE_AREA_MAP, incolor, w, h));
    if (IsWhiteOrBlack(fill))
        return rotated;
    // The page's outline, rotated the same way: 0 where fill belongs.
    PixPtr outline = Checked(pixCreate(pixGetWidth(pix), pixGetHeight(pix), 1));
    pixSetAll(outline.get());
    PixPtr turnedOutline = RotateBitonal(outline.get(), angle, enlarge, L_BRING_IN_WHITE);
    pixInvert(turnedOutline.get(), turnedOutline.get());
    pixPaintThroughMask(rotated.get(), turnedOutline.get(), 0, 0, PixelValueFor(rotated.get(), fill));
    return rotated;
}

}  // namespace

namespace {

// The turned pixels of image; null when the angle is a whole number of turns.
PixPtr Turned(const Image& image, int angle, int flags, quint32 fill)
{
    RequireImage(image, "Rotate");
    const bool enlarge = (flags & kRotateEnlarge) != 0;
    const int turn = ((angle % kFullTurn) + kFullTurn) % kFullTurn;
    if (turn == 0)
        return nullptr;
    if (turn % kQuarterTurn == 0)
        return RotateQuarters(image.pix(), turn / kQuarterTurn, enlarge, fill);
    const double radians = angle / 100.0 * M_PI / 180.0;
    return RotateFree(image.pix(), radians, enlarge, fill);
}

}  // namespace

void Rotate(Image& image, int angle, int flags, quint32 fill)
{
    if (PixPtr turned = Turned(image, angle, flags, fill))
        ReplacePixels(image, std::move(turned));
}

Image Rotated(const Image& image, int angle, int flags, quint32 fill)
{
    PixPtr turned = Turned(image, angle, flags, fill);
    return turned ? ImageLike(std::move(turned), image) : image;
}

}  // namespace scanvo::engine::ops
