// Event filter behind the number boxes.
#include "core/ComboBoxHooks.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace scanvo {

namespace {

bool IsDropDownKey(const QKeyEvent* key)
{
    if (key->key() == Qt::Key_F4)
        return true;
    return (key->modifiers() & Qt::AltModifier) && (key->key() == Qt::Key_Down || key->key() == Qt::Key_Up);
}

bool IsEnterKey(const QKeyEvent* key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

class ComboBoxHooks final : public QObject {
public:
    ComboBoxHooks(QComboBox* box, ComboBoxHandlers handlers)
        : QObject(box), m_box(box), m_handlers(std::move(handlers))
    {
        box->installEventFilter(this);
        if (QLineEdit* edit = box->lineEdit())
            edit->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::FocusIn:
            // After a click the line edit places its caret once the press is handled, so the
            // selection is made when the event loop comes back.
            QTimer::singleShot(0, m_box, [box = m_box] {
                if (QLineEdit* edit = box->lineEdit())
                    edit->selectAll();
            });
            break;
        case QEvent::MouseButtonPress:
            // Presses on the line edit place the caret; a press on the box itself opens the list.
            if (watched == m_box && m_handlers.dropDown)
                m_handlers.dropDown();
            break;
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (IsDropDownKey(key) && m_handlers.dropDown) {
                m_handlers.dropDown();
            } else if (IsEnterKey(key) && m_handlers.enter) {
                m_handlers.enter();
                return true;
            }
            break;
        }
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QComboBox* m_box;
    ComboBoxHandlers m_handlers;
};

}  // namespace

void InstallComboBoxHandlers(QComboBox* box, ComboBoxHandlers handlers)
{
    box->setInsertPolicy(QComboBox::NoInsert);
    new ComboBoxHooks(box, std::move(handlers));
}

}  // namespace scanvo
