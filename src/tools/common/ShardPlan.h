#pragma once
// One task's share of a run: the items of its shard it does, and those whose outputs an earlier
// attempt left up to date, which it keeps.

#include "tools/common/Shard.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstddef>
#include <vector>

namespace scanvo::tools {

// An item of a run as a shard sees it: a file to clean, a PDF to write.
struct ShardItem {
    QString key;          // its path relative to the input given, which picks its shard
    QString input;        // the input as given, for the record
    QString output;       // the file it writes
    QStringList sources;  // what output is made from, for IsUpToDate
    bool writable = true; // false when it has a problem and writes nothing
};

// Indexes into the items, in their order.
struct ShardPlan {
    std::vector<std::size_t> run;
    std::vector<std::size_t> upToDate;
};

// The items shard takes; of those, the ones whose output is up to date are kept unless force.
ShardPlan PlanShard(const std::vector<ShardItem>& items, const Shard& shard, bool force);

// The items at indexes, in that order.
template <class T>
std::vector<T> Picked(const std::vector<T>& items, const std::vector<std::size_t>& indexes)
{
    std::vector<T> picked(indexes.size());
    std::ranges::transform(indexes, picked.begin(), [&](std::size_t i) { return items[i]; });
    return picked;
}

}  // namespace scanvo::tools
