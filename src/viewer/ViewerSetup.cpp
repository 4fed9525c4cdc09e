// Viewer start-up.
#include "viewer/ViewerSetup.h"

namespace scanvo {

void InitViewer(ControlState& state)
{
    // Will set mtMain's display mode and fit style once the viewer exists.
    SetRegionShape(state, 1);
}

void SetRegionShape(ControlState& state, int shape)
{
    // Will pass the selection shape to mtMain's pointer tools.
    (void)state;
    (void)shape;
}

}  // namespace scanvo
