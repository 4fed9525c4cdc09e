#pragma once
// The single keys of the control: released without Shift, Ctrl or Alt, each runs the command of a
// toolbar button or menu item while its guarding button is enabled, so the enabled states decide
// what the keys may do just as they decide what the mouse may. While the comment entry box has
// the keys, none of them does anything.

#include "core/ControlState.h"

#include <QStringList>
#include <Qt>

class QToolBar;

namespace scanvo {

// A key released on the control. True when the key belonged to the table (it then goes no
// further), whether or not its guard let it act.
bool OnControlKeyUp(ControlState& state, int key, Qt::KeyboardModifiers modifiers);

// Names of the keys that act on the button or menu item key of toolbar, in table order: for a
// button every key it guards, for a menu item every key that chooses it. Keypad keys are left out:
// each one repeats a key of the main block.
QStringList KeyNamesFor(const ChildWidgets& widgets, const QToolBar* toolbar, const QString& key);

}  // namespace scanvo
