// The default prompter over Qt's standard dialogs, and the process-wide current one.
#include "core/Prompter.h"

#include "core/CoreTexts.h"

#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>

namespace scanvo {

namespace {

class QtPrompter final : public Prompter {
public:
    void showMessage(QWidget* parent, const QString& text, const QString& title, MessageIcon icon) override
    {
        QMessageBox::Icon boxIcon = QMessageBox::Information;
        switch (icon) {
        case MessageIcon::Warning: boxIcon = QMessageBox::Warning; break;
        case MessageIcon::Critical: boxIcon = QMessageBox::Critical; break;
        case MessageIcon::Question: boxIcon = QMessageBox::Question; break;
        case MessageIcon::Information: break;
        }
        QMessageBox box(boxIcon, title, text, QMessageBox::Ok, parent);
        box.exec();
    }

    bool askYesNo(QWidget* parent, const QString& text, const QString& title) override
    {
        return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    }

    QStringList chooseFiles(QWidget* parent, const QString& title, const QString& directory,
                            const QString& filter) override
    {
        return QFileDialog::getOpenFileNames(parent, title, directory, filter);
    }

    QString chooseFolder(QWidget* parent, const QString& title, const QString& directory) override
    {
        return QFileDialog::getExistingDirectory(parent, title, directory, QFileDialog::ShowDirsOnly);
    }

    bool chooseFont(QWidget* parent, QFont& font) override
    {
        bool ok = false;
        const QFont chosen = QFontDialog::getFont(&ok, font, parent);
        if (ok)
            font = chosen;
        return ok;
    }

    int runDialog(QDialog& dialog) override { return dialog.exec(); }
};

QtPrompter g_QtPrompter;
Prompter* g_Prompter = nullptr;

}  // namespace

Prompter& CurrentPrompter()
{
    return g_Prompter ? *g_Prompter : g_QtPrompter;
}

void SetPrompter(Prompter* prompter)
{
    g_Prompter = prompter;
}

void Inform(QWidget* parent, const QString& text, MessageIcon icon, Prompter& prompter)
{
    prompter.showMessage(parent, text, core_texts::kTitleInformation, icon);
}

void ReportError(QWidget* parent, const QString& text, MessageIcon icon)
{
    CurrentPrompter().showMessage(parent, text, core_texts::kTitleError, icon);
}

QStringList ChosenFilePaths(const QStringList& answer)
{
    if (answer.size() < 2 || !QFileInfo(answer.first()).isDir())
        return answer;
    QStringList files;
    for (qsizetype i = 1; i < answer.size(); ++i)
        files.append(answer.first() + u'/' + answer.at(i));
    return files;
}

}  // namespace scanvo
