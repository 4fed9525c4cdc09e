// Damaged input and failed writes: every one is an EngineError, never a crash, and a failed write
// leaves the file that was there byte for byte as it was.
#include "EngineTestPages.h"

#include "platform/engine/EngineError.h"
#include "platform/engine/ImageFile.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <leptonica/allheaders.h>
#include <tiffio.h>

#include <jerror.h>
#include <jpeglib.h>

#include <gtest/gtest.h>

#include <csetjmp>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace scanvo::engine;
using namespace enginetest;

namespace {

SaveOptions at(int mode, int page, int format = FormatTiffG4)
{
    SaveOptions options;
    options.format = format;
    options.mode = mode;
    options.page = page;
    return options;
}

// A minimal little-endian TIFF whose one directory claims width x height pixels of bps bits in
// one strip coded as compression, while the strip holds only data.
QByteArray claimedSizeTiff(quint32 width, quint32 height, quint16 bps, quint16 compression = 1,
                           const QByteArray& data = QByteArray(16, '\0'))
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("II", 2);
    out << quint16(42) << quint32(8);
    struct Entry {
        quint16 tag, type;
        quint32 count, value;
    };
    constexpr quint16 kShort = 3, kLong = 4;
    const quint32 dataOffset = 8 + 2 + 9 * 12 + 4;
    const Entry entries[] = {
        {256, kLong, 1, width},        {257, kLong, 1, height},     {258, kShort, 1, bps},
        {259, kShort, 1, compression}, {262, kShort, 1, 1},         {273, kLong, 1, dataOffset},
        {277, kShort, 1, 1},           {278, kLong, 1, height},     {279, kLong, 1, quint32(data.size())},
    };
    out << quint16(std::size(entries));
    for (const Entry& e : entries) {
        out << e.tag << e.type << e.count;
        if (e.type == kShort)
            out << quint16(e.value) << quint16(0);
        else
            out << e.value;
    }
    out << quint32(0);
    out.writeRawData(data.constData(), int(data.size()));
    return bytes;
}

// Bytes that look like nothing in particular to a decoder.
QByteArray noise(int size)
{
    QByteArray bytes(size, '\0');
    quint32 state = 12345;
    for (char& c : bytes) {
        state = state * 1103515245 + 12345;
        c = char(state >> 24);
    }
    return bytes;
}

// A JPEG of 32 x 32 pixels whose frame header claims width x height.
QByteArray claimedSizeJpeg(const QString& scratch, quint16 width = 65500, quint16 height = 65500, bool grey = false)
{
    SavePage(grey ? GreyPage(32, 32) : ColourPage(32, 32), scratch, at(SaveNew, 0, FormatJpeg444));
    QByteArray bytes = FileBytes(scratch);
    const qsizetype sof = bytes.indexOf(QByteArrayLiteral("\xFF\xC0"));
    EXPECT_GT(sof, 0);
    for (const auto& [at, side] : {std::pair{5, height}, std::pair{7, width}}) {  // big-endian
        bytes[sof + at] = char(side >> 8);
        bytes[sof + at + 1] = char(side & 0xFF);
    }
    return bytes;
}

