// The scan settings dialog.
#include "acquisition/frmScanPara.h"

#include "acquisition/AcquisitionTexts.h"
#include "acquisition/ScanParameters.h"
#include "core/FormWidgets.h"
#include "core/IniNumber.h"
#include "core/Prompter.h"
#include "platform/scanner/ScannerSource.h"
#include "saving/frmImageCompressOptions.h"
#include "settings/Settings.h"
#include "settings/frmImageDir.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace scanvo {

namespace {

namespace T = acquisition_texts;

constexpr const char* kDocTypes[] = {QT_TRANSLATE_NOOP("frmScanPara", "多页TIF"),
                                     QT_TRANSLATE_NOOP("frmScanPara", "单页TIF"),
                                     QT_TRANSLATE_NOOP("frmScanPara", "单页JPG")};
constexpr int kSliderMin = -100;
constexpr int kSliderMax = 100;

// A numeric box that takes digits and backspace only.
class DigitLineEdit final : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (RefusedByKeyFilter(*event, QStringLiteral("0123456789")))
            event->ignore();
        else
            QLineEdit::keyPressEvent(event);
    }
};

QSlider* Slider(const QString& name, QWidget* parent)
{
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setObjectName(name);
    slider->setRange(kSliderMin, kSliderMax);
    return slider;
}

void SelectIndex(QComboBox* box, int index)
{
    // A stored value outside the list leaves nothing chosen; OK then keeps the stored value.
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
}

}  // namespace

frmScanPara::frmScanPara(Prompter& prompter, scanner::ScannerSource* scanner, QWidget* parent)
    : FormDialog(QStringLiteral("frmScanPara"), T::kScanParaCaption, parent), m_Prompter(prompter), m_Scanner(scanner)
{
    framDoc = BuildDocFrame();
    framPara = BuildParaFrame();

    lblTitle = new QLabel(T::kDeviceHint, this);
    lblTitle->setObjectName(QStringLiteral("lblTitle0"));
    lblTitle->setWordWrap(true);
    lstDevices = new QListWidget(this);
    lstDevices->setObjectName(QStringLiteral("lstDevices"));
    chkShow = new QCheckBox(T::kShowSetting, this);
    chkShow->setObjectName(QStringLiteral("chkShow"));

    auto* frames = new QHBoxLayout;
    frames->addWidget(framDoc);
    frames->addWidget(framPara);
    auto* main = new QVBoxLayout(this);
    main->addLayout(frames);
    main->addWidget(lblTitle);
    main->addWidget(lstDevices);
    main->addWidget(chkShow);
    main->addLayout(ButtonRow());
}

QGroupBox* frmScanPara::BuildDocFrame()
{
    auto* frame = new QGroupBox(T::kFramDoc, this);
    frame->setObjectName(QStringLiteral("framDoc"));
    cboDocType = new QComboBox(frame);
    cboDocType->setObjectName(QStringLiteral("cboDocType"));
    for (const char* type : kDocTypes)
        cboDocType->addItem(QCoreApplication::translate("frmScanPara", type));
    txtDocNameRule = new CaretAtEndLineEdit(frame);
    txtDocNameRule->setObjectName(QStringLiteral("txtDocNameRule"));
    txtDocName = new CaretAtEndLineEdit(frame);
    txtDocName->setObjectName(QStringLiteral("txtDocName"));
    txtInitValue = new DigitLineEdit(frame);
    txtInitValue->setObjectName(QStringLiteral("txtInitValue"));
    cmdSaveDir = new QPushButton(T::kCmdSaveDir, frame);
    cmdSaveDir->setObjectName(QStringLiteral("cmdSaveDir"));
    cmdImageFormat = new QPushButton(T::kCmdImageFormat, frame);
    cmdImageFormat->setObjectName(QStringLiteral("cmdImageFormat"));

    auto* form = new QFormLayout(frame);
    form->addRow(T::kLblDocType, cboDocType);
    form->addRow(T::kLblDocNameRule, txtDocNameRule);
    form->addRow(T::kLblDocName, txtDocName);
    form->addRow(T::kLblInitValue, txtInitValue);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdSaveDir);
    buttons->addWidget(cmdImageFormat);
    form->addRow(buttons);

    connect(cboDocType, &QComboBox::activated, this, &frmScanPara::cboDocType_Click);
    connect(cmdSaveDir, &QPushButton::clicked, this, &frmScanPara::cmdSaveDir_Click);
    connect(cmdImageFormat, &QPushButton::clicked, this, &frmScanPara::cmdImageFormat_Click);
    return frame;
}

