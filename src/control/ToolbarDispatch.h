#pragma once
// One dispatcher per toolbar: each runs the command its toolbar means by a clicked button's or
// menu item's key. One key may mean different things on two toolbars ("miFirst" is the first page
// on tbCommon and the first file on tbFileNav). A key whose command is not built yet does nothing.

#include "control/ControlState.h"

#include <QString>

namespace scanvo {

// tbMain: scanning, import and the settings dialogs.
void DispatchMainToolbar(ControlState& state, const QString& key);
// tbFileNav: moving between the files of a mixed document.
void DispatchFileNavToolbar(ControlState& state, const QString& key);
// tbFileOperate: selecting, deleting, replacing and renaming files.
void DispatchFileOperateToolbar(ControlState& state, const QString& key);
// tbCommon: page steps, zoom and fit, undo, clipboard and the pointer tools.
void DispatchCommonToolbar(ControlState& state, const QString& key);
// tbImaging: the image-editing commands.
void DispatchImagingToolbar(ControlState& state, const QString& key);

}  // namespace scanvo
