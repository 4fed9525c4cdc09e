// scanvo-pdf and scanvo-clean --pdf: the command line, the documents a run writes, pages as they
// are stored (G4 and JPEG data byte for byte), a damaged page that leaves its PDF unwritten and
// the others written, a missing language that leaves everything unwritten, and the programs'
// exit status and messages.
#include "fixtures/PageGenerator.h"
#include "platform/engine/AtomicFile.h"
#include "platform/engine/EngineError.h"
#include "platform/engine/EngineTestPages.h"
#include "platform/engine/ImageFile.h"
#include "platform/pdf/PdfTools.h"
#include "tools/clean/CleanOptions.h"
#include "tools/clean/CleanTargets.h"
#include "tools/common/DocumentRun.h"
#include "tools/common/PageList.h"
#include "tools/pdf/PdfDocuments.h"
#include "tools/pdf/PdfToolOptions.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

#include <unistd.h>

namespace scanvo::pdftool {
namespace {

using engine::Image;

QStringList Entries(const QString& dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

std::string Joined(const QStringList& list)
{
    return list.join(u' ').toStdString();
}

void Touch(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

// What a finished program said; exitCode -1 when it did not end by itself in time.
struct Finished {
    int exitCode = -1;
    QString out;
    QString err;
};

Finished RunProgram(const QString& program, const QStringList& arguments)
{
    const pdftest::ToolRun run = pdftest::RunTool(program, arguments);
    return {run.exitCode, QString::fromLocal8Bit(run.out), QString::fromLocal8Bit(run.err)};
}

Finished RunPdf(const QStringList& arguments)
{
    return RunProgram(QStringLiteral(SCANVO_PDF_PROGRAM), arguments);
}

bool PeerToolsInstalled()
{
    for (const char* tool : {"qpdf", "pdfimages", "pdftotext"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return false;
    }
    return true;
}

void WritePages(const QString& path, const std::vector<Image>& pages, int format)
{
    for (size_t i = 0; i < pages.size(); ++i)
        engine::SavePage(pages[i], path, enginetest::SaveAt(i == 0 ? engine::SaveNew : engine::SaveAppend, 0, format));
}

// A G4 page as scanners store it: the whole page in one strip.
void WriteOneStripG4(const QString& path, const Image& page)
{
    const QString manyStrips = path + QStringLiteral(".strips.tif");
    WritePages(manyStrips, {page}, engine::FormatTiffG4);
    ASSERT_EQ(RunProgram(QStringLiteral("tiffcp"), {"-c", "g4", "-r", "1000000", manyStrips, path}).exitCode, 0);
    QFile::remove(manyStrips);
    ASSERT_EQ(enginetest::RawChunks(path, 0).size(), 1u);
}

// Whether process pid has a file in dir open, as a writer has its temporary file (which may have
// no name yet: its link then reads "dir/#inode (deleted)").
bool HoldsFileIn(qint64 pid, const QString& dir)
{
    const QString fds = QStringLiteral("/proc/%1/fd").arg(pid);
    for (const QString& fd : QDir(fds).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        char target[4096];
        const ssize_t length = ::readlink(QFile::encodeName(fds + u'/' + fd).constData(), target, sizeof target);
        if (length > 0 && QFile::decodeName(QByteArray(target, int(length))).startsWith(dir + u'/'))
            return true;
    }
    return false;
}

ParsedCommandLine Parse(QStringList arguments)
{
    arguments.prepend(QStringLiteral("scanvo-pdf"));
    return ParseCommandLine(arguments);
}

TEST(PdfCommandLine, OptionsAndWhatIsRefused)
{
    const ParsedCommandLine plain = Parse({"-o", "out.pdf", "a", "b"});
    ASSERT_TRUE(plain.error.isEmpty()) << plain.error.toStdString();
    EXPECT_EQ(plain.options.output, QStringLiteral("out.pdf"));
    EXPECT_EQ(plain.options.inputs, QStringList({"a", "b"}));
    EXPECT_FALSE(plain.options.pdf.ocr || plain.options.pdf.pdfa);
    EXPECT_EQ(plain.options.pdf.threads, 0);

    const ParsedCommandLine all = Parse({"--ocr", "eng+chi_sim", "-aq", "-j", "3", "--output=dir/", "x"});
    ASSERT_TRUE(all.error.isEmpty()) << all.error.toStdString();
    EXPECT_TRUE(all.options.pdf.ocr);
    EXPECT_EQ(all.options.pdf.languages, QStringLiteral("eng+chi_sim"));
    EXPECT_TRUE(all.options.pdf.pdfa);
    EXPECT_TRUE(all.options.quiet);
    EXPECT_EQ(all.options.pdf.threads, 3);

    EXPECT_TRUE(Parse({"--help"}).options.showHelp);
    EXPECT_TRUE(Parse({"-V"}).options.showVersion);

    const QStringList wrong[] = {
        {"a.tif"},                              // nowhere to write
        {"-o", "out.pdf"},                      // nothing to write
        {"-o", "out.pdf", "-j", "0", "a.tif"},  // no worker
        {"-o", "out.pdf", "--ocr", "eng+", "a.tif"},
        {"-o", "out.pdf", "--ocr=../x", "a.tif"},
        {"-o", "out.pdf", "--frobnicate", "a.tif"},
    };
    for (const QStringList& arguments : wrong)
        EXPECT_FALSE(Parse(arguments).error.isEmpty()) << Joined(arguments);
}

TEST(PdfCommandLine, HelpListsEveryOptionAndAFolderOutputIsRecognised)
{
    const QString help = HelpText();
    EXPECT_TRUE(help.startsWith(QStringLiteral("Usage: scanvo-pdf [OPTION]...")));
    for (const char* option : {"  -o, --output=OUT", "      --ocr=LANG", "  -a, --pdfa", "  -j, --jobs=N", "  -q, --quiet",
                               "  -h, --help", "  -V, --version", "Exit status:"})
        EXPECT_TRUE(help.contains(QString::fromLatin1(option))) << option;
    for (const QString& line : help.split(u'\n'))
        EXPECT_LE(line.size(), 80) << line.toStdString();

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_TRUE(IsFolderOutput(dir.path()));
    EXPECT_TRUE(IsFolderOutput(dir.filePath(QStringLiteral("new/"))));
    EXPECT_FALSE(IsFolderOutput(dir.filePath(QStringLiteral("new.pdf"))));
}

class PdfDocumentsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        a = m_dir.filePath(QStringLiteral("a"));
        b = m_dir.filePath(QStringLiteral("b"));
        empty = m_dir.filePath(QStringLiteral("empty"));
        for (const QString& folder : {a + "/sub", b, empty})
            QDir().mkpath(folder);
        for (const QString& path : {a + "/p10.tif", a + "/p9.jpg", a + "/notes.txt", a + "/sub/deep.tif", b + "/p9.jpg"})
            Touch(path);
        out = m_dir.filePath(QStringLiteral("out"));
    }

    QString a, b, empty, out;

private:
    QTemporaryDir m_dir;
};

TEST_F(PdfDocumentsTest, OneDocumentTakesEveryInputInOrderAndEachFileOnce)
{
    const PdfDocument document = CollectDocument({b, a, a + "/p10.tif", a + "/../a/p9.jpg"}, out + "/all.pdf");
    EXPECT_TRUE(document.problem.isEmpty()) << document.problem.toStdString();
    EXPECT_EQ(document.target, out + "/all.pdf");
    // A folder's files in name order, as the clean tool takes them.
    EXPECT_EQ(Joined(document.files), Joined({b + "/p9.jpg", a + "/p10.tif", a + "/p9.jpg"}));

    EXPECT_TRUE(CollectDocument({a, a + "/missing.tif"}, out).problem.contains(a + "/missing.tif"));
    EXPECT_FALSE(CollectDocument({empty}, out).problem.isEmpty());
}

TEST_F(PdfDocumentsTest, OnePdfPerInputIsNamedAfterItAndTwoOfOneNameAreRefused)
{
    const std::vector<PdfDocument> documents =
        CollectDocuments({a, b + "/p9.jpg", a + "/", empty, a + "/p9.jpg", a + "/missing"}, out);
    ASSERT_EQ(documents.size(), 5u);
    EXPECT_EQ(documents[0].target, out + "/a.pdf");
    EXPECT_EQ(Joined(documents[0].files), Joined({a + "/p10.tif", a + "/p9.jpg"}));
    EXPECT_TRUE(documents[0].problem.isEmpty());
    EXPECT_EQ(documents[1].target, out + "/p9.pdf");
    EXPECT_EQ(Joined(documents[1].files), Joined({b + "/p9.jpg"}));
    EXPECT_TRUE(documents[1].problem.isEmpty());
    EXPECT_FALSE(documents[2].problem.isEmpty());  // a folder without page files
    // A file of the same name from another folder would overwrite the first PDF.
    EXPECT_TRUE(documents[3].problem.contains(b + "/p9.jpg")) << documents[3].problem.toStdString();
    EXPECT_FALSE(documents[4].problem.isEmpty());
}

TEST(PageListTest, EveryPageOfEachFileInOrderAndADamagedFileIsRefused)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString multi = dir.filePath(QStringLiteral("multi.tif")), photo = dir.filePath(QStringLiteral("photo.jpg"));
    const Image page = enginetest::BitonalPage(200, 300);
    WritePages(multi, {page, page, page}, engine::FormatTiffG4);
    WritePages(photo, {enginetest::ColourPage(200, 300)}, engine::FormatJpeg444);

    const tools::PageList list = tools::ListPages({photo, multi});
    ASSERT_EQ(list.pages.size(), 4u);
    EXPECT_EQ(list.pages[0].path, photo);
    EXPECT_EQ(list.pages[3].path, multi);
    EXPECT_EQ(list.pages[3].page, 3);
    EXPECT_EQ(list.fileEnds, std::vector<int>({1, 4}));
    EXPECT_EQ(tools::FilesDone(list, 0), 0);
    EXPECT_EQ(tools::FilesDone(list, 3), 1);
    EXPECT_EQ(tools::FilesDone(list, 4), 2);

    // Three pages cut short after the second.
    const QString cut = dir.filePath(QStringLiteral("cut.tif"));
    WritePages(cut, {page, page}, engine::FormatTiffG4);
    const qint64 twoPages = QFileInfo(cut).size();
    WritePages(cut, {page, page, page}, engine::FormatTiffG4);
    ASSERT_TRUE(QFile(cut).resize(twoPages + 40));
    try {
        tools::ListPages({photo, cut});
        ADD_FAILURE() << "a damaged file was listed";
    } catch (const engine::EngineError& error) {
        EXPECT_TRUE(error.description().contains(cut)) << error.description().toStdString();
    }
}

TEST(DocumentRunTest, SeveralDocumentsAtOnceEachReportedOnceAndCounted)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    std::vector<tools::PdfDocument> documents;
    for (int n = 1; n <= 5; ++n) {
        const QString page = dir.filePath(QStringLiteral("p%1.tif").arg(n));
        WritePages(page, std::vector<Image>(size_t(n % 2 + 1), enginetest::BitonalPage(300, 400, n)), engine::FormatTiffG4);
        documents.push_back({{page}, dir.filePath(QStringLiteral("p%1.pdf").arg(n)), {}});
    }
    enginetest::WriteBytes(dir.filePath(QStringLiteral("junk.tif")), "not a page");
    documents.push_back({{dir.filePath(QStringLiteral("junk.tif"))}, dir.filePath(QStringLiteral("junk.pdf")), {}});
    documents.push_back({{}, dir.filePath(QStringLiteral("refused.pdf")), QStringLiteral("refused")});