QGroupBox* frmScanPara::BuildParaFrame()
{
    auto* frame = new QGroupBox(T::kFramPara, this);
    frame->setObjectName(QStringLiteral("framPara"));
    auto* layout = new QVBoxLayout(frame);
    const auto parameters = ScanParameters();
    for (std::size_t i = 0; i < parameters.size(); ++i) {
        auto* box = new QComboBox(frame);
        box->setObjectName(QStringLiteral("cmbScanPara%1").arg(i));
        box->setToolTip(QCoreApplication::translate("ScanParameters", parameters[i].toolTip));
        for (const ScanParameterEntry& entry : parameters[i].entries)
            box->addItem(QCoreApplication::translate("ScanParameters", entry.caption));
        cmbScanPara[i] = box;
        layout->addWidget(box);
    }
    sliderBright = Slider(QStringLiteral("sliderBright"), frame);
    sliderContrast = Slider(QStringLiteral("sliderContrast"), frame);
    auto* sliders = new QFormLayout;
    sliders->addRow(T::kBright, sliderBright);
    sliders->addRow(T::kContrast, sliderContrast);
    layout->addLayout(sliders);
    chkShowNativeUI = new QCheckBox(T::kShowNativeUI, frame);
    chkShowNativeUI->setObjectName(QStringLiteral("chkShowNativeUI"));
    layout->addWidget(chkShowNativeUI);
    return frame;
}

void frmScanPara::LoadForm()
{
    const auto& scan = g_Settings.Scan;
    const auto parameters = ScanParameters();
    for (std::size_t i = 0; i < parameters.size(); ++i)
        SelectIndex(cmbScanPara[i], *parameters[i].setting);
    sliderBright->setValue(scan.Bright);
    sliderContrast->setValue(scan.Contrast);
    chkShowNativeUI->setChecked(scan.ShowNativeUI != 0);
    chkShow->setChecked(scan.ShowScanSetting != 0);
    SelectIndex(cboDocType, DocType == DocTypeAllImages || DocType == DocTypeDetect ? scan.CurrDocType : DocType - 1);
    txtDocName->setText(DocName);
    if (txtDocName->isEnabled())
        txtDocName->setFocus();
    txtDocNameRule->setText(scan.DocNameRule);
    txtInitValue->setText(QString::number(scan.FileInitValue));
    ListSources();
}

void frmScanPara::ListSources()
{
    cmdOK->setEnabled(false);
    lstDevices->clear();
    if (m_Scanner) {
        // A connection that failed before (no helper, no library) gets one more chance here.
        if (m_Scanner->sourceCount() == 0)
            m_Scanner->start(0, parentWidget());
        const int count = m_Scanner->sourceCount();
        for (int i = 0; i < count; ++i)
            lstDevices->addItem(m_Scanner->sourceName(i));
        const auto found = lstDevices->findItems(m_Scanner->defaultSource(), Qt::MatchExactly);
        if (!found.isEmpty())
            lstDevices->setCurrentItem(found.first());
        else if (count > 0)
            lstDevices->setCurrentRow(0);
    }
    cmdOK->setEnabled(true);
}

void frmScanPara::cboDocType_Click(int index)
{
    // Only a mixed document takes a multi-page file of a name of the user's choice.
    const bool named = DocType == DocTypeAllImages && index == 0;
    txtDocName->setEnabled(named);
    if (named)
        txtDocName->setFocus();
}

void frmScanPara::cmdSaveDir_Click()
{
    frmImageDir dialog(m_Prompter, this);
    dialog.SaveDir = SaveDir;
    if (m_Prompter.runDialog(dialog) == QDialog::Accepted)
        SaveDir = dialog.SaveDir;
    if (SaveDir.isEmpty())
        Inform(this, T::kNoLocalPath, MessageIcon::Information, m_Prompter);
}

void frmScanPara::cmdImageFormat_Click()
{
    frmImageCompressOptions dialog(m_Prompter, this);
    m_Prompter.runDialog(dialog);
}

void frmScanPara::cmdOK_Click()
{
    auto& scan = g_Settings.Scan;
    SourceName = lstDevices->currentItem() ? lstDevices->currentItem()->text() : QString();
    // The name becomes a file of the document directory: separators would lead out of it.
    DocName = txtDocName->text().trimmed();
    DocName.replace(u'/', u'_').replace(u'\\', u'_');
    if (DocName == QLatin1String("..") || DocName == QLatin1String("."))
        DocName.clear();
    if (cboDocType->currentIndex() >= 0)
        DocType = static_cast<qint16>(cboDocType->currentIndex() + 1);

    const auto parameters = ScanParameters();
    for (std::size_t i = 0; i < parameters.size(); ++i) {
        const int index = cmbScanPara[i]->currentIndex();
        StoreSetting(*parameters[i].setting, index >= 0 ? static_cast<qint16>(index) : *parameters[i].setting);
    }
    StoreSetting(scan.Bright, static_cast<qint16>(sliderBright->value()));
    StoreSetting(scan.Contrast, static_cast<qint16>(sliderContrast->value()));
    StoreSetting(scan.ShowNativeUI, static_cast<qint16>(chkShowNativeUI->isChecked() ? 1 : 0));
    StoreSetting(scan.ShowScanSetting, static_cast<qint16>(chkShow->isChecked() ? 1 : 0));
    if (cboDocType->currentIndex() >= 0)
        StoreSetting(scan.CurrDocType, static_cast<qint16>(cboDocType->currentIndex()));
    StoreSetting(scan.DocNameRule, txtDocNameRule->text());
    bool inRange = false;
    const qint32 initValue = IniNumber32(txtInitValue->text(), &inRange);
    StoreSetting(scan.FileInitValue, inRange ? initValue : scan.FileInitValue);
    Accept();
}

void frmScanPara::reject()
{
    SourceName.clear();
    FormDialog::reject();
}

}  // namespace scanvo
