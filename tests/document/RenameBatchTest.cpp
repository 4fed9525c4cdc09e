// Renaming a batch of files through temporary names: collisions inside the batch, failures part
// way, and batches stopped at every step and put back.
#include "document/RenameBatch.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <stdexcept>

namespace scanvo {
namespace {

class RenameBatchTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return m_dir.path() + u'/' + name; }

    // Files whose contents are their own names, so a file can be followed through renames.
    void create(const QStringList& names)
    {
        for (const QString& name : names) {
            QFile file(path(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(name.toUtf8());
        }
    }

    QList<FileMove> moves(const QStringList& from, const QStringList& to) const
    {
        QList<FileMove> list;
        for (qsizetype i = 0; i < from.size(); ++i)
            list.append({path(from.at(i)), path(to.at(i))});
        return list;
    }

    // Every name in the directory (hidden ones included) with what the file first held.
    QMap<QString, QString> contents() const
    {
        QMap<QString, QString> found;
        const QStringList names = QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
        for (const QString& name : names) {
            QFile file(path(name));
            EXPECT_TRUE(file.open(QIODevice::ReadOnly));
            found.insert(name, QString::fromUtf8(file.readAll()));
        }
        return found;
    }

    // Each file under its own name, nothing else.
    QMap<QString, QString> unchanged(const QStringList& names) const
    {
        QMap<QString, QString> expected;
        for (const QString& name : names)
            expected.insert(name, name);
        return expected;
    }

    QTemporaryDir m_dir;
};

const QStringList kOld = {QStringLiteral("b.tif"), QStringLiteral("a0001.tif"), QStringLiteral("c.tif")};
const QStringList kNew = {QStringLiteral("a0001.tif"), QStringLiteral("a0002.tif"), QStringLiteral("a0003.tif")};

TEST_F(RenameBatchTest, NewNamesMayBeOldNamesOfTheBatch)
{
    create(kOld);
    const RenameBatchResult result = RunRenameBatch(moves(kOld, kNew));
    EXPECT_TRUE(result.ok) << result.failedPath.toStdString();
    const QMap<QString, QString> expected{{QStringLiteral("a0001.tif"), QStringLiteral("b.tif")},
                                          {QStringLiteral("a0002.tif"), QStringLiteral("a0001.tif")},
                                          {QStringLiteral("a0003.tif"), QStringLiteral("c.tif")}};
    EXPECT_EQ(contents(), expected);
}

TEST_F(RenameBatchTest, ANameTakenOutsideTheBatchStopsItBeforeAnyRename)
{
    create(kOld + QStringList{QStringLiteral("a0003.tif")});
    const RenameBatchResult result = RunRenameBatch(moves(kOld, kNew));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.failedPath, path(QStringLiteral("a0003.tif")));
    EXPECT_EQ(contents(), unchanged(kOld + QStringList{QStringLiteral("a0003.tif")}));

    // Two files of the batch cannot take one name either.
    const RenameBatchResult twice = RunRenameBatch(moves(kOld, {kNew.at(0), kNew.at(1), kNew.at(1)}));
    EXPECT_FALSE(twice.ok);
    EXPECT_EQ(contents(), unchanged(kOld + QStringList{QStringLiteral("a0003.tif")}));
}

TEST_F(RenameBatchTest, AFailureAtTheThirdFilePutsBackTheFilesAlreadyRenamed)
{
    // Forward, each file takes two renames: to its temporary name (steps 0-2), then to its new one
    // (steps 3-5). Step 5 is the third file's new name, taken by someone else just before.
    create(kOld);
    const RenameBatchResult result = RunRenameBatch(moves(kOld, kNew), [&](int done) {
        if (done == 5)
            create({QStringLiteral("a0003.tif")});
    });
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.restored);
    EXPECT_EQ(result.failedPath, path(QStringLiteral("a0003.tif")));
    EXPECT_EQ(contents(), unchanged(kOld + QStringList{QStringLiteral("a0003.tif")}));

    // The third file gone before it steps aside (step 2): the first two come back.
    QFile::remove(path(QStringLiteral("a0003.tif")));
    const RenameBatchResult vanished = RunRenameBatch(moves(kOld, kNew), [&](int done) {
        if (done == 2)
            QFile::remove(path(QStringLiteral("c.tif")));
    });
    EXPECT_FALSE(vanished.ok);
    EXPECT_EQ(vanished.failedPath, path(QStringLiteral("c.tif")));
    EXPECT_EQ(contents(), unchanged(kOld.mid(0, 2)));
}

TEST_F(RenameBatchTest, ABatchStoppedAtAnyStepIsPutBackByRecovery)
{
    // The step callback throwing leaves the files as a killed process would; the journal must
    // bring them back whatever the step.
    const QStringList old = {QStringLiteral("p2.tif"), QStringLiteral("p1.tif"), QStringLiteral("p3.tif"),
                             QStringLiteral("q.jpg")};
    const QStringList renamed = {QStringLiteral("p1.tif"), QStringLiteral("p2.tif"), QStringLiteral("p4.tif"),
                                 QStringLiteral("p3.jpg")};
    create(old);
    for (int stop = 0; stop < 2 * int(old.size()); ++stop) {
        SCOPED_TRACE(stop);
        EXPECT_THROW(RunRenameBatch(moves(old, renamed),
                                    [stop](int done) {
                                        if (done == stop)
                                            throw std::runtime_error("stopped");
                                    }),
                     std::runtime_error);
        EXPECT_TRUE(QFile::exists(RenameBatchJournalPath(m_dir.path())));
        EXPECT_TRUE(RecoverRenameBatch(m_dir.path()));
        EXPECT_EQ(contents(), unchanged(old));
    }
    // A batch started over a journal left behind recovers first, then runs.
    EXPECT_THROW(RunRenameBatch(moves(old, renamed), [](int done) {
        if (done == 5)
            throw std::runtime_error("stopped");
    }), std::runtime_error);
    EXPECT_TRUE(RunRenameBatch(moves(old, renamed)).ok);
    QMap<QString, QString> expected;
    for (qsizetype i = 0; i < old.size(); ++i)
        expected.insert(renamed.at(i), old.at(i));
    EXPECT_EQ(contents(), expected);
}

TEST_F(RenameBatchTest, RecoveryWithoutJournalChangesNothing)
{
    create(kOld);
    EXPECT_TRUE(RecoverRenameBatch(m_dir.path()));
    EXPECT_EQ(contents(), unchanged(kOld));
}

}  // namespace
}  // namespace scanvo
