#pragma once
// Prompter: every question and message the control puts to its user goes through here, so that a
// host can route them and tests can script the answers. Only Qt headers are needed to implement one.

#include <QFileDialog>
#include <QFont>
#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

namespace scanvo {

enum class MessageIcon { Information, Warning, Critical, Question };

class Prompter {
public:
    virtual ~Prompter() = default;

    // A modal message box with one OK button.
    virtual void showMessage(QWidget* parent, const QString& text, const QString& title, MessageIcon icon) = 0;
    // A modal yes/no question; true for yes.
    virtual bool askYesNo(QWidget* parent, const QString& text, const QString& title) = 0;
    // The file-open dialog with multiple selection; empty when cancelled.
    virtual QStringList chooseFiles(QWidget* parent, const QString& title, const QString& directory,
                                    const QString& filter) = 0;
    // The file-save dialog opening on path (a directory and a proposed name); the chosen path, or
    // empty when cancelled. Qt's own dialog unless a prompter routes it elsewhere.
    virtual QString chooseSaveFile(QWidget* parent, const QString& title, const QString& path, const QString& filter)
    {
        return QFileDialog::getSaveFileName(parent, title, path, filter);
    }
    // The folder chooser; empty when cancelled.
    virtual QString chooseFolder(QWidget* parent, const QString& title, const QString& directory) = 0;
    // The font chooser; false when cancelled, otherwise font holds the choice.
    virtual bool chooseFont(QWidget* parent, QFont& font) = 0;
    // Runs a dialog modally and returns QDialog::exec's result. Tests fill and accept it instead.
    virtual int runDialog(QDialog& dialog) = 0;
};

}  // namespace scanvo
