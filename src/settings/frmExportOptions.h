#pragma once
// Export settings dialog: the languages a searchable export recognises and whether exports are
// PDF/A. OK writes both keys at once.

#include "core/FormDialog.h"

#include <QList>

class QCheckBox;
class QGroupBox;
class QRadioButton;

namespace scanvo {

class frmExportOptions : public FormDialog {
    Q_OBJECT
public:
    explicit frmExportOptions(QWidget* parent = nullptr);

private:
    void cmdOK_Click() override;
    void LoadForm() override;

    QGroupBox* framLanguage = nullptr;
    QList<QRadioButton*> m_LanguageOptions;  // in the order of ExportLanguageChoices()
    QCheckBox* chkPdfA = nullptr;
};

}  // namespace scanvo
