// File navigation, the file-number box and the list pane's events.
#include "document/FileNavigation.h"

#include "core/BusyPointer.h"
#include "core/CommandKeys.h"
#include "core/DocumentType.h"
#include "core/FileListView.h"
#include "core/NumberBox.h"
#include "core/StatusPanels.h"
#include "core/ToolbarKeys.h"
#include "document/DocumentTexts.h"
#include "document/FileList.h"
#include "viewer/KeyPresses.h"
#include "viewer/PageDisplay.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QToolBar>

namespace scanvo {

namespace T = document_texts;

namespace {

// The list keys that move its selection and so make another file or page current.
constexpr int kListMoveKeys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_End, Qt::Key_Home};

// A file move with the busy pointer, its status text, and the idle text afterwards.
void MoveToFile(ControlState& state, const QString& statusText, int n)
{
    BusyPointer busy;
    if (!LeaveShownPage(state))
        return;
    SetStatusText(state.widgets, statusText);
    state.doc.m_CurrentFile = n;
    GoToFile(state, n);
    SetIdleStatusText(state.tools, state.widgets);
}

// Previous and next are ignored while one of them is still loading: a second click can arrive
// while the status text lets events run.
void StepFile(ControlState& state, const QString& statusText, int delta)
{
    if (state.doc.m_FileNavBusy)
        return;
    QScopedValueRollback<bool> busy(state.doc.m_FileNavBusy, true);
    MoveToFile(state, statusText, state.doc.m_CurrentFile + delta);
}

QString FileMoveText(int n)
{
    return T::kGoFileBefore + QString::number(n) + T::kGoFileAfter;
}

NumberBoxModel FileBoxModel(ControlState& state)
{
    return {[&state] { return state.doc.FileCount(); }, [&state] { return state.doc.m_CurrentFile; },
            [&state](int n) { MoveToFile(state, FileMoveText(n), n); }};
}

// The list's key filter: the selection has moved by the time a key is released. A release
// whose press went to another window is none of the list's.
class FileListKeys final : public QObject {
public:
    FileListKeys(ControlState& state, FileListView* list)
        : QObject(list), m_state(state), m_presses(new KeyPresses(list))
    {
        list->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyRelease) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (!key->isAutoRepeat() && m_presses->TakePress(key->key()))
                OnFileListKeyUp(m_state, key->key(), key->modifiers() & Qt::ShiftModifier);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    ControlState& m_state;
    KeyPresses* m_presses;  // owned by the list
};

}  // namespace

void FirstFile(ControlState& state)
{
    MoveToFile(state, T::kGoFirstFile, 1);
}

void PreviousFile(ControlState& state)
{
    StepFile(state, T::kGoPreviousFile, -1);
}

void NextFile(ControlState& state)
{
    StepFile(state, T::kGoNextFile, +1);
}

void LastFile(ControlState& state)
{
    MoveToFile(state, T::kGoLastFile, state.doc.FileCount());
}

void OnFileBoxDropDown(ControlState& state)
{
    OnNumberBoxDropDown(state.widgets.cboCurrentFile, FileBoxModel(state));
}

void OnFileBoxPicked(ControlState& state)
{
    OnNumberBoxPicked(state.widgets.cboCurrentFile, FileBoxModel(state));
}

void OnFileBoxEnter(ControlState& state)
{
    OnNumberBoxEnter(state.widgets.cboCurrentFile, FileBoxModel(state));
}

void OnFileListClick(ControlState& state)
{
    FileListView* list = state.widgets.lvwFileList;
    if (list->count() == 0)
        return;
    const int entry = list->currentRow() + 1;
    if (entry < 1)
        return;
    const int current = state.props.m_DocType == DocTypeAllImages ? state.doc.m_CurrentFile : state.doc.m_CurrentPage;
    if (entry == current)
        return;
    BusyPointer busy;
    if (!LeaveShownPage(state))
        return;
    if (state.props.m_DocType != DocTypeAllImages) {
        state.doc.m_CurrentPage = static_cast<qint16>(entry);
        ShowPage(state, state.doc.m_CurrentPage);
    } else {
        state.doc.m_CurrentFile = entry;
        GoToFile(state, state.doc.m_CurrentFile);
    }
}

void OnFileListKeyUp(ControlState& state, int key, bool shift)
{
    if (shift)
        return;
    if (std::find(std::begin(kListMoveKeys), std::end(kListMoveKeys), key) != std::end(kListMoveKeys)) {
        OnFileListClick(state);
        return;
    }
    // Space scans as the scan button would, when that button is enabled.
    if (key == Qt::Key_Space)
        ClickToolbarKey(state.widgets.tbMain, keys::miScan);
}

void ConnectFileNavigation(ControlState& state)
{
    ConnectNumberBox(state.widgets.cboCurrentFile, FileBoxModel(state));
    FileListView* list = state.widgets.lvwFileList;
    QObject::connect(list, &FileListView::entryClicked, list, [&state](int) { OnFileListClick(state); });
    new FileListKeys(state, list);
}

}  // namespace scanvo
