#pragma once
// The start of one task of a cluster job: its output folder cleared of what a killed attempt
// left, its record started, and the items it is to do.

#include "tools/common/ShardPlan.h"
#include "tools/common/TaskRecord.h"

#include <optional>

namespace scanvo::tools {

// Removes the temporary files a killed writer left in folder (a writer at work keeps its own),
// starts record as folder/PROGRAM.shard-K-of-N.jsonl and records there the items of the shard
// kept up to date. Returns the plan, or nullopt with *error set when the record cannot be written.
std::optional<ShardPlan> StartShardTask(const char* program, const Shard& shard, bool force, const QString& folder,
                                        const std::vector<ShardItem>& items, TaskRecord* record, QString* error);

// StartShardTask over all, whose items are items, narrowing all to those the task is to do;
// *upToDate counts the kept.
template <class T>
bool TakeShard(const char* program, const Shard& shard, bool force, const QString& folder,
               const std::vector<ShardItem>& items, std::vector<T>* all, TaskRecord* record, std::size_t* upToDate,
               QString* error)
{
    const std::optional<ShardPlan> plan = StartShardTask(program, shard, force, folder, items, record, error);
    if (!plan)
        return false;
    *upToDate = plan->upToDate.size();
    *all = Picked(*all, plan->run);
    return true;
}

}  // namespace scanvo::tools
