#pragma once
// Tone, colour and binarisation of the page on view: invert, darken, lighten and smooth text,
// the preview dialogs of brightness and contrast, saturation, colour levels and background
// removal, and conversion to black and white. Each is one undoable edit; a cancelled colour
// levels or background removal leaves page and history as they were.

#include "core/ControlState.h"

namespace scanvo {

// Inverts a bitonal page; other pages are left alone.
void InvertPage(ControlState& state);
void DarkenText(ControlState& state);
void LightenText(ControlState& state);
void SmoothPageText(ControlState& state);

// frmImageAdjust and frmSaturation: the page always gains an undo level, whatever the user did.
void AdjustBrightContrast(ControlState& state);
void AdjustSaturation(ControlState& state);
// frmBackgroundSubtraction: an undo level only when the user accepts.
void AdjustColorLevels(ControlState& state);
void RemovePageBackground(ControlState& state);

void ConvertToBlackAndWhite(ControlState& state);

// frmPaintRect for the paint tool's block size (the settings menu's "miPaintSetting").
void ShowPaintRectOptions(ControlState& state);

}  // namespace scanvo
