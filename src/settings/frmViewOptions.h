#pragma once
// Display options dialog: toolbar sides, toolbar captions and the page fit style. OK writes the
// four keys at once; the running control picks them up the next time it lays itself out.

#include <QDialog>
#include <QtGlobal>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;

namespace scanvo {

class Prompter;

class frmViewOptions : public QDialog {
    Q_OBJECT
public:
    explicit frmViewOptions(Prompter& prompter, QWidget* parent = nullptr);

    // 1 after OK, 0 after cancel or closing the window.
    qint16 Action = 0;

    void reject() override;

private slots:
    void cmdOK_Click();

private:
    void LoadForm();

    Prompter& m_Prompter;
    QGroupBox* framUILayout = nullptr;
    QComboBox* cboImagingBarAlign = nullptr;
    QComboBox* cboScanBarAlign = nullptr;
    QCheckBox* chkImagingButtonCaption = nullptr;
    QGroupBox* framImageFitStyle = nullptr;
    QComboBox* cboImageFitStyle = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
};

}  // namespace scanvo
