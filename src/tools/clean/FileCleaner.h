#pragma once
// One file of a batch: every page loaded, cleaned and written, one page in memory at a time.

#include "settings/CleanupSettings.h"
#include "tools/clean/CleanOptions.h"
#include "tools/clean/CleanTargets.h"

#include <QString>

#include <atomic>

namespace scanvo::clean {

struct FileOutcome {
    int pages = 0;             // pages cleaned and written
    int filtersSkipped = 0;    // pages the filters left alone (grey or colour)
    QString error;             // when set, nothing was written
    double seconds = 0;        // time spent on the file
};

struct FileJob {
    CleanSteps steps;
    CleanupSettings settings;
    int jpegQualityFactor = 25;  // the engine's quality factor for JPEG pages
};

// Cleans target.source into target.result. A multi-page TIFF is written page by page through a
// temporary file that replaces the result only when every page is done, so a failure (or the
// original itself, in place) is never left half-written. A damaged file is not cleaned.
// pagesDone counts each page as it is finished, for a progress display.
FileOutcome CleanFile(const CleanTarget& target, const FileJob& job, std::atomic<int>* pagesDone = nullptr);

}  // namespace scanvo::clean
