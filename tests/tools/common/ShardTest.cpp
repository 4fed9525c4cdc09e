// The shards of a cluster job: which task a Slurm array or an Indexed Job makes of the
// environment, which inputs each takes, what it keeps of an earlier attempt and what it records.
#include "tools/common/ShardPlan.h"
#include "tools/common/ShardTask.h"
#include "tools/common/TaskRecord.h"
#include "tools/common/UpToDate.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace scanvo::tools {
namespace {

QProcessEnvironment Environment(std::initializer_list<std::pair<const char*, const char*>> variables)
{
    QProcessEnvironment environment;
    for (const auto& [name, value] : variables)
        environment.insert(QString::fromLatin1(name), QString::fromLatin1(value));
    return environment;
}

struct ChoiceCase {
    const char* what;
    ShardRequest request;
    QProcessEnvironment environment;
    std::optional<Shard> shard;  // expected; none with error false means "every input"
    bool error;
};

TEST(ChooseShardTest, CommandLineSlurmArraysAndIndexedJobs)
{
    const QString none;
    const ChoiceCase cases[] = {
        {"no option, no scheduler", {}, {}, std::nullopt, false},
        {"--shard 1/4 is the first", {QStringLiteral("1/4"), 0}, {}, Shard{0, 4}, false},
        {"--shard 4/4 is the last", {QStringLiteral("4/4"), 0}, {}, Shard{3, 4}, false},
        {"--shard 1/1", {QStringLiteral("1/1"), 0}, {}, Shard{0, 1}, false},
        {"--shard 0/4: K counts from 1", {QStringLiteral("0/4"), 0}, {}, std::nullopt, true},
        {"--shard 5/4", {QStringLiteral("5/4"), 0}, {}, std::nullopt, true},
        {"--shard 1/0", {QStringLiteral("1/0"), 0}, {}, std::nullopt, true},
        {"--shard 2", {QStringLiteral("2"), 0}, {}, std::nullopt, true},
        {"--shard -1/4", {QStringLiteral("-1/4"), 0}, {}, std::nullopt, true},
        {"--shard wins over the array",
         {QStringLiteral("2/3"), 0},
         Environment({{"SLURM_ARRAY_TASK_ID", "1"}, {"SLURM_ARRAY_TASK_MIN", "1"}, {"SLURM_ARRAY_TASK_COUNT", "4"}}),
         Shard{1, 3},
         false},
        {"--shard with --shard-count", {QStringLiteral("1/2"), 2}, {}, std::nullopt, true},
        {"array 1-4, task 1",
         {},
         Environment({{"SLURM_ARRAY_TASK_ID", "1"}, {"SLURM_ARRAY_TASK_MIN", "1"}, {"SLURM_ARRAY_TASK_COUNT", "4"}}),
         Shard{0, 4},
         false},
        {"array 1-4, task 4",
         {},
         Environment({{"SLURM_ARRAY_TASK_ID", "4"}, {"SLURM_ARRAY_TASK_MIN", "1"}, {"SLURM_ARRAY_TASK_COUNT", "4"}}),
         Shard{3, 4},
         false},
        {"array 0-3, task 0",
         {},
         Environment({{"SLURM_ARRAY_TASK_ID", "0"}, {"SLURM_ARRAY_TASK_MIN", "0"}, {"SLURM_ARRAY_TASK_COUNT", "4"}}),
         Shard{0, 4},
         false},
        {"array 10-40:10, task 30",
         {},
         Environment({{"SLURM_ARRAY_TASK_ID", "30"},
                      {"SLURM_ARRAY_TASK_MIN", "10"},
                      {"SLURM_ARRAY_TASK_STEP", "10"},
                      {"SLURM_ARRAY_TASK_COUNT", "4"}}),
         Shard{2, 4},
         false},
        {"array 1,5,7: task 7 lies past three evenly spaced",
         {},
         Environment({{"SLURM_ARRAY_TASK_ID", "7"}, {"SLURM_ARRAY_TASK_MIN", "1"}, {"SLURM_ARRAY_TASK_COUNT", "3"}}),
         std::nullopt,
         true},
        {"array 1-7:2, task 4 off the step",
         {},
         Environment({{"SLURM_ARRAY_TASK_ID", "4"},
                      {"SLURM_ARRAY_TASK_MIN", "1"},
                      {"SLURM_ARRAY_TASK_STEP", "2"},
                      {"SLURM_ARRAY_TASK_COUNT", "4"}}),
         std::nullopt,
         true},
        {"array task without its count",
         {},
         Environment({{"SLURM_ARRAY_TASK_ID", "1"}, {"SLURM_ARRAY_TASK_MIN", "1"}}),
         std::nullopt,
         true},
        {"a plain Slurm job is no array", {}, Environment({{"SLURM_JOB_ID", "77"}}), std::nullopt, false},
        {"indexed job, index 0", {none, 3}, Environment({{"JOB_COMPLETION_INDEX", "0"}}), Shard{0, 3}, false},
        {"indexed job, index 2", {none, 3}, Environment({{"JOB_COMPLETION_INDEX", "2"}}), Shard{2, 3}, false},
        {"indexed job, index past the count", {none, 3}, Environment({{"JOB_COMPLETION_INDEX", "3"}}), std::nullopt,
         true},
        {"--shard-count outside an indexed job", {none, 3}, {}, std::nullopt, true},
        {"an indexed job without --shard-count takes everything",
         {},
         Environment({{"JOB_COMPLETION_INDEX", "1"}}),
         std::nullopt,
         false},
    };
    for (const ChoiceCase& c : cases) {
        SCOPED_TRACE(c.what);
        const ShardChoice choice = ChooseShard(c.request, c.environment);
        EXPECT_EQ(!choice.error.isEmpty(), c.error) << choice.error.toStdString();
        EXPECT_EQ(choice.shard, c.shard);
    }
}

TEST(ShardOfTest, StableBalancedAndAPartitionForEveryCount)
{
    // Pinned: a task of a new build retried beside tasks of an old one must take the same files
    // (the first eight bytes of the name's SHA-256, big-endian, modulo the count).
    const struct {
        const char* key;
        int count;
        int shard;
    } pinned[] = {
        {"p001.tif", 4, 2}, {"p002.tif", 4, 0}, {"p003.tif", 4, 1}, {"box1", 3, 0},
        {"box2", 3, 2},     {"扫描 0001.jpg", 5, 0}, {"a/b/c.tif", 7, 5}, {"anything", 1, 0},
    };
    for (const auto& p : pinned)
        EXPECT_EQ(ShardOf(QString::fromUtf8(p.key), p.count), p.shard) << p.key;

    QStringList names;
    for (int i = 0; i < 4000; ++i)
        names << QStringLiteral("box%1/page-%2.tif").arg(i / 100).arg(i, 6, 10, QLatin1Char('0'));
    for (const int count : {2, 3, 4, 7, 16}) {
        SCOPED_TRACE(count);
        std::vector<int> sizes(std::size_t(count), 0);
        for (const QString& name : names) {
            const int shard = ShardOf(name, count);
            ASSERT_GE(shard, 0);
            ASSERT_LT(shard, count);
            // Exactly one shard takes each name.
            int takers = 0;
            for (int k = 0; k < count; ++k)
                takers += Takes(Shard{k, count}, name) ? 1 : 0;
            ASSERT_EQ(takers, 1);
            ++sizes[std::size_t(shard)];
        }
        const double mean = double(names.size()) / count;
        for (const int size : sizes)
            EXPECT_NEAR(size, mean, mean * 0.15);
    }
}

TEST(TaskRecordTest, EachEntryIsOneLineOfJsonAndARetryStartsAfresh)
{
    const RecordEntry entry{QStringLiteral("in/a \"b\".tif"), QStringLiteral("out/a \"b\".tif"), kRecordFailed, 3, 1.25,
                            QStringLiteral("line 1\nline 2")};
    const QByteArray line = RecordLine(entry);
    ASSERT_TRUE(line.endsWith('\n'));
    EXPECT_EQ(line.count('\n'), 1);  // a newline inside a value is escaped
    QJsonParseError error;
    const QJsonObject object = QJsonDocument::fromJson(line, &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    EXPECT_EQ(object.value(QStringLiteral("input")).toString(), entry.input);
    EXPECT_EQ(object.value(QStringLiteral("output")).toString(), entry.output);
    EXPECT_EQ(object.value(QStringLiteral("status")).toString(), QStringLiteral("failed"));
    EXPECT_EQ(object.value(QStringLiteral("pages")).toInt(), 3);
    EXPECT_DOUBLE_EQ(object.value(QStringLiteral("seconds")).toDouble(), 1.25);
    EXPECT_EQ(object.value(QStringLiteral("error")).toString(), entry.error);
    EXPECT_EQ(object.size(), 6);

    EXPECT_EQ(RecordFileName("scanvo-clean", Shard{1, 4}), QStringLiteral("scanvo-clean.shard-2-of-4.jsonl"));
    EXPECT_STREQ(WrittenOrFailed(entry.input, entry.output, 2, 0.5, {}).status, kRecordDone);
    EXPECT_STREQ(WrittenOrFailed(entry.input, entry.output, 0, 0.5, QStringLiteral("bad")).status, kRecordFailed);

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("r.jsonl"));
    for (int attempt = 0; attempt < 2; ++attempt) {
        TaskRecord record;
        QString message;
        ASSERT_TRUE(record.open(path, &message)) << message.toStdString();
        EXPECT_TRUE(record.add(entry));
        EXPECT_TRUE(record.add(entry));
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), line + line);

