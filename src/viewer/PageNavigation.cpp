// Page steps and the page box.
#include "viewer/PageNavigation.h"

#include "core/BusyPointer.h"
#include "core/NumberBox.h"
#include "core/StatusPanels.h"
#include "viewer/PageDisplay.h"
#include "viewer/ViewerTexts.h"

#include <QScopedValueRollback>

namespace scanvo {

namespace T = viewer_texts;

namespace {

// A page move with the busy pointer, its status text, and the idle text afterwards.
void MoveToPage(ControlState& state, const QString& statusText, qint16 n)
{
    BusyPointer busy;
    if (!LeaveShownPage(state))
        return;
    SetStatusText(state.widgets, statusText);
    state.doc.m_CurrentPage = n;
    ShowPage(state, state.doc.m_CurrentPage);
    SetIdleStatusText(state.tools, state.widgets);
}

// Previous and next share the file moves' guard: a second click can arrive while the status text
// lets events run.
void StepPage(ControlState& state, const QString& statusText, int delta)
{
    if (state.doc.m_FileNavBusy)
        return;
    QScopedValueRollback<bool> busy(state.doc.m_FileNavBusy, true);
    MoveToPage(state, statusText, static_cast<qint16>(state.doc.m_CurrentPage + delta));
}

QString PageMoveText(int n)
{
    return T::kGoPageBefore + QString::number(n) + T::kGoPageAfter;
}

NumberBoxModel PageBoxModel(ControlState& state)
{
    return {[&state] { return int(state.doc.m_PageCount); }, [&state] { return int(state.doc.m_CurrentPage); },
            [&state](int n) { MoveToPage(state, PageMoveText(n), static_cast<qint16>(n)); }};
}

}  // namespace

void GoFirstPage(ControlState& state)
{
    MoveToPage(state, T::kGoFirstPage, 1);
}

void GoPreviousPage(ControlState& state)
{
    StepPage(state, T::kGoPreviousPage, -1);
}

void GoNextPage(ControlState& state)
{
    StepPage(state, T::kGoNextPage, +1);
}

void GoLastPage(ControlState& state)
{
    MoveToPage(state, T::kGoLastPage, state.doc.m_PageCount);
}

void OnPageBoxDropDown(ControlState& state)
{
    OnNumberBoxDropDown(state.widgets.cboCurrentPage, PageBoxModel(state));
}

void OnPageBoxPicked(ControlState& state)
{
    OnNumberBoxPicked(state.widgets.cboCurrentPage, PageBoxModel(state));
}

void OnPageBoxEnter(ControlState& state)
{
    OnNumberBoxEnter(state.widgets.cboCurrentPage, PageBoxModel(state));
}

void ConnectPageBox(ControlState& state)
{
    ConnectNumberBox(state.widgets.cboCurrentPage, PageBoxModel(state));
}

}  // namespace scanvo
