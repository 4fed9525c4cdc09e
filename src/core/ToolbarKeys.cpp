// Toolbar buttons by key.
#include "core/ToolbarKeys.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>

namespace scanvo {

QAction* FindToolbarAction(QToolBar* toolbar, const QString& key)
{
    if (!toolbar || key.isEmpty())
        return nullptr;
    const QList<QAction*> buttons = toolbar->actions();
    for (QAction* action : buttons) {
        if (action->objectName() == key)
            return action;
    }
    for (QAction* action : buttons) {
        if (QMenu* menu = action->menu()) {
            const QList<QAction*> items = menu->actions();
            for (QAction* item : items) {
                if (item->objectName() == key)
                    return item;
            }
        }
    }
    return nullptr;
}

void EnableToolbarKey(QToolBar* toolbar, const QString& key, bool enabled)
{
    if (QAction* action = FindToolbarAction(toolbar, key))
        action->setEnabled(enabled);
}

bool ClickToolbarKey(QToolBar* toolbar, const QString& key)
{
    QAction* action = FindToolbarAction(toolbar, key);
    if (action == nullptr || !action->isEnabled())
        return false;
    action->trigger();
    return true;
}

}  // namespace scanvo
