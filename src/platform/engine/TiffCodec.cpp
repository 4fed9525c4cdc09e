// TIFF pages through libtiff: decode, encode, and copy a page's compressed data as it is.
#include "platform/engine/TiffCodec.h"

#include "platform/engine/DataBounds.h"
#include "platform/engine/EngineError.h"
#include "platform/engine/EngineMessages.h"
#include "platform/engine/FormatCodes.h"
#include "platform/engine/ImageFile.h"
#include "platform/engine/PixPtr.h"
#include "platform/engine/TiffStripRows.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <new>
#include <vector>

namespace scanvo::engine {

namespace {

// Strips hold at most this many bytes of decoded rows, slices libtiff can buffer cheaply, and a
// large page is cut into kStripsPerPage strips at least, so that a reader can decode its parts on
// two threads with little left over for either at the end. Each strip starts its coding afresh:
// a 300 dpi A4 bitonal page in sixteen G4 strips takes about 1 KB more than in one.
constexpr std::int64_t kStripBytes = 1 << 20;
constexpr std::int64_t kStripsPerPage = 16;
constexpr std::int64_t kMinStripRows = 64;
constexpr std::uint64_t kMaxRawChunk = std::uint64_t(1) << 30;

using PageLayout = TiffPageLayout;

enum class Kind { Bitonal, Grey, Colour };

Kind kindOf(const PageLayout& layout)
{
    const bool minIs = layout.photometric == PHOTOMETRIC_MINISWHITE || layout.photometric == PHOTOMETRIC_MINISBLACK;
    if (minIs && layout.samplesPerPixel == 1 && layout.bitsPerSample == 1)
        return Kind::Bitonal;
    if (minIs)
        return Kind::Grey;
    return Kind::Colour;
}

void readResolution(const TiffFile& file, Pix* pix)
{
    const QPoint dpi = TiffPageResolution(file);
    pixSetResolution(pix, dpi.x(), dpi.y());
}

// True when the palette of a palette page holds only greys.
bool paletteIsGrey(TIFF* tif, std::uint16_t bitsPerSample)
{
    std::uint16_t *red = nullptr, *green = nullptr, *blue = nullptr;
    if (bitsPerSample > 8 || !TIFFGetField(tif, TIFFTAG_COLORMAP, &red, &green, &blue))
        return false;
    for (int i = 0; i < (1 << bitsPerSample); ++i)
        if (red[i] != green[i] || green[i] != blue[i])
            return false;
    return true;
}

// An image whose lines are filled by the reader; see ReadStripRows.
Pix* createPix(std::uint32_t width, std::uint32_t height, int depth)
{
    Pix* pix = pixCreateNoInit(static_cast<l_int32>(width), static_cast<l_int32>(height), depth);
    if (!pix)
        throw EngineError(ErrOutOfMemory, msg::outOfMemory());
    return pix;
}

// The samples of a page of one sample per pixel, stored in strips, as they are stored: bits, grey
// values or palette indices, pad bits cleared.
PixPtr readSampleStrips(const TiffFile& file, const PageLayout& layout)
{
    const int depth = layout.bitsPerSample;
    PixPtr pix(createPix(layout.width, layout.height, depth));
    // Rows arrive in file byte order; Leptonica keeps them in native 32-bit words.
    ReadStripRows(file, pix.get(), (tmsize_t(layout.width) * depth + 7) / 8, RowOrder::NativeWords);
    pixSetPadBits(pix.get(), 0);
    return pix;
}

// Bitonal and 8-bit grey pages, stored in strips of contiguous samples.
Pix* readGreyStrips(const TiffFile& file, const PageLayout& layout)
{
    const int depth = layout.bitsPerSample;
    PixPtr pix = readSampleStrips(file, layout);
    // Leptonica's bitonal images have 1 = black and its grey images 0 = black.
    const bool invert = depth == 1 ? layout.photometric == PHOTOMETRIC_MINISBLACK
                                   : layout.photometric == PHOTOMETRIC_MINISWHITE;
    if (invert) {
        pixInvert(pix.get(), pix.get());
        pixSetPadBits(pix.get(), 0);
    }
    return pix.release();
}

// 8-bit RGB pages (and JPEG-compressed YCbCr pages, which libjpeg turns into RGB) in strips.
Pix* readRgbStrips(const TiffFile& file, const PageLayout& layout)
{
    PixPtr packed(createPix(layout.width, layout.height, 24));
    ReadStripRows(file, packed.get(), tmsize_t(layout.width) * 3, RowOrder::File);
    Pix* pix = pixConvert24To32(packed.get());
    if (!pix)
        throw EngineError(ErrOutOfMemory, msg::outOfMemory());
    return pix;
}

// The colour table of a palette page as Leptonica keeps it. Some writers put 8-bit values into the
// 16-bit table; a table without any value above 255 is read that way, as libtiff's own reader does.
PIXCMAP* readPalette(TIFF* tif, int bitsPerSample)
{
    std::uint16_t *red = nullptr, *green = nullptr, *blue = nullptr;
    if (!TIFFGetField(tif, TIFFTAG_COLORMAP, &red, &green, &blue))
        return nullptr;
    const int count = 1 << bitsPerSample;
    bool eightBit = true;
    for (int i = 0; i < count && eightBit; ++i)
        eightBit = red[i] < 256 && green[i] < 256 && blue[i] < 256;
    const int shift = eightBit ? 0 : 8;
    PIXCMAP* cmap = pixcmapCreate(bitsPerSample);
    for (int i = 0; cmap && i < count; ++i)
        pixcmapAddColor(cmap, red[i] >> shift, green[i] >> shift, blue[i] >> shift);
    return cmap;
}

// Colour palette pages of 2, 4 or 8 bits in strips: indices and colour table as stored, held as
// an 8-bit palette image, so that the page is written back as a palette page.
Pix* readPaletteStrips(const TiffFile& file, const PageLayout& layout)
{
    const int depth = layout.bitsPerSample;
    PixPtr pix = readSampleStrips(file, layout);
    PIXCMAP* cmap = readPalette(file.get(), depth);
    if (!cmap)
        file.failRead();
    pixSetColormap(pix.get(), cmap);  // the image owns the table from here, whatever it returns
    if (depth < 8) {
        pix.reset(pixConvertTo8(pix.get(), 1));
        if (!pix)
            throw EngineError(ErrOutOfMemory, msg::outOfMemory());
    }
    return pix.release();
}

// Everything else: libtiff's RGBA reader knows every photometric, depth, palette and tiling.
Pix* readThroughRgba(const TiffFile& file, const PageLayout& layout)
{
    TIFF* tif = file.get();
    char why[1024] = {};
    if (!TIFFRGBAImageOK(tif, why))
        throw EngineError(ErrUnsupported, msg::unsupportedPage(file.path(), QString::fromLocal8Bit(why)));
    CheckImageSize(layout.width, layout.height, 32);
    // Cleared: the reader may leave parts of the raster it has no data for untouched.
    PixPtr pix(pixCreate(static_cast<l_int32>(layout.width), static_cast<l_int32>(layout.height), 32));
    if (!pix)
        throw EngineError(ErrOutOfMemory, msg::outOfMemory());
    auto* raster = reinterpret_cast<std::uint32_t*>(pixGetData(pix.get()));
    if (!TIFFReadRGBAImageOriented(tif, layout.width, layout.height, raster, ORIENTATION_TOPLEFT, 1))
        file.failRead();
    const std::int64_t count = std::int64_t(layout.width) * layout.height;
    for (std::int64_t i = 0; i < count; ++i) {
        const std::uint32_t abgr = raster[i];
        l_uint32 value = 0;
        composeRGBPixel(TIFFGetR(abgr), TIFFGetG(abgr), TIFFGetB(abgr), &value);
        raster[i] = value;
    }
    return pix.release();
}

bool isFax(std::uint16_t compression)
{
    return compression == COMPRESSION_CCITTFAX3 || compression == COMPRESSION_CCITTFAX4 ||
           compression == COMPRESSION_CCITTRLE || compression == COMPRESSION_CCITTRLEW;
}

// How many bytes one stored byte of a strip or tile can decode to at most, for the codings bounded
// that way; 0 for the others.
std::uint64_t maxExpansion(std::uint16_t compression)
{
    switch (compression) {
    case COMPRESSION_NONE:
        return 1;
    case COMPRESSION_PACKBITS:  // two bytes repeat one byte 128 times at most
        return 64;
    case COMPRESSION_LZW:  // a code takes nine bits or more and stands for 4096 bytes at most
        return 4096 * 8 / 9 + 1;
    case COMPRESSION_ADOBE_DEFLATE:
    case COMPRESSION_DEFLATE:  // deflate's own limit
        return 1032;
    default:
        return 0;
    }
}

// False when available stored bytes of a strip or tile cannot possibly decode to width x rows
// pixels (decodedBytes bytes) in the given coding, whatever they hold. Codings without a useful
// bound pass.
bool canFill(std::uint16_t compression, std::uint64_t available, std::uint64_t width, std::uint64_t rows,
             std::uint64_t decodedBytes)
{
    if (isFax(compression))  // a coded row takes one bit at least
        return rows <= available * 8;
    if (compression == COMPRESSION_JPEG)  // an 8 x 8 block takes one bit at least
        return width * rows <= available * 512;
    const std::uint64_t expansion = maxExpansion(compression);
    return expansion == 0 || decodedBytes <= available * expansion + (expansion > 1 ? 4096 : 0);
}

// Refuses a page whose strips or tiles, as far as they lie inside the file, cannot hold the image
// the directory declares: a few bytes claiming a huge page are damage, found before any memory is
// taken for the page.
void checkDataCanFill(const TiffFile& file, const PageLayout& layout)
{
    TIFF* tif = file.get();
    const std::uint64_t fileSize = file.fileSize();
    const bool bytesBound = maxExpansion(layout.compression) > 0;
    const std::uint32_t chunks = layout.tiled ? TIFFNumberOfTiles(tif) : TIFFNumberOfStrips(tif);
    std::uint32_t tileWidth = 0, tileLength = 0;
    std::uint64_t tileBytes = 0;
    if (layout.tiled) {
        TIFFGetField(tif, TIFFTAG_TILEWIDTH, &tileWidth);
        TIFFGetField(tif, TIFFTAG_TILELENGTH, &tileLength);
        if (bytesBound)
            tileBytes = TIFFTileSize64(tif);
    }
    std::uint32_t rowsPerStrip = layout.height;
    TIFFGetFieldDefaulted(tif, TIFFTAG_ROWSPERSTRIP, &rowsPerStrip);
    rowsPerStrip = std::clamp<std::uint32_t>(rowsPerStrip, 1, layout.height);
    const std::uint32_t stripsPerPlane = (layout.height - 1) / rowsPerStrip + 1;
    std::uint64_t stored = 0;
    for (std::uint32_t chunk = 0; chunk < chunks; ++chunk) {
        const std::uint64_t offset = TIFFGetStrileOffset(tif, chunk);
        const std::uint64_t count = TIFFGetStrileByteCount(tif, chunk);
        const std::uint64_t available = offset >= fileSize ? 0 : std::min(count, fileSize - offset);
        stored += available;
        std::uint64_t width = tileWidth, rows = tileLength, decoded = tileBytes;
        if (!layout.tiled) {
            const std::uint64_t first = std::uint64_t(chunk % stripsPerPlane) * rowsPerStrip;
            width = layout.width;
            rows = std::min<std::uint64_t>(rowsPerStrip, layout.height - first);
            decoded = bytesBound ? TIFFVStripSize64(tif, static_cast<std::uint32_t>(rows)) : 0;
        }
        if (!canFill(layout.compression, available, width, rows, decoded))
            file.failRead(msg::dataCannotFillImage());
    }
    // Old-style JPEG may keep its stream outside the strips, but inside the file; every 8 x 8 block
    // takes a bit of it at least.
    const std::uint64_t pixels = std::uint64_t(layout.width) * layout.height;
    if (layout.compression == COMPRESSION_OJPEG && pixels > fileSize * 512)
        file.failRead(msg::dataCannotFillImage());
    // The other codings have no limit of their own that helps; they get a very wide one.
    const bool unbounded = !bytesBound && layout.compression != COMPRESSION_JPEG && layout.compression != COMPRESSION_OJPEG &&
                           !isFax(layout.compression);
    const std::uint64_t pageBytes = pixels * layout.samplesPerPixel * std::max<std::uint16_t>(layout.bitsPerSample, 1) / 8;
    if (unbounded && !UnboundedCodingCanFill(pageBytes, stored))
        file.failRead(msg::dataCannotFillImage());
}

// The 1 / 8 / 24 bit image a page of the given kind becomes.
Pix* finishKind(Pix* pix, Kind kind)
{
    PixPtr owned(pix);
    if (kind == Kind::Colour || pixGetDepth(pix) != 32)
        return owned.release();
    Pix* converted = kind == Kind::Bitonal ? pixConvertTo1(pix, 128) : pixConvertRGBToLuminance(pix);
    if (!converted)
        throw EngineError(ErrOutOfMemory, msg::outOfMemory());
    return converted;
}

std::uint32_t rowsPerStripFor(std::int64_t rowBytes, std::uint32_t height, bool jpeg)
{
    std::int64_t rows = std::max<std::int64_t>(1, kStripBytes / std::max<std::int64_t>(1, rowBytes));
    rows = std::min(rows, std::max(kMinStripRows, (std::int64_t(height) + kStripsPerPage - 1) / kStripsPerPage));
    if (jpeg)  // whole MCU rows: 16 covers every vertical sampling
        rows = std::max<std::int64_t>(16, rows / 16 * 16);
    return static_cast<std::uint32_t>(std::min<std::int64_t>(rows, height));
}

void setPageTags(TIFF* tif, int pageIndex, int pageCount)
{
    TIFFSetField(tif, TIFFTAG_SUBFILETYPE, std::uint32_t(pageCount > 1 ? FILETYPE_PAGE : 0));
    TIFFSetField(tif, TIFFTAG_PAGENUMBER, std::uint16_t(pageIndex), std::uint16_t(pageCount));
}

// Rows first .. first + count - 1 of pix in the byte order a TIFF row has (packed bits, bytes, or
// R,G,B triples), one after another in strip. A strip at a time, so that no second page-sized
// copy is made: a fresh one costs a page fault every 4 KiB on top of the copying.
void fileOrderStrip(Pix* pix, std::uint32_t first, std::uint32_t count, std::int64_t rowBytes,
                    std::vector<unsigned char>& strip)
{
    if (pixGetDepth(pix) == 32) {
        BOX* box = boxCreate(0, l_int32(first), pixGetWidth(pix), l_int32(count));
        PixPtr part(box ? pixClipRectangle(pix, box, nullptr) : nullptr);
        boxDestroy(&box);
        PixPtr rows(part ? pixConvert32To24(part.get()) : nullptr);
        if (!rows)
            throw EngineError(ErrOutOfMemory, msg::outOfMemory());
        const auto* base = reinterpret_cast<const unsigned char*>(pixGetData(rows.get()));
        const std::int64_t stride = std::int64_t(pixGetWpl(rows.get())) * 4;
        for (std::uint32_t r = 0; r < count; ++r)
            std::memcpy(strip.data() + std::int64_t(r) * rowBytes, base + std::int64_t(r) * stride,
                        static_cast<size_t>(rowBytes));
        return;
    }
    // Leptonica keeps 1- and 8-bit samples in 32-bit words, most significant byte first: a row of
    // the file is those words big-endian. Whole words are written; the last one's extra bytes fall
    // where the next row begins, and strip has a word of room beyond its rows for the last one.
    const l_uint32* data = pixGetData(pix);
    const int wpl = pixGetWpl(pix);
    for (std::uint32_t r = 0; r < count; ++r)
        qToBigEndian<quint32>(data + std::int64_t(first + r) * wpl, wpl, strip.data() + std::int64_t(r) * rowBytes);
}

template <typename T>
void copyField(TIFF* in, TIFF* out, ttag_t tag)
{
    T value{};
    if (TIFFGetField(in, tag, &value))
        TIFFSetField(out, tag, value);
}

void copyFloatField(TIFF* in, TIFF* out, ttag_t tag)
{
    float value = 0;
    if (TIFFGetField(in, tag, &value))
        TIFFSetField(out, tag, double(value));  // varargs promote float to double
}

void copyFloatArray(TIFF* in, TIFF* out, ttag_t tag)
{
    float* values = nullptr;
    if (TIFFGetField(in, tag, &values) && values)
        TIFFSetField(out, tag, values);
}

void copyCountedBlob(TIFF* in, TIFF* out, ttag_t tag)
{
    std::uint32_t count = 0;
    void* data = nullptr;
    if (TIFFGetField(in, tag, &count, &data) && data && count > 0)
        TIFFSetField(out, tag, count, data);
}

bool usesPredictor(std::uint16_t compression)
{
    return compression == COMPRESSION_LZW || compression == COMPRESSION_ADOBE_DEFLATE ||
           compression == COMPRESSION_DEFLATE || compression == COMPRESSION_ZSTD ||
           compression == COMPRESSION_LZMA;
}

// Every tag that tells a reader how to decode and place the copied strips, and the descriptive
// ones worth keeping. The compression is set before the tags that belong to its codec.
void copyPageTags(TIFF* in, TIFF* out, std::uint16_t compression)
{
    TIFFSetField(out, TIFFTAG_COMPRESSION, compression);
    copyField<std::uint32_t>(in, out, TIFFTAG_IMAGEWIDTH);
    copyField<std::uint32_t>(in, out, TIFFTAG_IMAGELENGTH);
    if (TIFFIsTiled(in)) {
        copyField<std::uint32_t>(in, out, TIFFTAG_TILEWIDTH);
        copyField<std::uint32_t>(in, out, TIFFTAG_TILELENGTH);
    } else {
        std::uint32_t rowsPerStrip = 0;
        TIFFGetFieldDefaulted(in, TIFFTAG_ROWSPERSTRIP, &rowsPerStrip);
        TIFFSetField(out, TIFFTAG_ROWSPERSTRIP, rowsPerStrip);
    }
    for (ttag_t tag : {TIFFTAG_BITSPERSAMPLE, TIFFTAG_SAMPLESPERPIXEL, TIFFTAG_PHOTOMETRIC, TIFFTAG_FILLORDER,
                       TIFFTAG_ORIENTATION, TIFFTAG_PLANARCONFIG, TIFFTAG_RESOLUTIONUNIT, TIFFTAG_THRESHHOLDING,
                       TIFFTAG_INKSET, TIFFTAG_SAMPLEFORMAT, TIFFTAG_YCBCRPOSITIONING, TIFFTAG_MINSAMPLEVALUE,
                       TIFFTAG_MAXSAMPLEVALUE})
        copyField<std::uint16_t>(in, out, tag);
    for (ttag_t tag : {TIFFTAG_XRESOLUTION, TIFFTAG_YRESOLUTION, TIFFTAG_XPOSITION, TIFFTAG_YPOSITION})
        copyFloatField(in, out, tag);
    for (ttag_t tag : {TIFFTAG_SOFTWARE, TIFFTAG_DATETIME, TIFFTAG_ARTIST, TIFFTAG_IMAGEDESCRIPTION,
                       TIFFTAG_DOCUMENTNAME, TIFFTAG_PAGENAME, TIFFTAG_MAKE, TIFFTAG_MODEL, TIFFTAG_HOSTCOMPUTER,
                       TIFFTAG_COPYRIGHT})
        copyField<const char*>(in, out, tag);
    for (ttag_t tag : {TIFFTAG_REFERENCEBLACKWHITE, TIFFTAG_YCBCRCOEFFICIENTS, TIFFTAG_WHITEPOINT,
                       TIFFTAG_PRIMARYCHROMATICITIES})
        copyFloatArray(in, out, tag);
    copyCountedBlob(in, out, TIFFTAG_ICCPROFILE);

    std::uint16_t first = 0, second = 0;
    if (TIFFGetField(in, TIFFTAG_YCBCRSUBSAMPLING, &first, &second))
        TIFFSetField(out, TIFFTAG_YCBCRSUBSAMPLING, first, second);
    std::uint16_t extraCount = 0;
    std::uint16_t* extra = nullptr;
    if (TIFFGetField(in, TIFFTAG_EXTRASAMPLES, &extraCount, &extra) && extraCount > 0)
        TIFFSetField(out, TIFFTAG_EXTRASAMPLES, extraCount, extra);
    std::uint16_t *red = nullptr, *green = nullptr, *blue = nullptr;
    if (TIFFGetField(in, TIFFTAG_COLORMAP, &red, &green, &blue))
        TIFFSetField(out, TIFFTAG_COLORMAP, red, green, blue);

    if (usesPredictor(compression))
        copyField<std::uint16_t>(in, out, TIFFTAG_PREDICTOR);
    if (compression == COMPRESSION_CCITTFAX3)
        copyField<std::uint32_t>(in, out, TIFFTAG_GROUP3OPTIONS);
    if (compression == COMPRESSION_CCITTFAX4)
        copyField<std::uint32_t>(in, out, TIFFTAG_GROUP4OPTIONS);
    if (isFax(compression)) {
        copyField<std::uint16_t>(in, out, TIFFTAG_CLEANFAXDATA);
        copyField<std::uint32_t>(in, out, TIFFTAG_BADFAXLINES);
        copyField<std::uint32_t>(in, out, TIFFTAG_CONSECUTIVEBADFAXLINES);
    }
    if (compression == COMPRESSION_JPEG)
        copyCountedBlob(in, out, TIFFTAG_JPEGTABLES);
}

// Raw bytes of every strip or tile, as stored. Each read is bounded by what the file holds, so a
// damaged byte count costs an error, not the memory it claims.
void copyRawChunks(const TiffFile& in, const TiffFile& out)
{
    TIFF* src = in.get();
    TIFF* dst = out.get();
    const bool tiled = TIFFIsTiled(src) != 0;
    const std::uint32_t chunks = tiled ? TIFFNumberOfTiles(src) : TIFFNumberOfStrips(src);
    std::uint64_t* byteCounts = nullptr;
    if (!TIFFGetField(src, tiled ? TIFFTAG_TILEBYTECOUNTS : TIFFTAG_STRIPBYTECOUNTS, &byteCounts) || !byteCounts)
        in.failRead(msg::missingStripSizes());
    const std::uint64_t fileSize = in.fileSize();
    std::vector<unsigned char> buffer;
    for (std::uint32_t chunk = 0; chunk < chunks; ++chunk) {
        const std::uint64_t size = byteCounts[chunk];
        const std::uint64_t offset = TIFFGetStrileOffset(src, chunk);
        if (size > kMaxRawChunk)
            in.failRead(msg::invalidStripSize());
        if (offset > fileSize || size > fileSize - offset)
            in.failRead(msg::stripOutsideFile(int(chunk) + 1));
        if (buffer.size() < size) {
            try {
                buffer.resize(static_cast<size_t>(size));
            } catch (const std::bad_alloc&) {
                throw EngineError(ErrOutOfMemory, msg::outOfMemory());
            }
        }
        const tmsize_t wanted = static_cast<tmsize_t>(size);
        const tmsize_t got = tiled ? TIFFReadRawTile(src, chunk, buffer.data(), wanted)
                                   : TIFFReadRawStrip(src, chunk, buffer.data(), wanted);
        if (got != wanted)
            in.failRead(msg::badStrip(int(chunk) + 1));
        const tmsize_t written = tiled ? TIFFWriteRawTile(dst, chunk, buffer.data(), got)
                                       : TIFFWriteRawStrip(dst, chunk, buffer.data(), got);
        if (written != got)
            out.failWrite();
    }
}

}  // namespace

int TiffPageFormat(const TiffFile& file)
{
    TIFF* tif = file.get();
    std::uint16_t compression = COMPRESSION_NONE;
    TIFFGetFieldDefaulted(tif, TIFFTAG_COMPRESSION, &compression);
    std::uint32_t group3 = 0;
    if (compression == COMPRESSION_CCITTFAX3)
        TIFFGetField(tif, TIFFTAG_GROUP3OPTIONS, &group3);
    int chromaSamples = 1;
    std::uint16_t photometric = 0, samples = 1;
    TIFFGetField(tif, TIFFTAG_PHOTOMETRIC, &photometric);
    TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLESPERPIXEL, &samples);
    if ((compression == COMPRESSION_JPEG || compression == COMPRESSION_OJPEG) && photometric == PHOTOMETRIC_YCBCR) {
        std::uint16_t h = 2, v = 2;
        TIFFGetFieldDefaulted(tif, TIFFTAG_YCBCRSUBSAMPLING, &h, &v);
        chromaSamples = int(h) * int(v);
    }
    return FormatOfTiffPage(compression, group3, chromaSamples);
}

