// Display options dialog.
#include "settings/frmViewOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "settings/Settings.h"
#include "settings/SettingsTexts.h"

namespace scanvo {

namespace T = settings_texts;

namespace {

QComboBox* AddCombo(QGroupBox* frame, QGridLayout* grid, const QString& name, const QString& label,
                    const QStringList& items)
{
    auto* caption = new QLabel(label, frame);
    caption->setObjectName(QStringLiteral("lbl") + name.mid(3));
    auto* combo = new QComboBox(frame);
    combo->setObjectName(name);
    combo->addItems(items);
    caption->setBuddy(combo);
    const int row = grid->rowCount();
    grid->addWidget(caption, row, 0);
    grid->addWidget(combo, row, 1);
    return combo;
}

// A combo box left without a selection (the stored value matched no item) keeps the stored value.
qint16 ChosenValue(const QComboBox* combo, int offset, qint16 stored)
{
    return combo->currentIndex() < 0 ? stored : qint16(combo->currentIndex() + offset);
}

}  // namespace

frmViewOptions::frmViewOptions(Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_Prompter(prompter)
{
    setObjectName(QStringLiteral("frmViewOptions"));
    setWindowTitle(T::kViewOptionsCaption);

    framUILayout = new QGroupBox(T::kUILayoutFrame, this);
    framUILayout->setObjectName(QStringLiteral("framUILayout"));
    auto* layoutGrid = new QGridLayout(framUILayout);
    cboImagingBarAlign = AddCombo(framUILayout, layoutGrid, QStringLiteral("cboImagingBarAlign"),
                                  T::kImagingBarAlignLabel, {T::kSideTop, T::kSideLeft, T::kSideRight});
    cboScanBarAlign = AddCombo(framUILayout, layoutGrid, QStringLiteral("cboScanBarAlign"),
                               T::kScanBarAlignLabel, {T::kSideLeft, T::kSideRight});
    chkImagingButtonCaption = new QCheckBox(T::kImagingButtonCaptionCheck, framUILayout);
    chkImagingButtonCaption->setObjectName(QStringLiteral("chkImagingButtonCaption"));
    layoutGrid->addWidget(chkImagingButtonCaption, layoutGrid->rowCount(), 0, 1, 2);

    framImageFitStyle = new QGroupBox(T::kImageFitStyleFrame, this);
    framImageFitStyle->setObjectName(QStringLiteral("framImageFitStyle"));
    auto* fitGrid = new QGridLayout(framImageFitStyle);
    cboImageFitStyle = AddCombo(framImageFitStyle, fitGrid, QStringLiteral("cboImageFitStyle"),
                                T::kImageFitStyleLabel,
                                {T::kFitActualSize, T::kFitWindow, T::kFitWidth, T::kFitHeight});

    cmdOK = new QPushButton(T::kOK, this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(T::kCancel, this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cmdOK, &QPushButton::clicked, this, &frmViewOptions::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmViewOptions::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* main = new QVBoxLayout(this);
    main->addWidget(framUILayout);
    main->addWidget(framImageFitStyle);
    main->addLayout(buttons);

    LoadForm();
}

void frmViewOptions::LoadForm()
{
    const auto& layout = g_Settings.Layout;
    cboImageFitStyle->setCurrentIndex(g_Settings.Common.ImageFitStyle);
    cboScanBarAlign->setCurrentIndex(layout.ScanBarAlign - 1);
    cboImagingBarAlign->setCurrentIndex(layout.ImagingBarAlign - 1);
    chkImagingButtonCaption->setChecked(layout.ImagingButtonCaption != 0);
}

void frmViewOptions::cmdOK_Click()
{
    auto& layout = g_Settings.Layout;
    StoreSetting(g_Settings.Common.ImageFitStyle, ChosenValue(cboImageFitStyle, 0, g_Settings.Common.ImageFitStyle));
    StoreSetting(layout.ScanBarAlign, ChosenValue(cboScanBarAlign, 1, layout.ScanBarAlign));
    StoreSetting(layout.ImagingBarAlign, ChosenValue(cboImagingBarAlign, 1, layout.ImagingBarAlign));
    StoreSetting(layout.ImagingButtonCaption, qint16(chkImagingButtonCaption->isChecked() ? 1 : 0));
    Action = 1;
    accept();
}

void frmViewOptions::reject()
{
    // Cancel, Escape and the window's close button all end here.
    Action = 0;
    QDialog::reject();
}

}  // namespace scanvo
