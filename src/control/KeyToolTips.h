#pragma once
// Tooltips that name the keys running a command, so the keyboard can be learnt from the mouse.

#include "core/ControlState.h"

#include <QString>
#include <QStringList>

namespace scanvo {

// tip followed by the keys in brackets, "旋转图像 (T)"; tip alone when no key runs the command.
QString ToolTipWithKeys(const QString& tip, const QStringList& keyNames);

// Adds to the tooltip of every button and menu item of the control's toolbars the keys that run
// it, taking the tooltip as the action has it now. Runs once, after the toolbars are built.
void AddKeysToToolTips(ChildWidgets& widgets);

}  // namespace scanvo