Image ReadTiffPage(const TiffFile& file)
{
    TIFF* tif = file.get();
    const PageLayout layout = ReadTiffPageLayout(file);
    if (layout.width > std::uint32_t(std::numeric_limits<int>::max()) ||
        layout.height > std::uint32_t(std::numeric_limits<int>::max()))
        throw EngineError(ErrOutOfMemory, msg::outOfMemory());
    const Kind kind = kindOf(layout);
    file.clearError();
    CheckPageSize(layout.width, layout.height, kind == Kind::Bitonal ? 1 : (kind == Kind::Grey ? 8 : 24));
    checkDataCanFill(file, layout);

    // Rows read straight into the image: strips of contiguous unsigned samples, top row first.
    // Everything else goes through the RGBA reader, which also turns other orientations upright.
    const bool contiguous = !layout.tiled && (layout.planar == PLANARCONFIG_CONTIG || layout.samplesPerPixel == 1) &&
                            layout.sampleFormat == SAMPLEFORMAT_UINT && layout.orientation == ORIENTATION_TOPLEFT;
    const bool jpegYcc = layout.compression == COMPRESSION_JPEG && layout.photometric == PHOTOMETRIC_YCBCR;
    Pix* pix = nullptr;
    if (contiguous && layout.samplesPerPixel == 1 && (layout.bitsPerSample == 1 || layout.bitsPerSample == 8) &&
        kind != Kind::Colour) {
        pix = readGreyStrips(file, layout);
    } else if (contiguous && layout.samplesPerPixel == 1 && layout.photometric == PHOTOMETRIC_PALETTE &&
               (layout.bitsPerSample == 2 || layout.bitsPerSample == 4 || layout.bitsPerSample == 8) &&
               !paletteIsGrey(tif, layout.bitsPerSample)) {
        pix = readPaletteStrips(file, layout);
    } else if (contiguous && layout.samplesPerPixel == 3 && layout.bitsPerSample == 8 &&
               (layout.photometric == PHOTOMETRIC_RGB || jpegYcc)) {
        if (jpegYcc)
            TIFFSetField(tif, TIFFTAG_JPEGCOLORMODE, JPEGCOLORMODE_RGB);
        pix = readRgbStrips(file, layout);
    } else {
        Kind target = kind;
        if (layout.photometric == PHOTOMETRIC_PALETTE && paletteIsGrey(tif, layout.bitsPerSample))
            target = Kind::Grey;
        pix = finishKind(readThroughRgba(file, layout), target);
    }
    PixPtr owned(pix);
    // The CCITT decoders report bad code words and carry on with the next line; a page that
    // decoded with errors is damaged, not a page.
    if (!file.lastError().isEmpty())
        file.failRead();
    readResolution(file, pix);
    return Image::adopt(owned.release(), TiffPageFormat(file));
}

