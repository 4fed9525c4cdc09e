// Edits of a multi-page TIFF in place: an append, insert or replace writes the new page after the
// file's end and one link, a deletion one link; the other pages are neither read nor rewritten,
// every TIFF reader takes the file, a file a quarter unused is compacted, and a writer that holds
// the file already makes the edit fall back to a whole rewrite.
#include "EngineTestPages.h"

#include "platform/engine/EngineError.h"
#include "platform/engine/ImageFile.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <leptonica/allheaders.h>
#include <tiffio.h>

#include <fcntl.h>
#include <map>
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

// libtiff's own tools and Leptonica read every page of the file.
void ExpectReadersTakeIt(const QString& path, int pages, const QString& scratch)
{
    QProcess info;
    info.start(QStringLiteral("tiffinfo"), {path});
    ASSERT_TRUE(info.waitForFinished(60000));
    EXPECT_EQ(info.exitCode(), 0) << info.readAllStandardError().toStdString();
    EXPECT_EQ(info.readAllStandardOutput().count("TIFF Directory at offset"), pages);
    QFile::remove(scratch);
    EXPECT_EQ(QProcess::execute(QStringLiteral("tiffcp"), {path, scratch}), 0);
    EXPECT_EQ(PageCount(scratch), pages);
    PIX* last = pixReadTiff(QFile::encodeName(path).constData(), pages - 1);
    ASSERT_NE(last, nullptr);
    pixDestroy(&last);
}

TEST(InPlaceEdit, WritesOnlyTheNewPageAndEveryReaderTakesTheFile)
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

        ExpectReadersTakeIt(path, 25, dir.filePath(QStringLiteral("copy.tif")));
    }
}

TEST(InPlaceEdit, InsertReplaceAndDeleteRelinkTheChainAndCompactionReclaimsTheRest)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("doc.tif"));
    std::vector<int> model;  // the label each page was drawn with
    for (int i = 0; i < 24; ++i) {
        SavePage(BitonalPage(1240, 1754, i + 1), path, SaveAt(i == 0 ? SaveNew : SaveAppend, 0));
        model.push_back(i + 1);
    }
    std::map<int, std::vector<QByteArray>> stored;  // each label's strips as first stored
    for (std::size_t i = 0; i < model.size(); ++i)
        stored[model[i]] = RawPages(path)[i];
    const ino_t inode = InodeOf(path);
    auto expectModel = [&] {
        const std::vector<std::vector<QByteArray>> pages = RawPages(path);
        ASSERT_EQ(pages.size(), model.size());
        for (std::size_t i = 0; i < model.size(); ++i)
            EXPECT_EQ(pages[i], stored[model[i]]) << "page " << i + 1;
    };
    struct Step {
        const char* name;
        int mode;  // save mode, or -1 for a deletion
        int page;  // 1-based
        int label;
    };
    const Step steps[] = {{"insert first", SaveInsert, 1, 101}, {"insert middle", SaveInsert, 12, 102},
                          {"replace first", SaveReplace, 1, 103}, {"replace last", SaveReplace, 26, 104},
                          {"delete first", -1, 1, 0},             {"delete middle", -1, 9, 0},
                          {"delete last", -1, 24, 0}};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        const qint64 size = QFileInfo(path).size();
        const qint64 written = BytesWritten();
        if (step.mode < 0) {
            DeletePage(path, step.page);
            model.erase(model.begin() + (step.page - 1));
            EXPECT_LE(BytesWritten() - written, 8);
        } else {
            const Image page = BitonalPage(1240, 1754, step.label);
            SavePage(page, path, SaveAt(step.mode, step.page));
            stored[step.label] = RawPages(path)[std::size_t(step.page - 1)];
            EXPECT_TRUE(LoadPage(path, step.page).samePixels(page));
            if (step.mode == SaveInsert)
                model.insert(model.begin() + (step.page - 1), step.label);
            else
                model[std::size_t(step.page - 1)] = step.label;
            EXPECT_LT(BytesWritten() - written, (QFileInfo(path).size() - size) * 2 + 4096);
        }
        EXPECT_EQ(InodeOf(path), inode);
        expectModel();
        ExpectReadersTakeIt(path, int(model.size()), dir.filePath(QStringLiteral("copy.tif")));
    }

    // Replacing pages one after another: once a quarter of the file is unused it is rewritten.
    bool compacted = false;
    for (int round = 0; round < 12 && !compacted; ++round) {
        const Image page = BitonalPage(1240, 1754, 200 + round);
        SavePage(page, path, SaveAt(SaveReplace, 2 + round));
        stored[200 + round] = RawPages(path)[std::size_t(1 + round)];
        model[std::size_t(1 + round)] = 200 + round;
        compacted = InodeOf(path) != inode;
    }
    EXPECT_TRUE(compacted);
    expectModel();
    // On request: a file with unused bytes after its end keeps its pages and loses the rest.
    const qint64 compactSize = QFileInfo(path).size();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write(QByteArray(100000, 'x'));
    file.close();
    CompactPageFile(path);
    EXPECT_EQ(QFileInfo(path).size(), compactSize);
    expectModel();
}

