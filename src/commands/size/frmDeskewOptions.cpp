// Rotation options.
#include "commands/size/frmDeskewOptions.h"

#include "commands/CommandTexts.h"
#include "platform/engine/ops/OpFlags.h"
#include "settings/Settings.h"

#include <QRadioButton>
#include <QVBoxLayout>

namespace scanvo {

namespace T = command_texts;

frmDeskewOptions::frmDeskewOptions(QWidget* parent)
    : FormDialog(QStringLiteral("frmDeskewOptions"), T::kDeskewOptionsCaption, parent)
{
    auto* main = new QVBoxLayout(this);
    const QString captions[] = {T::kDeskewOptionEnlarge, T::kDeskewOptionKeepSize};
    for (int i = 0; i < 2; ++i) {
        optDeskewFlag[i] = new QRadioButton(captions[i], this);
        optDeskewFlag[i]->setObjectName(QStringLiteral("optDeskewFlag%1").arg(i));
        main->addWidget(optDeskewFlag[i]);
    }
    main->addLayout(ButtonRow());
    LoadOnce();
}

void frmDeskewOptions::LoadForm()
{
    optDeskewFlag[g_Settings.Imaging.RotateFlag == engine::ops::kRotateEnlarge ? 0 : 1]->setChecked(true);
}

void frmDeskewOptions::cmdOK_Click()
{
    StoreSetting(g_Settings.Imaging.RotateFlag,
                 qint16(optDeskewFlag[0]->isChecked() ? engine::ops::kRotateEnlarge : engine::ops::kRotateKeepSize));
    Accept();
}

}  // namespace scanvo
