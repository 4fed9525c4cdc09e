// ImageViewer: layout of the page in the view, the cached rendering, painting and pointer events.
#include "platform/engine/ImageViewer.h"

#include "platform/engine/EngineError.h"
#include "platform/engine/EngineMessages.h"
#include "platform/engine/PixPtr.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>
#include <cmath>
#include <utility>

namespace scanvo::engine {

ImageViewer::ImageViewer(QWidget* parent) : QAbstractScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);  // the viewport starts at the widget's own origin
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
}

ImageViewer::~ImageViewer() = default;

void ImageViewer::setImage(Image image)
{
    m_Image = std::move(image);
    m_PageSize = QSize(m_Image.width(), m_Image.height());
    m_LoadWhole = {};
    imageModified();
}

void ImageViewer::setReducedImage(Image reduced, QSize pageSize, std::function<Image()> loadWhole)
{
    if (reduced.isNull() || pageSize.isEmpty() || !loadWhole) {
        setImage(std::move(reduced));
        return;
    }
    m_Image = std::move(reduced);
    m_PageSize = pageSize;
    m_LoadWhole = std::move(loadWhole);
    imageModified();
}

Image ImageViewer::exchangeImage(Image image)
{
    makeWhole();
    Image old = std::exchange(m_Image, std::move(image));
    m_PageSize = QSize(m_Image.width(), m_Image.height());
    imageModified();
    return old;
}

const Image& ImageViewer::image() const
{
    makeWhole();
    return m_Image;
}

// The same page with more pixels: the layout, the rendering and whoever follows the page stay as
// they are.
void ImageViewer::makeWhole() const
{
    if (!m_LoadWhole)
        return;
    Image whole = m_LoadWhole();
    if (whole.width() != m_PageSize.width() || whole.height() != m_PageSize.height() || whole.depth() != m_Image.depth())
        throw EngineError(ErrFileRead, msg::pageChanged());
    m_Image = std::move(whole);
    m_LoadWhole = {};
}

void ImageViewer::clearImage()
{
    setImage(Image());
}

void ImageViewer::imageModified()
{
    m_Rendering = QImage();
    m_RenderingScale = 0.0;
    updateLayout();
    emit imageChanged();
    changed();
}

void ImageViewer::setPaintMode(int mode)
{
    if (mode < PaintActualSize || mode > PaintZoom || mode == m_PaintMode)
        return;
    m_PaintMode = mode;
    updateLayout();
    changed();
}

void ImageViewer::setZoomPercent(double percent)
{
    if (!std::isfinite(percent))
        return;
    percent = std::clamp(percent, kMinZoom, kMaxZoom);
    if (percent == m_ZoomPercent)
        return;
    // Keep the image point at the centre of the view where it is.
    const QPointF centre = widgetToImage(QPointF(viewport()->width() / 2.0, viewport()->height() / 2.0));
    m_ZoomPercent = percent;
    updateLayout();
    if (hasImage() && m_PaintMode == PaintZoom) {
        const Layout layout = computeLayout();
        setScrollPosition(QPoint(int(std::lround(centre.x() * layout.scale - layout.viewport.width() / 2.0)),
                                 int(std::lround(centre.y() * layout.scale - layout.viewport.height() / 2.0))));
    }
    changed();
}

double ImageViewer::displayPercent() const
{
    return computeLayout().scale * 100.0;
}

double ImageViewer::scaleFor(int mode, double zoomPercent, QSize full, int bar, QSize page)
{
    if (page.isEmpty() || full.isEmpty())
        return mode == PaintZoom ? zoomPercent / 100.0 : 1.0;
    const double w = page.width();
    const double h = page.height();
    switch (mode) {
    case PaintActualSize:
        return 1.0;
    case PaintFitWindow:
        return std::min(full.width() / w, full.height() / h);
    case PaintFitWidth:
        if (h * (full.width() / w) > full.height())  // the vertical bar takes its share of the width
            return std::max(1, full.width() - bar) / w;
        return full.width() / w;
    case PaintFitHeight:
        if (w * (full.height() / h) > full.width())
            return std::max(1, full.height() - bar) / h;
        return full.height() / h;
    default:
        return zoomPercent / 100.0;
    }
}

DisplayScale ImageViewer::displayScale() const
{
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    return [mode = m_PaintMode, zoom = m_ZoomPercent, full = contentsRect().size(), bar](QSize page) {
        return scaleFor(mode, zoom, full, bar, page);
    };
}

