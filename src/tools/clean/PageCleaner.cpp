// The cleanup steps of one page.
#include "tools/clean/PageCleaner.h"

#include "platform/engine/ops/Geometry.h"
#include "platform/engine/ops/OpFlags.h"
#include "platform/engine/ops/Tone.h"

namespace scanvo::clean {

PageOutcome CleanPage(engine::Image& page, const CleanSteps& steps, const CleanupSettings& settings)
{
    PageOutcome outcome;
    if (steps.binarize)
        engine::ops::Binarize(page, engine::ops::kBinarizeAdaptive, engine::ops::kBinarizeAutoThreshold, 0);
    if (steps.deskew)
        engine::ops::Deskew(page, engine::ops::kWhite, engine::ops::kDeskewKeepSize);
    const bool filters = steps.borders || steps.lines || steps.holePunches || steps.specks;
    if (filters && !IsCleanupPage(page)) {
        outcome.filtersSkipped = true;
        return outcome;
    }
    if (steps.borders)
        RunBorderRemoval(page, settings);
    if (steps.lines)
        RunLineRemoval(page, settings);
    if (steps.holePunches)
        RunHolePunchRemoval(page, settings);
    if (steps.specks)
        RunDespeckle(page, settings);
    return outcome;
}

}  // namespace scanvo::clean
