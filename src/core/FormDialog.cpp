// The base of the OK/Cancel forms.
#include "core/FormDialog.h"

#include "core/CoreTexts.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace scanvo {

FormDialog::FormDialog(const QString& name, const QString& caption, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(name);
    setWindowTitle(caption);
    cmdOK = new QPushButton(core_texts::kOK, this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(core_texts::kCancel, this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &FormDialog::reject);
}

void FormDialog::reject()
{
    Action = 0;
    QDialog::reject();
}

void FormDialog::LoadOnce()
{
    if (m_Loaded)
        return;
    m_Loaded = true;
    LoadForm();
}

void FormDialog::Accept()
{
    Action = 1;
    accept();
}

QLayout* FormDialog::ButtonRow()
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(cmdOK);
    row->addWidget(cmdCancel);
    return row;
}

void FormDialog::showEvent(QShowEvent* event)
{
    LoadOnce();
    QDialog::showEvent(event);
}

}  // namespace scanvo
