#pragma once
// frmRename: asks for a new name of one file. The caller sets FileName (the name without its
// extension), FilePath (its directory with a trailing separator) and FileExt (the extension
// without its dot), runs the dialog and reads FileName back: the new name, or empty when cancelled.

#include "core/FormDialog.h"

#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;

namespace scanvo {

class frmRename : public FormDialog {
    Q_OBJECT
public:
    explicit frmRename(QWidget* parent = nullptr);

    QString FileName;
    QString FilePath;
    QString FileExt;

    void reject() override;

private:
    void LoadForm() override;
    // Stays open while a file of the typed name exists, the unchanged name included.
    void cmdOK_Click() override;

    QGroupBox* framDirName = nullptr;
    QLabel* lblTitle = nullptr;
    QLineEdit* txtFileName = nullptr;
};

}  // namespace scanvo
