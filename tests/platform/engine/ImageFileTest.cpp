// Page files: every format code written and read back, depth conversion on save, the quality
// factor, and pages stored in layouts the engine never writes itself.
#include "EngineTestPages.h"

#include "platform/engine/EngineError.h"
#include "platform/engine/ImageDepth.h"
#include "platform/engine/ImageFile.h"
#include "platform/engine/PixPtr.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <leptonica/allheaders.h>
#include <tiffio.h>

#include <cmath>
#include <functional>

using namespace scanvo::engine;
using namespace enginetest;

namespace {

constexpr int kWidth = 827;   // A4 at 100 dpi: large enough for realistic strips, quick to code
constexpr int kHeight = 1169;

QString pathIn(const QTemporaryDir& dir, const QString& name)
{
    return dir.filePath(name);
}

SaveOptions optionsFor(int format, int quality = 128, int bits = 0)
{
    SaveOptions options;
    options.format = format;
    options.quality = quality;
    options.bits = bits;
    return options;
}

QString extensionFor(int format)
{
    return IsJpegFileFormat(format) ? QStringLiteral("jpg") : QStringLiteral("tif");
}

}  // namespace

TEST(ImageFileRoundTrip, LosslessCodesKeepPixelsResolutionAndReportTheirCode)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    struct Case {
        int format;
        Image page;
    };
    const Image bitonal = BitonalPage(kWidth, kHeight, 1, 204, 196);
    const Image grey = GreyPage(kWidth, kHeight, 2, 300, 150);
    const Image colour = ColourPage(kWidth, kHeight, 3, 150, 150);
    const std::vector<Case> cases = {
        {FormatTiffG4, bitonal},  {FormatTiffG3TwoDim, bitonal}, {FormatTiffG3OneDim, bitonal},
        {FormatTiffCcitt, bitonal}, {FormatTiffLzw, bitonal},    {FormatTiffUncompressed, bitonal},
        {FormatTiffLzw, grey},    {FormatTiffUncompressed, grey}, {FormatTiffLzw, colour},
        {FormatTiffUncompressed, colour},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "format " << c.format << " depth " << c.page.depth());
        const QString path = pathIn(dir, QStringLiteral("page-%1-%2.tif").arg(c.format).arg(c.page.depth()));
        SavePage(c.page, path, optionsFor(c.format));
        EXPECT_EQ(PageCount(path), 1);
        const Image back = LoadPage(path, 1);
        EXPECT_EQ(back.loadFormat(), c.format);
        EXPECT_EQ(back.depth(), c.page.depth());
        EXPECT_TRUE(back.samePixels(c.page));
        EXPECT_EQ(back.xResolution(), c.page.xResolution());
        EXPECT_EQ(back.yResolution(), c.page.yResolution());
    }
}

TEST(ImageFileRoundTrip, JpegCodesStayCloseAndReportTheirSubsampling)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const Image colour = ColourPage(kWidth, kHeight, 4, 300, 300);
    const Image grey = GreyPage(kWidth, kHeight, 5, 200, 200);
    for (int format : {FormatTiffJpeg444, FormatTiffJpeg422, FormatTiffJpeg411, FormatJpeg444, FormatJpeg422,
                       FormatJpeg411}) {
        SCOPED_TRACE(testing::Message() << "format " << format);
        const QString path = pathIn(dir, QStringLiteral("colour-%1.%2").arg(format).arg(extensionFor(format)));
        SavePage(colour, path, optionsFor(format, 125));
        const Image back = LoadPage(path, 1);
        EXPECT_EQ(back.loadFormat(), format);
        EXPECT_EQ(back.depth(), 24);
        EXPECT_EQ(back.xResolution(), 300);
        EXPECT_GT(Psnr(back, colour), 30.0);

        const QString greyPath = pathIn(dir, QStringLiteral("grey-%1.%2").arg(format).arg(extensionFor(format)));
        SavePage(grey, greyPath, optionsFor(format, 125));
        const Image greyBack = LoadPage(greyPath, 1);
        EXPECT_EQ(greyBack.depth(), 8);
        EXPECT_EQ(greyBack.yResolution(), 200);
        EXPECT_GT(Psnr(greyBack, grey), 30.0);
    }
}

