#pragma once
// What each engine format code means to the codecs: container, TIFF compression, G3 options and
// JPEG chroma subsampling. One table; both directions (writing a code, naming a stored page) use it.

#include <cstdint>

namespace scanvo::engine {

enum class Container { Tiff, Jpeg };

struct FormatInfo {
    int code;
    Container container;
    std::uint16_t tiffCompression;  // COMPRESSION_* of libtiff; 0 for JPEG files
    std::uint32_t group3Options;    // GROUP3OPT_* for CCITT Group 3
    int chromaDivisor;              // JPEG: horizontal chroma subsampling 1 (4:4:4), 2 (4:2:2), 4 (4:1:1)
    bool bitonalOnly;               // CCITT codings hold 1 bit per pixel only
};

// The entry of a format code, or nullptr for a code the engine does not write.
const FormatInfo* FindFormat(int code);

// The code describing a stored TIFF page.
int FormatOfTiffPage(std::uint16_t compression, std::uint32_t group3Options, int chromaSamples);
// The code describing a JPEG stream (in a JPEG file or a TIFF page), by how many luma samples
// share one chroma sample (1, 2 or 4; grey streams count as 1).
int FormatOfJpeg(Container container, int chromaSamples);

}  // namespace scanvo::engine
