// Text drawing through Qt's font rendering, merged into the page with Leptonica.
#include "platform/engine/ops/Text.h"

#include "platform/engine/ops/PixHandle.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <cmath>

namespace scanvo::engine::ops {

namespace {

constexpr int kDefaultDpi = 96;
constexpr int kInkThreshold = 128;

QFont FontFor(const Image& page, const TextFont& font, bool smooth)
{
    QFont qfont(font.name);
    const int dpi = page.yResolution() > 0 ? page.yResolution() : kDefaultDpi;
    qfont.setPixelSize(std::max(1, static_cast<int>(std::lround(font.size * dpi / 72.0))));
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    qfont.setUnderline(font.underline);
    qfont.setStrikeOut(font.strikethrough);
    qfont.setStyleStrategy(smooth ? QFont::PreferAntialias : QFont::NoAntialias);
    return qfont;
}

// Ink coverage of text laid out in a box of size, over the part of it at offset with the size of
// visible: 8-bit, 255 where fully inked. Only the visible part is ever allocated.
PixPtr InkOf(const QFont& font, const QSize& size, const QString& text, QPoint offset, const QSize& visible)
{
    QImage canvas(visible, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        painter.translate(-offset);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    }
    Image grey = Image::fromQImage(canvas.convertToFormat(QImage::Format_Grayscale8));
    PixPtr ink = Checked(pixInvert(nullptr, grey.pix()));
    return ink;
}

}  // namespace

QSize MeasureText(const Image& page, const TextFont& font, const QString& text)
{
    RequireImage(page, "MeasureText");
    const QFontMetrics metrics(FontFor(page, font, true));
    return QSize(metrics.horizontalAdvance(text), metrics.height());
}

void DrawText(Image& page, const TextFont& font, const QRect& rect, const QString& text, quint32 colour)
{
    RequireImage(page, "DrawText");
    const QRect area = rect.normalized() & QRect(0, 0, page.width(), page.height());
    if (area.isEmpty() || text.isEmpty())
        return;
    // Keep the text's own origin when rect starts left of or above the page.
    const QPoint shift = area.topLeft() - rect.normalized().topLeft();
    const bool smooth = page.depth() != 1 && !page.hasPalette();
    PixPtr ink = InkOf(FontFor(page, font, smooth), rect.normalized().size(), text, shift, area.size());

    Pix* pix = page.pix();
    if (!smooth) {
        PixPtr mask = Checked(pixThresholdToBinary(ink.get(), kInkThreshold));
        pixInvert(mask.get(), mask.get());  // 1 where inked
        l_int32 failed = 0;
        if (pixGetColormap(pix))
            failed = pixSetMaskedCmap(pix, mask.get(), area.x(), area.y(), (colour >> 16) & 0xFF,
                                      (colour >> 8) & 0xFF, colour & 0xFF);
        else
            failed = pixPaintThroughMask(pix, mask.get(), area.x(), area.y(), PixelValueFor(pix, colour));
        if (failed)
            throw EngineError(ErrOperation, QCoreApplication::translate("EngineMessages", "绘制文字失败"));
        return;
    }
    PixPtr paint = Checked(pixCreate(area.width(), area.height(), pixGetDepth(pix)));
    pixSetAllArbitrary(paint.get(), PixelValueFor(paint.get(), colour));
    ReplacePixels(page, Checked(pixBlendWithGrayMask(pix, paint.get(), ink.get(), area.x(), area.y())));
}

}  // namespace scanvo::engine::ops
