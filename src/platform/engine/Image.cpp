// Image: ownership of the PIX, basic facts, and conversion to and from QImage.
#include "platform/engine/Image.h"

#include "platform/engine/EngineError.h"

#include <QCoreApplication>
#include <leptonica/allheaders.h>

#include <cmath>
#include <limits>

namespace scanvo::engine {

namespace {

constexpr double kInchesPerMetre = 39.3700787;

Pix* copyPix(Pix* pix)
{
    if (!pix)
        return nullptr;
    Pix* copy = pixCopy(nullptr, pix);
    if (!copy)
        throw EngineError(ErrOutOfMemory, QCoreApplication::translate("EngineMessages", "图像复制失败：内存不足"));
    return copy;
}

[[noreturn]] void throwTooLarge(long long width, long long height, int depth)
{
    throw EngineError(ErrOutOfMemory, QCoreApplication::translate("EngineMessages", "图像太大，内存不足：%1 x %2 x %3").arg(width).arg(height).arg(depth));
}

}  // namespace

void CheckImageSize(long long width, long long height, int depth)
{
    if (width <= 0 || height <= 0)
        throw EngineError(ErrInvalidArgument, QCoreApplication::translate("EngineMessages", "图像尺寸无效：%1 x %2").arg(width).arg(height));
    if (depth != 1 && depth != 8 && depth != 24 && depth != 32)
        throw EngineError(ErrUnsupported, QCoreApplication::translate("EngineMessages", "不支持的颜色深度：%1").arg(depth));
    // Leptonica keeps rows of 32-bit words and signed 32-bit sizes; 24-bit colour is 32 bpp inside.
    const int storedDepth = depth == 24 ? 32 : depth;
    const long long wordsPerLine = (width * storedDepth + 31) / 32;
    const long long bytes = wordsPerLine * 4 * height;
    constexpr long long kMaxBytes = (1LL << 31) - 1;
    if (width > std::numeric_limits<int>::max() / 32 || height > std::numeric_limits<int>::max() / 32 ||
        bytes > kMaxBytes)
        throwTooLarge(width, height, depth);
}

void CheckPageSize(long long width, long long height, int depth)
{
    // A0 is 841 x 1189 mm; at 1200 dpi 39733 x 56174 pixels, rounded up.
    constexpr long long kShortSide = 841LL * 1200 * 10 / 254 + 1;
    constexpr long long kLongSide = 1189LL * 1200 * 10 / 254 + 1;
    if (width > kLongSide || height > kLongSide || (width > kShortSide && height > kShortSide))
        throwTooLarge(width, height, depth);
    CheckImageSize(width, height, depth);
}

Image::~Image()
{
    pixDestroy(&m_pix);
}

Image::Image(const Image& other) : m_pix(copyPix(other.m_pix)), m_loadFormat(other.m_loadFormat) {}

Image& Image::operator=(const Image& other)
{
    if (this != &other) {
        Pix* copy = copyPix(other.m_pix);
        pixDestroy(&m_pix);
        m_pix = copy;
        m_loadFormat = other.m_loadFormat;
    }
    return *this;
}

Image::Image(Image&& other) noexcept : m_pix(other.m_pix), m_loadFormat(other.m_loadFormat)
{
    other.m_pix = nullptr;
}

Image& Image::operator=(Image&& other) noexcept
{
    if (this != &other) {
        pixDestroy(&m_pix);
        m_pix = other.m_pix;
        m_loadFormat = other.m_loadFormat;
        other.m_pix = nullptr;
    }
    return *this;
}

Image Image::adopt(Pix* pix, int loadFormat)
{
    if (!pix)
        throw EngineError(ErrOperation, QCoreApplication::translate("EngineMessages", "图像操作失败"));
    const int d = pixGetDepth(pix);
    if (d != 1 && d != 8 && d != 32) {
        pixDestroy(&pix);
        throw EngineError(ErrUnsupported, QCoreApplication::translate("EngineMessages", "不支持的颜色深度：%1").arg(d));
    }
    Image image;
    image.m_pix = pix;
    image.m_loadFormat = loadFormat;
    return image;
}

Image Image::create(int width, int height, int depth, int xDpi, int yDpi)
{
    CheckImageSize(width, height, depth);
    const int storedDepth = depth == 24 ? 32 : depth;
    Pix* pix = pixCreate(width, height, storedDepth);  // zeroed
    if (!pix)
        throw EngineError(ErrOutOfMemory, QCoreApplication::translate("EngineMessages", "图像创建失败：内存不足"));
    if (depth == 1)
        pixSetAll(pix);  // in a bitonal PIX 1 is black
    pixSetResolution(pix, xDpi, yDpi);
    return adopt(pix);
}

int Image::width() const { return m_pix ? pixGetWidth(m_pix) : 0; }
int Image::height() const { return m_pix ? pixGetHeight(m_pix) : 0; }

int Image::depth() const
{
    if (!m_pix)
        return 0;
    const int d = pixGetDepth(m_pix);
    return d == 32 ? 24 : d;
}

int Image::xResolution() const { return m_pix ? pixGetXRes(m_pix) : 0; }
int Image::yResolution() const { return m_pix ? pixGetYRes(m_pix) : 0; }

void Image::setResolution(int xDpi, int yDpi)
{
    if (m_pix)
        pixSetResolution(m_pix, xDpi, yDpi);
}

bool Image::hasPalette() const
{
    return m_pix && pixGetColormap(m_pix) != nullptr;
}

bool Image::isGrey() const
{
    if (!m_pix)
        return false;
    const int d = pixGetDepth(m_pix);
    if (d == 1)
        return true;
    if (d != 8)
        return false;
    PIXCMAP* cmap = pixGetColormap(m_pix);
    if (!cmap)
        return true;
    l_int32 colour = 0;
    pixcmapHasColor(cmap, &colour);
    return colour == 0;
}

void Image::reset(Pix* pix)
{
    if (!pix)
        throw EngineError(ErrOperation, QCoreApplication::translate("EngineMessages", "图像操作失败"));
    if (pix == m_pix)
        return;
    pixDestroy(&m_pix);
    m_pix = pix;
}

Pix* Image::release() noexcept
{
    Pix* pix = m_pix;
    m_pix = nullptr;
    return pix;
}

QImage Image::toQImage() const
{
    if (!m_pix)
        return {};
    const int w = width();
    const int h = height();
    const int d = pixGetDepth(m_pix);
    const l_uint32* data = pixGetData(m_pix);
    const int wpl = pixGetWpl(m_pix);
    QImage out;
    if (d == 1) {
        out = QImage(w, h, QImage::Format_Mono);
        out.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
        for (int y = 0; y < h; ++y) {
            const l_uint32* line = data + y * wpl;
            uchar* dst = out.scanLine(y);
            // Leptonica words hold pixels most significant bit first, as Format_Mono does.
            for (int b = 0; b < (w + 7) / 8; ++b)
                dst[b] = static_cast<uchar>(line[b / 4] >> (24 - 8 * (b % 4)));
        }
    } else if (d == 8) {
        PIXCMAP* cmap = pixGetColormap(m_pix);
        out = QImage(w, h, cmap ? QImage::Format_Indexed8 : QImage::Format_Grayscale8);
        if (cmap) {
            QList<QRgb> table;
            for (int i = 0; i < pixcmapGetCount(cmap); ++i) {
                l_int32 r = 0, g = 0, b = 0;
                pixcmapGetColor(cmap, i, &r, &g, &b);
                table.append(qRgb(r, g, b));
            }
            while (table.size() < 256)
                table.append(qRgb(0, 0, 0));
            out.setColorTable(table);
        }
        for (int y = 0; y < h; ++y) {
            const l_uint32* line = data + y * wpl;
            uchar* dst = out.scanLine(y);
            for (int x = 0; x < w; ++x)
                dst[x] = static_cast<uchar>(GET_DATA_BYTE(line, x));
        }
    } else {
        out = QImage(w, h, QImage::Format_RGB32);
        for (int y = 0; y < h; ++y) {
            const l_uint32* line = data + y * wpl;
            auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
            for (int x = 0; x < w; ++x) {
                l_int32 r = 0, g = 0, b = 0;
                extractRGBValues(line[x], &r, &g, &b);
                dst[x] = qRgb(r, g, b);
            }
        }
    }
    if (xResolution() > 0)
        out.setDotsPerMeterX(static_cast<int>(std::lround(xResolution() * kInchesPerMetre)));
    if (yResolution() > 0)
        out.setDotsPerMeterY(static_cast<int>(std::lround(yResolution() * kInchesPerMetre)));
    return out;
}

Image Image::fromQImage(const QImage& source)
{
    if (source.isNull())
        return {};
    const int w = source.width();
    const int h = source.height();
    Image image;
    if (source.format() == QImage::Format_Mono || source.format() == QImage::Format_MonoLSB) {
        const QImage mono = source.convertToFormat(QImage::Format_Mono);
        // Which index is black depends on the colour table.
        const bool oneIsBlack = mono.colorCount() < 2 || qGray(mono.color(1)) < qGray(mono.color(0));
        image = create(w, h, 1);
        Pix* pix = image.pix();
        l_uint32* data = pixGetData(pix);
        const int wpl = pixGetWpl(pix);
        for (int y = 0; y < h; ++y) {
            l_uint32* line = data + y * wpl;
            const uchar* src = mono.constScanLine(y);
            for (int x = 0; x < w; ++x) {
                const bool bit = (src[x >> 3] >> (7 - (x & 7))) & 1;
                if (bit == oneIsBlack)
                    SET_DATA_BIT(line, x);
                else
                    CLEAR_DATA_BIT(line, x);
            }
        }
    } else if (source.isGrayscale()) {
        const QImage grey = source.convertToFormat(QImage::Format_Grayscale8);
        image = create(w, h, 8);
        Pix* pix = image.pix();
        l_uint32* data = pixGetData(pix);
        const int wpl = pixGetWpl(pix);
        for (int y = 0; y < h; ++y) {
            l_uint32* line = data + y * wpl;
            const uchar* src = grey.constScanLine(y);
            for (int x = 0; x < w; ++x)
                SET_DATA_BYTE(line, x, src[x]);
        }
    } else {
        const QImage rgb = source.convertToFormat(QImage::Format_RGB32);
        image = create(w, h, 24);
        Pix* pix = image.pix();
        l_uint32* data = pixGetData(pix);
        const int wpl = pixGetWpl(pix);
        for (int y = 0; y < h; ++y) {
            l_uint32* line = data + y * wpl;
            const auto* src = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
            for (int x = 0; x < w; ++x) {
                l_uint32 value = 0;
                composeRGBPixel(qRed(src[x]), qGreen(src[x]), qBlue(src[x]), &value);
                line[x] = value;
            }
        }
    }
    const int xDpi = static_cast<int>(std::lround(source.dotsPerMeterX() / kInchesPerMetre));
    const int yDpi = static_cast<int>(std::lround(source.dotsPerMeterY() / kInchesPerMetre));
    image.setResolution(xDpi > 0 ? xDpi : 96, yDpi > 0 ? yDpi : 96);
    return image;
}

bool Image::samePixels(const Image& other) const
{
    if (isNull() || other.isNull())
        return isNull() && other.isNull();
    l_int32 same = 0;
    if (pixEqual(m_pix, other.m_pix, &same) != 0)
        return false;
    return same != 0;
}

}  // namespace scanvo::engine
