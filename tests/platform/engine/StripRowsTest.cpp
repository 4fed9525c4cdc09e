// Large pages decoded by the reading thread and a helper together: the same pixels and the same
// failure as a reading from top to bottom, and the helper reads the file that was opened.
#include "EngineTestPages.h"

#include "platform/engine/EngineError.h"
#include "platform/engine/FormatCodes.h"
#include "platform/engine/ImageFile.h"
#include "platform/engine/TiffFile.h"
#include "platform/engine/TiffStripRows.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <leptonica/allheaders.h>
#include <tiffio.h>

#include <functional>
#include <optional>
#include <vector>

using namespace scanvo::engine;
using namespace enginetest;

namespace {

constexpr int kA4Width = 2480;  // 300 dpi
constexpr int kA4Height = 3508;

// Writes page as one uncompressed or LZW TIFF page of rowsPerStrip rows per strip.
void writeInStrips(const QString& path, const Image& page, std::uint32_t rowsPerStrip, std::uint16_t compression)
{
    Pix* pix = page.pix();
    const int depth = pixGetDepth(pix);
    ASSERT_TRUE(depth == 1 || depth == 8);
    const std::uint32_t width = pixGetWidth(pix);
    const std::uint32_t height = pixGetHeight(pix);
    TIFF* tif = TIFFOpen(QFile::encodeName(path).constData(), "w");
    ASSERT_NE(tif, nullptr);
    TIFFSetField(tif, TIFFTAG_IMAGEWIDTH, width);
    TIFFSetField(tif, TIFFTAG_IMAGELENGTH, height);
    TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, std::uint16_t(depth));
    TIFFSetField(tif, TIFFTAG_SAMPLESPERPIXEL, std::uint16_t(1));
    TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, depth == 1 ? PHOTOMETRIC_MINISWHITE : PHOTOMETRIC_MINISBLACK);
    TIFFSetField(tif, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tif, TIFFTAG_COMPRESSION, compression);
    TIFFSetField(tif, TIFFTAG_ROWSPERSTRIP, rowsPerStrip);
    // Leptonica's words hold their bytes most significant first: swapped, a line is a file row.
    Pix* rows = pixEndianByteSwapNew(pix);
    ASSERT_NE(rows, nullptr);
    const tmsize_t rowBytes = (tmsize_t(width) * depth + 7) / 8;
    for (std::uint32_t row = 0; row < height; ++row) {
        auto* line = reinterpret_cast<unsigned char*>(pixGetData(rows) + std::int64_t(row) * pixGetWpl(rows));
        std::vector<unsigned char> copy(line, line + rowBytes);
        ASSERT_EQ(TIFFWriteScanline(tif, copy.data(), row, 0), 1);
    }
    pixDestroy(&rows);
    TIFFClose(tif);
}

struct StripPlace {
    quint64 offset = 0;
    quint64 size = 0;
};

// Where each strip of the first page of path lies.
std::vector<StripPlace> stripPlaces(const QString& path)
{
    std::vector<StripPlace> places;
    TIFF* tif = TIFFOpen(QFile::encodeName(path).constData(), "r");
    EXPECT_NE(tif, nullptr);
    if (!tif)
        return places;
    for (std::uint32_t strip = 0; strip < TIFFNumberOfStrips(tif); ++strip)
        places.push_back({TIFFGetStrileOffset(tif, strip), TIFFGetStrileByteCount(tif, strip)});
    TIFFClose(tif);
    return places;
}

// Bytes that decode to nothing sensible, from the given fraction of the strip to its end; the same
// ones every run.
void scramble(QByteArray& bytes, const StripPlace& place, double from)
{
    quint32 state = 2024u + quint32(place.offset);
    for (quint64 i = quint64(double(place.size) * from); i < place.size; ++i) {
        state = state * 1103515245u + 12345u;
        bytes[qsizetype(place.offset + i)] = char(state >> 24);
    }
}

// Loads path's page until a helper has shared in the reading (or tries run out); every load must
// give expected.
void expectSharedLoadsMatch(const QString& path, int page, const Image& expected, int tries = 100)
{
    const std::uint64_t before = StripsReadByHelpers();
    for (int attempt = 0; attempt < tries; ++attempt) {
        const Image back = LoadPage(path, page);
        ASSERT_TRUE(back.samePixels(expected)) << "load " << attempt + 1;
        if (StripsReadByHelpers() > before && attempt >= 2)
            return;
    }
    ADD_FAILURE() << "no helper read any strip in " << tries << " loads";
}

}  // namespace

TEST(SharedStripReading, LargePagesKeepEveryPixelWhateverTheirStrips)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const Image bitonal = BitonalPage(kA4Width, kA4Height, 1);
    const Image grey = GreyPage(kA4Width / 2, kA4Height / 2, 2);
    const Image colour = ColourPage(kA4Width / 2, kA4Height / 2, 3);
    struct Case {
        const char* name;
        const Image& page;
        std::function<void(const QString&)> write;
    };
    const std::vector<Case> cases = {
        {"G4 as saved", bitonal, [&](const QString& path) { SavePage(bitonal, path, SaveAt(SaveNew, 0, FormatTiffG4)); }},
        {"bitonal, a row per strip", bitonal, [&](const QString& path) { writeInStrips(path, bitonal, 1, COMPRESSION_NONE); }},
        {"bitonal, one strip and a last row", bitonal,
         [&](const QString& path) { writeInStrips(path, bitonal, kA4Height - 1, COMPRESSION_NONE); }},
        {"grey LZW, seven rows per strip", grey, [&](const QString& path) { writeInStrips(path, grey, 7, COMPRESSION_LZW); }},
        {"colour LZW as saved", colour, [&](const QString& path) { SavePage(colour, path, SaveAt(SaveNew, 0, FormatTiffLzw)); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(QString::fromLatin1(c.name) + QStringLiteral(".tif"));
        c.write(path);
        expectSharedLoadsMatch(path, 1, c.page);
    }
}

TEST(SharedStripReading, PagesOfAMultiPageFileAreReadFromTheirOwnPlace)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("multi.tif"));
    std::vector<Image> pages;
    for (int n = 1; n <= 3; ++n) {
        pages.push_back(BitonalPage(kA4Width - 40 * n, kA4Height, n));
        SavePage(pages.back(), path, SaveAt(n == 1 ? SaveNew : SaveAppend, 0));
    }
    for (int page : {3, 2, 1}) {
        SCOPED_TRACE(testing::Message() << "page " << page);
        expectSharedLoadsMatch(path, page, pages.at(size_t(page - 1)));
    }
}

