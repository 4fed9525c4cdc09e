// Appending to a multi-page TIFF writes the new page after the file's end and one link: the other
// pages are neither read nor rewritten, every TIFF reader takes the file, and a writer that holds
// the file already makes the append fall back to a whole rewrite.
#include "EngineTestPages.h"

#include "platform/engine/ImageFile.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <leptonica/allheaders.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace scanvo::engine;
using namespace enginetest;

namespace {

// Bytes this process has handed to write calls so far.
qint64 BytesWritten()
{
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : io.readAll().split('\n'))
        if (line.startsWith("wchar:"))
            return line.mid(6).trimmed().toLongLong();
    return -1;
}

ino_t InodeOf(const QString& path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

TEST(AppendInPlace, WritesOnlyTheNewPageAndEveryReaderTakesTheFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const int format : {FormatTiffG4, FormatTiffJpeg422, FormatTiffLzw}) {
        SCOPED_TRACE(format);
        const QString path = dir.filePath(QStringLiteral("doc-%1.tif").arg(format));
        const bool bitonal = IsBitonalFormat(format);
        auto page = [&](int label) { return bitonal ? BitonalPage(1240, 1754, label) : ColourPage(620, 877, label); };
        for (int i = 0; i < 24; ++i)
            SavePage(page(i + 1), path, SaveAt(i == 0 ? SaveNew : SaveAppend, 0, format));
        const QByteArray before = FileBytes(path);
        const std::vector<std::vector<QByteArray>> pagesBefore = RawPages(path);
        const ino_t inode = InodeOf(path);

        const qint64 written = BytesWritten();
        SavePage(page(99), path, SaveAt(SaveAppend, 0, format));
        const qint64 cost = BytesWritten() - written;
        const QByteArray after = FileBytes(path);
        // One page's bytes, not the document's: a rewrite would write all 25 pages again.
        EXPECT_LT(cost, (after.size() - before.size()) * 2 + 4096);
        EXPECT_EQ(InodeOf(path), inode);
        // The old pages are where they were, as they were; only one link in the old bytes changed.
        std::vector<std::vector<QByteArray>> pagesAfter = RawPages(path);
        ASSERT_EQ(pagesAfter.size(), pagesBefore.size() + 1);
        pagesAfter.pop_back();
        EXPECT_EQ(pagesAfter, pagesBefore);
        int changed = 0;
        for (qsizetype i = 0; i < before.size(); ++i)
            changed += after[i] != before[i];
        EXPECT_LE(changed, 4);
        const Image expected = LoadPage(path, 25);
        if (bitonal)
            EXPECT_TRUE(expected.samePixels(page(99)));

        // Other readers: libtiff's tools and Leptonica.
        QProcess info;
        info.start(QStringLiteral("tiffinfo"), {path});
        ASSERT_TRUE(info.waitForFinished(60000));
        EXPECT_EQ(info.exitCode(), 0) << info.readAllStandardError().toStdString();
        EXPECT_EQ(info.readAllStandardOutput().count("TIFF Directory at offset"), 25);
        const QString copy = dir.filePath(QStringLiteral("copy.tif"));
        EXPECT_EQ(QProcess::execute(QStringLiteral("tiffcp"), {path, copy}), 0);
        EXPECT_EQ(PageCount(copy), 25);
        PIX* last = pixReadTiff(QFile::encodeName(path).constData(), 24);
        ASSERT_NE(last, nullptr);
        EXPECT_EQ(pixGetWidth(last), expected.width());
        pixDestroy(&last);
    }
}

TEST(AppendInPlace, AFileAnotherWriterHoldsIsRewrittenWhole)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("held.tif"));
    SavePage(BitonalPage(600, 800, 1), path, SaveAt(SaveNew, 0));
    SavePage(BitonalPage(600, 800, 2), path, SaveAt(SaveAppend, 0));
    const std::vector<std::vector<QByteArray>> pagesBefore = RawPages(path);
    const ino_t inode = InodeOf(path);
    const int held = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    SavePage(BitonalPage(600, 800, 3), path, SaveAt(SaveAppend, 0));
    ::close(held);
    EXPECT_NE(InodeOf(path), inode);  // written through a new file renamed over it
    std::vector<std::vector<QByteArray>> pagesAfter = RawPages(path);
    ASSERT_EQ(pagesAfter.size(), 3u);
    pagesAfter.pop_back();
    EXPECT_EQ(pagesAfter, pagesBefore);
    EXPECT_TRUE(LoadPage(path, 3).samePixels(BitonalPage(600, 800, 3)));
}

}  // namespace
