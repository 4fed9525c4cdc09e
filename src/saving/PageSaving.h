#pragma once
// Writing the viewer's page back to its file.

#include "core/ControlState.h"

#include "platform/engine/ImageFile.h"

namespace scanvo {

// How the shown page goes back into g_CurrentFilePath: a single-page document or a file of one
// page is rewritten whole, a page of a longer multi-page file is replaced at m_ShownPage.
engine::SaveOptions WriteBackOptions(const ControlProperties& props, const DocumentPosition& doc, int loadFormat, int bits);

// Writes the page of the viewer back into its file, in the format it was read in, and clears
// m_PageModified. A viewer without a page does nothing. A failure is logged and reported, and the
// page stays modified so the next page change tries again.
void SaveCurrentPage(ControlState& state);

// The step before anything moves away from the page on view: a modified page is written back.
// False when it stays modified; the failure has been logged and reported, and the caller stops.
bool PageWrittenBack(ControlState& state);

}  // namespace scanvo
