// The commands behind the pointer tools.
#include "commands/edit/PointerCommands.h"

#include "commands/CommandFrame.h"
#include "commands/CommandTexts.h"
#include "commands/comment/Comments.h"
#include "commands/region/RegionCommands.h"
#include "commands/size/Rotation.h"
#include "core/CoreTexts.h"
#include "core/ToolbarStates.h"
#include "core/Twips.h"
#include "platform/engine/ImageViewer.h"
#include "platform/engine/ops/Canvas.h"
#include "platform/engine/ops/OpFlags.h"
#include "settings/Settings.h"
#include "viewer/PointerTools.h"
#include "viewer/Selection.h"
#include "viewer/ToolModes.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace scanvo {

namespace T = command_texts;
namespace ops = engine::ops;

namespace {

void PaintRegion(ControlState& state, const QRect& region)
{
    const quint32 colour = state.tools.m_PaintColor;
    RunPageCommand(state, T::kPaintStatus, [&](engine::Image& page) { ops::FillRect(page, region, colour); });
    RemoveSelection(state.view, state.widgets);
}

void PickColour(PointerToolState& tools, ChildWidgets& widgets, const QPoint& pixel)
{
    if (!HasPage(widgets))
        return;
    const engine::Image& page = widgets.mtMain->image();
    if (QRect(0, 0, page.width(), page.height()).contains(pixel)) {
        tools.m_PaintColor = ops::PixelColour(page, pixel.x(), pixel.y());
        ShowPaintColor(tools, widgets);
    }
}

void PaintStamp(ControlState& state, const QPoint& pixel)
{
    // The stamp is filled straight onto the page: the clipboard keeps what was cut or copied.
    const QRect stamp(pixel, QSize(g_Settings.Imaging.PaintRectWidth, g_Settings.Imaging.PaintRectHeight));
    const quint32 colour = state.tools.m_PaintColor;
    RunPageCommand(state, T::kPaintStatus, [&](engine::Image& page) { ops::FillRect(page, stamp, colour); });
}

// What a finished selection and a click do under the armed tool.
struct ToolGestures {
    PointerTool tool;
    // The drawn selection stays for cut and copy (their buttons are enabled before the tool runs).
    bool regionLeftSelected;
    void (*regionDrawn)(ControlState& state, const QRect& region);
    void (*clicked)(ControlState& state, const QPoint& pixel);
};

constexpr ToolGestures kToolGestures[] = {
    {PointerTool::None, true, nullptr, nullptr},
    {PointerTool::ClearInside, false, [](ControlState& state, const QRect&) { ClearInside(state); }, nullptr},
    {PointerTool::ClearOutside, true, [](ControlState& state, const QRect&) { ClearOutside(state); }, nullptr},
    {PointerTool::Crop, false, [](ControlState& state, const QRect&) { Crop(state); }, nullptr},
    {PointerTool::Comment, true, nullptr, nullptr},
    {PointerTool::Paint, true, PaintRegion, PaintStamp},
    {PointerTool::DeskewLine, true, nullptr, nullptr},
};

const ToolGestures& GesturesOf(PointerTool tool)
{
    const auto* row = std::ranges::find(kToolGestures, tool, &ToolGestures::tool);
    return row != std::end(kToolGestures) ? *row : kToolGestures[0];
}

}  // namespace

PointerGestures CommandGestures(ControlState& state)
{
    PointerGestures gestures;
    gestures.regionDrawn = [&state](const QRect& region) { OnRegionDrawn(state, region); };
    gestures.clicked = [&state](const QPointF& point) { OnViewerClick(state, point); };
    gestures.selectionDropped = [&state](const QRect& from, const QPoint& to, bool whiten) {
        OnSelectionDropped(state, from, to, whiten);
    };
    gestures.lineDrawn = [&state](const QLineF& image, const QLineF& viewer) { OnLineDrawn(state, image, viewer); };
    gestures.commentEntered = [&state](const QPoint& boxTopLeft) {
        DrawComment(state, float(TwipsOfPixels(boxTopLeft.x())), float(TwipsOfPixels(boxTopLeft.y())));
    };
    gestures.commentFontAsked = [&state] { ChooseCommentFont(state); };
    return gestures;
}

void OnRegionDrawn(ControlState& state, const QRect& region)
{
    const ToolGestures& tool = GesturesOf(state.tools.ActiveTool());
    if (tool.regionLeftSelected)
        SetClipboardButtons(state.widgets, 1);
    if (tool.regionDrawn)
        tool.regionDrawn(state, region);
}

void OnViewerClick(ControlState& state, const QPointF& point)
{
    const QPoint pixel(int(std::floor(point.x())), int(std::floor(point.y())));
    if (state.tools.m_PickColorOn())
        PickColour(state.tools, state.widgets, pixel);
    if (const ToolGestures& tool = GesturesOf(state.tools.ActiveTool()); tool.clicked)
        tool.clicked(state, pixel);
    SetClipboardButtons(state.widgets, 2);
}

void OnSelectionDropped(ControlState& state, const QRect& from, const QPoint& to, bool whiten)
{
    // The drop is an edit of its own: undo takes back the move, and only the move.
    RunPageTransform(state, core_texts::kIdleStatus, [&](const engine::Image& page) {
        const engine::Image lifted = ops::Crop(page, from);
        engine::Image edited = page;
        if (whiten)
            ops::FillRect(edited, from, ops::kWhite);
        ops::Combine(edited, lifted, QRect(0, 0, lifted.width(), lifted.height()), to, ops::kCombinePasteFlags);
        return edited;
    });
}

void OnLineDrawn(ControlState& state, const QLineF& image, const QLineF& viewer)
{
    state.tools.m_LineX1 = float(image.x1());
    state.tools.m_LineY1 = float(image.y1());
    state.tools.m_LineX2 = float(image.x2());
    state.tools.m_LineY2 = float(image.y2());
    const float angle = LineAngle(viewer.x1(), viewer.y1(), viewer.x2(), viewer.y2());
    if (angle > 0)
        DeskewByLine(state, angle);
    else
        state.widgets.mtMain->repaintImage();
}

}  // namespace scanvo
