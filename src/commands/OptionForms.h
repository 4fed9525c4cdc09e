#pragma once
// Pieces shared by the option forms of the editing commands: the number box of the control array
// txtValue, its label with the unit, and the checks OK makes before anything is stored.

#include "core/FormDialog.h"

#include <QLineEdit>
#include <QString>

#include <initializer_list>
#include <span>
#include <vector>

class QAbstractButton;
class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;

namespace scanvo {

// Characters a number box of the option forms accepts (with Backspace and Enter).
inline const QString kDigits = QStringLiteral("0123456789");

// A number box: its whole text is selected when it gets the focus, and typed characters outside
// allowed are refused. With ownsEnter, Enter is the box's own (enterPressed) and reaches no
// button of the form; otherwise Enter presses the form's default button as usual.
class ValueBox : public QLineEdit {
    Q_OBJECT
public:
    ValueBox(const QString& name, const QString& allowed, QWidget* parent, bool ownsEnter = false);

signals:
    void enterPressed();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString m_Allowed;
    bool m_OwnsEnter;
};

// The number in a box: its leading number rounded, kept within 0 ... 32767 (the boxes take
// digits only, so a longer number than a setting holds is cut to the largest it can hold).
qint16 BoxValue(const QLineEdit* box);
// A box holding nothing but blanks.
bool IsBlank(const QLineEdit* box);

// The base of the option forms: lblTitle and txtValue arrays, check boxes in frames, and the
// checks of OK, each showing its message and putting the focus where the user must act.
class OptionForm : public FormDialog {
    Q_OBJECT
protected:
    OptionForm(const QString& name, const QString& caption, QWidget* parent);

    // Adds lblTitle(index) "caption<gap>unit" and txtValue(index) as row row of grid.
    ValueBox* AddValue(QGridLayout* grid, int row, int index, const QString& caption, const QString& unit);
    QCheckBox* AddCheck(const QString& arrayName, int index, const QString& caption);
    // A frame with a grid inside, for the boxes of one group.
    QGroupBox* AddFrame(const QString& caption, QGridLayout*& grid);

    // The message box of a failed check (information icon); focus goes to focus when given.
    void Refuse(const QString& message, QWidget* focus = nullptr);
    // Every box filled, else "选项不能为空！　　" and the focus on the first blank one.
    bool RequireFilled(std::initializer_list<int> boxes);
    // At least one box ticked, else "位置不能为空！　　".
    bool RequireTicked(std::span<QCheckBox* const> boxes);

    std::vector<QLabel*> lblTitle;
    std::vector<ValueBox*> txtValue;
};

// Ticks the boxes of a token list and reads them back, in box order.
std::vector<bool> TickedBoxes(std::span<QCheckBox* const> boxes);
void TickBoxes(std::span<QCheckBox* const> boxes, const std::vector<bool>& ticked);

}  // namespace scanvo
