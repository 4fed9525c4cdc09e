// scanvo-clean: its command line, the files a batch takes, pages cleaned exactly as the control's
// own cleanup functions clean them, damaged files reported and skipped, results written whole or
// not at all, and the program's exit status and messages.
#include "fixtures/PageGenerator.h"
#include "platform/engine/ImageFile.h"
#include "platform/engine/ops/Geometry.h"
#include "platform/engine/ops/OpFlags.h"
#include "settings/CleanupSettings.h"
#include "tools/clean/BatchRun.h"
#include "tools/clean/CleanOptions.h"
#include "tools/clean/CleanTargets.h"
#include "tools/clean/FileCleaner.h"
#include "tools/clean/PageCleaner.h"
#include "tools/common/ProgressBar.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace scanvo::clean {
namespace {

using engine::Image;

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList Entries(const QString& dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// A scanned page of 150 dpi with borders, specks, a ruled line and two punch holes.
Image ScannedPage(unsigned seed, int depth = 1, double skew = 0)
{
    testing::PageOptions options;
    options.width = 1240;
    options.height = 1754;
    options.dpi = 150;
    options.depth = depth;
    options.skewDegrees = skew;
    options.borderSides = 1 | 4;
    options.borderDepth = 40;
    options.speckles = 60;
    options.ruledLines = 1;
    options.holePunches = 2;
    options.holeDiameter = 24;
    options.seed = seed;
    return testing::GeneratePage(options).page;
}

void WritePages(const QString& path, const std::vector<Image>& pages, int format)
{
    for (size_t i = 0; i < pages.size(); ++i) {
        engine::SaveOptions options;
        options.format = format;
        options.mode = i == 0 ? engine::SaveNew : engine::SaveAppend;
        engine::SavePage(pages[i], path, options);
    }
}

// What the control's four cleanup commands make of a 1-bit page, run one after the other.
Image CleanedByTheControl(Image page, const CleanupSettings& settings)
{
    RunBorderRemoval(page, settings);
    RunLineRemoval(page, settings);
    RunHolePunchRemoval(page, settings);
    RunDespeckle(page, settings);
    return page;
}

ParsedCommandLine Parse(QStringList arguments)
{
    arguments.prepend(QStringLiteral("scanvo-clean"));
    return ParseCommandLine(arguments, QStringLiteral("/home/u/.config/scanvo/scanvo.ini"));
}

TEST(CleanCommandLine, StepsOutputAndNumbers)
{
    const ParsedCommandLine all = Parse({"-o", "out", "a.tif"});
    ASSERT_TRUE(all.error.isEmpty()) << all.error.toStdString();
    EXPECT_TRUE(all.options.steps.borders && all.options.steps.specks && all.options.steps.lines &&
                all.options.steps.holePunches && all.options.steps.deskew);
    EXPECT_FALSE(all.options.steps.binarize);  // changes what a page is: only when asked
    EXPECT_EQ(all.options.settingsFile, QStringLiteral("/home/u/.config/scanvo/scanvo.ini"));
    EXPECT_EQ(all.options.outputDir, QStringLiteral("out"));
    EXPECT_EQ(all.options.inputs, QStringList{QStringLiteral("a.tif")});
    EXPECT_EQ(all.options.jpegQuality, 90);

    const ParsedCommandLine some = Parse({"-bsB", "--in-place", "--jobs=3", "--config", "my.ini", "x", "y"});
    ASSERT_TRUE(some.error.isEmpty()) << some.error.toStdString();
    EXPECT_TRUE(some.options.steps.borders && some.options.steps.specks && some.options.steps.binarize);
    EXPECT_FALSE(some.options.steps.lines || some.options.steps.holePunches || some.options.steps.deskew);
    EXPECT_TRUE(some.options.inPlace);
    EXPECT_EQ(some.options.jobs, 3);
    EXPECT_EQ(some.options.settingsFile, QStringLiteral("my.ini"));
    EXPECT_EQ(some.options.inputs, QStringList({"x", "y"}));

    EXPECT_TRUE(Parse({"--help"}).options.showHelp);
    EXPECT_TRUE(Parse({"-V"}).options.showVersion);

    const char* const wrong[][5] = {
        {"a.tif"},                              // nowhere to write
        {"-o", "out", "-i", "a.tif"},           // two places to write
        {"-o", "out"},                          // nothing to clean
        {"-o", "out", "-j", "0", "a.tif"},      // no worker
        {"-o", "out", "--jpeg-quality=101", "a.tif"},
        {"-o", "out", "--frobnicate", "a.tif"},
    };
    for (const auto& args : wrong) {
        QStringList arguments;
        for (const char* arg : args) {
            if (arg)
                arguments << QString::fromLatin1(arg);
        }
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        EXPECT_FALSE(Parse(arguments).error.isEmpty());
    }
}

TEST(CleanCommandLine, APartOfARunWritesIntoAFolder)
{
    const ParsedCommandLine part = Parse({"--shard", "2/4", "-o", "out", "a.tif"});
    ASSERT_TRUE(part.error.isEmpty()) << part.error.toStdString();
    EXPECT_EQ(part.options.shard.request.shard, QStringLiteral("2/4"));
    EXPECT_FALSE(part.options.shard.force);
    const ParsedCommandLine indexed = Parse({"--shard-count=4", "--force", "-o", "out", "a.tif"});
    ASSERT_TRUE(indexed.error.isEmpty()) << indexed.error.toStdString();
    EXPECT_EQ(indexed.options.shard.request.shardCount, 4);
    EXPECT_TRUE(indexed.options.shard.force);
    EXPECT_TRUE(Parse({"-o", "out", "a.tif"}).options.shard.request.shard.isEmpty());

    const QStringList wrong[] = {
        {"--shard", "1/2", "-i", "a.tif"},             // no folder for the record, nothing to keep
        {"--shard", "1/2", "--pdf", "x.pdf", "a.tif"},  // one PDF cannot be split
        {"--shard-count", "0", "-o", "out", "a.tif"},
        {"--shard=", "-o", "out", "a.tif"},
    };
    for (const QStringList& arguments : wrong) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        EXPECT_FALSE(Parse(arguments).error.isEmpty());
    }
}

TEST(CleanCommandLine, HelpListsEveryOptionTheDebianWay)
{
    const QString help = HelpText();
    EXPECT_TRUE(help.startsWith(QStringLiteral("Usage: scanvo-clean [OPTION]...")));
    for (const char* option : {"  -b, --borders", "  -o, --output=DIR", "  -i, --in-place", "      --jpeg-quality=Q",
                               "  -h, --help", "  -V, --version", "Exit status:"})
        EXPECT_TRUE(help.contains(QString::fromLatin1(option))) << option;
    for (const QString& line : help.split(u'\n'))
        EXPECT_LE(line.size(), 80) << line.toStdString();
}

TEST(CleanTargetsTest, FoldersFilesAndCollisions)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString a = dir.filePath(QStringLiteral("a")), b = dir.filePath(QStringLiteral("b"));
    QDir().mkpath(a + QStringLiteral("/sub"));
    QDir().mkpath(b);
    for (const QString& path : {a + "/p10.tif", a + "/p9.jpg", a + "/notes.txt", a + "/sub/deep.tif", b + "/p9.jpg"})
        QFile(path).open(QIODevice::WriteOnly);
    const QString out = dir.filePath(QStringLiteral("out"));

