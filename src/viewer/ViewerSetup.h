#pragma once
// Start-up settings of the viewer mtMain.

#include "control/ControlState.h"

namespace scanvo {

// Applies the viewer's start-up display setting and the fit style Common.ImageFitStyle, then
// selects the rectangular selection shape.
void InitViewer(ControlState& state);
// Shape of the viewer's selection: 1 rectangle.
void SetRegionShape(ControlState& state, int shape);

}  // namespace scanvo
