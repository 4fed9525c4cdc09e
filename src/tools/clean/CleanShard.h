#pragma once
// The targets of a batch as one task of a cluster job sees them, and what it records of each.

#include "tools/clean/CleanTargets.h"
#include "tools/clean/FileCleaner.h"
#include "tools/common/ShardPlan.h"
#include "tools/common/TaskRecord.h"

#include <vector>

namespace scanvo::clean {

// Each target keyed by its file name (a folder's files are taken by name, a file given alone by
// its own), with its result made from its source.
std::vector<tools::ShardItem> ShardItemsOf(const std::vector<CleanTarget>& targets);

// The record of a cleaned (or failed) target.
tools::RecordEntry RecordOf(const CleanTarget& target, const FileOutcome& outcome);

}  // namespace scanvo::clean