    const std::vector<CleanTarget> targets =
        CollectTargets({a, a + "/p10.tif", b, dir.filePath(QStringLiteral("missing.tif")), a + "/p9.jpg"}, out);
    ASSERT_EQ(targets.size(), 4u);
    EXPECT_EQ(targets[0].source, a + "/p10.tif");
    EXPECT_EQ(targets[0].result, out + "/p10.tif");
    EXPECT_TRUE(targets[0].problem.isEmpty());
    EXPECT_EQ(targets[1].source, a + "/p9.jpg");
    EXPECT_TRUE(targets[1].problem.isEmpty());
    // The same name from another folder would overwrite the first result.
    EXPECT_EQ(targets[2].source, b + "/p9.jpg");
    EXPECT_TRUE(targets[2].problem.contains(a + "/p9.jpg")) << targets[2].problem.toStdString();
    EXPECT_FALSE(targets[3].problem.isEmpty());

    // The output folder is the files' own folder: only --in-place may replace them.
    const std::vector<CleanTarget> same = CollectTargets({a + "/p10.tif"}, a);
    ASSERT_EQ(same.size(), 1u);
    EXPECT_FALSE(same[0].problem.isEmpty());
    const std::vector<CleanTarget> inPlace = CollectTargets({a}, QString());
    ASSERT_EQ(inPlace.size(), 2u);
    EXPECT_EQ(inPlace[0].result, inPlace[0].source);
}