    TaskRecord nowhere;
    QString message;
    EXPECT_FALSE(nowhere.open(dir.filePath(QStringLiteral("missing/r.jsonl")), &message));
    EXPECT_TRUE(message.contains(QStringLiteral("missing/r.jsonl"))) << message.toStdString();
}

// Files of a shard's folder with their times set, so that "newer" never hangs on the clock.
class ShardFolderTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QString file(const QString& name, qint64 secondsAgo)
    {
        const QString path = m_dir.filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x");
        f.flush();  // else the write at close would set the time again
        EXPECT_TRUE(f.setFileTime(QDateTime::currentDateTime().addSecs(-secondsAgo), QFileDevice::FileModificationTime));
        return path;
    }
    QString path(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

TEST_F(ShardFolderTest, AnOutputIsUpToDateWhenNewerThanEverySource)
{
    const QString oldSource = file(QStringLiteral("in/old.tif"), 300);
    const QString newSource = file(QStringLiteral("in/new.tif"), 100);
    const QString output = file(QStringLiteral("out/a.tif"), 200);
    EXPECT_TRUE(IsUpToDate(output, {oldSource}));
    EXPECT_FALSE(IsUpToDate(output, {newSource}));
    EXPECT_FALSE(IsUpToDate(output, {oldSource, newSource}));
    EXPECT_FALSE(IsUpToDate(output, {path(QStringLiteral("in/gone.tif"))}));
    EXPECT_FALSE(IsUpToDate(path(QStringLiteral("out/none.tif")), {oldSource}));
    EXPECT_FALSE(IsUpToDate(path(QStringLiteral("out")), {oldSource}));  // a folder is no output
    // A file added to a folder makes the folder newer.
    EXPECT_FALSE(IsUpToDate(output, {oldSource, path(QStringLiteral("in"))}));
}

TEST_F(ShardFolderTest, ATaskKeepsItsUpToDateOutputsRecordsThemAndClearsWhatAKilledOneLeft)
{
    // Six items, each alone in its shard's eyes by its key; outputs of some exist.
    std::vector<ShardItem> items;
    for (int i = 0; i < 6; ++i) {
        const QString name = QStringLiteral("p%1.tif").arg(i);
        const QString source = file(QStringLiteral("in/") + name, 300);
        items.push_back({name, source, path(QStringLiteral("out/") + name), {source}, true});
    }
    file(QStringLiteral("out/p0.tif"), 100);                 // newer: kept
    file(QStringLiteral("out/p1.tif"), 400);                 // older than its source: redone
    file(QStringLiteral("out/p2.tif"), 100);
    items[2].writable = false;                               // a problem: never kept
    const QString stale = file(QStringLiteral("out/.p3.tif.tmp-Ab12Cd"), 50);  // a killed writer's
    const QString other = file(QStringLiteral("out/notes.txt"), 50);

    for (const int count : {1, 2, 3}) {
        std::vector<std::size_t> all;
        for (int k = 0; k < count; ++k) {
            const ShardPlan plan = PlanShard(items, Shard{k, count}, false);
            all.insert(all.end(), plan.run.begin(), plan.run.end());
            all.insert(all.end(), plan.upToDate.begin(), plan.upToDate.end());
            for (const std::size_t i : plan.upToDate)
                EXPECT_EQ(i, 0u);
        }
        std::ranges::sort(all);
        EXPECT_EQ(all, (std::vector<std::size_t>{0, 1, 2, 3, 4, 5})) << count;
    }

    TaskRecord record;
    QString error;
    const std::optional<ShardPlan> plan =
        StartShardTask("tool", Shard{0, 1}, false, path(QStringLiteral("out")), items, &record, &error);
    ASSERT_TRUE(plan) << error.toStdString();
    EXPECT_EQ(plan->run, (std::vector<std::size_t>{1, 2, 3, 4, 5}));
    EXPECT_EQ(plan->upToDate, std::vector<std::size_t>{0});
    EXPECT_FALSE(QFileInfo::exists(stale));
    EXPECT_TRUE(QFileInfo::exists(other));
    QFile written(path(QStringLiteral("out/tool.shard-1-of-1.jsonl")));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), RecordLine({items[0].input, items[0].output, kRecordUpToDate, 0, 0, {}}));

    TaskRecord again;
    const std::optional<ShardPlan> forced =
        StartShardTask("tool", Shard{0, 1}, true, path(QStringLiteral("out")), items, &again, &error);
    ASSERT_TRUE(forced);
    EXPECT_EQ(forced->run.size(), 6u);
    EXPECT_TRUE(forced->upToDate.empty());
}

}  // namespace
}  // namespace scanvo::tools
