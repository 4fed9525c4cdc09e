// Pointer tool modes.
#include "viewer/ToolModes.h"

#include "core/CommandKeys.h"
#include "core/StatusPanels.h"
#include "core/ToolbarKeys.h"
#include "core/ToolbarStates.h"
#include "platform/engine/ImageViewer.h"
#include "viewer/Selection.h"

#include <QAction>
#include <QBitmap>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QToolBar>

#include <initializer_list>

namespace scanvo {

namespace {

void Press(QToolBar* toolbar, const char* key, bool pressed)
{
    if (QAction* action = FindToolbarAction(toolbar, QString::fromLatin1(key)))
        action->setChecked(pressed);
}

void Repaint(QToolBar* toolbar)
{
    if (toolbar)
        toolbar->update();
}

// A pipette whose tip is the cursor's hot spot, 16 pixels left of and below its centre, so the
// pixel sampled is the one under the tip.
QCursor PickerCursor()
{
    QPixmap shape(32, 32);
    shape.fill(Qt::transparent);
    QPainter painter(&shape);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(1, 31, 22, 10);
    painter.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(1, 31, 22, 10);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPoint(25, 7), 5, 5);
    painter.end();
    return QCursor(shape, 0, 31);
}

// The cursor over the viewer shows the tool the next click or drag goes to.
void ShowViewerCursor(ControlState& state)
{
    if (!state.widgets.mtMain)
        return;
    QWidget* viewport = state.widgets.mtMain->viewport();
    if (state.tools.m_PickColorOn)
        viewport->setCursor(PickerCursor());
    else if (state.tools.m_DeskewLineMode)
        viewport->setCursor(Qt::CrossCursor);
    else
        viewport->unsetCursor();
}

void SetPickerOff(ControlState& state)
{
    state.tools.m_PickColorOn = 0;
    Press(state.widgets.tbCommon, keys::miGetPixel, false);
    ShowViewerCursor(state);
    if (state.widgets.lblColor)
        state.widgets.lblColor->hide();
}

void ShowGridLines(ControlState& state, std::initializer_list<int> shown)
{
    for (QFrame* line : state.widgets.linGrid) {
        if (line)
            line->hide();
    }
    for (int index : shown) {
        if (QFrame* line = state.widgets.linGrid[index])
            line->show();
    }
    Press(state.widgets.tbCommon, keys::miGrid, shown.size() > 0);
    Repaint(state.widgets.tbCommon);
}

}  // namespace

void ClearRegionTools(ControlState& state)
{
    for (const char* key : {keys::miClear, keys::miCrop, keys::miTrim, keys::miInsertComment})
        Press(state.widgets.tbImaging, key, false);
    state.tools.m_ClearToolOn = 0;
    state.tools.m_CropToolOn = 0;
    state.tools.m_TrimToolOn = 0;
    state.tools.m_CommentToolOn = 0;
    state.tools.m_CommentEntry = 0;
    // A comment box left open would still write its comment on Enter.
    if (state.widgets.txtPageNumber)
        state.widgets.txtPageNumber->hide();
    if (state.widgets.cmdFont)
        state.widgets.cmdFont->hide();
}

void SetDeskewLineMode(ControlState& state, bool on)
{
    state.tools.m_DeskewLineMode = on ? 1 : 0;
    if (QAction* entry = FindToolbarAction(state.widgets.tbImaging, QString::fromLatin1(keys::miDeskewByLine))) {
        entry->setCheckable(true);
        entry->setChecked(on);
    }
    ShowViewerCursor(state);
    SetIdleStatusText(state);
}

void ClearColorTools(ControlState& state)
{
    SetPickerOff(state);
    Press(state.widgets.tbImaging, keys::miPaintRect, false);
    state.tools.m_PaintToolOn = 0;
    Repaint(state.widgets.tbCommon);
    Repaint(state.widgets.tbImaging);
}

void SetPlainPointer(ControlState& state)
{
    SetClipboardButtons(state, 2);
    state.view.m_RegionShape = 0;
    RemoveSelection(state);
}

void TogglePickColor(ControlState& state)
{
    if (state.tools.m_PickColorOn) {
        SetPickerOff(state);
    } else {
        state.tools.m_PickColorOn = 1;
        Press(state.widgets.tbCommon, keys::miGetPixel, true);
        ShowViewerCursor(state);
        ShowPaintColor(state);
        if (state.widgets.lblColor)
            state.widgets.lblColor->show();
        ClearRegionTools(state);
    }
    Repaint(state.widgets.tbCommon);
}

void TogglePaintTool(ControlState& state)
{
    if (state.tools.m_PaintToolOn) {
        state.tools.m_PaintToolOn = 0;
        Press(state.widgets.tbImaging, keys::miPaintRect, false);
    } else {
        state.tools.m_PaintToolOn = 1;
        Press(state.widgets.tbImaging, keys::miPaintRect, true);
        SetPickerOff(state);
        ClearRegionTools(state);
    }
    Repaint(state.widgets.tbImaging);
}

void ShowPaintColor(ControlState& state)
{
    if (state.widgets.lblColor == nullptr)
        return;
    QPalette palette = state.widgets.lblColor->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(state.tools.m_PaintColor | 0xFF000000u));
    state.widgets.lblColor->setPalette(palette);
}

void ShowGridTwoLines(ControlState& state)
{
    ShowGridLines(state, {1, 3, 6, 8});
}

void ShowGridFiveLines(ControlState& state)
{
    ShowGridLines(state, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
}

void HideGrid(ControlState& state)
{
    ShowGridLines(state, {});
}

}  // namespace scanvo
