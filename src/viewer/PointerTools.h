#pragma once
// The pointer tools of the viewer mtMain. Each tool is a small handler with its own press, move,
// release and paint: the trim box (move and resize), the deskew guide line, the placement of the
// comment entry box, and the selection (rubber band, drag, click). The handlers draw through an
// overlay laid over the viewer's page; a finished gesture is handed to the control through
// PointerGestures, which runs the command. Only the left button draws; nothing happens while
// the viewer holds no page.

#include "core/ControlState.h"

#include <QLineF>
#include <QObject>
#include <QPoint>
#include <QPointF>
#include <QRect>

#include <array>
#include <functional>
#include <memory>

class QPainter;

namespace scanvo {

// What the control does with a finished gesture. Points are image pixels unless said otherwise.
struct PointerGestures {
    // A selection region was drawn; it is already the selection.
    std::function<void(const QRect& region)> regionDrawn;
    // The button went down and up without drawing a region.
    std::function<void(const QPointF& point)> clicked;
    // The selection from was dragged to have its top-left corner at to; whiten says whether the
    // place it left is to turn white (only the first drag of a selection not pasted lifts it).
    std::function<void(const QRect& from, const QPoint& to, bool whiten)> selectionDropped;
    // The deskew guide line, in image pixels and as drawn in the viewer (viewer pixels).
    std::function<void(const QLineF& image, const QLineF& viewer)> lineDrawn;
    // Enter was let go in the comment entry box; boxTopLeft is the box's place over the viewer's
    // page area (viewer pixels).
    std::function<void(const QPoint& boxTopLeft)> commentEntered;
    // The entry box's font button was clicked.
    std::function<void()> commentFontAsked;
};

// One pointer event: where, in image and in viewer pixels, with the keys held.
struct PointerEvent {
    QPointF image;
    QPointF viewer;
    Qt::KeyboardModifiers modifiers;
};

class PointerHandler {
public:
    virtual ~PointerHandler() = default;
    // True when this handler takes the gesture; it then gets the moves and the release.
    virtual bool press(const PointerEvent& event) = 0;
    virtual void move(const PointerEvent&) {}
    virtual void release(const PointerEvent&) {}
    // Draws the handler's part of the overlay, in viewer pixels.
    virtual void paint(QPainter&) {}
    // The page changed under a gesture: drop it.
    virtual void cancel() {}
};

class PointerTools : public QObject {
    Q_OBJECT
public:
    // Lays the overlay over state.mtMain (kept in state.overlay) and connects its pointer events.
    PointerTools(ControlState& state, PointerGestures gestures, QObject* parent = nullptr);
    ~PointerTools() override;

    void paint(QPainter& painter);

protected:
    // The comment entry box holds the keys while it has the focus, until Enter is let go.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void pressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF imagePos);
    void moved(Qt::KeyboardModifiers modifiers, QPointF imagePos);
    void released(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF imagePos);
    PointerEvent eventAt(Qt::KeyboardModifiers modifiers, QPointF imagePos) const;

    ControlState& m_State;
    PointerGestures m_Gestures;
    // One handler per kind of gesture; which of them hear a press follows from the armed tool.
    std::array<std::unique_ptr<PointerHandler>, 4> m_Handlers;
    PointerHandler* m_Active = nullptr;
};

}  // namespace scanvo
