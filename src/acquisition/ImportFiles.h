#pragma once
// Importing image files into the open document behind the current page or file, converted to the
// document's type and compression.

#include "core/ControlState.h"

namespace scanvo {

// Asks for files and imports their pages: into the one file of a multi-page document, as one new
// file per page of a single-page document, or as one new file per chosen file (keeping its
// extension) in a mixed document. A modified page is written back first. Panel 1 of the status
// bar counts the pages imported. A page that cannot be read or stored ends the import with a
// message; what was imported stays. True when the document's list was rebuilt.
bool ImportFiles(ControlState& state);

}  // namespace scanvo
