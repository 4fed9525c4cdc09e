// Region clear, crop, trim and centring.
#include "commands/region/RegionCommands.h"

#include "commands/CommandFrame.h"
#include "commands/CommandTexts.h"
#include "commands/region/frmAutoTrimOptions.h"
#include "core/Prompter.h"
#include "platform/engine/ImageViewer.h"
#include "platform/engine/ops/Canvas.h"
#include "platform/engine/ops/Geometry.h"
#include "platform/engine/ops/OpFlags.h"
#include "settings/Settings.h"
#include "viewer/Selection.h"
#include "viewer/ToolModes.h"

namespace scanvo {

namespace T = command_texts;
namespace ops = engine::ops;

namespace {

// The page with sourceRect of it copied to destPos on an otherwise white page of the same size,
// depth and kind. Nothing outside the copied rectangle is kept.
engine::Image OnWhitePage(const engine::Image& page, const engine::Image& source, const QRect& sourceRect,
                          QPoint destPos)
{
    engine::Image canvas = ops::WhiteCanvas(page, page.width(), page.height());
    if (source.hasPalette() && source.isGrey()) {
        // The canvas of a grey palette page is plain grey; the copy must be too.
        engine::Image grey = source;
        ops::SetGreyPalette(grey);
        ops::Combine(canvas, grey, sourceRect, destPos, ops::kCombineCopyFlags);
    } else {
        ops::Combine(canvas, source, sourceRect, destPos, ops::kCombineCopyFlags);
    }
    return canvas;
}

// The selection, clipped to the page; empty without one.
QRect SelectionOnPage(const ViewerState& view, const ChildWidgets& widgets)
{
    if (!HasRegion(view, widgets))
        return {};
    const engine::Image& page = widgets.mtMain->image();
    return view.m_Selection & QRect(0, 0, page.width(), page.height());
}

}  // namespace

void ToggleClearInside(ControlState& state)
{
    TogglePointerTool(state, PointerTool::ClearInside);
}

void ToggleClearOutside(ControlState& state)
{
    TogglePointerTool(state, PointerTool::ClearOutside);
}

void ToggleCrop(ControlState& state)
{
    TogglePointerTool(state, PointerTool::Crop);
}

void ClearInside(ControlState& state)
{
    const QRect region = SelectionOnPage(state.view, state.widgets);
    if (region.isEmpty())
        return;
    if (RunPageCommand(state, T::kClearInsideStatus,
                       [&](engine::Image& page) { ops::FillRect(page, region, ops::kWhite); }))
        RemoveSelection(state.view, state.widgets);
}

void ClearOutside(ControlState& state)
{
    const QRect region = SelectionOnPage(state.view, state.widgets);
    if (region.isEmpty())
        return;
    RunPageTransform(state, T::kClearOutsideStatus, [&](const engine::Image& page) {
        QPoint dest = region.topLeft();
        if (g_Settings.Imaging.TrimAutoCenter == 1)
            dest = QPoint((page.width() - region.width()) / 2, (page.height() - region.height()) / 2);
        return OnWhitePage(page, page, region, dest);
    });
}

void Crop(ControlState& state)
{
    if (!HasPage(state.widgets))
        return;
    const QRect region = SelectionOnPage(state.view, state.widgets);
    const bool done = RunPageTransform(state, T::kCropStatus, [&](const engine::Image& page) {
        engine::Image cropped;
        if (!region.isEmpty()) {
            cropped = ops::Crop(page, region);
        } else {
            cropped = page;
            ops::AutoCrop(cropped, g_Settings.Imaging.AutoTrim);
        }
        if (g_Settings.Imaging.CropAutoResize == 1)
            ops::Resize(cropped, page.width(), page.height(), ops::kResizeSmooth);
        return cropped;
    });
    if (done)
        RemoveSelection(state.view, state.widgets);
}

QRect TrimBoxImageRect(const ViewerState& view, const PointerToolState& tools, const ChildWidgets& widgets)
{
    if (view.m_TrimRegionOn != 1 || tools.m_TrimFrame.isEmpty() || !HasPage(widgets))
        return {};
    const engine::ImageViewer& viewer = *widgets.mtMain;
    const QRectF box(viewer.widgetToImage(tools.m_TrimFrame.topLeft()),
                     viewer.widgetToImage(tools.m_TrimFrame.bottomRight()));
    const engine::Image& page = viewer.image();
    return box.normalized().toAlignedRect() & QRect(0, 0, page.width(), page.height());
}

void ClearOutsideTrimBox(ControlState& state)
{
    const QRect box = TrimBoxImageRect(state.view, state.tools, state.widgets);
    if (box.isEmpty())
        return;
    RunPageTransform(state, T::kClearOutsideStatus,
                     [&](const engine::Image& page) { return OnWhitePage(page, page, box, box.topLeft()); });
}

void CentreImage(ControlState& state, int kind)
{
    if (!HasPage(state.widgets))
        return;
    const QRect region = SelectionOnPage(state.view, state.widgets);
    // A step the engine cannot do leaves the page as it was; the command still counts as an edit.
    RunPageTransform(
        state, T::kCentreStatus,
        [&](const engine::Image& page) {
            const int w = page.width(), h = page.height();
            if (region.isEmpty()) {
                engine::Image content = page;
                ops::AutoCrop(content, ops::kAutoCropCentreTolerance);
                const QPoint dest((w - content.width()) / 2, (h - content.height()) / 2);
                return OnWhitePage(page, content, QRect(0, 0, content.width(), content.height()), dest);
            }
            QPoint dest;
            switch (kind) {
            case 1:
                dest = QPoint((w - region.width()) / 2, region.top());
                break;
            case 2:
                dest = QPoint(region.left(), (h - region.height()) / 2);
                break;
            case 4:
                dest = QPoint(0, 0);
                break;
            default:
                dest = QPoint((w - region.width()) / 2, (h - region.height()) / 2);
                break;
            }
            return OnWhitePage(page, page, region, dest);
        },
        OnEngineError::DoLess);
    RemoveSelection(state.view, state.widgets);
}

void CentreLeftRight(ControlState& state)
{
    CentreImage(state, 1);
}

void CentreTopBottom(ControlState& state)
{
    CentreImage(state, 2);
}

void CentreBoth(ControlState& state)
{
    CentreImage(state, 3);
}

void MoveToTopLeft(ControlState& state)
{
    CentreImage(state, 4);
}

void ShowAutoTrimOptions(ControlState& state)
{
    frmAutoTrimOptions form(state.widgets.control);
    CurrentPrompter().runDialog(form);
}

}  // namespace scanvo
