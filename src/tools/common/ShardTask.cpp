// Starting a task of a cluster job.
#include "tools/common/ShardTask.h"

#include "platform/engine/AtomicFile.h"

#include <QCoreApplication>
#include <QDir>

namespace scanvo::tools {

std::optional<ShardPlan> StartShardTask(const char* program, const Shard& shard, bool force, const QString& folder,
                                        const std::vector<ShardItem>& items, TaskRecord* record, QString* error)
{
    engine::AtomicFile::RemoveStaleTemporaries(folder);
    if (!record->open(QDir(folder).filePath(RecordFileName(program, shard)), error))
        return std::nullopt;
    const ShardPlan plan = PlanShard(items, shard, force);
    for (const std::size_t i : plan.upToDate) {
        if (!record->add({items[i].input, items[i].output, kRecordUpToDate, 0, 0, {}})) {
            *error = QCoreApplication::translate("ToolTexts", "the record in %1 cannot be written").arg(folder);
            return std::nullopt;
        }
    }
    return plan;
}

}  // namespace scanvo::tools
