#pragma once
// Scan jobs.

#include "control/ControlState.h"

namespace scanvo {

// The scan job's entry point: acquires pages in m_ScanMode into the open document.
void StartScan(ControlState& state);

}  // namespace scanvo
