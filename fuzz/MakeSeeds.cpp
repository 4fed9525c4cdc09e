// Writes the seed corpora of the fuzz targets into DIR/tiff, DIR/jpeg, DIR/edit and DIR/ini:
//   fuzz_make_seeds DIR
// Small pages in every coding the engine writes, layouts other writers use (palette, tiles,
// big-endian, BigTIFF, progressive JPEG), damaged variants, and INI texts in both encodings.
#include "FuzzSupport.h"

#include "platform/engine/ImageFile.h"

#include <QDir>
#include <QFile>

#include <jpeglib.h>
#include <leptonica/allheaders.h>
#include <tiffio.h>

#include <cstdio>
#include <vector>

using namespace scanvo::engine;

namespace {

constexpr int kWidth = 40;
constexpr int kHeight = 32;

Image patterned(int depth, int label)
{
    Image image = Image::create(kWidth, kHeight, depth, 150, 150);
    Pix* pix = image.pix();
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const int v = (x * 7 + y * 3 + label * 11) % 256;
            if (depth == 1)
                pixSetPixel(pix, x, y, ((x / 4 + y / 4 + label) % 3) == 0);
            else if (depth == 8)
                pixSetPixel(pix, x, y, l_uint32(v));
            else
                pixSetRGBPixel(pix, x, y, v, (v * 3) % 256, 255 - v);
        }
    return image;
}

// A page large enough that the reader shares its strips with a helper thread, and plain enough to
// code small: a few lines and boxes on white (bitonal), or a smooth ramp (grey).
Image largePage(int depth)
{
    const int width = depth == 1 ? 2048 : 640;
    const int height = depth == 1 ? 1024 : 512;
    Image image = Image::create(width, height, depth, 150, 150);
    Pix* pix = image.pix();
    if (depth == 1) {
        pixClearAll(pix);
        for (int n = 0; n < 8; ++n)
            pixRasterop(pix, 64 + n * 240, 40 + n * 120, 160, 48, PIX_SET, nullptr, 0, 0);
        for (int y = 0; y < height; ++y)
            pixSetPixel(pix, y * 2, y, 1);
    } else {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                pixSetPixel(pix, x, y, l_uint32((x + y) / 5 % 256));
    }
    return image;
}

Image pageFor(int format, int label)
{
    if (IsBitonalFormat(format))
        return patterned(1, label);
    return patterned(format == FormatTiffUncompressed ? 8 : 24, label);
}

