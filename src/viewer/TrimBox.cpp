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
    state.m_TrimRegionOn = static_cast<qint16>(1 - state.m_TrimRegionOn);
    const bool on = state.m_TrimRegionOn == 1;
    if (QAction* button = FindToolbarAction(state.tbCommon, QString::fromLatin1(keys::miTrimRegion)))
        button->setChecked(on);
    if (on) {
        if (state.mtMain && state.mtMain->hasImage())
            DrawTrimRegion(state);
    } else {
        state.m_TrimFrame = QRectF();
        RepaintOverlay(state);
    }
    EnableToolbarKey(state.tbImaging, QString::fromLatin1(keys::miTrim2), on);
    if (state.tbCommon)
        state.tbCommon->update();
}

void DrawTrimRegion(ControlState& state)
{
    if (state.m_TrimBoxLeft == 0 && state.m_TrimBoxTop == 0 && state.m_TrimBoxRight == 0 && state.m_TrimBoxBottom == 0)
        DefaultTrimRegion(state);
    state.m_TrimFrame = QRectF(QPointF(state.m_TrimBoxLeft, state.m_TrimBoxTop),
                               QPointF(state.m_TrimBoxRight, state.m_TrimBoxBottom));
    RepaintOverlay(state);
}

void DefaultTrimRegion(ControlState& state)
{
    const engine::ImageViewer* viewer = state.mtMain;
    if (viewer == nullptr || !viewer->hasImage())
        return;
    const double wv = viewer->width();
    const double hv = viewer->height();
    const double w = viewer->image().width();
    const double h = viewer->image().height();
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
    state.m_TrimBoxLeft = float(left);
    state.m_TrimBoxTop = float(top);
    state.m_TrimBoxRight = float(right);
    state.m_TrimBoxBottom = float(bottom);
}

void ForgetTrimRegion(ControlState& state)
{
    state.m_TrimBoxLeft = 0;
    state.m_TrimBoxTop = 0;
    state.m_TrimBoxRight = 0;
    state.m_TrimBoxBottom = 0;
}

void TrimFrameChanged(ControlState& state, const QRectF& frame)
{
    state.m_TrimFrame = frame;
    state.m_TrimBoxLeft = float(frame.left() + kRememberedInset);
    state.m_TrimBoxTop = float(frame.top() + kRememberedInset);
    state.m_TrimBoxRight = float(frame.left() + frame.width() - kRememberedInset);
    state.m_TrimBoxBottom = float(frame.top() + frame.height() - kRememberedInset);
    RepaintOverlay(state);
}

}  // namespace scanvo
