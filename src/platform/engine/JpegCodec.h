#pragma once
// JPEG files through libjpeg-turbo: header, decode and encode of a whole file held in memory.

#include "platform/engine/Image.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace scanvo::engine {

struct JpegHeader {
    int width = 0;
    int height = 0;
    int components = 0;
    int format = FormatNone;  // 10, 23 or 21 by chroma subsampling
    bool fillable = true;     // false: the stream is too short to code the frame it declares
    int xDpi = 0;             // from the JFIF density; 0 when the stream gives none
    int yDpi = 0;
    bool arithmetic = false;  // arithmetic entropy coding, which many readers of other formats lack
    bool cmyk = false;        // four-colour (CMYK or YCCK) data
};

// Reads the header of a JPEG stream; path only names the file in errors. Throws EngineError.
JpegHeader ReadJpegHeader(const QByteArray& bytes, const QString& path);
// Decodes a JPEG stream into an 8-bit grey or 24-bit colour image with its resolution and
// format code. A stream that ends early is an error, not a grey-filled page. reduction 2, 4 or 8
// decodes the page at that fraction of its size (ceil(width / reduction) x ceil(height / reduction))
// through libjpeg's own scaled decoding, at a fraction of the work; resolution and format code stay
// those of the stored page. Throws EngineError.
Image DecodeJpeg(const QByteArray& bytes, const QString& path, int reduction = 1);
// The largest reduction (1, 2, 4 or 8) that leaves a width x height page at least scale of its size
// on both sides.
int JpegReductionFor(int width, int height, double scale);
// Encodes an 8-bit grey (no palette) or 24-bit image as a JPEG file of the given format code
// (chroma subsampling) and quality factor. Throws EngineError.
QByteArray EncodeJpeg(const Image& image, int format, int qualityFactor);

// Joins JPEG streams that code consecutive horizontal bands of one image (the strips of a
// JPEG-in-TIFF page, each with its tables) into one stream of the whole image, without decoding
// their pixels: the bands' coefficients are copied as they are and only the entropy coding is
// redone. Every band but the last must be a whole number of MCU rows high, and all must share
// width, components, sampling and quantisation. Throws EngineError when they do not; path only
// names the file in errors.
QByteArray JoinJpegBands(const std::vector<QByteArray>& bands, int width, int height, const QString& path);

}  // namespace scanvo::engine
