#pragma once
// The canvas-size dialog: a paper size for the sheet the page lies on ("图像原大小", B5, A4, A3,
// or a custom size in millimetres). OK refuses empty sizes, and zero ones for a custom size, with
// a message and stays open; cancel leaves the members as they were.

#include "core/FormDialog.h"

#include <QtGlobal>

class QComboBox;
class QLabel;
class QLineEdit;

namespace scanvo {

class frmResizeCanvas : public FormDialog {
    Q_OBJECT
public:
    explicit frmResizeCanvas(QWidget* parent = nullptr);

    // The list entry chosen: 0 the page's own size, 1 B5, 2 A4, 3 A3, 4 custom. The caller keeps
    // it between uses of the dialog.
    qint16 CanvasIndex = 0;
    // In: the page's size; out after OK: the size chosen, in millimetres (0 and 0 for the page's
    // own size).
    float CanvasWidth = 0;
    float CanvasHeight = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void LoadForm() override;
    void cmdOK_Click() override;
    void cboImageSize_Click(int index);

    QComboBox* cboImageSize = nullptr;
    QLineEdit* txtWidth = nullptr;
    QLineEdit* txtHeight = nullptr;
};

}  // namespace scanvo
