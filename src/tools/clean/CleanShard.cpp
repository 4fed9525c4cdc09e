// Targets as shard items and records.
#include "tools/clean/CleanShard.h"

#include <QFileInfo>

#include <algorithm>

namespace scanvo::clean {

std::vector<tools::ShardItem> ShardItemsOf(const std::vector<CleanTarget>& targets)
{
    std::vector<tools::ShardItem> items(targets.size());
    std::ranges::transform(targets, items.begin(), [](const CleanTarget& target) {
        return tools::ShardItem{QFileInfo(target.source).fileName(), target.source, target.result, {target.source},
                                target.problem.isEmpty()};
    });
    return items;
}

tools::RecordEntry RecordOf(const CleanTarget& target, const FileOutcome& outcome)
{
    return tools::WrittenOrFailed(target.source, target.result, outcome.pages, outcome.seconds, outcome.error);
}

}  // namespace scanvo::clean
