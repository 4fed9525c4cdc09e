// Pointer tools and the overlay they draw on.
#include "viewer/PointerTools.h"

#include "core/Twips.h"
#include "platform/engine/ImageViewer.h"
#include "platform/engine/ops/Canvas.h"
#include "viewer/Selection.h"
#include "viewer/TrimBox.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <span>
#include <utility>

namespace scanvo {

namespace {

// The overlay: a transparent widget over the viewer's page area that lets every pointer event
// through to the viewer and paints what the handlers draw.
class ViewerOverlay final : public QWidget {
public:
    ViewerOverlay(PointerTools& tools, QWidget* viewport) : QWidget(viewport), m_Tools(tools)
    {
        setObjectName(QStringLiteral("mtMainOverlay"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setGeometry(viewport->rect());
        viewport->installEventFilter(this);
        show();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        m_Tools.paint(painter);
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == parentWidget() && event->type() == QEvent::Resize)
            setGeometry(parentWidget()->rect());
        return false;
    }

private:
    PointerTools& m_Tools;
};

QPen FramePen()
{
    QPen pen(Qt::black, 1, Qt::DashLine);
    pen.setCosmetic(true);
    return pen;
}

// A rectangle of whole image pixels between two points; empty when they share a row or column.
QRect PixelRect(const QPointF& a, const QPointF& b)
{
    const int left = int(std::lround(std::min(a.x(), b.x())));
    const int right = int(std::lround(std::max(a.x(), b.x())));
    const int top = int(std::lround(std::min(a.y(), b.y())));
    const int bottom = int(std::lround(std::max(a.y(), b.y())));
    return QRect(left, top, right - left, bottom - top);
}

QRect PageRect(const ChildWidgets& widgets)
{
    return QRect(QPoint(0, 0), widgets.mtMain->pageSize());
}

QRectF ViewerRectOf(const engine::ImageViewer& viewer, const QRectF& imageRect)
{
    return QRectF(viewer.imageToWidget(imageRect.topLeft()), viewer.imageToWidget(imageRect.bottomRight()));
}

// The trim box frame: a press on its border resizes that side (or corner), inside it moves it.
class TrimBoxHandler final : public PointerHandler {
public:
    explicit TrimBoxHandler(ControlState& state) : m_State(state) {}

    bool press(const PointerEvent& event) override
    {
        const QRectF frame = m_State.tools.m_TrimFrame;
        if (m_State.view.m_TrimRegionOn != 1 || frame.isEmpty())
            return false;
        const QPointF p = event.viewer;
        if (!frame.adjusted(-kGrip, -kGrip, kGrip, kGrip).contains(p))
            return false;
        m_Left = std::abs(p.x() - frame.left()) <= kGrip;
        m_Right = std::abs(p.x() - frame.right()) <= kGrip;
        m_Top = std::abs(p.y() - frame.top()) <= kGrip;
        m_Bottom = std::abs(p.y() - frame.bottom()) <= kGrip;
        // Only the border and the inside are the box's; a press elsewhere belongs to the page.
        m_Moving = !(m_Left || m_Right || m_Top || m_Bottom);
        m_Start = p;
        m_StartFrame = frame;
        return true;
    }
    void move(const PointerEvent& event) override { m_State.tools.m_TrimFrame = framed(event.viewer); RepaintOverlay(m_State.widgets); }
    void release(const PointerEvent& event) override { TrimFrameChanged(m_State.tools, m_State.widgets, framed(event.viewer)); }
    void paint(QPainter& painter) override
    {
        if (m_State.view.m_TrimRegionOn != 1 || m_State.tools.m_TrimFrame.isEmpty())
            return;
        QPen pen(QColor(0, 0, 255), 1);
        pen.setCosmetic(true);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(m_State.tools.m_TrimFrame);
        painter.setBrush(QColor(0, 0, 255));
        const QRectF f = m_State.tools.m_TrimFrame;
        for (const QPointF& corner : {f.topLeft(), f.topRight(), f.bottomLeft(), f.bottomRight()})
            painter.drawRect(QRectF(corner - QPointF(2, 2), QSizeF(4, 4)));
    }

private:
    QRectF framed(const QPointF& p) const
    {
        const QPointF d = p - m_Start;
        QRectF frame = m_StartFrame;
        if (m_Moving)
            return frame.translated(d);
        if (m_Left)
            frame.setLeft(std::min(frame.left() + d.x(), frame.right() - 1));
        if (m_Right)
            frame.setRight(std::max(frame.right() + d.x(), frame.left() + 1));
        if (m_Top)
            frame.setTop(std::min(frame.top() + d.y(), frame.bottom() - 1));
        if (m_Bottom)
            frame.setBottom(std::max(frame.bottom() + d.y(), frame.top() + 1));
        return frame;
    }