void WriteTiffPage(const TiffFile& out, const Image& image, int format, int qualityFactor, int pageIndex,
                   int pageCount)
{
    const FormatInfo* info = FindFormat(format);
    if (!info || info->container != Container::Tiff)
        throw EngineError(ErrUnsupported, msg::unknownFormatCode(format));
    TIFF* tif = out.get();
    Pix* pix = image.pix();
    const int depth = image.depth();
    const bool jpeg = info->tiffCompression == COMPRESSION_JPEG;
    if ((info->bitonalOnly && depth != 1) || (jpeg && (depth == 1 || image.hasPalette())))
        throw EngineError(ErrUnsupported, msg::unsupportedBits(depth));

    const std::uint32_t width = static_cast<std::uint32_t>(image.width());
    const std::uint32_t height = static_cast<std::uint32_t>(image.height());
    const int samples = depth == 24 ? 3 : 1;
    TIFFSetField(tif, TIFFTAG_IMAGEWIDTH, width);
    TIFFSetField(tif, TIFFTAG_IMAGELENGTH, height);
    TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, std::uint16_t(depth == 1 ? 1 : 8));
    TIFFSetField(tif, TIFFTAG_SAMPLESPERPIXEL, std::uint16_t(samples));
    TIFFSetField(tif, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tif, TIFFTAG_ORIENTATION, ORIENTATION_TOPLEFT);
    TIFFSetField(tif, TIFFTAG_COMPRESSION, info->tiffCompression);
    if (depth == 1) {
        TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISWHITE);
        TIFFSetField(tif, TIFFTAG_FILLORDER, FILLORDER_MSB2LSB);
    } else if (image.hasPalette()) {
        TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_PALETTE);
        std::vector<std::uint16_t> red(256, 0), green(256, 0), blue(256, 0);
        PIXCMAP* cmap = pixGetColormap(pix);
        for (int i = 0; i < pixcmapGetCount(cmap) && i < 256; ++i) {
            l_int32 r = 0, g = 0, b = 0;
            pixcmapGetColor(cmap, i, &r, &g, &b);
            red[i] = std::uint16_t(r * 257);
            green[i] = std::uint16_t(g * 257);
            blue[i] = std::uint16_t(b * 257);
        }
        TIFFSetField(tif, TIFFTAG_COLORMAP, red.data(), green.data(), blue.data());
    } else if (depth == 8) {
        TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISBLACK);
    } else if (jpeg) {
        TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_YCBCR);
        TIFFSetField(tif, TIFFTAG_YCBCRSUBSAMPLING, std::uint16_t(info->chromaDivisor), std::uint16_t(1));
    } else {
        TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
    }
    if (info->tiffCompression == COMPRESSION_CCITTFAX3)
        TIFFSetField(tif, TIFFTAG_GROUP3OPTIONS, info->group3Options);
    if (info->tiffCompression == COMPRESSION_LZW && depth != 1 && !image.hasPalette())
        TIFFSetField(tif, TIFFTAG_PREDICTOR, PREDICTOR_HORIZONTAL);
    if (jpeg) {
        TIFFSetField(tif, TIFFTAG_JPEGQUALITY, JpegQualityForFactor(qualityFactor));
        if (depth == 24)
            TIFFSetField(tif, TIFFTAG_JPEGCOLORMODE, JPEGCOLORMODE_RGB);  // libjpeg converts and subsamples
    }
    if (image.xResolution() > 0 && image.yResolution() > 0) {
        TIFFSetField(tif, TIFFTAG_RESOLUTIONUNIT, RESUNIT_INCH);
        TIFFSetField(tif, TIFFTAG_XRESOLUTION, double(image.xResolution()));
        TIFFSetField(tif, TIFFTAG_YRESOLUTION, double(image.yResolution()));
    }
    setPageTags(tif, pageIndex, pageCount);

    const std::int64_t rowBytes = (std::int64_t(width) * depth + 7) / 8;
    const std::uint32_t rowsPerStrip = rowsPerStripFor(rowBytes, height, jpeg);
    TIFFSetField(tif, TIFFTAG_ROWSPERSTRIP, rowsPerStrip);

    std::vector<unsigned char> strip(static_cast<size_t>(rowBytes * rowsPerStrip + 4));
    const std::uint32_t strips = (height + rowsPerStrip - 1) / rowsPerStrip;
    for (std::uint32_t s = 0; s < strips; ++s) {
        const std::uint32_t first = s * rowsPerStrip;
        const std::uint32_t count = std::min(rowsPerStrip, height - first);
        fileOrderStrip(pix, first, count, rowBytes, strip);
        if (TIFFWriteEncodedStrip(tif, s, strip.data(), static_cast<tmsize_t>(rowBytes * count)) < 0)
            out.failWrite();
    }
    if (!TIFFWriteDirectory(tif))
        out.failWrite();
}

