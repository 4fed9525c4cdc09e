// Temporary files a killed save left beside a document: removed when they are ours and no one is
// writing them, and nothing else is touched.
#include "EngineTestPages.h"

#include "platform/engine/AtomicFile.h"
#include "platform/engine/EngineError.h"
#include "platform/engine/ImageFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace scanvo::engine;
using namespace enginetest;

TEST(StaleTemporaries, TheNamesOfOurTemporaryFiles)
{
    const QString base64 = QString(64, QLatin1Char('n'));
    for (const QString& name : {QStringLiteral(".document.tif.tmp-a1B2c3"), QStringLiteral(".x.tmp-000000"),
                                QStringLiteral(".第 1 页.jpg.tmp-ZZZZZZ"), QStringLiteral(".") + base64 + QStringLiteral(".tmp-abcdef")})
        EXPECT_TRUE(AtomicFile::IsTemporaryName(name)) << name.toStdString();
    for (const QString& name :
         {QStringLiteral("document.tif.tmp-a1B2c3"), QStringLiteral(".document.tif.tmp-a1B2c"),
          QStringLiteral(".document.tif.tmp-a1B2c3d"), QStringLiteral(".document.tif.tmp-a1_2c3"),
          QStringLiteral("..tmp-a1B2c3"), QStringLiteral(".document.tif.tmp_a1B2c3"), QStringLiteral(".document.tif"),
          QStringLiteral("."), QStringLiteral(".") + base64 + QStringLiteral("n.tmp-abcdef")})
        EXPECT_FALSE(AtomicFile::IsTemporaryName(name)) << name.toStdString();
}

TEST(StaleTemporaries, LeftoversAreRemovedAndNothingElse)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString document = dir.filePath(QStringLiteral("document.tif"));
    SavePage(BitonalPage(100, 100), document, SaveOptions());
    const QByteArray before = FileBytes(document);
    const QStringList leftovers = {QStringLiteral(".document.tif.tmp-a1B2c3"), QStringLiteral(".document.tif.tmp-Zz9Yy8"),
                                   QStringLiteral(".photo.jpg.tmp-q0q0q0")};
    for (const QString& name : leftovers)
        WriteBytes(dir.filePath(name), QByteArrayLiteral("half a page"));
    // Names like ours that are not ours, and ours that are not plain files.
    const QStringList others = {QStringLiteral("document.tif.tmp-a1B2c3"), QStringLiteral(".document.tif.tmp-abc"),
                                QStringLiteral(".notes"), QStringLiteral("page.tif")};
    for (const QString& name : others)
        WriteBytes(dir.filePath(name), QByteArrayLiteral("half a page"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral(".folder.tmp-abcdef")));
    ASSERT_TRUE(QFile::link(document, dir.filePath(QStringLiteral(".link.tif.tmp-abcdef"))));
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath(QStringLiteral(".pipe.tif.tmp-abcdef"))).constData(), 0600), 0);

    EXPECT_EQ(AtomicFile::RemoveStaleTemporaries(dir.path()), int(leftovers.size()));
    QStringList kept = others;
    kept << QStringLiteral("document.tif") << QStringLiteral(".folder.tmp-abcdef") << QStringLiteral(".link.tif.tmp-abcdef")
         << QStringLiteral(".pipe.tif.tmp-abcdef");
    kept.sort();
    EXPECT_EQ(DirEntries(dir.path()), kept);
    EXPECT_EQ(FileBytes(document), before);  // the link's target stays too
    EXPECT_EQ(AtomicFile::RemoveStaleTemporaries(dir.path()), 0);
    EXPECT_EQ(AtomicFile::RemoveStaleTemporaries(dir.filePath(QStringLiteral("missing"))), 0);
}

