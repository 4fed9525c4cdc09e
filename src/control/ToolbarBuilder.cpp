#include "control/ToolbarBuilder.h"

#include "control/ToolbarIcons.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>

namespace scanvo {

namespace {

constexpr int IconSize = 24;

bool HasMenu(ButtonStyle style)
{
    return style == ButtonStyle::DropDown || style == ButtonStyle::CheckDropDown
        || style == ButtonStyle::MenuOnly;
}

bool IsCheckable(ButtonStyle style)
{
    return style == ButtonStyle::Check || style == ButtonStyle::CheckDropDown;
}

}  // namespace

CommandToolBar::CommandToolBar(const ToolbarTable& table, bool showCaptions, QWidget* parent)
    : QToolBar(parent), m_table(table)
{
    setObjectName(QString::fromUtf8(table.name));
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(IconSize, IconSize));
    for (const ToolbarRow& row : table.rows)
        addRow(row);
    setCaptionsShown(showCaptions);
}

void CommandToolBar::setCaptionsShown(bool shown)
{
    m_captionsShown = shown;
    setToolButtonStyle(shown ? m_table.captionStyle : Qt::ToolButtonIconOnly);
}

void CommandToolBar::addRow(const ToolbarRow& row)
{
    if (row.style == ButtonStyle::Separator) {
        addSeparator();
        return;
    }
    const QString key = QString::fromUtf8(row.key);
    auto* action = new QAction(this);
    action->setObjectName(key);
    action->setText(toolbars::TableText(row.caption));
    if (*row.tooltip)
        action->setToolTip(toolbars::TableText(row.tooltip));
    action->setIcon(ToolbarIconFor(row.icon));
    action->setCheckable(IsCheckable(row.style));
    if (row.style == ButtonStyle::Placeholder)
        action->setEnabled(false);
    if (HasMenu(row.style))
        action->setMenu(buildMenu(row));
    if (row.style != ButtonStyle::MenuOnly && row.style != ButtonStyle::Placeholder)
        connect(action, &QAction::triggered, this, [this, key] { emit buttonClicked(key); });
    addAction(action);

    if (auto* button = qobject_cast<QToolButton*>(widgetForAction(action))) {
        button->setObjectName(key + QStringLiteral("Button"));
        if (HasMenu(row.style)) {
            button->setPopupMode(row.style == ButtonStyle::MenuOnly ? QToolButton::InstantPopup
                                                                    : QToolButton::MenuButtonPopup);
        }
    }
}

QMenu* CommandToolBar::buildMenu(const ToolbarRow& row)
{
    auto* menu = new QMenu(this);
    menu->setObjectName(QString::fromUtf8(row.key) + QStringLiteral("Menu"));
    for (const MenuItemRow& item : row.menu) {
        const QString key = QString::fromUtf8(item.key);
        QAction* action = menu->addAction(toolbars::TableText(item.text));
        action->setObjectName(key);
        connect(action, &QAction::triggered, this, [this, key] { emit menuItemClicked(key); });
    }
    return menu;
}

}  // namespace scanvo
