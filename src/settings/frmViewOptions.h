#pragma once
// Display options dialog: toolbar sides, toolbar captions and the page fit style. OK writes the
// four keys at once; the running control picks them up the next time it lays itself out.

#include "core/FormDialog.h"

#include <QtGlobal>

class QCheckBox;
class QComboBox;
class QGroupBox;

namespace scanvo {

class Prompter;

class frmViewOptions : public FormDialog {
    Q_OBJECT
public:
    explicit frmViewOptions(Prompter& prompter, QWidget* parent = nullptr);

private:
    void cmdOK_Click() override;
    void LoadForm() override;

    Prompter& m_Prompter;
    QGroupBox* framUILayout = nullptr;
    QComboBox* cboImagingBarAlign = nullptr;
    QComboBox* cboScanBarAlign = nullptr;
    QCheckBox* chkImagingButtonCaption = nullptr;
    QGroupBox* framImageFitStyle = nullptr;
    QComboBox* cboImageFitStyle = nullptr;
};

}  // namespace scanvo