TEST(CleanPageTest, EveryStepOnASkewedScanLeavesNoBorderAtTheEdges)
{
    const CleanupSettings settings = ReadCleanupSettings(QStringLiteral("/nonexistent/scanvo.ini"));
    for (double skew : {2.0, -6.0, 9.5}) {
        SCOPED_TRACE(::testing::Message() << "skew " << skew);
        testing::PageOptions options;
        options.width = 1240;
        options.height = 1754;
        options.dpi = 150;
        options.skewDegrees = skew;
        options.borderSides = 1 | 2 | 4 | 8;
        options.borderDepth = 40;
        options.speckles = 60;
        options.seed = 9;
        Image page = testing::GeneratePage(options).page;
        CleanSteps steps;
        steps.deskew = steps.borders = steps.specks = steps.lines = steps.holePunches = true;
        CleanPage(page, steps, settings);
        // The text keeps its 300-pixel margins once level; nothing black belongs near the edges.
        constexpr int kBand = 100;
        const QRect inside(kBand, kBand, page.width() - 2 * kBand, page.height() - 2 * kBand);
        EXPECT_EQ(testing::CountBlack(page), testing::CountBlackInRect(page, inside));
        EXPECT_LE(std::abs(engine::ops::DetectSkew(page).degrees), 0.05);
    }
}

class CleanBatchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        in = m_dir.filePath(QStringLiteral("in"));
        out = m_dir.filePath(QStringLiteral("out"));
        QDir().mkpath(in);
        pages = {ScannedPage(1), ScannedPage(2), ScannedPage(3)};
        WritePages(in + "/multi.tif", pages, engine::FormatTiffG4);
        WritePages(in + "/photo.jpg", {ScannedPage(4, 24)}, engine::FormatJpeg444);
        // A file of three pages cut short after page two.
        WritePages(in + "/cut.tif", {pages[0], pages[1]}, engine::FormatTiffG4);
        const qint64 twoPages = QFileInfo(in + "/cut.tif").size();
        WritePages(in + "/cut.tif", pages, engine::FormatTiffG4);
        ASSERT_TRUE(QFile(in + "/cut.tif").resize(twoPages + 40));
        job.steps = {false, false, true, true, true, true};
        job.settings = ReadCleanupSettings(m_dir.filePath(QStringLiteral("none.ini")));
    }

    QString in, out;
    std::vector<Image> pages;
    FileJob job;

private:
    QTemporaryDir m_dir;
};

