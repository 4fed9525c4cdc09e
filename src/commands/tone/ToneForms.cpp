// The tone dialogs with live preview.
#include "commands/tone/ToneForms.h"

#include "commands/CommandTexts.h"
#include "commands/OptionForms.h"
#include "core/IniNumber.h"
#include "core/Prompter.h"
#include "platform/engine/ImageViewer.h"
#include "platform/engine/ops/Tone.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <cmath>

namespace scanvo {

namespace T = command_texts;
namespace ops = engine::ops;

namespace {

const QString kSignedNumber = QStringLiteral("-0123456789.");
constexpr int kToneLimit = 100;
constexpr int kToneFactor = 10;
constexpr int kBackgroundFactor = 10;
constexpr int kLevelsFactor = 5;
constexpr int kLevelsLowest = 2;

QScrollBar* NewSlider(QWidget* parent, const QString& name, int minimum, int maximum)
{
    auto* slider = new QScrollBar(Qt::Horizontal, parent);
    slider->setObjectName(name);
    slider->setRange(minimum, maximum);
    slider->setSingleStep(1);
    slider->setPageStep(10);
    slider->setMinimumWidth(300);
    return slider;
}

}  // namespace

// ---- ToneAdjustForm

ToneAdjustForm::ToneAdjustForm(const QString& name, const QString& caption, const std::vector<Tone>& tones,
                               QWidget* parent)
    : QDialog(parent)
{
    setObjectName(name);
    setWindowTitle(caption);
    auto* grid = new QGridLayout;
    m_Rows.reserve(tones.size());
    for (const Tone& tone : tones) {
        Row row{tone};
        row.lblPercent = new QLabel(tone.label, this);
        row.lblPercent->setObjectName(QStringLiteral("lblPercent%1").arg(tone.index));
        row.txtPercent = new ValueBox(QStringLiteral("txtPercent%1").arg(tone.index), kSignedNumber, this, true);
        row.txtPercent->setText(QStringLiteral("0"));
        row.txtPercent->setMaximumWidth(60);
        row.sbPercent = NewSlider(this, QStringLiteral("sbPercent%1").arg(tone.index), -kToneLimit, kToneLimit);
        const int line = int(m_Rows.size());
        grid->addWidget(row.lblPercent, line, 0);
        grid->addWidget(row.sbPercent, line, 1);
        grid->addWidget(row.txtPercent, line, 2);
        m_Rows.push_back(row);
    }
    for (Row& row : m_Rows) {
        connect(row.sbPercent, &QScrollBar::valueChanged, this, [this, &row](int value) { sbPercent_Change(row, value); });
        connect(row.sbPercent, &QScrollBar::sliderReleased, this,
                [this, &row] { Preview(row, row.sbPercent->value() * kToneFactor, false); });
        connect(row.txtPercent, &ValueBox::enterPressed, this, [this, &row] { txtPercent_Enter(row); });
    }
    cmdCancel = new QPushButton(T::kClose, this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);
    connect(cmdCancel, &QPushButton::clicked, this, &ToneAdjustForm::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdCancel);
    auto* main = new QVBoxLayout(this);
    main->addLayout(grid);
    main->addLayout(buttons);
}

void ToneAdjustForm::showEvent(QShowEvent* event)
{
    if (!m_Preview.IsActive())
        m_Preview.Start(MainViewer);
    QDialog::showEvent(event);
}

void ToneAdjustForm::Preview(const Row& row, int amount, bool quick)
{
    if (!m_Preview.IsActive())
        m_Preview.Start(MainViewer);
    const ToneEdit edit = row.tone.edit;
    TonePreview::Edit change = [edit, amount](engine::Image& page) { edit(page, amount); };
    if (quick) {
        m_Preview.ShowQuick(change);
        m_Pending = std::move(change);
    } else {
        m_Preview.ShowFull(change);
        m_Pending.reset();
    }
}

void ToneAdjustForm::sbPercent_Change(Row& row, int value)
{
    row.txtPercent->setText(QString::number(value));
    Preview(row, value * kToneFactor, row.sbPercent->isSliderDown());
}

void ToneAdjustForm::txtPercent_Enter(Row& row)
{
    const double value = LeadingNumber(row.txtPercent->text());
    if (value > kToneLimit || value < -kToneLimit) {
        Inform(this, T::kToneRange);
        return;
    }
    Preview(row, int(std::lround(value * kToneFactor)), false);
    const QSignalBlocker quiet(row.sbPercent);
    row.sbPercent->setValue(int(std::lround(value)));
}

void ToneAdjustForm::reject()
{
    // The dialog closes on the last preview, made on the whole page.
    if (m_Pending)
        m_Preview.ShowFull(*m_Pending);
    m_Pending.reset();
    m_Preview.Clear();
    QDialog::reject();
}

frmImageAdjust::frmImageAdjust(QWidget* parent)
    : ToneAdjustForm(QStringLiteral("frmImageAdjust"), T::kImageAdjustCaption,
                     {{0, T::kBrightLabel, ops::AdjustBrightness}, {1, T::kContrastLabel, ops::AdjustContrast}}, parent)
{
}

frmSaturation::frmSaturation(QWidget* parent)
    : ToneAdjustForm(QStringLiteral("frmSaturation"), T::kSaturationCaption,
                     {{2, T::kSaturationLabel, ops::AdjustSaturation}}, parent)
{
}

// ---- frmBackgroundSubtraction

frmBackgroundSubtraction::frmBackgroundSubtraction(QWidget* parent)
    : FormDialog(QStringLiteral("frmBackgroundSubtraction"), QString(), parent)
{
    lblTitle = new QLabel(this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    txtPercent = new ValueBox(QStringLiteral("txtPercent"), kDigits, this, true);
    txtPercent->setMaximumWidth(60);
    sbPercent = NewSlider(this, QStringLiteral("sbPercent"), 0, kToneLimit);
    auto* row = new QHBoxLayout;
    row->addWidget(lblTitle);
    row->addWidget(sbPercent);
    row->addWidget(txtPercent);
    auto* main = new QVBoxLayout(this);
    main->addLayout(row);
    main->addLayout(ButtonRow());
    connect(sbPercent, &QScrollBar::valueChanged, this, &frmBackgroundSubtraction::sbPercent_Change);
    connect(sbPercent, &QScrollBar::sliderReleased, this, [this] { Preview(sbPercent->value(), false); });
    connect(txtPercent, &ValueBox::enterPressed, this, &frmBackgroundSubtraction::txtPercent_Enter);
}

int frmBackgroundSubtraction::Lowest() const
{
    return Flag == 2 ? kLevelsLowest : 0;
}

void frmBackgroundSubtraction::LoadForm()
{
    const bool levels = Flag == 2;
    setWindowTitle(levels ? T::kLevelsCaption : T::kBackgroundCaption);
    lblTitle->setText(levels ? T::kLevelsLabel : T::kBackgroundLabel);
    txtPercent->setText(levels ? QStringLiteral("20") : QStringLiteral("0"));
    m_Preview.Start(MainViewer);
}

void frmBackgroundSubtraction::showEvent(QShowEvent* event)
{
    FormDialog::showEvent(event);
    if (m_Activated)
        return;
    m_Activated = true;
    // The slider takes the opening value, and the page shows it at once.
    const int value = int(LeadingNumber(txtPercent->text()));
    {
        const QSignalBlocker quiet(sbPercent);
        sbPercent->setValue(value);
    }
    sbPercent_Change(sbPercent->value());
}

void frmBackgroundSubtraction::Preview(int value, bool quick)
{
    const bool levels = Flag == 2;
    const int amount = value * (levels ? kLevelsFactor : kBackgroundFactor);
    TonePreview::Edit change = [levels, amount](engine::Image& page) {
        if (levels)
            ops::AutoLevels(page, amount);
        else
            ops::RemoveBackground(page, amount);
    };
    if (quick) {
        m_Preview.ShowQuick(change);
        m_Pending = std::move(change);
    } else {
        m_Preview.ShowFull(change);
        m_Pending.reset();
    }
}

void frmBackgroundSubtraction::sbPercent_Change(int value)
{
    if (value < Lowest()) {
        sbPercent->setValue(Lowest());  // runs this again with the lowest value
        return;
    }
    txtPercent->setText(QString::number(value));
    Preview(value, sbPercent->isSliderDown());
}

void frmBackgroundSubtraction::txtPercent_Enter()
{
    const double value = LeadingNumber(txtPercent->text());
    if (value > kToneLimit || value < Lowest()) {
        Inform(this, Flag == 2 ? T::kLevelsRange : T::kBackgroundRange);
        return;
    }
    const int slider = int(std::lround(value));
    if (sbPercent->value() == slider)
        sbPercent_Change(slider);  // the slider does not move, so it would not preview
    else
        sbPercent->setValue(slider);
}

void frmBackgroundSubtraction::cmdOK_Click()
{
    if (m_Pending)
        m_Preview.ShowFull(*m_Pending);
    m_Pending.reset();
    m_Preview.Clear();
    Accept();
}

void frmBackgroundSubtraction::reject()
{
    m_Pending.reset();
    m_Preview.Restore();
    m_Preview.Clear();
    FormDialog::reject();
}

}  // namespace scanvo
