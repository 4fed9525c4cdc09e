// The selection region.
#include "viewer/Selection.h"

#include "platform/engine/ImageViewer.h"

#include <QWidget>

namespace scanvo {

bool HasRegion(const ControlState& state)
{
    return state.mtMain && state.mtMain->hasImage() && !state.m_Selection.isEmpty();
}

void SetSelection(ControlState& state, const QRect& rect)
{
    QRect clipped;
    if (state.mtMain && state.mtMain->hasImage()) {
        clipped = rect.normalized() & QRect(QPoint(0, 0), state.mtMain->pageSize());
    }
    state.m_Selection = clipped;
    RepaintOverlay(state);
}

void RemoveSelection(ControlState& state)
{
    SetSelection(state, QRect());
}

void RepaintOverlay(ControlState& state)
{
    if (state.overlay)
        state.overlay->update();
}

}  // namespace scanvo
