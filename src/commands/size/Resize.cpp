// Image size and canvas size.
#include "commands/size/Resize.h"

#include "commands/CommandFrame.h"
#include "commands/size/SizeTexts.h"
#include "commands/size/SizeUnits.h"
#include "commands/size/frmResize.h"
#include "commands/size/frmResizeCanvas.h"
#include "core/Prompter.h"
#include "platform/engine/Image.h"
#include "platform/engine/ImageViewer.h"
#include "platform/engine/ops/Canvas.h"
#include "platform/engine/ops/Geometry.h"
#include "platform/engine/ops/OpFlags.h"
#include "settings/Settings.h"
#include "viewer/Selection.h"

#include <QtGlobal>

#include <cmath>

namespace scanvo {

namespace T = size_texts;
namespace ops = engine::ops;

namespace {

// The resolution as the 16-bit dialog members hold it.
qint16 Dpi16(int dpi)
{
    return qint16(qBound(0, dpi, 32767));
}

// A selection drawn on the page before may lie outside the page resized.
void KeepSelectionOnPage(ViewerState& view, ChildWidgets& widgets)
{
    SetSelection(view, widgets, view.m_Selection);
}

}  // namespace

void ResizeImage(ControlState& state)
{
    if (!HasPage(state.widgets))
        return;
    const engine::Image& page = state.widgets.mtMain->image();
    frmResize dialog(state.widgets.control);
    dialog.NewWidth = page.width();
    dialog.NewHeight = page.height();
    dialog.ResolutionX = Dpi16(page.xResolution());
    dialog.ResolutionY = Dpi16(page.yResolution());
    CurrentPrompter().runDialog(dialog);
    if (dialog.Action != 1)
        return;
    const int width = dialog.NewWidth, height = dialog.NewHeight;
    if (width == page.width() && height == page.height())
        return;
    RunPageCommand(state, T::kResizeStatus, [&](engine::Image& edited) {
        engine::CheckPageSize(width, height, edited.depth());
        ops::Resize(edited, width, height, ops::kResizeSmooth);
    });
    KeepSelectionOnPage(state.view, state.widgets);
}

void ResizeCanvas(ControlState& state)
{
    if (!HasPage(state.widgets))
        return;
    const engine::Image& page = state.widgets.mtMain->image();
    frmResizeCanvas dialog(state.widgets.control);
    dialog.CanvasIndex = state.m_CanvasIndex;
    dialog.CanvasWidth = float(page.width());
    dialog.CanvasHeight = float(page.height());
    CurrentPrompter().runDialog(dialog);
    if (dialog.Action != 1)
        return;
    state.m_CanvasIndex = dialog.CanvasIndex;
    const double width = PixelsOfMillimetres(dialog.CanvasWidth, page.xResolution());
    const double height = PixelsOfMillimetres(dialog.CanvasHeight, page.yResolution());
    // The page's own size (0 by 0 millimetres), or a sheet the page already has, changes nothing.
    if (width <= 0 || height <= 0)
        return;
    // The engine makes the canvas its size rounded to the nearest pixel.
    const long long pixelWidth = std::llround(width), pixelHeight = std::llround(height);
    if (pixelWidth == page.width() && pixelHeight == page.height())
        return;
    RunPageTransform(state, T::kCanvasStatus, [&](const engine::Image& shown) {
        engine::CheckPageSize(pixelWidth, pixelHeight, shown.depth());
        return ops::CreateCanvas(shown, width, height);
    });
    KeepSelectionOnPage(state.view, state.widgets);
}

}  // namespace scanvo
