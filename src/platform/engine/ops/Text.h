#pragma once
// Text burnt into a page: the drawing font, measuring a text, drawing it.

#include "platform/engine/Image.h"

#include <QRect>
#include <QSize>
#include <QString>

namespace scanvo::engine::ops {

struct TextFont {
    QString name;
    int size = 12;  // points, at the page's vertical resolution
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
};

// Width and height in page pixels that text takes in font on page.
QSize MeasureText(const Image& page, const TextFont& font, const QString& text);
// Draws text in colour (0xRRGGBB) at the top-left of rect, clipped to rect and the page. Grey and
// colour pages get smooth edges; 1-bit and palette pages get solid pixels.
void DrawText(Image& page, const TextFont& font, const QRect& rect, const QString& text, quint32 colour);

}  // namespace scanvo::engine::ops
