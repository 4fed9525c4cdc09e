// Viewer start-up.
#include "viewer/ViewerSetup.h"

#include "core/ToolbarKeys.h"
#include "platform/engine/ImageViewer.h"
#include "settings/Settings.h"

namespace scanvo {

void InitViewer(ViewerState& view, ChildWidgets& widgets)
{
    // The stored style goes in as the paint mode unchanged: a stored 0 is actual size (mode 0),
    // which shows a page at 100 % just as the zoom mode at 100 would.
    widgets.mtMain->setPaintMode(g_Settings.Common.ImageFitStyle);
    SetRegionShape(view, 1);
}

void SetRegionShape(ViewerState& view, int shape)
{
    if (shape >= 1 && shape <= 4)
        view.m_RegionShape = static_cast<qint16>(shape);
}

}  // namespace scanvo
