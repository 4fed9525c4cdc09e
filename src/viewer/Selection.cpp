// The selection region.
#include "viewer/Selection.h"

#include "platform/engine/ImageViewer.h"

#include <QWidget>

namespace scanvo {

bool HasRegion(const ViewerState& view, const ChildWidgets& widgets)
{
    return widgets.mtMain->hasImage() && !view.m_Selection.isEmpty();
}

void SetSelection(ViewerState& view, ChildWidgets& widgets, const QRect& rect)
{
    QRect clipped;
    if (widgets.mtMain->hasImage()) {
        clipped = rect.normalized() & QRect(QPoint(0, 0), widgets.mtMain->pageSize());
    }
    view.m_Selection = clipped;
    RepaintOverlay(widgets);
}

void RemoveSelection(ViewerState& view, ChildWidgets& widgets)
{
    SetSelection(view, widgets, QRect());
}

void RepaintOverlay(ChildWidgets& widgets)
{
    widgets.overlay->update();
}

}  // namespace scanvo
