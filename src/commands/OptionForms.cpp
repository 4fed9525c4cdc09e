// Number boxes and checks of the option forms.
#include "commands/OptionForms.h"

#include "commands/CommandTexts.h"
#include "core/FormWidgets.h"
#include "core/IniNumber.h"
#include "core/Prompter.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace scanvo {

namespace T = command_texts;

ValueBox::ValueBox(const QString& name, const QString& allowed, QWidget* parent, bool ownsEnter)
    : QLineEdit(parent), m_Allowed(allowed), m_OwnsEnter(ownsEnter)
{
    setObjectName(name);
}

void ValueBox::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    selectAll();
    // A click that brings the focus places the caret after this; select again once it is done.
    QTimer::singleShot(0, this, &QLineEdit::selectAll);
}

void ValueBox::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && m_OwnsEnter) {
        event->accept();
        emit enterPressed();
        return;
    }
    if (!enter && RefusedByKeyFilter(*event, m_Allowed)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

qint16 BoxValue(const QLineEdit* box)
{
    const double value = std::nearbyint(LeadingNumber(box->text()));
    return static_cast<qint16>(std::clamp(value, 0.0, 32767.0));
}

bool IsBlank(const QLineEdit* box)
{
    return box->text().trimmed().isEmpty();
}

OptionForm::OptionForm(const QString& name, const QString& caption, QWidget* parent)
    : FormDialog(name, caption, parent)
{
}

ValueBox* OptionForm::AddValue(QGridLayout* grid, int row, int index, const QString& caption, const QString& unit)
{
    if (int(txtValue.size()) <= index) {
        txtValue.resize(index + 1, nullptr);
        lblTitle.resize(index + 1, nullptr);
    }
    auto* label = new QLabel(caption + T::kUnitGap + unit, this);
    label->setObjectName(QStringLiteral("lblTitle%1").arg(index));
    auto* box = new ValueBox(QStringLiteral("txtValue%1").arg(index), kDigits, this);
    box->setMaximumWidth(80);
    label->setBuddy(box);
    grid->addWidget(label, row, 0);
    grid->addWidget(box, row, 1);
    lblTitle[index] = label;
    txtValue[index] = box;
    return box;
}

QCheckBox* OptionForm::AddCheck(const QString& arrayName, int index, const QString& caption)
{
    auto* check = new QCheckBox(caption, this);
    check->setObjectName(arrayName + QString::number(index));
    return check;
}

QGroupBox* OptionForm::AddFrame(const QString& caption, QGridLayout*& grid)
{
    auto* frame = new QGroupBox(caption, this);
    grid = new QGridLayout(frame);
    return frame;
}

void OptionForm::Refuse(const QString& message, QWidget* focus)
{
    Inform(this, message);
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
}

bool OptionForm::RequireFilled(std::initializer_list<int> boxes)
{
    for (int index : boxes) {
        if (IsBlank(txtValue[index])) {
            Refuse(T::kRequiredEmpty, txtValue[index]);
            return false;
        }
    }
    return true;
}

bool OptionForm::RequireTicked(std::span<QCheckBox* const> boxes)
{
    if (std::any_of(boxes.begin(), boxes.end(), [](const QCheckBox* box) { return box->isChecked(); }))
        return true;
    Refuse(T::kLocationEmpty);
    return false;
}

std::vector<bool> TickedBoxes(std::span<QCheckBox* const> boxes)
{
    std::vector<bool> ticked;
    for (const QCheckBox* box : boxes)
        ticked.push_back(box->isChecked());
    return ticked;
}

void TickBoxes(std::span<QCheckBox* const> boxes, const std::vector<bool>& ticked)
{
    for (std::size_t i = 0; i < boxes.size() && i < ticked.size(); ++i)
        boxes[i]->setChecked(ticked[i]);
}

}  // namespace scanvo
