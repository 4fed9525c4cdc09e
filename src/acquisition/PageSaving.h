#pragma once
// Writing the viewer's page back to its file.

#include "control/ControlState.h"

namespace scanvo {

// Writes the modified page of the viewer back into its file, in the file's own format.
void SaveCurrentPage(ControlState& state);

}  // namespace scanvo
