#pragma once
// The part of a run's inputs that one task of a cluster job takes: given as --shard K/N, or read
// from the task index of a Slurm job array or a Kubernetes Indexed Job.

#include <QProcessEnvironment>
#include <QString>

#include <optional>

namespace scanvo::tools {

struct Shard {
    int index = 0;  // 0 ... count-1; shown as index + 1
    int count = 1;

    // "shard-K-of-N", K counted from 1, for the names of the task's files.
    QString tag() const;
    bool operator==(const Shard&) const = default;
};

// What the command line asks for: --shard K/N (K from 1) and --shard-count N.
struct ShardRequest {
    QString shard;       // empty when not given
    int shardCount = 0;  // 0 when not given
};

struct ShardChoice {
    std::optional<Shard> shard;  // none: the run takes every input
    QString error;               // when set, the run must not start
};

// The shard of this task. --shard K/N wins. Else --shard-count N takes the index from
// JOB_COMPLETION_INDEX (0 ... N-1). Else a Slurm array task is index
// (SLURM_ARRAY_TASK_ID - SLURM_ARRAY_TASK_MIN) / SLURM_ARRAY_TASK_STEP of SLURM_ARRAY_TASK_COUNT,
// so "--array=1-4", "--array=0-3" and "--array=10-40:10" all give four shards; an array with gaps
// ("--array=1,5,7") is refused rather than leave a shard out. Outside such a task there is none.
ShardChoice ChooseShard(const ShardRequest& request, const QProcessEnvironment& environment);

// The shard of count that takes the input named key (its path relative to the input given on
// the command line): a hash of key that every machine computes alike, so the split depends on
// neither the order a file system lists a folder in nor the other inputs, and a task retried
// alone takes the same inputs.
int ShardOf(const QString& key, int count);

inline bool Takes(const Shard& shard, const QString& key)
{
    return ShardOf(key, shard.count) == shard.index;
}

}  // namespace scanvo::tools