    pdf::PdfOptions options;
    options.threads = 2;
    tools::BatchProgress last;
    std::vector<int> reported(documents.size());
    const tools::RunResult result = tools::WriteDocuments(
        documents, options, [&](const tools::BatchProgress& progress) { last = progress; },
        [&](const tools::PdfDocument& document, const tools::DocumentOutcome&) {
            ++reported[size_t(&document - documents.data())];
        });
    EXPECT_EQ(reported, std::vector<int>(documents.size(), 1));
    EXPECT_EQ(last.pagesTotal, 8);  // 2 + 1 + 2 + 1 + 2; the junk file has none to count
    EXPECT_EQ(last.pagesDone, 8);
    EXPECT_EQ(last.filesTotal, 5);
    EXPECT_EQ(last.filesDone, 5);
    ASSERT_EQ(result.documents.size(), documents.size());
    for (size_t i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(result.documents[i].error.isEmpty()) << result.documents[i].error.toStdString();
        EXPECT_EQ(result.documents[i].pages, int(i + 1) % 2 + 1);
        EXPECT_EQ(pdftest::PdfPageCount(documents[i].target), result.documents[i].pages);
    }
    EXPECT_TRUE(result.documents[5].error.contains(QStringLiteral("junk.tif"))) << result.documents[5].error.toStdString();
    EXPECT_EQ(result.documents[6].error, QStringLiteral("refused"));
    EXPECT_FALSE(QFileInfo::exists(documents[5].target) || QFileInfo::exists(documents[6].target));
}

TEST(CleanToPdf, CommandLineAndNumberedResults)
{
    const auto parse = [](QStringList arguments) {
        arguments.prepend(QStringLiteral("scanvo-clean"));
        return clean::ParseCommandLine(arguments, QStringLiteral("scanvo.ini"));
    };
    const clean::ParsedCommandLine toPdf = parse({"--pdf", "out.pdf", "--ocr", "eng", "--pdfa", "scans"});
    ASSERT_TRUE(toPdf.error.isEmpty()) << toPdf.error.toStdString();
    EXPECT_EQ(toPdf.options.pdfFile, QStringLiteral("out.pdf"));
    EXPECT_TRUE(toPdf.options.pdf.ocr && toPdf.options.pdf.pdfa);
    EXPECT_EQ(toPdf.options.pdf.languages, QStringLiteral("eng"));
    EXPECT_FALSE(parse({"--pdf", "out.pdf", "-o", "dir", "scans"}).error.isEmpty());
    EXPECT_FALSE(parse({"--pdf", "out.pdf", "--in-place", "scans"}).error.isEmpty());
    EXPECT_FALSE(parse({"--ocr", "eng", "-o", "dir", "scans"}).error.isEmpty());  // no PDF to put text in
    EXPECT_FALSE(parse({"--pdf=", "scans"}).error.isEmpty());

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString a = dir.filePath(QStringLiteral("a")), b = dir.filePath(QStringLiteral("b"));
    QDir().mkpath(a);
    QDir().mkpath(b);
    for (const QString& path : {a + "/p1.tif", a + "/p2.jpg", b + "/p1.tif"})
        Touch(path);
    const std::vector<clean::CleanTarget> targets = clean::CollectNumberedTargets({a, b}, dir.filePath("cleaned"));
    ASSERT_EQ(targets.size(), 3u);
    QStringList results;
    for (const clean::CleanTarget& target : targets) {
        EXPECT_TRUE(target.problem.isEmpty()) << target.problem.toStdString();
        results << target.result;
    }
    EXPECT_TRUE(results[2].endsWith(QStringLiteral("p1.tif")));
    EXPECT_TRUE(results[1].endsWith(QStringLiteral(".jpg")));  // a JPEG file stays one
    QStringList sorted = results;
    sorted.sort();
    EXPECT_EQ(sorted, results);  // the folder's order is the batch's
    EXPECT_EQ(QSet<QString>(results.begin(), results.end()).size(), 3);
}

// The programs themselves on a document of a one-strip G4 page, a JPEG file and a two-page grey
// TIFF, and a second document with a damaged file.
class PdfProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!PeerToolsInstalled())
            GTEST_SKIP() << "qpdf and poppler-utils are needed to read the PDF files";
        ASSERT_TRUE(m_dir.isValid());
        doc = m_dir.filePath(QStringLiteral("doc"));
        bad = m_dir.filePath(QStringLiteral("bad"));
        out = m_dir.filePath(QStringLiteral("out"));
        QDir().mkpath(doc);
        QDir().mkpath(bad);
        WriteOneStripG4(doc + "/p1.tif", enginetest::BitonalPage(1240, 1754, 1, 150, 150));
        WritePages(doc + "/p2.jpg", {enginetest::ColourPage(620, 877, 2, 75, 75)}, engine::FormatJpeg444);
        WritePages(doc + "/p3.tif", {enginetest::GreyPage(620, 877, 3, 75, 75), enginetest::GreyPage(620, 877, 4, 75, 75)},
                   engine::FormatTiffLzw);
        // A file of three pages cut short after the second.
        const Image page = enginetest::BitonalPage(620, 877);
        WritePages(bad + "/a.tif", {page}, engine::FormatTiffG4);
        WritePages(bad + "/b.tif", {page, page}, engine::FormatTiffG4);
        const qint64 twoPages = QFileInfo(bad + "/b.tif").size();
        WritePages(bad + "/b.tif", {page, page, page}, engine::FormatTiffG4);
        ASSERT_TRUE(QFile(bad + "/b.tif").resize(twoPages + 40));
    }

    QString path(const QString& name) const { return m_dir.filePath(name); }

    QString doc, bad, out;

