// Access to the viewer and to toolbar buttons by key.
#include "viewer/MainViewer.h"

#include "control/ToolbarBuilder.h"
#include "platform/engine/ImageViewer.h"

#include <QAction>
#include <QToolBar>

namespace scanvo {

engine::ImageViewer* MainViewer(const ControlState& state)
{
    return state.mtMain;
}

void EnableToolbarKey(QToolBar* toolbar, const QString& key, bool enabled)
{
    if (toolbar == nullptr)
        return;
    if (QAction* action = FindToolbarAction(toolbar, key))
        action->setEnabled(enabled);
}

bool IsToolbarKeyEnabled(QToolBar* toolbar, const QString& key)
{
    if (toolbar == nullptr)
        return false;
    const QAction* action = FindToolbarAction(toolbar, key);
    return action != nullptr && action->isEnabled();
}

}  // namespace scanvo