    static constexpr double kGrip = 4;  // viewer pixels around the border that grip it
    ControlState& m_State;
    QPointF m_Start;
    QRectF m_StartFrame;
    bool m_Moving = false, m_Left = false, m_Right = false, m_Top = false, m_Bottom = false;
};

// The deskew guide line, drawn from the press to the pointer while the button is held.
class LineHandler final : public PointerHandler {
public:
    LineHandler(ControlState& state, const PointerGestures& gestures) : m_State(state), m_Gestures(gestures) {}

    bool press(const PointerEvent& event) override
    {
        m_Image = QLineF(event.image, event.image);
        m_Viewer = QLineF(event.viewer, event.viewer);
        m_Drawing = true;
        return true;
    }
    void move(const PointerEvent& event) override
    {
        m_Image.setP2(event.image);
        m_Viewer.setP2(event.viewer);
        RepaintOverlay(m_State.widgets);
    }
    void release(const PointerEvent& event) override
    {
        move(event);
        m_Drawing = false;
        RepaintOverlay(m_State.widgets);
        if (m_Gestures.lineDrawn)
            m_Gestures.lineDrawn(m_Image, m_Viewer);
    }
    void paint(QPainter& painter) override
    {
        if (!m_Drawing)
            return;
        painter.setPen(QPen(Qt::red, 2));
        painter.drawLine(m_Viewer);
    }
    void cancel() override { m_Drawing = false; }

private:
    ControlState& m_State;
    const PointerGestures& m_Gestures;
    QLineF m_Image, m_Viewer;
    bool m_Drawing = false;
};

// A press places the comment entry box at the pointer. It never takes the gesture: a selection may
// start from the same press.
class CommentPlacement final : public PointerHandler {
public:
    explicit CommentPlacement(ControlState& state) : m_State(state) {}

    bool press(const PointerEvent& event) override
    {
        QLineEdit* box = m_State.widgets.txtPageNumber;
        const QPoint inViewer = m_State.widgets.mtMain->viewport()->mapTo(box->parentWidget(), event.viewer.toPoint());
        box->move(inViewer - QPoint(Twips(60), Twips(60)));
        box->show();  // a box shown for the first time takes its own width
        QPushButton* font = m_State.widgets.cmdFont;
        font->move(box->x() + box->width() + Twips(15), box->y());
        font->show();
        box->setFocus();
        box->selectAll();
        return false;
    }

private:
    ControlState& m_State;
};

// Selections: a rubber band from the press (a new selection, also when Shift or Ctrl is held),
// or, from inside the selection, a drag of its pixels. A press and release without extent is a
// click.
class SelectionHandler final : public PointerHandler {
public:
    SelectionHandler(ControlState& state, const PointerGestures& gestures) : m_State(state), m_Gestures(gestures) {}

