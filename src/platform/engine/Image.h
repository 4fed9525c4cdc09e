#pragma once
// Image: one page image as the system sees it, a value type over a Leptonica PIX.
// Depth is 1 (bitonal), 8 (grey or palette) or 24 (colour; stored as 32 bpp RGB inside).
// Copying copies pixels; moving hands the PIX over. An Image may be null (no page).

#include <QImage>

struct Pix;  // Leptonica's image; only the engine's own sources include its headers.

namespace scanvo::engine {

// Engine format codes: how a page is or will be stored on disk.
enum FormatCode : int {
    FormatNone = 0,
    FormatTiffUncompressed = 3,
    FormatJpeg444 = 10,
    FormatTiffJpeg444 = 11,
    FormatTiffLzw = 17,
    FormatJpeg411 = 21,
    FormatTiffJpeg411 = 22,
    FormatJpeg422 = 23,
    FormatTiffJpeg422 = 24,
    FormatTiffCcitt = 25,  // CCITT modified Huffman run-length (RLE)
    FormatTiffG3OneDim = 27,
    FormatTiffG3TwoDim = 28,
    FormatTiffG4 = 29,
};

class Image {
public:
    Image() = default;
    ~Image();
    Image(const Image& other);
    Image& operator=(const Image& other);
    Image(Image&& other) noexcept;
    Image& operator=(Image&& other) noexcept;

    // Takes ownership of pix (which must be 1, 8 or 32 bpp); throws EngineError on null.
    static Image adopt(Pix* pix, int loadFormat = FormatNone);
    // A new image of the given size and depth (1, 8 or 24), filled black, at the given resolution.
    // Sizes whose pixels would not fit in memory are refused before allocation.
    static Image create(int width, int height, int depth, int xDpi = 300, int yDpi = 300);

    bool isNull() const noexcept { return m_pix == nullptr; }
    int width() const;
    int height() const;
    int depth() const;  // 1, 8 or 24; 0 when null
    int xResolution() const;
    int yResolution() const;
    void setResolution(int xDpi, int yDpi);
    bool hasPalette() const;  // 8-bit with a colour map
    bool isGrey() const;      // 1-bit, or 8-bit without a colour map or with a grey one
    int loadFormat() const noexcept { return m_loadFormat; }
    void setLoadFormat(int code) noexcept { m_loadFormat = code; }

    // The underlying PIX, still owned by this image. Valid until the image changes.
    Pix* pix() const noexcept { return m_pix; }
    // Replaces the pixels with pix (taking ownership), keeping the load format code.
    void reset(Pix* pix);
    // Gives up ownership of the PIX; the image becomes null.
    Pix* release() noexcept;

    // Display and clipboard: 1-bit becomes Format_Mono (0 white, 1 black), 8-bit Grayscale8 (or
    // Indexed8 with its palette), 24-bit RGB32. Resolutions travel as dots per metre.
    QImage toQImage() const;
    static Image fromQImage(const QImage& image);

    // True when both have the same size, depth and identical pixels.
    bool samePixels(const Image& other) const;

private:
    Pix* m_pix = nullptr;
    int m_loadFormat = FormatNone;
};

// Refuses a width x height x depth image whose pixels would not fit in memory (throws EngineError).
void CheckImageSize(long long width, long long height, int depth);
// Refuses, as CheckImageSize does, a page read from a file that is larger than any page a scanner
// produces: A0 at 1200 dpi, in either orientation.
void CheckPageSize(long long width, long long height, int depth);

}  // namespace scanvo::engine
