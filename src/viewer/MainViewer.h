#pragma once
// The viewer mtMain as the engine widget it is, and the toolbar buttons the viewer sets.

#include "control/ControlState.h"

#include <QString>

class QToolBar;

namespace scanvo {

namespace engine {
class ImageViewer;
}

// mtMain as the engine's viewer; null while the viewer does not exist.
engine::ImageViewer* MainViewer(const ControlState& state);

// Enables or disables the button (or menu item) key of toolbar; nothing when either is missing.
void EnableToolbarKey(QToolBar* toolbar, const QString& key, bool enabled);
// Whether that button is enabled; false when it is missing.
bool IsToolbarKeyEnabled(QToolBar* toolbar, const QString& key);

}  // namespace scanvo
