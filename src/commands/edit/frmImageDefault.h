#pragma once
// The editing toolbar's defaults: which variant each drop-down button of tbImaging runs when its
// face is clicked, and the two after-effects of crop and clear-outside. OK writes all eight keys
// of section Imaging at once; the next click uses them.

#include "core/ControlState.h"
#include "core/FormDialog.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;

namespace scanvo {

class frmImageDefault : public FormDialog {
    Q_OBJECT
public:
    explicit frmImageDefault(QWidget* parent = nullptr);

private:
    void LoadForm() override;
    void cmdOK_Click() override;

    std::array<QLabel*, 6> lblTitle{};
    QComboBox* cboRotate = nullptr;
    QComboBox* cboDeskew = nullptr;
    QComboBox* cboAlign = nullptr;
    QComboBox* cboText = nullptr;
    QComboBox* cboSize = nullptr;
    QComboBox* cboAdjust = nullptr;
    QCheckBox* chkCropAutoResize = nullptr;
    QCheckBox* chkTrimAutoCenter = nullptr;
};

// Runs the dialog for the control (the settings menu's "miImagingChain").
void ShowImageDefault(ControlState& state);

}  // namespace scanvo
