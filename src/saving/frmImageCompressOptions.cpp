// Compression options dialog.
#include "saving/frmImageCompressOptions.h"

#include "core/FormWidgets.h"
#include "core/IniNumber.h"
#include "core/Prompter.h"
#include "saving/SavingTexts.h"
#include "settings/Settings.h"

#include <QCoreApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cmath>
#include <iterator>

namespace scanvo {

namespace {

namespace T = saving_texts;

constexpr int kCustomQuality = 3;
constexpr int kMinQuality = 1;
constexpr int kMaxQuality = 100;

void SelectOption(QButtonGroup* group, qint16 index)
{
    if (QAbstractButton* button = group->button(index))
        button->setChecked(true);
}

// The selected option's index, or the stored value when none is selected.
qint16 SelectedOption(const QButtonGroup* group, qint16 stored)
{
    const int id = group->checkedId();
    return id < 0 ? stored : static_cast<qint16>(id);
}

QWidget* Page(std::initializer_list<QWidget*> frames)
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    for (QWidget* frame : frames)
        layout->addWidget(frame);
    layout->addStretch();
    return page;
}

}  // namespace

frmImageCompressOptions::frmImageCompressOptions(Prompter& prompter, QWidget* parent)
    : FormDialog(QStringLiteral("frmImageCompressOptions"), T::kCompressCaption, parent), m_Prompter(prompter)
{
    m_Tif2Quality.customValue = &g_Settings.Save.Tif2QualityValue;
    m_JpgQuality.customValue = &g_Settings.Save.JpgQualityValue;

    QGroupBox* tif1 = BuildCompressFrame(0, QStringLiteral("optTif1Compress"), T::kTif1CompressOptions,
                                         int(std::size(T::kTif1CompressOptions)), &optTif1Compress);
    QGroupBox* tif2 = BuildCompressFrame(1, QStringLiteral("optTif2Compress"), T::kTif2CompressOptions,
                                         int(std::size(T::kTif2CompressOptions)), &optTif2Compress);
    QGroupBox* tif2Quality = BuildQualityFrame(0, QStringLiteral("optTif2Quality"), QStringLiteral("txtQuality1"),
                                               m_Tif2Quality);
    QGroupBox* jpg = BuildCompressFrame(2, QStringLiteral("optJpgCompress"), T::kJpgCompressOptions,
                                        int(std::size(T::kJpgCompressOptions)), &optJpgCompress);
    QGroupBox* jpgQuality = BuildQualityFrame(1, QStringLiteral("optJpgQuality"), QStringLiteral("txtQuality2"),
                                              m_JpgQuality);

    stabFileType = new QTabWidget(this);
    stabFileType->setObjectName(QStringLiteral("stabFileType"));
    stabFileType->addTab(Page({tif1}), T::kTabTif1);
    stabFileType->addTab(Page({tif2, tif2Quality}), T::kTabTif2);
    stabFileType->addTab(Page({jpg, jpgQuality}), T::kTabJpg);
    // A tab widget asks for no more width than its pages need, and its bar then hides a tab
    // behind scroll arrows; the three tabs must all be in view.
    stabFileType->setUsesScrollButtons(false);
    stabFileType->tabBar()->setElideMode(Qt::ElideNone);

    auto* main = new QVBoxLayout(this);
    main->addWidget(stabFileType);
    main->addLayout(ButtonRow());

    LoadOnce();
}

QButtonGroup* frmImageCompressOptions::BuildOptions(QGroupBox* frame, const QString& name,
                                                    const char* const* captions, int count)
{
    auto* group = new QButtonGroup(this);
    group->setObjectName(name);
    auto* layout = new QVBoxLayout(frame);
    for (int i = 0; i < count; ++i) {
        auto* option = new QRadioButton(QCoreApplication::translate("SavingTexts", captions[i]), frame);
        option->setObjectName(name + QString::number(i));
        group->addButton(option, i);
        layout->addWidget(option);
    }
    return group;
}

