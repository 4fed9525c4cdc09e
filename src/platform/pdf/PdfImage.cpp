#include "platform/pdf/PdfImage.h"
#include "platform/pdf/PdfMessages.h"

#include "platform/engine/EngineError.h"
#include "platform/engine/EngineMessages.h"
#include "platform/engine/ImageFile.h"
#include "platform/engine/JpegCodec.h"
#include "platform/engine/PixPtr.h"
#include "platform/engine/TiffCodec.h"
#include "platform/engine/TiffFile.h"

#include <QFile>

#include <leptonica/allheaders.h>
#include <tiffio.h>

#include <cmath>
#include <memory>
#include <vector>

namespace scanvo::pdf {

using engine::EngineError;

namespace {

constexpr double kDefaultDpi = 300;

double DpiOr300(double dpi)
{
    return dpi > 0 && std::isfinite(dpi) ? dpi : kDefaultDpi;
}

struct CidDeleter {
    void operator()(L_COMP_DATA* cid) const { l_CIDataDestroy(&cid); }
};
using CidPtr = std::unique_ptr<L_COMP_DATA, CidDeleter>;

using TiffLayout = engine::TiffPageLayout;

// The raw (still coded) bytes of strip; empty when they cannot be read whole. *budget is what
// the file can still hold: the strips of a page are parts of the file, so a size claimed beyond
// it is damage, refused before anything is allocated for it.
QByteArray RawStrip(TIFF* tif, std::uint32_t strip, std::uint64_t* budget)
{
    const tmsize_t size = TIFFRawStripSize(tif, strip);
    if (size <= 0 || std::uint64_t(size) > *budget)
        return {};
    *budget -= std::uint64_t(size);
    QByteArray bytes(static_cast<qsizetype>(size), Qt::Uninitialized);
    if (TIFFReadRawStrip(tif, strip, bytes.data(), size) != size)
        return {};
    return bytes;
}

bool PlainSingleStrip(const TiffLayout& t)
{
    return !t.tiled && t.chunks == 1 && t.planar == PLANARCONFIG_CONTIG && t.orientation == ORIENTATION_TOPLEFT
        && t.width > 0 && t.height > 0;
}

// A one-strip G4 page as its fax data. Bit order other than the usual first-bit-high needs the
// page decoded, as PDF readers take the usual order only.
bool TakeFaxStrip(TIFF* tif, const TiffLayout& t, std::uint64_t fileBytes, PdfImage* image)
{
    if (t.compression != COMPRESSION_CCITTFAX4 || t.bitsPerSample != 1 || t.samplesPerPixel != 1
        || t.fillOrder != FILLORDER_MSB2LSB || !PlainSingleStrip(t))
        return false;
    image->data = RawStrip(tif, 0, &fileBytes);
    if (image->data.isEmpty())
        return false;
    image->coding = PdfImage::Coding::Fax;
    image->colours = PdfImage::Colours::Grey;
    image->bitsPerComponent = 1;
    // The fax decoder gives black as 0 (grey black); a page stored min-is-black codes its white runs
    // as the dark value, so it shows inverted.
    image->invert = t.photometric == PHOTOMETRIC_MINISBLACK;
    return true;
}

// A JPEG-in-TIFF page as one JPEG stream: the only strip, or the strips' coefficients joined into
// one stream, its pixels never decoded.
bool TakeJpegStrips(const engine::TiffFile& file, const TiffLayout& t, const QString& path, PdfImage* image)
{
    const bool rgb = t.samplesPerPixel == 3 && t.photometric == PHOTOMETRIC_RGB;
    const std::vector<QByteArray> bands = engine::TiffJpegBands(file, t);
    if (bands.empty() || (rgb && bands.size() > 1))
        return false;
    QByteArray stream;
    try {
        stream = bands.size() == 1 ? bands.front() : engine::JoinJpegBands(bands, int(t.width), int(t.height), path);
        const engine::JpegHeader header = engine::ReadJpegHeader(stream, path);
        if (header.width != int(t.width) || header.height != int(t.height) || header.arithmetic || header.cmyk
            || header.components != t.samplesPerPixel || !header.fillable)
            return false;
    } catch (const EngineError&) {
        return false;  // decoded and coded again instead
    }
    image->coding = PdfImage::Coding::Dct;
    image->colours = t.samplesPerPixel == 3 ? PdfImage::Colours::Rgb : PdfImage::Colours::Grey;
    image->bitsPerComponent = 8;
    image->rgbJpeg = rgb;
    image->data = stream;
    return true;
}

// A TIFF page kept as stored, or nothing when its coding or layout needs it decoded.
bool TakeStoredTiffPage(const PdfPageRef& page, PdfImage* image)
{
    engine::TiffFile file = engine::TiffFile::openRead(page.path, engine::TiffFile::Access::Read);
    file.selectPage(page.page - 1);
    const TiffLayout layout = engine::ReadTiffPageLayout(file);
    const QPoint dpi = engine::TiffPageResolution(file);
    const bool kept = TakeFaxStrip(file.get(), layout, file.fileSize(), image)
        || TakeJpegStrips(file, layout, page.path, image);
    if (!kept || file.hasError())
        return false;
    image->width = int(layout.width);
    image->height = int(layout.height);
    image->xDpi = DpiOr300(dpi.x());
    image->yDpi = DpiOr300(dpi.y());
    return true;
}

// A JPEG file as its own bytes, unless its coding is one PDF readers may not decode.
bool TakeJpegFile(const PdfPageRef& page, PdfImage* image)
{
    QFile file(page.path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 4 || !bytes.startsWith("\xFF\xD8"))
        return false;
    const engine::JpegHeader header = engine::ReadJpegHeader(bytes, page.path);
    if (!header.fillable)
        throw EngineError(engine::ErrFileRead, engine::msg::corruptFile(page.path, engine::msg::dataCannotFillImage()));
    if (header.arithmetic || header.cmyk || (header.components != 1 && header.components != 3))
        return false;
    image->coding = PdfImage::Coding::Dct;
    image->colours = header.components == 3 ? PdfImage::Colours::Rgb : PdfImage::Colours::Grey;
    image->bitsPerComponent = 8;
    image->width = header.width;
    image->height = header.height;
    image->xDpi = DpiOr300(header.xDpi);
    image->yDpi = DpiOr300(header.yDpi);
    image->data = bytes;
    return true;
}

bool IsJpegFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(2) == QByteArray("\xFF\xD8", 2);
}

}  // namespace

