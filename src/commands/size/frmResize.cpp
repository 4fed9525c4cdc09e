// The image-size dialog.
#include "commands/size/frmResize.h"

#include "commands/DialogKeys.h"
#include "commands/size/SizeTexts.h"
#include "commands/size/SizeUnits.h"
#include "core/IniNumber.h"
#include "core/Prompter.h"

#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace scanvo {

namespace T = size_texts;

namespace {

const QString kDigits = QStringLiteral("0123456789");
// Far beyond any page the engine takes, which refuses it when the command runs.
constexpr double kLargest = 1e9;

long long Rounded(double value)
{
    return RoundHalfEven(std::min(value, kLargest));
}

QLineEdit* NumberBox(QWidget* form, const QString& name)
{
    auto* box = new QLineEdit(form);
    box->setObjectName(name);
    box->installEventFilter(form);
    return box;
}

}  // namespace

frmResize::frmResize(QWidget* parent) : FormDialog(QStringLiteral("frmResize"), T::kResizeCaption, parent)
{
    optBySize = new QRadioButton(T::kBySize, this);
    optBySize->setObjectName(QStringLiteral("optBySize"));
    optByPercent = new QRadioButton(T::kByPercent, this);
    optByPercent->setObjectName(QStringLiteral("optByPercent"));

    auto* grid = new QGridLayout;
    grid->addWidget(optBySize, 0, 0, 1, 3);
    grid->addWidget(optByPercent, 0, 3, 1, 2);
    const QString sideName[2] = {QStringLiteral("Width"), QStringLiteral("Height")};
    const QString sideCaption[2] = {T::kWidth, T::kHeight};
    for (int side = 0; side < 2; ++side) {
        lblSize[side] = new QLabel(sideCaption[side], this);
        lblSize[side]->setObjectName(QStringLiteral("lbl%1").arg(sideName[side]));
        txtSize[side] = NumberBox(this, QStringLiteral("txt") + sideName[side] + u'1');
        cboUnit[side] = new QComboBox(this);
        cboUnit[side]->setObjectName(QStringLiteral("cboUnit%1").arg(side));
        cboUnit[side]->addItems({T::kMillimetres, T::kPixels});
        txtPercent[side] = NumberBox(this, QStringLiteral("txt") + sideName[side] + u'2');
        lblPercent[side] = new QLabel(T::kPercent, this);
        lblSize[side]->setBuddy(txtSize[side]);
        grid->addWidget(lblSize[side], side + 1, 0);
        grid->addWidget(txtSize[side], side + 1, 1);
        grid->addWidget(cboUnit[side], side + 1, 2);
        grid->addWidget(txtPercent[side], side + 1, 3);
        grid->addWidget(lblPercent[side], side + 1, 4);
        connect(cboUnit[side], &QComboBox::currentIndexChanged, this, &frmResize::cboUnit_Click);
        connect(txtSize[side], &QLineEdit::textEdited, this, [this, side] { m_Typed[side] = true; });
    }
    cmdDouble[Width] = new QPushButton(T::kDoubleWidth, this);
    cmdDouble[Width]->setObjectName(QStringLiteral("cmdDouble1"));
    cmdDouble[Height] = new QPushButton(T::kDoubleHeight, this);
    cmdDouble[Height]->setObjectName(QStringLiteral("cmdDouble2"));
    for (QPushButton* button : cmdDouble)
        button->setAutoDefault(false);
    connect(cmdDouble[Width], &QPushButton::clicked, this, [this] { cmdDouble_Click(Width); });
    connect(cmdDouble[Height], &QPushButton::clicked, this, [this] { cmdDouble_Click(Height); });
    grid->addWidget(cmdDouble[Width], 3, 1);
    grid->addWidget(cmdDouble[Height], 3, 3, 1, 2);

    auto* main = new QVBoxLayout(this);
    main->addLayout(grid);
    main->addLayout(ButtonRow());
    connect(optBySize, &QRadioButton::toggled, this, &frmResize::optMode_Click);
}