TEST(ImageFileRoundTrip, QualityFactorDecidesJpegQuality)
{
    EXPECT_EQ(JpegQualityForFactor(125), 50);
    EXPECT_EQ(JpegQualityForFactor(0), 100);
    EXPECT_EQ(JpegQualityForFactor(15), 94);
    EXPECT_EQ(JpegQualityForFactor(130), 48);
    EXPECT_EQ(JpegQualityForFactor(245), 2);
    EXPECT_EQ(JpegQualityForFactor(248), 1);
    EXPECT_EQ(JpegQualityForFactor(255), 1);
    EXPECT_EQ(JpegQualityForFactor(-40), 100);

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const Image colour = ColourPage(kWidth, kHeight, 6);
    const QString best = pathIn(dir, QStringLiteral("best.jpg"));
    const QString smallest = pathIn(dir, QStringLiteral("smallest.jpg"));
    SavePage(colour, best, optionsFor(FormatJpeg444, 15));
    SavePage(colour, smallest, optionsFor(FormatJpeg444, 245));
    EXPECT_GT(FileBytes(best).size(), 3 * FileBytes(smallest).size());
    EXPECT_GT(Psnr(LoadPage(best), colour), Psnr(LoadPage(smallest), colour) + 5.0);
}

TEST(ImageFileRoundTrip, SaveConvertsToTheDepthTheFormatHolds)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const Image colour = ColourPage(kWidth, kHeight, 7);
    const Image bitonal = BitonalPage(kWidth, kHeight, 7);
    struct Case {
        const Image* page;
        int format;
        int bits;
        int expectedDepth;
    };
    const std::vector<Case> cases = {
        {&colour, FormatTiffG4, 0, 1},          // CCITT holds one bit: thresholded
        {&colour, FormatTiffG3OneDim, 24, 1},   // whatever bits asks for
        {&bitonal, FormatJpeg422, 0, 8},        // JPEG holds grey or colour
        {&bitonal, FormatTiffJpeg444, 24, 24},
        {&colour, FormatTiffLzw, 8, 8},         // bits forces the written depth
        {&bitonal, FormatTiffUncompressed, 24, 24},
        {&colour, FormatJpeg444, 8, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "format " << c.format << " bits " << c.bits);
        const QString path = pathIn(dir, QStringLiteral("depth-%1-%2.%3").arg(c.format).arg(c.bits).arg(extensionFor(c.format)));
        SavePage(*c.page, path, optionsFor(c.format, 30, c.bits));
        const Image back = LoadPage(path);
        EXPECT_EQ(back.depth(), c.expectedDepth);
        if (!IsJpegFileFormat(c.format) && c.format != FormatTiffJpeg444) {
            EXPECT_TRUE(back.samePixels(ConvertDepth(*c.page, c.expectedDepth, false)));
        }
    }
    // A thresholded colour page keeps its text black and its paper white.
    const Image thresholded = LoadPage(pathIn(dir, QStringLiteral("depth-29-0.tif")));
    l_uint32 corner = 1;
    pixGetPixel(thresholded.pix(), 2, 2, &corner);
    EXPECT_EQ(corner, 0u);
    l_int32 black = 0;
    pixCountPixels(thresholded.pix(), &black, nullptr);
    EXPECT_GT(black, 1000);

    EXPECT_THROW(SavePage(colour, pathIn(dir, QStringLiteral("x.tif")), optionsFor(FormatTiffLzw, 128, 4)), EngineError);
    EXPECT_THROW(SavePage(colour, pathIn(dir, QStringLiteral("x.tif")), optionsFor(12)), EngineError);
    EXPECT_THROW(SavePage(Image(), pathIn(dir, QStringLiteral("x.tif")), optionsFor(FormatTiffLzw)), EngineError);
}

TEST(ImageFileRoundTrip, PalettePageKeepsItsColoursInLosslessTiff)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Pix* pix = pixCreate(64, 48, 8);
    PIXCMAP* cmap = pixcmapCreate(8);
    pixcmapAddColor(cmap, 255, 255, 255);
    pixcmapAddColor(cmap, 200, 30, 30);
    pixcmapAddColor(cmap, 20, 160, 40);
    pixSetColormap(pix, cmap);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x)
            pixSetPixel(pix, x, y, (x / 8 + y / 8) % 3);
    pixSetResolution(pix, 96, 96);
    const Image palette = Image::adopt(pix);
    // Written back as they are, with their own depth (0) or with the depth they were shown in (8),
    // palette pages come back as palette pages, save after save: never as three times larger colour.
    for (const int format : {FormatTiffLzw, FormatTiffUncompressed}) {
        for (const int bits : {0, 8}) {
            SCOPED_TRACE(testing::Message() << "format " << format << ", bits " << bits);
            const QString path = dir.filePath(QStringLiteral("palette-%1-%2.tif").arg(format).arg(bits));
            SaveOptions options = optionsFor(format);
            options.bits = bits;
            SavePage(palette, path, options);
            const qint64 firstSize = QFileInfo(path).size();
            Image back = LoadPage(path);
            for (int save = 0; save < 2; ++save) {
                EXPECT_EQ(back.depth(), 8);
                EXPECT_TRUE(back.hasPalette());
                EXPECT_FALSE(back.isGrey());
                EXPECT_TRUE(ConvertDepth(back, 24).samePixels(ConvertDepth(palette, 24)));
                options.bits = back.depth();
                SavePage(back, path, options);
                EXPECT_EQ(QFileInfo(path).size(), firstSize);
                back = LoadPage(path);
            }
        }
    }
}

