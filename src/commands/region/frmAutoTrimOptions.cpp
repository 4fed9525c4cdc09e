// Automatic crop options.
#include "commands/region/frmAutoTrimOptions.h"

#include "commands/CommandTexts.h"
#include "core/IniNumber.h"
#include "platform/engine/ops/OpFlags.h"
#include "settings/Settings.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace scanvo {

namespace T = command_texts;

frmAutoTrimOptions::frmAutoTrimOptions(QWidget* parent)
    : OptionForm(QStringLiteral("frmAutoTrimOptions"), T::kAutoTrimCaption, parent)
{
    auto* grid = new QGridLayout;
    AddValue(grid, 0, 0, T::kAutoTrimLabel, QString());
    // A form with one box names it txtValue, without an index.
    txtValue[0]->setObjectName(QStringLiteral("txtValue"));
    lblTitle[0]->setText(T::kAutoTrimLabel);
    lblTitle[0]->setObjectName(QStringLiteral("lblTitle"));
    auto* main = new QVBoxLayout(this);
    main->addLayout(grid);
    main->addLayout(ButtonRow());
    LoadOnce();
}

void frmAutoTrimOptions::LoadForm()
{
    txtValue[0]->setText(QString::number(g_Settings.Imaging.AutoTrim));
}

void frmAutoTrimOptions::cmdOK_Click()
{
    ValueBox* box = txtValue[0];
    if (box->text().isEmpty()) {
        box->setFocus(Qt::OtherFocusReason);
        return;
    }
    bool fits = false;
    const qint16 value = IniNumber16(box->text(), &fits);
    if (!fits || value < engine::ops::kAutoCropMinTolerance || value > engine::ops::kAutoCropMaxTolerance) {
        Refuse(T::kValueIncorrect);
        return;
    }
    StoreSetting(g_Settings.Imaging.AutoTrim, value);
    Accept();
}

}  // namespace scanvo
