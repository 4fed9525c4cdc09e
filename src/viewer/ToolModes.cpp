// Pointer tool modes.
#include "viewer/ToolModes.h"

#include "core/CommandKeys.h"
#include "core/StatusPanels.h"
#include "core/ToolbarKeys.h"
#include "core/ToolbarStates.h"
#include "platform/engine/ImageViewer.h"
#include "viewer/Selection.h"
#include "viewer/ViewerSetup.h"

#include <QAction>
#include <QBitmap>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QToolBar>

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <utility>

namespace scanvo {

namespace {

void Press(QToolBar* toolbar, const char* key, bool pressed)
{
    if (QAction* action = FindToolbarAction(toolbar, QString::fromLatin1(key)))
        action->setChecked(pressed);
}

void Repaint(QToolBar* toolbar)
{
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
void ShowViewerCursor(PointerToolState& tools, ChildWidgets& widgets)
{
    QWidget* viewport = widgets.mtMain->viewport();
    if (tools.m_PickColorOn())
        viewport->setCursor(PickerCursor());
    else if (tools.m_DeskewLineMode())
        viewport->setCursor(Qt::CrossCursor);
    else
        viewport->unsetCursor();
}

// Each tool's button (on tbImaging).
struct ToolButton {
    PointerTool tool;
    const char* key;
};

constexpr ToolButton kToolButtons[] = {
    {PointerTool::ClearInside, keys::miClear},
    {PointerTool::ClearOutside, keys::miTrim},
    {PointerTool::Crop, keys::miCrop},
    {PointerTool::Comment, keys::miInsertComment},
    {PointerTool::Paint, keys::miPaintRect},
    {PointerTool::DeskewLine, keys::miDeskewByLine},
};

// Every tool's button shows whether its tool is the armed one.
void ShowToolButtons(PointerToolState& tools, ChildWidgets& widgets)
{
    for (const ToolButton& button : kToolButtons) {
        QAction* action = FindToolbarAction(widgets.tbImaging, QString::fromLatin1(button.key));
        const bool armed = button.tool == tools.ActiveTool();
        // The deskew line's menu entry shows a check mark once it has been armed.
        if (action && action->isChecked() != armed) {
            action->setCheckable(true);
            action->setChecked(armed);
        }
    }
}

void HideCommentBox(PointerToolState& tools, ChildWidgets& widgets)
{
    tools.m_CommentEntry = 0;
    // A comment box left open would still write its comment on Enter.
    widgets.txtPageNumber->hide();
    widgets.cmdFont->hide();
}

void ShowGridLines(ChildWidgets& widgets, std::initializer_list<int> shown)
{
    for (QFrame* line : widgets.linGrid) {
        line->hide();
    }
    for (int index : shown) {
        widgets.linGrid[index]->show();
    }
    Press(widgets.tbCommon, keys::miGrid, shown.size() > 0);
    Repaint(widgets.tbCommon);
}

}  // namespace

void ArmPointerTool(ControlState& state, PointerTool tool)
{
    const PointerTool previous = std::exchange(state.tools.m_Tool, tool);
    HideCommentBox(state.tools, state.widgets);
    ShowToolButtons(state.tools, state.widgets);
    if (tool != PointerTool::None)
        SetPickColor(state, false);
    ShowViewerCursor(state.tools, state.widgets);
    if ((previous == PointerTool::DeskewLine) != (tool == PointerTool::DeskewLine))
        SetIdleStatusText(state.tools, state.widgets);
    if (tool == PointerTool::DeskewLine)
        SetPlainPointer(state);
    else if (previous == PointerTool::DeskewLine)
        SetRegionShape(state.view, 1);
    Repaint(state.widgets.tbImaging);
}

void TogglePointerTool(ControlState& state, PointerTool tool)
{
    ArmPointerTool(state, state.tools.ActiveTool() == tool ? PointerTool::None : tool);
}

const char* PointerToolKey(PointerTool tool)
{
    const auto* button = std::ranges::find(kToolButtons, tool, &ToolButton::tool);
    return button != std::end(kToolButtons) ? button->key : nullptr;
}

void SetPickColor(ControlState& state, bool on)
{
    const PointerTool tool = state.tools.ActiveTool();
    if (on && tool != PointerTool::Paint && tool != PointerTool::DeskewLine)
        ArmPointerTool(state, PointerTool::None);
    state.tools.m_Picker = on;
    Press(state.widgets.tbCommon, keys::miGetPixel, on);
    ShowViewerCursor(state.tools, state.widgets);
    if (on)
        ShowPaintColor(state.tools, state.widgets);
    state.widgets.lblColor->setVisible(on);
    Repaint(state.widgets.tbCommon);
}

void SetPlainPointer(ControlState& state)
{
    SetClipboardButtons(state.widgets, 2);
    state.view.m_RegionShape = 0;
    RemoveSelection(state.view, state.widgets);
}

void TogglePickColor(ControlState& state)
{
    SetPickColor(state, !state.tools.m_PickColorOn());
}

void TogglePaintTool(ControlState& state)
{
    TogglePointerTool(state, PointerTool::Paint);
}

void ShowPaintColor(PointerToolState& tools, ChildWidgets& widgets)
{
    QPalette palette = widgets.lblColor->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(tools.m_PaintColor | 0xFF000000u));
    widgets.lblColor->setPalette(palette);
}

void ShowGridTwoLines(ControlState& state)
{
    ShowGridLines(state.widgets, {1, 3, 6, 8});
}

void ShowGridFiveLines(ControlState& state)
{
    ShowGridLines(state.widgets, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
}

void HideGrid(ControlState& state)
{
    ShowGridLines(state.widgets, {});
}

}  // namespace scanvo
