// Lossless packing of whole pages.
#include "platform/engine/ops/PackedImage.h"

#include "platform/engine/ops/PixHandle.h"

#include <zstd.h>

#include <cstring>

namespace scanvo::engine::ops {

namespace {

// The fastest level: a history level is packed while the user goes on working, and pages of
// text compress well even so.
constexpr int kZstdLevel = 1;

[[noreturn]] void ThrowPackFailure()
{
    throw EngineError(ErrOutOfMemory, QStringLiteral("图像压缩失败：内存不足"));
}

}  // namespace

PackedImage PackedImage::pack(const Image& image)
{
    PackedImage packed;
    if (image.isNull())
        return packed;
    Pix* pix = image.pix();
    PixPtr plain;  // the raster in its packed form, when that differs from the page's own
    Pix* raster = pix;
    if (pixGetDepth(pix) == 32) {
        plain = Checked(pixConvert32To24(pix));
        raster = plain.get();
    }
    const std::size_t rawBytes = static_cast<std::size_t>(pixGetWpl(raster)) * 4 * pixGetHeight(raster);
    QByteArray compressed;
    compressed.resize(static_cast<qsizetype>(ZSTD_compressBound(rawBytes)));
    const std::size_t size =
        ZSTD_compress(compressed.data(), compressed.size(), pixGetData(raster), rawBytes, kZstdLevel);
    if (ZSTD_isError(size))
        ThrowPackFailure();
    compressed.resize(static_cast<qsizetype>(size));
    compressed.squeeze();

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
    packed.m_pixels = std::move(compressed);
    packed.m_width = image.width();
    packed.m_height = image.height();
    packed.m_depth = pixGetDepth(raster);
    packed.m_xDpi = image.xResolution();
    packed.m_yDpi = image.yResolution();
    packed.m_loadFormat = image.loadFormat();
    packed.m_rawBytes = rawBytes;
    return packed;
}

Image PackedImage::unpack() const
{
    if (isNull())
        return {};
    PixPtr raster = Checked(pixCreateNoInit(m_width, m_height, m_depth));
    const std::size_t rawBytes = static_cast<std::size_t>(pixGetWpl(raster.get())) * 4 * m_height;
    if (rawBytes != m_rawBytes)
        throw EngineError(ErrOperation, QStringLiteral("图像解压失败"));
    const std::size_t size = ZSTD_decompress(pixGetData(raster.get()), rawBytes, m_pixels.constData(),
                                             static_cast<std::size_t>(m_pixels.size()));
    if (ZSTD_isError(size) || size != rawBytes)
        throw EngineError(ErrOperation, QStringLiteral("图像解压失败"));
    if (m_depth == 24)
        raster = Checked(pixConvert24To32(raster.get()));
    pixSetResolution(raster.get(), m_xDpi, m_yDpi);
    if (!m_palette.isEmpty()) {
        PIXCMAP* cmap = pixcmapCreate(8);
        if (!cmap)
            ThrowPackFailure();
        for (qsizetype i = 0; i + 2 < m_palette.size(); i += 3)
            pixcmapAddColor(cmap, static_cast<uchar>(m_palette[i]), static_cast<uchar>(m_palette[i + 1]),
                            static_cast<uchar>(m_palette[i + 2]));
        pixSetColormap(raster.get(), cmap);
    }
    return Image::adopt(raster.release(), m_loadFormat);
}

}  // namespace scanvo::engine::ops
