// The editing toolbar's defaults dialog.
#include "commands/edit/frmImageDefault.h"

#include "commands/CommandTexts.h"
#include "core/Prompter.h"
#include "settings/Settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace scanvo {

namespace T = command_texts;

namespace {

QComboBox* AddList(QWidget* form, QGridLayout* grid, QLabel*& title, int index, const QString& name,
                   const QString& caption, const QStringList& items)
{
    title = new QLabel(caption, form);
    title->setObjectName(QStringLiteral("lblTitle%1").arg(index));
    auto* list = new QComboBox(form);
    list->setObjectName(name);
    list->addItems(items);
    title->setBuddy(list);
    grid->addWidget(title, index, 0);
    grid->addWidget(list, index, 1);
    return list;
}

QCheckBox* AddCheck(QWidget* form, QVBoxLayout* layout, const QString& name, const QString& caption)
{
    auto* check = new QCheckBox(caption, form);
    check->setObjectName(name);
    layout->addWidget(check);
    return check;
}

// A list left without a choice (the stored index matched no item) keeps the stored value.
qint16 Chosen(const QComboBox* list, qint16 stored)
{
    return list->currentIndex() < 0 ? stored : qint16(list->currentIndex());
}

}  // namespace

frmImageDefault::frmImageDefault(QWidget* parent)
    : FormDialog(QStringLiteral("frmImageDefault"), T::kImageDefaultCaption, parent)
{
    auto* grid = new QGridLayout;
    cboRotate = AddList(this, grid, lblTitle[0], 0, QStringLiteral("cboRotate"), T::kTitleRotate,
                        {T::kRotateRight, T::kRotateLeft, T::kRotate180, T::kRotateAngle});
    cboDeskew = AddList(this, grid, lblTitle[1], 1, QStringLiteral("cboDeskew"), T::kTitleDeskew,
                        {T::kDeskewAuto, T::kDeskewByLine, T::kDeskewManual});
    cboAlign = AddList(this, grid, lblTitle[2], 2, QStringLiteral("cboAlign"), T::kTitleAlign,
                       {T::kCenterLR, T::kCenterTB, T::kCenterAll, T::kMoveLT});
    cboText = AddList(this, grid, lblTitle[3], 3, QStringLiteral("cboText"), T::kTitleText,
                      {T::kTextDarken, T::kTextLighten, T::kTextSmooth});
    cboSize = AddList(this, grid, lblTitle[4], 4, QStringLiteral("cboSize"), T::kTitleSize,
                      {T::kImageSize, T::kCanvasSize});
    cboAdjust = AddList(this, grid, lblTitle[5], 5, QStringLiteral("cboAdjust"), T::kTitleAdjust,
                        {T::kAdjustBright, T::kAdjustSaturation, T::kAdjustLevels, T::kAdjustBackground});

    auto* main = new QVBoxLayout(this);
    main->addLayout(grid);
    chkCropAutoResize = AddCheck(this, main, QStringLiteral("chkCropAutoResize"), T::kCropAutoResize);
    chkTrimAutoCenter = AddCheck(this, main, QStringLiteral("chkTrimAutoCenter"), T::kTrimAutoCenter);
    main->addLayout(ButtonRow());
    LoadOnce();
}

void frmImageDefault::LoadForm()
{
    const auto& imaging = g_Settings.Imaging;
    // An index no list has (hand-edited) leaves its list without a choice.
    cboRotate->setCurrentIndex(imaging.RotateIndex);
    cboDeskew->setCurrentIndex(imaging.DeskewIndex);
    cboAlign->setCurrentIndex(imaging.AlignIndex);
    cboText->setCurrentIndex(imaging.TextIndex);
    cboSize->setCurrentIndex(imaging.ResizeIndex);
    cboAdjust->setCurrentIndex(imaging.AdjustIndex);
    chkCropAutoResize->setChecked(imaging.CropAutoResize != 0);
    chkTrimAutoCenter->setChecked(imaging.TrimAutoCenter != 0);
}

void frmImageDefault::cmdOK_Click()
{
    auto& imaging = g_Settings.Imaging;
    StoreSetting(imaging.CropAutoResize, qint16(chkCropAutoResize->isChecked() ? 1 : 0));
    StoreSetting(imaging.TrimAutoCenter, qint16(chkTrimAutoCenter->isChecked() ? 1 : 0));
    StoreSetting(imaging.RotateIndex, Chosen(cboRotate, imaging.RotateIndex));
    StoreSetting(imaging.DeskewIndex, Chosen(cboDeskew, imaging.DeskewIndex));
    StoreSetting(imaging.AlignIndex, Chosen(cboAlign, imaging.AlignIndex));
    StoreSetting(imaging.TextIndex, Chosen(cboText, imaging.TextIndex));
    StoreSetting(imaging.ResizeIndex, Chosen(cboSize, imaging.ResizeIndex));
    StoreSetting(imaging.AdjustIndex, Chosen(cboAdjust, imaging.AdjustIndex));
    Accept();
}

void ShowImageDefault(ControlState& state)
{
    frmImageDefault dialog(state.widgets.control);
    CurrentPrompter().runDialog(dialog);
}

}  // namespace scanvo
