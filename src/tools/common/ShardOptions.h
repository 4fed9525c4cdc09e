#pragma once
// The options that make a run one task of a cluster job, the same in every tool that takes them:
// --shard K/N, --shard-count N and --force.

#include "tools/common/OptionTable.h"
#include "tools/common/Shard.h"

namespace scanvo::tools {

constexpr OptionRow ShardOptionRow(int id, const char* group)
{
    return {id, 0, "shard", "K/N",
            QT_TRANSLATE_NOOP("ToolTexts", "take the K-th of N parts of the inputs (K from 1);\nwithout it, a Slurm array task takes its own"),
            group};
}

constexpr OptionRow ShardCountOptionRow(int id, const char* group)
{
    return {id, 0, "shard-count", "N",
        QT_TRANSLATE_NOOP("ToolTexts", "take part JOB_COMPLETION_INDEX of N parts,\nas in a Kubernetes Indexed Job"),
            group};
}

constexpr OptionRow ForceOptionRow(int id, const char* group)
{
    return {id, 0, "force", nullptr,
        QT_TRANSLATE_NOOP("ToolTexts", "in a part, redo outputs newer than their inputs\n(kept by default)"), group};
}

struct ShardOptions {
    ShardRequest request;
    bool force = false;
};

// Reads --shard, --shard-count and --force; *error names an empty --shard or a count out of range.
ShardOptions ReadShardOptions(const OptionTable& table, const QCommandLineParser& parser, int shardId, int countId,
                              int forceId, QString* error);

}  // namespace scanvo::tools
