#pragma once
// The six scan parameters of the Scan settings: their lists in the scan dialog and what each
// entry sends to the scanner source. Declared once, for the dialog and for ApplyScanCapabilities.

#include "platform/scanner/ScannerSource.h"

#include <QtGlobal>

#include <span>

namespace scanvo {

struct ScanParameterEntry {
    const char* caption;  // UTF-8 source of what the list shows, in context "ScanParameters"
    double value;         // the capability value the entry sends
};

struct ScanParameter {
    qint16* setting;             // the member of g_Settings.Scan it edits
    const char* toolTip;         // the same; empty for none
    int capabilities[2];         // one capability, or two that take the same value (0 unused)
    int itemType;
    std::span<const ScanParameterEntry> entries;
};

// cmbScanPara(0) to (5) in order: supply, duplex, image type, resolution, paper size, direction.
std::span<const ScanParameter> ScanParameters();

}  // namespace scanvo
