#pragma once
// Arming and disarming the pointer tools of the viewer, with their toolbar buttons' pressed
// states. The tools exclude each other by groups: the region tools (clear inside, clear outside,
// crop, comment), the colour tools (picker, paint), and the deskew line, which excludes them all.
// The grid and the trim box stand apart.

#include "core/ControlState.h"

namespace scanvo {

// Clear inside, clear outside, crop and comment off, their buttons released; the comment box and
// its font button hidden, the box giving up the keys.
void ClearRegionTools(ControlState& state);
// Colour picker and paint tool off, their buttons released.
void ClearColorTools(ControlState& state);
// No selection drawing: cut and copy disabled, the selection removed.
void SetPlainPointer(ControlState& state);
// Deskew-by-line mode on or off, as the user sees it too: the "拉线纠斜" menu entry checked, a
// cross over the viewer, and the status bar's hint of what the next drag does.
void SetDeskewLineMode(ControlState& state, bool on);
// Colour picker on or off: its button, the picker cursor over the viewer, the colour sample.
void TogglePickColor(ControlState& state);
// Paint tool on or off; on switches the picker and the region tools off.
void TogglePaintTool(ControlState& state);
// The colour sample lblColor shows the paint colour.
void ShowPaintColor(ControlState& state);

// Grid guides: the thirds, the sixths, none; "miGrid" is pressed while a grid shows.
void ShowGridTwoLines(ControlState& state);
void ShowGridFiveLines(ControlState& state);
void HideGrid(ControlState& state);

}  // namespace scanvo
