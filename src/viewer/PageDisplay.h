#pragma once
// Showing a page: the one operation every page or file change ends in, and the controls kept in
// step with the page shown (status bar, list selection, zoom box).

#include "core/ControlState.h"

#include <QtGlobal>

namespace scanvo {

// Writes a modified page back, loads page n of the document into the viewer, forgets the undo
// history and brings the status bar, list, position file and buttons up to date. A page that
// cannot be loaded is reported; the control stays usable.
void ShowPage(ControlState& state, qint16 n);

// Panels 1 to 3: idle text, "第 n 页 共 m 页", and resolution and depth of the viewer's page.
void UpdateStatusBar(ControlState& state);
// Selects list entry m_CurrentPage (or m_CurrentFile) alone and scrolls it into view.
void SelectPageInList(ControlState& state);
void SelectFileInList(ControlState& state);

}  // namespace scanvo
