#pragma once
// The size of the block the paint tool paints at each click, Imaging.PaintRectWidth and
// PaintRectHeight. OK refuses a size of 0 (an empty box counts as 0) and writes both keys.

#include "commands/OptionForms.h"

namespace scanvo {

class frmPaintRect : public OptionForm {
    Q_OBJECT
public:
    explicit frmPaintRect(QWidget* parent = nullptr);

private:
    void LoadForm() override;
    void cmdOK_Click() override;
};

}  // namespace scanvo
