// Multi-page TIFF edits: append, insert, replace and delete keep every other page's compressed
// bytes as they were, whatever its compression, and the file stays readable throughout.
#include "EngineTestPages.h"

#include "platform/engine/EngineError.h"
#include "platform/engine/ImageFile.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <random>

using namespace scanvo::engine;
using namespace enginetest;

namespace {

constexpr int kPages = 20;
constexpr int kWidth = 400;
constexpr int kHeight = 560;

// The pages of the test document cycle through every TIFF coding, so that raw copies of CCITT
// (with its options), LZW with predictor, uncompressed grey and JPEG with shared tables are all
// exercised.
const int kCodings[] = {FormatTiffG4,      FormatTiffG3TwoDim, FormatTiffG3OneDim, FormatTiffCcitt,
                        FormatTiffLzw,     FormatTiffJpeg422,  FormatTiffJpeg444,  FormatTiffJpeg411,
                        FormatTiffLzw,     FormatTiffUncompressed};

Image pageFor(int label, int format)
{
    if (IsBitonalFormat(format) || (format == FormatTiffLzw && label % 2 == 1))
        return BitonalPage(kWidth, kHeight, label, 200, 200);
    if (format == FormatTiffUncompressed)
        return GreyPage(kWidth, kHeight, label, 150, 150);
    return ColourPage(kWidth, kHeight, label, 100, 100);
}

class MultiPageFile : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_path = m_dir.filePath(QStringLiteral("document.tif"));
        for (int i = 0; i < kPages; ++i) {
            const int format = kCodings[i % std::size(kCodings)];
            SavePage(pageFor(i + 1, format), m_path, SaveAt(i == 0 ? SaveNew : SaveAppend, 0, format));
        }
        m_raw = RawPages(m_path);
        ASSERT_EQ(int(m_raw.size()), kPages);
        for (int i = 0; i < kPages; ++i)
            m_decoded.push_back(LoadPage(m_path, i + 1));
    }

    // Every page of the file equals the expected list of original page indexes (-1: a new page,
    // whose pixels must match newPage).
    void expectPages(const std::vector<int>& expected, const Image& newPage = Image())
    {
        ASSERT_EQ(PageCount(m_path), int(expected.size()));
        const auto raw = RawPages(m_path);
        ASSERT_EQ(raw.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "page " << i + 1);
            const Image loaded = LoadPage(m_path, int(i) + 1);
            if (expected[i] < 0) {
                EXPECT_TRUE(loaded.samePixels(newPage));
                continue;
            }
            EXPECT_TRUE(raw[i] == m_raw[size_t(expected[i])]) << "compressed bytes changed";
            const Image& original = m_decoded[size_t(expected[i])];
            EXPECT_TRUE(loaded.samePixels(original));
            EXPECT_EQ(loaded.loadFormat(), original.loadFormat());
            EXPECT_EQ(loaded.xResolution(), original.xResolution());
        }
    }

    static std::vector<int> identity()
    {
        std::vector<int> pages(kPages);
        for (int i = 0; i < kPages; ++i)
            pages[size_t(i)] = i;
        return pages;
    }

    QTemporaryDir m_dir;
    QString m_path;
    std::vector<std::vector<QByteArray>> m_raw;
    std::vector<Image> m_decoded;
};

}  // namespace

TEST_F(MultiPageFile, BuiltByAppendingReportsEachPagesCoding)
{
    for (int i = 0; i < kPages; ++i)
        EXPECT_EQ(m_decoded[size_t(i)].loadFormat(), kCodings[i % std::size(kCodings)]) << "page " << i + 1;
}

TEST_F(MultiPageFile, ReplaceChangesOnlyThatPage)
{
    const Image fresh = BitonalPage(kWidth, kHeight, 99, 200, 200);
    SavePage(fresh, m_path, SaveAt(SaveReplace, 7));
    std::vector<int> expected = identity();
    expected[6] = -1;
    expectPages(expected, fresh);
    EXPECT_EQ(LoadPage(m_path, 7).loadFormat(), FormatTiffG4);
}

