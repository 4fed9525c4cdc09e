#pragma once
// Rotation and deskew of the page on view: quarter and half turns, automatic deskew, deskew by a
// line drawn along a text line, and rotation by an angle chosen in frmDeskewX with a live
// preview. Angles are hundredths of a degree, clockwise positive. Without a page each does
// nothing.

#include "core/ControlState.h"

namespace scanvo {

// 1 a quarter turn anticlockwise, 2 clockwise, 3 a half turn; the canvas turns with the page.
void RotateFixed(ControlState& state, int kind);
void RotateLeft(ControlState& state);
void RotateRight(ControlState& state);
void Rotate180(ControlState& state);
// The engine finds the skew of the text lines and levels them.
void DeskewAutomatic(ControlState& state);
// Deskew-by-line mode on or off: the deskew line armed as the pointer tool, or disarmed.
void ToggleDeskewLineMode(ControlState& state);
// Levels the line m_LineX1, m_LineY1 to m_LineX2, m_LineY2 (image pixels): angle is its slope in
// hundredths of a degree (>= 0); the line's direction decides the sense of the turn. The canvas
// grows or keeps its size by Imaging.RotateFlag.
void DeskewByLine(ControlState& state, float angle);
// The slope of the line from (x1, y1) to (x2, y2) in hundredths of a degree, 0 to 9000; negative
// when the line is level or upright, which rotates nothing.
float LineAngle(double x1, double y1, double x2, double y2);
// frmDeskewX on the page: kind 1 manual deskew, 2 rotation by any angle. OK keeps the preview as
// one undoable edit; cancel leaves page and history as they were.
void RotateByDialog(ControlState& state, int kind);
void RotateAngle(ControlState& state);
void DeskewManual(ControlState& state);

// frmDeskewOptions for Imaging.RotateFlag (the settings menu's "miDeskewSetting").
void ShowDeskewOptions(ControlState& state);

}  // namespace scanvo
