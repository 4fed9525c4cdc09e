// The scanner source factory of the process.
#include "control/ScannerFactory.h"

namespace scanvo {

namespace {

std::unique_ptr<scanner::ScannerSource> CreateDefaultScannerSource()
{
    // The SANE source is plugged in here once the scanner layer provides it.
    return nullptr;
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
