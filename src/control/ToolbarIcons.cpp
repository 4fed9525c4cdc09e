#include "control/ToolbarIcons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <QtMath>

#include <iterator>

namespace scanvo {

namespace {

// Glyphs are drawn on a 24 x 24 grid and scaled to the requested size.
constexpr qreal Grid = 24.0;
constexpr qreal Stroke = 1.8;

struct Inks {
    QColor line;
    QColor accent;
    QColor paper;
    QColor warn;
};

Inks InksFor(QIcon::Mode mode)
{
    if (mode == QIcon::Disabled)
        return {QColor(0xa8, 0xad, 0xb3), QColor(0xbc, 0xc1, 0xc6), QColor(0xf4, 0xf4, 0xf4), QColor(0xbc, 0xc1, 0xc6)};
    return {QColor(0x2f, 0x3b, 0x4c), QColor(0x1f, 0x6f, 0xd1), QColor(Qt::white), QColor(0xc8, 0x37, 0x2d)};
}

class GlyphPainter {
public:
    GlyphPainter(QPainter& painter, const Inks& inks) : p(painter), ink(inks) {}

    void draw(ToolbarIcon glyph);

private:
    QPainter& p;
    Inks ink;

    void pen(const QColor& color, qreal width = Stroke, Qt::PenStyle style = Qt::SolidLine)
    {
        QPen pen(color, width, style, Qt::RoundCap, Qt::RoundJoin);
        p.setPen(pen);
    }
    void line(qreal x1, qreal y1, qreal x2, qreal y2, const QColor& color, qreal width = Stroke)
    {
        pen(color, width);
        p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
    }
    void box(const QRectF& r, const QColor& edge, const QBrush& fill = Qt::NoBrush,
             Qt::PenStyle style = Qt::SolidLine)
    {
        pen(edge, Stroke, style);
        p.setBrush(fill);
        p.drawRect(r);
        p.setBrush(Qt::NoBrush);
    }
    void solid(const QPolygonF& shape, const QColor& color)
    {
        p.setPen(Qt::NoPen);
        p.setBrush(color);
        p.drawPolygon(shape);
        p.setBrush(Qt::NoBrush);
    }
    void dot(qreal x, qreal y, qreal r, const QColor& color)
    {
        p.setPen(Qt::NoPen);
        p.setBrush(color);
        p.drawEllipse(QPointF(x, y), r, r);
        p.setBrush(Qt::NoBrush);
    }
    void ring(qreal x, qreal y, qreal r, const QColor& color, qreal width = Stroke)
    {
        pen(color, width);
        p.drawEllipse(QPointF(x, y), r, r);
    }
    // A filled arrow head with its tip at (x, y), pointing in direction degrees (0 = right,
    // counter-clockwise positive, screen y downwards).
    void head(qreal x, qreal y, qreal degrees, const QColor& color, qreal size = 4.5)
    {
        const qreal a = qDegreesToRadians(degrees);
        const QPointF tip(x, y);
        const QPointF back(x - size * qCos(a), y + size * qSin(a));
        const QPointF side(size * 0.6 * qSin(a), size * 0.6 * qCos(a));
        solid(QPolygonF{tip, back + side, back - side}, color);
    }
    void arrow(qreal x1, qreal y1, qreal x2, qreal y2, const QColor& color)
    {
        const qreal degrees = qRadiansToDegrees(qAtan2(y1 - y2, x2 - x1));
        const qreal a = qDegreesToRadians(degrees);
        line(x1, y1, x2 - 3.0 * qCos(a), y2 + 3.0 * qSin(a), color);
        head(x2, y2, degrees, color);
    }
    // An arc around (cx, cy) from startDegrees over spanDegrees (counter-clockwise positive),
    // with an arrow head at its end.
    void arcArrow(qreal cx, qreal cy, qreal r, qreal startDegrees, qreal spanDegrees, const QColor& color)
    {
        pen(color);
        const QRectF bounds(cx - r, cy - r, 2 * r, 2 * r);
        const qreal shortened = spanDegrees > 0 ? spanDegrees - 25 : spanDegrees + 25;
        p.drawArc(bounds, int(startDegrees * 16), int(shortened * 16));
        const qreal end = qDegreesToRadians(startDegrees + spanDegrees);
        const qreal tangent = startDegrees + spanDegrees + (spanDegrees > 0 ? 90 : -90);
        head(cx + r * qCos(end), cy - r * qSin(end), tangent, color, 5.0);
    }
    void textLines(qreal left, qreal right, std::initializer_list<qreal> ys, const QColor& color)
    {
        for (qreal y : ys)
            line(left, y, right, y, color, 1.4);
    }
    void page(const QRectF& r)
    {
        box(r, ink.line, ink.paper);
    }