struct JpegTestError {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

// A grey gradient of width x height coded as arithmetic-coded JPEG through libjpeg itself; empty
// when the library cannot code it.
QByteArray arithmeticJpeg(int width, int height)
{
    jpeg_compress_struct cinfo {};
    JpegTestError err {};
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = [](j_common_ptr c) { std::longjmp(reinterpret_cast<JpegTestError*>(c->err)->jump, 1); };
    err.pub.output_message = [](j_common_ptr) {};
    unsigned char* out = nullptr;
    unsigned long size = 0;
    std::vector<JSAMPLE> row(static_cast<size_t>(width));
    if (setjmp(err.jump)) {
        jpeg_destroy_compress(&cinfo);
        std::free(out);
        return {};
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &out, &size);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = 1;
    cinfo.in_color_space = JCS_GRAYSCALE;
    jpeg_set_defaults(&cinfo);
    cinfo.arith_code = TRUE;
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        for (int x = 0; x < width; ++x)
            row[size_t(x)] = JSAMPLE((x + int(cinfo.next_scanline)) * 255 / (width + height));
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray bytes(reinterpret_cast<const char*>(out), qsizetype(size));
    std::free(out);
    return bytes;
}

// The same stream with its frame header claiming width x height.
QByteArray claimedSizeArithmeticJpeg(quint16 width, quint16 height)
{
    QByteArray bytes = arithmeticJpeg(32, 32);
    const qsizetype sof = bytes.indexOf(QByteArrayLiteral("\xFF\xC9"));  // arithmetic, sequential
    EXPECT_GT(sof, 0);
    for (const auto& [at, side] : {std::pair{5, height}, std::pair{7, width}}) {  // big-endian
        bytes[sof + at] = char(side >> 8);
        bytes[sof + at + 1] = char(side & 0xFF);
    }
    return bytes;
}

// A small page in one of the formats Leptonica reads besides TIFF and JPEG (IFF_PNG, ...).
QByteArray leptonicaFile(const Image& page, l_int32 format)
{
    l_uint8* data = nullptr;
    size_t size = 0;
    EXPECT_EQ(pixWriteMem(&data, &size, page.pix(), format), 0);
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    lept_free(data);
    return bytes;
}

void putLittleEndian(QByteArray& bytes, qsizetype at, quint32 value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes[at + i] = char((value >> (8 * i)) & 0xFF);
}

void putBigEndian32(QByteArray& bytes, qsizetype at, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = char((value >> (8 * (3 - i))) & 0xFF);
}

// The same small page with a header that claims width x height.
QByteArray claimedSizeOther(l_int32 format, quint32 width, quint32 height)
{
    QByteArray bytes = leptonicaFile(GreyPage(32, 32), format);
    switch (format) {
    case IFF_BMP:  // the info header's width and height
        putLittleEndian(bytes, 18, width, 4);
        putLittleEndian(bytes, 22, height, 4);
        break;
    case IFF_PNG:  // IHDR, right after the signature and the chunk's length and name
        putBigEndian32(bytes, 16, width);
        putBigEndian32(bytes, 20, height);
        break;
    case IFF_GIF: {  // the logical screen, and the image: its descriptor follows the colour table
        putLittleEndian(bytes, 6, width, 2);
        putLittleEndian(bytes, 8, height, 2);
        const qsizetype image = 13 + ((bytes[10] & 0x80) ? 3 * (2 << (bytes[10] & 7)) : 0);
        const qsizetype descriptor = bytes.indexOf(char(0x2C), image);
        EXPECT_GE(descriptor, image);
        putLittleEndian(bytes, descriptor + 5, width, 2);
        putLittleEndian(bytes, descriptor + 7, height, 2);
        break;
    }
    default:
        ADD_FAILURE() << "no header to change for format " << format;
    }
    return bytes;
}

// Lowers the process's file-size limit for the scope, the way a full disk stops a write part way.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old {};
    void (*m_oldHandler)(int) = nullptr;
};

// The description of the error, after checking its number.
QString expectEngineError(const std::function<void()>& action, std::initializer_list<int> numbers, const char* what)
{
    try {
        action();
        ADD_FAILURE() << what << ": no error";
    } catch (const EngineError& error) {
        EXPECT_TRUE(std::find(numbers.begin(), numbers.end(), error.number()) != numbers.end())
            << what << ": " << error.number() << " " << error.description().toStdString();
        EXPECT_FALSE(error.description().isEmpty()) << what;
        return error.description();
    }
    return QString();
}

// A failed write names the document, never the hidden temporary file it was written through.
void expectNamesDocument(const QString& description, const QString& document)
{
    EXPECT_TRUE(description.contains(document)) << description.toStdString();
    EXPECT_FALSE(description.contains(QStringLiteral(".tmp-"))) << description.toStdString();
}

constexpr qint64 kMemoryHeadroom = qint64(256) << 20;

}  // namespace

