// Key presses seen by one widget.
#include "viewer/KeyPresses.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace scanvo {

KeyPresses::KeyPresses(QWidget* owner) : QObject(owner), m_Owner(owner)
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool KeyPresses::TakePress(int key)
{
    return m_Pressed.remove(key);
}

bool KeyPresses::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        // A press travels from the focus widget up to its window; the window itself (a QWindow)
        // is no widget and says nothing about where the key went.
        const auto* widget = static_cast<const QWidget*>(watched);
        const int key = static_cast<const QKeyEvent*>(event)->key();
        if (widget == m_Owner || m_Owner->isAncestorOf(widget))
            m_Pressed.insert(key);
        else
            m_Pressed.remove(key);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace scanvo