void save(const Image& page, const QString& path, int format, int mode = SaveNew)
{
    SaveOptions options;
    options.format = format;
    options.mode = mode;
    options.quality = 200;  // small seeds
    SavePage(page, path, options);
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void put(const QString& dir, const QString& name, const QByteArray& bytes)
{
    QFile file(dir + QLatin1Char('/') + name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        scanvofuzz::Violated("cannot write a seed");
}

// A page libtiff writes directly, in a layout the engine itself never writes.
QByteArray libtiffPage(const QString& path, const char* mode, bool tiled, bool palette, bool separate)
{
    TIFF* tif = TIFFOpen(QFile::encodeName(path).constData(), mode);
    if (!tif)
        scanvofuzz::Violated("libtiff cannot write a seed");
    const std::uint16_t samples = palette ? 1 : 3;
    TIFFSetField(tif, TIFFTAG_IMAGEWIDTH, std::uint32_t(kWidth));
    TIFFSetField(tif, TIFFTAG_IMAGELENGTH, std::uint32_t(kHeight));
    TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, std::uint16_t(palette ? 4 : 8));
    TIFFSetField(tif, TIFFTAG_SAMPLESPERPIXEL, samples);
    TIFFSetField(tif, TIFFTAG_PLANARCONFIG, separate ? PLANARCONFIG_SEPARATE : PLANARCONFIG_CONTIG);
    TIFFSetField(tif, TIFFTAG_COMPRESSION, palette ? COMPRESSION_PACKBITS : COMPRESSION_DEFLATE);
    TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, palette ? PHOTOMETRIC_PALETTE : PHOTOMETRIC_RGB);
    if (palette) {
        static std::uint16_t red[16], green[16], blue[16];
        for (int i = 0; i < 16; ++i) {
            red[i] = std::uint16_t(i * 4096);
            green[i] = std::uint16_t(65535 - i * 4096);
            blue[i] = std::uint16_t((i % 4) * 16384);
        }
        TIFFSetField(tif, TIFFTAG_COLORMAP, red, green, blue);
    }
    const int planes = separate ? samples : 1;
    const int rowBytes = palette ? kWidth / 2 : (separate ? kWidth : kWidth * samples);
    if (tiled) {
        TIFFSetField(tif, TIFFTAG_TILEWIDTH, std::uint32_t(16));
        TIFFSetField(tif, TIFFTAG_TILELENGTH, std::uint32_t(16));
        std::vector<unsigned char> tile(size_t(TIFFTileSize(tif)), 0x5A);
        for (ttile_t t = 0; t < TIFFNumberOfTiles(tif); ++t) {
            for (size_t i = 0; i < tile.size(); ++i)
                tile[i] = static_cast<unsigned char>(i * 13 + t * 7);
            TIFFWriteEncodedTile(tif, t, tile.data(), tmsize_t(tile.size()));
        }
    } else {
        TIFFSetField(tif, TIFFTAG_ROWSPERSTRIP, std::uint32_t(8));
        std::vector<unsigned char> row(static_cast<size_t>(rowBytes));
        for (int plane = 0; plane < planes; ++plane)
            for (int y = 0; y < kHeight; ++y) {
                for (int x = 0; x < rowBytes; ++x)
                    row[size_t(x)] = static_cast<unsigned char>(x * 5 + y * 3 + plane * 70);
                TIFFWriteScanline(tif, row.data(), std::uint32_t(y), std::uint16_t(plane));
            }
    }
    TIFFClose(tif);
    return bytesOf(path);
}

