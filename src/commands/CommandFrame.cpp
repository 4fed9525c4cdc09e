// The command frame.
#include "commands/CommandFrame.h"

#include "core/BusyPointer.h"
#include "core/CaughtFailure.h"
#include "core/Prompter.h"
#include "core/StatusPanels.h"
#include "core/ToolbarStates.h"
#include "platform/engine/EngineError.h"
#include "platform/engine/ImageViewer.h"

#include <optional>

namespace scanvo {

bool HasPage(const ChildWidgets& widgets)
{
    return widgets.mtMain->hasImage();
}

std::optional<Failure> RunCommand(ControlState& state, const QString& statusText, const std::function<void()>& work)
{
    std::optional<Failure> failure;
    BusyPointer busy;
    SetStatusText(state.widgets, statusText);
    try {
        work();
    } catch (...) {
        failure = CaughtFailure(engine::ErrOperation);
    }
    SetIdleStatusText(state.tools, state.widgets);
    return failure;
}

namespace {

engine::Image Transformed(const engine::Image& page,
                          const std::function<engine::Image(const engine::Image& page)>& transform,
                          OnEngineError onError)
{
    if (onError == OnEngineError::Fail)
        return transform(page);
    try {
        return transform(page);
    } catch (const engine::EngineError& error) {
        if (error.number() == engine::ErrOutOfMemory)
            throw;
        return page;
    }
}

// The page as it was becomes the newest undo level.
void RecordEdit(ControlState& state, engine::Image before)
{
    state.m_History.Record(std::move(before));
    HistoryChanged(state);
}

}  // namespace

bool RunPageTransform(ControlState& state, const QString& statusText,
                      const std::function<engine::Image(const engine::Image& page)>& transform,
                      OnEngineError onError)
{
    if (!HasPage(state.widgets))
        return false;
    const std::optional<Failure> failure = RunCommand(
        state, statusText, [&] { CommitEdit(state, Transformed(state.widgets.mtMain->image(), transform, onError)); });
    if (failure)
        ReportFailure(state.widgets, *failure);
    return !failure;
}

bool RunPageCommand(ControlState& state, const QString& statusText,
                    const std::function<void(engine::Image& page)>& work, OnEngineError onError)
{
    return RunPageTransform(
        state, statusText,
        [&](const engine::Image& page) {
            engine::Image edited = page;
            work(edited);
            return edited;
        },
        onError);
}

bool RunPreviewDialog(ControlState& state, const QString& statusText, const std::function<bool()>& run)
{
    if (!HasPage(state.widgets))
        return false;
    SetStatusText(state.widgets, statusText);
    std::optional<engine::Image> before;
    std::optional<Failure> failure;
    bool kept = false;
    try {
        before = state.widgets.mtMain->image();
        kept = run();
        if (kept)
            RecordEdit(state, *before);
    } catch (...) {
        failure = CaughtFailure(engine::ErrOperation);
        kept = false;
        if (before)
            state.widgets.mtMain->setImage(std::move(*before));
    }
    SetIdleStatusText(state.tools, state.widgets);
    if (failure)
        ReportFailure(state.widgets, *failure);
    return kept;
}

void CommitEdit(ControlState& state, engine::Image edited)
{
    RecordEdit(state, state.widgets.mtMain->exchangeImage(std::move(edited)));
}

void HistoryChanged(ControlState& state)
{
    state.doc.m_PageModified = true;
    SetUndoButtons(state);
}

void ReportFailure(ChildWidgets& widgets, const Failure& failure)
{
    ReportError(widgets.control, NumberedDescription(failure), MessageIcon::Critical);
}

}  // namespace scanvo
