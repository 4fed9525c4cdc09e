#pragma once
// What a finished pointer gesture on the viewer does: the commands behind the pointer tools.

#include "core/ControlState.h"

#include <QLineF>
#include <QPoint>
#include <QPointF>
#include <QRect>

namespace scanvo {

struct PointerGestures;

// The gestures of the viewer's pointer tools, bound to the commands below.
PointerGestures CommandGestures(ControlState& state);

// A selection was drawn: cut and copy become available unless the clear or crop tool is armed;
// the paint tool fills it with the paint colour as one undoable edit.
void OnRegionDrawn(ControlState& state, const QRect& region);
// A click: the colour picker takes the colour under the pointer, the paint tool stamps a
// rectangle of Imaging.PaintRectWidth x PaintRectHeight there as one undoable edit; cut and
// copy are disabled.
void OnViewerClick(ControlState& state, const QPointF& point);
// A dragged selection was dropped: its pixels land at to, the place it left turns white when
// whiten says so, as one undoable edit.
void OnSelectionDropped(ControlState& state, const QRect& from, const QPoint& to, bool whiten);
// The deskew guide line was drawn: a line with both extents deskews by it, any other only repaints.
void OnLineDrawn(ControlState& state, const QLineF& image, const QLineF& viewer);

}  // namespace scanvo