private:
    QTemporaryDir m_dir;
};

TEST_F(PdfProgramTest, UsageErrorsHelpAndVersion)
{
    const Finished help = RunPdf({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Usage: scanvo-pdf")));
    EXPECT_EQ(RunPdf({"-V"}).out, QStringLiteral("scanvo-pdf %1\n").arg(QStringLiteral(SCANVO_VERSION_TEXT)));
    for (const QStringList& wrong : {QStringList{doc}, QStringList{"-o", out + ".pdf"}, QStringList{"-j", "x", "-o", "o.pdf", doc}}) {
        const Finished refused = RunPdf(wrong);
        EXPECT_EQ(refused.exitCode, 2) << wrong.join(u' ').toStdString();
        EXPECT_TRUE(refused.err.contains(QStringLiteral("Try 'scanvo-pdf --help'"))) << refused.err.toStdString();
    }
    EXPECT_EQ(Joined(Entries(path(QString()))), "");
}

TEST_F(PdfProgramTest, OnePdfHoldsEveryPageAndG4AndJpegPagesByteForByte)
{
    const QString pdf = path(QStringLiteral("doc.pdf"));
    const Finished written = RunPdf({"-o", pdf, doc});
    ASSERT_EQ(written.exitCode, 0) << written.err.toStdString();
    EXPECT_TRUE(written.err.isEmpty()) << written.err.toStdString();
    EXPECT_TRUE(written.out.startsWith(QStringLiteral("1 of 1 PDF files written (4 pages in "))) << written.out.toStdString();
    EXPECT_EQ(RunProgram(QStringLiteral("qpdf"), {"--check", pdf}).exitCode, 0);
    EXPECT_EQ(pdftest::PdfPageCount(pdf), 4);

    // As stored: the one strip of the G4 page, the JPEG file whole.
    const auto streams = pdftest::PdfImageStreams(pdf, path(QStringLiteral("images")));
    ASSERT_EQ(streams.size(), 4);
    EXPECT_TRUE(streams[0].first.endsWith(QStringLiteral(".ccitt"))) << streams[0].first.toStdString();
    EXPECT_EQ(streams[0].second, enginetest::RawChunks(doc + "/p1.tif", 0).front());
    EXPECT_TRUE(streams[1].first.endsWith(QStringLiteral(".jpg"))) << streams[1].first.toStdString();
    EXPECT_EQ(streams[1].second, enginetest::FileBytes(doc + "/p2.jpg"));

    // Quiet: nothing but errors.
    const Finished quiet = RunPdf({"-q", "-o", pdf, doc + "/p2.jpg"});
    EXPECT_EQ(quiet.exitCode, 0);
    EXPECT_TRUE(quiet.out.isEmpty() && quiet.err.isEmpty()) << quiet.out.toStdString() << quiet.err.toStdString();
    EXPECT_EQ(pdftest::PdfPageCount(pdf), 1);
}

TEST_F(PdfProgramTest, ADamagedPageLeavesItsPdfUnwrittenAndTheOthersWritten)
{
    const Finished run = RunPdf({"-o", out + "/", bad, doc});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(Joined(Entries(out)), "doc.pdf");
    EXPECT_EQ(pdftest::PdfPageCount(out + "/doc.pdf"), 4);
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("scanvo-pdf: ") + out + QStringLiteral("/bad.pdf: "))) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(bad + "/b.tif")) << run.err.toStdString();
    EXPECT_TRUE(run.err.trimmed().endsWith(QStringLiteral("; not written"))) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("1 of 2 PDF files written (4 pages in "))) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral(", 1 failed."))) << run.out.toStdString();

    // One PDF of both: nothing is written, and a PDF that was there stays as it was.
    const QString both = path(QStringLiteral("both.pdf"));
    enginetest::WriteBytes(both, "before");
    EXPECT_EQ(RunPdf({"-o", both, doc, bad}).exitCode, 1);
    EXPECT_EQ(enginetest::FileBytes(both), QByteArray("before"));
    EXPECT_EQ(Joined(Entries(path(QString()))), "both.pdf");
}

