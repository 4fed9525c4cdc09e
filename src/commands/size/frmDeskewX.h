#pragma once
// Manual deskew and rotation by any angle: a slider of tenths of a degree (-45 to 45) and a box
// for the angle, each change previewed in the main viewer. OK takes the angle in the box, as
// Enter there would, and keeps its preview on the page; cancel puts the page back as it was when
// the dialog opened.

#include "core/FormDialog.h"
#include "platform/engine/Image.h"

#include <QtGlobal>

class QCheckBox;
class QLabel;
class QLineEdit;
class QScrollBar;

namespace scanvo {

namespace engine {
class ImageViewer;
}

class frmDeskewX : public FormDialog {
    Q_OBJECT
public:
    explicit frmDeskewX(QWidget* parent = nullptr);

    // Inputs: 1 manual deskew, any other value rotation by any angle; the viewer previewed into,
    // whose page the dialog starts from.
    qint16 Flag = 2;
    engine::ImageViewer* MainViewer = nullptr;
    // Results: the angle in hundredths of a degree, and whether the canvas was let grow.
    qint16 DeskewPercent = 0;
    bool Resize = false;

    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void LoadForm() override;
    void cmdOK_Click() override;
    void sbPercent_Change(int value);
    // Enter in txtPercent: an angle within +-45 moves the slider, anything else is refused.
    // False when refused.
    bool txtPercent_Enter();
    void EmptyInstances();

    QLabel* lblPercent = nullptr;
    QLineEdit* txtPercent = nullptr;
    QScrollBar* sbPercent = nullptr;
    QCheckBox* chkResize = nullptr;
    engine::Image mtBack;     // the page as it was when the dialog opened
    engine::Image mtDeskewX;  // the page of the last preview
};

}  // namespace scanvo
