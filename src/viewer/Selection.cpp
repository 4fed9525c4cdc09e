// The selection region.
#include "viewer/Selection.h"

#include "platform/engine/ImageViewer.h"

#include <QWidget>

namespace scanvo {

bool HasRegion(const ControlState& state)
{
    return state.widgets.mtMain && state.widgets.mtMain->hasImage() && !state.view.m_Selection.isEmpty();
}

void SetSelection(ControlState& state, const QRect& rect)
{
    QRect clipped;
    if (state.widgets.mtMain && state.widgets.mtMain->hasImage()) {
        clipped = rect.normalized() & QRect(QPoint(0, 0), state.widgets.mtMain->pageSize());
    }
    state.view.m_Selection = clipped;
    RepaintOverlay(state.widgets);
}

void RemoveSelection(ControlState& state)
{
    SetSelection(state, QRect());
}

void RepaintOverlay(ChildWidgets& widgets)
{
    if (widgets.overlay)
        widgets.overlay->update();
}

}  // namespace scanvo
