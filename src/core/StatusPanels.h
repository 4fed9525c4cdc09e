#pragma once
// The panels of the status bar sbTotalInfo: 1 status text, 2 page position, 3 image size and
// depth, 4 date, 5 time. Each panel is a QLabel in the bar named "sbTotalInfoPanel" + number.

#include "core/ControlState.h"

#include <QString>

class QLabel;

namespace scanvo {

// Panel n (1..5) of the bar, null when the bar or the panel does not exist.
QLabel* StatusPanel(const ChildWidgets& widgets, int n);
// Panel 2's text is also the viewer's accessible description.
void SetStatusPanelText(ChildWidgets& widgets, int n, const QString& text);

// Writes text into panel 1 and lets pending paint events run, so the text is on screen before a
// long engine call. User input waits, so no second command starts in between.
void SetStatusText(ChildWidgets& widgets, const QString& text);
// Panel 1 back to the idle status text, or to the hint of deskew-by-line mode while it is on.
void SetIdleStatusText(PointerToolState& tools, ChildWidgets& widgets);

}  // namespace scanvo
