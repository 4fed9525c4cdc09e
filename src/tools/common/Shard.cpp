// Choosing a task's shard and the shard of an input.
#include "tools/common/Shard.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QRegularExpression>
#include <QtEndian>

namespace scanvo::tools {

namespace {

// A whole number of the environment, or nullopt when the variable is missing or not a number.
std::optional<long long> Number(const QProcessEnvironment& environment, const char* name)
{
    bool ok = false;
    const long long value = environment.value(QString::fromLatin1(name)).trimmed().toLongLong(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

ShardChoice Parsed(const QString& text)
{
    static const QRegularExpression form(QStringLiteral(R"(^(\d{1,6})/(\d{1,6})$)"));
    const QRegularExpressionMatch match = form.match(text);
    const int k = match.captured(1).toInt(), n = match.captured(2).toInt();
    if (!match.hasMatch() || n < 1 || k < 1 || k > n)
        return {std::nullopt, QCoreApplication::translate("ToolTexts",
            "invalid value '%1' for --shard (K/N, K from 1 to N)").arg(text)};
    return {Shard{k - 1, n}, {}};
}

ShardChoice FromIndexedJob(int count, const QProcessEnvironment& environment)
{
    const std::optional<long long> index = Number(environment, "JOB_COMPLETION_INDEX");
    if (!index)
        return {std::nullopt, QCoreApplication::translate("ToolTexts",
            "--shard-count needs JOB_COMPLETION_INDEX, as an Indexed Job sets it")};
    if (*index < 0 || *index >= count)
        return {std::nullopt,
                QCoreApplication::translate("ToolTexts",
                    "JOB_COMPLETION_INDEX %1 is not below --shard-count %2").arg(*index).arg(count)};
    return {Shard{int(*index), count}, {}};
}

ShardChoice FromSlurmArray(const QProcessEnvironment& environment)
{
    const std::optional<long long> id = Number(environment, "SLURM_ARRAY_TASK_ID");
    const std::optional<long long> count = Number(environment, "SLURM_ARRAY_TASK_COUNT");
    const std::optional<long long> min = Number(environment, "SLURM_ARRAY_TASK_MIN");
    const long long step = Number(environment, "SLURM_ARRAY_TASK_STEP").value_or(1);
    if (!id || !count || !min || *count < 1 || step < 1)
        return {std::nullopt, QCoreApplication::translate("ToolTexts",
            "a Slurm array task without SLURM_ARRAY_TASK_COUNT and _MIN")};
    const long long offset = *id - *min;
    if (offset < 0 || offset % step != 0 || offset / step >= *count || *count > 1000000)
        return {std::nullopt, QCoreApplication::translate("ToolTexts",
            "Slurm array task %1 is not one of %2 evenly spaced from %3; "
                                             "give the array as a range, such as --array=1-%2")
                                  .arg(*id)
                                  .arg(*count)
                                  .arg(*min)};
    return {Shard{int(offset / step), int(*count)}, {}};
}

}  // namespace

QString Shard::tag() const
{
    return QStringLiteral("shard-%1-of-%2").arg(index + 1).arg(count);
}

ShardChoice ChooseShard(const ShardRequest& request, const QProcessEnvironment& environment)
{
    if (!request.shard.isEmpty() && request.shardCount > 0)
        return {std::nullopt, QCoreApplication::translate("ToolTexts", "--shard and --shard-count exclude each other")};
    if (!request.shard.isEmpty())
        return Parsed(request.shard);
    if (request.shardCount > 0)
        return FromIndexedJob(request.shardCount, environment);
    if (environment.contains(QStringLiteral("SLURM_ARRAY_TASK_ID")))
        return FromSlurmArray(environment);
    return {};
}

int ShardOf(const QString& key, int count)
{
    const QByteArray digest = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha256);
    return int(qFromBigEndian<quint64>(digest.constData()) % quint64(std::max(1, count)));
}

}  // namespace scanvo::tools