TEST_F(MultiPageFile, InsertShiftsTheFollowingPages)
{
    const Image fresh = BitonalPage(kWidth, kHeight, 98, 200, 200);
    for (int before : {1, 10, 22}) {
        SCOPED_TRACE(testing::Message() << "insert before " << before);
        SavePage(fresh, m_path, SaveAt(SaveInsert, before));
    }
    std::vector<int> expected = identity();
    expected.insert(expected.begin(), -1);
    expected.insert(expected.begin() + 9, -1);
    expected.insert(expected.begin() + 21, -1);  // before 22 of 21 pages: at the end
    expectPages(expected, fresh);
}

TEST_F(MultiPageFile, DeleteAndAppendKeepTheRest)
{
    DeletePage(m_path, 20);
    DeletePage(m_path, 10);
    DeletePage(m_path, 1);
    const Image colour = ColourPage(kWidth, kHeight, 97, 100, 100);
    SavePage(colour, m_path, SaveAt(SaveAppend, 0, FormatTiffLzw));
    std::vector<int> expected = identity();
    expected.erase(expected.begin() + 19);
    expected.erase(expected.begin() + 9);
    expected.erase(expected.begin());
    expected.push_back(-1);
    expectPages(expected, colour);
}

TEST_F(MultiPageFile, RandomEditsMatchAListModel)
{
    // Pages are identified by their raw bytes; a plain vector of them is the model.
    std::mt19937 random(20240611);
    std::vector<std::vector<QByteArray>> model = m_raw;
    for (int step = 0; step < 12; ++step) {
        const int count = int(model.size());
        const int kind = int(random() % 4);
        const int page = 1 + int(random() % unsigned(count));
        const int format = kCodings[random() % std::size(kCodings)];
        const Image fresh = pageFor(100 + step, format);
        SCOPED_TRACE(testing::Message() << "step " << step << " kind " << kind << " page " << page);
        if (kind == 0 && count > 1) {
            DeletePage(m_path, page);
            model.erase(model.begin() + (page - 1));
        } else if (kind == 1) {
            SavePage(fresh, m_path, SaveAt(SaveReplace, page, format));
            model[size_t(page - 1)] = RawChunks(m_path, page - 1);
        } else if (kind == 2) {
            SavePage(fresh, m_path, SaveAt(SaveInsert, page, format));
            model.insert(model.begin() + (page - 1), RawChunks(m_path, page - 1));
        } else {
            SavePage(fresh, m_path, SaveAt(SaveAppend, 0, format));
            model.push_back(RawChunks(m_path, count));
        }
        const auto raw = RawPages(m_path);
        ASSERT_EQ(raw.size(), model.size());
        for (size_t i = 0; i < raw.size(); ++i)
            EXPECT_TRUE(raw[i] == model[i]) << "page " << i + 1;
    }
    for (int i = 1; i <= PageCount(m_path); ++i)
        EXPECT_NO_THROW(LoadPage(m_path, i)) << "page " << i;
}

TEST_F(MultiPageFile, ModeZeroOverwritesWithOnePage)
{
    const Image fresh = GreyPage(kWidth, kHeight, 96);
    SavePage(fresh, m_path, SaveAt(SaveNew, 0, FormatTiffLzw));
    EXPECT_EQ(PageCount(m_path), 1);
    EXPECT_TRUE(LoadPage(m_path).samePixels(fresh));
}

TEST_F(MultiPageFile, RefusedEditsLeaveTheFileAsItWas)
{
    const QByteArray before = FileBytes(m_path);
    const Image fresh = BitonalPage(kWidth, kHeight, 95);
    const auto expectNumber = [](const std::function<void()>& edit, int number) {
        try {
            edit();
            ADD_FAILURE() << "edit succeeded";
        } catch (const EngineError& error) {
            EXPECT_EQ(error.number(), number) << error.description().toStdString();
        }
    };
    expectNumber([&] { SavePage(fresh, m_path, SaveAt(SaveReplace, 21)); }, ErrPageRange);
    expectNumber([&] { SavePage(fresh, m_path, SaveAt(SaveReplace, 0)); }, ErrPageRange);
    expectNumber([&] { SavePage(fresh, m_path, SaveAt(SaveInsert, 22)); }, ErrPageRange);
    expectNumber([&] { DeletePage(m_path, 21); }, ErrPageRange);
    expectNumber([&] { SavePage(fresh, m_path, SaveAt(7, 1)); }, ErrUnsupported);
    expectNumber([&] { SavePage(ColourPage(kWidth, kHeight), m_path, SaveAt(SaveReplace, 1, FormatJpeg422)); },
                 ErrUnsupported);
    EXPECT_EQ(FileBytes(m_path), before);
    EXPECT_EQ(DirEntries(m_dir.path()), QStringList{QStringLiteral("document.tif")});
}