ImageViewer::Layout ImageViewer::computeLayout() const
{
    Layout layout;
    const QSize full = contentsRect().size();
    layout.viewport = full;
    if (!hasImage() || full.isEmpty()) {
        layout.scale = m_PaintMode == PaintZoom ? m_ZoomPercent / 100.0 : 1.0;
        return layout;
    }
    const double w = m_PageSize.width();
    const double h = m_PageSize.height();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const double scale = scaleFor(m_PaintMode, m_ZoomPercent, full, bar, m_PageSize);
    layout.scale = scale;
    layout.scaled = QSize(std::max(1, int(std::lround(w * scale))), std::max(1, int(std::lround(h * scale))));
    // A bar on one side can make the other one necessary; two rounds settle it.
    QSize view = full;
    for (int round = 0; round < 2; ++round) {
        layout.horizontalBar = layout.scaled.width() > view.width();
        layout.verticalBar = layout.scaled.height() > view.height();
        view = QSize(full.width() - (layout.verticalBar ? bar : 0), full.height() - (layout.horizontalBar ? bar : 0));
    }
    layout.horizontalBar = layout.scaled.width() > view.width();
    layout.verticalBar = layout.scaled.height() > view.height();
    layout.viewport = QSize(std::max(0, view.width()), std::max(0, view.height()));
    return layout;
}

QPoint ImageViewer::pageOrigin(const Layout& layout) const
{
    const auto axis = [](int page, int view, int scroll) {
        if (page <= view)
            return (view - page) / 2;  // a page smaller than the view stands in its middle
        return -std::clamp(scroll, 0, page - view);
    };
    return QPoint(axis(layout.scaled.width(), layout.viewport.width(), horizontalScrollBar()->value()),
                  axis(layout.scaled.height(), layout.viewport.height(), verticalScrollBar()->value()));
}