TEST(DamagedFiles, RaiseEngineErrorsAndReportTheirNumber)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString good = dir.filePath(QStringLiteral("good.tif"));
    SavePage(BitonalPage(600, 800), good, at(SaveNew, 0));
    SavePage(BitonalPage(600, 800, 2), good, at(SaveAppend, 0));
    const QByteArray tiff = FileBytes(good);
    const QString goodJpeg = dir.filePath(QStringLiteral("good.jpg"));
    SavePage(ColourPage(300, 200), goodJpeg, at(SaveNew, 0, FormatJpeg422));
    const QByteArray jpeg = FileBytes(goodJpeg);

    QByteArray scrambled = tiff;
    for (qsizetype i = 4; i < scrambled.size(); ++i)
        scrambled[i] = char((i * 131) ^ 0x5A);
    // The first page's coded data overwritten, its directory intact.
    QByteArray garbledG4 = tiff;
    for (qsizetype i = 8; i < 8 + tiff.size() / 8; ++i)
        garbledG4[i] = char((i * 97) ^ 0x3C);
    QByteArray garbledJpeg = jpeg;
    for (qsizetype i = garbledJpeg.size() / 3; i < garbledJpeg.size(); ++i)
        garbledJpeg[i] = char(0xFF);

    struct Case {
        const char* name;
        QByteArray bytes;
        int number;
    };
    const std::vector<Case> cases = {
        {"zero-byte.tif", QByteArray(), ErrFileRead},
        {"text.tif", QByteArrayLiteral("This is a note, not a picture.\n"), ErrFileRead},
        // Cut inside the first page, before its directory: no page left (a cut after a page is
        // MultiPageTest's matter).
        {"truncated.tif", tiff.left(tiff.size() / 4), ErrFileRead},
        {"header-only.tif", tiff.left(8), ErrFileRead},
        {"scrambled.tif", scrambled, ErrFileRead},
        {"garbled-g4.tif", garbledG4, ErrFileRead},
        {"truncated.jpg", jpeg.left(jpeg.size() / 2), ErrFileRead},
        {"garbled.jpg", garbledJpeg, ErrFileRead},
        {"jpeg-named.tif", jpeg.left(40), ErrFileRead},
        {"giant-grey.tif", claimedSizeTiff(200000, 200000, 8), ErrOutOfMemory},
        {"giant-bitonal.tif", claimedSizeTiff(3000000, 3000000, 1), ErrOutOfMemory},
        {"giant.jpg", claimedSizeJpeg(dir.filePath(QStringLiteral("scratch.jpg"))), ErrOutOfMemory},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        WriteBytes(path, c.bytes);
        expectEngineError([&] { LoadPage(path, 1); }, {c.number}, "load");
        int number = -1;
        const int count = PageCountOrError(path, &number);
        if (number == 0) {
            // A header can be sound while the pixels behind it are not; then only loading fails.
            EXPECT_GE(count, 1);
        } else {
            EXPECT_EQ(count, 0);
            EXPECT_THROW(PageCount(path), EngineError);
        }
    }
}

TEST(DamagedFiles, MissingFilesAndDirectoriesAreNamedAsSuch)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString missing = dir.filePath(QStringLiteral("missing.tif"));
    int number = 0;
    EXPECT_EQ(PageCountOrError(missing, &number), 0);
    EXPECT_EQ(number, ErrFileNotFound);
    expectEngineError([&] { LoadPage(missing); }, {ErrFileNotFound}, "missing");
    expectEngineError([&] { LoadPage(dir.path()); }, {ErrFileRead}, "directory");
    expectEngineError([&] { LoadPage(QString()); }, {ErrInvalidArgument}, "empty path");
    expectEngineError([&] { DeletePage(missing, 1); }, {ErrFileNotFound}, "delete missing");

    const QString good = dir.filePath(QStringLiteral("good.tif"));
    SavePage(BitonalPage(100, 100), good, at(SaveNew, 0));
    EXPECT_EQ(PageCountOrError(good, &number), 1);
    EXPECT_EQ(number, 0);
    EXPECT_EQ(PageCountOrError(good, nullptr), 1);
}

