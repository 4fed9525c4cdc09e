// The page read ahead on a worker thread: handed over only for the file read, unchanged since; and
// the remembered lists that say which file that is.
#include "BrowseFixture.h"

#include "core/DocumentType.h"
#include "document/ListedFiles.h"
#include "document/PagePrefetch.h"

#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <vector>

namespace scanvo::fixtures {
namespace {

using namespace std::chrono_literals;

// Generous: a page of a few hundred pixels reads in well under a millisecond.
constexpr std::chrono::milliseconds kWait = 10s;

class PagePrefetchTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString file(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
};

TEST_F(PagePrefetchTest, ThePageOfTheFileReadIsHandedOverOnce)
{
    const QString path = file("a.tif");
    WriteTiff(path, 1, 123, 40);
    PagePrefetch prefetch = PagePrefetch::Start(path);
    ASSERT_TRUE(prefetch.isActive());

    // Asking for another file neither gives a page nor spends the one read.
    EXPECT_FALSE(prefetch.take(file("b.tif"), kWait).has_value());
    ASSERT_TRUE(prefetch.waitForDone(kWait));
    const std::optional<engine::ScaledPage> page = prefetch.take(path, kWait);
    ASSERT_TRUE(page.has_value());
    EXPECT_EQ(page->image.width(), 123);
    EXPECT_EQ(page->image.depth(), 1);
    EXPECT_FALSE(prefetch.isActive());
    EXPECT_FALSE(prefetch.take(path, kWait).has_value());
}

TEST_F(PagePrefetchTest, AJpegPageIsReadReducedForTheScaleItWillBeShownAt)
{
    const QString path = file("photo.jpg");
    WriteJpeg(path, 800, 1000);
    PagePrefetch prefetch = PagePrefetch::Start(path, [](QSize page) { return 200.0 / page.height(); });
    ASSERT_TRUE(prefetch.waitForDone(kWait));
    const std::optional<engine::ScaledPage> page = prefetch.take(path, kWait);
    ASSERT_TRUE(page.has_value());
    EXPECT_TRUE(page->isReduced());
    EXPECT_EQ(page->image.height(), 250);  // a quarter: an eighth would be smaller than shown
    EXPECT_EQ(page->pageSize, QSize(800, 1000));
}

TEST_F(PagePrefetchTest, ATakeThatCannotWaitIsSpentAllTheSame)
{
    const QString path = file("hurried.tif");
    WriteTiff(path, 1, 77, 40);
    PagePrefetch prefetch = PagePrefetch::Start(path);
    // Whether or not the worker has ended by now, a page handed over is the file's.
    const std::optional<engine::ScaledPage> page = prefetch.take(path, 0ms);
    if (page.has_value()) {
        EXPECT_EQ(page->image.width(), 77);
    }
    EXPECT_FALSE(prefetch.isActive());
    EXPECT_FALSE(prefetch.take(path, kWait).has_value());
}

TEST_F(PagePrefetchTest, NothingIsStartedForNoFile)
{
    PagePrefetch prefetch = PagePrefetch::Start(QString());
    EXPECT_FALSE(prefetch.isActive());
    EXPECT_FALSE(prefetch.waitForDone(0ms));
    EXPECT_FALSE(prefetch.take(QString(), 0ms).has_value());
}

TEST_F(PagePrefetchTest, AFileChangedAfterTheReadIsNotHandedOver)
{
    const QString replaced = file("replaced.tif");
    const QString removed = file("removed.tif");
    const QString rewritten = file("rewritten.tif");
    for (const QString& path : {replaced, removed, rewritten})
        WriteTiff(path, 1, 100, 40);
    PagePrefetch ofReplaced = PagePrefetch::Start(replaced);
    PagePrefetch ofRemoved = PagePrefetch::Start(removed);
    PagePrefetch ofRewritten = PagePrefetch::Start(rewritten);
    for (const PagePrefetch* prefetch : {&ofReplaced, &ofRemoved, &ofRewritten})
        ASSERT_TRUE(prefetch->waitForDone(kWait));

    WriteTiff(replaced, 1, 200, 40);  // a new file renamed over the old one
    ASSERT_TRUE(QFile::remove(removed));
    {
        // The same file written over in place, as an editor without a temporary file does.
        QFile same(rewritten);
        ASSERT_TRUE(same.open(QIODevice::Append));
        ASSERT_EQ(same.write("trailing bytes"), 14);
    }
    EXPECT_FALSE(ofReplaced.take(replaced, kWait).has_value());
    EXPECT_FALSE(ofRemoved.take(removed, kWait).has_value());
    EXPECT_FALSE(ofRewritten.take(rewritten, kWait).has_value());
}

TEST_F(PagePrefetchTest, AFailedReadHandsOverNothing)
{
    const QString corrupt = file("corrupt.tif");
    WriteCorruptTiff(corrupt);
    PagePrefetch ofCorrupt = PagePrefetch::Start(corrupt);
    PagePrefetch ofMissing = PagePrefetch::Start(file("missing.tif"));
    // The failure ends the worker like a page does; the caller reads the file again itself.
    EXPECT_TRUE(ofCorrupt.waitForDone(kWait));
    EXPECT_TRUE(ofMissing.waitForDone(kWait));
    EXPECT_FALSE(ofCorrupt.take(corrupt, kWait).has_value());
    EXPECT_FALSE(ofMissing.take(file("missing.tif"), kWait).has_value());
}

TEST_F(PagePrefetchTest, AReplacementDuringTheReadNeverHandsOverTheOldPage)
{
    // However the replacement and the read interleave, a page handed over is the file's present
    // content.
    const QString path = file("raced.tif");
    for (int round = 0; round < 40; ++round) {
        const int before = 100 + 2 * round;
        WriteTiff(path, 1, before, 60);
        PagePrefetch prefetch = PagePrefetch::Start(path);
        WriteTiff(path, 1, before + 1, 60);
        const std::optional<engine::ScaledPage> page = prefetch.take(path, kWait);
        if (page.has_value()) {
            EXPECT_EQ(page->image.width(), before + 1) << "round " << round;
        }
    }
}

TEST_F(PagePrefetchTest, AnAbandonedReadEndsOnItsOwn)
{
    const QString path = file("left.tif");
    WriteTiff(path, 1, 90, 40);
    {
        PagePrefetch prefetch = PagePrefetch::Start(path);
    }  // dropped while the worker may still be reading
    PagePrefetch again = PagePrefetch::Start(path);
    ASSERT_TRUE(again.waitForDone(kWait));
    const std::optional<engine::ScaledPage> page = again.take(path, kWait);
    ASSERT_TRUE(page.has_value());
    EXPECT_EQ(page->image.width(), 90);
}

TEST_F(PagePrefetchTest, ACallerAheadOfABusyPoolReadsThePageItself)
{
    // More reads than the pool has threads: the last is still queued when it is asked for, so the
    // caller gets nothing and must read the page itself; the worker then skips it. Whatever the
    // timing, nothing waits for long and a page handed over is the file's.
    const QString path = file("queued.tif");
    WriteTiff(path, 1, 66, 400);
    std::vector<PagePrefetch> queue;
    for (int n = 0; n < 32; ++n)
        queue.push_back(PagePrefetch::Start(path));
    const std::optional<engine::ScaledPage> last = queue.back().take(path, kWait);
    if (last.has_value()) {
        EXPECT_EQ(last->image.width(), 66);
    }
    for (size_t n = 0; n + 1 < queue.size(); ++n)
        EXPECT_TRUE(queue[n].waitForDone(kWait)) << n;
    EXPECT_FALSE(queue.back().isActive());
}

TEST(ListedFilesTest, APositionNamesTheFileItWouldOpenAt)
{
    const QString dir = QStringLiteral("/listed/positions");
    EXPECT_EQ(ExpectedFileAt(dir, DocTypeDetect, 1), QString());
    RememberListedFiles(dir, DocTypeSinglePageTiff, {dir + "/a.tif", dir + "/b.tif", dir + "/c.tif"});

    EXPECT_EQ(ExpectedFileAt(dir, DocTypeSinglePageTiff, 1), dir + "/a.tif");
    EXPECT_EQ(ExpectedFileAt(dir, DocTypeDetect, 2), dir + "/b.tif");
    // Nothing remembered, beyond the end and below 1 all open at the last file.
    for (qint16 position : {0, 4, -3})
        EXPECT_EQ(ExpectedFileAt(dir, DocTypeDetect, position), dir + "/c.tif") << position;
    // A document now asked for as another type lists other files.
    EXPECT_EQ(ExpectedFileAt(dir, DocTypeSinglePageJpeg, 1), QString());
    EXPECT_EQ(ExpectedFileAt(QStringLiteral("/listed/other"), DocTypeDetect, 1), QString());
}

TEST(ListedFilesTest, OnlyDocumentsOfSinglePageFilesAreForetold)
{
    const QString multi = QStringLiteral("/listed/multi");
    const QString mixed = QStringLiteral("/listed/mixed");
    const QString empty = QStringLiteral("/listed/empty");
    RememberListedFiles(multi, DocTypeMultiPageTiff, {multi + "/multi.tif"});
    RememberListedFiles(mixed, DocTypeAllImages, {mixed + "/a.tif", mixed + "/b.jpg"});
    RememberListedFiles(empty, DocTypeSinglePageJpeg, {});
    EXPECT_EQ(ExpectedFileAt(multi, DocTypeDetect, 1), QString());
    EXPECT_EQ(ExpectedFileAt(mixed, DocTypeDetect, 1), QString());
    EXPECT_EQ(ExpectedFileAt(empty, DocTypeDetect, 0), QString());
}

TEST(ListedFilesTest, OnlyTheLatestListsAreKeptAndARelistingReplacesTheOld)
{
    const auto dir = [](int n) { return QStringLiteral("/listed/kept%1").arg(n); };
    for (int n = 1; n <= 4; ++n)
        RememberListedFiles(dir(n), DocTypeSinglePageTiff, {dir(n) + "/old.tif"});
    // Listing the first again keeps it; the second is then the oldest and goes first.
    RememberListedFiles(dir(1), DocTypeSinglePageTiff, {dir(1) + "/new.tif"});
    RememberListedFiles(dir(5), DocTypeSinglePageTiff, {dir(5) + "/old.tif"});

    EXPECT_EQ(ExpectedFileAt(dir(1), DocTypeDetect, 0), dir(1) + "/new.tif");
    EXPECT_EQ(ExpectedFileAt(dir(2), DocTypeDetect, 0), QString());
    for (int n = 3; n <= 5; ++n)
        EXPECT_EQ(ExpectedFileAt(dir(n), DocTypeDetect, 0), dir(n) + "/old.tif") << n;
}

}  // namespace
}  // namespace scanvo::fixtures
