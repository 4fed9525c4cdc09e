#pragma once
// FormDialog: the base of the control's modal forms with OK and Cancel. The caller sets the form's
// public members between construction and showing; the form fills its controls from them (and
// from the settings) once, when first shown. OK validates and stores, then closes with Action 1;
// cancel, Escape and the window's close button close with Action 0 and store nothing.

#include <QDialog>
#include <QString>
#include <QtGlobal>

class QLayout;
class QPushButton;

namespace scanvo {

class FormDialog : public QDialog {
    Q_OBJECT
public:
    // 1 after OK, 0 after cancel or closing the window.
    qint16 Action = 0;

    void reject() override;

protected:
    // A form named name (its objectName) with the caption shown in its title bar.
    FormDialog(const QString& name, const QString& caption, QWidget* parent);

    // Fills the controls; runs once, at first show or when LoadOnce asks for it earlier.
    virtual void LoadForm() {}
    // Runs LoadForm unless it has run. A form whose controls depend on the settings alone calls
    // it at the end of its constructor, so it is filled even before it is shown.
    void LoadOnce();
    bool IsLoaded() const { return m_Loaded; }

    // OK was clicked: validate and store, then Accept(); a form that stays open just returns.
    virtual void cmdOK_Click() = 0;
    // Closes the form with Action 1.
    void Accept();

    // OK and Cancel, right-aligned, for the bottom of the form's layout.
    QLayout* ButtonRow();

    void showEvent(QShowEvent* event) override;

    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

private:
    bool m_Loaded = false;
};

}  // namespace scanvo
