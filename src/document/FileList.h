#pragma once
// The document's file list: reading the document directory into m_Files, filling the list pane
// lvwFileList, and making a file or page of it current.

#include "core/ControlState.h"
#include "core/FileListView.h"

#include <QString>
#include <QtGlobal>

namespace scanvo {

// Clears the previous document: file list, counters, list pane, viewer and status panels.
// m_PageModified is left alone. The toolbars' no-document state is the caller's (the control's).
void ResetDocumentView(ControlState& state);
// The document's last page or file is gone: the view is cleared and the control asked for its
// no-document state.
void CloseEmptiedDocument(ControlState& state);
// Lists the document's files by type (detecting it when asked), fills the list pane and shows the
// file or page at position (0 or beyond the end: the last one). A failure is reported to the
// user and ends the build. A page still modified is not written back: its file may have changed.
// True when a page is on view; the toolbars are then in their document state (and the control
// lays out the scan pane for m_DocType).
bool BuildFileList(ControlState& state, qint16 position);

// The enumeration pattern of the document for m_DocType: its one TIFF for type 1, "*.tif" for 2,
// "*.jpg" for 3, "*.*" otherwise.
QString DocumentPattern(const ControlProperties& props);

// Refills lvwFileList from m_Files (or, for type 1, with one entry per page) and releases the
// multi-select toggle.
void FillFileList(ControlProperties& props, DocumentPosition& doc, ChildWidgets& widgets);

// Makes file n current (the caller has set m_CurrentFile to n) and shows its first page. A file
// that cannot be read is reported and leaves the viewer empty; false then.
bool GoToFile(ControlState& state, int n);
// Makes list entry n's file current and shows m_CurrentPage of it, without saving the shown page
// or re-reading the file's page count.
void SelectFileEntry(ControlState& state, int n);

}  // namespace scanvo