TEST_F(PdfProgramTest, AMissingLanguageIsNamedWithItsPackageAndNothingIsWritten)
{
    // A language no one installs for tests.
    const QString language = QStringLiteral("tlh");
    if (pdf::MissingLanguageMessage(language).isEmpty())
        GTEST_SKIP() << "the language is installed";
    const QString pdf = path(QStringLiteral("doc.pdf"));
    for (const QString& program : {QStringLiteral(SCANVO_PDF_PROGRAM), QStringLiteral(SCANVO_CLEAN_PROGRAM)}) {
        const QStringList arguments = program == QStringLiteral(SCANVO_PDF_PROGRAM)
                                          ? QStringList{"--ocr", language, "-o", pdf, doc}
                                          : QStringList{"--ocr", language, "--pdf", pdf, doc};
        const Finished run = RunProgram(program, arguments);
        EXPECT_EQ(run.exitCode, 1) << program.toStdString();
        EXPECT_TRUE(run.err.contains(pdf::LanguagePackage(language))) << run.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(pdf));
    }
}

TEST_F(PdfProgramTest, CleanWritesOnePdfOfTheCleanedPagesOrNoneWhenAFileIsDamaged)
{
    // Two folders with files of the same names: every page goes in, in the order given.
    const QString second = path(QStringLiteral("second"));
    QDir().mkpath(second);
    for (const QString& name : {QStringLiteral("p1.tif"), QStringLiteral("p2.jpg")})
        QFile::copy(doc + u'/' + name, second + u'/' + name);
    const QString pdf = path(QStringLiteral("clean.pdf"));
    // The cleaned files go through a temporary folder, which goes too.
    const QString temporary = path(QStringLiteral("tmp"));
    QDir().mkpath(temporary);
    const std::optional<QByteArray> systemTemporary =
        qEnvironmentVariableIsSet("TMPDIR") ? std::optional(qgetenv("TMPDIR")) : std::nullopt;
    qputenv("TMPDIR", QFile::encodeName(temporary));
    const Finished cleaned = RunProgram(QStringLiteral(SCANVO_CLEAN_PROGRAM), {"-s", "--pdf", pdf, doc, second});
    if (systemTemporary)
        qputenv("TMPDIR", *systemTemporary);
    else
        qunsetenv("TMPDIR");
    ASSERT_EQ(cleaned.exitCode, 0) << cleaned.err.toStdString();
    EXPECT_TRUE(cleaned.out.startsWith(QStringLiteral("5 of 5 files cleaned"))) << cleaned.out.toStdString();
    EXPECT_TRUE(cleaned.out.contains(QStringLiteral("6 pages written to ") + pdf)) << cleaned.out.toStdString();
    EXPECT_EQ(Joined(Entries(path(QString()))), "clean.pdf");
    EXPECT_EQ(Joined(QDir(temporary).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)), "");
    // Page widths tell the pages apart: doc's 1240, 620, 620, 620, then second's 1240, 620.
    std::vector<int> widths;
    for (const QImage& image : pdftest::PdfDecodedImages(pdf, path(QStringLiteral("decoded"))))
        widths.push_back(image.width());
    EXPECT_EQ(widths, std::vector<int>({1240, 620, 620, 620, 1240, 620}));

    const QString none = path(QStringLiteral("none.pdf"));
    const Finished damaged = RunProgram(QStringLiteral(SCANVO_CLEAN_PROGRAM), {"-s", "--pdf", none, doc, bad});
    EXPECT_EQ(damaged.exitCode, 1);
    EXPECT_TRUE(damaged.err.contains(bad + "/b.tif")) << damaged.err.toStdString();
    EXPECT_TRUE(damaged.err.contains(none + QStringLiteral(": not written"))) << damaged.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(none));
}