int frmResize::ResolutionOf(Side side) const
{
    return side == Width ? ResolutionX : ResolutionY;
}

void frmResize::LoadForm()
{
    m_Pixels = {NewWidth, NewHeight};
    m_Typed = {false, false};
    for (QLineEdit* box : txtPercent)
        box->setText(QStringLiteral("100"));
    optBySize->setChecked(true);
    optMode_Click();
    // The fields open in millimetres.
    m_Unit = Millimetres;
    for (int side = 0; side < 2; ++side) {
        const QSignalBlocker quiet(cboUnit[side]);
        cboUnit[side]->setCurrentIndex(Millimetres);
        ShowSize(Side(side));
    }
}

void frmResize::ShowSize(Side side)
{
    const long long pixels = m_Pixels[side];
    const long long shown = m_Unit == Pixels ? pixels : MillimetresShown(int(pixels), ResolutionOf(side));
    txtSize[side]->setText(QString::number(shown));
    m_Typed[side] = false;
}

void frmResize::TakeTypedSize(Side side)
{
    if (!m_Typed[side])
        return;
    const double typed = LeadingNumber(txtSize[side]->text());
    m_Pixels[side] = Rounded(m_Unit == Pixels ? typed : PixelsOfMillimetres(typed, ResolutionOf(side)));
    m_Typed[side] = false;
}

void frmResize::optMode_Click()
{
    const bool bySize = optBySize->isChecked();
    for (int side = 0; side < 2; ++side) {
        txtSize[side]->setEnabled(bySize);
        cboUnit[side]->setEnabled(bySize);
        txtPercent[side]->setEnabled(!bySize);
    }
}

void frmResize::cboUnit_Click(int unit)
{
    for (int side = 0; side < 2; ++side)
        TakeTypedSize(Side(side));
    m_Unit = unit == Pixels ? Pixels : Millimetres;
    for (int side = 0; side < 2; ++side) {
        const QSignalBlocker quiet(cboUnit[side]);
        cboUnit[side]->setCurrentIndex(m_Unit);
        ShowSize(Side(side));
    }
}

void frmResize::cmdDouble_Click(Side side)
{
    if (optBySize->isChecked()) {
        TakeTypedSize(side);
        m_Pixels[side] = Rounded(2.0 * double(m_Pixels[side]));
        ShowSize(side);
    } else {
        txtPercent[side]->setText(QString::number(Rounded(LeadingNumber(txtPercent[side]->text())) * 2));
    }
}

bool frmResize::RequestedSize(Side side, long long& pixels)
{
    const bool bySize = optBySize->isChecked();
    QLineEdit* box = bySize ? txtSize[side] : txtPercent[side];
    const auto refuse = [&](const QString& text) {
        Inform(this, text);
        box->setFocus();
        return false;
    };
    if (box->text().trimmed().isEmpty())
        return refuse(T::kSizeEmpty);
    if (bySize) {
        TakeTypedSize(side);
        pixels = m_Pixels[side];
    } else {
        const long long opened = side == Width ? NewWidth : NewHeight;
        pixels = Rounded(LeadingNumber(box->text()) / 100.0 * double(opened));
    }
    if (pixels <= 0)
        return refuse(T::kSizeZero);
    return true;
}

void frmResize::cmdOK_Click()
{
    long long width = 0, height = 0;
    if (!RequestedSize(Width, width) || !RequestedSize(Height, height))
        return;
    NewWidth = qint32(width);
    NewHeight = qint32(height);
    Accept();
}

bool frmResize::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && qobject_cast<QLineEdit*>(watched)) {
        if (RefusedNumberKey(*static_cast<QKeyEvent*>(event), kDigits))
            return true;
    }
    return FormDialog::eventFilter(watched, event);
}

}  // namespace scanvo
