// Manual deskew and rotation by any angle.
#include "commands/size/frmDeskewX.h"

#include "commands/CommandTexts.h"
#include "core/FormWidgets.h"
#include "core/IniNumber.h"
#include "core/Prompter.h"
#include "platform/engine/ImageViewer.h"
#include "platform/engine/ops/Geometry.h"
#include "platform/engine/ops/OpFlags.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QVBoxLayout>

#include <cmath>

namespace scanvo {

namespace T = command_texts;

namespace {

const QString kAngleCharacters = QStringLiteral("-0123456789.");
constexpr int kSliderLimit = 450;  // tenths of a degree
constexpr double kAngleLimit = 45.0;

// Hundredths of a degree of the angle in degrees, halves to even.
int Hundredths(double degrees)
{
    return static_cast<int>(std::nearbyint(degrees * 100.0));
}

}  // namespace

frmDeskewX::frmDeskewX(QWidget* parent) : FormDialog(QStringLiteral("frmDeskewX"), QString(), parent)
{
    lblPercent = new QLabel(this);
    lblPercent->setObjectName(QStringLiteral("lblPercent"));
    txtPercent = new QLineEdit(this);
    txtPercent->setObjectName(QStringLiteral("txtPercent"));
    txtPercent->installEventFilter(this);
    lblPercent->setBuddy(txtPercent);
    sbPercent = new QScrollBar(Qt::Horizontal, this);
    sbPercent->setObjectName(QStringLiteral("sbPercent"));
    sbPercent->setRange(-kSliderLimit, kSliderLimit);
    sbPercent->setSingleStep(1);
    sbPercent->setPageStep(10);
    sbPercent->setMinimumWidth(360);
    chkResize = new QCheckBox(T::kDeskewXResize, this);
    chkResize->setObjectName(QStringLiteral("chkResize"));

    auto* grid = new QGridLayout;
    grid->addWidget(lblPercent, 0, 0);
    grid->addWidget(txtPercent, 0, 1);
    grid->addWidget(chkResize, 0, 2);
    grid->addWidget(sbPercent, 1, 0, 1, 3);
    auto* main = new QVBoxLayout(this);
    main->addLayout(grid);
    main->addLayout(ButtonRow());
    // The slider previews whoever moves it: the user, or Enter in the box.
    connect(sbPercent, &QScrollBar::valueChanged, this, &frmDeskewX::sbPercent_Change);
}

void frmDeskewX::LoadForm()
{
    const bool manual = Flag == 1;
    setWindowTitle(manual ? T::kDeskewXManualCaption : T::kDeskewXAngleCaption);
    lblPercent->setText(manual ? T::kDeskewXManualLabel : T::kDeskewXAngleLabel);
    DeskewPercent = 0;
    Resize = false;
    chkResize->setChecked(false);
    txtPercent->setText(QStringLiteral("0"));
    {
        const QSignalBlocker quiet(sbPercent);
        sbPercent->setValue(0);
    }
    if (MainViewer && MainViewer->hasImage()) {
        mtBack = MainViewer->image();
        mtDeskewX = mtBack;
    }
}

void frmDeskewX::sbPercent_Change(int value)
{
    txtPercent->setText(QString::number(value / 10.0));
    if (mtBack.isNull() || MainViewer == nullptr)
        return;
    try {
        engine::Image preview = mtBack;
        engine::ops::Rotate(preview, Hundredths(LeadingNumber(txtPercent->text())),
                            chkResize->isChecked() ? engine::ops::kRotateFixedFlags : engine::ops::kRotateKeepSize,
                            engine::ops::kWhite);
        mtDeskewX = preview;
        MainViewer->setImage(std::move(preview));
    } catch (...) {
        // The viewer keeps the last preview that could be made; the number shows the one asked for.
    }
}

bool frmDeskewX::txtPercent_Enter()
{
    const double degrees = LeadingNumber(txtPercent->text());
    if (degrees > kAngleLimit || degrees < -kAngleLimit) {
        Inform(this, T::kDeskewXRange);
        return false;
    }
    sbPercent->setValue(static_cast<int>(std::nearbyint(degrees * 10.0)));
    return true;
}

bool frmDeskewX::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtPercent && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // Enter is the box's own: it must not reach the OK button.
            txtPercent_Enter();
            return true;
        }
        if (RefusedByKeyFilter(*key, kAngleCharacters))
            return true;
    }
    return FormDialog::eventFilter(watched, event);
}

void frmDeskewX::EmptyInstances()
{
    mtBack = engine::Image();
    mtDeskewX = engine::Image();
}

void frmDeskewX::cmdOK_Click()
{
    // The page takes the angle the user sees in the box: a number typed without Enter is
    // previewed first, so the page and the result agree, and one out of range keeps the dialog.
    if (!txtPercent_Enter())
        return;
    DeskewPercent = static_cast<qint16>(sbPercent->value() * 10);
    Resize = chkResize->isChecked();
    EmptyInstances();
    Accept();
}

void frmDeskewX::reject()
{
    DeskewPercent = 0;
    if (MainViewer && !mtBack.isNull())
        MainViewer->setImage(std::move(mtBack));
    EmptyInstances();
    FormDialog::reject();
}

}  // namespace scanvo