    void navigation(ToolbarIcon glyph);
    void zoom(bool in);
    void undo();
    void cut();
    void copy();
    void paste();
    void pickColor();
    void grid();
    void trimRegion();
    void fitStyle();
    void deskew();
    void clearInside();
    void clearOutside(bool automatic);
    void crop();
    void align();
    void removeBorders();
    void despeckle();
    void removeLines();
    void removeHolePunches();
    void invert();
    void text();
    void resize();
    void adjust();
    void paintRect();
    void binarize();
    void trash();
    void movePage();
    void unite();
    void divide();
    void comment();
    void scan();
    void import();
    void exportFile();
    void settings();
    void selectAll();
    void replaceFile();
    void rename(qreal top);
};

void GlyphPainter::navigation(ToolbarIcon glyph)
{
    switch (glyph) {
    case ToolbarIcon::First:
        line(6, 6, 6, 18, ink.line, 2.4);
        solid(QPolygonF{{18, 6}, {18, 18}, {9, 12}}, ink.line);
        break;
    case ToolbarIcon::Previous:
        solid(QPolygonF{{15, 6}, {15, 18}, {7, 12}}, ink.line);
        break;
    case ToolbarIcon::Next:
        solid(QPolygonF{{9, 6}, {9, 18}, {17, 12}}, ink.line);
        break;
    default:
        solid(QPolygonF{{6, 6}, {6, 18}, {15, 12}}, ink.line);
        line(18, 6, 18, 18, ink.line, 2.4);
        break;
    }
}

void GlyphPainter::zoom(bool in)
{
    ring(10, 10, 6, ink.line);
    line(14.5, 14.5, 20, 20, ink.line, 3.0);
    line(7, 10, 13, 10, ink.accent);
    if (in)
        line(10, 7, 10, 13, ink.accent);
}

void GlyphPainter::undo()
{
    QPainterPath path;
    path.moveTo(8, 9);
    path.lineTo(14, 9);
    path.arcTo(QRectF(10, 9, 9, 9), 90, -180);
    path.lineTo(8, 18);
    pen(ink.line);
    p.drawPath(path);
    head(3.5, 9, 180, ink.accent, 5.5);
}

void GlyphPainter::cut()
{
    line(9.5, 14.5, 16.5, 3.5, ink.line);
    line(14.5, 14.5, 7.5, 3.5, ink.line);
    ring(7.5, 17.5, 3, ink.accent);
    ring(16.5, 17.5, 3, ink.accent);
}

void GlyphPainter::copy()
{
    box(QRectF(4, 3.5, 10, 13), ink.line, ink.paper);
    box(QRectF(10, 7.5, 10, 13), ink.line, ink.paper);
    textLines(12.5, 17.5, {11.5, 14.5, 17.5}, ink.accent);
}

void GlyphPainter::paste()
{
    box(QRectF(5, 5, 14, 16), ink.line, ink.paper);
    box(QRectF(9, 3, 6, 4), ink.line, ink.accent);
    textLines(8, 16, {11, 14, 17}, ink.accent);
}

void GlyphPainter::pickColor()
{
    line(5, 19, 14, 10, ink.line, 2.6);
    line(11, 7, 17, 13, ink.line, 2.0);
    dot(17, 7, 3.5, ink.accent);
    dot(4.5, 19.5, 1.5, ink.accent);
}

void GlyphPainter::grid()
{
    box(QRectF(4, 4, 16, 16), ink.line);
    for (qreal at : {4 + 16 / 3.0, 4 + 32 / 3.0}) {
        line(at, 4, at, 20, ink.accent, 1.3);
        line(4, at, 20, at, ink.accent, 1.3);
    }
}

void GlyphPainter::trimRegion()
{
    box(QRectF(5, 6, 14, 12), ink.accent, Qt::NoBrush, Qt::DashLine);
    for (QPointF corner : {QPointF(5, 6), QPointF(19, 6), QPointF(5, 18), QPointF(19, 18)})
        solid(QPolygonF(QRectF(corner - QPointF(1.8, 1.8), QSizeF(3.6, 3.6))), ink.line);
}

void GlyphPainter::fitStyle()
{
    box(QRectF(3, 5, 18, 14), ink.line);
    box(QRectF(9, 10, 6, 4), ink.accent, ink.accent);
    arrow(9, 10, 5.5, 7.5, ink.line);
    arrow(15, 14, 18.5, 16.5, ink.line);
}

void GlyphPainter::deskew()
{
    p.save();
    p.translate(12, 11);
    p.rotate(-14);
    page(QRectF(-6, -8, 12, 15));
    textLines(-3.5, 3.5, {-4, -1, 2}, ink.accent);
    p.restore();
    line(3, 21, 21, 21, ink.accent);
}

void GlyphPainter::clearInside()
{
    page(QRectF(4, 3, 16, 18));
    textLines(6.5, 17.5, {6, 9, 12, 15, 18}, ink.line);
    box(QRectF(8, 8.5, 8, 7), ink.accent, ink.paper, Qt::DashLine);
}

void GlyphPainter::clearOutside(bool automatic)
{
    box(QRectF(3, 3, 18, 18), ink.line, Qt::NoBrush, Qt::DotLine);
    box(QRectF(7, 7, 10, 10), ink.accent, ink.paper, automatic ? Qt::SolidLine : Qt::DashLine);
    textLines(9, 15, {10, 12.5, 15}, ink.line);
    if (automatic) {
        for (QPointF corner : {QPointF(7, 7), QPointF(17, 7), QPointF(7, 17), QPointF(17, 17)})
            solid(QPolygonF(QRectF(corner - QPointF(1.6, 1.6), QSizeF(3.2, 3.2))), ink.accent);
    }
}

void GlyphPainter::crop()
{
    pen(ink.line, 2.2);
    p.drawPolyline(QPolygonF{{7, 3}, {7, 17}, {21, 17}});
    p.drawPolyline(QPolygonF{{3, 7}, {17, 7}, {17, 21}});
    box(QRectF(9.5, 9.5, 5, 5), ink.accent, ink.accent);
}

void GlyphPainter::align()
{
    page(QRectF(3, 3, 18, 18));
    pen(ink.accent, 1.0, Qt::DashLine);
    p.drawLine(QPointF(12, 3), QPointF(12, 21));
    p.drawLine(QPointF(3, 12), QPointF(21, 12));
    box(QRectF(8, 8.5, 8, 7), ink.line, ink.line);
}

void GlyphPainter::removeBorders()
{
    box(QRectF(3, 3, 18, 18), ink.line, ink.line);
    box(QRectF(7, 6, 10, 12), ink.paper, ink.paper);
    textLines(9, 15, {9, 12, 15}, ink.accent);
}

void GlyphPainter::despeckle()
{
    page(QRectF(4, 3, 16, 18));
    for (QPointF speck : {QPointF(8, 7), QPointF(15, 6.5), QPointF(11, 11), QPointF(16.5, 13),
                          QPointF(7.5, 15.5), QPointF(12.5, 17.5)})
        dot(speck.x(), speck.y(), 1.3, ink.line);
    line(5, 20, 19, 4, ink.warn, 1.6);
}

void GlyphPainter::removeLines()
{
    page(QRectF(4, 3, 16, 18));
    textLines(6.5, 17.5, {8, 12, 16}, ink.line);
    line(5, 20, 19, 4, ink.warn, 1.6);
}

void GlyphPainter::removeHolePunches()
{
    page(QRectF(4, 3, 16, 18));
    for (qreal y : {7.0, 12.0, 17.0})
        dot(7.5, y, 1.8, ink.line);
    textLines(11, 17.5, {8, 12, 16}, ink.accent);
}

void GlyphPainter::invert()
{
    ring(12, 12, 8, ink.line);
    p.setPen(Qt::NoPen);
    p.setBrush(ink.line);
    p.drawPie(QRectF(4, 4, 16, 16), 90 * 16, 180 * 16);
    p.setBrush(Qt::NoBrush);
}

void GlyphPainter::text()
{
    line(5, 5, 19, 5, ink.line, 3.0);
    line(12, 5, 12, 19, ink.line, 3.0);
    line(9, 19.5, 15, 19.5, ink.accent, 1.6);
}

void GlyphPainter::resize()
{
    box(QRectF(3, 11, 10, 10), ink.line, ink.paper);
    box(QRectF(3, 3, 18, 18), ink.line, Qt::NoBrush, Qt::DotLine);
    arrow(10, 14, 19, 5, ink.accent);
}

void GlyphPainter::adjust()
{
    const qreal knobs[] = {9, 15, 11};
    qreal y = 6;
    for (qreal x : knobs) {
        line(4, y, 20, y, ink.line, 1.5);
        dot(x, y, 2.5, ink.accent);
        y += 6;
    }
}

void GlyphPainter::paintRect()
{
    box(QRectF(3, 9, 12, 11), ink.line, ink.accent);
    line(13, 15, 20, 5, ink.line, 2.6);
    dot(12.5, 16, 1.5, ink.line);
}

void GlyphPainter::binarize()
{
    box(QRectF(4, 4, 16, 16), ink.line, ink.paper);
    solid(QPolygonF{{4, 4}, {20, 4}, {4, 20}}, ink.line);
}

void GlyphPainter::trash()
{
    line(4.5, 6.5, 19.5, 6.5, ink.line, 2.0);
    pen(ink.line, 1.6);
    p.drawPolyline(QPolygonF{{9.5, 6.5}, {10, 3.5}, {14, 3.5}, {14.5, 6.5}});
    pen(ink.line);
    p.drawPolygon(QPolygonF{{6.5, 6.5}, {7.5, 21}, {16.5, 21}, {17.5, 6.5}});
    for (qreal x : {10.0, 14.0})
        line(x, 10, x, 18, ink.warn, 1.5);
}

void GlyphPainter::movePage()
{
    arrow(8, 20, 8, 4, ink.line);
    arrow(16, 4, 16, 20, ink.accent);
}

void GlyphPainter::unite()
{
    page(QRectF(2.5, 5, 8.5, 14));
    page(QRectF(13, 5, 8.5, 14));
    line(8, 12, 16, 12, ink.accent, 2.4);
}

void GlyphPainter::divide()
{
    page(QRectF(3, 5, 18, 14));
    pen(ink.accent, 2.0, Qt::DashLine);
    p.drawLine(QPointF(12, 2.5), QPointF(12, 21.5));
}

void GlyphPainter::comment()
{
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(3, 4, 18, 12), 3, 3);
    QPainterPath tail;
    tail.addPolygon(QPolygonF{{7, 15}, {7, 21}, {13, 15}});
    pen(ink.line);
    p.setBrush(ink.paper);
    p.drawPath(bubble.united(tail));
    p.setBrush(Qt::NoBrush);
    textLines(7, 17, {8.5, 11.5}, ink.accent);
}

void GlyphPainter::scan()
{
    page(QRectF(7, 2.5, 10, 9));
    box(QRectF(3, 11.5, 18, 8), ink.line, ink.paper);
    box(QRectF(6, 14.5, 12, 2), ink.accent, ink.accent);
}

void GlyphPainter::import()
{
    pen(ink.line, 2.0);
    p.drawPolyline(QPolygonF{{4, 14}, {4, 20}, {20, 20}, {20, 14}});
    arrow(12, 3, 12, 16, ink.accent);
}

void GlyphPainter::exportFile()
{
    page(QRectF(5, 2.5, 11, 14));
    line(8, 7, 13, 7, ink.line, 1.4);
    line(8, 10, 13, 10, ink.line, 1.4);
    arrow(10, 17.5, 21, 17.5, ink.accent);
}

void GlyphPainter::settings()
{
    for (int tooth = 0; tooth < 8; ++tooth) {
        const qreal a = qDegreesToRadians(tooth * 45.0);
        line(12 + 6.5 * qCos(a), 12 + 6.5 * qSin(a), 12 + 9.5 * qCos(a), 12 + 9.5 * qSin(a), ink.line, 3.0);
    }
    ring(12, 12, 6.5, ink.line, 2.2);
    ring(12, 12, 2.5, ink.accent, 2.0);
}

void GlyphPainter::selectAll()
{
    box(QRectF(4, 4, 16, 16), ink.line, ink.paper);
    pen(ink.accent, 2.4);
    p.drawPolyline(QPolygonF{{8, 12}, {11, 15.5}, {16.5, 8.5}});
}

void GlyphPainter::replaceFile()
{
    arcArrow(12, 12, 7.5, 160, -150, ink.line);
    arcArrow(12, 12, 7.5, -20, -150, ink.accent);
}

void GlyphPainter::rename(qreal top)
{
    box(QRectF(2.5, top, 19, 9), ink.line, ink.paper);
    line(5.5, top + 4.5, 12, top + 4.5, ink.accent, 1.6);
    line(16, top - 2, 16, top + 11, ink.line, 1.6);
    line(14, top - 2, 18, top - 2, ink.line, 1.4);
    line(14, top + 11, 18, top + 11, ink.line, 1.4);
}

void GlyphPainter::draw(ToolbarIcon glyph)
{
    switch (glyph) {
    case ToolbarIcon::None: break;
    case ToolbarIcon::First:
    case ToolbarIcon::Previous:
    case ToolbarIcon::Next:
    case ToolbarIcon::Last: navigation(glyph); break;
    case ToolbarIcon::ZoomIn: zoom(true); break;
    case ToolbarIcon::ZoomOut: zoom(false); break;
    case ToolbarIcon::Undo: undo(); break;
    case ToolbarIcon::Redo:
        // The mirror image of undo.
        p.save();
        p.translate(Grid, 0);
        p.scale(-1, 1);
        undo();
        p.restore();
        break;
    case ToolbarIcon::Cut: cut(); break;
    case ToolbarIcon::Copy: copy(); break;
    case ToolbarIcon::Paste: paste(); break;
    case ToolbarIcon::PickColor: pickColor(); break;
    case ToolbarIcon::Grid: grid(); break;
    case ToolbarIcon::TrimRegion: trimRegion(); break;
    case ToolbarIcon::FitStyle: fitStyle(); break;
    case ToolbarIcon::Rotate: arcArrow(12, 12, 7.5, 90, 270, ink.line); break;
    case ToolbarIcon::Deskew: deskew(); break;
    case ToolbarIcon::ClearInside: clearInside(); break;
    case ToolbarIcon::ClearOutside: clearOutside(false); break;
    case ToolbarIcon::Crop: crop(); break;
    case ToolbarIcon::ClearOutsideAuto: clearOutside(true); break;
    case ToolbarIcon::Align: align(); break;
    case ToolbarIcon::RemoveBorders: removeBorders(); break;
    case ToolbarIcon::Despeckle: despeckle(); break;
    case ToolbarIcon::RemoveLines: removeLines(); break;
    case ToolbarIcon::RemoveHolePunches: removeHolePunches(); break;
    case ToolbarIcon::Invert: invert(); break;
    case ToolbarIcon::Text: text(); break;
    case ToolbarIcon::Resize: resize(); break;
    case ToolbarIcon::Adjust: adjust(); break;
    case ToolbarIcon::PaintRect: paintRect(); break;
    case ToolbarIcon::Binarize: binarize(); break;
    case ToolbarIcon::Delete: trash(); break;
    case ToolbarIcon::MovePage: movePage(); break;
    case ToolbarIcon::Unite: unite(); break;
    case ToolbarIcon::Divide: divide(); break;
    case ToolbarIcon::Comment: comment(); break;
    case ToolbarIcon::Scan: scan(); break;
    case ToolbarIcon::Import: import(); break;
    case ToolbarIcon::Export: exportFile(); break;
    case ToolbarIcon::Settings: settings(); break;
    case ToolbarIcon::SelectAll: selectAll(); break;
    case ToolbarIcon::ReplaceFile: replaceFile(); break;
    case ToolbarIcon::Rename: rename(8); break;
    case ToolbarIcon::BatchRename:
        box(QRectF(5.5, 2.5, 16, 6), ink.line, ink.paper);
        rename(12);
        break;
    }
}

class GlyphIconEngine final : public QIconEngine {
public:
    explicit GlyphIconEngine(ToolbarIcon glyph) : m_glyph(glyph) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / Grid, rect.height() / Grid);
        GlyphPainter(*painter, InksFor(mode)).draw(m_glyph);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        QPixmap pixmap(size * scale);
        pixmap.fill(Qt::transparent);
        {
            QPainter painter(&pixmap);
            paint(&painter, QRect(QPoint(0, 0), pixmap.size()), mode, state);
        }
        pixmap.setDevicePixelRatio(scale);
        return pixmap;
    }

    QIconEngine* clone() const override { return new GlyphIconEngine(m_glyph); }
    QString key() const override { return QStringLiteral("scanvo-glyph"); }

