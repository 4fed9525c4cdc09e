// The library's one exported entry point: creating a control from its ProgID.
#include "ScanvoFactory.h"

extern "C" __attribute__((visibility("default"))) QWidget* ScanvoCreateControl(const char* progId, QWidget* parent)
{
    (void)progId;
    (void)parent;
    return nullptr;
}
