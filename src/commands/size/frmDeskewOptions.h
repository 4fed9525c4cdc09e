#pragma once
// Whether rotating by a drawn line lets the canvas grow to hold the whole page (Imaging.RotateFlag
// 1) or keeps its size (2). OK writes the key at once.

#include "core/FormDialog.h"

#include <array>

class QRadioButton;

namespace scanvo {

class frmDeskewOptions : public FormDialog {
    Q_OBJECT
public:
    explicit frmDeskewOptions(QWidget* parent = nullptr);

private:
    void LoadForm() override;
    void cmdOK_Click() override;

    std::array<QRadioButton*, 2> optDeskewFlag{};
};

}  // namespace scanvo
