// scanvo-clean and scanvo-pdf as the tasks of a cluster job: shards run one after another write
// each output once and all of them together, a task killed mid-way and run again finishes with
// every output whole and none written twice, the records of all tasks name every input once, and
// a retried task keeps what is up to date unless told --force.
#include "fixtures/PageGenerator.h"
#include "platform/engine/AtomicFile.h"
#include "platform/engine/ImageFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace scanvo::tools {
namespace {

using engine::Image;

constexpr int kFinishMs = 120000;

// The environment of a task: this process's, less what a scheduler would have set.
QProcessEnvironment TaskEnvironment(std::initializer_list<std::pair<QString, QString>> extra = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& name : environment.keys()) {
        if (name.startsWith(QStringLiteral("SLURM_")) || name == QStringLiteral("JOB_COMPLETION_INDEX"))
            environment.remove(name);
    }
    for (const auto& [name, value] : extra)
        environment.insert(name, value);
    return environment;
}

// Runs program to its end (bounded) and gives its exit code, -1 when it crashed or hung.
int RunTask(const char* program, const QStringList& arguments, const QProcessEnvironment& environment = TaskEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QString::fromLocal8Bit(program), arguments);
    if (!process.waitForStarted(10000)) {
        ADD_FAILURE() << program << ": " << process.errorString().toStdString();
        return -1;
    }
    const bool finished = process.waitForFinished(kFinishMs);
    EXPECT_TRUE(finished) << program;
    if (!finished) {
        process.kill();
        process.waitForFinished(5000);
        return -1;
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

struct Line {
    QString input, output, status;
    int pages = 0;
};

// Every line of every record in folder; a line that is not whole JSON fails the test.
std::vector<Line> Records(const QString& folder)
{
    std::vector<Line> lines;
    for (const QString& name : QDir(folder).entryList({QStringLiteral("*.jsonl")}, QDir::Files)) {
        QFile file(QDir(folder).filePath(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray all = file.readAll();
        EXPECT_TRUE(all.isEmpty() || all.endsWith('\n')) << name.toStdString();
        for (const QByteArray& text : all.split('\n')) {
            if (text.isEmpty())
                continue;
            QJsonParseError error;
            const QJsonObject object = QJsonDocument::fromJson(text, &error).object();
            EXPECT_EQ(error.error, QJsonParseError::NoError) << text.toStdString();
            lines.push_back({object.value(QStringLiteral("input")).toString(),
                             object.value(QStringLiteral("output")).toString(),
                             object.value(QStringLiteral("status")).toString(),
                             object.value(QStringLiteral("pages")).toInt()});
        }
    }
    return lines;
}

// How many times the records name each input's file name.
QMap<QString, int> Named(const std::vector<Line>& lines)
{
    QMap<QString, int> named;
    for (const Line& line : lines)
        ++named[QFileInfo(line.input).fileName()];
    return named;
}

// The files of folder with the time each was last written.
QMap<QString, QDateTime> Written(const QString& folder, const QString& pattern)
{
    QMap<QString, QDateTime> written;
    for (const QFileInfo& info : QDir(folder).entryInfoList({pattern}, QDir::Files | QDir::Hidden))
        written.insert(info.fileName(), info.lastModified());
    return written;
}

class ShardProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        in = m_dir.filePath(QStringLiteral("in"));
        out = m_dir.filePath(QStringLiteral("out"));
        QDir().mkpath(in);
    }

    // count one-page TIFF files p000.tif ... of a scanned page each, and a damaged one.
    void writeScans(int count, int width = 620, int height = 877)
    {
        for (int i = 0; i < count; ++i) {
            testing::PageOptions options;
            options.width = width;
            options.height = height;
            options.dpi = 75;
            options.borderSides = 1;
            options.borderDepth = 20;
            options.speckles = 30;
            options.seed = unsigned(i + 1);
            engine::SaveOptions save;
            save.format = engine::FormatTiffG4;
            engine::SavePage(testing::GeneratePage(options).page, in + QStringLiteral("/p%1.tif").arg(i, 3, 10, QLatin1Char('0')),
                             save);
        }
        QFile damaged(in + QStringLiteral("/damaged.tif"));
        ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
        damaged.write("II*\0garbage", 11);
        inputs = QDir(in).entryList(QDir::Files, QDir::Name);
    }

    QString root() const { return m_dir.path(); }

    QString in, out;
    QStringList inputs;  // file names

private:
    QTemporaryDir m_dir;
};

TEST_F(ShardProgramTest, SlurmArrayTasksOneAfterAnotherWriteEachOutputOnceAndRecordEveryInputOnce)
{
    writeScans(14);
    constexpr int kTasks = 3;
    QMap<QString, QDateTime> before;
    for (int task = 1; task <= kTasks; ++task) {
        SCOPED_TRACE(task);
        // An array given as --array=1-3: indexes from 1.
        const QProcessEnvironment environment = TaskEnvironment({{QStringLiteral("SLURM_ARRAY_TASK_ID"), QString::number(task)},
                                                                 {QStringLiteral("SLURM_ARRAY_TASK_MIN"), QStringLiteral("1")},
                                                                 {QStringLiteral("SLURM_ARRAY_TASK_COUNT"), QString::number(kTasks)}});
        RunTask(SCANVO_CLEAN_PROGRAM, {"-q", "-s", "-o", out, in}, environment);
        const QMap<QString, QDateTime> after = Written(out, QStringLiteral("*.tif"));
        // Outputs of earlier tasks are untouched; this task's are new.
        for (auto it = before.begin(); it != before.end(); ++it)
            EXPECT_EQ(after.value(it.key()), it.value()) << it.key().toStdString();
        before = after;
    }
    // The union is every readable input, each written once.
    QStringList readable = inputs;
    readable.removeAll(QStringLiteral("damaged.tif"));
    EXPECT_EQ(QStringList(before.keys()), readable);
    for (const QString& name : readable)
        EXPECT_EQ(engine::PageCount(out + u'/' + name), 1) << name.toStdString();

    const std::vector<Line> lines = Records(out);
    const QMap<QString, int> named = Named(lines);
    EXPECT_EQ(QStringList(named.keys()), inputs);
    for (auto it = named.begin(); it != named.end(); ++it)
        EXPECT_EQ(it.value(), 1) << it.key().toStdString();
    for (const Line& line : lines) {
        const bool damaged = line.input.endsWith(QStringLiteral("damaged.tif"));
        EXPECT_EQ(line.status, damaged ? QStringLiteral("failed") : QStringLiteral("done")) << line.input.toStdString();
        EXPECT_EQ(line.pages, damaged ? 0 : 1);
        EXPECT_EQ(line.output, out + u'/' + QFileInfo(line.input).fileName());
    }
    EXPECT_EQ(QDir(out).entryList({QStringLiteral("*.jsonl")}, QDir::Files),
              QStringList({"scanvo-clean.shard-1-of-3.jsonl", "scanvo-clean.shard-2-of-3.jsonl",
                           "scanvo-clean.shard-3-of-3.jsonl"}));
    // Every task took a share.
    for (int task = 1; task <= kTasks; ++task)
        EXPECT_GT(QFileInfo(out + QStringLiteral("/scanvo-clean.shard-%1-of-3.jsonl").arg(task)).size(), 0);
}

TEST_F(ShardProgramTest, ARetriedTaskKeepsWhatIsUpToDateRedoesWhatChangedAndForceRedoesAll)
{
    writeScans(8);
    const QStringList shard = {"-q", "-s", "--shard", "2/2", "-o", out, in};
    const QString record = out + QStringLiteral("/scanvo-clean.shard-2-of-2.jsonl");
    RunTask(SCANVO_CLEAN_PROGRAM, shard);
    const QMap<QString, QDateTime> first = Written(out, QStringLiteral("*.tif"));
    ASSERT_FALSE(first.isEmpty());
    const auto statuses = [&] {
        QMap<QString, QString> status;
        for (const Line& line : Records(out)) {
            if (line.output.startsWith(out))
                status.insert(QFileInfo(line.input).fileName(), line.status);
        }
        return status;
    };

    // Again: nothing is written, every output of the shard is recorded as kept.
    RunTask(SCANVO_CLEAN_PROGRAM, shard);
    EXPECT_EQ(Written(out, QStringLiteral("*.tif")), first);
    for (const QString& name : first.keys())
        EXPECT_EQ(statuses().value(name), QStringLiteral("up-to-date")) << name.toStdString();

    // An input changed after its output was written is cleaned again, the others kept.
    const QString changed = first.firstKey();
    {
        QFile file(in + u'/' + changed);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(first.value(changed).addSecs(5), QFileDevice::FileModificationTime));
    }
    RunTask(SCANVO_CLEAN_PROGRAM, shard);
    const QMap<QString, QDateTime> second = Written(out, QStringLiteral("*.tif"));
    for (const QString& name : first.keys()) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(second.value(name) != first.value(name), name == changed);
        EXPECT_EQ(statuses().value(name), name == changed ? QStringLiteral("done") : QStringLiteral("up-to-date"));
    }

    // --force cleans every file of the shard again.
    RunTask(SCANVO_CLEAN_PROGRAM, QStringList{"--force"} + shard);
    const QMap<QString, QDateTime> forced = Written(out, QStringLiteral("*.tif"));
    for (const QString& name : first.keys()) {
        EXPECT_NE(forced.value(name), second.value(name)) << name.toStdString();
        EXPECT_EQ(statuses().value(name), QStringLiteral("done"));
    }
    // Without a shard the tool writes no record and keeps nothing, as it always did.
    QFile::remove(record);
    RunTask(SCANVO_CLEAN_PROGRAM, {"-q", "-s", "-o", out, in + u'/' + changed});
    EXPECT_FALSE(QFileInfo::exists(record));
    EXPECT_NE(Written(out, changed).value(changed), forced.value(changed));
}