TEST(MultiPageEdits, OnlyPageAndJpegFilesCannotBeEditedByPage)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString single = dir.filePath(QStringLiteral("single.tif"));
    SavePage(BitonalPage(100, 100), single, SaveAt(SaveNew, 0));
    EXPECT_THROW(DeletePage(single, 1), EngineError);
    EXPECT_EQ(PageCount(single), 1);

    const QString jpeg = dir.filePath(QStringLiteral("page.jpg"));
    SavePage(ColourPage(100, 100), jpeg, SaveAt(SaveNew, 0, FormatJpeg422));
    const QByteArray before = FileBytes(jpeg);
    EXPECT_THROW(SavePage(ColourPage(100, 100), jpeg, SaveAt(SaveAppend, 0, FormatJpeg422)), EngineError);
    EXPECT_THROW(SavePage(BitonalPage(100, 100), jpeg, SaveAt(SaveAppend, 0, FormatTiffG4)), EngineError);
    EXPECT_THROW(DeletePage(jpeg, 1), EngineError);
    EXPECT_EQ(FileBytes(jpeg), before);
    // Replacing the one page of a JPEG file rewrites it.
    SavePage(GreyPage(100, 100), jpeg, SaveAt(SaveReplace, 1, FormatJpeg444));
    EXPECT_EQ(LoadPage(jpeg).depth(), 8);
}

TEST(MultiPageEdits, AppendOrInsertIntoAMissingFileCreatesIt)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const Image page = BitonalPage(120, 80);
    const QString appended = dir.filePath(QStringLiteral("appended.tif"));
    SavePage(page, appended, SaveAt(SaveAppend, 0));
    EXPECT_EQ(PageCount(appended), 1);
    const QString inserted = dir.filePath(QStringLiteral("inserted.tif"));
    SavePage(page, inserted, SaveAt(SaveInsert, 1));
    EXPECT_EQ(PageCount(inserted), 1);
    EXPECT_THROW(SavePage(page, dir.filePath(QStringLiteral("missing.tif")), SaveAt(SaveReplace, 1)), EngineError);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("missing.tif"))));
}

namespace {

// A three-page document cut short after its second page, as a copy or a download that broke off
// leaves it, with the raw pages of the whole document.
struct CutDocument {
    QString path;
    std::vector<std::vector<QByteArray>> raw;  // of the three pages before the cut
    std::vector<Image> pages;
};

CutDocument cutAfterPageTwo(const QTemporaryDir& dir)
{
    CutDocument cut;
    cut.path = dir.filePath(QStringLiteral("cut.tif"));
    const int formats[] = {FormatTiffG4, FormatTiffLzw, FormatTiffG4};
    qint64 twoPages = 0;
    for (int i = 0; i < 3; ++i) {
        SavePage(pageFor(i + 1, formats[i]), cut.path, SaveAt(i == 0 ? SaveNew : SaveAppend, 0, formats[i]));
        cut.pages.push_back(LoadPage(cut.path, i + 1));
        if (i == 1)
            twoPages = QFileInfo(cut.path).size();
    }
    cut.raw = RawPages(cut.path);
    // Pages are written data first, directory last: the first two pages end where the two-page
    // file ended; a little of the third page's data stays.
    WriteBytes(cut.path, FileBytes(cut.path).left(twoPages + 100));
    return cut;
}

int errorNumber(const std::function<void()>& action)
{
    try {
        action();
    } catch (const EngineError& error) {
        return error.number();
    }
    return 0;
}

}  // namespace

