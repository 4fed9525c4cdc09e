#pragma once
// The selection region of the page on view, as the pointer tools draw it and the editing commands
// read it. Changing it repaints the overlay that frames it.

#include "core/ControlState.h"

#include <QRect>

namespace scanvo {

// A selection region exists (the viewer holds a page and a non-empty region).
bool HasRegion(const ViewerState& view, const ChildWidgets& widgets);
// Makes rect (image pixels, clipped to the page) the selection; an empty rect removes it.
void SetSelection(ViewerState& view, ChildWidgets& widgets, const QRect& rect);
void RemoveSelection(ViewerState& view, ChildWidgets& widgets);
// Repaints what the pointer tools draw over the page.
void RepaintOverlay(ChildWidgets& widgets);

}  // namespace scanvo
