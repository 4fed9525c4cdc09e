// Lossless packing of whole pages.
#include "platform/engine/ops/PackedImage.h"

#include "platform/engine/ops/PixHandle.h"

#include <QCoreApplication>
#include <zstd.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace scanvo::engine::ops {

namespace {

// The fastest level: a history level is packed while the user goes on working, and pages of
// text compress well even so.
constexpr int kZstdLevel = 1;
// Colour pages go through zstd's streams this many rows at a time, so neither packing nor
// unpacking ever holds a second whole-page raster.
constexpr int kRowsPerChunk = 64;

[[noreturn]] void ThrowPackFailure()
{
    throw EngineError(ErrOutOfMemory, QCoreApplication::translate("EngineMessages", "图像压缩失败：内存不足"));
}

[[noreturn]] void ThrowUnpackFailure()
{
    throw EngineError(ErrOperation, QCoreApplication::translate("EngineMessages", "图像解压失败"));
}

struct CCtxDeleter {
    void operator()(ZSTD_CCtx* context) const noexcept { ZSTD_freeCCtx(context); }
};
struct DCtxDeleter {
    void operator()(ZSTD_DCtx* context) const noexcept { ZSTD_freeDCtx(context); }
};

// A colour raster as 3 bytes a pixel, red, green, blue, row after row without padding.
QByteArray PackColour(Pix* pix)
{
    const int w = pixGetWidth(pix), h = pixGetHeight(pix), wpl = pixGetWpl(pix);
    const l_uint32* data = pixGetData(pix);
    std::unique_ptr<ZSTD_CCtx, CCtxDeleter> context(ZSTD_createCCtx());
    if (!context || ZSTD_isError(ZSTD_CCtx_setParameter(context.get(), ZSTD_c_compressionLevel, kZstdLevel)))
        ThrowPackFailure();
    const std::size_t rowBytes = std::size_t(w) * 3;
    std::vector<unsigned char> rows(rowBytes * kRowsPerChunk);
    QByteArray packed;
    packed.resize(qsizetype(ZSTD_compressBound(rowBytes * h)));
    ZSTD_outBuffer out{packed.data(), std::size_t(packed.size()), 0};
    for (int y0 = 0; y0 < h; y0 += kRowsPerChunk) {
        const int count = std::min(kRowsPerChunk, h - y0);
        unsigned char* to = rows.data();
        for (int y = y0; y < y0 + count; ++y) {
            const l_uint32* line = data + std::size_t(y) * wpl;
            for (int x = 0; x < w; ++x) {
                *to++ = static_cast<unsigned char>(line[x] >> L_RED_SHIFT);
                *to++ = static_cast<unsigned char>(line[x] >> L_GREEN_SHIFT);
                *to++ = static_cast<unsigned char>(line[x] >> L_BLUE_SHIFT);
            }
        }
        ZSTD_inBuffer in{rows.data(), rowBytes * count, 0};
        const ZSTD_EndDirective mode = y0 + count >= h ? ZSTD_e_end : ZSTD_e_continue;
        std::size_t left = 0;
        do {
            left = ZSTD_compressStream2(context.get(), &out, &in, mode);
            if (ZSTD_isError(left))
                ThrowPackFailure();
        } while (mode == ZSTD_e_end ? left != 0 : in.pos < in.size);
    }
    packed.resize(qsizetype(out.pos));
    return packed;
}

void UnpackColour(const QByteArray& packed, Pix* pix)
{
    const int w = pixGetWidth(pix), h = pixGetHeight(pix), wpl = pixGetWpl(pix);
    l_uint32* data = pixGetData(pix);
    std::unique_ptr<ZSTD_DCtx, DCtxDeleter> context(ZSTD_createDCtx());
    if (!context)
        ThrowPackFailure();
    const std::size_t rowBytes = std::size_t(w) * 3;
    std::vector<unsigned char> rows(rowBytes * kRowsPerChunk);
    ZSTD_inBuffer in{packed.constData(), std::size_t(packed.size()), 0};
    for (int y0 = 0; y0 < h; y0 += kRowsPerChunk) {
        const int count = std::min(kRowsPerChunk, h - y0);
        ZSTD_outBuffer out{rows.data(), rowBytes * count, 0};
        while (out.pos < out.size) {
            const std::size_t result = ZSTD_decompressStream(context.get(), &out, &in);
            if (ZSTD_isError(result) || (result == 0 && out.pos < out.size) || (in.pos == in.size && out.pos < out.size))
                ThrowUnpackFailure();
        }
        const unsigned char* from = rows.data();
        for (int y = y0; y < y0 + count; ++y) {
            l_uint32* line = data + std::size_t(y) * wpl;
            for (int x = 0; x < w; ++x, from += 3)
                line[x] = (l_uint32(from[0]) << L_RED_SHIFT) | (l_uint32(from[1]) << L_GREEN_SHIFT) |
                          (l_uint32(from[2]) << L_BLUE_SHIFT);
        }
    }
}

// 1- and 8-bit rasters are packed as the words they are held in, padding included.
QByteArray PackWords(Pix* pix)
{
    const std::size_t rawBytes = std::size_t(pixGetWpl(pix)) * 4 * pixGetHeight(pix);
    QByteArray packed;
    packed.resize(qsizetype(ZSTD_compressBound(rawBytes)));
    const std::size_t size = ZSTD_compress(packed.data(), std::size_t(packed.size()), pixGetData(pix), rawBytes, kZstdLevel);
    if (ZSTD_isError(size))
        ThrowPackFailure();
    packed.resize(qsizetype(size));
    return packed;
}

void UnpackWords(const QByteArray& packed, Pix* pix)
{
    const std::size_t rawBytes = std::size_t(pixGetWpl(pix)) * 4 * pixGetHeight(pix);
    const std::size_t size = ZSTD_decompress(pixGetData(pix), rawBytes, packed.constData(), std::size_t(packed.size()));
    if (ZSTD_isError(size) || size != rawBytes)
        ThrowUnpackFailure();
}

}  // namespace

