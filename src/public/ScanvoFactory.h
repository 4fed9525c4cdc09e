#pragma once
// The entry points of libscanvo for hosts: creating a control by its ProgID ("Scanvo.Imaging") and
// routing the control's messages and questions. A host drives the control it gets only through
// Qt's meta-object system: setProperty, property and QMetaObject::invokeMethod.

#include "ScanvoPrompter.h"

class QWidget;

// A new control of the given ProgID as a child of parent; null for an unknown ProgID.
extern "C" QWidget* ScanvoCreateControl(const char* progId, QWidget* parent);

// Replaces the prompter used by every control of the process (null restores Qt's own dialogs).
// The caller keeps ownership and keeps the prompter alive while controls may use it.
extern "C" void ScanvoSetPrompter(scanvo::Prompter* prompter);
