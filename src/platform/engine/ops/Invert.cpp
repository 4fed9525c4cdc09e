// The negative of a page.
#include "platform/engine/ops/Canvas.h"

#include "platform/engine/ops/PixHandle.h"

namespace scanvo::engine::ops {

void Invert(Image& image)
{
    RequireImage(image, "Invert");
    Pix* pix = image.pix();
    if (PIXCMAP* cmap = pixGetColormap(pix)) {
        // Inverting the indices would pick unrelated entries; invert the colours they name.
        for (int i = 0; i < pixcmapGetCount(cmap); ++i) {
            l_int32 r = 0, g = 0, b = 0;
            pixcmapGetColor(cmap, i, &r, &g, &b);
            pixcmapResetColor(cmap, i, 255 - r, 255 - g, 255 - b);
        }
        return;
    }
    pixInvert(pix, pix);
}

}  // namespace scanvo::engine::ops
