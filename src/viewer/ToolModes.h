#pragma once
// Arming and disarming the pointer tools of the viewer, with their toolbar buttons' pressed
// states. One tool is armed at a time (ControlState::ActiveTool); arming one leaves the one armed
// before. The colour picker, the grid and the trim box stand apart.

#include "core/ControlState.h"

namespace scanvo {

// Arms tool (None: no tool). The tool armed before is left first: its button released, and the
// deskew line's cross and hint put away, which gives selections back their rectangle. The new
// tool's button is pressed; any tool switches the colour picker off; the deskew line shows its
// cross and hint, removes the selection and stops drags from selecting. Either way the comment
// entry box and its font button are hidden and the box gives up the keys.
void ArmPointerTool(ControlState& state, PointerTool tool);
// Arms tool, or disarms it when it is the one armed.
void TogglePointerTool(ControlState& state, PointerTool tool);

// The toolbar button (or menu entry) that arms tool; null for None.
const char* PointerToolKey(PointerTool tool);

// No selection drawing: cut and copy disabled, the selection removed.
void SetPlainPointer(ControlState& state);
// The colour picker on or off: its button, its cursor over the viewer, the colour sample. On, it
// disarms every tool but the paint tool and the deskew line.
void SetPickColor(ControlState& state, bool on);
// The colour picker and the paint tool, toggled by their buttons.
void TogglePickColor(ControlState& state);
void TogglePaintTool(ControlState& state);
// The colour sample lblColor shows the paint colour.
void ShowPaintColor(PointerToolState& tools, ChildWidgets& widgets);

// Grid guides: the thirds, the sixths, none; "miGrid" is pressed while a grid shows.
void ShowGridTwoLines(ControlState& state);
void ShowGridFiveLines(ControlState& state);
void HideGrid(ControlState& state);

}  // namespace scanvo
