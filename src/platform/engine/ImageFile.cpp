// Page files: which codec a file needs, page counts, loading, saving in the four modes, and
// page deletion. Multi-page edits link the page in place where the file's chain of pages allows;
// otherwise they copy every other page's compressed data as stored into a new file.
#include "platform/engine/ImageFile.h"

#include "platform/engine/AtomicFile.h"
#include "platform/engine/DataBounds.h"
#include "platform/engine/EngineError.h"
#include "platform/engine/EngineMessages.h"
#include "platform/engine/FormatCodes.h"
#include "platform/engine/ImageDepth.h"
#include "platform/engine/JpegCodec.h"
#include "platform/engine/PixPtr.h"
#include "platform/engine/TiffInPlace.h"
#include "platform/engine/TiffCodec.h"
#include "platform/engine/TiffFile.h"

#include <QFile>
#include <QFileInfo>

#include <optional>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <vector>

namespace scanvo::engine {

namespace {

// Whole files are read into memory only for JPEG and the other formats; nothing a scanner or
// camera writes comes near this.
constexpr qint64 kMaxWholeFile = qint64(1) << 30;
constexpr int kNewPage = -1;

enum class FileKind { Tiff, Jpeg, Other };

FileKind kindFromMagic(const QByteArray& head)
{
    if (head.startsWith(QByteArrayLiteral("II*\0")) || head.startsWith(QByteArrayLiteral("MM\0*")) ||
        head.startsWith(QByteArrayLiteral("II+\0")) || head.startsWith(QByteArrayLiteral("MM\0+")))
        return FileKind::Tiff;
    if (head.startsWith(QByteArrayLiteral("\xFF\xD8\xFF")))
        return FileKind::Jpeg;
    return FileKind::Other;
}

// The kind of an existing, non-empty image file, by its first bytes (never by its name).
FileKind fileKind(const QString& path)
{
    if (path.isEmpty())
        throw EngineError(ErrInvalidArgument, msg::emptyPath());
    const QFileInfo info(path);
    if (!info.exists())
        throw EngineError(ErrFileNotFound, msg::fileNotFound(path));
    if (!info.isFile())
        throw EngineError(ErrFileRead, msg::notARegularFile(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EngineError(ErrFileRead, msg::cannotOpen(path, file.errorString()));
    if (file.size() == 0)
        throw EngineError(ErrFileRead, msg::emptyFile(path));
    return kindFromMagic(file.read(8));
}

QByteArray readWholeFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EngineError(ErrFileRead, msg::cannotOpen(path, file.errorString()));
    if (file.size() > kMaxWholeFile)
        throw EngineError(ErrOutOfMemory, msg::outOfMemory());
    QByteArray bytes = file.readAll();
    if (bytes.size() != file.size())
        throw EngineError(ErrFileRead, msg::cannotOpen(path, file.errorString()));
    return bytes;
}

// The formats beyond TIFF and JPEG that pages are imported from. Data Leptonica takes for TIFF or
// JPEG here has already failed our own test of the first bytes, so it is damaged, not another format.
bool isOtherImageFormat(l_int32 format)
{
    switch (format) {
    case IFF_BMP:
    case IFF_PNG:
    case IFF_PNM:
    case IFF_GIF:
    case IFF_JP2:
    case IFF_WEBP:
        return true;
    default:
        return false;
    }
}

// The Leptonica format of bytes when it is one of the other image formats, else IFF_UNKNOWN.
l_int32 otherFormatOf(const QByteArray& bytes)
{
    l_int32 format = IFF_UNKNOWN;
    if (bytes.size() < 12 || findFileFormatBuffer(reinterpret_cast<const l_uint8*>(bytes.constData()), &format) != 0)
        return IFF_UNKNOWN;
    return isOtherImageFormat(format) ? format : IFF_UNKNOWN;
}

// Decoded bytes one stored byte of the other formats can stand for; 0 for codings without a limit
// of their own that helps.
std::uint64_t otherMaxExpansion(l_int32 format)
{
    switch (format) {
    case IFF_BMP:  // rows as they are (a 24-bit row may count as 32-bit pixels)
    case IFF_PNM:  // the same, or text, which takes more
        return 2;
    case IFF_PNG:  // deflate's own limit
        return 1032;
    case IFF_GIF:  // a code takes three bits or more and stands for 4096 bytes at most
        return 4096 * 8 / 3 + 1;
    default:
        return 0;
    }
}

// The page a header of the other formats declares: its size, bits per pixel, and the bytes of
// pixels its reader allocates before decoding.
struct OtherHeader {
    std::uint64_t width = 0, height = 0;
    int bitsPerPixel = 0;
    std::uint64_t decodedBytes = 0;
};

std::uint32_t littleEndian(const QByteArray& bytes, qsizetype at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | std::uint8_t(bytes[at + i]);
    return value;
}

// BMP's info header, read here: Leptonica's header reader decodes the whole image to learn its size.
bool readBmpHeader(const QByteArray& bytes, OtherHeader* header)
{
    if (bytes.size() < 30)
        return false;
    const std::uint32_t infoSize = littleEndian(bytes, 14, 4);
    if (infoSize == 12) {  // the old core header: 16-bit sizes
        header->width = littleEndian(bytes, 18, 2);
        header->height = littleEndian(bytes, 20, 2);
        header->bitsPerPixel = int(littleEndian(bytes, 24, 2));
    } else {
        header->width = std::uint64_t(std::abs(qint64(qint32(littleEndian(bytes, 18, 4)))));
        header->height = std::uint64_t(std::abs(qint64(qint32(littleEndian(bytes, 22, 4)))));  // negative: top row first
        header->bitsPerPixel = int(littleEndian(bytes, 28, 2));
    }
    header->decodedBytes = (header->width * std::uint64_t(std::max(header->bitsPerPixel, 1)) + 7) / 8 * header->height;
    return true;
}

// GIF's logical screen and every image in the file, read here: Leptonica's header reader decodes
// them all, and each image takes a raster of its own declared size.
bool readGifHeader(const QByteArray& bytes, OtherHeader* header)
{
    if (bytes.size() < 13)
        return false;
    header->width = littleEndian(bytes, 6, 2);
    header->height = littleEndian(bytes, 8, 2);
    header->bitsPerPixel = 8;
    header->decodedBytes = header->width * header->height;
    const auto colourTable = [](std::uint8_t flags) { return (flags & 0x80) ? qsizetype(3) << ((flags & 7) + 1) : 0; };
    qsizetype at = 13 + colourTable(std::uint8_t(bytes[10]));
    const auto skipSubBlocks = [&] {
        while (at < bytes.size() && bytes[at] != 0)
            at += 1 + std::uint8_t(bytes[at]);
        ++at;
    };
    while (at < bytes.size()) {
        const std::uint8_t block = std::uint8_t(bytes[at]);
        if (block == 0x21) {  // extension: label, then data
            at += 2;
            skipSubBlocks();
        } else if (block == 0x2C && at + 10 <= bytes.size()) {  // image: descriptor, colours, data
            const std::uint64_t width = littleEndian(bytes, at + 5, 2);
            const std::uint64_t height = littleEndian(bytes, at + 7, 2);
            header->width = std::max(header->width, width);
            header->height = std::max(header->height, height);
            header->decodedBytes += width * height;
            at += 10 + colourTable(std::uint8_t(bytes[at + 9])) + 1;
            skipSubBlocks();
        } else {
            break;  // the trailer, or damage the reader will find
        }
    }
    return true;
}

bool readOtherHeader(const QByteArray& bytes, l_int32 format, OtherHeader* header)
{
    if (format == IFF_BMP)
        return readBmpHeader(bytes, header);
    if (format == IFF_GIF)
        return readGifHeader(bytes, header);
    l_int32 w = 0, h = 0, bps = 0, spp = 0, cmap = 0;
    if (pixReadHeaderMem(reinterpret_cast<const l_uint8*>(bytes.constData()), size_t(bytes.size()), &format, &w, &h,
                         &bps, &spp, &cmap) != 0)
        return false;
    header->width = std::uint64_t(std::max(w, 0));
    header->height = std::uint64_t(std::max(h, 0));
    header->bitsPerPixel = std::max(bps, 1) * std::max(spp, 1);
    header->decodedBytes = (header->width * std::uint64_t(header->bitsPerPixel) + 7) / 8 * header->height;
    return true;
}

// Refuses a header whose declared page the file's data cannot fill, before the reader allocates
// the page: a few bytes claiming a huge page are damage.
void checkOtherDataCanFill(const QString& path, l_int32 format, std::uint64_t fileSize, const OtherHeader& header)
{
    const std::uint64_t expansion = otherMaxExpansion(format);
    const bool fits = expansion > 0 ? header.decodedBytes <= fileSize * expansion + 4096
                                    : UnboundedCodingCanFill(header.decodedBytes, fileSize);
    if (!fits)
        throw EngineError(ErrFileRead, msg::corruptFile(path, msg::dataCannotFillImage()));
}

// Leptonica's readers for the remaining formats (PNG, BMP, GIF, PNM, WebP, ...), header first so
// that a page too large for memory, or larger than the file's data can fill, is refused before its
// pixels are allocated.
Pix* readOtherPix(const QString& path, const QByteArray& bytes)
{
    // The format test first: Leptonica's header reader complains on stderr about unknown data.
    const l_int32 format = otherFormatOf(bytes);
    if (format == IFF_UNKNOWN)
        throw EngineError(ErrFileRead, msg::notAnImage(path));
    OtherHeader header;
    if (!readOtherHeader(bytes, format, &header))
        throw EngineError(ErrFileRead, msg::corruptFile(path));
    // The depth Leptonica gives the page: 1, 8 or (for colour of any kind) 32 bits.
    CheckPageSize(qint64(header.width), qint64(header.height),
                  header.bitsPerPixel <= 1 ? 1 : (header.bitsPerPixel <= 8 ? 8 : 24));
    checkOtherDataCanFill(path, format, std::uint64_t(bytes.size()), header);
    Pix* pix = pixReadMem(reinterpret_cast<const l_uint8*>(bytes.constData()), size_t(bytes.size()));
    if (!pix)
        throw EngineError(ErrFileRead, msg::corruptFile(path));
    return pix;
}

// 1, 8 or 32 bpp, as an Image holds.
Pix* normaliseDepth(Pix* source)
{
    PixPtr pix(source);
    if (pixGetDepth(pix.get()) == 1 && pixGetColormap(pix.get()))
        pix.reset(pixRemoveColormap(pix.get(), REMOVE_CMAP_BASED_ON_SRC));
    if (!pix)
        throw EngineError(ErrOperation, msg::conversionFailed());
    switch (pixGetDepth(pix.get())) {
    case 2:
    case 4:
        pix.reset(pixConvertTo8(pix.get(), pixGetColormap(pix.get()) ? 1 : 0));
        break;
    case 16:
        pix.reset(pixConvert16To8(pix.get(), L_MS_BYTE));
        break;
    case 24:
        pix.reset(pixConvert24To32(pix.get()));
        break;
    default:
        break;
    }
    if (!pix)
        throw EngineError(ErrOperation, msg::conversionFailed());
    if (pixGetDepth(pix.get()) == 32)
        pixSetSpp(pix.get(), 3);
    return pix.release();
}

void checkPageNumber(int page, int count)
{
    if (page < 1 || page > count)
        throw EngineError(ErrPageRange, msg::pageOutOfRange(page, count));
}

// The pages of source an edit can copy: all of them; or, when the chain of pages breaks off, the
// readable ones, and that only when the caller agreed to drop the rest (*damaged is then set).
int editablePageCount(const TiffFile& source, bool dropUnreadable, bool* damaged = nullptr)
{
    QString damage;
    const int count = source.readablePageCount(&damage);
    if (count == 0)
        source.failRead();
    if (!damage.isEmpty() && !dropUnreadable)
        throw EngineError(ErrDamagedPages, msg::withDetail(msg::editWouldDropPages(source.path(), count), damage));
    if (damaged)
        *damaged = !damage.isEmpty();
    return count;
}

// A new file over path must not silently take the place of a multi-page file whose later pages
// cannot be read. Whatever cannot be read as a TIFF at all is simply replaced.
void checkOverwrite(const QString& path, bool dropUnreadable)
{
    // Never opened unless a regular file: opening a FIFO to read would wait for a writer.
    QFile file(path);
    if (dropUnreadable || !QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly) ||
        kindFromMagic(file.read(8)) != FileKind::Tiff)
        return;
    file.close();
    try {
        editablePageCount(TiffFile::openRead(path, TiffFile::Access::Read), false);
    } catch (const EngineError& error) {
        if (error.number() == ErrDamagedPages)
            throw;
    }
}

// The image in the depth the format stores: CCITT 1 bit; JPEG 8 (grey) or 24 without palette;
// LZW and uncompressed whatever was asked for. bits 0 keeps the image's own depth where it can.
// image itself when it has that depth already, else the conversion, kept in *converted: a page
// is not copied only to be written.
const Image& imageForFormat(const Image& image, const FormatInfo& info, int bits, Image* converted)
{
    if (bits != 0 && bits != 1 && bits != 8 && bits != 24)
        throw EngineError(ErrUnsupported, msg::unsupportedBits(bits));
    int depth = bits != 0 ? bits : image.depth();
    const bool jpeg = info.chromaDivisor > 0;
    if (info.bitonalOnly)
        depth = 1;
    if (jpeg && depth == 1)
        depth = 8;
    if (jpeg && bits == 0 && image.hasPalette() && !image.isGrey())
        depth = 24;
    if (image.depth() == depth && (!jpeg || !image.hasPalette()))
        return image;
    *converted = ConvertDepth(image, depth, !jpeg);
    return *converted;
}

// Writes the pages of plan (source page indexes, kNewPage for newPage) to path through a temporary
// file. source may be null when plan names no source page.
// The size past which a classic TIFF cannot address a further page.
std::atomic<std::uint64_t> g_classicTiffLimit{std::uint64_t(1) << 32};

// Whether adding page to source could take a classic TIFF past the offsets it can address: no
// coding makes a page more than twice its raw size.
bool needsBigTiff(const TiffFile& source, const Image& page)
{
    if (TIFFIsBigTIFF(source.get()))
        return false;
    const std::uint64_t raw = std::uint64_t(page.width()) * std::uint64_t(page.height()) * std::uint64_t(std::max(page.depth(), 1)) / 8;
    return source.fileSize() + raw * 2 + 65536 >= g_classicTiffLimit.load();
}

void writeTiffFile(const QString& path, const TiffFile* source, const std::vector<int>& plan, const Image& newPage,
                   const SaveOptions& options, bool toBigTiff = false)
{
    AtomicFile target(path);
    {
        const bool bigTiff = toBigTiff || (source && TIFFIsBigTIFF(source->get()));
        TiffFile out = TiffFile::openWrite(target.descriptor(), target.targetPath(), bigTiff);
        const int count = static_cast<int>(plan.size());
        int current = -1;
        for (int i = 0; i < count; ++i) {
            if (plan[i] == kNewPage) {
                WriteTiffPage(out, newPage, options.format, options.quality, i, count);
                continue;
            }
            // Pages are visited in order, so the next directory is usually one step on.
            if (plan[i] == current + 1 && current >= 0) {
                if (!TIFFReadDirectory(source->get()))
                    source->failRead();
            } else {
                source->selectPage(plan[i]);
            }
            current = plan[i];
            CopyTiffPage(*source, out, i, count);
        }
        out.close();
    }
    target.commit();
}

std::vector<int> sourcePages(int count)
{
    std::vector<int> plan(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        plan[size_t(i)] = i;
    return plan;
}

// Rewrites every page of path into a new file, leaving out what no page reaches.
void compact(const QString& path)
{
    const TiffFile source = TiffFile::openRead(path, TiffFile::Access::Read);
    writeTiffFile(path, &source, sourcePages(editablePageCount(source, false)), Image(), SaveOptions());
}

// After an edit in place, the file is rewritten when a quarter of it is reached by no page. The edit
// itself has taken effect: a rewrite that fails (a full disk, a page that cannot be copied) leaves
// the edited file as it is, to be compacted by a later edit.
void compactIfWorthIt(const QString& path, const InPlaceEdit& edit)
{
    if (!WorthCompacting(edit))
        return;
    try {
        compact(path);
    } catch (const EngineError&) {
    }
}

// A JPEG-in-TIFF page decoded reduced: each strip on its own through libjpeg's scaling, the bands
// stacked. Nothing when the page is of another kind, needs no reduction, or cannot be read so;
// LoadPage then reads it whole and reports what it finds.
std::optional<ScaledPage> reducedTiffJpegPage(const QString& path, int page, const DisplayScale& scaleFor)
{
    try {
        const TiffFile file = TiffFile::openRead(path, TiffFile::Access::Read);
        if (!file.trySelectPage(page - 1))
            return std::nullopt;
        const TiffPageLayout layout = ReadTiffPageLayout(file);
        // Without a colour transform of its own, libjpeg reads three samples as YCbCr.
        if (layout.samplesPerPixel == 3 && layout.photometric != PHOTOMETRIC_YCBCR)
            return std::nullopt;
        const QSize size(int(layout.width), int(layout.height));
        const int reduction = JpegReductionFor(size.width(), size.height(), scaleFor(size));
        if (reduction <= 1)
            return std::nullopt;
        const std::vector<QByteArray> bands = TiffJpegBands(file, layout);
        if (bands.empty())
            return std::nullopt;
        std::vector<Image> decoded;
        int height = 0;
        for (const QByteArray& band : bands) {
            decoded.push_back(DecodeJpeg(band, path, reduction));
            height += decoded.back().height();
            if (decoded.back().width() != decoded.front().width() || decoded.back().depth() != decoded.front().depth())
                return std::nullopt;
        }
        const Image& first = decoded.front();
        CheckImageSize(first.width(), height, first.depth());
        PixPtr whole(pixCreate(first.width(), height, pixGetDepth(first.pix())));
        if (!whole)
            throw EngineError(ErrOutOfMemory, msg::outOfMemory());
        int y = 0;
        for (const Image& band : decoded) {
            pixRasterop(whole.get(), 0, y, band.width(), band.height(), PIX_SRC, band.pix(), 0, 0);
            y += band.height();
        }
        const QPoint dpi = TiffPageResolution(file);
        pixSetResolution(whole.get(), dpi.x(), dpi.y());
        return ScaledPage{Image::adopt(whole.release(), TiffPageFormat(file)), size};
    } catch (const EngineError&) {
        return std::nullopt;
    }
}

void saveJpegFile(const Image& image, const QString& path, const SaveOptions& options)
{
    // Replacing page 1 rewrites a JPEG file; it must not turn a multi-page TIFF into one.
    const bool replacesJpeg = options.mode == SaveReplace && options.page == 1 &&
                              (!QFileInfo::exists(path) || fileKind(path) != FileKind::Tiff);
    if (options.mode != SaveNew && !replacesJpeg)
        throw EngineError(ErrUnsupported, msg::jpegSinglePage());
    checkOverwrite(path, options.dropUnreadablePages);
    const QByteArray bytes = EncodeJpeg(image, options.format, options.quality);
    AtomicFile target(path);
    target.write(bytes);
    target.commit();
}

void saveTiffFile(const Image& image, const QString& path, const SaveOptions& options)
{
    const bool exists = QFileInfo::exists(path);
    if (options.mode == SaveNew || (!exists && (options.mode == SaveAppend ||
                                                (options.mode == SaveInsert && options.page == 1)))) {
        if (exists)
            checkOverwrite(path, options.dropUnreadablePages);
        writeTiffFile(path, nullptr, {kNewPage}, image, options);
        return;
    }
    if (!exists)
        throw EngineError(ErrFileNotFound, msg::fileNotFound(path));
    if (fileKind(path) != FileKind::Tiff)
        throw EngineError(ErrUnsupported, msg::notATiff(path));

    // Read, not mapped: copying every page of a long file must not make it resident.
    std::optional<TiffFile> source = TiffFile::openRead(path, TiffFile::Access::Read);
    bool damaged = false;
    const int count = editablePageCount(*source, options.dropUnreadablePages, &damaged);
    std::vector<int> plan = sourcePages(count);
    PageLink link = PageLink::Append;
    switch (options.mode) {
    case SaveAppend:
        plan.push_back(kNewPage);
        break;
    case SaveReplace:
        checkPageNumber(options.page, count);
        plan[size_t(options.page - 1)] = kNewPage;
        link = PageLink::Replace;
        break;
    case SaveInsert:
        checkPageNumber(options.page, count + 1);
        plan.insert(plan.begin() + (options.page - 1), kNewPage);
        link = PageLink::Insert;
        break;
    default:
        throw EngineError(ErrUnsupported, msg::unknownSaveMode(options.mode));
    }
    // A whole chain is edited where it links; a broken one is rewritten without its lost pages, and
    // a classic file the page could take past its last addressable byte continues as BigTIFF.
    const bool toBigTiff = needsBigTiff(*source, image);
    if (!damaged && !toBigTiff) {
        source.reset();
        const int position = options.mode == SaveAppend ? count : options.page - 1;
        const InPlaceEdit edit = WritePageInPlace(path, image, options.format, options.quality, link, position, count);
        if (edit.done) {
            compactIfWorthIt(path, edit);
            return;
        }
        source = TiffFile::openRead(path, TiffFile::Access::Read);
        if (editablePageCount(*source, options.dropUnreadablePages) != count)
            source->failRead();
    }
    writeTiffFile(path, &*source, plan, image, options, toBigTiff);
}

}  // namespace

int JpegQualityForFactor(int qualityFactor)
{
    const long quality = std::lround((250.0 - qualityFactor) / 2.5);
    return static_cast<int>(std::clamp(quality, 1L, 100L));
}

bool IsJpegFileFormat(int format)
{
    const FormatInfo* info = FindFormat(format);
    return info && info->container == Container::Jpeg;
}

bool IsBitonalFormat(int format)
{
    const FormatInfo* info = FindFormat(format);
    return info && info->bitonalOnly;
}

int PageCount(const QString& path)
{
    switch (fileKind(path)) {
    case FileKind::Tiff:
        return TiffFile::openRead(path).pageCount();
    case FileKind::Jpeg:
        ReadJpegHeader(readWholeFile(path), path);
        return 1;
    case FileKind::Other:
        break;
    }
    if (otherFormatOf(readWholeFile(path)) == IFF_UNKNOWN)
        throw EngineError(ErrFileRead, msg::notAnImage(path));
    return 1;
}

PageInventory InspectPages(const QString& path)
{
    PageInventory inventory;
    if (fileKind(path) != FileKind::Tiff) {
        inventory.readablePages = PageCount(path);
        return inventory;
    }
    const TiffFile file = TiffFile::openRead(path);
    QString damage;
    inventory.readablePages = file.readablePageCount(&damage);
    if (inventory.readablePages == 0)
        file.failRead();
    inventory.damaged = !damage.isEmpty();
    if (inventory.damaged)
        inventory.damage = msg::withDetail(msg::pagesLost(path, inventory.readablePages), damage);
    return inventory;
}

Image LoadPage(const QString& path, int page)
{
    const FileKind kind = fileKind(path);
    if (kind == FileKind::Tiff) {
        const TiffFile file = TiffFile::openRead(path);
        // Straight to the page: the directories after it are never read.
        if (file.trySelectPage(page - 1))
            return ReadTiffPage(file);
        QString damage;
        const int count = file.readablePageCount(&damage);
        // Beyond the readable pages of a damaged file lies damage, not the end of the document.
        if (count == 0 || (page > count && !damage.isEmpty()))
            file.failRead();
        checkPageNumber(page, count);
        file.selectPage(page - 1);
        return ReadTiffPage(file);
    }
    checkPageNumber(page, 1);
    const QByteArray bytes = readWholeFile(path);
    if (kind == FileKind::Jpeg)
        return DecodeJpeg(bytes, path);
    return Image::adopt(normaliseDepth(readOtherPix(path, bytes)), FormatNone);
}

ScaledPage LoadPageScaled(const QString& path, int page, const DisplayScale& scaleFor)
{
    if (fileKind(path) == FileKind::Tiff && scaleFor) {
        if (std::optional<ScaledPage> reduced = reducedTiffJpegPage(path, page, scaleFor))
            return std::move(*reduced);
    }
    if (fileKind(path) != FileKind::Jpeg) {
        Image whole = LoadPage(path, page);
        const QSize size(whole.width(), whole.height());
        return {std::move(whole), size};
    }
    checkPageNumber(page, 1);
    const QByteArray bytes = readWholeFile(path);
    const JpegHeader header = ReadJpegHeader(bytes, path);
    const QSize size(header.width, header.height);
    const int reduction = JpegReductionFor(header.width, header.height, scaleFor ? scaleFor(size) : 1.0);
    return {DecodeJpeg(bytes, path, reduction), size};
}

void SavePage(const Image& image, const QString& path, const SaveOptions& options)
{
    if (image.isNull())
        throw EngineError(ErrInvalidArgument, msg::noImage());
    if (path.isEmpty())
        throw EngineError(ErrInvalidArgument, msg::emptyPath());
    if (options.mode < SaveNew || options.mode > SaveInsert)
        throw EngineError(ErrUnsupported, msg::unknownSaveMode(options.mode));
    const FormatInfo* info = FindFormat(options.format);
    if (!info)
        throw EngineError(ErrUnsupported, msg::unknownFormatCode(options.format));
    Image converted;
    const Image& prepared = imageForFormat(image, *info, options.bits, &converted);
    if (info->container == Container::Jpeg)
        saveJpegFile(prepared, path, options);
    else
        saveTiffFile(prepared, path, options);
}

void DeletePage(const QString& path, int page, bool dropUnreadablePages)
{
    if (fileKind(path) != FileKind::Tiff)
        throw EngineError(ErrUnsupported, msg::notATiff(path));
    std::optional<TiffFile> source = TiffFile::openRead(path, TiffFile::Access::Read);
    bool damaged = false;
    const int count = editablePageCount(*source, dropUnreadablePages, &damaged);
    checkPageNumber(page, count);
    if (count == 1)
        throw EngineError(ErrPageRange, msg::cannotDeleteOnlyPage(path));
    if (!damaged) {
        source.reset();
        const InPlaceEdit edit = DeletePageInPlace(path, page - 1, count);
        if (edit.done) {
            compactIfWorthIt(path, edit);
            return;
        }
        source = TiffFile::openRead(path, TiffFile::Access::Read);
        if (editablePageCount(*source, dropUnreadablePages) != count)
            source->failRead();
    }
    std::vector<int> plan = sourcePages(count);
    plan.erase(plan.begin() + (page - 1));
    writeTiffFile(path, &*source, plan, Image(), SaveOptions());
}

std::uint64_t SetClassicTiffLimit(std::uint64_t bytes)
{
    return g_classicTiffLimit.exchange(bytes);
}

void CompactPageFile(const QString& path)
{
    if (fileKind(path) != FileKind::Tiff)
        throw EngineError(ErrUnsupported, msg::notATiff(path));
    compact(path);
}

struct TiffPageWriter::Open {
    explicit Open(const QString& target) : file(target), tiff(TiffFile::openWrite(file.descriptor(), target)) {}
    AtomicFile file;
    TiffFile tiff;
};

TiffPageWriter::TiffPageWriter(const QString& target, int pageCount) : m_target(target), m_pageCount(pageCount)
{
    if (target.isEmpty())
        throw EngineError(ErrInvalidArgument, msg::emptyPath());
    if (pageCount < 1)
        throw EngineError(ErrPageRange, msg::pageOutOfRange(1, pageCount));
    m_open = std::make_unique<Open>(target);
}

TiffPageWriter::~TiffPageWriter() = default;

void TiffPageWriter::add(const Image& page, int format, int bits, int quality)
{
    if (page.isNull())
        throw EngineError(ErrInvalidArgument, msg::noImage());
    const FormatInfo* info = FindFormat(format);
    if (!info)
        throw EngineError(ErrUnsupported, msg::unknownFormatCode(format));
    if (info->container != Container::Tiff)
        throw EngineError(ErrUnsupported, msg::jpegSinglePage());
    checkPageNumber(m_added + 1, m_pageCount);
    Image converted;
    WriteTiffPage(m_open->tiff, imageForFormat(page, *info, bits, &converted), format, quality, m_added, m_pageCount);
    ++m_added;
}

void TiffPageWriter::addStoredPages(const QString& source, int first, int count)
{
    if (count <= 0)
        return;
    checkPageNumber(m_added + count, m_pageCount);
    if (fileKind(source) != FileKind::Tiff)
        throw EngineError(ErrUnsupported, msg::notATiff(source));
    const TiffFile in = TiffFile::openRead(source, TiffFile::Access::Read);
    checkPageNumber(first + count - 1, editablePageCount(in, false));
    checkPageNumber(first, first + count - 1);
    in.selectPage(first - 1);
    for (int i = 0; i < count; ++i) {
        // Pages are visited in order: the next directory is one step on.
        if (i > 0 && !TIFFReadDirectory(in.get()))
            in.failRead();
        CopyTiffPage(in, m_open->tiff, m_added, m_pageCount);
        ++m_added;
    }
}

void TiffPageWriter::commit()
{
    checkPageNumber(m_pageCount, m_added);
    m_open->tiff.close();
    m_open->file.commit();
}

int PageCountOrError(const QString& path, int* errorNumber)
{
    int number = 0;
    int count = 0;
    try {
        count = PageCount(path);
    } catch (const EngineError& error) {
        number = error.number();
    } catch (const std::bad_alloc&) {
        number = ErrOutOfMemory;
    } catch (const std::exception&) {
        number = ErrOperation;
    }
    if (errorNumber)
        *errorNumber = number;
    return number == 0 ? count : 0;
}

}  // namespace scanvo::engine
