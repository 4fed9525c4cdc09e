#include "control/ToolbarBuilder.h"

#include "control/ToolbarIcons.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>

namespace scanvo {

namespace {

constexpr int IconSize = 24;
// Icon sizes a toolbar steps down through when its buttons do not fit.
constexpr int FitIconSizes[] = {IconSize, 20, 16};
// Across its length a toolbar squeezes buttons this much into their padding without cutting them;
// only along its length does a button that does not fit go into the overflow menu.
constexpr int SqueezeAcross = 2;

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

void CommandToolBar::fitInto(QSize room)
{
    QList<Qt::ToolButtonStyle> styles{toolButtonStyle()};
    for (Qt::ToolButtonStyle smaller : {Qt::ToolButtonTextBesideIcon, Qt::ToolButtonIconOnly}) {
        if (!styles.contains(smaller) && styles.constFirst() != Qt::ToolButtonIconOnly)
            styles.append(smaller);
    }
    const bool vertical = orientation() == Qt::Vertical;
    for (Qt::ToolButtonStyle style : styles) {
        setToolButtonStyle(style);
        for (int size : FitIconSizes) {
            setIconSize(QSize(size, size));
            const QSize needed = sizeHint();
            const int along = vertical ? needed.height() - room.height() : needed.width() - room.width();
            const int across = vertical ? needed.width() - room.width() : needed.height() - room.height();
            if (along <= 0 && across <= SqueezeAcross)
                return;
        }
    }
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
        // A screen reader names the button by its caption, which an icon-only toolbar keeps on the
        // action without showing; buttons without a caption go by their tooltip.
        button->setAccessibleName(action->iconText().isEmpty() ? action->toolTip() : action->iconText());
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
    // Menu items' tooltips name their keys.
    menu->setToolTipsVisible(true);
    for (const MenuItemRow& item : row.menu) {
        const QString key = QString::fromUtf8(item.key);
        QAction* action = menu->addAction(toolbars::TableText(item.text));
        action->setObjectName(key);
        connect(action, &QAction::triggered, this, [this, key] { emit menuItemClicked(key); });
    }
    return menu;
}

}  // namespace scanvo