TEST_F(ShardProgramTest, ATaskKilledMidWayAndRunAgainLeavesEveryOutputWholeAndNoneWrittenTwice)
{
    writeScans(30, 1240, 1754);
    QDir().mkpath(out);
    const QString canonicalOut = QFileInfo(out).canonicalFilePath();
    const QString record = canonicalOut + QStringLiteral("/scanvo-clean.shard-1-of-1.jsonl");
    const QStringList arguments = {"-q", "-j", "1", "--shard", "1/1", "-o", canonicalOut, in};

    QProcess task;
    task.setProcessEnvironment(TaskEnvironment());
    QFileSystemWatcher watcher({canonicalOut});
    QSignalSpy changed(&watcher, &QFileSystemWatcher::directoryChanged);
    task.start(QStringLiteral(SCANVO_CLEAN_PROGRAM), arguments);
    ASSERT_TRUE(task.waitForStarted(10000));
    // Killed once a few files are done, while it works on the next.
    const auto done = [&] { return int(Records(canonicalOut).size()); };
    for (int round = 0; round < 200 && done() < 3 && task.state() == QProcess::Running; ++round)
        changed.wait(500);
    ASSERT_GE(done(), 3) << "the task finished or stalled before it could be killed";
    ASSERT_EQ(task.state(), QProcess::Running) << "the task finished before it could be killed";
    task.kill();
    ASSERT_TRUE(task.waitForFinished(10000));
    const int doneBeforeKill = done();
    ASSERT_LT(doneBeforeKill, inputs.size()) << "the task finished before it could be killed";

    // What the killed task left: its record in whole lines, each output it had written whole.
    const QMap<QString, QDateTime> left = Written(canonicalOut, QStringLiteral("*.tif"));
    for (const QString& name : left.keys())
        EXPECT_EQ(engine::PageCount(canonicalOut + u'/' + name), 1) << name.toStdString();

    RunTask(SCANVO_CLEAN_PROGRAM, arguments);
    const QMap<QString, QDateTime> all = Written(canonicalOut, QStringLiteral("*.tif"));
    QStringList readable = inputs;
    readable.removeAll(QStringLiteral("damaged.tif"));
    EXPECT_EQ(QStringList(all.keys()), readable);
    for (const QString& name : all.keys()) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(engine::PageCount(canonicalOut + u'/' + name), 1);
        if (left.contains(name)) {
            EXPECT_EQ(all.value(name), left.value(name));  // not written twice
        }
    }
    // Nothing half-written or temporary is left.
    for (const QString& name : QDir(canonicalOut).entryList(QDir::Files | QDir::Hidden))
        EXPECT_TRUE(name.endsWith(QStringLiteral(".tif")) || name.endsWith(QStringLiteral(".jsonl"))) << name.toStdString();
    // The record of the retry names every input once: kept, written or failed.
    const std::vector<Line> lines = Records(canonicalOut);
    const QMap<QString, int> named = Named(lines);
    EXPECT_EQ(QStringList(named.keys()), inputs);
    int kept = 0;
    for (const Line& line : lines) {
        EXPECT_EQ(named.value(QFileInfo(line.input).fileName()), 1);
        kept += line.status == QStringLiteral("up-to-date") ? 1 : 0;
    }
    EXPECT_EQ(kept, left.size());
    EXPECT_GE(kept, doneBeforeKill - 1);  // the damaged file may have been among those recorded
}

