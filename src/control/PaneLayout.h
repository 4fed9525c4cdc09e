#pragma once
// Arrangement of the control's panes from the layout settings.

#include "control/ControlState.h"

namespace scanvo {

// Places the scan pane and the main pane (and, once they exist, their toolbars, list and viewer).
void LayoutPanes(ControlState& state);
// Shows tbFileNav for document type 0 and hides it otherwise, fitting lvwFileList between the bars.
void ArrangeLeftPane(ControlState& state);

// Twips (the layout's unit, 15 per screen pixel) to pixels.
constexpr int Twips(int twips) { return twips / 15; }

}  // namespace scanvo
