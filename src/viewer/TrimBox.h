#pragma once
// The trim box ("自动框选框"): a frame over the viewer, in viewer pixels, that the user moves and
// resizes and that clear-outside-the-box uses. The box is remembered for the control's lifetime
// and drawn on every page shown while the tool is on.

#include "core/ControlState.h"

#include <QRectF>

namespace scanvo {

// Switches the tool: on draws the box over a page and enables "miTrim2", off removes the frame
// and disables it; "miTrimRegion" is pressed while on.
void ToggleTrimRegion(ControlState& state);
// Puts the frame at the remembered box, computing the first box when none is remembered.
void DrawTrimRegion(PointerToolState& tools, ChildWidgets& widgets);
// The first box: the area a whole page fitted into the viewer occupies, 5 pixels inside it.
void DefaultTrimRegion(PointerToolState& tools, ChildWidgets& widgets);
// Another document: the box remembered for the last one is forgotten, and the next box drawn is
// the first box of the page then shown.
void ForgetTrimRegion(PointerToolState& tools);
// The user moved or resized the frame to frame: the box is remembered 4 pixels inside it.
void TrimFrameChanged(PointerToolState& tools, ChildWidgets& widgets, const QRectF& frame);

}  // namespace scanvo
