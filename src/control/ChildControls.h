#pragma once
// The control's fixed set of child controls: the five toolbars with their number boxes, the file
// list, the viewer with its overlays, the editing bar's pane and the status bar. Each carries its
// own name as objectName.

#include "core/ControlState.h"

namespace scanvo {

// Creates every child control inside the two panes (and the status bar below them) and connects
// each toolbar to its dispatcher. The panes must exist; the geometry comes from LayoutPanes.
void CreateChildControls(ControlState& state);

// objectName of status-bar panel n (1..5).
QString StatusPanelName(int n);

// Writes the current date into panel 4 and the current time into panel 5.
void UpdateClockPanels(ChildWidgets& widgets);

}  // namespace scanvo
