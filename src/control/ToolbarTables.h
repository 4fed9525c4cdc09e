#pragma once
// The five toolbars of the control as data: one row per button, in toolbar order, with its key,
// caption, tooltip, icon, button style and drop-down menu items. CommandToolBar builds a QToolBar
// from a table; every other part names buttons and menu items by these keys only.

#include "control/ToolbarIcons.h"

#include <QString>
#include <Qt>

#include <span>

namespace scanvo {

enum class ButtonStyle {
    Plain,          // a click runs its key
    Check,          // a toggle; its pressed state belongs to the tool behind it
    DropDown,       // a click runs its key, the arrow opens its menu
    CheckDropDown,  // a toggle with a drop-down menu
    MenuOnly,       // a click opens its menu; the button itself runs nothing
    Placeholder,    // room for a combo box laid over the toolbar; never enabled
    Separator,      // a gap between groups; no key
};

struct MenuItemRow {
    const char* text;  // UTF-8, translated by TableText
    const char* key;
};

struct ToolbarRow {
    const char* key;
    const char* caption;  // UTF-8, translated by TableText; empty when the button shows only its icon
    const char* tooltip;  // UTF-8, translated by TableText; empty to let the caption serve as tooltip
    ToolbarIcon icon;
    ButtonStyle style;
    std::span<const MenuItemRow> menu;
};

struct ToolbarTable {
    const char* name;                   // the toolbar's objectName
    Qt::ToolButtonStyle captionStyle;   // how buttons look while captions are shown
    std::span<const ToolbarRow> rows;
};

namespace toolbars {

// A caption, tooltip or menu item text of the tables in the control's language.
QString TableText(const char* text);

extern const ToolbarTable tbMain;         // scanning, import, export and settings
extern const ToolbarTable tbFileNav;      // file navigation of mixed documents
extern const ToolbarTable tbFileOperate;  // file operations
extern const ToolbarTable tbCommon;       // page navigation, zoom, undo, clipboard, pointer tools
extern const ToolbarTable tbImaging;      // image-editing commands

}  // namespace toolbars

}  // namespace scanvo
