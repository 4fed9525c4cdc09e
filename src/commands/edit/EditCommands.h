#pragma once
// Undo and redo over the page's history, and cut, copy and paste of the selection. Each runs only
// when its condition holds (a level to go back to, a selection, something cut or copied) and
// does nothing otherwise.

#include "core/ControlState.h"

namespace scanvo {

void Undo(ControlState& state);
void Redo(ControlState& state);
// Takes the selection's pixels into the control's clipboard and onto the system clipboard, and
// remembers the region; cut also whitens it as one undoable edit.
void Cut(ControlState& state);
void Copy(ControlState& state);
// Puts the clipboard's pixels back at the remembered region, which becomes the selection again.
void Paste(ControlState& state);

}  // namespace scanvo
