#pragma once
// Scan jobs.

#include "core/ControlState.h"

namespace scanvo {

// The scan job's entry point, for a job in m_ScanMode into the open document. Not built yet: it
// returns without scanning.
void StartScan(ControlState& state);

}  // namespace scanvo
