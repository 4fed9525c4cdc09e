#pragma once
// Small text boxes shared by the control's dialogs, and their key filter.

#include "core/Routines.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace scanvo {

// Puts the caret after the last character however the box gets the focus (tabbing in would
// select everything), so typing extends the value instead of replacing it.
class CaretAtEndLineEdit final : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent* event) override
    {
        QLineEdit::focusInEvent(event);
        deselect();
        end(false);
    }
};

// A key pressed in a numeric text box that FilterKey refuses (allowed characters and backspace
// pass). Only typed characters are filtered; arrows and other movement keys pass.
inline bool RefusedByKeyFilter(const QKeyEvent& key, const QString& allowed)
{
    if (key.text().isEmpty())
        return false;
    const int code = key.key() == Qt::Key_Backspace ? 8 : key.text().at(0).unicode();
    return FilterKey(code, allowed, true) == 0;
}

}  // namespace scanvo
