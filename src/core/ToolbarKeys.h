#pragma once
// Toolbar buttons and drop-down menu items by their command key. Every button and menu item of
// the control's toolbars is a QAction whose objectName is its key.

#include <QString>

class QAction;
class QToolBar;

namespace scanvo {

// The button with this key, else the drop-down menu item with this key; null if neither exists.
QAction* FindToolbarAction(QToolBar* toolbar, const QString& key);
// Enables or disables the button (or menu item) key of toolbar; nothing when either is missing.
void EnableToolbarKey(QToolBar* toolbar, const QString& key, bool enabled);
// Clicks the button (or menu item) key when it is enabled, so the command runs through the
// toolbar's own dispatcher exactly as a click would. False when it is missing or disabled.
bool ClickToolbarKey(QToolBar* toolbar, const QString& key);

}  // namespace scanvo
