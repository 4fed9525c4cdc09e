#pragma once
// The toolbar icons: the desktop's icon theme's icon where the theme has one for the command, else
// our own line-drawn glyph, painted in code at whatever size a toolbar asks for, so every button has
// an icon even where no theme is installed.

#include <QIcon>

namespace scanvo {

enum class ToolbarIcon {
    None,  // placeholders and separators
    // page and file navigation
    First,
    Previous,
    Next,
    Last,
    // zoom, history, clipboard, pointer tools
    ZoomIn,
    ZoomOut,
    Undo,
    Redo,
    Cut,
    Copy,
    Paste,
    PickColor,
    Grid,
    TrimRegion,
    FitStyle,
    // editing
    Rotate,
    Deskew,
    ClearInside,
    ClearOutside,
    Crop,
    ClearOutsideAuto,
    Align,
    RemoveBorders,
    Despeckle,
    RemoveLines,
    RemoveHolePunches,
    Invert,
    Text,
    Resize,
    Adjust,
    PaintRect,
    Binarize,
    Delete,
    MovePage,
    Unite,
    Divide,
    Comment,
    // scanning and files
    Scan,
    Import,
    Export,
    Settings,
    SelectAll,
    ReplaceFile,
    Rename,
    BatchRename,
};

// The icon for a glyph: the current icon theme's icon of the glyph's freedesktop name when the
// theme has it, else the painted glyph; a null icon for ToolbarIcon::None. Disabled buttons get a
// grey rendering either way.
QIcon ToolbarIconFor(ToolbarIcon glyph);
// The freedesktop icon name looked up for a glyph; empty for glyphs no theme names.
QString ToolbarIconThemeName(ToolbarIcon glyph);
// The painted glyph alone, whatever the theme has.
QIcon PaintedToolbarIcon(ToolbarIcon glyph);

}  // namespace scanvo