namespace {

// Writes an uncompressed TIFF page with the given layout, in one strip or in 16 x 16 tiles, storing
// data exactly as given.
void writeRawTiff(const QString& path, uint32_t w, uint32_t h, uint16_t bps, uint16_t spp, uint16_t photometric,
                  const std::function<void(TIFF*)>& extraTags, const QByteArray& data, bool tiled = false)
{
    TIFF* tif = TIFFOpen(QFile::encodeName(path).constData(), "w");
    ASSERT_NE(tif, nullptr);
    TIFFSetField(tif, TIFFTAG_IMAGEWIDTH, w);
    TIFFSetField(tif, TIFFTAG_IMAGELENGTH, h);
    TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, bps);
    TIFFSetField(tif, TIFFTAG_SAMPLESPERPIXEL, spp);
    TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, photometric);
    TIFFSetField(tif, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tif, TIFFTAG_COMPRESSION, COMPRESSION_NONE);
    if (extraTags)
        extraTags(tif);
    if (tiled) {
        TIFFSetField(tif, TIFFTAG_TILEWIDTH, uint32_t(16));
        TIFFSetField(tif, TIFFTAG_TILELENGTH, uint32_t(16));
        const tmsize_t tileSize = TIFFTileSize(tif);
        const qsizetype rowBytes = qsizetype(w) * spp * bps / 8;
        const qsizetype tileRow = qsizetype(16) * spp * bps / 8;
        for (uint32_t ty = 0; ty < h; ty += 16)
            for (uint32_t tx = 0; tx < w; tx += 16) {
                QByteArray tile(tileSize, '\0');
                const qsizetype x0 = qsizetype(tx) * spp * bps / 8;
                for (qsizetype r = 0; r < 16 && ty + r < h; ++r)
                    for (qsizetype b = 0; b < tileRow && x0 + b < rowBytes; ++b)
                        tile[r * tileRow + b] = data.at((qsizetype(ty) + r) * rowBytes + x0 + b);
                ASSERT_EQ(TIFFWriteRawTile(tif, TIFFComputeTile(tif, tx, ty, 0, 0), tile.data(), tile.size()),
                          tile.size());
            }
    } else {
        TIFFSetField(tif, TIFFTAG_ROWSPERSTRIP, h);
        // Raw: the bytes are stored exactly as given, whatever the fill order says.
        QByteArray copy = data;
        ASSERT_EQ(TIFFWriteRawStrip(tif, 0, copy.data(), copy.size()), copy.size());
    }
    TIFFClose(tif);
}

l_int32 grey(const Image& image, int x, int y)
{
    l_uint32 value = 0;
    pixGetPixel(image.pix(), x, y, &value);
    return l_int32(value);
}

void rgb(const Image& image, int x, int y, l_int32* r, l_int32* g, l_int32* b)
{
    pixGetRGBPixel(image.pix(), x, y, r, g, b);
}

}  // namespace