QByteArray progressiveJpeg(bool grey)
{
    jpeg_compress_struct cinfo {};
    jpeg_error_mgr err {};
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &out, &size);
    cinfo.image_width = kWidth;
    cinfo.image_height = kHeight;
    cinfo.input_components = grey ? 1 : 3;
    cinfo.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 40, TRUE);
    jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<unsigned char> row(size_t(kWidth * cinfo.input_components));
    while (cinfo.next_scanline < cinfo.image_height) {
        for (size_t i = 0; i < row.size(); ++i)
            row[i] = static_cast<unsigned char>(i * 9 + cinfo.next_scanline * 4);
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    const QByteArray bytes(reinterpret_cast<const char*>(out), qsizetype(size));
    std::free(out);
    return bytes;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
        return 1;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QString tiffDir = root + QStringLiteral("/tiff"), jpegDir = root + QStringLiteral("/jpeg"),
                  editDir = root + QStringLiteral("/edit"), iniDir = root + QStringLiteral("/ini");
    for (const QString& dir : {tiffDir, jpegDir, editDir, iniDir})
        QDir().mkpath(dir);
    const QString scratch = scanvofuzz::ScratchDirectory() + QStringLiteral("/seed");

    std::vector<std::pair<QString, QByteArray>> tiffs;
    const int tiffFormats[] = {FormatTiffUncompressed, FormatTiffJpeg444, FormatTiffLzw,     FormatTiffJpeg411,
                               FormatTiffJpeg422,      FormatTiffCcitt,   FormatTiffG3OneDim, FormatTiffG3TwoDim,
                               FormatTiffG4};
    for (const int format : tiffFormats) {
        save(pageFor(format, 1), scratch, format);
        tiffs.push_back({QStringLiteral("format-%1.tif").arg(format), bytesOf(scratch)});
    }
    // Three pages of three codings, whole and cut short after the second.
    save(pageFor(FormatTiffG4, 1), scratch, FormatTiffG4);
    save(pageFor(FormatTiffLzw, 2), scratch, FormatTiffLzw, SaveAppend);
    const qint64 twoPages = QFile(scratch).size();
    save(pageFor(FormatTiffJpeg422, 3), scratch, FormatTiffJpeg422, SaveAppend);
    const QByteArray threePages = bytesOf(scratch);
    const QByteArray cut = threePages.left(twoPages + 16);
    tiffs.push_back({QStringLiteral("three-pages.tif"), threePages});
    tiffs.push_back({QStringLiteral("cut-after-two.tif"), cut});
    // A palette page as the engine writes it, and layouts of other writers.
    Image palette = patterned(8, 4);
    PIXCMAP* cmap = pixcmapCreateRandom(8, 0, 0);
    pixSetColormap(palette.pix(), cmap);
    save(palette, scratch, FormatTiffLzw);
    tiffs.push_back({QStringLiteral("palette.tif"), bytesOf(scratch)});
    tiffs.push_back({QStringLiteral("tiled-deflate.tif"), libtiffPage(scratch, "w", true, false, false)});
    tiffs.push_back({QStringLiteral("planar-big-endian.tif"), libtiffPage(scratch, "wb", false, false, true)});
    tiffs.push_back({QStringLiteral("palette4-packbits.tif"), libtiffPage(scratch, "w", false, true, false)});
    tiffs.push_back({QStringLiteral("bigtiff.tif"), libtiffPage(scratch, "w8", false, false, false)});
    // Pages whose strips two threads decode together.
    save(largePage(1), scratch, FormatTiffG4);
    tiffs.push_back({QStringLiteral("large-g4.tif"), bytesOf(scratch)});
    save(largePage(8), scratch, FormatTiffLzw);
    tiffs.push_back({QStringLiteral("large-grey-lzw.tif"), bytesOf(scratch)});
    for (const auto& [name, bytes] : tiffs)
        put(tiffDir, name, bytes);

    // Edits: the first byte chooses edit, page and coding.
    const std::pair<QString, QByteArray> editables[] = {
        {QStringLiteral("g4.tif"), tiffs[std::size(tiffFormats) - 1].second}, {QStringLiteral("three-pages.tif"), threePages},
        {QStringLiteral("cut-after-two.tif"), cut}};
    for (int choice : {0, 1, 2, 3, 4 + 8, 5 + 16, 6 + 8, 3 + 8, 0x80 + 2, 0x80 + 3})
        for (const auto& [name, bytes] : editables)
            put(editDir, QStringLiteral("%1-%2").arg(choice).arg(name), char(choice) + bytes);

    for (const int format : {FormatJpeg444, FormatJpeg422, FormatJpeg411}) {
        save(patterned(24, format), scratch, format);
        put(jpegDir, QStringLiteral("colour-%1.jpg").arg(format), bytesOf(scratch));
    }
    save(patterned(8, 5), scratch, FormatJpeg444);
    put(jpegDir, QStringLiteral("grey.jpg"), bytesOf(scratch));
    put(jpegDir, QStringLiteral("progressive.jpg"), progressiveJpeg(false));
    put(jpegDir, QStringLiteral("progressive-grey.jpg"), progressiveJpeg(true));

    const QByteArray settings = "[Save]\nTif1Compress=0\nTif2Compress=2\nTif2Quality=3\nTif2QualityValue=50\n"
                                "JpgCompress=1\n; comment\n\n[Scan]\nLocalPath=/home/user/Scans\nDocName=a\\b\n";
    put(iniDir, QStringLiteral("settings.ini"), settings);
    put(iniDir, QStringLiteral("bom-crlf.ini"), QByteArray("\xEF\xBB\xBF") + QByteArray(settings).replace("\n", "\r\n"));
    put(iniDir, QStringLiteral("several-marks.ini"), QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF\xEF\xBB\xBF") + settings);
    put(iniDir, QStringLiteral("gb18030-mark.ini"), QByteArray("\x84\x31\x95\x33[Scan]\nDocName=\xC9\xA8\n"));
    put(iniDir, QStringLiteral("gb18030.ini"), QByteArray("[Scan]\r\nLocalPath=D:\\\xC9\xA8\xC3\xE8\r\n"));
    put(iniDir, QStringLiteral("positions.ini"), QByteArray("[ImagePos]\nA=3\nb = 12 \n[ImagePos]\nA=4\n"));
    return 0;
}