TEST_F(PdfProgramTest, AKilledRunLeavesNoPdf)
{
    // Pages enough for a run of a second or more: grey A4 pages at 300 dpi, compressed anew.
    const QString many = path(QStringLiteral("many"));
    QDir().mkpath(many);
    WritePages(many + "/p01.tif", {enginetest::GreyPage(2480, 3508)}, engine::FormatTiffLzw);
    for (int n = 2; n <= 12; ++n)
        ASSERT_TRUE(QFile::copy(many + "/p01.tif", many + QStringLiteral("/p%1.tif").arg(n, 2, 10, QLatin1Char('0'))));
    QDir().mkpath(out);
    const QString pdf = out + "/many.pdf";

    QProcess process;
    process.start(QStringLiteral(SCANVO_PDF_PROGRAM), {"-q", "-o", pdf, many});
    ASSERT_TRUE(process.waitForStarted(10000));
    // Killed as soon as it writes: the run is at most part-way then.
    QElapsedTimer waited;
    waited.start();
    const QString watched = QFileInfo(out).canonicalFilePath();
    bool writing = false;
    while (!writing && process.state() == QProcess::Running && waited.elapsed() < 60000)
        writing = HoldsFileIn(process.processId(), watched);
    ASSERT_TRUE(writing) << "the run ended before it was seen writing";
    process.kill();
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitStatus(), QProcess::CrashExit);

    EXPECT_FALSE(QFileInfo::exists(pdf));
    for (const QString& name : Entries(out))
        EXPECT_TRUE(engine::AtomicFile::IsTemporaryName(name)) << name.toStdString();
    engine::AtomicFile::RemoveStaleTemporaries(out);
    EXPECT_EQ(Joined(Entries(out)), "");
}

