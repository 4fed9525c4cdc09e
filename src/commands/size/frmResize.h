#pragma once
// The image-size dialog: a new pixel size for the page, typed in millimetres or pixels ("按大小")
// or as percentages of the size it opened with ("按百分比"). The two unit lists move together.
// OK refuses an empty or zero size with a message and stays open; cancel leaves the size members
// as they were. Sizes are 32-bit: pages wider or taller than 32767 pixels exist.

#include "core/FormDialog.h"

#include <QtGlobal>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace scanvo {

class frmResize : public FormDialog {
    Q_OBJECT
public:
    explicit frmResize(QWidget* parent = nullptr);

    // In: the page's size in pixels; out after OK: the size asked for, in pixels.
    qint32 NewWidth = 0;
    qint32 NewHeight = 0;
    // The page's resolution in dots per inch.
    qint16 ResolutionX = 0;
    qint16 ResolutionY = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum Unit { Millimetres = 0, Pixels = 1 };
    enum Side { Width = 0, Height = 1 };

    void LoadForm() override;
    void cmdOK_Click() override;
    void optMode_Click();
    void cboUnit_Click(int unit);
    void cmdDouble_Click(Side side);

    int ResolutionOf(Side side) const;
    // The size field of side as shown in the current unit.
    void ShowSize(Side side);
    // Takes a size field the user typed into as that side's pixel size.
    void TakeTypedSize(Side side);
    // The requested pixel size of side, or a refusal shown to the user (then false).
    bool RequestedSize(Side side, long long& pixels);

    QRadioButton* optBySize = nullptr;
    QRadioButton* optByPercent = nullptr;
    std::array<QLabel*, 2> lblSize{};
    std::array<QLineEdit*, 2> txtSize{};     // txtWidth1, txtHeight1
    std::array<QComboBox*, 2> cboUnit{};
    std::array<QLineEdit*, 2> txtPercent{};  // txtWidth2, txtHeight2
    std::array<QLabel*, 2> lblPercent{};
    std::array<QPushButton*, 2> cmdDouble{};

    Unit m_Unit = Pixels;
    // Each side's size in pixels: what the dialog opened with until the user types or doubles.
    // Keeping pixels rather than the rounded millimetres shown lets an untouched side come back
    // exactly as it was.
    std::array<long long, 2> m_Pixels{};
    std::array<bool, 2> m_Typed{};
};

}  // namespace scanvo
