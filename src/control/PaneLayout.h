#pragma once
// Arrangement of the control's panes and child controls from the layout settings. Geometry
// constants are in twips, the layout's unit, and go through Twips() once.

#include "core/ControlState.h"
#include "core/Twips.h"

namespace scanvo {

// Places the status bar, both panes and everything inside them.
void LayoutPanes(ControlProperties& props, ChildWidgets& widgets);
// Scan pane: tbMain at the top, tbFileNav below it only for document type 0, tbFileOperate at the
// bottom and lvwFileList between them, all as wide as the pane.
void ArrangeLeftPane(ControlProperties& props, ChildWidgets& widgets);
// Main pane: tbCommon at the top, the editing bar picImaging on the side Layout.ImagingBarAlign
// names, and the viewer in the rest.
void ArrangeMainPane(ChildWidgets& widgets);
// Panel 1 takes what the fixed panels leave of a wide bar, and 900 twips of a narrow one.
void LayoutStatusPanels(ChildWidgets& widgets);
// Grid guides over the viewer at sixths of its height (0-4) and width (5-9).
void PlaceGridLines(ChildWidgets& widgets);

// Width of the editing bar on the side: 1185 twips with captions, 765 without.
int ImagingBarWidthTwips(qint16 imagingButtonCaption);
// Width in pixels of status-bar panel 1 for a bar barWidth pixels wide.
int StatusPanelOneWidth(int barWidth);

}  // namespace scanvo
