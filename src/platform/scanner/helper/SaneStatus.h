#pragma once
// The one translation of SANE status values into ScannerSource result codes.

namespace scanvo::scanner {

// status is a SANE_Status; end of data (SANE_STATUS_EOF) is not a failure and gives 0.
int ResultFromSaneStatus(int status);

}  // namespace scanvo::scanner
