#pragma once
// Start-up settings of the viewer mtMain.

#include "core/ControlState.h"

namespace scanvo {

// Puts the viewer into the paint mode of the fit style Common.ImageFitStyle and selects the
// rectangular selection shape.
void InitViewer(ViewerState& view, ChildWidgets& widgets);
// How a drag in the viewer selects: 1 rectangle, 2 to 4 the viewer's other shapes; any other value
// leaves the shape as it is.
void SetRegionShape(ViewerState& view, int shape);

}  // namespace scanvo
