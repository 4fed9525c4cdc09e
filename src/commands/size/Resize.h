#pragma once
// Image size and canvas size of the page on view. Each asks for the new size in its dialog and
// then runs as one undoable edit; cancel, or a size equal to the page's, changes nothing and
// leaves no undo level. Without a page each does nothing.

#include "core/ControlState.h"

namespace scanvo {

// Resamples the page to the pixel size chosen in frmResize.
void ResizeImage(ControlState& state);
// Puts the page at the top-left corner of a white sheet of the paper size chosen in
// frmResizeCanvas, at the page's resolution; what does not fit is cut off.
void ResizeCanvas(ControlState& state);

}  // namespace scanvo
