#pragma once
// ImageViewer: the engine's display widget. Holds one page image and shows it in one of five
// paint modes, with scroll bars when the page is larger than the view. Pages are drawn from a
// rendering cached for the current zoom: below 100 % a Leptonica-scaled copy of the page (bitonal
// pages through scale-to-grey), from 100 % up a tile of the page's own pixels around the visible
// part. A paint event never converts the whole full-resolution page. Pointer events are reported
// in image pixels for the tools built on top.

#include "platform/engine/Image.h"
#include "platform/engine/ImageFile.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>

#include <functional>

namespace scanvo::engine {

class ImageViewer : public QAbstractScrollArea {
    Q_OBJECT
public:
    enum PaintMode : int {
        PaintActualSize = 0,
        PaintFitWindow = 1,
        PaintFitWidth = 2,
        PaintFitHeight = 3,
        PaintZoom = 4,  // by zoomPercent()
    };

    explicit ImageViewer(QWidget* parent = nullptr);
    ~ImageViewer() override;

    // The page. It changes only through setImage, setReducedImage, exchangeImage and clearImage,
    // which drop the rendering of the old pixels, lay the page out again and repaint.
    void setImage(Image image);
    // Shows reduced, a copy of a page of pageSize scaled down, in place of the page: the view lays
    // out, zooms and reports positions for the page itself. loadWhole reads the page as stored, the
    // first time its pixels are asked for (image(), exchangeImage) or the view comes to need more
    // pixels than reduced holds (a zoom or fit beyond its scale).
    void setReducedImage(Image reduced, QSize pageSize, std::function<Image()> loadWhole);
    // Shows image and hands back the page it replaces, copying neither; the page handed back is whole.
    Image exchangeImage(Image image);
    // The page with all its pixels, read first when a reduced copy stands for it. Throws EngineError
    // when it can no longer be read, or no longer has the size it was shown with.
    const Image& image() const;
    // What the view paints from: the page, or the reduced copy that stands for it, with the page's
    // depth, resolution and format code but not its size.
    const Image& shownImage() const noexcept { return m_Image; }
    bool isReduced() const noexcept { return static_cast<bool>(m_LoadWhole); }
    QSize pageSize() const noexcept { return m_PageSize; }
    bool hasImage() const noexcept { return !m_Image.isNull(); }
    void clearImage();
    // The scale a page of a given size would be shown at in the present view, mode and zoom, as a
    // function that keeps those and can run on any thread: for reading a page reduced.
    DisplayScale displayScale() const;

    int paintMode() const noexcept { return m_PaintMode; }
    void setPaintMode(int mode);  // values outside 0..4 are ignored
    // The percentage of the zoom mode (4).
    double zoomPercent() const noexcept { return m_ZoomPercent; }
    void setZoomPercent(double percent);  // clamped to kMinZoom..kMaxZoom
    // The percentage the page is painted at: 100 for actual size, the computed one for the fit
    // modes, zoomPercent() for the zoom mode.
    double displayPercent() const;

    // Where the visible part of the page is painted, in widget pixels, and which part of the
    // page that is, in image pixels. Both empty without a page.
    QRect displayRect() const;
    QRectF sourceRect() const;
    QPointF widgetToImage(const QPointF& widgetPos) const;
    QPointF imageToWidget(const QPointF& imagePos) const;

    // Scroll position: the widget pixel offset of the view into the painted page.
    QPoint scrollPosition() const;
    void setScrollPosition(const QPoint& position);

    // Background around the page; the view is white while it holds no page.
    QColor backColor() const { return m_BackColor; }
    void setBackColor(const QColor& colour);

    // With auto-repaint off, changes are laid out but painted only on repaintImage() (or when
    // auto-repaint comes on again); until then the view shows what it painted last, even when the
    // window system asks for a paint.
    bool autoRepaint() const noexcept { return m_AutoRepaint; }
    void setAutoRepaint(bool on);
    void repaintImage();

    // Paints preview, a copy of the page scaled to any size with the page's proportions, in place
    // of the page until the page, the zoom or the view's size changes. The page stays as it is; a
    // dialog previews an edit on a small copy this way while a slider moves.
    void showPreview(const Image& preview);

    // Builds the rendering for the current zoom now (a paint builds it when missing).
    void prepareRendering();
    bool hasRendering() const;

    static constexpr double kMinZoom = 1.0;
    static constexpr double kMaxZoom = 6400.0;

signals:
    void imageChanged();
    void displayChanged();  // paint mode, zoom, size or scroll position
    void pointerPressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF imagePos);
    void pointerMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPointF imagePos);
    void pointerReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF imagePos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void imageModified();
    void makeWhole() const;

    struct Layout {
        double scale = 1.0;
        QSize scaled;    // the whole page at that scale
        QSize viewport;  // the area left beside the scroll bars
        bool horizontalBar = false;
        bool verticalBar = false;
    };
    static double scaleFor(int mode, double zoomPercent, QSize view, int bar, QSize page);
    Layout computeLayout() const;
    QPoint pageOrigin(const Layout& layout) const;
    void updateLayout();
    void changed();
    void buildRendering(double scale, const QRect& needed);
    double renderingScaleFor(double displayScale) const;
    QRect neededSource() const;

    // Both change when a reduced page is made whole, which shows the same page.
    mutable Image m_Image;
    mutable std::function<Image()> m_LoadWhole;  // set while m_Image is a reduced copy
    QSize m_PageSize;
    int m_PaintMode = PaintFitWindow;
    double m_ZoomPercent = 100.0;
    QColor m_BackColor = QColor(128, 128, 128);
    bool m_AutoRepaint = true;
    QImage m_Rendering;
    double m_RenderingScale = 0.0;  // 0: none
    QRect m_RenderingSource;        // the part of the page the rendering shows, in image pixels
    // What the last paint drew: a rendering, where to and from which part of it.
    struct Painted {
        QImage rendering;
        QRectF target;
        QRectF source;
    };
    Painted m_LastPainted;
    bool m_PaintWanted = false;  // a repaint was asked for while auto-repaint is off
};

}  // namespace scanvo::engine
