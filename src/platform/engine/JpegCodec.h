#pragma once
// JPEG files through libjpeg-turbo: header, decode and encode of a whole file held in memory.

#include "platform/engine/Image.h"

#include <QByteArray>
#include <QString>

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
// format code. A stream that ends early is an error, not a grey-filled page. Throws EngineError.
Image DecodeJpeg(const QByteArray& bytes, const QString& path);
// Encodes an 8-bit grey (no palette) or 24-bit image as a JPEG file of the given format code
// (chroma subsampling) and quality factor. Throws EngineError.
QByteArray EncodeJpeg(const Image& image, int format, int qualityFactor);

}  // namespace scanvo::engine
