// Blank and white canvases and the grey palette.
#include "platform/engine/ops/Canvas.h"

#include "platform/engine/ops/OpFlags.h"
#include "platform/engine/ops/PixHandle.h"

#include <QCoreApplication>
#include <cmath>

namespace scanvo::engine::ops {

Image WhiteCanvas(const Image& like, int width, int height)
{
    RequireImage(like, "WhiteCanvas");
    const bool colourPalette = like.hasPalette() && !like.isGrey();
    Image canvas = Image::create(width, height, like.depth(), like.xResolution(), like.yResolution());
    if (colourPalette) {
        PIXCMAP* cmap = pixcmapCopy(pixGetColormap(like.pix()));
        if (!cmap || pixSetColormap(canvas.pix(), cmap) != 0)
            throw EngineError(ErrOperation, QCoreApplication::translate("EngineMessages", "调色板操作失败"));
    }
    Fill(canvas, kWhite);
    canvas.setLoadFormat(like.loadFormat());
    return canvas;
}

Image CreateCanvas(const Image& page, double width, double height)
{
    RequireImage(page, "CreateCanvas");
    const long long w = std::llround(width), h = std::llround(height);
    CheckImageSize(w, h, page.depth());
    Image canvas = WhiteCanvas(page, static_cast<int>(w), static_cast<int>(h));
    Image source = page;
    if (page.hasPalette() && page.isGrey())
        SetGreyPalette(source);  // the canvas is plain grey, so the copy must be too
    Combine(canvas, source, QRect(0, 0, page.width(), page.height()), QPoint(0, 0), kCombineCopyFlags);
    return canvas;
}

void SetGreyPalette(Image& image)
{
    RequireImage(image, "SetGreyPalette");
    if (image.depth() == 1 || (image.depth() == 8 && !image.hasPalette()))
        return;
    PixPtr grey = GreyOf(image.pix());
    if (pixGetColormap(grey.get()))
        grey = Checked(pixRemoveColormap(grey.get(), REMOVE_CMAP_TO_GRAYSCALE));
    ReplacePixels(image, std::move(grey));
}

}  // namespace scanvo::engine::ops
