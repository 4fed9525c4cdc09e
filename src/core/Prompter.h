#pragma once
// The process-wide prompter. The interface itself is public (ScanvoPrompter.h) so that hosts can
// implement one and install it through ScanvoSetPrompter.

#include "ScanvoPrompter.h"

namespace scanvo {

// The prompter shared by the whole process: Qt's own dialogs unless a host or test replaced it.
Prompter& CurrentPrompter();
// Replaces the process-wide prompter (nullptr restores Qt's dialogs). The caller keeps ownership.
void SetPrompter(Prompter* prompter);

// The control's messages: a notice under the information title, a failure under the error title;
// the icon says how grave it is.
void Inform(QWidget* parent, const QString& text, MessageIcon icon = MessageIcon::Information,
            Prompter& prompter = CurrentPrompter());
void ReportError(QWidget* parent, const QString& text, MessageIcon icon = MessageIcon::Warning);

// The files a file-open dialog chose, as full paths: a host's dialog may answer with the directory
// first and the names in it after it.
QStringList ChosenFilePaths(const QStringList& answer);

}  // namespace scanvo