void CopyTiffPage(const TiffFile& in, const TiffFile& out, int pageIndex, int pageCount)
{
    TIFF* src = in.get();
    TIFF* dst = out.get();
    std::uint16_t compression = COMPRESSION_NONE;
    TIFFGetFieldDefaulted(src, TIFFTAG_COMPRESSION, &compression);
    if (compression == COMPRESSION_OJPEG) {
        // Old-style JPEG keeps its tables outside the strips; such a page is written anew.
        const Image page = ReadTiffPage(in);
        WriteTiffPage(out, page, page.depth() == 1 ? FormatTiffG4 : FormatTiffLzw, 128, pageIndex, pageCount);
        return;
    }
    copyPageTags(src, dst, compression);
    setPageTags(dst, pageIndex, pageCount);
    copyRawChunks(in, out);
    if (!TIFFWriteDirectory(dst))
        out.failWrite();
}

TiffPageLayout ReadTiffPageLayout(const TiffFile& file)
{
    TIFF* tif = file.get();
    TiffPageLayout layout;
    if (!TIFFGetField(tif, TIFFTAG_IMAGEWIDTH, &layout.width) || !TIFFGetField(tif, TIFFTAG_IMAGELENGTH, &layout.height))
        file.failRead(msg::missingImageSize());
    TIFFGetFieldDefaulted(tif, TIFFTAG_BITSPERSAMPLE, &layout.bitsPerSample);
    TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLESPERPIXEL, &layout.samplesPerPixel);
    TIFFGetFieldDefaulted(tif, TIFFTAG_PLANARCONFIG, &layout.planar);
    TIFFGetFieldDefaulted(tif, TIFFTAG_COMPRESSION, &layout.compression);
    TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLEFORMAT, &layout.sampleFormat);
    TIFFGetFieldDefaulted(tif, TIFFTAG_ORIENTATION, &layout.orientation);
    TIFFGetFieldDefaulted(tif, TIFFTAG_FILLORDER, &layout.fillOrder);
    if (!TIFFGetField(tif, TIFFTAG_PHOTOMETRIC, &layout.photometric))
        layout.photometric = layout.samplesPerPixel >= 3 ? PHOTOMETRIC_RGB : PHOTOMETRIC_MINISWHITE;
    layout.tiled = TIFFIsTiled(tif) != 0;
    layout.chunks = layout.tiled ? TIFFNumberOfTiles(tif) : TIFFNumberOfStrips(tif);
    return layout;
}

