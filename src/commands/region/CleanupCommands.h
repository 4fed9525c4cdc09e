#pragma once
// The four cleanup filters of bitonal pages, each one undoable edit however many engine calls it
// makes, with the settings of section Imaging; and their option forms. On a page of more than one
// bit per pixel, or without a page, a filter does nothing at all.

#include "core/ControlState.h"

namespace scanvo {

void DespecklePage(ControlState& state);
void RemovePageBorders(ControlState& state);
void RemovePageLines(ControlState& state);
void RemovePageHolePunches(ControlState& state);

// The settings menu's "miDespeckleSetting", "miRemoveBordersSetting", "miRemoveLinesSetting" and
// "miRemoveHolePunchSetting".
void ShowDotRemoveOptions(ControlState& state);
void ShowBorderRemoveOptions(ControlState& state);
void ShowLineRemoveOptions(ControlState& state);
void ShowHolePunchRemoveOptions(ControlState& state);

}  // namespace scanvo