TEST(SharedStripReading, JpegStripsKeepTheirColours)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const Image colour = ColourPage(kA4Width / 2, kA4Height / 2, 4);
    const QString path = dir.filePath(QStringLiteral("jpeg.tif"));
    SavePage(colour, path, SaveAt(SaveNew, 0, FormatTiffJpeg422));
    const Image reference = LoadPage(path, 1);
    EXPECT_GT(Psnr(reference, colour), 30.0);
    // Every load decodes the same strips the same way, whichever thread took them.
    expectSharedLoadsMatch(path, 1, reference);
}

TEST(SharedStripReading, TheFirstDamagedStripInPageOrderIsReported)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString intact = dir.filePath(QStringLiteral("intact.tif"));
    SavePage(BitonalPage(kA4Width, kA4Height, 5), intact, SaveAt(SaveNew, 0, FormatTiffG4));
    const std::vector<StripPlace> places = stripPlaces(intact);
    ASSERT_GE(places.size(), 8u);
    const int last = int(places.size()) - 1;
    struct Damage {
        int strip;
        double from;  // the damaged part of the strip, as a fraction of its bytes to its end
    };
    // A strip damaged only near its end fails late, often after a thread on a later damaged strip
    // has already failed: the earlier strip is still the one reported.
    // The longest strip is damaged past its middle, so that it surely fails, and late.
    int longest = 1;
    for (int strip = 2; strip < last - 1; ++strip)
        if (places.at(size_t(strip)).size > places.at(size_t(longest)).size)
            longest = strip;
    const std::vector<std::vector<Damage>> damages = {
        {{0, 0.0}},
        {{1, 0.0}},
        {{last, 0.0}},
        {{last / 2, 0.0}, {last, 0.0}},
        {{longest, 0.6}, {longest + 1, 0.0}},
        {{longest, 0.6}, {longest + 1, 0.0}, {longest + 2, 0.0}},
    };
    for (const std::vector<Damage>& damaged : damages) {
        QByteArray bytes = FileBytes(intact);
        for (const Damage& damage : damaged)
            scramble(bytes, places.at(size_t(damage.strip)), damage.from);
        const int first = damaged.front().strip;
        const QString path = dir.filePath(QStringLiteral("damaged-%1-%2.tif").arg(first).arg(damaged.size()));
        WriteBytes(path, bytes);
        const QString expected = QStringLiteral("第 %1 条带").arg(first + 1);
        for (int attempt = 0; attempt < 20; ++attempt) {
            SCOPED_TRACE(testing::Message() << "first damaged strip " << first << ", load " << attempt + 1);
            try {
                LoadPage(path, 1);
                ADD_FAILURE() << "a damaged page loaded";
            } catch (const EngineError& error) {
                EXPECT_EQ(error.number(), ErrFileRead);
                EXPECT_TRUE(error.description().contains(expected)) << error.description().toStdString();
                EXPECT_TRUE(error.description().contains(path)) << error.description().toStdString();
                EXPECT_FALSE(error.description().contains(QStringLiteral("/proc/"))) << error.description().toStdString();
            }
        }
    }
}

TEST(TiffFileReopen, ReadsTheFileThatIsOpenAtItsPageWhateverThePathNamesNow)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("doc.tif"));
    const QString other = dir.filePath(QStringLiteral("other.tif"));
    SavePage(BitonalPage(300, 200, 1), path, SaveAt(SaveNew, 0, FormatTiffG4));
    SavePage(BitonalPage(500, 400, 2), path, SaveAt(SaveAppend, 0));
    SavePage(BitonalPage(700, 600, 3), other, SaveAt(SaveNew, 0, FormatTiffG4));

    std::optional<TiffFile> file = TiffFile::openRead(path);
    file->selectPage(1);
    const std::uint64_t size = file->fileSize();
    const TiffFile::Reopening reopening = file->reopening();
    file.reset();  // the reopening keeps what it needs of the file
    ASSERT_EQ(std::rename(QFile::encodeName(other).constData(), QFile::encodeName(path).constData()), 0);
    const TiffFile again = TiffFile::reopenRead(reopening);
    std::uint32_t width = 0, height = 0;
    ASSERT_TRUE(TIFFGetField(again.get(), TIFFTAG_IMAGEWIDTH, &width));
    ASSERT_TRUE(TIFFGetField(again.get(), TIFFTAG_IMAGELENGTH, &height));
    EXPECT_EQ(width, 500u);
    EXPECT_EQ(height, 400u);
    EXPECT_EQ(again.path(), path);
    EXPECT_EQ(again.fileSize(), size);
    EXPECT_EQ(again.pageCount(), 2);
}