TEST_F(CleanBatchTest, PagesAreCleanedAsTheControlCleansThemAndADamagedFileIsSkipped)
{
    const QByteArray original = Bytes(in + "/multi.tif");
    const std::vector<CleanTarget> targets = CollectTargets({in}, out);
    QDir().mkpath(out);
    std::vector<QString> reported;
    const BatchResult result = RunBatch(targets, job, 2, {}, [&](const CleanTarget& target, const FileOutcome&) {
        reported.push_back(QFileInfo(target.source).fileName());
    });
    ASSERT_EQ(result.files.size(), 3u);
    EXPECT_EQ(reported.size(), 3u);
    // In numbering order: cut.tif, multi.tif, photo.jpg.
    EXPECT_TRUE(result.files[0].error.contains(in + "/cut.tif")) << result.files[0].error.toStdString();
    EXPECT_EQ(result.files[0].pages, 0);
    EXPECT_TRUE(result.files[1].error.isEmpty()) << result.files[1].error.toStdString();
    EXPECT_EQ(result.files[1].pages, 3);
    EXPECT_TRUE(result.files[2].error.isEmpty()) << result.files[2].error.toStdString();
    EXPECT_EQ(result.files[2].filtersSkipped, 1);  // a colour page: the filters take 1-bit pages

    EXPECT_EQ(Entries(out), QStringList({"multi.tif", "photo.jpg"}));
    EXPECT_EQ(Bytes(in + "/multi.tif"), original);
    ASSERT_EQ(engine::PageCount(out + "/multi.tif"), 3);
    for (int n = 1; n <= 3; ++n) {
        SCOPED_TRACE(n);
        const Image cleaned = engine::LoadPage(out + "/multi.tif", n);
        EXPECT_EQ(cleaned.loadFormat(), engine::FormatTiffG4);
        EXPECT_TRUE(cleaned.samePixels(CleanedByTheControl(pages[size_t(n - 1)], job.settings)));
        EXPECT_FALSE(cleaned.samePixels(pages[size_t(n - 1)]));
    }
    EXPECT_EQ(engine::LoadPage(out + "/photo.jpg").loadFormat(), engine::FormatJpeg444);
}

TEST_F(CleanBatchTest, InPlaceReplacesEachFileWholeAndBinarisedPagesBecomeG4)
{
    WritePages(in + "/grey.tif", {ScannedPage(5, 8)}, engine::FormatTiffLzw);
    const QByteArray damaged = Bytes(in + "/cut.tif");
    job.steps.binarize = true;
    const BatchResult result = RunBatch(CollectTargets({in}, QString()), job, 0);
    ASSERT_EQ(result.files.size(), 4u);
    EXPECT_FALSE(result.files[0].error.isEmpty());
    EXPECT_EQ(Bytes(in + "/cut.tif"), damaged);
    EXPECT_EQ(Entries(in), QStringList({"cut.tif", "grey.tif", "multi.tif", "photo.jpg"}));  // nothing left over

    const Image grey = engine::LoadPage(in + "/grey.tif");
    EXPECT_EQ(grey.depth(), 1);
    EXPECT_EQ(grey.loadFormat(), engine::FormatTiffG4);
    ASSERT_EQ(engine::PageCount(in + "/multi.tif"), 3);
    EXPECT_TRUE(engine::LoadPage(in + "/multi.tif", 2).samePixels(CleanedByTheControl(pages[1], job.settings)));
    EXPECT_EQ(result.files[3].filtersSkipped, 0);  // binarised first, the colour page was filtered too
}

TEST_F(CleanBatchTest, AResultThatCannotBeWrittenLeavesNothingHalfDone)
{
    QFile(in + "/multi.tif").setPermissions(QFileDevice::ReadOwner);
    const QByteArray original = Bytes(in + "/multi.tif");
    const BatchResult result = RunBatch(CollectTargets({in + "/multi.tif"}, QString()), job, 1);
    ASSERT_EQ(result.files.size(), 1u);
    EXPECT_FALSE(result.files[0].error.isEmpty());
    EXPECT_EQ(Bytes(in + "/multi.tif"), original);
    EXPECT_EQ(Entries(in), QStringList({"cut.tif", "multi.tif", "photo.jpg"}));
}

