#pragma once
// The control's fixed set of child controls: the five toolbars with their number boxes, the file
// list, the viewer with its overlays, the editing bar's pane and the status bar. Each carries its
// own name as objectName.

#include "core/ControlState.h"

namespace scanvo {

// Builds the control's whole surface inside control, once: the two panes, every child control
// inside them (and the status bar below them), each toolbar connected to its dispatcher, the file
// list, page and zoom boxes connected to their commands, and the pointer tools on the viewer.
// Afterwards every pointer in state.widgets is set; the geometry comes from LayoutPanes.
void BuildControlSurface(ControlState& state, QWidget& control);

// objectName of status-bar panel n (1..5).
QString StatusPanelName(int n);

// Writes the current date into panel 4 and the current time into panel 5.
void UpdateClockPanels(ChildWidgets& widgets);

}  // namespace scanvo