void ImageViewer::updateLayout()
{
    const Layout layout = computeLayout();
    setHorizontalScrollBarPolicy(layout.horizontalBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(layout.verticalBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    const auto setup = [](QScrollBar* bar, int page, int view) {
        bar->setRange(0, std::max(0, page - view));
        bar->setPageStep(std::max(1, view));
        bar->setSingleStep(std::max(1, view / 20));
    };
    setup(horizontalScrollBar(), layout.scaled.width(), layout.viewport.width());
    setup(verticalScrollBar(), layout.scaled.height(), layout.viewport.height());
}

void ImageViewer::changed()
{
    if (m_AutoRepaint)
        viewport()->update();
    emit displayChanged();
}

QRect ImageViewer::displayRect() const
{
    if (!hasImage())
        return {};
    const Layout layout = computeLayout();
    const QRect page(pageOrigin(layout), layout.scaled);
    return page.intersected(QRect(QPoint(0, 0), layout.viewport));
}

QRectF ImageViewer::sourceRect() const
{
    if (!hasImage())
        return {};
    const Layout layout = computeLayout();
    const QRect shown = displayRect();
    const QPoint origin = pageOrigin(layout);
    const double sx = double(m_PageSize.width()) / layout.scaled.width();
    const double sy = double(m_PageSize.height()) / layout.scaled.height();
    return QRectF((shown.x() - origin.x()) * sx, (shown.y() - origin.y()) * sy, shown.width() * sx,
                  shown.height() * sy);
}

QPointF ImageViewer::widgetToImage(const QPointF& widgetPos) const
{
    const Layout layout = computeLayout();
    const QPoint origin = pageOrigin(layout);
    return QPointF((widgetPos.x() - origin.x()) / layout.scale, (widgetPos.y() - origin.y()) / layout.scale);
}

QPointF ImageViewer::imageToWidget(const QPointF& imagePos) const
{
    const Layout layout = computeLayout();
    const QPoint origin = pageOrigin(layout);
    return QPointF(origin.x() + imagePos.x() * layout.scale, origin.y() + imagePos.y() * layout.scale);
}

QPoint ImageViewer::scrollPosition() const
{
    return QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

void ImageViewer::setScrollPosition(const QPoint& position)
{
    horizontalScrollBar()->setValue(position.x());
    verticalScrollBar()->setValue(position.y());
}

void ImageViewer::setBackColor(const QColor& colour)
{
    if (colour == m_BackColor)
        return;
    m_BackColor = colour;
    if (m_AutoRepaint)
        viewport()->update();
}

void ImageViewer::setAutoRepaint(bool on)
{
    m_AutoRepaint = on;
    if (on) {
        m_PaintWanted = true;
        viewport()->update();
    }
}

void ImageViewer::repaintImage()
{
    m_PaintWanted = true;
    viewport()->update();
}

double ImageViewer::renderingScaleFor(double displayScale) const
{
    // From 100 % up the page's own pixels are drawn, enlarged by the painter.
    return displayScale >= 1.0 ? 1.0 : displayScale;
}

QRect ImageViewer::neededSource() const
{
    return sourceRect().toAlignedRect().intersected(QRect(QPoint(0, 0), m_PageSize));
}

void ImageViewer::showPreview(const Image& preview)
{
    if (!hasImage() || preview.isNull())
        return;
    m_Rendering = preview.toQImage();
    m_RenderingScale = renderingScaleFor(computeLayout().scale);
    m_RenderingSource = QRect(QPoint(0, 0), m_PageSize);
    if (m_AutoRepaint)
        viewport()->update();
}

bool ImageViewer::hasRendering() const
{
    if (!hasImage() || m_Rendering.isNull())
        return false;
    return m_RenderingScale == renderingScaleFor(computeLayout().scale) && m_RenderingSource.contains(neededSource());
}

void ImageViewer::prepareRendering()
{
    if (!hasImage() || hasRendering())
        return;
    buildRendering(renderingScaleFor(computeLayout().scale), neededSource());
}

void ImageViewer::buildRendering(double scale, const QRect& needed)
{
    m_Rendering = QImage();
    m_RenderingScale = 0.0;
    m_RenderingSource = QRect();
    // A reduced page shown larger than it is gets its own pixels first; one that can no longer be
    // read is shown enlarged, which is all it can still be.
    if (isReduced() && scale * m_PageSize.width() > m_Image.width()) {
        try {
            makeWhole();
        } catch (const EngineError&) {
        }
    }
    Pix* pix = m_Image.pix();
    const QRect whole(QPoint(0, 0), m_PageSize);
    // The page's pixels per pixel of m_Image: 1 unless it is a reduced copy.
    const double held = double(m_Image.width()) / m_PageSize.width();
    PixPtr rendered;
    QRect covered = whole;
    if (isReduced() && scale >= held) {
        rendered.reset(pixClone(pix));
    } else if (scale >= 1.0) {
        // Only a tile around the visible part is converted; scrolling within it paints from the cache.
        covered = needed.adjusted(-needed.width() / 2, -needed.height() / 2, needed.width() / 2, needed.height() / 2)
                      .intersected(whole);
        if (covered.isEmpty())
            return;
        if (covered == whole) {
            rendered.reset(pixClone(pix));
        } else {
            const BoxPtr clip(boxCreate(covered.x(), covered.y(), covered.width(), covered.height()));
            rendered.reset(pixClipRectangle(pix, clip.get(), nullptr));
        }
    } else {
        const auto factor = static_cast<l_float32>(scale / held);
        // A bitonal page averaged to grey stays legible where plain subsampling drops strokes. A
        // reduced copy was filtered by its decoder already; it is averaged down without sharpening.
        if (pixGetDepth(pix) == 1)
            rendered.reset(pixScaleToGray(pix, factor));
        else if (isReduced() && factor < 0.7f)
            rendered.reset(pixScaleAreaMap(pix, factor, factor));
        else
            rendered.reset(pixScale(pix, factor, factor));
        if (rendered && pixGetDepth(rendered.get()) != 8 && pixGetDepth(rendered.get()) != 32)
            rendered.reset(pixConvertTo8(rendered.get(), 0));
    }
    if (!rendered)
        return;
    try {
        m_Rendering = Image::adopt(rendered.release()).toQImage();
    } catch (const EngineError&) {
        return;
    }
    if (!m_Rendering.isNull()) {
        m_RenderingScale = scale;
        m_RenderingSource = covered;
    }
}

void ImageViewer::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    if (!hasImage()) {
        painter.fillRect(event->rect(), Qt::white);
        return;
    }
    painter.fillRect(event->rect(), m_BackColor);
    if (!m_AutoRepaint && !m_PaintWanted && !hasRendering()) {
        // A page that changed is drawn when asked for; drawing it costs about as much as storing it.
        // Until then the view shows what it painted last, or only its background.
        if (!m_LastPainted.rendering.isNull())
            painter.drawImage(m_LastPainted.target, m_LastPainted.rendering, m_LastPainted.source);
        return;
    }
    m_PaintWanted = false;
    const QRect shown = displayRect();
    if (shown.isEmpty())
        return;
    prepareRendering();
    if (m_Rendering.isNull())
        return;
    // The visible part of the page, in the rendering's own pixels.
    const QRectF source = sourceRect();
    const double rx = double(m_Rendering.width()) / m_RenderingSource.width();
    const double ry = double(m_Rendering.height()) / m_RenderingSource.height();
    const QRectF inRendering((source.x() - m_RenderingSource.x()) * rx, (source.y() - m_RenderingSource.y()) * ry,
                             source.width() * rx, source.height() * ry);
    painter.drawImage(QRectF(shown), m_Rendering, inRendering);
    m_LastPainted = {m_Rendering, QRectF(shown), inRendering};
}

void ImageViewer::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateLayout();
    changed();
}

void ImageViewer::scrollContentsBy(int, int)
{
    changed();
}

void ImageViewer::mousePressEvent(QMouseEvent* event)
{
    emit pointerPressed(event->button(), event->modifiers(), widgetToImage(event->position()));
}

void ImageViewer::mouseMoveEvent(QMouseEvent* event)
{
    emit pointerMoved(event->buttons(), event->modifiers(), widgetToImage(event->position()));
}

void ImageViewer::mouseReleaseEvent(QMouseEvent* event)
{
    emit pointerReleased(event->button(), event->modifiers(), widgetToImage(event->position()));
}

}  // namespace scanvo::engine