TEST(DamagedDocument, ShowsItsReadablePagesAndSaysWhatIsLost)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const CutDocument cut = cutAfterPageTwo(dir);

    const PageInventory inventory = InspectPages(cut.path);
    EXPECT_EQ(inventory.readablePages, 2);
    EXPECT_TRUE(inventory.damaged);
    EXPECT_TRUE(inventory.damage.contains(cut.path)) << inventory.damage.toStdString();
    for (int page = 1; page <= 2; ++page) {
        SCOPED_TRACE(testing::Message() << "page " << page);
        const Image loaded = LoadPage(cut.path, page);
        EXPECT_TRUE(loaded.samePixels(cut.pages[size_t(page - 1)]));
    }
    // Past the readable pages lies damage, not the end of the document.
    EXPECT_EQ(errorNumber([&] { LoadPage(cut.path, 3); }), ErrFileRead);
    // Callers that count pages the strict way still see a damaged file.
    EXPECT_EQ(errorNumber([&] { PageCount(cut.path); }), ErrFileRead);

    // An intact file is not damaged.
    const QString whole = dir.filePath(QStringLiteral("whole.tif"));
    SavePage(BitonalPage(100, 100), whole, SaveAt(SaveNew, 0));
    SavePage(BitonalPage(100, 100, 2), whole, SaveAt(SaveAppend, 0));
    const PageInventory intact = InspectPages(whole);
    EXPECT_EQ(intact.readablePages, 2);
    EXPECT_FALSE(intact.damaged);
    EXPECT_TRUE(intact.damage.isEmpty());
    const QString jpeg = dir.filePath(QStringLiteral("photo.jpg"));
    SavePage(ColourPage(100, 100), jpeg, SaveAt(SaveNew, 0, FormatJpeg422));
    EXPECT_EQ(InspectPages(jpeg).readablePages, 1);
    EXPECT_EQ(errorNumber([&] { InspectPages(dir.filePath(QStringLiteral("missing.tif"))); }), ErrFileNotFound);
}

TEST(DamagedDocument, IsNeverWrittenOverWithoutConsent)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const CutDocument cut = cutAfterPageTwo(dir);
    const QByteArray damaged = FileBytes(cut.path);
    const Image fresh = BitonalPage(kWidth, kHeight, 77, 200, 200);
    const Image photo = ColourPage(kWidth, kHeight, 78);

    struct Edit {
        const char* name;
        std::function<void(bool drop)> run;
        std::vector<int> pages;  // the pages after the edit: indexes into cut.raw, -1 the new page
    };
    const auto save = [&](int mode, int page, int format = FormatTiffG4) {
        return [&, mode, page, format](bool drop) {
            SaveOptions options = SaveAt(mode, page, format);
            options.dropUnreadablePages = drop;
            SavePage(format == FormatJpeg444 ? photo : fresh, cut.path, options);
        };
    };
    const std::vector<Edit> edits = {
        {"write back page 2", save(SaveReplace, 2), {0, -1}},
        {"append", save(SaveAppend, 0), {0, 1, -1}},
        {"insert", save(SaveInsert, 1), {-1, 0, 1}},
        {"delete", [&](bool drop) { DeletePage(cut.path, 1, drop); }, {1}},
        {"overwrite", save(SaveNew, 0), {-1}},
        {"overwrite as JPEG", save(SaveNew, 0, FormatJpeg444), {}},
    };
    for (const Edit& edit : edits) {
        SCOPED_TRACE(edit.name);
        WriteBytes(cut.path, damaged);
        EXPECT_EQ(errorNumber([&] { edit.run(false); }), ErrDamagedPages);
        EXPECT_EQ(FileBytes(cut.path), damaged);
        EXPECT_EQ(DirEntries(dir.path()), QStringList{QStringLiteral("cut.tif")});

        // Told that the lost pages stay lost, the edit keeps what could be read.
        edit.run(true);
        if (edit.pages.empty()) {
            EXPECT_EQ(LoadPage(cut.path).loadFormat(), FormatJpeg444);
            continue;
        }
        const PageInventory after = InspectPages(cut.path);
        EXPECT_FALSE(after.damaged);
        ASSERT_EQ(after.readablePages, int(edit.pages.size()));
        const auto raw = RawPages(cut.path);
        for (size_t i = 0; i < edit.pages.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "page " << i + 1);
            if (edit.pages[i] < 0)
                EXPECT_TRUE(LoadPage(cut.path, int(i) + 1).samePixels(fresh));
            else
                EXPECT_TRUE(raw[i] == cut.raw[size_t(edit.pages[i])]) << "compressed bytes changed";
        }
    }
}

