#pragma once
// A selection region of a page: a rectangle, or a free-form shape held as a 1-bit mask (black =
// inside) over its bounding rectangle. Coordinates are image pixels.

#include "platform/engine/Image.h"

#include <QPoint>
#include <QRect>

namespace scanvo::engine::ops {

class Region {
public:
    Region() = default;  // no region
    static Region rectangle(const QRect& rect);
    // The black pixels of mask (1-bit), placed with its top-left corner at topLeft. The region's
    // bounding rectangle is that of the black pixels; a mask without any gives an empty region.
    static Region fromMask(const Image& mask, QPoint topLeft);

    bool isEmpty() const { return m_rect.isEmpty(); }
    bool isRectangle() const { return m_mask.isNull(); }
    QRect boundingRect() const { return m_rect; }
    // The shape over boundingRect(); null for a rectangle.
    const Image& mask() const { return m_mask; }
    bool contains(QPoint point) const;
    Region translated(int dx, int dy) const;

private:
    QRect m_rect;
    Image m_mask;
};

}  // namespace scanvo::engine::ops
