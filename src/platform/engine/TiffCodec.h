#pragma once
// TIFF pages: decoding the current directory into an Image, encoding an Image as a new page, and
// copying a page's compressed data unchanged from one file into another.

#include "platform/engine/Image.h"
#include "platform/engine/TiffFile.h"

#include <QByteArray>
#include <QPoint>

#include <cstdint>
#include <vector>

namespace scanvo::engine {

// How the stored samples of the current directory are laid out, from its tags.
struct TiffPageLayout {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint16_t bitsPerSample = 1;
    std::uint16_t samplesPerPixel = 1;
    std::uint16_t photometric = PHOTOMETRIC_MINISWHITE;
    std::uint16_t planar = PLANARCONFIG_CONTIG;
    std::uint16_t compression = COMPRESSION_NONE;
    std::uint16_t sampleFormat = SAMPLEFORMAT_UINT;
    std::uint16_t orientation = ORIENTATION_TOPLEFT;
    std::uint16_t fillOrder = FILLORDER_MSB2LSB;
    bool tiled = false;
    std::uint32_t chunks = 0;  // strips, or tiles when tiled
};
// Throws EngineError when the page has no size.
TiffPageLayout ReadTiffPageLayout(const TiffFile& file);
// The current directory's resolution in dots per inch, 0 each way when it gives none.
QPoint TiffPageResolution(const TiffFile& file);
// A JPEG-in-TIFF page's strips, top to bottom, each made a complete JPEG stream: the page's tables
// (the JPEGTables tag without its end marker) and the strip without its start marker. Empty when
// the page is not JPEG in 8-bit strips of contiguous samples, top row first, or when its strips
// claim more bytes than the file holds.
std::vector<QByteArray> TiffJpegBands(const TiffFile& file, const TiffPageLayout& layout);

// The format code of the current directory of file.
int TiffPageFormat(const TiffFile& file);
// Decodes the current directory of file into a 1, 8 or 24 bit image (other depths, palettes,
// CMYK, min-is-black and tiled pages included); loadFormat() is set. Throws EngineError.
Image ReadTiffPage(const TiffFile& file);
// Appends image as page pageIndex (0-based) of pageCount to out. The image must already have the
// depth the format takes (1 for CCITT, 8 or 24 without palette for JPEG). Throws EngineError.
void WriteTiffPage(const TiffFile& out, const Image& image, int format, int qualityFactor, int pageIndex,
                   int pageCount);
// Appends the current directory of in to out as page pageIndex of pageCount: every strip or tile
// is copied as stored, with the tags that describe it. Throws EngineError.
void CopyTiffPage(const TiffFile& in, const TiffFile& out, int pageIndex, int pageCount);

}  // namespace scanvo::engine
