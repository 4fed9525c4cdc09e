// Toolbar enabling rules.
#include "core/ToolbarStates.h"

#include "core/CommandKeys.h"
#include "core/DocumentType.h"
#include "core/FileListView.h"
#include "core/ToolbarKeys.h"
#include "platform/engine/ImageViewer.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QToolBar>

#include <initializer_list>
#include <optional>
#include <span>

namespace scanvo {

namespace {

// A button's state in one row of a rule table: on, off, or left as it is.
using Enable = std::optional<bool>;
constexpr Enable On = true;
constexpr Enable Off = false;
constexpr Enable Keep = std::nullopt;

struct ClipboardRule {
    int mode;
    Enable cut, copy, paste;
};

constexpr ClipboardRule kClipboardRules[] = {
    {0, Off, Off, Off},
    {1, On, On, Keep},
    {2, Off, Off, Keep},
    {3, Off, Off, On},
    {4, Keep, Keep, On},
};

constexpr const char* kCommonPlaceholders[] = {keys::miCurrentPage1, keys::miCurrentPage2, keys::miZoomFactor1, keys::miZoomFactor2};
constexpr double kMinZoomOutPercent = 5.0;
constexpr double kMaxZoomInPercent = 400.0;

constexpr const char* kZoomEntries[] = {"25%", "50%", "75%", "100%", "150%", "200%", "300%", "400%"};
constexpr const char* kPageStructureKeys[] = {keys::miMove, keys::miUnite, keys::miDivide};

void SetKey(QToolBar* toolbar, const char* key, Enable enable)
{
    if (!enable)
        return;
    if (QAction* action = FindToolbarAction(toolbar, QString::fromLatin1(key)))
        action->setEnabled(*enable);
}

void SetKeys(QToolBar* toolbar, std::initializer_list<const char*> keys, bool enabled)
{
    for (const char* key : keys)
        SetKey(toolbar, key, enabled);
}

// Every button of the toolbar; the items of their menus follow their buttons.
void SetAllButtons(QToolBar* toolbar, bool enabled)
{
    const QList<QAction*> buttons = toolbar->actions();
    for (QAction* action : buttons) {
        if (!action->isSeparator())
            action->setEnabled(enabled);
    }
}

void SetBox(QComboBox* box, const QString& text, std::optional<bool> enabled)
{
    box->setEditText(text);
    if (enabled)
        box->setEnabled(*enabled);
}

void FillZoomBox(QComboBox* box)
{
    box->clear();
    for (const char* entry : kZoomEntries)
        box->addItem(QString::fromLatin1(entry));
    box->setEditText(QStringLiteral("100%"));
}

// First/previous while position >= 2, next/last while position < count, the box while count >= 2.
void UpdateNavigation(QToolBar* toolbar, QComboBox* box, int position, int count)
{
    SetKeys(toolbar, {keys::miFirst, keys::miPrevious}, position >= 2);
    SetKeys(toolbar, {keys::miNext, keys::miLast}, position < count);
    SetBox(box, QString::number(position), count >= 2);
}

}  // namespace

void SetNoDocumentState(DocumentPosition& doc, ChildWidgets& widgets)
{
    SetKeys(widgets.tbMain, {keys::miInsert, keys::miReplace, keys::miExport}, false);

    SetAllButtons(widgets.tbFileNav, false);
    SetBox(widgets.cboCurrentFile, QStringLiteral("0"), false);

    SetAllButtons(widgets.tbFileOperate, false);
    if (QAction* select = FindToolbarAction(widgets.tbFileOperate, keys::miSelect))
        select->setChecked(false);
    doc.m_SelectMode = 0;
    widgets.tbFileOperate->update();

    SetAllButtons(widgets.tbCommon, false);
    SetBox(widgets.cboCurrentPage, QStringLiteral("0"), false);
    widgets.cboZoomFactor->setEnabled(false);
    // The grid guides work without a page.
    SetKeys(widgets.tbCommon, {keys::miGrid, keys::miTwoLine, keys::miFiveLine}, true);
    FillZoomBox(widgets.cboZoomFactor);

    SetAllButtons(widgets.tbImaging, false);
}

void SetDocumentState(ControlState& state)
{
    SetKeys(state.widgets.tbMain, {keys::miInsert, keys::miReplace, keys::miExport}, true);

    if (state.widgets.lvwFileList->count() >= 1)
        SetAllButtons(state.widgets.tbFileOperate, true);

    SetAllButtons(state.widgets.tbCommon, true);
    for (const char* key : kCommonPlaceholders)
        SetKey(state.widgets.tbCommon, key, Off);
    state.widgets.cboCurrentPage->setEnabled(true);
    state.widgets.cboZoomFactor->setEnabled(true);
    UpdatePageNavigation(state.doc, state.widgets);
    UpdateZoomButtons(state.widgets);
    SetUndoButtons(state);
    SetClipboardButtons(state.widgets, 0);

    SetAllButtons(state.widgets.tbImaging, true);
    SetKey(state.widgets.tbImaging, keys::miTrim2, Off);
    UpdatePageStructureButtons(state.doc, state.widgets);
    if (state.props.m_DocType == DocTypeSinglePageJpeg)
        SetKey(state.widgets.tbImaging, keys::miConvert2BW, Off);
}

void UpdateFileNavigation(DocumentPosition& doc, ChildWidgets& widgets)
{
    UpdateNavigation(widgets.tbFileNav, widgets.cboCurrentFile, doc.m_CurrentFile, doc.FileCount());
}

void UpdatePageNavigation(DocumentPosition& doc, ChildWidgets& widgets)
{
    UpdateNavigation(widgets.tbCommon, widgets.cboCurrentPage, doc.m_CurrentPage, doc.m_PageCount);
}

void UpdatePageStructureButtons(DocumentPosition& doc, ChildWidgets& widgets)
{
    for (const char* key : kPageStructureKeys)
        SetKey(widgets.tbImaging, key, doc.m_PageCount >= 2);
}

void SetUndoButtons(ControlState& state)
{
    SetKey(state.widgets.tbCommon, keys::miUndo, state.m_History.UndoCount() > 0);
    SetKey(state.widgets.tbCommon, keys::miRedo, state.m_History.RedoCount() > 0);
}

void SetClipboardButtons(ChildWidgets& widgets, int mode)
{
    for (const ClipboardRule& rule : kClipboardRules) {
        if (rule.mode == mode) {
            SetKey(widgets.tbCommon, keys::miCut, rule.cut);
            SetKey(widgets.tbCommon, keys::miCopy, rule.copy);
            SetKey(widgets.tbCommon, keys::miPaste, rule.paste);
        }
    }
}

void UpdateZoomButtons(ChildWidgets& widgets)
{
    const float painted = static_cast<float>(widgets.mtMain->displayPercent());
    SetKey(widgets.tbCommon, keys::miZoomOut, painted > kMinZoomOutPercent);
    SetKey(widgets.tbCommon, keys::miZoomIn, painted < kMaxZoomInPercent);
}

}  // namespace scanvo
