// Page display.
#include "viewer/PageDisplay.h"

#include "core/CaughtFailure.h"
#include "core/CommandKeys.h"
#include "core/DocumentType.h"
#include "core/FileListView.h"
#include "core/Prompter.h"
#include "core/StatusPanels.h"
#include "core/ToolbarKeys.h"
#include "core/ToolbarStates.h"
#include "platform/engine/EngineError.h"
#include "platform/engine/ImageFile.h"
#include "platform/engine/ImageViewer.h"
#include "saving/PageSaving.h"
#include "settings/Settings.h"
#include "viewer/TrimBox.h"
#include "viewer/ViewerTexts.h"
#include "viewer/Zoom.h"

#include <QToolBar>

#include <cmath>

namespace scanvo {

namespace T = viewer_texts;

namespace {

// A failure of the load steps, as the message shows it.
QString PageErrorText(const Failure& failure)
{
    return NumberedDescription(failure) + T::kPageErrorTail;
}

// The file and page of page n: the current file's page n, or file n's only page.
struct PageSource {
    QString path;
    int page = 1;
};

PageSource SourceOfPage(const ControlProperties& props, const DocumentPosition& doc, qint16 n)
{
    if (props.m_DocType == DocTypeSinglePageTiff || props.m_DocType == DocTypeSinglePageJpeg) {
        if (n < 1 || n > doc.m_Files.count())
            throw engine::EngineError(engine::ErrPageRange, T::kPageOutsideDocument.arg(n).arg(doc.m_Files.count()));
        g_CurrentFilePath = doc.m_Files.at(n);
        return {g_CurrentFilePath, 1};
    }
    return {g_CurrentFilePath, n};
}

void LoadIntoViewer(ChildWidgets& widgets, const PageSource& source, const PageLoader& load)
{
    engine::ImageViewer* viewer = widgets.mtMain;
    engine::ScaledPage page = load(source.path, source.page, viewer->displayScale());
    if (page.isReduced())
        viewer->setReducedImage(std::move(page.image), page.pageSize,
                                [path = source.path, n = source.page] { return engine::LoadPage(path, n); });
    else
        viewer->setImage(std::move(page.image));
}

// The trim box and the bitonal conversion depend on the page: the first on the pointer tool being
// on, the second on the page not coming from a JPEG file.
void SetPageButtons(ViewerState& view, ChildWidgets& widgets)
{
    EnableToolbarKey(widgets.tbImaging, keys::miTrim2, view.m_TrimRegionOn == 1);
    EnableToolbarKey(widgets.tbImaging, keys::miConvert2BW, !IsJpegName(g_CurrentFilePath));
    widgets.tbImaging->update();
}

void SelectListEntry(ChildWidgets& widgets, int n)
{
    FileListView* list = widgets.lvwFileList;
    if (list->count() == 0)
        return;
    list->selectOnly(n - 1);
}

// The controls that depend on the page; the page-structure buttons only once a page is shown.
void RefreshPageDependents(ControlState& state, bool pageShown)
{
    SyncZoomBox(state.view, state.widgets);
    UpdatePageNavigation(state.doc, state.widgets);
    if (pageShown)
        UpdatePageStructureButtons(state.doc, state.widgets);
    SetUndoButtons(state);
}

}  // namespace

void ShowPage(ControlState& state, qint16 n)
{
    ShowPage(state, n, engine::LoadPageScaled);
}

void ShowPage(ControlState& state, qint16 n, const PageLoader& load)
{
    PageWrittenBack(state);
    // The selection and the history belong to the page.
    state.m_History.Clear();
    state.view.m_Selection = QRect();
    state.doc.m_ShownPage = n;

    try {
        LoadIntoViewer(state.widgets, SourceOfPage(state.props, state.doc, n), load);
    } catch (...) {
        const Failure failure = CaughtFailure(engine::ErrOperation);
        // The old page would otherwise stay on view under the new page's file and number, and an
        // edit of it would be saved over that file.
        state.widgets.mtMain->clearImage();
        state.doc.m_PageModified = false;
        ReportError(state.widgets.control, PageErrorText(failure));
        RefreshPageDependents(state, false);
        return;
    }

    // The viewer now holds the page as stored. A write-back that failed before the load must not
    // leave the flag set: the next change would write this unedited page over its own file.
    state.doc.m_PageModified = false;
    if (state.view.m_TrimRegionOn == 1)
        DrawTrimRegion(state.tools, state.widgets);
    SetPageButtons(state.view, state.widgets);
    TakeZoomFromViewer(state.view, state.widgets);
    UpdateStatusBar(state.doc, state.tools, state.widgets);
    if (state.props.m_DocType != DocTypeAllImages) {
        SelectPageInList(state.doc, state.widgets);
        WriteImagePos(state.props.m_DocName, n);
    }
    RefreshPageDependents(state, true);
}

void UpdatePagePosition(DocumentPosition& doc, ChildWidgets& widgets)
{
    SetStatusPanelText(widgets, 2,
                       T::kPagePositionBefore + QString::number(doc.m_CurrentPage) + T::kPagePositionMiddle +
                           QString::number(doc.m_PageCount) + T::kPagePositionAfter);
}

void UpdateStatusBar(DocumentPosition& doc, PointerToolState& tools, ChildWidgets& widgets)
{
    SetIdleStatusText(tools, widgets);
    UpdatePagePosition(doc, widgets);
    const engine::ImageViewer* viewer = widgets.mtMain;
    if (!viewer->hasImage()) {
        SetStatusPanelText(widgets, 3, QString());
        return;
    }
    // A reduced page has the page's resolution and depth.
    const engine::Image& page = viewer->shownImage();
    SetStatusPanelText(widgets, 3,
                       QString::number(page.xResolution()) + T::kResolutionSeparator +
                           QString::number(page.yResolution()) + u' ' + QString::number(page.depth()) +
                           T::kBitsSuffix);
}

bool LeaveShownPage(ControlState& state)
{
    if (PageWrittenBack(state))
        return true;
    UpdatePageNavigation(state.doc, state.widgets);
    if (state.props.m_DocType == DocTypeAllImages) {
        UpdateFileNavigation(state.doc, state.widgets);
        SelectFileInList(state.doc, state.widgets);
    } else {
        SelectPageInList(state.doc, state.widgets);
    }
    return false;
}

void SelectPageInList(DocumentPosition& doc, ChildWidgets& widgets)
{
    SelectListEntry(widgets, doc.m_CurrentPage);
}

void SelectFileInList(DocumentPosition& doc, ChildWidgets& widgets)
{
    SelectListEntry(widgets, doc.m_CurrentFile);
}

}  // namespace scanvo
