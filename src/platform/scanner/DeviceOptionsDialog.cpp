#include "platform/scanner/DeviceOptionsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>
#include <limits>

namespace scanvo::scanner {

namespace {

constexpr int kFixedDecimals = 4;  // SANE fixed values carry 16 fraction bits
constexpr double kFixedLimit = 32767.9999;
// Devices list dozens of options; the dialog opens large enough to show a good part of them.
constexpr int kMinimumWidth = 480;
constexpr int kMinimumHeight = 560;

QString UnitSuffix(OptionUnit unit)
{
    switch (unit) {
    case OptionUnit::Pixel:
        return QStringLiteral(" px");
    case OptionUnit::Bit:
        return QStringLiteral(" bit");
    case OptionUnit::Mm:
        return QStringLiteral(" mm");
    case OptionUnit::Dpi:
        return QStringLiteral(" dpi");
    case OptionUnit::Percent:
        return QStringLiteral(" %");
    case OptionUnit::Microsecond:
        return QStringLiteral(" µs");
    case OptionUnit::None:
        break;
    }
    return {};
}

bool SameValue(const QVariant& a, const QVariant& b)
{
    if (a.typeId() == QMetaType::Double && b.typeId() == QMetaType::Double)
        return std::abs(a.toDouble() - b.toDouble()) < 1e-6;
    return a == b;
}

}  // namespace

DeviceOptionsDialog::DeviceOptionsDialog(const QList<DeviceOption>& options, const QString& deviceName, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmDeviceOptions"));
    setWindowTitle(deviceName);
    setModal(true);

    auto* content = new QWidget;
    auto* contentLayout = new QVBoxLayout(content);
    QFormLayout* form = nullptr;
    QGroupBox* group = nullptr;
    auto closeGroup = [&] {
        // A group without a single writable option is left out.
        if (group && form && form->rowCount() == 0)
            delete group;
        group = nullptr;
        form = nullptr;
    };

    for (const DeviceOption& option : options) {
        if (option.type == OptionType::Group) {
            closeGroup();
            group = new QGroupBox(option.title, content);
            form = new QFormLayout(group);
            contentLayout->addWidget(group);
            continue;
        }
        if (!option.isWritableScalar() || option.name.isEmpty())
            continue;
        QWidget* editor = createEditor(option);
        if (!editor)
            continue;
        if (!form) {
            group = new QGroupBox(content);
            form = new QFormLayout(group);
            contentLayout->addWidget(group);
        }
        editor->setObjectName(option.name);
        editor->setToolTip(option.description);
        if (option.type == OptionType::Bool)
            form->addRow(editor);
        else
            form->addRow(option.title, editor);
        m_editors.append({option, editor});
    }
    closeGroup();
    contentLayout->addStretch();

    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->setObjectName(QStringLiteral("buttons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll);
    layout->addWidget(buttons);
    resize(sizeHint().expandedTo(QSize(kMinimumWidth, kMinimumHeight)));
}

QWidget* DeviceOptionsDialog::createEditor(const DeviceOption& option)
{
    switch (option.type) {
    case OptionType::Bool: {
        auto* box = new QCheckBox(option.title);
        box->setChecked(option.value.toBool());
        return box;
    }
    case OptionType::Int:
    case OptionType::Fixed:
        if (option.constraint == OptionConstraint::WordList) {
            auto* box = new QComboBox;
            for (double word : option.words) {
                box->addItem(QString::number(word) + UnitSuffix(option.unit), word);
                if (option.value.isValid() && std::abs(word - option.value.toDouble()) < 1e-6)
                    box->setCurrentIndex(box->count() - 1);
            }
            return box;
        }
        if (option.type == OptionType::Int) {
            auto* box = new QSpinBox;
            const bool ranged = option.constraint == OptionConstraint::Range;
            box->setRange(ranged ? int(option.min) : std::numeric_limits<int>::min(),
                          ranged ? int(option.max) : std::numeric_limits<int>::max());
            if (ranged && option.quant >= 1)
                box->setSingleStep(int(option.quant));
            box->setSuffix(UnitSuffix(option.unit));
            box->setValue(int(std::lround(option.value.toDouble())));
            return box;
        } else {
            auto* box = new QDoubleSpinBox;
            box->setDecimals(kFixedDecimals);
            const bool ranged = option.constraint == OptionConstraint::Range;
            box->setRange(ranged ? option.min : -kFixedLimit - 1, ranged ? option.max : kFixedLimit);
            if (ranged && option.quant > 0)
                box->setSingleStep(option.quant);
            box->setSuffix(UnitSuffix(option.unit));
            box->setValue(option.value.toDouble());
            return box;
        }
    case OptionType::String:
        if (option.constraint == OptionConstraint::StringList) {
            auto* box = new QComboBox;
            box->addItems(option.strings);
            box->setCurrentIndex(std::max(0, int(option.strings.indexOf(option.value.toString()))));
            return box;
        } else {
            return new QLineEdit(option.value.toString());
        }
    case OptionType::Button:
    case OptionType::Group:
        break;
    }
    return nullptr;
}

QVariant DeviceOptionsDialog::editorValue(const Editor& editor)
{
    if (auto* box = qobject_cast<QCheckBox*>(editor.widget))
        return box->isChecked();
    if (auto* box = qobject_cast<QSpinBox*>(editor.widget))
        return double(box->value());
    if (auto* box = qobject_cast<QDoubleSpinBox*>(editor.widget))
        return box->value();
    if (auto* box = qobject_cast<QComboBox*>(editor.widget))
        return editor.option.isNumeric() ? box->currentData() : QVariant(box->currentText());
    if (auto* edit = qobject_cast<QLineEdit*>(editor.widget))
        return edit->text();
    return {};
}

QList<QPair<QString, QVariant>> DeviceOptionsDialog::changedValues() const
{
    QList<QPair<QString, QVariant>> changed;
    for (const Editor& editor : m_editors) {
        const QVariant value = editorValue(editor);
        if (value.isValid() && !SameValue(value, editor.option.value))
            changed.append({editor.option.name, value});
    }
    return changed;
}

}  // namespace scanvo::scanner
