// The trim box.
#include "viewer/TrimBox.h"

#include "core/CommandKeys.h"
#include "core/ToolbarKeys.h"
#include "platform/engine/ImageViewer.h"
#include "viewer/Selection.h"

#include <QAction>
#include <QToolBar>

namespace scanvo {

namespace {

constexpr double kDefaultMargin = 5;
constexpr double kRememberedInset = 4;

}  // namespace

void ToggleTrimRegion(ControlState& state)
{
    state.view.m_TrimRegionOn = static_cast<qint16>(1 - state.view.m_TrimRegionOn);
    const bool on = state.view.m_TrimRegionOn == 1;
    if (QAction* button = FindToolbarAction(state.widgets.tbCommon, QString::fromLatin1(keys::miTrimRegion)))
        button->setChecked(on);
    if (on) {
        if (state.widgets.mtMain->hasImage())
            DrawTrimRegion(state.tools, state.widgets);
    } else {
        state.tools.m_TrimFrame = QRectF();
        RepaintOverlay(state.widgets);
    }
    EnableToolbarKey(state.widgets.tbImaging, QString::fromLatin1(keys::miTrim2), on);
    state.widgets.tbCommon->update();
}

void DrawTrimRegion(PointerToolState& tools, ChildWidgets& widgets)
{
    if (tools.m_TrimBoxLeft == 0 && tools.m_TrimBoxTop == 0 && tools.m_TrimBoxRight == 0 && tools.m_TrimBoxBottom == 0)
        DefaultTrimRegion(tools, widgets);
    tools.m_TrimFrame = QRectF(QPointF(tools.m_TrimBoxLeft, tools.m_TrimBoxTop),
                               QPointF(tools.m_TrimBoxRight, tools.m_TrimBoxBottom));
    RepaintOverlay(widgets);
}

void DefaultTrimRegion(PointerToolState& tools, ChildWidgets& widgets)
{
    const engine::ImageViewer* viewer = widgets.mtMain;
    if (!viewer->hasImage())
        return;
    const double wv = viewer->width();
    const double hv = viewer->height();
    const double w = viewer->pageSize().width();
    const double h = viewer->pageSize().height();
    double left, top, right, bottom;
    if (w < h) {  // portrait: the box spans the height
        left = (wv - hv * w / h) / 2 + kDefaultMargin;
        top = kDefaultMargin;
        right = hv * w / h + left - 2 * kDefaultMargin;
        bottom = hv - 2 * kDefaultMargin;
    } else {
        left = kDefaultMargin;
        top = (hv - wv * h / w) / 2 + kDefaultMargin;
        right = wv - 2 * kDefaultMargin;
        bottom = wv * h / w + top - 2 * kDefaultMargin;
    }
    tools.m_TrimBoxLeft = float(left);
    tools.m_TrimBoxTop = float(top);
    tools.m_TrimBoxRight = float(right);
    tools.m_TrimBoxBottom = float(bottom);
}

void ForgetTrimRegion(PointerToolState& tools)
{
    tools.m_TrimBoxLeft = 0;
    tools.m_TrimBoxTop = 0;
    tools.m_TrimBoxRight = 0;
    tools.m_TrimBoxBottom = 0;
}

void TrimFrameChanged(PointerToolState& tools, ChildWidgets& widgets, const QRectF& frame)
{
    tools.m_TrimFrame = frame;
    tools.m_TrimBoxLeft = float(frame.left() + kRememberedInset);
    tools.m_TrimBoxTop = float(frame.top() + kRememberedInset);
    tools.m_TrimBoxRight = float(frame.left() + frame.width() - kRememberedInset);
    tools.m_TrimBoxBottom = float(frame.top() + frame.height() - kRememberedInset);
    RepaintOverlay(widgets);
}

}  // namespace scanvo
