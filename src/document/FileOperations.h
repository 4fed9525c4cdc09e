#pragma once
// The file operations of tbFileOperate on the entries of lvwFileList: checking every entry,
// deleting the checked files (or pages), replacing the selected file, renaming it, and renaming
// the checked files after a naming rule. A modified page is written back before any of them
// changes a file, so no later write-back lands on another page or a file that is gone; when that
// write-back fails the operation does nothing. No rename ever replaces an existing file.
//
// The operations that rebuild the list return true when a page is on view afterwards, so that
// the control can arrange the left pane for a type the rebuild may have detected.

#include "core/ControlState.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace scanvo {

// Checks every entry, or unchecks every entry when all were checked by the last toggle; the
// select button shows which.
void ToggleCheckAll(ControlState& state);

// After two confirmations deletes the checked files from disk (in a multi-page TIFF document the
// checked pages, or the file when every page is checked). Files that cannot be deleted stay
// listed and are named in one message.
bool DeleteCheckedFiles(ControlState& state);

// Replaces the selected file by a file the user chooses (the first one when several are chosen,
// which the user is told). In a multi-page TIFF document the selected page is replaced by the
// chosen file's first page. The target is written through a temporary file, so a failure leaves
// it as it was.
void ReplaceFile(ControlState& state);

// Renames the selected file through frmRename, keeping its extension (documents of separate
// files only).
bool RenameFile(ControlState& state);

// Renames the checked files after a naming rule chosen in frmBatchRename, numbering from its
// start value (documents of separate files only). A rename that fails puts back the ones made.
bool BatchRename(ControlState& state);

// 1-based numbers of the checked entries of lvwFileList, in list order.
QList<int> CheckedEntries(const ChildWidgets& widgets);

}  // namespace scanvo