TEST(TiffPageWriter, WritesPageByPageAndReplacesTheTargetOnlyOnCommit)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("out.tif"));
    SavePage(BitonalPage(kWidth, kHeight, 9), path, SaveAt(SaveNew, 0));
    const QByteArray before = FileBytes(path);
    const int formats[] = {FormatTiffG4, FormatTiffLzw, FormatTiffJpeg422};
    std::vector<Image> pages;
    {
        TiffPageWriter writer(path, 3);
        for (int i = 0; i < 3; ++i) {
            pages.push_back(pageFor(i + 1, formats[i]));
            writer.add(pages.back(), formats[i], 0, 125);
            EXPECT_EQ(FileBytes(path), before) << "target changed before commit";
        }
        writer.commit();
    }
    ASSERT_EQ(PageCount(path), 3);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(testing::Message() << "page " << i + 1);
        const Image back = LoadPage(path, i + 1);
        EXPECT_EQ(back.loadFormat(), formats[i]);
        if (formats[i] != FormatTiffJpeg422) {
            EXPECT_TRUE(back.samePixels(pages[size_t(i)]));
        }
    }
    EXPECT_EQ(DirEntries(dir.path()), QStringList{QStringLiteral("out.tif")});
}

TEST(TiffPageWriter, CopiesStoredPagesOfTheTargetItselfAroundNewOnes)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("doc.tif"));
    const int formats[] = {FormatTiffG4, FormatTiffLzw, FormatTiffG4};
    std::vector<Image> old;
    for (int i = 0; i < 3; ++i) {
        old.push_back(pageFor(i + 1, formats[i]));
        SavePage(old.back(), path, SaveAt(i == 0 ? SaveNew : SaveAppend, 0, formats[i]));
    }
    const Image fresh = BitonalPage(kWidth, kHeight, 50);
    {
        TiffPageWriter writer(path, 5);
        writer.addStoredPages(path, 1, 1);
        writer.add(fresh, FormatTiffG4);
        writer.addStoredPages(path, 1, 3);  // the file as it was, read while it is written anew
        writer.commit();
    }
    ASSERT_EQ(PageCount(path), 5);
    const int from[] = {0, -1, 0, 1, 2};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(testing::Message() << "page " << i + 1);
        const Image back = LoadPage(path, i + 1);
        EXPECT_TRUE(back.samePixels(from[i] < 0 ? fresh : old[size_t(from[i])]));
        EXPECT_EQ(back.loadFormat(), from[i] < 0 ? FormatTiffG4 : formats[from[i]]);
    }
    EXPECT_EQ(DirEntries(dir.path()), QStringList{QStringLiteral("doc.tif")});

    // Pages the source does not have, or more than the writer announced, are refused.
    const QByteArray before = FileBytes(path);
    {
        TiffPageWriter writer(path, 2);
        EXPECT_THROW(writer.addStoredPages(path, 5, 2), EngineError);
        EXPECT_THROW(writer.addStoredPages(path, 0, 1), EngineError);
        EXPECT_THROW(writer.addStoredPages(path, 1, 3), EngineError);
    }
    EXPECT_EQ(FileBytes(path), before);
}

TEST(TiffPageWriter, LeavesNothingBehindWhenAbandonedOrMisused)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("out.tif"));
    const Image page = BitonalPage(kWidth, kHeight, 1);
    {
        TiffPageWriter writer(path, 2);
        writer.add(page, FormatTiffG4);
        // One page short of what was announced: no file.
        EXPECT_THROW(writer.commit(), EngineError);
    }
    {
        TiffPageWriter writer(path, 1);
        writer.add(page, FormatTiffG4);
        EXPECT_THROW(writer.add(page, FormatTiffG4), EngineError);  // more pages than announced
        EXPECT_THROW(writer.add(page, FormatJpeg444), EngineError);  // no JPEG file inside a TIFF
    }
    EXPECT_TRUE(DirEntries(dir.path()).isEmpty());
    EXPECT_THROW(TiffPageWriter(path, 0), EngineError);
}
