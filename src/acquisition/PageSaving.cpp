// Saving the current page.
#include "acquisition/PageSaving.h"

namespace scanvo {

void SaveCurrentPage(ControlState& state)
{
    // Will save mtMain's image into g_CurrentFilePath at m_ShownPage and clear m_PageModified.
    (void)state;
}

}  // namespace scanvo
