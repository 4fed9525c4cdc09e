#pragma once
// The entry points of libscanvo for hosts: creating a control by its ProgID ("Scanvo.Imaging") and
// routing the control's messages and questions. A host drives the control it gets only through
// Qt's meta-object system: setProperty, property and QMetaObject::invokeMethod.

#include "ScanvoPrompter.h"

class QWidget;

// A new control of the given ProgID as a child of parent; null for an unknown ProgID.
extern "C" QWidget* ScanvoCreateControl(const char* progId, QWidget* parent);

// Chooses the language of every control of the process: a locale name ("en", "en_GB", "zh_CN"), or
// null or "" for the desktop's locale, which is the default. A Chinese locale, or C/POSIX, shows the
// control's Chinese texts; any other locale its English translation. Qt's own dialogs and message
// boxes follow. Call it before the first control is made; texts shown later follow a later call
// too. False, and nothing changed, for a name that is no locale.
extern "C" bool ScanvoSetLanguage(const char* localeName);

// Replaces the prompter used by every control of the process (null restores Qt's own dialogs).
// The caller keeps ownership and keeps the prompter alive while controls may use it.
extern "C" void ScanvoSetPrompter(scanvo::Prompter* prompter);
