// Rotation and deskew.
#include "commands/size/Rotation.h"

#include "commands/CommandFrame.h"
#include "commands/CommandTexts.h"
#include "commands/size/frmDeskewOptions.h"
#include "commands/size/frmDeskewX.h"
#include "core/Prompter.h"
#include "core/StatusPanels.h"
#include "platform/engine/ImageViewer.h"
#include "platform/engine/ops/Geometry.h"
#include "platform/engine/ops/OpFlags.h"
#include "settings/Settings.h"
#include "viewer/Selection.h"
#include "viewer/ToolModes.h"


#include <cmath>

namespace scanvo {

namespace T = command_texts;
namespace ops = engine::ops;

namespace {

struct FixedTurn {
    QString status;
    int angle;
};

FixedTurn TurnOf(int kind)
{
    switch (kind) {
    case 1:
        return {T::kRotateLeftStatus, -ops::kQuarterTurn};
    case 2:
        return {T::kRotateRightStatus, ops::kQuarterTurn};
    default:
        return {T::kRotate180Status, ops::kHalfTurn};
    }
}

void Rotated(ControlState& state, const QString& status, int angle, int flags)
{
    RunPageTransform(state, status,
                     [=](const engine::Image& page) { return ops::Rotated(page, angle, flags, ops::kWhite); });
}

}  // namespace

void RotateFixed(ControlState& state, int kind)
{
    if (kind < 1 || kind > 3)
        return;
    const FixedTurn turn = TurnOf(kind);
    Rotated(state, turn.status, turn.angle, ops::kRotateFixedFlags);
}

void RotateLeft(ControlState& state)
{
    RotateFixed(state, 1);
}

void RotateRight(ControlState& state)
{
    RotateFixed(state, 2);
}

void Rotate180(ControlState& state)
{
    RotateFixed(state, 3);
}

void DeskewAutomatic(ControlState& state)
{
    // A page already level, or one without text lines to measure, stays as it is; the command is
    // an undo level all the same, as every command is.
    RunPageTransform(state, T::kAutoDeskewStatus,
                     [](const engine::Image& page) { return ops::Deskewed(page, ops::kWhite, ops::kDeskewKeepSize); });
}

void ToggleDeskewLineMode(ControlState& state)
{
    TogglePointerTool(state, PointerTool::DeskewLine);
}

float LineAngle(double x1, double y1, double x2, double y2)
{
    const double dy = std::abs(y1 - y2);
    const double dx = std::abs(x1 - x2);
    if (dy == 0 || dx == 0)
        return -1;
    return static_cast<float>(std::atan(dy / dx) * (180.0 / 3.1415926535898) * 100.0);
}

void DeskewByLine(ControlState& state, float angle)
{
    const double gx = double(state.tools.m_LineX1) - state.tools.m_LineX2;
    const double gy = double(state.tools.m_LineY1) - state.tools.m_LineY2;
    // A line falling to the right (image y grows downwards) is levelled anticlockwise.
    const bool fallsToTheRight = (gx > 0 && gy > 0) || (gx <= 0 && gy < 0);
    const int hundredths = static_cast<int>(std::nearbyint(fallsToTheRight ? -angle : angle));
    Rotated(state, T::kLineDeskewStatus, hundredths, g_Settings.Imaging.RotateFlag);
}

void RotateByDialog(ControlState& state, int kind)
{
    if (!HasPage(state.widgets))
        return;
    RunPreviewDialog(state, T::kManualDeskewStatus, [&] {
        frmDeskewX dialog(state.widgets.control);
        dialog.Flag = static_cast<qint16>(kind);
        dialog.MainViewer = state.widgets.mtMain;
        CurrentPrompter().runDialog(dialog);
        // The page on view is the dialog's last preview after OK, the page as it was after cancel.
        return dialog.Action == 1;
    });
    // A selection drawn on the page before may lie outside the page turned.
    SetSelection(state.view, state.widgets, state.view.m_Selection);
}

void RotateAngle(ControlState& state)
{
    RotateByDialog(state, 2);
}

void DeskewManual(ControlState& state)
{
    RotateByDialog(state, 1);
}

void ShowDeskewOptions(ControlState& state)
{
    frmDeskewOptions dialog(state.widgets.control);
    CurrentPrompter().runDialog(dialog);
}

}  // namespace scanvo
