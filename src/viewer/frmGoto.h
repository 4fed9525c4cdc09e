#pragma once
// Page chooser: asks for a page of the current document. The caller sets the public members,
// shows the dialog and reads CurrentPage back; 0 means cancelled.

#include "core/FormDialog.h"

#include <QStringList>
#include <QtGlobal>

class QComboBox;
class QLabel;

namespace scanvo {

class frmGoto : public FormDialog {
    Q_OBJECT
public:
    explicit frmGoto(QWidget* parent = nullptr);

    // Inputs, set before the dialog is shown.
    qint16 DocType = 0;
    qint16 PageCount = 0;
    QStringList FileList;  // the caller's files in order; item n holds page n for types 0, 2 and 3
    // The page offered at first and, after the dialog, the page chosen (0 when cancelled).
    qint16 CurrentPage = 0;

    // The caption and the label around the page box; the page-move command relabels them.
    void SetTexts(const QString& caption, const QString& label);

    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cmdOK_Click() override;
    void LoadForm() override;

    QLabel* lblTitle = nullptr;
    QComboBox* cboPages = nullptr;
};

}  // namespace scanvo
