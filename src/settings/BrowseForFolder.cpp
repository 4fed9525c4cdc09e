// The folder chooser through the prompter.
#include "settings/BrowseForFolder.h"

#include "core/Prompter.h"

namespace scanvo {

QString BrowseForFolder(Prompter& prompter, QWidget* owner, const QString& title)
{
    QString path = prompter.chooseFolder(owner, title, QString());
    const qsizetype nul = path.indexOf(QChar(0));
    if (nul >= 0)
        path.truncate(nul);
    return path;
}

QString BrowseForFolder(QWidget* owner, const QString& title)
{
    return BrowseForFolder(CurrentPrompter(), owner, title);
}

}  // namespace scanvo
