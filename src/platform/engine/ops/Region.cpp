// Selection regions: rectangles and mask shapes.
#include "platform/engine/ops/Region.h"

#include "platform/engine/ops/PixHandle.h"

namespace scanvo::engine::ops {

Region Region::rectangle(const QRect& rect)
{
    Region region;
    region.m_rect = rect.normalized();
    return region;
}

Region Region::fromMask(const Image& mask, QPoint topLeft)
{
    RequireBitonal(mask, "fromMask");
    Pix* trimmed = nullptr;
    Box* box = nullptr;
    Region region;
    if (pixClipToForeground(mask.pix(), &trimmed, &box) != 0 || !trimmed)
        return region;  // no black pixel: an empty region
    PixPtr shape(trimmed);
    BoxPtr owner(box);
    l_int32 x = 0, y = 0, w = 0, h = 0;
    boxGetGeometry(box, &x, &y, &w, &h);
    region.m_rect = QRect(topLeft.x() + x, topLeft.y() + y, w, h);
    region.m_mask = Image::adopt(shape.release());
    return region;
}

bool Region::contains(QPoint point) const
{
    if (!m_rect.contains(point))
        return false;
    if (m_mask.isNull())
        return true;
    l_uint32 value = 0;
    pixGetPixel(m_mask.pix(), point.x() - m_rect.x(), point.y() - m_rect.y(), &value);
    return value != 0;
}

Region Region::translated(int dx, int dy) const
{
    Region moved = *this;
    moved.m_rect.translate(dx, dy);
    return moved;
}

}  // namespace scanvo::engine::ops
