#pragma once
// The folder chooser as the dialogs use it.

#include <QString>

class QWidget;

namespace scanvo {

class Prompter;

// Shows the folder chooser of prompter (directories only) with the given title, owned by owner.
// Returns the chosen path cut at its first NUL, or empty when cancelled.
QString BrowseForFolder(Prompter& prompter, QWidget* owner, const QString& title);
// The same through the process-wide prompter.
QString BrowseForFolder(QWidget* owner, const QString& title);

}  // namespace scanvo
