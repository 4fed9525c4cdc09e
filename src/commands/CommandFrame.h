#pragma once
// The frame every command that changes the page on view runs in, so that none can forget a step:
// its precondition, the busy pointer and its status text, the engine work on a copy of the page,
// then the page shown, the page before it kept as an undo level (which forgets redo), the page
// marked modified, the undo buttons, and the idle state again. A command whose work throws
// leaves the page, the history and the buttons as they were and shows the failure.

#include "core/CaughtFailure.h"
#include "core/ControlState.h"

#include <QString>

#include <functional>
#include <optional>

namespace scanvo {

// The viewer holds a page.
bool HasPage(const ChildWidgets& widgets);

// The busy part of every command: hourglass and statusText, work, then the idle status text and
// the default pointer again on every path. The failure work threw, if any; the caller tells the
// user (after the pointer is back).
std::optional<Failure> RunCommand(ControlState& state, const QString& statusText, const std::function<void()>& work);

// What an engine error in a command's work means. Most commands fail: the page, the history and
// the buttons stay as they were and the user sees the failure. A command that may do less than
// asked says so with DoLess: work the engine refuses leaves the page as it was, and the command
// still counts as an edit. Running out of memory always fails and is always shown.
enum class OnEngineError { Fail, DoLess };

// Runs work on a copy of the page on view and, when it returns, shows the result as one undoable
// edit. Does nothing without a page. True when the edit was made.
bool RunPageCommand(ControlState& state, const QString& statusText,
                    const std::function<void(engine::Image& page)>& work,
                    OnEngineError onError = OnEngineError::Fail);
// The same for work that makes a new page from the page on view and leaves that as it is: the
// page on view becomes the undo level as it is, without a copy.
bool RunPageTransform(ControlState& state, const QString& statusText,
                      const std::function<engine::Image(const engine::Image& page)>& transform,
                      OnEngineError onError = OnEngineError::Fail);

// Runs a dialog that previews its edit into the viewer: statusText while it is open (no busy
// pointer, the user works in it), then, when run says the user kept the preview, the page as it
// was before becomes one undo level. A dialog that throws gets the page as it was put back and
// its failure shown. True when the edit was kept.
bool RunPreviewDialog(ControlState& state, const QString& statusText, const std::function<bool()>& run);

// Shows edited in place of the page on view and keeps that page as the newest undo level, with
// the consequences of HistoryChanged.
void CommitEdit(ControlState& state, engine::Image edited);

// The history of the page on view has changed (an edit recorded, an undo or a redo): the page is
// modified, and the undo and redo buttons follow the history's counts.
void HistoryChanged(ControlState& state);

// Tells the user about a failed command ("number,description").
void ReportFailure(ChildWidgets& widgets, const Failure& failure);

}  // namespace scanvo
