#pragma once
// The page-dividing dialog: the direction of the cut, its position in percent (typed or stepped),
// the page the two parts go after, and whether the divided page goes. A preview of the page shows
// the cut as a line across it. Cancel gives InserPage and Position 0.

#include "core/FormDialog.h"
#include "platform/engine/Image.h"

#include <QtGlobal>

class QCheckBox;
class QComboBox;
class QFrame;
class QLineEdit;
class QSpinBox;

namespace scanvo {

namespace engine {
class ImageViewer;
}

class frmDivideImage : public FormDialog {
    Q_OBJECT
public:
    explicit frmDivideImage(QWidget* parent = nullptr);

    // Inputs: the page to divide is shown in the dialog's own preview.
    qint16 PageCount = 0;
    qint16 CurrentPage = 0;
    void SetPage(engine::Image page);

    // Results after OK. Direction 0 left-right, 1 top-bottom; Delete: the divided page goes.
    qint16 InserPage = 0;
    qint16 Position = 0;
    qint16 Direction = 0;
    bool Delete = false;

    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void LoadForm() override;
    void cmdOK_Click() override;
    void cboDivideDirection_Click(int index);
    void txtDividePosition_Change();
    // Puts linDivide across the painted page at the position in the text box.
    void PlaceDivideLine();

    QComboBox* cboDivideDirection = nullptr;
    QLineEdit* txtDividePosition = nullptr;
    QSpinBox* udIncrent = nullptr;
    QComboBox* cboInsertPage = nullptr;
    QCheckBox* chkDelete = nullptr;
    engine::ImageViewer* mtMain = nullptr;
    QFrame* linDivide = nullptr;
};

}  // namespace scanvo
