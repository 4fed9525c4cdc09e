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
    const bool filters = steps.borders || steps.lines || steps.holePunches || steps.specks;
    const bool bitonal = IsCleanupPage(page);
    // The scanner's border is cleared while it still runs along the page's edges, before the
    // page turns, and so it has no say in the angle either.
    if (steps.borders && bitonal)
        RunBorderRemoval(page, settings);
    if (steps.deskew)
        engine::ops::Deskew(page, engine::ops::kWhite, engine::ops::kDeskewKeepSize);
    if (filters && !bitonal) {
        outcome.filtersSkipped = true;
        return outcome;
    }
    if (steps.lines)
        RunLineRemoval(page, settings);
    if (steps.holePunches)
        RunHolePunchRemoval(page, settings);
    if (steps.specks)
        RunDespeckle(page, settings);
    return outcome;
}

}  // namespace scanvo::clean
