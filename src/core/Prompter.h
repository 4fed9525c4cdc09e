#pragma once
// The process-wide prompter. The interface itself is public (ScanvoPrompter.h) so that hosts can
// implement one and install it through ScanvoSetPrompter.

#include "ScanvoPrompter.h"

namespace scanvo {

// The prompter shared by the whole process: Qt's own dialogs unless a host or test replaced it.
Prompter& CurrentPrompter();
// Replaces the process-wide prompter (nullptr restores Qt's dialogs). The caller keeps ownership.
void SetPrompter(Prompter* prompter);

}  // namespace scanvo
