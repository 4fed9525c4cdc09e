#pragma once
// One page through the chosen cleanup steps, with the control's own settings and engine calls.

#include "platform/engine/Image.h"
#include "settings/CleanupSettings.h"
#include "tools/clean/CleanOptions.h"

namespace scanvo::clean {

// What happened to a page.
struct PageOutcome {
    bool filtersSkipped = false;  // a grey or colour page: only binarising makes it one the filters take
};

// Runs the steps on page in the order binarise, borders, deskew, lines, hole punches, specks:
// borders while they still lie along the page's edges, then levelled, so lines run straight;
// specks last, to take what the others left. Throws EngineError.
PageOutcome CleanPage(engine::Image& page, const CleanSteps& steps, const CleanupSettings& settings);

}  // namespace scanvo::clean
