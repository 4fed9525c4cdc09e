#pragma once
// frmBatchRename: chooses the naming rule and first counter value for renaming a list of files,
// showing each file's new name as the rule and start value are typed. The caller sets FileList
// (the file names in order) and DocNameRule, runs the dialog and reads Action (1 after OK),
// DocNameRule and FileNameInit back.

#include "core/FormDialog.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

class QGroupBox;
class QLineEdit;
class QToolButton;
class QTreeWidget;

namespace scanvo {

class frmBatchRename : public FormDialog {
    Q_OBJECT
public:
    explicit frmBatchRename(QWidget* parent = nullptr);

    QStringList FileList;
    QString DocNameRule;
    qint32 FileNameInit = 0;

    // The new name of each row for the rule and start value typed now.
    void Preview();
    // The arrows of udStart: one up, or one down unless the value is 0.
    void udStart_Up();
    void udStart_Down();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void LoadForm() override;
    void cmdOK_Click() override;

    QGroupBox* framPage = nullptr;
    QLineEdit* txtDocNameRule = nullptr;
    QLineEdit* txtStart = nullptr;
    QWidget* udStart = nullptr;
    QTreeWidget* lvwFileList = nullptr;
};

}  // namespace scanvo