    bool press(const PointerEvent& event) override
    {
        const QPoint pixel(int(std::floor(event.image.x())), int(std::floor(event.image.y())));
        const bool inside = HasRegion(m_State.view, m_State.widgets) && m_State.view.m_Selection.contains(pixel);
        if (inside && !(event.modifiers & (Qt::ShiftModifier | Qt::ControlModifier))) {
            m_Mode = Mode::Dragging;
            m_Whiten = !m_State.clip.m_SelectionPasted;
            m_State.clip.m_SelectionPasted = true;
            m_From = m_State.view.m_Selection;
            try {
                m_Floating = engine::ops::Crop(m_State.widgets.mtMain->image(), m_From).toQImage();
            } catch (...) {
                m_Floating = QImage();  // drawn as a frame alone
            }
        } else {
            m_Mode = m_State.view.m_RegionShape >= 1 ? Mode::Drawing : Mode::Clicking;
            if (m_Mode == Mode::Drawing)
                m_State.clip.m_SelectionPasted = false;
        }
        m_Start = event.image;
        m_Current = event.image;
        return true;
    }
    void move(const PointerEvent& event) override
    {
        m_Current = event.image;
        RepaintOverlay(m_State.widgets);
    }
    void release(const PointerEvent& event) override
    {
        m_Current = event.image;
        const Mode mode = std::exchange(m_Mode, Mode::Idle);
        if (mode == Mode::Dragging) {
            const QPoint to = m_From.topLeft() + offset();
            m_Floating = QImage();
            SetSelection(m_State.view, m_State.widgets, QRect(to, m_From.size()));
            if (m_Gestures.selectionDropped)
                m_Gestures.selectionDropped(m_From, to, m_Whiten);
            return;
        }
        const QRect region =
            mode == Mode::Drawing ? PixelRect(m_Start, m_Current) & PageRect(m_State.widgets) : QRect();
        if (!region.isEmpty()) {
            SetSelection(m_State.view, m_State.widgets, region);
            if (m_Gestures.regionDrawn)
                m_Gestures.regionDrawn(region);
            return;
        }
        if (mode == Mode::Drawing)
            RemoveSelection(m_State.view, m_State.widgets);
        RepaintOverlay(m_State.widgets);
        if (m_Gestures.clicked)
            m_Gestures.clicked(m_Current);
    }
    void paint(QPainter& painter) override
    {
        const engine::ImageViewer& viewer = *m_State.widgets.mtMain;
        if (!viewer.hasImage())
            return;
        painter.setBrush(Qt::NoBrush);
        if (m_Mode == Mode::Drawing) {
            painter.setPen(FramePen());
            painter.drawRect(QRectF(viewer.imageToWidget(m_Start), viewer.imageToWidget(m_Current)).normalized());
            return;
        }
        if (m_Mode == Mode::Dragging) {
            if (m_Whiten)
                painter.fillRect(ViewerRectOf(viewer, m_From), Qt::white);
            const QRectF target = ViewerRectOf(viewer, QRectF(m_From.translated(offset())));
            if (!m_Floating.isNull())
                painter.drawImage(target, m_Floating);
            painter.setPen(FramePen());
            painter.drawRect(target);
            return;
        }
        if (!m_State.view.m_Selection.isEmpty()) {
            painter.setPen(FramePen());
            painter.drawRect(ViewerRectOf(viewer, QRectF(m_State.view.m_Selection)));
        }
    }
    void cancel() override
    {
        m_Mode = Mode::Idle;
        m_Floating = QImage();
    }

private:
    enum class Mode { Idle, Drawing, Dragging, Clicking };

    QPoint offset() const { return QPoint(int(std::lround(m_Current.x() - m_Start.x())), int(std::lround(m_Current.y() - m_Start.y()))); }

