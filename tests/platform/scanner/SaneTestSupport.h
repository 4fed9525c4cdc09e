#pragma once
// What the tests against SANE's test device share: its configuration and helper limits short
// enough that a stuck helper fails a test in seconds, long enough for a busy machine.
#include "platform/scanner/SaneHelperClient.h"
#include "platform/scanner/ScannerSource.h"

#include <QComboBox>
#include <QDialog>
#include <QtGlobal>

namespace scanvo::scanner::testing {

// Every helper started from now on sees only the virtual test device (two devices, test:0 and test:1).
inline void UseTestDevice()
{
    qputenv("SANE_CONFIG_DIR", SCANVO_TEST_SANE_CONFIG);
    qunsetenv("SCANVO_DEFAULT_SCANNER");
}

inline HelperLimits ShortLimits()
{
    HelperLimits limits;
    limits.startMs = 10'000;
    limits.listMs = 10'000;
    limits.callMs = 10'000;
    limits.frameStartMs = 10'000;
    limits.readStallMs = 2'000;
    limits.cancelMs = 2'000;
    limits.quitMs = 2'000;
    return limits;
}

// Sets one choice of the device dialog and accepts it.
inline ScannerSource::DialogRunner Choose(const char* option, const char* value)
{
    return [option, value](QDialog& dialog) {
        auto* box = dialog.findChild<QComboBox*>(QLatin1String(option));
        if (!box || box->findText(QLatin1String(value)) < 0)
            return int(QDialog::Rejected);
        box->setCurrentText(QLatin1String(value));
        return int(QDialog::Accepted);
    };
}

}  // namespace scanvo::scanner::testing
