#pragma once
// frmScanPara: the scan settings dialog. It shows where and how the next scan is stored, the six
// scan parameters, the scanner sources to choose from, and stores every Scan setting on OK.

#include "core/DocumentType.h"
#include "core/FormDialog.h"

#include <QString>
#include <QtGlobal>

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSlider;

namespace scanvo {

class Prompter;
namespace scanner {
class ScannerSource;
}

class frmScanPara : public FormDialog {
    Q_OBJECT
public:
    // scanner lists the installed sources; null lists none.
    frmScanPara(Prompter& prompter, scanner::ScannerSource* scanner, QWidget* parent = nullptr);

    // Set before showing: the documents' root, the document's type (-1 to 3) and the file name to
    // show. After OK: the root as edited, the chosen type (list index + 1), the name typed, and the
    // chosen scanner source. SourceName is empty after cancel or when no source is listed.
    QString SaveDir;
    qint16 DocType = DocTypeDetect;
    QString DocName;
    QString SourceName;

    // The controls a caller disables before showing the dialog.
    QComboBox* cboDocType = nullptr;
    QLineEdit* txtDocNameRule = nullptr;
    QLineEdit* txtDocName = nullptr;
    QLineEdit* txtInitValue = nullptr;

    void reject() override;

private slots:
    void cboDocType_Click(int index);
    void cmdSaveDir_Click();
    void cmdImageFormat_Click();

private:
    void LoadForm() override;
    void cmdOK_Click() override;
    void ListSources();
    QGroupBox* BuildDocFrame();
    QGroupBox* BuildParaFrame();

    Prompter& m_Prompter;
    scanner::ScannerSource* m_Scanner;
    QGroupBox* framDoc = nullptr;
    QGroupBox* framPara = nullptr;
    QPushButton* cmdSaveDir = nullptr;
    QPushButton* cmdImageFormat = nullptr;
    std::array<QComboBox*, 6> cmbScanPara{};
    QSlider* sliderBright = nullptr;
    QSlider* sliderContrast = nullptr;
    QCheckBox* chkShowNativeUI = nullptr;
    QLabel* lblTitle = nullptr;
    QListWidget* lstDevices = nullptr;
    QCheckBox* chkShow = nullptr;
};

}  // namespace scanvo
