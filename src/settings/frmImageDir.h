#pragma once
// Save-directory dialog: asks for the root directory of all documents, creates it and stores it as
// Scan.SaveDir.

#include "core/FormDialog.h"

#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace scanvo {

class Prompter;

class frmImageDir : public FormDialog {
    Q_OBJECT
public:
    explicit frmImageDir(Prompter& prompter, QWidget* parent = nullptr);

    // Set by the caller before the dialog is shown; after OK the directory chosen, after cancel
    // the caller's value again.
    QString SaveDir;

    void reject() override;

private slots:
    void cmdDirectory_Click();

private:
    void cmdOK_Click() override;
    void LoadForm() override;

    Prompter& m_Prompter;
    QString m_CallerSaveDir;
    QGroupBox* framImageDir = nullptr;
    QLineEdit* txtDirectory = nullptr;
    QPushButton* cmdDirectory = nullptr;
    QLabel* lblTitle = nullptr;
};

}  // namespace scanvo
