#pragma once
// The file-open dialog's filter when files are chosen for a document (import, replace).

#include <QString>

namespace scanvo {

// The description of the image files a document of docType takes and their patterns in the last
// parentheses, which is where the dialog reads them from.
QString FileDialogFilter(qint16 docType);

}  // namespace scanvo
