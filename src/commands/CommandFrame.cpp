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

bool HasPage(const ControlState& state)
{
    return state.mtMain && state.mtMain->hasImage();
}

std::optional<Failure> RunCommand(ControlState& state, const QString& statusText, const std::function<void()>& work)
{
    std::optional<Failure> failure;
    BusyPointer busy;
    SetStatusText(state, statusText);
    try {
        work();
    } catch (...) {
        failure = CaughtFailure(engine::ErrOperation);
    }
    SetIdleStatusText(state);
    return failure;
}

bool RunPageTransform(ControlState& state, const QString& statusText,
                      const std::function<engine::Image(const engine::Image& page)>& transform)
{
    if (!HasPage(state))
        return false;
    const std::optional<Failure> failure =
        RunCommand(state, statusText, [&] { CommitEdit(state, transform(state.mtMain->image())); });
    if (failure)
        ReportFailure(state, *failure);
    return !failure;
}

bool RunPageCommand(ControlState& state, const QString& statusText,
                    const std::function<void(engine::Image& page)>& work)
{
    return RunPageTransform(state, statusText, [&](const engine::Image& page) {
        engine::Image edited = page;
        work(edited);
        return edited;
    });
}

void CommitEdit(ControlState& state, engine::Image edited)
{
    RecordEdit(state, state.mtMain->exchangeImage(std::move(edited)));
}

void RecordEdit(ControlState& state, engine::Image before)
{
    state.m_History.Record(std::move(before));
    state.m_PageModified = true;
    SetUndoButtons(state, 2);
}

void ReportFailure(ControlState& state, const Failure& failure)
{
    ReportError(state.control, NumberedDescription(failure), MessageIcon::Critical);
}

}  // namespace scanvo
