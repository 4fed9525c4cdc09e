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
bool HasPage(const ControlState& state);

// The busy part of every command: hourglass and statusText, work, then the idle status text and
// the default pointer again on every path. The failure work threw, if any; the caller tells the
// user (after the pointer is back).
std::optional<Failure> RunCommand(ControlState& state, const QString& statusText, const std::function<void()>& work);

// Runs work on a copy of the page on view and, when it returns, shows the result as one undoable
// edit. Does nothing without a page. True when the edit was made.
bool RunPageCommand(ControlState& state, const QString& statusText,
                    const std::function<void(engine::Image& page)>& work);
// The same for work that makes a new page from the page on view and leaves that as it is: the
// page on view becomes the undo level as it is, without a copy.
bool RunPageTransform(ControlState& state, const QString& statusText,
                      const std::function<engine::Image(const engine::Image& page)>& transform);

// Shows edited in place of the page on view and keeps that page as the newest undo level: the
// page is marked modified, redo is forgotten, "miUndo" is enabled and "miRedo" disabled.
void CommitEdit(ControlState& state, engine::Image edited);

// The page on view was edited in place (a dialog previewed into the viewer): before becomes the
// newest undo level, with the same consequences as CommitEdit.
void RecordEdit(ControlState& state, engine::Image before);

// Tells the user about a failed command ("number,description").
void ReportFailure(ControlState& state, const Failure& failure);

}  // namespace scanvo
