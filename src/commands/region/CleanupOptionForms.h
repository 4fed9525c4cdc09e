#pragma once
// The option forms of the four cleanup filters. Each shows the Imaging settings of its filter;
// OK checks the boxes, then stores and writes every key of the form, changed or not; cancel and
// the close box change nothing. The next run of the filter uses what was stored.

#include "commands/OptionForms.h"

#include <array>

class QCheckBox;

namespace scanvo {

class frmDotRemoveOptions : public OptionForm {
    Q_OBJECT
public:
    explicit frmDotRemoveOptions(QWidget* parent = nullptr);

private:
    void LoadForm() override;
    void cmdOK_Click() override;

    QCheckBox* chkOnePixel = nullptr;
    QCheckBox* chkCustom = nullptr;
};

class frmBorderRemoveOptions : public OptionForm {
    Q_OBJECT
public:
    explicit frmBorderRemoveOptions(QWidget* parent = nullptr);

private:
    void LoadForm() override;
    void cmdOK_Click() override;

    std::array<QCheckBox*, 4> chkLocation{};
};

class frmLineRemoveOptions : public OptionForm {
    Q_OBJECT
public:
    explicit frmLineRemoveOptions(QWidget* parent = nullptr);

private:
    void LoadForm() override;
    void cmdOK_Click() override;
    // chkOptional(0) and (1) enable their boxes; a box enabled takes the focus.
    void chkOptional_Click(int index);

    std::array<QCheckBox*, 2> chkOrientation{};
    std::array<QCheckBox*, 3> chkOptional{};
};

class frmHolePunchRemoveOptions : public OptionForm {
    Q_OBJECT
public:
    explicit frmHolePunchRemoveOptions(QWidget* parent = nullptr);

private:
    void LoadForm() override;
    void cmdOK_Click() override;
    // Each option box enables the controls of its group exactly while it is ticked.
    void EnableGroup(int option);

    std::array<QCheckBox*, 3> chkOptional{};
    std::array<QCheckBox*, 4> chkLocation{};
};

}  // namespace scanvo
