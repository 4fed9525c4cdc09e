#pragma once
// Zoom and fit: the zoom steps, the zoom box cboZoomFactor, the four display styles and the
// enabled state of the zoom buttons. The viewer does the scaling; these decide the numbers.

#include "core/ControlState.h"

#include <QString>
#include <QtGlobal>

namespace scanvo {

// Kinds of StepZoom.
enum ZoomStepKind : qint16 { ZoomStepIn = 1, ZoomStepOut = 2, ZoomStepSet = 0 };

// Display styles of ApplyFitStyle; 0 to 3 are also the values of Common.ImageFitStyle.
enum FitStyle : qint16 {
    FitActualSize = 0,
    FitWindow = 1,
    FitWidth = 2,
    FitHeight = 3,
    FitPercentage = 4,
};

// The next multiple of 5 above z, and the multiple of 5 below z (z - 5 when z is one).
qint32 ZoomStepUp(qint32 z);
qint32 ZoomStepDown(qint32 z);
// The number of 25 % steps nearest to percent, halves to even (105 gives 4, 137 gives 5).
qint16 QuarterStepsFor(qint32 percent);
// The zoom box text of a percentage: "105%".
QString ZoomBoxText(qint32 percent);

// The zoom buttons (with the busy pointer and status text).
void ZoomIn(ControlState& state);
void ZoomOut(ControlState& state);
// kind 1 in, 2 out, any other: set to value. Writes the zoom to the viewer, then the box and buttons.
void StepZoom(ViewerState& view, ChildWidgets& widgets, qint16 kind, qint16 value = 0);
// Zooms to n quarter steps (n x 25 %).
void ZoomToQuarterSteps(ViewerState& view, PointerToolState& tools, ChildWidgets& widgets, qint16 n);
// Sets the viewer's paint mode for style and the zoom that follows from it (value for style 4).
void ApplyFitStyle(ViewerState& view, ChildWidgets& widgets, qint16 style, qint16 value = 0);
// An item of the "miFitStyle" menu ("miActualSize", "miBestFit", "miFitWidth", "miFitHeight"):
// stores the style in Common.ImageFitStyle and applies it. False for any other key.
bool ChooseFitStyle(ControlState& state, const QString& key);

// m_ZoomPercent from the scale the viewer paints at: in a fit style that enlarges the page, 100.
void TakeZoomFromViewer(ViewerState& view, ChildWidgets& widgets);

// The zoom box shows m_ZoomPercent, as one of its eight fixed entries or as a ninth.
void SyncZoomBox(ViewerState& view, ChildWidgets& widgets);

// Events of the zoom box: an entry picked, the box getting the focus.
void OnZoomBoxPicked(ControlState& state, int index);
// Connects the zoom box's events to the operations above, and keeps the box on the viewer's
// scale while a fit style lets that scale follow the window and the page.
void ConnectZoomBox(ControlState& state);

}  // namespace scanvo
