#pragma once
// Save-directory dialog: asks for the root directory of all documents, creates it and stores it as
// Scan.SaveDir.

#include <QDialog>
#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace scanvo {

class Prompter;

class frmImageDir : public QDialog {
    Q_OBJECT
public:
    explicit frmImageDir(Prompter& prompter, QWidget* parent = nullptr);

    // Set by the caller before the dialog is shown; after OK the directory chosen, after cancel
    // the caller's value again.
    QString SaveDir;

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void cmdDirectory_Click();
    void cmdOK_Click();

private:
    void LoadForm();

    Prompter& m_Prompter;
    bool m_Loaded = false;
    QString m_CallerSaveDir;
    QGroupBox* framImageDir = nullptr;
    QLineEdit* txtDirectory = nullptr;
    QPushButton* cmdDirectory = nullptr;
    QLabel* lblTitle = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
};

}  // namespace scanvo
