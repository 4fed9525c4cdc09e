#pragma once
// The tone dialogs that preview into the main viewer while a slider moves: brightness and
// contrast (frmImageAdjust) and saturation (frmSaturation), which can only be closed and keep the
// last preview; colour levels and background removal (frmBackgroundSubtraction), whose cancel
// puts the page back. Every preview starts from the page as it was when the dialog opened, so
// only the slider changed last is applied.

#include "commands/tone/TonePreview.h"
#include "core/FormDialog.h"

#include <QDialog>
#include <QtGlobal>

#include <functional>
#include <optional>
#include <vector>

class QLabel;
class QPushButton;
class QScrollBar;

namespace scanvo {

class ValueBox;

namespace engine {
class ImageViewer;
}

// A slider -100 ... 100 per tone, each previewing its own engine edit with value x 10, and the
// close button "关 闭".
class ToneAdjustForm : public QDialog {
    Q_OBJECT
public:
    // The viewer previewed into; its page is the page as opened.
    engine::ImageViewer* MainViewer = nullptr;

    void reject() override;

protected:
    using ToneEdit = void (*)(engine::Image& page, int amount);
    struct Tone {
        int index;  // of sbPercent, txtPercent and lblPercent
        QString label;
        ToneEdit edit;
    };
    ToneAdjustForm(const QString& name, const QString& caption, const std::vector<Tone>& tones, QWidget* parent);

    void showEvent(QShowEvent* event) override;

private:
    struct Row {
        Tone tone;
        QLabel* lblPercent = nullptr;
        ValueBox* txtPercent = nullptr;
        QScrollBar* sbPercent = nullptr;
    };
    void sbPercent_Change(Row& row, int value);
    void txtPercent_Enter(Row& row);
    // The page as opened with the row's tone changed by amount (engine units).
    void Preview(const Row& row, int amount, bool quick);

    std::vector<Row> m_Rows;
    QPushButton* cmdCancel = nullptr;
    TonePreview m_Preview;
    // A preview shown only on the small copy, still to be made on the whole page.
    std::optional<TonePreview::Edit> m_Pending;
};

class frmImageAdjust : public ToneAdjustForm {
    Q_OBJECT
public:
    explicit frmImageAdjust(QWidget* parent = nullptr);
};

class frmSaturation : public ToneAdjustForm {
    Q_OBJECT
public:
    explicit frmSaturation(QWidget* parent = nullptr);
};

// Colour levels (Flag 2, 2 ... 100, engine value x 5) or background removal (Flag 1, 0 ... 100,
// engine value x 10). OK keeps the last preview (Action 1); cancel and the close box put the page
// as opened back into the viewer (Action 0).
class frmBackgroundSubtraction : public FormDialog {
    Q_OBJECT
public:
    explicit frmBackgroundSubtraction(QWidget* parent = nullptr);

    qint16 Flag = 1;
    engine::ImageViewer* MainViewer = nullptr;

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void LoadForm() override;
    void cmdOK_Click() override;
    void sbPercent_Change(int value);
    void txtPercent_Enter();
    void Preview(int value, bool quick);
    int Lowest() const;

    QLabel* lblTitle = nullptr;
    ValueBox* txtPercent = nullptr;
    QScrollBar* sbPercent = nullptr;
    TonePreview m_Preview;
    std::optional<TonePreview::Edit> m_Pending;
    bool m_Activated = false;
};

}  // namespace scanvo
