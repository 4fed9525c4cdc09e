// Page steps and the page box.
#include "viewer/PageNavigation.h"

#include "settings/IniNumber.h"
#include "viewer/BusyPointer.h"
#include "viewer/ComboBoxHooks.h"
#include "viewer/PageDisplay.h"
#include "viewer/StatusPanels.h"
#include "viewer/ViewerTexts.h"

#include <QComboBox>
#include <QScopedValueRollback>

namespace scanvo {

namespace T = viewer_texts;

namespace {

// A page move with the busy pointer, its status text, and the idle text afterwards.
void MoveToPage(ControlState& state, const QString& statusText, qint16 n)
{
    BusyPointer busy;
    SetStatusText(state, statusText);
    state.m_CurrentPage = n;
    ShowPage(state, state.m_CurrentPage);
    SetIdleStatusText(state);
}

// Previous and next share the file moves' guard: a second click can arrive while the status text
// lets events run.
void StepPage(ControlState& state, const QString& statusText, int delta)
{
    if (state.m_FileNavBusy)
        return;
    QScopedValueRollback<bool> busy(state.m_FileNavBusy, true);
    MoveToPage(state, statusText, static_cast<qint16>(state.m_CurrentPage + delta));
}

QString PageMoveText(int n)
{
    return T::kGoPageBefore + QString::number(n) + T::kGoPageAfter;
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
    MoveToPage(state, T::kGoLastPage, state.m_PageCount);
}

void OnPageBoxDropDown(ControlState& state)
{
    QComboBox* box = state.cboCurrentPage;
    if (box == nullptr)
        return;
    box->clear();
    for (int n = 1; n <= state.m_PageCount; ++n)
        box->addItem(QString::number(n));
    box->setEditText(QString::number(state.m_CurrentPage));
}

void OnPageBoxPicked(ControlState& state)
{
    QComboBox* box = state.cboCurrentPage;
    if (box == nullptr)
        return;
    BusyPointer busy;
    const QString text = box->currentText();
    const qint16 n = IniNumber16(text);
    if (!text.isEmpty() && n != state.m_CurrentPage)
        MoveToPage(state, PageMoveText(n), n);
    else
        box->setEditText(QString::number(state.m_CurrentPage));
}

void OnPageBoxEnter(ControlState& state)
{
    QComboBox* box = state.cboCurrentPage;
    if (box == nullptr)
        return;
    qint16 n = IniNumber16(box->currentText());
    if (n < 1 || n > state.m_PageCount) {
        box->setEditText(QString::number(state.m_CurrentPage));
        n = state.m_CurrentPage;
    }
    BusyPointer busy;
    state.m_CurrentPage = n;
    // Enter shows the page even when it is the current one: it is reloaded and its history dropped.
    if (n != 0)
        MoveToPage(state, PageMoveText(n), n);
}

void ConnectPageBox(ControlState& state)
{
    QComboBox* box = state.cboCurrentPage;
    if (box == nullptr)
        return;
    InstallComboBoxHandlers(box, {[&state] { OnPageBoxDropDown(state); }, [&state] { OnPageBoxEnter(state); }});
    QObject::connect(box, &QComboBox::activated, box, [&state](int) { OnPageBoxPicked(state); });
}

}  // namespace scanvo
