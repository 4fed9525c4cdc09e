#pragma once
// Small text boxes shared by the control's dialogs.

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

}  // namespace scanvo
