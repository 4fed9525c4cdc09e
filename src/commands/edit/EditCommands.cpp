// Undo, redo, cut, copy and paste.
#include "commands/edit/EditCommands.h"

#include "commands/CommandFrame.h"
#include "commands/CommandTexts.h"
#include "core/CommandKeys.h"
#include "core/CoreTexts.h"
#include "core/Prompter.h"
#include "core/ToolbarStates.h"
#include "platform/engine/EngineError.h"
#include "platform/engine/ImageViewer.h"
#include "platform/engine/ops/Canvas.h"
#include "platform/engine/ops/OpFlags.h"
#include "viewer/Selection.h"

#include <QClipboard>
#include <QGuiApplication>

namespace scanvo {

namespace T = command_texts;

namespace {

enum class Direction { Back, Forward };

// Shows the newest level of one list and moves the page on view onto the other list.
void Step(ControlState& state, Direction direction)
{
    PageHistory& history = state.m_History;
    const bool back = direction == Direction::Back;
    if ((back ? history.UndoCount() : history.RedoCount()) < 1)
        return;
    const std::optional<Failure> failure = RunCommand(state, back ? T::kUndoStatus : T::kRedoStatus, [&] {
        engine::Image restored = back ? history.NewestUndo() : history.NewestRedo();
        engine::Image current = state.widgets.mtMain->exchangeImage(std::move(restored));
        if (back)
            history.Undo(std::move(current));
        else
            history.Redo(std::move(current));
    });
    if (failure) {
        ReportFailure(state.widgets, *failure);
        return;
    }
    // A selection drawn on the page that was shown may lie outside the one restored.
    SetSelection(state.view, state.widgets, state.view.m_Selection);
    HistoryChanged(state);
}

// Bitonal pixels go onto the system clipboard inverted; the control's own clipboard keeps them
// as they were on the page. Qt offers the image to other programs as PNG (image/png) among its
// other image types.
void PlaceOnSystemClipboard(const engine::Image& selection)
{
    engine::Image offered = selection;
    if (offered.depth() == 1)
        engine::ops::Invert(offered);
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setImage(offered.toQImage());
}

enum class Take { Cut, Copy };

void TakeSelection(ControlState& state, Take take)
{
    if (!HasRegion(state.view, state.widgets))
        return;
    const bool cut = take == Take::Cut;
    const std::optional<Failure> failure = RunCommand(state, cut ? T::kCutStatus : T::kCopyStatus, [&] {
        const engine::Image& page = state.widgets.mtMain->image();
        const QRect region = state.view.m_Selection;
        engine::Image selection = engine::ops::Crop(page, region);
        engine::Image edited;
        if (cut) {
            edited = page;
            engine::ops::FillRect(edited, region, engine::ops::kWhite);
        }
        PlaceOnSystemClipboard(selection);
        state.clip.m_ClipboardImage = std::move(selection);
        state.clip.m_SavedRegion = region;
        if (cut)
            CommitEdit(state, std::move(edited));
    });
    if (failure) {
        ReportFailure(state.widgets, *failure);
        return;
    }
    SetClipboardButtons(state.widgets, cut ? 3 : 4);
}

}  // namespace

void Undo(ControlState& state)
{
    Step(state, Direction::Back);
}

void Redo(ControlState& state)
{
    Step(state, Direction::Forward);
}

void Cut(ControlState& state)
{
    TakeSelection(state, Take::Cut);
}

void Copy(ControlState& state)
{
    TakeSelection(state, Take::Copy);
}

void Paste(ControlState& state)
{
    if (!HasPage(state.widgets) || state.clip.m_ClipboardImage.isNull())
        return;
    const std::optional<Failure> failure = RunCommand(state, T::kPasteStatus, [&] {
        const engine::Image& clip = state.clip.m_ClipboardImage;
        engine::Image edited = state.widgets.mtMain->image();
        engine::ops::Combine(edited, clip, QRect(0, 0, clip.width(), clip.height()), state.clip.m_SavedRegion.topLeft(),
                             engine::ops::kCombinePasteFlags);
        CommitEdit(state, std::move(edited));
    });
    if (failure) {
        if (failure->number == engine::ErrIncompatible)
            Inform(state.widgets.control, T::kPasteIncompatible, MessageIcon::Warning);
        else
            ReportFailure(state.widgets, *failure);
        return;
    }
    SetSelection(state.view, state.widgets, state.clip.m_SavedRegion);
    state.clip.m_SelectionPasted = true;
}

}  // namespace scanvo