TEST(CleanProgress, TheLineFitsItsWidthAndFillsWithThePages)
{
    BatchProgress progress{50, 100, 3, 10};
    const QString half = ProgressLine(progress, 10.0, 80);
    EXPECT_LE(half.size(), 80);
    EXPECT_TRUE(half.contains(QStringLiteral("50/100 pages, 3/10 files, 5.0 pages/s"))) << half.toStdString();
    const qsizetype barWidth = half.indexOf(u']') - half.indexOf(u'[') - 1;
    EXPECT_GT(barWidth, 10);
    EXPECT_EQ(half.count(u'#'), (barWidth + 1) / 2);
    EXPECT_LE(ProgressLine(progress, 10.0, 30).size(), 30);
}

// The program itself: exit status, messages, summary.
class CleanProgramTest : public CleanBatchTest {
protected:
    int run(const QStringList& arguments, QString* standardOut = nullptr, QString* standardError = nullptr)
    {
        QProcess process;
        process.start(QStringLiteral(SCANVO_CLEAN_PROGRAM), arguments);
        EXPECT_TRUE(process.waitForFinished(120000));
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
            return -1;
        }
        if (standardOut)
            *standardOut = QString::fromLocal8Bit(process.readAllStandardOutput());
        if (standardError)
            *standardError = QString::fromLocal8Bit(process.readAllStandardError());
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
};

TEST_F(CleanProgramTest, ExitStatusMessagesAndSummary)
{
    QString stdOut, stdErr;
    EXPECT_EQ(run({"--help"}, &stdOut), 0);
    EXPECT_TRUE(stdOut.startsWith(QStringLiteral("Usage: scanvo-clean")));
    EXPECT_EQ(run({in}, nullptr, &stdErr), 2);
    EXPECT_TRUE(stdErr.contains(QStringLiteral("Try 'scanvo-clean --help'"))) << stdErr.toStdString();

    EXPECT_EQ(run({"-s", "-o", out, in}, &stdOut, &stdErr), 1);
    EXPECT_TRUE(stdErr.startsWith(QStringLiteral("scanvo-clean: ") + in + QStringLiteral("/cut.tif: ")))
        << stdErr.toStdString();
    EXPECT_TRUE(stdErr.trimmed().endsWith(QStringLiteral("; skipped"))) << stdErr.toStdString();
    EXPECT_TRUE(stdOut.startsWith(QStringLiteral("2 of 3 files cleaned (4 pages in "))) << stdOut.toStdString();
    EXPECT_TRUE(stdOut.contains(QStringLiteral(", 1 failed."))) << stdOut.toStdString();
    EXPECT_EQ(Entries(out), QStringList({"multi.tif", "photo.jpg"}));

    EXPECT_EQ(run({"-q", "-s", "-o", out, in + "/multi.tif"}, &stdOut, &stdErr), 0);
    EXPECT_TRUE(stdOut.isEmpty());
    EXPECT_TRUE(stdErr.isEmpty());
}

TEST_F(CleanProgramTest, StepSettingsComeFromTheSettingsFile)
{
    // No border sides in this file: border removal leaves the page as it is.
    const QString ini = QFileInfo(in).path() + "/scanvo.ini";
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Imaging]\nBorderLocation=NONE\n");
    file.close();
    EXPECT_EQ(run({"-b", "-q", "--config", ini, "-o", out, in + "/multi.tif"}), 0);
    EXPECT_TRUE(engine::LoadPage(out + "/multi.tif", 1).samePixels(pages[0]));
    // With the defaults the borders go.
    EXPECT_EQ(run({"-b", "-q", "--config", QFileInfo(in).path() + "/missing.ini", "-o", out, in + "/multi.tif"}), 0);
    EXPECT_FALSE(engine::LoadPage(out + "/multi.tif", 1).samePixels(pages[0]));
}

}  // namespace
}  // namespace scanvo::clean