TEST(StaleTemporaries, AFileBeingWrittenIsLeftAlone)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString target = dir.filePath(QStringLiteral("document.jpg"));
    {
        AtomicFile writer(target);
        writer.write(QByteArrayLiteral("first half"));
        EXPECT_TRUE(AtomicFile::IsTemporaryName(QFileInfo(writer.tempPath()).fileName()));
        // The writer holds its lock: the cleaner of another document open leaves the file alone.
        EXPECT_EQ(AtomicFile::RemoveStaleTemporaries(dir.path()), 0);
        ASSERT_TRUE(QFileInfo::exists(writer.tempPath()));
        writer.write(QByteArrayLiteral(", second half"));
        writer.commit();
    }
    EXPECT_EQ(FileBytes(target), QByteArrayLiteral("first half, second half"));
    EXPECT_EQ(DirEntries(dir.path()), QStringList{QStringLiteral("document.jpg")});

    // A writer dropped without commit takes its temporary file with it.
    {
        AtomicFile abandoned(target);
        abandoned.write(QByteArrayLiteral("never"));
    }
    EXPECT_EQ(DirEntries(dir.path()), QStringList{QStringLiteral("document.jpg")});
    EXPECT_EQ(FileBytes(target), QByteArrayLiteral("first half, second half"));
}

namespace {

// Makes every temporary file of the block by name, as on a file system without unnamed files.
class NamedRouteOnly {
public:
    NamedRouteOnly() : m_previous(AtomicFile::SetUnnamedRouteEnabled(false)) {}
    ~NamedRouteOnly() { AtomicFile::SetUnnamedRouteEnabled(m_previous); }
    NamedRouteOnly(const NamedRouteOnly&) = delete;
    NamedRouteOnly& operator=(const NamedRouteOnly&) = delete;

private:
    bool m_previous;
};

}  // namespace

TEST(StaleTemporaries, TheNamedRouteWritesLocksAndCleansUpAsTheUnnamedOne)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const NamedRouteOnly named;
    const QString target = dir.filePath(QStringLiteral("document.tif"));
    WriteBytes(target, QByteArrayLiteral("old content"));
    ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), 0640), 0);
    {
        AtomicFile writer(target);
        writer.write(QByteArrayLiteral("new "));
        EXPECT_TRUE(AtomicFile::IsTemporaryName(QFileInfo(writer.tempPath()).fileName()));
        ASSERT_TRUE(QFileInfo::exists(writer.tempPath()));
        // Locked from the start: neither cleaner takes it while it is written.
        EXPECT_EQ(AtomicFile::RemoveStaleTemporaries(dir.path()), 0);
        EXPECT_EQ(AtomicFile::RemoveStaleTemporaries(dir.path(), {QFileInfo(writer.tempPath()).fileName()}), 0);
        ASSERT_TRUE(QFileInfo::exists(writer.tempPath()));
        EXPECT_EQ(FileBytes(target), QByteArrayLiteral("old content"));
        writer.write(QByteArrayLiteral("content"));
        writer.commit();
    }
    EXPECT_EQ(FileBytes(target), QByteArrayLiteral("new content"));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(target).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(DirEntries(dir.path()), QStringList{QStringLiteral("document.tif")});

    // Dropped without commit, or refused by a full page save, it leaves nothing behind.
    {
        AtomicFile abandoned(target);
        abandoned.write(QByteArrayLiteral("never"));
    }
    SavePage(BitonalPage(64, 64), dir.filePath(QStringLiteral("page.tif")), SaveOptions());
    EXPECT_EQ(LoadPage(dir.filePath(QStringLiteral("page.tif")), 1).width(), 64);
    EXPECT_EQ(DirEntries(dir.path()), QStringList({QStringLiteral("document.tif"), QStringLiteral("page.tif")}));
    EXPECT_EQ(FileBytes(target), QByteArrayLiteral("new content"));
}

TEST(StaleTemporaries, OnlyTheNamedLeftoversAreRemoved)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char* name : {".a.tif.tmp-aaaaaa", ".b.tif.tmp-bbbbbb", ".notes"})
        WriteBytes(dir.filePath(QString::fromLatin1(name)), QByteArrayLiteral("half a page"));
    // Not of our form, missing, or not named: each stays.
    EXPECT_EQ(AtomicFile::RemoveStaleTemporaries(dir.path(), {QStringLiteral(".a.tif.tmp-aaaaaa"), QStringLiteral(".notes"),
                                                              QStringLiteral(".c.tif.tmp-cccccc")}),
              1);
    EXPECT_EQ(DirEntries(dir.path()), QStringList({QStringLiteral(".b.tif.tmp-bbbbbb"), QStringLiteral(".notes")}));
    EXPECT_EQ(AtomicFile::RemoveStaleTemporaries(dir.filePath(QStringLiteral("missing")), {QStringLiteral(".b.tif.tmp-bbbbbb")}), 0);
}
