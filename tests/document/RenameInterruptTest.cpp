// A batch rename killed at random points: after recovery every file is under exactly one of its
// two names, all under the old ones or (when the batch had finished) all under the new ones.
#include "document/RenameBatch.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace scanvo {
namespace {

constexpr int kFiles = 600;
constexpr int kKills = 30;

QString FilePath(const QString& directory, int n)
{
    return directory + QStringLiteral("/p%1.tif").arg(n);
}

void CreateFiles(const QString& directory)
{
    for (int i = 1; i <= kFiles; ++i) {
        QFile file(FilePath(directory, i));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::number(i));
    }
}

// Runs the renaming child on directory and kills it delay microseconds after it began renaming
// (delay < 0: lets it finish). Returns how long its renames took, in microseconds, when it
// finished.
qint64 RunChild(const QString& directory, int delay)
{
    QProcess child;
    child.start(QStringLiteral(RENAME_BATCH_CHILD), {directory, QString::number(kFiles)});
    EXPECT_TRUE(child.waitForStarted(10000));
    EXPECT_TRUE(child.canReadLine() || child.waitForReadyRead(10000));
    EXPECT_EQ(child.readLine().trimmed(), QByteArray("start"));
    if (delay >= 0) {
        QThread::usleep(delay);
        child.kill();
    }
    if (child.state() != QProcess::NotRunning) {
        EXPECT_TRUE(child.waitForFinished(10000)) << child.errorString().toStdString();
    }
    return child.readAll().trimmed().toLongLong();
}

// Which of its two names each file is under: 0 old only, 1 new only; -1 for a file found under
// both, neither or a stranger's name.
void ExpectEveryFileUnderOneName(const QString& directory, int* allOld, int* allNew)
{
    QMap<QByteArray, QString> holder;
    const QStringList names = QDir(directory).entryList(QDir::Files | QDir::Hidden);
    for (const QString& name : names) {
        QFile file(directory + u'/' + name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray id = file.readAll();
        ASSERT_FALSE(holder.contains(id)) << "file " << id.constData() << " twice";
        holder.insert(id, name);
    }
    ASSERT_EQ(holder.size(), kFiles);
    int old = 0, renamed = 0;
    for (int i = 1; i <= kFiles; ++i) {
        const QString name = holder.value(QByteArray::number(i));
        if (name == QStringLiteral("p%1.tif").arg(i))
            ++old;
        else if (name == QStringLiteral("p%1.tif").arg(i + 1))
            ++renamed;
        else
            ADD_FAILURE() << "file " << i << " under " << name.toStdString();
    }
    *allOld = old == kFiles;
    *allNew = renamed == kFiles;
}

TEST(RenameInterrupt, EveryFileEndsUnderItsOldOrItsNewName)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    // One run to the end tells how long a whole batch takes here.
    const QString timing = root.path() + QStringLiteral("/timing");
    ASSERT_TRUE(QDir().mkpath(timing));
    CreateFiles(timing);
    qint64 whole = std::max<qint64>(RunChild(timing, -1), 1000);
    int allOld = 0, allNew = 0;
    ExpectEveryFileUnderOneName(timing, &allOld, &allNew);
    EXPECT_TRUE(allNew);

    QRandomGenerator random(12);
    int stoppedPartWay = 0;
    // A busy machine makes batches slower or faster than the timing run: kills that find the batch
    // finished shorten the delays drawn, and a few more rounds are run until enough of them have
    // landed part-way, within a bound.
    for (int kill = 0; kill < kKills || (stoppedPartWay <= kKills / 4 && kill < 4 * kKills); ++kill) {
        const int delay = random.bounded(int(whole * 11 / 10) + 1);
        SCOPED_TRACE(delay);
        const QString directory = root.path() + QStringLiteral("/run%1").arg(kill);
        ASSERT_TRUE(QDir().mkpath(directory));
        CreateFiles(directory);
        RunChild(directory, delay);
        const bool journalLeft = QFile::exists(RenameBatchJournalPath(directory));
        EXPECT_TRUE(RecoverRenameBatch(directory));
        EXPECT_FALSE(QFile::exists(RenameBatchJournalPath(directory)));
        ExpectEveryFileUnderOneName(directory, &allOld, &allNew);
        EXPECT_TRUE(allOld || allNew);
        if (journalLeft)
            ++stoppedPartWay;
        else if (allNew)
            whole = std::max<qint64>(whole * 3 / 4, 1000);
        QDir(directory).removeRecursively();
    }
    // The kills must have hit batches at work, not only before or after them.
    EXPECT_GT(stoppedPartWay, kKills / 4);
}

}  // namespace
}  // namespace scanvo