TEST(FailedWrites, BadTargetsRaiseAndCreateNothing)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const Image page = BitonalPage(200, 200);
    expectEngineError([&] { SavePage(page, dir.filePath(QStringLiteral("no/such/dir/page.tif")), at(SaveNew, 0)); },
                      {ErrFileWrite}, "missing directory");
    expectEngineError([&] { SavePage(page, dir.path(), at(SaveNew, 0)); }, {ErrFileWrite}, "directory as target");
    expectEngineError([&] { SavePage(page, QString(), at(SaveNew, 0)); }, {ErrInvalidArgument}, "empty path");
    EXPECT_TRUE(QFileInfo(dir.path()).isDir());

    // A special file is never renamed over.
    const QString fifo = dir.filePath(QStringLiteral("pipe.tif"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    expectEngineError([&] { SavePage(page, fifo, at(SaveNew, 0)); }, {ErrFileWrite}, "fifo");
    struct stat st {};
    ASSERT_EQ(stat(QFile::encodeName(fifo).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_EQ(DirEntries(dir.path()), QStringList{QStringLiteral("pipe.tif")});
}

TEST(FailedWrites, AFullDiskLeavesTheOriginalUntouched)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("document.tif"));
    for (int i = 0; i < 6; ++i)
        SavePage(ColourPage(400, 560, i + 1), path, at(i == 0 ? SaveNew : SaveAppend, 0, FormatTiffLzw));
    const QByteArray before = FileBytes(path);
    const QString jpegPath = dir.filePath(QStringLiteral("photo.jpg"));
    SavePage(ColourPage(400, 560), jpegPath, at(SaveNew, 0, FormatJpeg444));
    const QByteArray jpegBefore = FileBytes(jpegPath);
    const Image fresh = ColourPage(400, 560, 42);
    // Messages (and the error log made of them) name the document, not the temporary file.
    const QString document = QFileInfo(path).absoluteFilePath();
    const QString photo = QFileInfo(jpegPath).absoluteFilePath();
    {
        const FileSizeLimit limit(rlim_t(before.size() / 2));
        expectNamesDocument(expectEngineError([&] { SavePage(fresh, path, at(SaveReplace, 3, FormatTiffLzw)); },
                                              {ErrFileWrite}, "replace"),
                            document);
        expectNamesDocument(expectEngineError([&] { SavePage(fresh, path, at(SaveAppend, 0, FormatTiffLzw)); },
                                              {ErrFileWrite}, "append"),
                            document);
        expectNamesDocument(expectEngineError([&] { SavePage(fresh, path, at(SaveNew, 0, FormatTiffUncompressed)); },
                                              {ErrFileWrite}, "new"),
                            document);
    }
    {
        const FileSizeLimit limit(rlim_t(jpegBefore.size() / 4));
        expectNamesDocument(expectEngineError([&] { SavePage(fresh, jpegPath, at(SaveNew, 0, FormatJpeg444)); },
                                              {ErrFileWrite}, "jpeg"),
                            photo);
    }
    EXPECT_EQ(FileBytes(path), before);
    EXPECT_EQ(FileBytes(jpegPath), jpegBefore);
    QStringList expected{QStringLiteral("document.tif"), QStringLiteral("photo.jpg")};
    EXPECT_EQ(DirEntries(dir.path()), expected);
    {
        // A deletion only relinks the chain of pages in place: it needs no room.
        const FileSizeLimit limit(rlim_t(before.size() / 2));
        DeletePage(path, 1);
        EXPECT_EQ(PageCount(path), 5);
    }
    // Once there is room again the same edit goes through.
    SavePage(fresh, path, at(SaveReplace, 3, FormatTiffLzw));
    EXPECT_TRUE(LoadPage(path, 3).samePixels(fresh));
}

TEST(FailedWrites, RewritesKeepPermissionsAndSymbolicLinks)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString real = dir.filePath(QStringLiteral("real.tif"));
    SavePage(BitonalPage(100, 100), real, at(SaveNew, 0));
    SavePage(BitonalPage(100, 100, 2), real, at(SaveAppend, 0));
    ASSERT_EQ(chmod(QFile::encodeName(real).constData(), 0640), 0);
    const QString link = dir.filePath(QStringLiteral("link.tif"));
    ASSERT_TRUE(QFile::link(real, link));

    const Image fresh = BitonalPage(100, 100, 3);
    SavePage(fresh, link, at(SaveReplace, 2));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(LoadPage(real, 2).samePixels(fresh));
    struct stat st {};
    ASSERT_EQ(stat(QFile::encodeName(real).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    QStringList expected{QStringLiteral("link.tif"), QStringLiteral("real.tif")};
    EXPECT_EQ(DirEntries(dir.path()), expected);
}

TEST(HostileFiles, DeclaredSizesTheDataCannotFillAreDamageFoundBeforeAnyMemoryIsTaken)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString scratch = dir.filePath(QStringLiteral("scratch.jpg"));
    struct Case {
        const char* name;
        QByteArray bytes;
    };
    // Each claims, within the size of an A0 page at 1200 dpi, hundreds of megabytes to gigabytes
    // that a few bytes cannot code. The last one holds enough to pass for its size but breaks off
    // at once: only rows that arrive cost memory.
    const std::vector<Case> cases = {
        {"bitonal-uncompressed.tif", claimedSizeTiff(39000, 50000, 1)},
        {"bitonal-g4.tif", claimedSizeTiff(39000, 50000, 1, COMPRESSION_CCITTFAX4)},
        {"grey-uncompressed.tif", claimedSizeTiff(39000, 50000, 8)},
        {"grey-lzw.tif", claimedSizeTiff(39000, 50000, 8, COMPRESSION_LZW, noise(4000))},
        {"grey-jpeg.tif", claimedSizeTiff(39000, 50000, 8, COMPRESSION_JPEG, noise(4000))},
        {"grey-old-jpeg.tif", claimedSizeTiff(39000, 50000, 8, COMPRESSION_OJPEG, noise(4000))},
        // Codings without a limit of their own (found by fuzzing): a very wide one still holds.
        {"grey-zstd.tif", claimedSizeTiff(39000, 50000, 8, COMPRESSION_ZSTD, noise(1000))},
        {"grey-lzma.tif", claimedSizeTiff(39000, 50000, 8, COMPRESSION_LZMA, noise(1000))},
        {"grey.jpg", claimedSizeJpeg(scratch, 39000, 50000, true)},
        {"colour.jpg", claimedSizeJpeg(scratch, 20000, 20000)},
        // Arithmetic coding may legally stop early and leave the decoder to fill the frame.
        {"grey-arithmetic.jpg", claimedSizeArithmeticJpeg(39000, 50000)},
        {"bitonal-g4-noise.tif", claimedSizeTiff(30000, 40000, 1, COMPRESSION_CCITTFAX4, noise(5000))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        WriteBytes(path, c.bytes);
        const AddressSpaceLimit limit(kMemoryHeadroom);
        expectEngineError([&] { LoadPage(path, 1); }, {ErrFileRead}, "load");
    }
}

TEST(HostileFiles, OtherFormatsClaimingSizesTheirDataCannotFillAreRefusedFromTheHeader)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    struct Case {
        const char* name;
        QByteArray bytes;
    };
    const std::vector<Case> cases = {
        {"grey.pgm", QByteArray("P5\n39000 50000\n255\n") + noise(2000)},
        {"bitonal.pbm", QByteArray("P4\n39000 50000\n") + noise(2000)},
        {"text.pgm", QByteArray("P2\n30000 40000\n255\n0 0 0 0\n")},
        {"grey.bmp", claimedSizeOther(IFF_BMP, 30000, 40000)},
        {"grey.png", claimedSizeOther(IFF_PNG, 30000, 40000)},
        {"grey.gif", claimedSizeOther(IFF_GIF, 30000, 40000)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        WriteBytes(path, c.bytes);
        const AddressSpaceLimit limit(kMemoryHeadroom);
        const QString description = expectEngineError([&] { LoadPage(path, 1); }, {ErrFileRead}, "load");
        // Refused by the header's claim, not by an allocation failing on the way.
        EXPECT_TRUE(description.contains(QStringLiteral("图像数据不足以填满所声明的尺寸"))) << description.toStdString();
    }
}

TEST(HostileFiles, BlankPagesOfOtherFormatsStillLoad)
{
    // The best each coding can compress passes its bound.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Image blank = Image::create(3000, 4000, 8);
    pixSetAll(blank.pix());
    for (const auto& [name, format] : {std::pair{"blank.png", IFF_PNG}, std::pair{"blank.pgm", IFF_PNM},
                                       std::pair{"blank.bmp", IFF_BMP}, std::pair{"blank.gif", IFF_GIF}}) {
        SCOPED_TRACE(name);
        const QString path = dir.filePath(QString::fromLatin1(name));
        WriteBytes(path, leptonicaFile(blank, format));
        const Image back = LoadPage(path);
        EXPECT_EQ(back.width(), 3000);
        EXPECT_EQ(back.height(), 4000);
    }
}

TEST(HostileFiles, ArithmeticCodedPagesStillLoad)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray bytes = arithmeticJpeg(320, 240);
    ASSERT_FALSE(bytes.isEmpty()) << "libjpeg cannot code arithmetic JPEG";
    const QString path = dir.filePath(QStringLiteral("arithmetic.jpg"));
    WriteBytes(path, bytes);
    const Image page = LoadPage(path);
    EXPECT_EQ(page.width(), 320);
    EXPECT_EQ(page.height(), 240);
    EXPECT_EQ(page.depth(), 8);
    // The gradient came through: dark at the top left, light at the bottom right.
    l_uint32 topLeft = 0, bottomRight = 0;
    pixGetPixel(page.pix(), 2, 2, &topLeft);
    pixGetPixel(page.pix(), 317, 237, &bottomRight);
    EXPECT_LT(topLeft, 16u);
    EXPECT_GT(bottomRight, 230u);
}

TEST(HostileFiles, PagesAsLargeAsScannersMakeStillLoad)
{
    // The data bounds are those of the codings themselves: a blank page, the best a coding can
    // compress, passes them, at the largest sizes too.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Image blankBitonal = Image::create(20000, 28000, 1);
    pixClearAll(blankBitonal.pix());  // white
    const Image blankGrey = Image::create(6000, 8000, 8);
    struct Case {
        const char* name;
        const Image* page;
        int format;
    };
    const Case cases[] = {
        {"blank-g4.tif", &blankBitonal, FormatTiffG4},    {"blank-g3.tif", &blankBitonal, FormatTiffG3TwoDim},
        {"blank-lzw.tif", &blankGrey, FormatTiffLzw},     {"blank-jpeg.tif", &blankGrey, FormatTiffJpeg444},
        {"blank.jpg", &blankGrey, FormatJpeg444},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        SavePage(*c.page, path, at(SaveNew, 0, c.format));
        const Image back = LoadPage(path);
        EXPECT_EQ(back.width(), c.page->width());
        EXPECT_EQ(back.height(), c.page->height());
    }
    // Beyond A0 at 1200 dpi no scanner goes: such a page is refused as too large.
    const QString huge = dir.filePath(QStringLiteral("huge.tif"));
    SavePage(Image::create(60000, 200, 1), huge, at(SaveNew, 0));
    expectEngineError([&] { LoadPage(huge); }, {ErrOutOfMemory}, "wider than A0 at 1200 dpi");
}

TEST(HostileFiles, EditsReadNoMoreThanTheFileHolds)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("document.tif"));
    for (int i = 0; i < 3; ++i)
        SavePage(BitonalPage(300, 400, i + 1), path, at(i == 0 ? SaveNew : SaveAppend, 0));
    // Page 2's strip claims almost a gigabyte, far beyond the end of the file.
    QByteArray damaged = FileBytes(path);
    SetTiffTag(damaged, 1, TIFFTAG_STRIPBYTECOUNTS, 0x3FFFFF00);
    const Image fresh = BitonalPage(300, 400, 9);
    const AddressSpaceLimit limit(kMemoryHeadroom);
    // Edits link pages in place and read none of the others: each goes through, and the damaged
    // page stays as it was, where the edit moved it.
    struct Edit {
        const char* name;
        std::function<void()> run;
        int damagedPage;  // where page 2 is afterwards
        int freshPage;
    };
    const Edit edits[] = {
        {"append", [&] { SavePage(fresh, path, at(SaveAppend, 0)); }, 2, 4},
        {"insert", [&] { SavePage(fresh, path, at(SaveInsert, 1)); }, 3, 1},
        {"replace", [&] { SavePage(fresh, path, at(SaveReplace, 3)); }, 2, 3},
        {"delete", [&] { DeletePage(path, 1); }, 1, 0},
    };
    for (const Edit& edit : edits) {
        SCOPED_TRACE(edit.name);
        WriteBytes(path, damaged);
        EXPECT_NO_THROW(edit.run());
        EXPECT_THROW(LoadPage(path, edit.damagedPage), EngineError);
        if (edit.freshPage > 0)
            EXPECT_TRUE(LoadPage(path, edit.freshPage).samePixels(fresh));
        EXPECT_EQ(DirEntries(dir.path()), QStringList{QStringLiteral("document.tif")});
    }
    // A rewrite of the whole file copies every page, and reports the damaged one by its file.
    WriteBytes(path, damaged);
    const QString description = expectEngineError([&] { CompactPageFile(path); }, {ErrFileRead}, "compact");
    EXPECT_TRUE(description.contains(path)) << description.toStdString();
    EXPECT_EQ(FileBytes(path), damaged);
}
