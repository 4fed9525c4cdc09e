#pragma once
// Showing a page: the one operation every page or file change ends in, and the controls kept in
// step with the page shown (status bar, list selection, zoom box).

#include "core/ControlState.h"
#include "platform/engine/Image.h"
#include "platform/engine/ImageFile.h"

#include <QString>
#include <QtGlobal>

#include <functional>

namespace scanvo {

// Writes a modified page back (a caller moving away from the page has done so already with
// LeaveShownPage, so this finds nothing to write; a page that still fails is given up), loads page n of the document into the viewer, forgets the undo
// history and brings the status bar, list, position file and buttons up to date. A page that
// cannot be loaded is reported; the control stays usable. A page whose codec decodes it reduced
// (JPEG files) is read no larger than the view shows it; the viewer reads it whole once anything
// needs its pixels (see ImageViewer::setReducedImage).
void ShowPage(ControlState& state, qint16 n);
// How ShowPage reads page `page` (1-based) of file path, for the viewer's scale.
using PageLoader = std::function<engine::ScaledPage(const QString& path, int page, const engine::DisplayScale& scale)>;
// ShowPage with the page read by load instead of the engine: for a caller that may hold the page
// already. A failure of load takes ShowPage's error path.
void ShowPage(ControlState& state, qint16 n, const PageLoader& load);

// The step before the user leaves the page on view for another page or file: a modified page is
// written back. When that fails (the user has been told), the page stays on view and modified, the
// page and file boxes and the list point at it again, and the answer is false: the move does not
// happen. Call it before changing m_CurrentPage or m_CurrentFile.
bool LeaveShownPage(ControlState& state);

// Panels 1 to 3: idle text, "第 n 页 共 m 页", and resolution and depth of the viewer's page.
void UpdateStatusBar(DocumentPosition& doc, PointerToolState& tools, ChildWidgets& widgets);
// Panel 2 alone: "第 n 页 共 m 页".
void UpdatePagePosition(DocumentPosition& doc, ChildWidgets& widgets);
// Selects list entry m_CurrentPage (or m_CurrentFile) alone and scrolls it into view.
void SelectPageInList(DocumentPosition& doc, ChildWidgets& widgets);
void SelectFileInList(DocumentPosition& doc, ChildWidgets& widgets);

}  // namespace scanvo
