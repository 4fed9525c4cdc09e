#pragma once
// Enabled states of the toolbars as the control moves between no document and a document.

#include "control/ControlState.h"

namespace scanvo {

// Disables everything that needs a document; append scanning, import, settings and the grid stay.
void SetNoDocumentState(ControlState& state);

}  // namespace scanvo
