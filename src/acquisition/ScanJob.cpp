// Scan jobs.
#include "acquisition/ScanJob.h"

namespace scanvo {

void StartScan(ControlState& state)
{
    (void)state;
}

}  // namespace scanvo