TEST_F(PdfProgramTest, CleanMakesOneSearchablePdfaOfAFolderOfScans)
{
    if (!pdf::MissingLanguageMessage(QStringLiteral("eng")).isEmpty())
        GTEST_SKIP() << "Tesseract's English is not installed";
    // Two strips of A4 pages at 300 dpi, with specks and a border: recognising one takes a second.
    // One job, so that one recogniser reads both pages in turn.
    const QString scans = path(QStringLiteral("scans"));
    QDir().mkpath(scans);
    QStringList shown;
    for (unsigned seed : {1u, 2u}) {
        testing::PageOptions options;
        options.height = 900;
        options.speckles = 300;
        options.borderSides = 1;
        options.seed = seed;
        const testing::GeneratedPage page = testing::GeneratePage(options);
        WritePages(scans + QStringLiteral("/scan%1.tif").arg(seed), {page.page}, engine::FormatTiffG4);
        shown << page.textLines;
    }

    const QString pdf = path(QStringLiteral("searchable.pdf"));
    const Finished run =
        RunProgram(QStringLiteral(SCANVO_CLEAN_PROGRAM), {"-q", "-j", "1", "--pdf", pdf, "--ocr", "eng", "--pdfa", scans});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(pdftest::PdfPageCount(pdf), 2);
    EXPECT_EQ(pdftest::RunTool(QStringLiteral("qpdf"), {"--check", pdf}).exitCode, 0);
    EXPECT_TRUE(QString::fromUtf8(pdftest::RunTool(QStringLiteral("pdfinfo"), {"-meta", pdf}).out).contains(QStringLiteral("pdfaid")));
    const QStringList expected = pdftest::Words(shown.join(u' '));
    ASSERT_GT(expected.size(), 40);
    const int found = pdftest::WordsFound(expected, pdftest::Words(pdftest::PdfText(pdf)));
    EXPECT_GE(found, expected.size() * 7 / 10) << found << " of " << expected.size() << " words";
}

}  // namespace
}  // namespace scanvo::pdftool
