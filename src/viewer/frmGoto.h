#pragma once
// Page chooser: asks for a page of the current document. The caller sets the public members,
// shows the dialog and reads CurrentPage back; 0 means cancelled.

#include <QDialog>
#include <QStringList>
#include <QtGlobal>

class QComboBox;
class QLabel;
class QPushButton;

namespace scanvo {

class frmGoto : public QDialog {
    Q_OBJECT
public:
    explicit frmGoto(QWidget* parent = nullptr);

    // Inputs, set before the dialog is shown.
    qint16 DocType = 0;
    qint16 PageCount = 0;
    QStringList FileList;  // the caller's files in order; item n holds page n for types 0, 2 and 3
    // The page offered at first and, after the dialog, the page chosen (0 when cancelled).
    qint16 CurrentPage = 0;

    // The caption and the label around the page box; the page-move command relabels them.
    void SetTexts(const QString& caption, const QString& label);

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void cmdOK_Click();

private:
    void LoadForm();

    bool m_Loaded = false;
    QLabel* lblTitle = nullptr;
    QComboBox* cboPages = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
};

}  // namespace scanvo
