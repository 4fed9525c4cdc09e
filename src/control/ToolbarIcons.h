#pragma once
// The toolbar icons: one line-drawn glyph per command, painted in code at whatever size a toolbar
// asks for, so every button has an icon without image files and the set looks alike.

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

// The icon for a glyph; a null icon for ToolbarIcon::None. Disabled buttons get a grey rendering.
QIcon ToolbarIconFor(ToolbarIcon glyph);

}  // namespace scanvo
