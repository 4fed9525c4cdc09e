// Uniting two pages into a new one and dividing a page into two.
#include "commands/structure/PageStructure.h"

#include "commands/CommandFrame.h"
#include "commands/structure/PageStructureSteps.h"
#include "commands/structure/PageStructureTexts.h"
#include "commands/structure/frmCombinePara.h"
#include "commands/structure/frmDivideImage.h"
#include "core/Prompter.h"
#include "document/FileList.h"
#include "platform/engine/EngineError.h"
#include "platform/engine/ImageFile.h"
#include "platform/engine/ImageViewer.h"
#include "platform/engine/ops/Canvas.h"
#include "platform/engine/ops/OpFlags.h"
#include "saving/PageSaving.h"
#include "viewer/PageDisplay.h"

#include <algorithm>

namespace scanvo {

namespace T = page_structure_texts;
using namespace page_structure;

namespace {

// Copies the whole of page onto canvas at at. A canvas made for a grey palette page is plain
// grey, so such a page is copied as plain grey too.
void CopyOnto(engine::Image& canvas, const engine::Image& page, QPoint at)
{
    const QRect whole(0, 0, page.width(), page.height());
    if (page.hasPalette() && page.isGrey() && !canvas.hasPalette()) {
        engine::Image plain = page;
        engine::ops::SetGreyPalette(plain);
        engine::ops::Combine(canvas, plain, whole, at, engine::ops::kCombineCopyFlags);
        return;
    }
    engine::ops::Combine(canvas, page, whole, at, engine::ops::kCombineCopyFlags);
}

// After pages were added or removed: counts the pages again, makes page current and shows it.
void ShowChangedDocument(ControlState& state, int page)
{
    const int count = IsSinglePageDocument(state) ? state.doc.FileCount() : engine::PageCount(g_CurrentFilePath);
    state.doc.m_PageCount = static_cast<qint16>(count);
    state.doc.m_CurrentPage = static_cast<qint16>(std::clamp(page, 1, std::max(1, count)));
    if (state.props.m_DocType >= DocTypeMultiPageTiff && state.props.m_DocType <= DocTypeSinglePageJpeg)
        FillFileList(state.props, state.doc, state.widgets);
    ShowPage(state, state.doc.m_CurrentPage);
}

}  // namespace

engine::Image UnitedPage(const engine::Image& first, const engine::Image& second, int orientation)
{
    const bool sideBySide = orientation != 2;
    const int width = sideBySide ? first.width() + second.width() : std::max(first.width(), second.width());
    const int height = sideBySide ? std::max(first.height(), second.height()) : first.height() + second.height();
    engine::Image canvas = engine::ops::WhiteCanvas(first, width, height);
    canvas.setResolution(second.xResolution(), second.yResolution());
    CopyOnto(canvas, first, QPoint(0, 0));
    CopyOnto(canvas, second, sideBySide ? QPoint(first.width(), 0) : QPoint(0, first.height()));
    return canvas;
}

PageParts DividedPage(const engine::Image& page, int percent, int direction)
{
    const bool across = direction == 1;
    const DividedLengths lengths = DivideLength(across ? page.height() : page.width(), percent);
    if (lengths.second == 0)
        throw engine::EngineError(engine::ErrInvalidArgument, T::kTooSmallToDivide);
    const QRect first = across ? QRect(0, 0, page.width(), lengths.first) : QRect(0, 0, lengths.first, page.height());
    const QRect second = across ? QRect(0, lengths.first, page.width(), lengths.second)
                                : QRect(lengths.first, 0, lengths.second, page.height());
    return {engine::ops::Crop(page, first), engine::ops::Crop(page, second)};
}

void UnitePages(ControlState& state)
{
    if (!HasPage(state.widgets) || state.doc.m_PageCount < 2)
        return;
    frmCombinePara dialog(state.widgets.control);
    dialog.PageCount = state.doc.m_PageCount;
    dialog.CurrentPage = state.doc.m_CurrentPage;
    CurrentPrompter().runDialog(dialog);
    if (dialog.FirstPage == 0)
        return;
    if (!PageWrittenBack(state))
        return;
    const int position = dialog.InsertPage + 1;
    bool refused = false;
    const std::optional<Failure> failure = RunCommand(state, T::kCombineStatus, [&] {
        const engine::Image first = LoadDocumentPage(state, dialog.FirstPage);
        const engine::Image second = LoadDocumentPage(state, dialog.SecondPage);
        if (first.depth() != second.depth() || first.loadFormat() != second.loadFormat()) {
            refused = true;
            return;
        }
        InsertDocumentPage(state, UnitedPage(first, second, dialog.Orientation), position, first.loadFormat(),
                           first.depth());
    });
    if (refused) {
        Inform(state.widgets.control, T::kDifferentKinds, MessageIcon::Warning);
        return;
    }
    if (failure) {
        ReportFailure(state.widgets, *failure);
        return;
    }
    ShowChangedDocument(state, position);
}

void DividePage(ControlState& state)
{
    if (!HasPage(state.widgets))
        return;
    frmDivideImage dialog(state.widgets.control);
    dialog.PageCount = state.doc.m_PageCount;
    dialog.CurrentPage = state.doc.m_CurrentPage;
    try {
        dialog.SetPage(state.widgets.mtMain->image());
    } catch (...) {
        ReportFailure(state.widgets, CaughtFailure(engine::ErrOperation));
        return;
    }
    CurrentPrompter().runDialog(dialog);
    if (dialog.InserPage == 0)
        return;
    if (!PageWrittenBack(state))
        return;
    const int original = state.doc.m_CurrentPage;
    const int after = dialog.InserPage;
    // The first part is shown afterwards; it moves down a place when the page before it goes.
    int shown = after + 1;
    bool changed = false;
    const std::optional<Failure> failure = RunCommand(state, T::kDivideStatus, [&] {
        const engine::Image page = LoadDocumentPage(state, original);
        const PageParts parts = DividedPage(page, dialog.Position, dialog.Direction);
        InsertDocumentPage(state, parts.first, after + 1, page.loadFormat(), page.depth());
        try {
            InsertDocumentPage(state, parts.second, after + 2, page.loadFormat(), page.depth());
        } catch (...) {
            // Half a division is none: the first part goes again.
            DeleteDocumentPage(state, after + 1);
            throw;
        }
        // From here on a failure leaves both parts in the document beside the page.
        changed = true;
        if (dialog.Delete) {
            // The divided page stands two places further on when the parts went before it.
            const int at = original <= after ? original : original + 2;
            DeleteDocumentPage(state, at);
            if (at < shown)
                --shown;
        }
    });
    if (failure)
        ReportFailure(state.widgets, *failure);
    if (!failure || changed)
        ShowChangedDocument(state, shown);
}

}  // namespace scanvo
