// Planning a shard.
#include "tools/common/ShardPlan.h"

#include "tools/common/UpToDate.h"

namespace scanvo::tools {

ShardPlan PlanShard(const std::vector<ShardItem>& items, const Shard& shard, bool force)
{
    ShardPlan plan;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const ShardItem& item = items[i];
        if (!Takes(shard, item.key))
            continue;
        const bool keep = !force && item.writable && IsUpToDate(item.output, item.sources);
        (keep ? plan.upToDate : plan.run).push_back(i);
    }
    return plan;
}

}  // namespace scanvo::tools