TEST(ImageFileLoad, OtherStoredLayoutsBecomeOneEightOrTwentyFourBits)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    constexpr uint32_t w = 40, h = 20;

    // 1 bit, min-is-black: a set bit is white.
    QByteArray bits(int(h * w / 8), '\0');
    bits[0] = char(0x80);  // pixel (0,0) set: white; the rest black
    const QString minIsBlack = dir.filePath(QStringLiteral("minisblack.tif"));
    writeRawTiff(minIsBlack, w, h, 1, 1, PHOTOMETRIC_MINISBLACK, nullptr, bits);
    const Image mib = LoadPage(minIsBlack);
    EXPECT_EQ(mib.depth(), 1);
    EXPECT_EQ(grey(mib, 0, 0), 0);  // white
    EXPECT_EQ(grey(mib, 1, 0), 1);  // black

    // 1 bit, least significant bit first.
    QByteArray lsb(int(h * w / 8), '\0');
    lsb[0] = 0x01;  // with LSB-first fill order this is pixel (0,0)
    const QString lsbPath = dir.filePath(QStringLiteral("lsb.tif"));
    writeRawTiff(lsbPath, w, h, 1, 1, PHOTOMETRIC_MINISWHITE,
                 [](TIFF* t) { TIFFSetField(t, TIFFTAG_FILLORDER, FILLORDER_LSB2MSB); }, lsb);
    const Image lsbPage = LoadPage(lsbPath);
    EXPECT_EQ(grey(lsbPage, 0, 0), 1);
    EXPECT_EQ(grey(lsbPage, 7, 0), 0);

    // 4 bit grey: nibble 15 is white.
    QByteArray nibbles(int(h * w / 2), '\0');
    nibbles[0] = char(0xF0);
    const QString fourBit = dir.filePath(QStringLiteral("grey4.tif"));
    writeRawTiff(fourBit, w, h, 4, 1, PHOTOMETRIC_MINISBLACK, nullptr, nibbles);
    const Image g4 = LoadPage(fourBit);
    EXPECT_EQ(g4.depth(), 8);
    EXPECT_EQ(grey(g4, 0, 0), 255);
    EXPECT_EQ(grey(g4, 1, 0), 0);

    // 16 bit grey, min-is-white.
    QByteArray words(int(h * w * 2), '\0');
    const QString sixteen = dir.filePath(QStringLiteral("grey16.tif"));
    writeRawTiff(sixteen, w, h, 16, 1, PHOTOMETRIC_MINISWHITE, nullptr, words);
    const Image g16 = LoadPage(sixteen);
    EXPECT_EQ(g16.depth(), 8);
    EXPECT_EQ(grey(g16, 5, 5), 255);  // zero means white here

    // 8 bit palette with colours: a palette page, colours as the table says.
    QByteArray indexes(int(h * w), '\0');
    indexes[1] = 1;
    const QString palette = dir.filePath(QStringLiteral("palette8.tif"));
    writeRawTiff(palette, w, h, 8, 1, PHOTOMETRIC_PALETTE,
                 [](TIFF* t) {
                     static uint16_t r[256] = {}, g[256] = {}, b[256] = {};
                     r[1] = 65535;
                     b[0] = 65535;
                     TIFFSetField(t, TIFFTAG_COLORMAP, r, g, b);
                 },
                 indexes);
    const Image pal8 = LoadPage(palette);
    EXPECT_EQ(pal8.depth(), 8);
    EXPECT_TRUE(pal8.hasPalette());
    const Image pal = ConvertDepth(pal8, 24);
    l_int32 r = 0, g = 0, b = 0;
    rgb(pal, 1, 0, &r, &g, &b);
    EXPECT_EQ(r, 255);
    EXPECT_EQ(b, 0);
    rgb(pal, 0, 0, &r, &g, &b);
    EXPECT_EQ(b, 255);

    // 4 bit palette: an 8-bit palette page with the same colours.
    QByteArray nibbleIndexes(int(h * w / 2), '\0');
    nibbleIndexes[0] = char(0x21);  // pixel 0 index 2, pixel 1 index 1
    const QString palette4 = dir.filePath(QStringLiteral("palette4.tif"));
    writeRawTiff(palette4, w, h, 4, 1, PHOTOMETRIC_PALETTE,
                 [](TIFF* t) {
                     static uint16_t r[16] = {}, g[16] = {}, b[16] = {};
                     r[1] = 65535;
                     g[2] = 65535;
                     TIFFSetField(t, TIFFTAG_COLORMAP, r, g, b);
                 },
                 nibbleIndexes);
    const Image small = LoadPage(palette4);
    EXPECT_EQ(small.depth(), 8);
    EXPECT_TRUE(small.hasPalette());
    rgb(ConvertDepth(small, 24), 0, 0, &r, &g, &b);
    EXPECT_EQ(g, 255);
    EXPECT_EQ(r, 0);
    rgb(ConvertDepth(small, 24), 1, 0, &r, &g, &b);
    EXPECT_EQ(r, 255);
    EXPECT_EQ(g, 0);

    // CMYK: pure cyan.
    QByteArray cmyk(int(h * w * 4), '\0');
    for (uint32_t i = 0; i < w * h; ++i)
        cmyk[int(i * 4)] = char(255);
    const QString separated = dir.filePath(QStringLiteral("cmyk.tif"));
    writeRawTiff(separated, w, h, 8, 4, PHOTOMETRIC_SEPARATED, nullptr, cmyk);
    const Image cy = LoadPage(separated);
    EXPECT_EQ(cy.depth(), 24);
    rgb(cy, 3, 3, &r, &g, &b);
    EXPECT_EQ(r, 0);
    EXPECT_EQ(g, 255);
    EXPECT_EQ(b, 255);

    // Tiled RGB whose width is not a multiple of the tile.
    QByteArray pixels(int(h * w * 3), '\0');
    for (uint32_t y = 0; y < h; ++y)
        for (uint32_t x = 0; x < w; ++x) {
            pixels[int((y * w + x) * 3)] = char(x * 6);
            pixels[int((y * w + x) * 3 + 1)] = char(y * 12);
            pixels[int((y * w + x) * 3 + 2)] = char(77);
        }
    const QString tiled = dir.filePath(QStringLiteral("tiled.tif"));
    writeRawTiff(tiled, w, h, 8, 3, PHOTOMETRIC_RGB, nullptr, pixels, true);
    const Image tl = LoadPage(tiled);
    EXPECT_EQ(tl.depth(), 24);
    rgb(tl, 37, 19, &r, &g, &b);
    EXPECT_EQ(r, 37 * 6);
    EXPECT_EQ(g, 19 * 12);
    EXPECT_EQ(b, 77);
    EXPECT_EQ(tl.loadFormat(), FormatTiffUncompressed);
}

