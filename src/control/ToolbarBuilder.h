#pragma once
// CommandToolBar: a QToolBar built from one toolbar table. Every button and drop-down menu item is
// a QAction whose objectName is its key; the toolbar reports clicks by key, buttons and menu items
// apart, so each toolbar has its own dispatcher and one key may mean different things on two
// toolbars.

#include "control/ToolbarTables.h"

#include <QString>
#include <QToolBar>

class QAction;

namespace scanvo {

class CommandToolBar : public QToolBar {
    Q_OBJECT
public:
    // Builds the toolbar named after the table. With showCaptions false the buttons show only
    // their icons (captions stay on the actions, for menus and tooltips).
    explicit CommandToolBar(const ToolbarTable& table, bool showCaptions = true, QWidget* parent = nullptr);

    const ToolbarTable& table() const { return m_table; }

    void setCaptionsShown(bool shown);
    bool captionsShown() const { return m_captionsShown; }

    // Makes every button fit into room, keeping the buttons' order: steps down from the style in
    // use and full-size icons through smaller icons, captions beside the icons, then icons alone,
    // and keeps the first arrangement that needs no overflow menu (the smallest when none fits).
    void fitInto(QSize room);

signals:
    // A button was clicked; drop-down buttons report their own key, menu-only buttons nothing.
    void buttonClicked(const QString& key);
    // An item of a button's drop-down menu was chosen.
    void menuItemClicked(const QString& key);

private:
    void addRow(const ToolbarRow& row);
    QMenu* buildMenu(const ToolbarRow& row);

    const ToolbarTable& m_table;
    bool m_captionsShown = true;
};

}  // namespace scanvo
