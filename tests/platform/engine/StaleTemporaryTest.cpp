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
