#include "platform/scanner/RasterFrame.h"

#include "platform/engine/EngineError.h"
#include "platform/engine/Image.h"

#include <QCoreApplication>
#include <QtEndian>

#include <leptonica/allheaders.h>
#include <sys/mman.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace scanvo::scanner {

using engine::EngineError;
using engine::Image;

namespace {

constexpr int kThreshold = 128;  // grey below this is black

static_assert(L_RED_SHIFT == 24 && L_GREEN_SHIFT == 16 && L_BLUE_SHIFT == 8, "pixel words are RGBA from the top");
constexpr l_uint32 kRgbMask = 0xFFFFFF00u;

[[noreturn]] void Refuse(const QString& why)
{
    throw EngineError(engine::ErrUnsupported, QCoreApplication::translate("ScannerMessages", "扫描数据无法识别：%1").arg(why));
}

// Whole lines present in the frame, checking that every line holds its pixels.
int LineCount(const RasterFrame& frame, int channels)
{
    if (frame.pixelsPerLine <= 0 || frame.bytesPerLine <= 0)
        Refuse(QCoreApplication::translate("ScannerMessages", "行宽为零"));
    if (frame.depth != 1 && frame.depth != 8 && frame.depth != 16)
        Refuse(QCoreApplication::translate("ScannerMessages", "位深 %1").arg(frame.depth));
    const long long needed = (static_cast<long long>(frame.pixelsPerLine) * channels * frame.depth + 7) / 8;
    if (needed > frame.bytesPerLine)
        Refuse(QCoreApplication::translate("ScannerMessages", "行字节数不足"));
    int lines = static_cast<int>(frame.data.size() / frame.bytesPerLine);
    if (frame.lines >= 0)
        lines = std::min(lines, frame.lines);
    if (lines <= 0)
        Refuse(QCoreApplication::translate("ScannerMessages", "没有图像数据"));
    return lines;
}

// Sample x of a line of 8- or 16-bit samples, reduced to 8 bits.
inline unsigned Sample8(const uchar* line, long long x, int depth)
{
    if (depth == 8)
        return line[x];
    std::uint16_t value;
    std::memcpy(&value, line + 2 * x, sizeof value);
    return value >> 8;
}

// Large pages arrive in memory fresh from the system, and filling it costs a page fault every
// 4 KiB; transparent huge pages, where the system gives them on request, make that one per 2 MiB.
void AdviseHugePages(Pix* pix)
{
    constexpr std::uintptr_t kHugePage = std::uintptr_t(2) << 20;
    const auto begin = reinterpret_cast<std::uintptr_t>(pixGetData(pix));
    const std::uintptr_t end = begin + std::uintptr_t(pixGetWpl(pix)) * 4 * std::uintptr_t(pixGetHeight(pix));
    const std::uintptr_t first = (begin + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t last = end & ~(kHugePage - 1);
    if (last > first)
        madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
}

// Every sample of the new image is written by the caller, so it is not cleared first.
Pix* NewPix(int width, int height, int depth)
{
    engine::CheckImageSize(width, height, depth);
    Pix* pix = pixCreateNoInit(width, height, depth);
    if (!pix)
        throw EngineError(engine::ErrOutOfMemory, QCoreApplication::translate("ScannerMessages", "扫描页面太大，内存不足"));
    AdviseHugePages(pix);
    return pix;
}

const uchar* Line(const RasterFrame& frame, int y)
{
    return reinterpret_cast<const uchar*>(frame.data.constData()) + std::size_t(y) * frame.bytesPerLine;
}

// A line of 1- or 8-bit samples into its pixel words in one pass. The device sends samples in
// reading order, most significant bit first and 1 for black, as Leptonica keeps them; Leptonica
// holds them in 32-bit words, most significant byte first, so each word is read big-endian. The
// bits past the line's last pixel are cleared.
void PackLine(const uchar* in, l_uint32* out, int wpl, int lineBytes, int lineBits)
{
    const int whole = lineBytes / 4;
    // The whole words in one call: Qt swaps arrays with vector instructions, word by word it does not.
    qFromBigEndian<quint32>(in, whole, out);
    in += 4 * whole;
    if (whole < wpl) {
        l_uint32 last = 0;
        for (int b = 0; b < lineBytes - 4 * whole; ++b)
            last |= l_uint32(in[b]) << (24 - 8 * b);
        out[whole] = last;
        for (int w = whole + 1; w < wpl; ++w)
            out[w] = 0;
    }
    if (const int used = lineBits % 32)
        out[(lineBits - 1) / 32] &= ~l_uint32(0) << (32 - used);
}

// A line of 16-bit samples into 8-bit pixel words, four high bytes a word.
void PackLine16(const uchar* in, l_uint32* out, int wpl, int width)
{
    for (int w = 0; w < wpl; ++w) {
        l_uint32 word = 0;
        for (int i = 0, x = 4 * w; i < 4 && x < width; ++i, ++x)
            word |= l_uint32(Sample8(in, x, 16)) << (24 - 8 * i);
        out[w] = word;
    }
}

// A line of 8- or 16-bit grey straight into black and white: a pixel darker than the threshold is black.
void ThresholdLine(const uchar* in, l_uint32* out, int wpl, int width, int depth)
{
    for (int w = 0; w < wpl; ++w) {
        l_uint32 word = 0;
        const int first = 32 * w;
        const int count = std::min(32, width - first);
        for (int i = 0; i < count; ++i)
            word |= l_uint32(Sample8(in, first + i, depth) < kThreshold) << (31 - i);
        out[w] = word;
    }
}

// With threshold set, 8- and 16-bit grey become black and white in the same pass.
Image GreyPage(const RasterFrame& frame, bool threshold)
{
    const int lines = LineCount(frame, 1);
    const int width = frame.pixelsPerLine;
    const bool oneBit = frame.depth == 1 || threshold;
    Image page = Image::adopt(NewPix(width, lines, oneBit ? 1 : 8));
    l_uint32* data = pixGetData(page.pix());
    const int wpl = pixGetWpl(page.pix());
    for (int y = 0; y < lines; ++y) {
        l_uint32* out = data + std::size_t(y) * wpl;
        if (frame.depth == 1)
            PackLine(Line(frame, y), out, wpl, (width + 7) / 8, width);
        else if (threshold)
            ThresholdLine(Line(frame, y), out, wpl, width, frame.depth);
        else if (frame.depth == 8)
            PackLine(Line(frame, y), out, wpl, width, 8 * width);
        else
            PackLine16(Line(frame, y), out, wpl, width);
    }
    return page;
}

Image RgbPage(const RasterFrame& frame)
{
    if (frame.depth == 1)
        Refuse(QCoreApplication::translate("ScannerMessages", "1 位彩色"));
    const int lines = LineCount(frame, 3);
    const int width = frame.pixelsPerLine;
    Image page = Image::adopt(NewPix(width, lines, 32));
    l_uint32* data = pixGetData(page.pix());
    const int wpl = pixGetWpl(page.pix());
    for (int y = 0; y < lines; ++y) {
        const uchar* in = Line(frame, y);
        l_uint32* out = data + std::size_t(y) * wpl;
        if (frame.depth == 8) {
            // The pixel word composed here, not by a library call per pixel: colour pages are the
            // largest a scanner sends, and this loop is most of the time a page takes to arrive.
            // Four bytes read big-endian hold red, green and blue where Leptonica wants them, and
            // the next pixel's red where the unused byte goes; the last pixel has no next one.
            for (int x = 0; x + 1 < width; ++x, in += 3)
                out[x] = qFromBigEndian<quint32>(in) & kRgbMask;
            out[width - 1] = (l_uint32(in[0]) << L_RED_SHIFT) | (l_uint32(in[1]) << L_GREEN_SHIFT) |
                             (l_uint32(in[2]) << L_BLUE_SHIFT);
            continue;
        }
        for (int x = 0; x < width; ++x) {
            const long long s = 3LL * x;
            composeRGBPixel(Sample8(in, s, frame.depth), Sample8(in, s + 1, frame.depth), Sample8(in, s + 2, frame.depth),
                            &out[x]);
        }
    }
    return page;
}

// Red, green and blue frames of a three-pass scan, each a plane of grey samples.
Image ThreePassPage(const QList<RasterFrame>& frames)
{
    const RasterFrame* planes[3] = {nullptr, nullptr, nullptr};
    for (const RasterFrame& frame : frames) {
        const int index = frame.kind == FrameKind::Red ? 0 : frame.kind == FrameKind::Green ? 1 : 2;
        if (frame.kind == FrameKind::Grey || frame.kind == FrameKind::Rgb || planes[index])
            Refuse(QCoreApplication::translate("ScannerMessages", "三次扫描的颜色帧不完整"));
        planes[index] = &frame;
    }
    int lines = 0;
    for (const RasterFrame* plane : planes) {
        if (plane->depth == 1 || plane->pixelsPerLine != planes[0]->pixelsPerLine)
            Refuse(QCoreApplication::translate("ScannerMessages", "三次扫描的颜色帧不一致"));
        const int planeLines = LineCount(*plane, 1);
        lines = lines == 0 ? planeLines : std::min(lines, planeLines);
    }
    const int width = planes[0]->pixelsPerLine;
    Image page = Image::adopt(NewPix(width, lines, 32));
    l_uint32* data = pixGetData(page.pix());
    const int wpl = pixGetWpl(page.pix());
    for (int y = 0; y < lines; ++y) {
        const uchar* in[3];
        for (int c = 0; c < 3; ++c)
            in[c] = reinterpret_cast<const uchar*>(planes[c]->data.constData()) + std::size_t(y) * planes[c]->bytesPerLine;
        l_uint32* out = data + std::size_t(y) * wpl;
        for (int x = 0; x < width; ++x)
            composeRGBPixel(Sample8(in[0], x, planes[0]->depth), Sample8(in[1], x, planes[1]->depth),
                            Sample8(in[2], x, planes[2]->depth), &out[x]);
    }
    return page;
}

}  // namespace

Image PageFromFrames(const QList<RasterFrame>& frames, int xDpi, int yDpi, bool threshold)
{
    Image page;
    if (frames.size() == 1 && frames.front().kind == FrameKind::Grey)
        page = GreyPage(frames.front(), threshold);
    else if (frames.size() == 1 && frames.front().kind == FrameKind::Rgb)
        page = RgbPage(frames.front());
    else if (frames.size() == 3)
        page = ThreePassPage(frames);
    else
        Refuse(QCoreApplication::translate("ScannerMessages", "%1 帧").arg(frames.size()));

    if (xDpi > 0 && yDpi > 0)
        page.setResolution(xDpi, yDpi);
    return page;
}

}  // namespace scanvo::scanner
