#pragma once
// How a control gets its scanner source. Tests and hosts without a scanner replace the factory.

#include "platform/scanner/ScannerSource.h"

#include <functional>
#include <memory>

namespace scanvo {

using ScannerSourceFactory = std::function<std::unique_ptr<scanner::ScannerSource>()>;

// A new scanner source from the current factory (the SANE source unless replaced); may be null.
std::unique_ptr<scanner::ScannerSource> CreateScannerSource();
// Replaces the factory for controls created from now on; an empty factory restores the SANE source.
void SetScannerSourceFactory(ScannerSourceFactory factory);

}  // namespace scanvo