QPoint TiffPageResolution(const TiffFile& file)
{
    TIFF* tif = file.get();
    float x = 0, y = 0;
    std::uint16_t unit = RESUNIT_INCH;
    TIFFGetFieldDefaulted(tif, TIFFTAG_RESOLUTIONUNIT, &unit);
    if (!TIFFGetField(tif, TIFFTAG_XRESOLUTION, &x) || !std::isfinite(x) || x <= 0)
        x = 0;
    if (!TIFFGetField(tif, TIFFTAG_YRESOLUTION, &y) || !std::isfinite(y) || y <= 0)
        y = x;
    if (unit == RESUNIT_NONE) {
        x = 0;
        y = 0;
    }
    const double perInch = unit == RESUNIT_CENTIMETER ? 2.54 : 1.0;
    const auto toDpi = [perInch](float v) { return static_cast<int>(std::lround(std::min(v * perInch, 1.0e6))); };
    return {toDpi(x), toDpi(y)};
}

std::vector<QByteArray> TiffJpegBands(const TiffFile& file, const TiffPageLayout& layout)
{
    if (layout.compression != COMPRESSION_JPEG || layout.bitsPerSample != 8 ||
        (layout.samplesPerPixel != 1 && layout.samplesPerPixel != 3) || layout.planar != PLANARCONFIG_CONTIG ||
        layout.orientation != ORIENTATION_TOPLEFT || layout.tiled || layout.chunks == 0)
        return {};
    TIFF* tif = file.get();
    QByteArray head;
    std::uint32_t tableBytes = 0;
    void* tables = nullptr;
    if (TIFFGetField(tif, TIFFTAG_JPEGTABLES, &tableBytes, &tables) && tables && tableBytes > 4) {
        head = QByteArray(static_cast<const char*>(tables), static_cast<qsizetype>(tableBytes));
        if (!head.startsWith("\xFF\xD8") || !head.endsWith("\xFF\xD9"))
            return {};
        head.chop(2);
    }
    // The strips are parts of the file: sizes claimed beyond it are damage, refused before anything
    // is allocated for them.
    std::uint64_t budget = file.fileSize();
    std::vector<QByteArray> bands;
    for (std::uint32_t strip = 0; strip < layout.chunks; ++strip) {
        const tmsize_t size = TIFFRawStripSize(tif, strip);
        if (size < 4 || std::uint64_t(size) > budget)
            return {};
        budget -= std::uint64_t(size);
        QByteArray data(static_cast<qsizetype>(size), Qt::Uninitialized);
        if (TIFFReadRawStrip(tif, strip, data.data(), size) != size || !data.startsWith("\xFF\xD8"))
            return {};
        bands.push_back(head.isEmpty() ? data : head + data.mid(2));
    }
    return bands;
}

}  // namespace scanvo::engine
