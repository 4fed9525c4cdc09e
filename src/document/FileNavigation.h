#pragma once
// Moving between the files of a mixed document (type 0): the tbFileNav commands, the file-number
// box cboCurrentFile, and the list pane's clicks and keys, which move between files or pages.

#include "core/ControlState.h"

#include <QString>

namespace scanvo {

// The file navigation commands of tbFileNav. They do not test the bounds: the buttons are enabled
// only where the move is possible.
void FirstFile(ControlState& state);
void PreviousFile(ControlState& state);
void NextFile(ControlState& state);
void LastFile(ControlState& state);

// cboCurrentFile: the list about to drop down, an item picked, Enter typed.
void OnFileBoxDropDown(ControlState& state);
void OnFileBoxPicked(ControlState& state);
void OnFileBoxEnter(ControlState& state);

// lvwFileList: a click, and a released key (Qt key code) with or without Shift. The moving keys
// act like a click; Space clicks tbMain's scan button.
void OnFileListClick(ControlState& state);
void OnFileListKeyUp(ControlState& state, int key, bool shift);

// Connects cboCurrentFile and lvwFileList to the handlers above (tbFileNav's clicks reach the
// file commands through the toolbar's dispatcher).
void ConnectFileNavigation(ControlState& state);

}  // namespace scanvo