PdfImage EncodedPageImage(Pix* pix)
{
    const int depth = pixGetDepth(pix);
    L_COMP_DATA* raw = nullptr;
    // Leptonica codes 1 bpp as G4 and everything else with Flate (a colour map as an indexed space).
    if (pixGenerateCIData(pix, depth == 1 ? L_G4_ENCODE : L_FLATE_ENCODE, 0, 0, &raw) != 0 || !raw)
        throw EngineError(engine::ErrOutOfMemory, engine::msg::encodeFailed());
    const CidPtr cid(raw);
    PdfImage image;
    image.width = cid->w;
    image.height = cid->h;
    image.bitsPerComponent = cid->bps;
    image.components = cid->spp;
    l_int32 xres = 0, yres = 0;
    pixGetResolution(pix, &xres, &yres);
    image.xDpi = DpiOr300(xres);
    image.yDpi = DpiOr300(yres);
    image.data = QByteArray(reinterpret_cast<const char*>(cid->datacomp), static_cast<qsizetype>(cid->nbytescomp));
    if (depth == 1) {
        image.coding = PdfImage::Coding::Fax;
        image.colours = PdfImage::Colours::Grey;
        image.invert = cid->minisblack;
        return image;
    }
    image.coding = PdfImage::Coding::Flate;
    image.flatePredictor = cid->predictor ? 14 : 0;
    if (cid->ncolors > 0) {
        image.colours = PdfImage::Colours::Indexed;
        PIXCMAP* map = pixGetColormap(pix);
        for (int i = 0; i < pixcmapGetCount(map); ++i) {
            l_int32 r = 0, g = 0, b = 0;
            pixcmapGetColor(map, i, &r, &g, &b);
            image.palette.append(char(r)).append(char(g)).append(char(b));
        }
    } else {
        image.colours = cid->spp == 3 ? PdfImage::Colours::Rgb : PdfImage::Colours::Grey;
    }
    return image;
}

PdfImage StoredPageImage(const PdfPageRef& page)
{
    try {
        PdfImage image;
        if (IsJpegFile(page.path)) {
            if (page.page == 1 && TakeJpegFile(page, &image))
                return image;
        } else if (TakeStoredTiffPage(page, &image)) {
            return image;
        }
        const engine::Image decoded = engine::LoadPage(page.path, page.page);
        return EncodedPageImage(decoded.pix());
    } catch (const EngineError& e) {
        throw EngineError(e.number(), msg::pageUnreadable(page.path, page.page, e.description()));
    }
}

}  // namespace scanvo::pdf
