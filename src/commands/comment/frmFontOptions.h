#pragma once
// The comment font: one of the fonts installed, a size of 5 to 72 points, bold, italic, underline
// and strikethrough. OK writes the six Imaging keys at once; cancel writes nothing.

#include "core/FormDialog.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;

namespace scanvo {

class frmFontOptions : public FormDialog {
    Q_OBJECT
public:
    explicit frmFontOptions(QWidget* parent = nullptr);

    // The sizes offered, in points; list index = size - kSmallestSize.
    static constexpr int kSmallestSize = 5;
    static constexpr int kLargestSize = 72;

private:
    void LoadForm() override;
    void cmdOK_Click() override;

    QGroupBox* framFontOptions = nullptr;
    QLabel* lblFontName = nullptr;
    QLabel* lblFontSize = nullptr;
    QComboBox* cboFontName = nullptr;
    QComboBox* cboFontSize = nullptr;
    QCheckBox* chkBold = nullptr;
    QCheckBox* chkItalic = nullptr;
    QCheckBox* chkUnderline = nullptr;
    QCheckBox* chkStrikethrough = nullptr;
};

}  // namespace scanvo
