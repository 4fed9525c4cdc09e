#pragma once
// Moving between the pages of the document: the page steps of tbCommon and the page box
// cboCurrentPage.

#include "core/ControlState.h"

namespace scanvo {

// The page steps. They do not test the bounds: the buttons are enabled only where the move is
// possible, and the keys test the same buttons.
void GoFirstPage(ControlState& state);
void GoPreviousPage(ControlState& state);
void GoNextPage(ControlState& state);
void GoLastPage(ControlState& state);

// cboCurrentPage: the list about to drop down, an item picked, Enter typed.
void OnPageBoxDropDown(ControlState& state);
void OnPageBoxPicked(ControlState& state);
void OnPageBoxEnter(ControlState& state);
// Connects the page box's events to the handlers above.
void ConnectPageBox(ControlState& state);

}  // namespace scanvo