TEST_F(ShardProgramTest, PdfShardsWriteEachFoldersPdfOnceAndRecordEachFolderOnce)
{
    // Five folders of two pages each, one PDF per folder.
    writeScans(10);
    QStringList folders;
    for (int f = 0; f < 5; ++f) {
        const QString folder = root() + QStringLiteral("/box%1").arg(f);
        QDir().mkpath(folder);
        for (int p = 0; p < 2; ++p) {
            const QString name = QStringLiteral("p%1.tif").arg(f * 2 + p, 3, 10, QLatin1Char('0'));
            ASSERT_TRUE(QFile::copy(in + u'/' + name, folder + u'/' + name));
        }
        folders << folder;
    }
    const QString pdfs = out + u'/';
    QMap<QString, QDateTime> before;
    for (int k = 1; k <= 2; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(RunTask(SCANVO_PDF_PROGRAM, QStringList{"-q", "--shard", QStringLiteral("%1/2").arg(k), "-o", pdfs} + folders), 0);
        const QMap<QString, QDateTime> after = Written(out, QStringLiteral("*.pdf"));
        for (auto it = before.begin(); it != before.end(); ++it)
            EXPECT_EQ(after.value(it.key()), it.value()) << it.key().toStdString();
        before = after;
    }
    EXPECT_EQ(QStringList(before.keys()), QStringList({"box0.pdf", "box1.pdf", "box2.pdf", "box3.pdf", "box4.pdf"}));
    const std::vector<Line> lines = Records(out);
    ASSERT_EQ(lines.size(), 5u);
    const QMap<QString, int> named = Named(lines);
    EXPECT_EQ(named.size(), 5);
    for (const Line& line : lines) {
        EXPECT_EQ(line.status, QStringLiteral("done"));
        EXPECT_EQ(line.pages, 2);
    }
    // The second task again: its PDF files are kept.
    EXPECT_EQ(RunTask(SCANVO_PDF_PROGRAM, QStringList{"-q", "--shard", "2/2", "-o", pdfs} + folders), 0);
    EXPECT_EQ(Written(out, QStringLiteral("*.pdf")), before);
    // A single PDF cannot be split; the usage error says so.
    EXPECT_EQ(RunTask(SCANVO_PDF_PROGRAM, QStringList{"-q", "--shard", "1/2", "-o", out + "/all.pdf"} + folders), 2);
}

}  // namespace
}  // namespace scanvo::tools
