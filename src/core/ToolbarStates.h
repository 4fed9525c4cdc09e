#pragma once
// Enabled states of the toolbars as the control moves between no document, a document, and the
// pages and files of a document. Pressed states of the toggle tools are left to their tools.

#include "core/ControlState.h"

namespace scanvo {

// Disables everything that needs a document (export among them); append scanning, import,
// settings and the grid stay.
// Releases the multi-select toggle and resets the number boxes and the zoom box.
void SetNoDocumentState(DocumentPosition& doc, ChildWidgets& widgets);
// Enables the document's commands once its list is built, then applies the page rules.
void SetDocumentState(ControlState& state);

// tbFileNav and cboCurrentFile by m_CurrentFile of m_FileCount.
void UpdateFileNavigation(DocumentPosition& doc, ChildWidgets& widgets);
// The page steps of tbCommon and cboCurrentPage by m_CurrentPage of m_PageCount.
void UpdatePageNavigation(DocumentPosition& doc, ChildWidgets& widgets);
// "miMove", "miUnite" and "miDivide" need at least two pages.
void UpdatePageStructureButtons(DocumentPosition& doc, ChildWidgets& widgets);
// "miZoomOut" is enabled above 5 %, "miZoomIn" below 400 %, as the viewer paints now.
void UpdateZoomButtons(ChildWidgets& widgets);

// "miUndo" and "miRedo" are enabled while the page history holds a level to go back or forward to.
void SetUndoButtons(ControlState& state);
// Cut, copy and paste: 0 all disabled, 1 cut and copy enabled, 2 cut and copy disabled, 3 cut and
// copy disabled and paste enabled, 4 paste enabled; a button a mode does not name is unchanged.
void SetClipboardButtons(ChildWidgets& widgets, int mode);

}  // namespace scanvo
