#pragma once
// PackedImage: a page image held compactly and losslessly, for histories that keep many whole
// pages. The pixels are compressed (zstd) in their plainest form: a bitonal page as its packed
// bits, grey and palette pages as bytes, a colour page as 3 bytes a pixel, never in the 4-byte
// form the engine works on. Packing takes tens of milliseconds for an A4 colour page and may run
// on any thread; unpacking gives back exactly the pixels, resolution, palette and load format code.

#include "platform/engine/Image.h"

#include <QByteArray>

#include <cstddef>

namespace scanvo::engine::ops {

class PackedImage {
public:
    PackedImage() = default;  // no image
    // Throws EngineError when memory runs out.
    static PackedImage pack(const Image& image);
    Image unpack() const;

    bool isNull() const { return m_width == 0; }
    // What the packed image occupies, in bytes.
    std::size_t bytes() const { return static_cast<std::size_t>(m_pixels.capacity()) + m_palette.capacity(); }

private:
    QByteArray m_pixels;   // compressed raster
    QByteArray m_palette;  // r, g, b per entry; empty without a palette
    int m_width = 0;
    int m_height = 0;
    int m_depth = 0;       // the raster's depth: 1, 8 or 32 (held as 3 bytes a pixel)
    int m_xDpi = 0;
    int m_yDpi = 0;
    int m_loadFormat = FormatNone;
};

}  // namespace scanvo::engine::ops