TEST(ImageFileLoad, OtherFileTypesLoadAsOnePage)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QImage drawn = DrawPage(200, 150, 9, true);
    const QString png = dir.filePath(QStringLiteral("page.png"));
    ASSERT_TRUE(drawn.save(png, "PNG"));
    EXPECT_EQ(PageCount(png), 1);
    const Image back = LoadPage(png);
    EXPECT_EQ(back.depth(), 24);
    EXPECT_TRUE(back.samePixels(Image::fromQImage(drawn)));
    EXPECT_EQ(back.loadFormat(), FormatNone);
    EXPECT_THROW(LoadPage(png, 2), EngineError);
}

TEST(ImageFileLoad, PagesOutsideTheFileAreRefused)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("one.tif"));
    SavePage(BitonalPage(100, 100), path, optionsFor(FormatTiffG4));
    for (int page : {0, 2, -1}) {
        try {
            LoadPage(path, page);
            ADD_FAILURE() << "page " << page << " loaded";
        } catch (const EngineError& error) {
            EXPECT_EQ(error.number(), ErrPageRange);
        }
    }
    const QString jpeg = dir.filePath(QStringLiteral("one.jpg"));
    SavePage(ColourPage(100, 100), jpeg, optionsFor(FormatJpeg422));
    EXPECT_EQ(PageCount(jpeg), 1);
    EXPECT_THROW(LoadPage(jpeg, 2), EngineError);
}

TEST(ImageFileLoad, JpegFilesDecodeReducedToTheScaleTheyAreShownAt)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    struct Case {
        Image page;
        int format;
        const char* name;
    };
    const Case cases[] = {{ColourPage(kWidth, kHeight, 6, 300, 300), FormatJpeg422, "colour.jpg"},
                          {GreyPage(kWidth, kHeight, 7, 200, 200), FormatJpeg444, "grey.jpg"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        SavePage(c.page, path, optionsFor(c.format, 100));
        const Image whole = LoadPage(path);
        // scale asked for -> reduction expected: the largest of 1, 2, 4, 8 whose rounded-up size
        // still covers the scale on both sides.
        const std::pair<double, int> steps[] = {{2.0, 1}, {1.0, 1}, {0.6, 1}, {0.5, 2}, {0.3, 2},
                                                {0.25, 4}, {0.13, 4}, {0.125, 8}, {0.01, 8}};
        for (const auto& [scale, reduction] : steps) {
            SCOPED_TRACE(testing::Message() << "scale " << scale);
            QSize asked;
            const ScaledPage shown = LoadPageScaled(path, 1, [&](QSize size) {
                asked = size;
                return scale;
            });
            EXPECT_EQ(asked, QSize(kWidth, kHeight));
            EXPECT_EQ(shown.pageSize, QSize(kWidth, kHeight));
            EXPECT_EQ(shown.image.width(), (kWidth + reduction - 1) / reduction);
            EXPECT_EQ(shown.image.height(), (kHeight + reduction - 1) / reduction);
            EXPECT_GE(shown.image.width(), kWidth * std::min(scale, 1.0) - 1);
            EXPECT_EQ(shown.isReduced(), reduction != 1);
            EXPECT_EQ(shown.image.depth(), whole.depth());
            EXPECT_EQ(shown.image.xResolution(), whole.xResolution());
            EXPECT_EQ(shown.image.loadFormat(), c.format);
            if (reduction == 1) {
                EXPECT_TRUE(shown.image.samePixels(whole));
                continue;
            }
            // The same picture as the whole page scaled down afterwards.
            PixPtr scaled(pixScale(whole.pix(), 1.0f / reduction, 1.0f / reduction));
            ASSERT_TRUE(scaled);
            PixPtr clipped(pixClipRectangle(scaled.get(), BoxPtr(boxCreate(0, 0, shown.image.width() - 1,
                                                                           shown.image.height() - 1)).get(), nullptr));
            PixPtr ours(pixClipRectangle(shown.image.pix(), BoxPtr(boxCreate(0, 0, shown.image.width() - 1,
                                                                             shown.image.height() - 1)).get(), nullptr));
            EXPECT_GT(Psnr(Image::adopt(ours.release()), Image::adopt(clipped.release())), 24.0);
        }
    }
}