TEST(InPlaceEdit, AClassicFileNearItsLimitContinuesAsBigTiff)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("long.tif"));
    // A limit a few pages away stands in for 4 GiB.
    struct Limit {
        std::uint64_t old = SetClassicTiffLimit(400000);
        ~Limit() { SetClassicTiffLimit(old); }
    } limit;
    std::vector<Image> pages;
    bool big = false;
    for (int i = 0; i < 40 && !big; ++i) {
        pages.push_back(BitonalPage(1240, 1754, i + 1));
        SavePage(pages.back(), path, SaveAt(i == 0 ? SaveNew : SaveAppend, 0));
        big = FileBytes(path).startsWith(QByteArray("II+\0", 4));
    }
    ASSERT_TRUE(big) << "the file never passed the limit";
    // Edits go on in place in the BigTIFF file, and every reader takes it.
    const ino_t inode = InodeOf(path);
    pages.insert(pages.begin(), BitonalPage(1240, 1754, 90));
    SavePage(pages.front(), path, SaveAt(SaveInsert, 1));
    pages.push_back(BitonalPage(1240, 1754, 91));
    SavePage(pages.back(), path, SaveAt(SaveAppend, 0));
    DeletePage(path, 2);
    pages.erase(pages.begin() + 1);
    EXPECT_EQ(InodeOf(path), inode);
    ASSERT_EQ(PageCount(path), int(pages.size()));
    for (std::size_t i = 0; i < pages.size(); ++i)
        EXPECT_TRUE(LoadPage(path, int(i) + 1).samePixels(pages[i])) << "page " << i + 1;
    ExpectReadersTakeIt(path, int(pages.size()), dir.filePath(QStringLiteral("copy.tif")));
}

TEST(InPlaceEdit, ADeletionNeverPutsAnUnreadablePageFirst)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("doc.tif"));
    SavePage(BitonalPage(600, 800, 1), path, SaveAt(SaveNew, 0));
    SavePage(BitonalPage(600, 800, 2), path, SaveAt(SaveAppend, 0));
    // Page 2's chain link is sound, its directory is not: a reader opening the file would fail.
    QByteArray bytes = FileBytes(path);
    SetTiffTag(bytes, 1, TIFFTAG_IMAGEWIDTH, 0);
    WriteBytes(path, bytes);
    EXPECT_THROW(DeletePage(path, 1), EngineError);
    EXPECT_EQ(FileBytes(path), bytes);
    EXPECT_EQ(PageCount(path), 2);
    DeletePage(path, 2);  // the sound page stays first
    EXPECT_TRUE(LoadPage(path, 1).samePixels(BitonalPage(600, 800, 1)));
}

TEST(InPlaceEdit, AFileAnotherWriterHoldsIsRewrittenWhole)
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