QGroupBox* frmImageCompressOptions::BuildCompressFrame(int index, const QString& name, const char* const* captions,
                                                       int count, QButtonGroup** group)
{
    auto* frame = new QGroupBox(T::kCompressFrame);
    frame->setObjectName(QStringLiteral("framImageCompress%1").arg(index));
    *group = BuildOptions(frame, name, captions, count);
    return frame;
}

QGroupBox* frmImageCompressOptions::BuildQualityFrame(int index, const QString& name, const QString& textName,
                                                      QualityGroup& group)
{
    auto* frame = new QGroupBox(T::kQualityFrame);
    frame->setObjectName(QStringLiteral("framImageQuality%1").arg(index));
    group.options = BuildOptions(frame, name, T::kQualityOptions, int(std::size(T::kQualityOptions)));
    group.text = new CaretAtEndLineEdit(frame);
    group.text->setObjectName(textName);
    group.text->setEnabled(false);
    frame->layout()->addWidget(group.text);
    connect(group.options, &QButtonGroup::idClicked, this, [this, &group](int id) { OnQualityOption(group, id); });
    connect(group.text, &QLineEdit::textEdited, this, &frmImageCompressOptions::OnQualityEdited);
    return frame;
}

void frmImageCompressOptions::LoadForm()
{
    const auto& save = g_Settings.Save;
    SelectOption(optTif1Compress, save.Tif1Compress);
    SelectOption(optTif2Compress, save.Tif2Compress);
    SelectOption(optJpgCompress, save.JpgCompress);
    SelectOption(m_Tif2Quality.options, save.Tif2Quality);
    SelectOption(m_JpgQuality.options, save.JpgQuality);
    // Selecting a quality option has the effect of clicking it: the box follows the choice.
    OnQualityOption(m_Tif2Quality, save.Tif2Quality);
    OnQualityOption(m_JpgQuality, save.JpgQuality);
}

void frmImageCompressOptions::OnQualityOption(QualityGroup& group, int index)
{
    if (index != kCustomQuality) {
        group.text->setEnabled(false);
        return;
    }
    group.text->setEnabled(true);
    group.text->setText(QString::number(*group.customValue));
    // A box on a tab that is not shown cannot take the focus; that is fine.
    group.text->setFocus();
}

void frmImageCompressOptions::OnQualityEdited(const QString& text)
{
    const double value = LeadingNumber(text);
    if (value < kMinQuality || value > kMaxQuality)
        Inform(this, T::kQualityRange, MessageIcon::Information, m_Prompter);
}

void frmImageCompressOptions::cmdOK_Click()
{
    auto& save = g_Settings.Save;
    auto customValue = [](const QualityGroup& group) {
        if (group.options->checkedId() != kCustomQuality)
            return *group.customValue;
        // The user was warned about a value outside 1..100 while typing it; storing it would make
        // the next load of the settings reject it, so the previous custom value stays.
        bool inRange = false;
        const qint16 typed = IniNumber16(group.text->text(), &inRange);
        return inRange && typed >= kMinQuality && typed <= kMaxQuality ? typed : *group.customValue;
    };
    const qint16 tif2Value = customValue(m_Tif2Quality);
    const qint16 jpgValue = customValue(m_JpgQuality);

    StoreSetting(save.Tif1Compress, SelectedOption(optTif1Compress, save.Tif1Compress));
    StoreSetting(save.Tif2Compress, SelectedOption(optTif2Compress, save.Tif2Compress));
    StoreSetting(save.Tif2Quality, SelectedOption(m_Tif2Quality.options, save.Tif2Quality));
    StoreSetting(save.Tif2QualityValue, tif2Value);
    StoreSetting(save.JpgCompress, SelectedOption(optJpgCompress, save.JpgCompress));
    StoreSetting(save.JpgQuality, SelectedOption(m_JpgQuality.options, save.JpgQuality));
    StoreSetting(save.JpgQualityValue, jpgValue);
    Accept();
}

void ShowCompressOptions(ControlState& state)
{
    Prompter& prompter = CurrentPrompter();
    frmImageCompressOptions dialog(prompter, state.widgets.control);
    prompter.runDialog(dialog);
}

}  // namespace scanvo
