// The format code table.
#include "platform/engine/FormatCodes.h"

#include "platform/engine/Image.h"

#include <tiff.h>

namespace scanvo::engine {

namespace {

constexpr FormatInfo kFormats[] = {
    {FormatTiffG4, Container::Tiff, COMPRESSION_CCITTFAX4, 0, 0, true},
    {FormatTiffG3TwoDim, Container::Tiff, COMPRESSION_CCITTFAX3, GROUP3OPT_2DENCODING, 0, true},
    {FormatTiffG3OneDim, Container::Tiff, COMPRESSION_CCITTFAX3, 0, 0, true},
    {FormatTiffCcitt, Container::Tiff, COMPRESSION_CCITTRLE, 0, 0, true},
    {FormatTiffLzw, Container::Tiff, COMPRESSION_LZW, 0, 0, false},
    {FormatTiffUncompressed, Container::Tiff, COMPRESSION_NONE, 0, 0, false},
    {FormatTiffJpeg444, Container::Tiff, COMPRESSION_JPEG, 0, 1, false},
    {FormatTiffJpeg422, Container::Tiff, COMPRESSION_JPEG, 0, 2, false},
    {FormatTiffJpeg411, Container::Tiff, COMPRESSION_JPEG, 0, 4, false},
    {FormatJpeg444, Container::Jpeg, 0, 0, 1, false},
    {FormatJpeg422, Container::Jpeg, 0, 0, 2, false},
    {FormatJpeg411, Container::Jpeg, 0, 0, 4, false},
};

}  // namespace

const FormatInfo* FindFormat(int code)
{
    for (const FormatInfo& info : kFormats)
        if (info.code == code)
            return &info;
    return nullptr;
}

int FormatOfJpeg(Container container, int chromaSamples)
{
    // 4:2:0 and other layouts are named by the code with the same share of chroma samples.
    const int divisor = chromaSamples >= 4 ? 4 : (chromaSamples >= 2 ? 2 : 1);
    for (const FormatInfo& info : kFormats)
        if (info.container == container && info.chromaDivisor == divisor)
            return info.code;
    return FormatNone;
}

int FormatOfTiffPage(std::uint16_t compression, std::uint32_t group3Options, int chromaSamples)
{
    switch (compression) {
    case COMPRESSION_CCITTFAX4:
        return FormatTiffG4;
    case COMPRESSION_CCITTFAX3:
        return (group3Options & GROUP3OPT_2DENCODING) ? FormatTiffG3TwoDim : FormatTiffG3OneDim;
    case COMPRESSION_CCITTRLE:
    case COMPRESSION_CCITTRLEW:
        return FormatTiffCcitt;
    case COMPRESSION_NONE:
        return FormatTiffUncompressed;
    case COMPRESSION_JPEG:
    case COMPRESSION_OJPEG:
        return FormatOfJpeg(Container::Tiff, chromaSamples);
    default:
        // Other lossless codings (PackBits, Deflate, ...) have no code of their own; LZW is the
        // lossless code a page written back takes.
        return FormatTiffLzw;
    }
}

}  // namespace scanvo::engine
