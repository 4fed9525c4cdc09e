#pragma once
// TIFF pages: decoding the current directory into an Image, encoding an Image as a new page, and
// copying a page's compressed data unchanged from one file into another.

#include "platform/engine/Image.h"
#include "platform/engine/TiffFile.h"

namespace scanvo::engine {

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
