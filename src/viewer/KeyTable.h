#pragma once
// The single keys of the control: released without Shift, Ctrl or Alt, each runs the command of a
// toolbar button or menu item while its guarding button is enabled, so the enabled states decide
// what the keys may do just as they decide what the mouse may. While the comment entry box has
// the keys, none of them does anything.

#include "core/ControlState.h"

#include <Qt>

namespace scanvo {

// A key released on the control. True when the key belonged to the table (it then goes no
// further), whether or not its guard let it act.
bool OnControlKeyUp(ControlState& state, int key, Qt::KeyboardModifiers modifiers);

}  // namespace scanvo
