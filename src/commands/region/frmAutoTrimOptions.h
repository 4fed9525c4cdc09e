#pragma once
// The tolerance of automatic cropping, Imaging.AutoTrim (1 ... 244). OK writes the key at once;
// a value outside the range is refused and the form stays open.

#include "commands/OptionForms.h"

namespace scanvo {

class frmAutoTrimOptions : public OptionForm {
    Q_OBJECT
public:
    explicit frmAutoTrimOptions(QWidget* parent = nullptr);

private:
    void LoadForm() override;
    void cmdOK_Click() override;
};

}  // namespace scanvo