TEST(ImageFileLoad, OnlyJpegPagesAreDecodedReduced)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto tiny = [](QSize) { return 0.05; };
    for (int format : {FormatTiffG4, FormatTiffJpeg422, FormatTiffLzw}) {
        SCOPED_TRACE(testing::Message() << "format " << format);
        const QString path = dir.filePath(QStringLiteral("page-%1.tif").arg(format));
        SavePage(format == FormatTiffG4 ? BitonalPage(kWidth, kHeight) : ColourPage(kWidth, kHeight), path,
                 optionsFor(format));
        SavePage(GreyPage(300, 200), path, SaveAt(SaveAppend, 0, format == FormatTiffG4 ? FormatTiffLzw : format));
        const Image whole = LoadPage(path, 2);
        const ScaledPage shown = LoadPageScaled(path, 2, tiny);
        EXPECT_EQ(shown.pageSize, QSize(300, 200));
        if (format != FormatTiffJpeg422) {
            EXPECT_FALSE(shown.isReduced());
            EXPECT_TRUE(shown.image.samePixels(whole));
            continue;
        }
        // A JPEG-in-TIFF page: each strip decoded at an eighth and the bands stacked, the same
        // picture as the whole page scaled down afterwards, in its depth, resolution and format.
        ASSERT_TRUE(shown.isReduced());
        EXPECT_EQ(shown.image.width(), (300 + 7) / 8);
        EXPECT_EQ(shown.image.height(), (200 + 7) / 8);
        EXPECT_EQ(shown.image.depth(), whole.depth());
        EXPECT_EQ(shown.image.xResolution(), whole.xResolution());
        EXPECT_EQ(shown.image.loadFormat(), whole.loadFormat());
        PixPtr scaled(pixScale(whole.pix(), 0.125f, 0.125f));
        ASSERT_TRUE(scaled);
        const BoxPtr common(boxCreate(0, 0, std::min(shown.image.width(), pixGetWidth(scaled.get())) - 1,
                                      std::min(shown.image.height(), pixGetHeight(scaled.get())) - 1));
        PixPtr theirs(pixClipRectangle(scaled.get(), common.get(), nullptr));
        PixPtr ours(pixClipRectangle(shown.image.pix(), common.get(), nullptr));
        EXPECT_GT(Psnr(Image::adopt(ours.release()), Image::adopt(theirs.release())), 24.0);
    }
    // A stream that ends early stays an error however little of it is decoded, and so does a page
    // beyond a JPEG file's one.
    const QString jpeg = dir.filePath(QStringLiteral("cut.jpg"));
    SavePage(ColourPage(kWidth, kHeight), jpeg, optionsFor(FormatJpeg422));
    const QByteArray bytes = FileBytes(jpeg);
    EXPECT_THROW(LoadPageScaled(jpeg, 2, tiny), EngineError);
    WriteBytes(jpeg, bytes.left(bytes.size() * 2 / 3));
    EXPECT_THROW(LoadPageScaled(jpeg, 1, tiny), EngineError);
    // A scale that is no number shows the page whole.
    WriteBytes(jpeg, bytes);
    EXPECT_FALSE(LoadPageScaled(jpeg, 1, [](QSize) { return std::nan(""); }).isReduced());
}
