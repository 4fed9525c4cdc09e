// File list and file navigation (so far only the reset of the document members).
#include "document/FileList.h"

namespace scanvo {

void ResetDocumentView(ControlState& state)
{
    // Will also empty the list pane, the viewer and the status panels and set the no-document state.
    state.m_Files.clear();
    state.m_FileCount = 0;
    state.m_CurrentFile = 0;
    state.m_PageCount = 0;
    state.m_CurrentPage = 0;
    state.m_ShownPage = 0;
}

void BuildFileList(ControlState& state, qint16 position)
{
    // Will enumerate the document directory, fill m_Files and the list pane and show the page.
    (void)state;
    (void)position;
}

}  // namespace scanvo
