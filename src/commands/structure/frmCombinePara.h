#pragma once
// The page-uniting dialog: the two pages to unite, the place the united page goes after, and
// whether they stand side by side or one above the other. OK closes only with a first page below
// the last and a second page and place within the document; otherwise it stays open without a
// word. Cancel gives zeros.

#include "core/FormDialog.h"

#include <QtGlobal>

class QComboBox;

namespace scanvo {

class frmCombinePara : public FormDialog {
    Q_OBJECT
public:
    explicit frmCombinePara(QWidget* parent = nullptr);

    // Inputs.
    qint16 PageCount = 0;
    qint16 CurrentPage = 0;
    // Results after OK; all 0 after cancel. Orientation 1 left-right, 2 top-bottom.
    qint16 FirstPage = 0;
    qint16 SecondPage = 0;
    qint16 InsertPage = 0;
    qint16 Orientation = 0;

    void reject() override;

private:
    void LoadForm() override;
    void cmdOK_Click() override;

    QComboBox* cboFirstPage = nullptr;
    QComboBox* cboSecondPage = nullptr;
    QComboBox* cboInsertPage = nullptr;
    QComboBox* cboOrientation = nullptr;
};

}  // namespace scanvo
