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

#include "core/CoreTexts.h"
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
    : FormDialog(QStringLiteral("frmViewOptions"), T::kViewOptionsCaption, parent), m_Prompter(prompter)
{
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

    auto* main = new QVBoxLayout(this);
    main->addWidget(framUILayout);
    main->addWidget(framImageFitStyle);
    main->addLayout(ButtonRow());

    LoadOnce();
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
    Accept();
}

}  // namespace scanvo
