// Page files: which codec a file needs, page counts, loading, saving in the four modes, and
// page deletion. Multi-page edits copy every other page's compressed data as stored.
#include "platform/engine/ImageFile.h"

#include "platform/engine/AtomicFile.h"
#include "platform/engine/EngineError.h"
#include "platform/engine/EngineMessages.h"
#include "platform/engine/FormatCodes.h"
#include "platform/engine/ImageDepth.h"
#include "platform/engine/JpegCodec.h"
#include "platform/engine/PixPtr.h"
#include "platform/engine/TiffCodec.h"
#include "platform/engine/TiffFile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
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

// Leptonica's readers for the remaining formats (PNG, BMP, GIF, PNM, WebP, ...), header first so
// that a page too large for memory is refused before its pixels are allocated.
Pix* readOtherPix(const QString& path, const QByteArray& bytes)
{
    const auto* data = reinterpret_cast<const l_uint8*>(bytes.constData());
    // The format test first: Leptonica's header reader complains on stderr about unknown data.
    l_int32 format = otherFormatOf(bytes), w = 0, h = 0, bps = 0, spp = 0, cmap = 0;
    if (format == IFF_UNKNOWN)
        throw EngineError(ErrFileRead, msg::notAnImage(path));
    if (pixReadHeaderMem(data, size_t(bytes.size()), &format, &w, &h, &bps, &spp, &cmap) != 0)
        throw EngineError(ErrFileRead, msg::corruptFile(path));
    CheckPageSize(w, h, 32);
    Pix* pix = pixReadMem(data, size_t(bytes.size()));
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
// readable ones, and that only when the caller agreed to drop the rest.
int editablePageCount(const TiffFile& source, bool dropUnreadable)
{
    QString damage;
    const int count = source.readablePageCount(&damage);
    if (count == 0)
        source.failRead();
    if (!damage.isEmpty() && !dropUnreadable)
        throw EngineError(ErrDamagedPages, msg::withDetail(msg::editWouldDropPages(source.path(), count), damage));
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
Image imageForFormat(const Image& image, const FormatInfo& info, int bits)
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
    return ConvertDepth(image, depth, !jpeg);
}

// Writes the pages of plan (source page indexes, kNewPage for newPage) to path through a temporary
// file. source may be null when plan names no source page.
void writeTiffFile(const QString& path, const TiffFile* source, const std::vector<int>& plan, const Image& newPage,
                   const SaveOptions& options)
{
    AtomicFile target(path);
    {
        const bool bigTiff = source && TIFFIsBigTIFF(source->get());
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
    const TiffFile source = TiffFile::openRead(path, TiffFile::Access::Read);
    const int count = editablePageCount(source, options.dropUnreadablePages);
    std::vector<int> plan = sourcePages(count);
    switch (options.mode) {
    case SaveAppend:
        plan.push_back(kNewPage);
        break;
    case SaveReplace:
        checkPageNumber(options.page, count);
        plan[size_t(options.page - 1)] = kNewPage;
        break;
    case SaveInsert:
        checkPageNumber(options.page, count + 1);
        plan.insert(plan.begin() + (options.page - 1), kNewPage);
        break;
    default:
        throw EngineError(ErrUnsupported, msg::unknownSaveMode(options.mode));
    }
    writeTiffFile(path, &source, plan, image, options);
}

}  // namespace

int JpegQualityForFactor(int qualityFactor)
{
    const long quality = std::lround((250.0 - qualityFactor) / 2.5);
    return static_cast<int>(std::clamp(quality, 1L, 100L));
}

bool IsKnownFormat(int format)
{
    return FindFormat(format) != nullptr;
}

bool IsTiffFormat(int format)
{
    const FormatInfo* info = FindFormat(format);
    return info && info->container == Container::Tiff;
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
    const Image prepared = imageForFormat(image, *info, options.bits);
    if (info->container == Container::Jpeg)
        saveJpegFile(prepared, path, options);
    else
        saveTiffFile(prepared, path, options);
}

void DeletePage(const QString& path, int page, bool dropUnreadablePages)
{
    if (fileKind(path) != FileKind::Tiff)
        throw EngineError(ErrUnsupported, msg::notATiff(path));
    const TiffFile source = TiffFile::openRead(path, TiffFile::Access::Read);
    const int count = editablePageCount(source, dropUnreadablePages);
    checkPageNumber(page, count);
    if (count == 1)
        throw EngineError(ErrPageRange, msg::cannotDeleteOnlyPage(path));
    std::vector<int> plan = sourcePages(count);
    plan.erase(plan.begin() + (page - 1));
    writeTiffFile(path, &source, plan, Image(), SaveOptions());
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
