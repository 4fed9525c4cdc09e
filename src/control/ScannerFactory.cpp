// The scanner source factory of the process.
#include "control/ScannerFactory.h"

#include "platform/scanner/SaneScannerSource.h"

namespace scanvo {

namespace {

std::unique_ptr<scanner::ScannerSource> CreateDefaultScannerSource()
{
    return std::make_unique<scanner::SaneScannerSource>();
}

ScannerSourceFactory& CurrentFactory()
{
    static ScannerSourceFactory factory;
    return factory;
}

}  // namespace

std::unique_ptr<scanner::ScannerSource> CreateScannerSource()
{
    const ScannerSourceFactory& factory = CurrentFactory();
    return factory ? factory() : CreateDefaultScannerSource();
}

void SetScannerSourceFactory(ScannerSourceFactory factory)
{
    CurrentFactory() = std::move(factory);
}

}  // namespace scanvo
