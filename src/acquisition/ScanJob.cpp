// Scan jobs.
#include "acquisition/ScanJob.h"

namespace scanvo {

void StartScan(ControlState& state)
{
    // The scan job's entry point; acquisition itself lives with the scan job.
    (void)state;
}

}  // namespace scanvo
