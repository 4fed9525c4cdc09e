#pragma once
// The documents of a run as one task of a cluster job sees them, and what it records of each.

#include "tools/common/DocumentRun.h"
#include "tools/common/ShardPlan.h"
#include "tools/common/TaskRecord.h"

#include <vector>

namespace scanvo::pdftool {

// Each document keyed by its PDF's name (the name of the file or folder given), made from its
// page files and, for a folder, the folder, whose time changes when a page file comes or goes.
std::vector<tools::ShardItem> ShardItemsOf(const std::vector<tools::PdfDocument>& documents);

// The record of a written (or failed) document.
tools::RecordEntry RecordOf(const tools::PdfDocument& document, const tools::DocumentOutcome& outcome);

}  // namespace scanvo::pdftool