    ControlState& m_State;
    const PointerGestures& m_Gestures;
    Mode m_Mode = Mode::Idle;
    QPointF m_Start, m_Current;
    QRect m_From;
    QImage m_Floating;
    bool m_Whiten = false;
};

// The handlers that hear a press under each armed tool, asked in order until one takes it. The
// trim box is asked first under every tool that selects; the deskew line takes every press.
enum class Slot { TrimBox, Line, CommentBox, Selection };
constexpr Slot kSelecting[] = {Slot::TrimBox, Slot::Selection};
constexpr Slot kPlacingComment[] = {Slot::TrimBox, Slot::CommentBox, Slot::Selection};
constexpr Slot kDrawingLine[] = {Slot::Line};

struct PressRoute {
    PointerTool tool;
    std::span<const Slot> handlers;
};

constexpr PressRoute kPressRoutes[] = {
    {PointerTool::None, kSelecting},
    {PointerTool::ClearInside, kSelecting},
    {PointerTool::ClearOutside, kSelecting},
    {PointerTool::Crop, kSelecting},
    {PointerTool::Comment, kPlacingComment},
    {PointerTool::Paint, kSelecting},
    {PointerTool::DeskewLine, kDrawingLine},
};

std::span<const Slot> PressRouteOf(PointerTool tool)
{
    const auto* route = std::ranges::find(kPressRoutes, tool, &PressRoute::tool);
    return route != std::end(kPressRoutes) ? route->handlers : std::span<const Slot>(kSelecting);
}

std::size_t Index(Slot slot)
{
    return static_cast<std::size_t>(slot);
}

}  // namespace

PointerTools::PointerTools(ControlState& state, PointerGestures gestures, QObject* parent)
    : QObject(parent), m_State(state), m_Gestures(std::move(gestures))
{
    m_Handlers[Index(Slot::TrimBox)] = std::make_unique<TrimBoxHandler>(state);
    m_Handlers[Index(Slot::Line)] = std::make_unique<LineHandler>(state, m_Gestures);
    m_Handlers[Index(Slot::CommentBox)] = std::make_unique<CommentPlacement>(state);
    m_Handlers[Index(Slot::Selection)] = std::make_unique<SelectionHandler>(state, m_Gestures);
    state.widgets.txtPageNumber->installEventFilter(this);
    connect(state.widgets.cmdFont, &QPushButton::clicked, this, [this] {
        if (m_Gestures.commentFontAsked)
            m_Gestures.commentFontAsked();
    });
    engine::ImageViewer* viewer = state.widgets.mtMain;
    state.widgets.overlay = new ViewerOverlay(*this, viewer->viewport());
    connect(viewer, &engine::ImageViewer::pointerPressed, this, &PointerTools::pressed);
    connect(viewer, &engine::ImageViewer::pointerMoved, this,
            [this](Qt::MouseButtons, Qt::KeyboardModifiers modifiers, QPointF imagePos) { moved(modifiers, imagePos); });
    connect(viewer, &engine::ImageViewer::pointerReleased, this, &PointerTools::released);
    connect(viewer, &engine::ImageViewer::displayChanged, this, [this] { RepaintOverlay(m_State.widgets); });
    connect(viewer, &engine::ImageViewer::imageChanged, this, [this] {
        if (m_Active)
            m_Active->cancel();
        m_Active = nullptr;
    });
}

PointerTools::~PointerTools() = default;

bool PointerTools::eventFilter(QObject* watched, QEvent* event)
{
    QLineEdit* box = m_State.widgets.txtPageNumber;
    if (watched != box)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn) {
        m_State.tools.m_CommentEntry = 1;
        return false;
    }
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    // The comment is written when Enter is let go, and the box keeps both halves of the key:
    // once it is hidden the release would reach the control, whose Enter starts a scan.
    if (event->type() == QEvent::KeyRelease && !key->isAutoRepeat()) {
        m_State.tools.m_CommentEntry = 0;
        if (m_Gestures.commentEntered)
            m_Gestures.commentEntered(m_State.widgets.mtMain->viewport()->mapFrom(box->parentWidget(), box->pos()));
    }
    return true;
}

PointerEvent PointerTools::eventAt(Qt::KeyboardModifiers modifiers, QPointF imagePos) const
{
    return {imagePos, m_State.widgets.mtMain->imageToWidget(imagePos), modifiers};
}

void PointerTools::pressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF imagePos)
{
    if (button != Qt::LeftButton || !m_State.widgets.mtMain->hasImage() || m_Active)
        return;
    const PointerEvent event = eventAt(modifiers, imagePos);
    for (Slot slot : PressRouteOf(m_State.tools.ActiveTool())) {
        PointerHandler* handler = m_Handlers[Index(slot)].get();
        if (handler->press(event)) {
            m_Active = handler;
            break;
        }
    }
    RepaintOverlay(m_State.widgets);
}

void PointerTools::moved(Qt::KeyboardModifiers modifiers, QPointF imagePos)
{
    if (m_Active)
        m_Active->move(eventAt(modifiers, imagePos));
}

void PointerTools::released(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF imagePos)
{
    if (button != Qt::LeftButton || m_Active == nullptr)
        return;
    // The command the release runs may change the page; the gesture is over before it does.
    PointerHandler* handler = std::exchange(m_Active, nullptr);
    handler->release(eventAt(modifiers, imagePos));
}

void PointerTools::paint(QPainter& painter)
{
    for (const std::unique_ptr<PointerHandler>& handler : m_Handlers)
        handler->paint(painter);
}

}  // namespace scanvo
