// Toolbar enabling rules.
#include "control/ToolbarStates.h"

namespace scanvo {

void SetNoDocumentState(ControlState& state)
{
    // Will disable the document buttons of every toolbar once the toolbars exist.
    state.m_SelectMode = 0;
}

}  // namespace scanvo
