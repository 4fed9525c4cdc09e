#pragma once
// The document's file list and file navigation.

#include "control/ControlState.h"

namespace scanvo {

// Clears the previous document: file list, counters, list pane, viewer and status panels.
void ResetDocumentView(ControlState& state);
// Lists the document's files by type (detecting it when asked), fills the list pane and shows the
// file or page at position (0 or beyond the end: the last one).
void BuildFileList(ControlState& state, qint16 position);

}  // namespace scanvo
