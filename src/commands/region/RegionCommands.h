#pragma once
// Region clear, crop, trim and centring. Three are pointer tools: their toggle arms the tool, and
// each selection finished while it is armed runs its command once. The others run from the
// editing toolbar. Pages of every depth keep their depth; what a command whitens is white on each.

#include "core/ControlState.h"

#include <QRect>

namespace scanvo {

// The tool toggles ("miClear", "miTrim", "miCrop"; keys F, G, X). Switching one on switches the
// other two off, ends deskew-by-line mode, the comment tool, the colour picker and the paint tool.
void ToggleClearInside(ControlState& state);
void ToggleClearOutside(ControlState& state);
void ToggleCrop(ControlState& state);

// Whitens the selection and removes it. Nothing without a selection.
void ClearInside(ControlState& state);
// Whitens everything outside the selection's rectangle; with Imaging.TrimAutoCenter 1 the
// rectangle also moves to the page centre. Nothing without a selection.
void ClearOutside(ControlState& state);
// Crops to the selection, or without one to the content (Imaging.AutoTrim as tolerance); with
// Imaging.CropAutoResize 1 the result is stretched back to the page's size.
void Crop(ControlState& state);
// Whitens everything outside the trim box ("miTrim2"). Nothing while no trim box is drawn.
void ClearOutsideTrimBox(ControlState& state);
// Moves the selection's pixels (kind 1 centred left-right, 2 top-bottom, 3 both ways, 4 to the
// top-left corner) onto an otherwise white page of unchanged size. Without a selection the
// content found with the fixed tolerance 64 is centred both ways, whatever the kind.
void CentreImage(ControlState& state, int kind);
void CentreLeftRight(ControlState& state);
void CentreTopBottom(ControlState& state);
void CentreBoth(ControlState& state);
void MoveToTopLeft(ControlState& state);

// The trim box as a rectangle of the page in image pixels; empty while no box is drawn.
QRect TrimBoxImageRect(const ViewerState& view, const PointerToolState& tools, const ChildWidgets& widgets);

// frmAutoTrimOptions for Imaging.AutoTrim (the settings menu's "miAutoTrimSetting").
void ShowAutoTrimOptions(ControlState& state);

}  // namespace scanvo