PackedImage PackedImage::pack(const Image& image)
{
    PackedImage packed;
    if (image.isNull())
        return packed;
    Pix* pix = image.pix();
    QByteArray pixels = pixGetDepth(pix) == 32 ? PackColour(pix) : PackWords(pix);
    pixels.squeeze();
    if (PIXCMAP* cmap = pixGetColormap(pix)) {
        const int count = pixcmapGetCount(cmap);
        packed.m_palette.resize(count * 3);
        for (int i = 0; i < count; ++i) {
            l_int32 r = 0, g = 0, b = 0;
            pixcmapGetColor(cmap, i, &r, &g, &b);
            packed.m_palette[3 * i] = static_cast<char>(r);
            packed.m_palette[3 * i + 1] = static_cast<char>(g);
            packed.m_palette[3 * i + 2] = static_cast<char>(b);
        }
    }
    packed.m_pixels = std::move(pixels);
    packed.m_width = image.width();
    packed.m_height = image.height();
    packed.m_depth = pixGetDepth(pix);
    packed.m_xDpi = image.xResolution();
    packed.m_yDpi = image.yResolution();
    packed.m_loadFormat = image.loadFormat();
    return packed;
}

Image PackedImage::unpack() const
{
    if (isNull())
        return {};
    PixPtr pix = Checked(pixCreateNoInit(m_width, m_height, m_depth));
    if (m_depth == 32)
        UnpackColour(m_pixels, pix.get());
    else
        UnpackWords(m_pixels, pix.get());
    pixSetResolution(pix.get(), m_xDpi, m_yDpi);
    if (!m_palette.isEmpty()) {
        PIXCMAP* cmap = pixcmapCreate(8);
        if (!cmap)
            ThrowPackFailure();
        for (qsizetype i = 0; i + 2 < m_palette.size(); i += 3)
            pixcmapAddColor(cmap, static_cast<uchar>(m_palette[i]), static_cast<uchar>(m_palette[i + 1]),
                            static_cast<uchar>(m_palette[i + 2]));
        pixSetColormap(pix.get(), cmap);
    }
    return Image::adopt(pix.release(), m_loadFormat);
}

}  // namespace scanvo::engine::ops
