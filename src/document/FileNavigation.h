#pragma once
// Moving between the files of a mixed document (type 0): the tbFileNav commands, the file-number
// box cboCurrentFile, and the list pane's clicks and keys, which move between files or pages.

#include "control/ControlState.h"

#include <QString>

namespace scanvo {

// The file navigation commands. They do not test the bounds: the buttons are enabled only where
// the move is possible.
void FirstFile(ControlState& state);
void PreviousFile(ControlState& state);
void NextFile(ControlState& state);
void LastFile(ControlState& state);
// Runs the tbFileNav command of key, then gives the keyboard focus back to the control. False for
// a key tbFileNav does not have.
bool DispatchFileNav(ControlState& state, const QString& key);

// cboCurrentFile: the list about to drop down, an item picked, Enter typed.
void OnFileBoxDropDown(ControlState& state);
void OnFileBoxPicked(ControlState& state);
void OnFileBoxEnter(ControlState& state);

// lvwFileList: a click, and a released key (Qt key code) with or without Shift.
void OnFileListClick(ControlState& state);
void OnFileListKeyUp(ControlState& state, int key, bool shift);

// Connects cboCurrentFile and lvwFileList to the handlers above (tbFileNav's clicks reach
// DispatchFileNav through the toolbar's dispatcher).
void ConnectFileNavigation(ControlState& state);

}  // namespace scanvo
