// The library's exported entry points: creating a control from its ProgID, choosing the language,
// replacing the prompter.
#include "ScanvoFactory.h"

#include "control/Imaging.h"
#include "core/Prompter.h"
#include "core/UiLanguage.h"

#include <QString>

#define SCANVO_EXPORT __attribute__((visibility("default")))

extern "C" SCANVO_EXPORT QWidget* ScanvoCreateControl(const char* progId, QWidget* parent)
{
    // ProgIDs are looked up as a registry does, ignoring case.
    if (progId != nullptr
        && QString::fromUtf8(progId).compare(QLatin1String(scanvo::Imaging::kProgId), Qt::CaseInsensitive) == 0)
        return new scanvo::Imaging(parent);
    return nullptr;
}

extern "C" SCANVO_EXPORT bool ScanvoSetLanguage(const char* localeName)
{
    return scanvo::ChooseUiLanguage(localeName != nullptr ? QString::fromUtf8(localeName) : QString());
}

extern "C" SCANVO_EXPORT void ScanvoSetPrompter(scanvo::Prompter* prompter)
{
    scanvo::SetPrompter(prompter);
}