private:
    ToolbarIcon m_glyph;
};

// Each glyph's name in the freedesktop icon naming, or a name the common desktop themes share; an
// empty name keeps the painted glyph, for commands no theme draws. One row per glyph, in the
// enumeration's order.
struct ThemeIconRow {
    ToolbarIcon glyph;
    const char* name;
};

constexpr ThemeIconRow kThemeIcons[] = {
    {ToolbarIcon::None, ""},
    {ToolbarIcon::First, "go-first"},
    {ToolbarIcon::Previous, "go-previous"},
    {ToolbarIcon::Next, "go-next"},
    {ToolbarIcon::Last, "go-last"},
    {ToolbarIcon::ZoomIn, "zoom-in"},
    {ToolbarIcon::ZoomOut, "zoom-out"},
    {ToolbarIcon::Undo, "edit-undo"},
    {ToolbarIcon::Redo, "edit-redo"},
    {ToolbarIcon::Cut, "edit-cut"},
    {ToolbarIcon::Copy, "edit-copy"},
    {ToolbarIcon::Paste, "edit-paste"},
    {ToolbarIcon::PickColor, "color-picker"},
    {ToolbarIcon::Grid, "view-grid"},
    {ToolbarIcon::TrimRegion, "select-rectangular"},
    {ToolbarIcon::FitStyle, "zoom-fit-best"},
    {ToolbarIcon::Rotate, "object-rotate-right"},
    {ToolbarIcon::Deskew, ""},
    {ToolbarIcon::ClearInside, ""},
    {ToolbarIcon::ClearOutside, ""},
    {ToolbarIcon::Crop, "transform-crop"},
    {ToolbarIcon::ClearOutsideAuto, ""},
    {ToolbarIcon::Align, ""},
    {ToolbarIcon::RemoveBorders, ""},
    {ToolbarIcon::Despeckle, ""},
    {ToolbarIcon::RemoveLines, ""},
    {ToolbarIcon::RemoveHolePunches, ""},
    {ToolbarIcon::Invert, ""},
    {ToolbarIcon::Text, "format-text-bold"},
    {ToolbarIcon::Resize, "transform-scale"},
    {ToolbarIcon::Adjust, ""},
    {ToolbarIcon::PaintRect, "fill-color"},
    {ToolbarIcon::Binarize, "color-mode-black-white"},
    {ToolbarIcon::Delete, "edit-delete"},
    {ToolbarIcon::MovePage, ""},
    {ToolbarIcon::Unite, ""},
    {ToolbarIcon::Divide, ""},
    {ToolbarIcon::Comment, "insert-text"},
    {ToolbarIcon::Scan, "scanner"},
    {ToolbarIcon::Import, "document-import"},
    {ToolbarIcon::Export, "document-export"},
    {ToolbarIcon::Settings, "preferences-system"},
    {ToolbarIcon::SelectAll, "edit-select-all"},
    {ToolbarIcon::ReplaceFile, "document-replace"},
    {ToolbarIcon::Rename, "edit-rename"},
    {ToolbarIcon::BatchRename, ""},
};

constexpr bool RowsFollowTheGlyphs()
{
    for (size_t i = 0; i < std::size(kThemeIcons); ++i) {
        if (static_cast<size_t>(kThemeIcons[i].glyph) != i)
            return false;
    }
    return static_cast<size_t>(ToolbarIcon::BatchRename) + 1 == std::size(kThemeIcons);
}
static_assert(RowsFollowTheGlyphs(), "one theme icon row per glyph, in the enumeration's order");

}  // namespace

QString ToolbarIconThemeName(ToolbarIcon glyph)
{
    return QString::fromLatin1(kThemeIcons[static_cast<size_t>(glyph)].name);
}

QIcon PaintedToolbarIcon(ToolbarIcon glyph)
{
    if (glyph == ToolbarIcon::None)
        return QIcon();
    return QIcon(new GlyphIconEngine(glyph));
}

QIcon ToolbarIconFor(ToolbarIcon glyph)
{
    const QString name = ToolbarIconThemeName(glyph);
    if (name.isEmpty())
        return PaintedToolbarIcon(glyph);
    return QIcon::fromTheme(name, PaintedToolbarIcon(glyph));
}

}  // namespace scanvo
