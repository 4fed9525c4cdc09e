// Key names in tooltips.
#include "control/KeyToolTips.h"

#include "viewer/KeyTable.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>

namespace scanvo {

namespace {

void AddKeys(const ChildWidgets& widgets, const QToolBar* toolbar, QAction* action)
{
    const QStringList keys = KeyNamesFor(widgets, toolbar, action->objectName());
    if (!keys.isEmpty())
        action->setToolTip(ToolTipWithKeys(action->toolTip(), keys));
}

}  // namespace

QString ToolTipWithKeys(const QString& tip, const QStringList& keyNames)
{
    if (keyNames.isEmpty())
        return tip;
    return tip + QStringLiteral(" (") + keyNames.join(QStringLiteral(", ")) + u')';
}

void AddKeysToToolTips(ChildWidgets& widgets)
{
    for (QToolBar* toolbar : {widgets.tbMain, widgets.tbFileNav, widgets.tbFileOperate, widgets.tbCommon, widgets.tbImaging}) {
        if (toolbar == nullptr)
            continue;
        const QList<QAction*> buttons = toolbar->actions();
        for (QAction* button : buttons) {
            AddKeys(widgets, toolbar, button);
            if (const QMenu* menu = button->menu()) {
                const QList<QAction*> items = menu->actions();
                for (QAction* item : items)
                    AddKeys(widgets, toolbar, item);
            }
        }
    }
}

}  // namespace scanvo
