#pragma once
// A batch: every target cleaned by a pool of worker threads, with progress reported while it runs.

#include "tools/clean/CleanTargets.h"
#include "tools/clean/FileCleaner.h"
#include "tools/common/ProgressBar.h"

#include <functional>
#include <vector>

namespace scanvo::clean {

using tools::BatchProgress;

// Outcomes in the order of targets.
struct BatchResult {
    std::vector<FileOutcome> files;
    double seconds = 0;
};

// Cleans targets with jobs worker threads (0: one per processor). onProgress, when given, is
// called on the calling thread about ten times a second and once at the end; onFileDone on the
// calling thread for each finished file, in the order they finish.
BatchResult RunBatch(const std::vector<CleanTarget>& targets, const FileJob& job, int jobs,
                     const std::function<void(const BatchProgress&)>& onProgress = {},
                     const std::function<void(const CleanTarget&, const FileOutcome&)>& onFileDone = {});

}  // namespace scanvo::clean
