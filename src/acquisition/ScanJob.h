#pragma once
// Scan jobs: the scan toolbar's scanning commands, the capabilities sent to the scanner source,
// and the two settings dialogs the toolbar opens for scanning.

#include "core/ControlState.h"

#include <QtGlobal>

namespace scanvo {

// Runs one scan job in m_ScanMode into the open document: checks the root and the document name,
// writes back a modified page, shows frmScanPara when asked for, sends the capabilities and
// acquires, storing every page as it arrives. The control is disabled meanwhile and panel 1 of
// the status bar counts the pages stored. Device failures, a cancel and pages that cannot be
// stored are reported; a rejected capability ends the job silently. True when the document's
// list was rebuilt, so the caller lays its panes out for the type it now has.
bool StartScan(ControlState& state);

// Sends the six scan parameters as capabilities, stopping at the first the source rejects; 0 when
// all were taken (or answered as unsupported or adjusted), else the rejecting result code.
int ApplyScanCapabilities(ScanJobState& scan);

// The save-directory dialog for the documents' root; an empty result is reported.
void ChooseSaveDirectory(ControlState& state);

// frmScanPara without a scan: its settings are stored, and after OK the root and scanner chosen
// are taken.
void EditScanSettings(ControlState& state);

// The tbMain commands around StartScan.
bool AppendScan(ControlState& state);
bool InsertScan(ControlState& state);
bool ReplaceScan(ControlState& state);

}  // namespace scanvo
