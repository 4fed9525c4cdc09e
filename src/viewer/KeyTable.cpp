// The key table.
#include "viewer/KeyTable.h"

#include "core/CommandKeys.h"
#include "core/ToolbarKeys.h"
#include "platform/engine/ImageViewer.h"
#include "settings/Settings.h"
#include "viewer/Selection.h"

#include <QAction>
#include <QKeySequence>

namespace scanvo {

namespace {

using Toolbar = QToolBar* ChildWidgets::*;

enum class Pad { Either, Keypad, Main };

// A key, the button whose enabled state guards it, and the button or menu item it clicks (on the
// same toolbar); a row without a guard runs its operation instead.
struct KeyRow {
    int key;
    Pad pad;
    Toolbar toolbar;
    const char* guard;
    const char* clicks;
    void (*run)(ControlState& state);
};

void PaperA3(ControlState&)
{
    StoreSetting(g_Settings.Scan.PaperSize, qint16(2));
}

void PaperA4(ControlState&)
{
    StoreSetting(g_Settings.Scan.PaperSize, qint16(1));
}

const KeyRow kKeys[] = {
    {Qt::Key_F3, Pad::Either, nullptr, nullptr, nullptr, PaperA3},
    {Qt::Key_F4, Pad::Either, nullptr, nullptr, nullptr, PaperA4},
    {Qt::Key_Return, Pad::Either, &ChildWidgets::tbMain, keys::miScan, keys::miScan, nullptr},
    {Qt::Key_Enter, Pad::Either, &ChildWidgets::tbMain, keys::miScan, keys::miScan, nullptr},
    {Qt::Key_A, Pad::Main, &ChildWidgets::tbCommon, keys::miUndo, keys::miUndo, nullptr},
    {Qt::Key_D, Pad::Main, &ChildWidgets::tbImaging, keys::miDeskew, keys::miDeskewAuto, nullptr},
    {Qt::Key_S, Pad::Main, &ChildWidgets::tbImaging, keys::miDeskew, keys::miDeskewX, nullptr},
    {Qt::Key_F, Pad::Main, &ChildWidgets::tbImaging, keys::miClear, keys::miClear, nullptr},
    {Qt::Key_G, Pad::Main, &ChildWidgets::tbImaging, keys::miTrim, keys::miTrim, nullptr},
    {Qt::Key_X, Pad::Main, &ChildWidgets::tbImaging, keys::miCrop, keys::miCrop, nullptr},
    {Qt::Key_B, Pad::Main, &ChildWidgets::tbImaging, keys::miCenterImage, keys::miCenterImage, nullptr},
    {Qt::Key_Z, Pad::Main, &ChildWidgets::tbImaging, keys::miImageAdjust, keys::miImageAdjust, nullptr},
    {Qt::Key_W, Pad::Main, &ChildWidgets::tbImaging, keys::miText, keys::miDilation, nullptr},
    {Qt::Key_T, Pad::Main, &ChildWidgets::tbImaging, keys::miRotate, keys::miRotateRight, nullptr},
    {Qt::Key_R, Pad::Main, &ChildWidgets::tbImaging, keys::miRotate, keys::miRotateLeft, nullptr},
    {Qt::Key_Minus, Pad::Keypad, &ChildWidgets::tbCommon, keys::miPrevious, keys::miPrevious, nullptr},
    {Qt::Key_PageUp, Pad::Either, &ChildWidgets::tbCommon, keys::miPrevious, keys::miPrevious, nullptr},
    {Qt::Key_PageDown, Pad::Either, &ChildWidgets::tbCommon, keys::miNext, keys::miNext, nullptr},
    {Qt::Key_Space, Pad::Main, &ChildWidgets::tbCommon, keys::miNext, keys::miNext, nullptr},
    {Qt::Key_Plus, Pad::Keypad, &ChildWidgets::tbCommon, keys::miNext, keys::miNext, nullptr},
    {Qt::Key_F5, Pad::Either, &ChildWidgets::tbCommon, keys::miZoomIn, keys::miZoomIn, nullptr},
    {Qt::Key_Slash, Pad::Keypad, &ChildWidgets::tbCommon, keys::miZoomIn, keys::miZoomIn, nullptr},
    {Qt::Key_F6, Pad::Either, &ChildWidgets::tbCommon, keys::miZoomOut, keys::miZoomOut, nullptr},
    {Qt::Key_Asterisk, Pad::Keypad, &ChildWidgets::tbCommon, keys::miZoomOut, keys::miZoomOut, nullptr},
};

bool PadMatches(Pad pad, bool keypad)
{
    return pad == Pad::Either || (pad == Pad::Keypad) == keypad;
}

bool Enabled(QToolBar* toolbar, const char* key)
{
    const QAction* action = FindToolbarAction(toolbar, QString::fromLatin1(key));
    return action && action->isEnabled();
}

// Enter is the keypad's Return.
bool OnMainBlock(const KeyRow& row)
{
    return row.pad != Pad::Keypad && row.key != Qt::Key_Enter;
}

}  // namespace

QStringList KeyNamesFor(const ChildWidgets& widgets, const QToolBar* toolbar, const QString& key)
{
    QStringList names;
    for (const KeyRow& row : kKeys) {
        if (row.toolbar == nullptr || widgets.*row.toolbar != toolbar || !OnMainBlock(row))
            continue;
        if (key == QLatin1String(row.guard) || key == QLatin1String(row.clicks))
            names.append(QKeySequence(row.key).toString(QKeySequence::NativeText));
    }
    return names;
}

bool OnControlKeyUp(ControlState& state, int key, Qt::KeyboardModifiers modifiers)
{
    if (state.tools.m_CommentEntry == 1)
        return false;
    if (key == Qt::Key_Control) {
        // With any other key held.
        if (state.widgets.mtMain->hasImage())
            RemoveSelection(state.view, state.widgets);
        return true;
    }
    if (modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    for (const KeyRow& row : kKeys) {
        if (row.key != key || !PadMatches(row.pad, keypad))
            continue;
        if (row.run) {
            row.run(state);
        } else {
            QToolBar* toolbar = state.widgets.*row.toolbar;
            if (Enabled(toolbar, row.guard))
                ClickToolbarKey(toolbar, QString::fromLatin1(row.clicks));
        }
        return true;
    }
    return false;
}

}  // namespace scanvo
