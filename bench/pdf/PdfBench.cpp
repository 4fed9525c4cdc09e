// Generated A4 pages at 300 dpi, stored as scanners store them (CCITT G4, one strip a page), made
// into PDF by scanvo-pdf and by its peers, all in the same run:
//  - without text: scanvo-pdf against img2pdf, both lossless; counters: pages a second and how
//    many image streams of our PDF are byte for byte img2pdf's;
//  - searchable PDF/A: scanvo-pdf --ocr --pdfa against ocrmypdf --output-type pdfa (from img2pdf's
//    PDF of the same pages) and against Tesseract alone writing plain text, the floor, each with
//    the same number of jobs, on English pages and on a Chinese one; counter: the share of the
//    page's words (Chinese: characters) that pdftotext (or Tesseract's text) reads back.
// After the benchmarks the ratios are printed. SCANVO_BENCH_PAGES sets the pages without text
// (10), SCANVO_BENCH_OCR_PAGES the English pages recognised (4), SCANVO_BENCH_JOBS the jobs (2);
// with SCANVO_BENCH_KEEP set, the pages and PDF files stay (their folder is printed).
#include "PeerTools.h"
#include "fixtures/PageGenerator.h"
#include "platform/engine/ImageFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace {

using benchsupport::ShellQuote;

int Setting(const char* name, int fallback)
{
    const int value = qEnvironmentVariableIntValue(name);
    return value > 0 ? value : fallback;
}

struct Pages {
    QTemporaryDir dir;
    int plain = 0;     // pages of the set without text
    int english = 0;   // the first pages of the set, recognised in English
    int jobs = 0;
    QStringList englishText;  // what each English page shows
    QString chineseText;      // what the Chinese page shows
    QString path(const QString& name) const { return dir.filePath(name); }
};

// Saves page as G4 in one strip, as scanners and img2pdf's pass-through have it.
void SaveOneStripG4(const scanvo::engine::Image& page, const QString& path)
{
    const QString strips = path + QStringLiteral(".strips.tif");
    scanvo::engine::SavePage(page, strips, scanvo::engine::SaveOptions{});
    QProcess::execute(QStringLiteral("tiffcp"), {"-c", "g4", "-r", "1000000", strips, path});
    QFile::remove(strips);
}

const Pages& Set()
{
    static const std::unique_ptr<Pages> pages = [] {
        auto made = std::make_unique<Pages>();
        made->plain = Setting("SCANVO_BENCH_PAGES", 10);
        made->english = std::min(made->plain, Setting("SCANVO_BENCH_OCR_PAGES", 4));
        made->jobs = Setting("SCANVO_BENCH_JOBS", 2);
        if (qEnvironmentVariableIsSet("SCANVO_BENCH_KEEP")) {
            made->dir.setAutoRemove(false);
            std::printf("pages and PDF files in %s\n", made->dir.path().toLocal8Bit().constData());
        }
        for (const char* folder : {"plain", "english", "chinese", "out"})
            QDir().mkpath(made->path(QString::fromLatin1(folder)));
        for (int n = 1; n <= made->plain; ++n) {
            scanvo::testing::PageOptions options;
            options.seed = unsigned(n);
            const scanvo::testing::GeneratedPage page = scanvo::testing::GeneratePage(options);
            const QString name = QStringLiteral("page%1.tif").arg(n, 3, 10, QLatin1Char('0'));
            SaveOneStripG4(page.page, made->path(QStringLiteral("plain/") + name));
            if (n <= made->english) {
                QFile::copy(made->path(QStringLiteral("plain/") + name), made->path(QStringLiteral("english/") + name));
                made->englishText << page.textLines.join(u'\n');
            }
        }
        scanvo::testing::PageOptions chinese;
        chinese.chineseText = true;
        const scanvo::testing::GeneratedPage page = scanvo::testing::GeneratePage(chinese);
        SaveOneStripG4(page.page, made->path(QStringLiteral("chinese/page001.tif")));
        made->chineseText = page.textLines.join(u'\n');
        return made;
    }();
    return *pages;
}

QString ReadText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Words of text, lower case, letters and digits only; Chinese characters each count as a word.
QStringList Words(const QString& text)
{
    static const QRegularExpression word(QStringLiteral("\\p{Han}|[\\p{L}\\p{N}]+"));
    QStringList words;
    for (auto match = word.globalMatch(text.toLower()); match.hasNext();)
        words << match.next().captured();
    return words;
}

// The share of expected's words that read appears to hold, each found word used once.
double Accuracy(const QString& expected, const QString& read)
{
    const QStringList wanted = Words(expected);
    std::map<QString, int> pool;
    for (const QString& word : Words(read))
        ++pool[word];
    int found = 0;
    for (const QString& word : wanted) {
        if (pool[word] > 0) {
            --pool[word];
            ++found;
        }
    }
    return wanted.isEmpty() ? 0 : double(found) / wanted.size();
}

QString PdfText(const QString& pdf)
{
    const QString text = pdf + QStringLiteral(".txt");
    QProcess::execute(QStringLiteral("pdftotext"), {"-enc", "UTF-8", pdf, text});
    return ReadText(text);
}

std::map<std::string, double>& Seconds()
{
    static std::map<std::string, double> seconds;
    return seconds;
}

// Runs command once under the benchmark's timer; records its seconds under name.
bool Timed(benchmark::State& s, const std::string& name, const QString& command)
{
    double seconds = 0;
    const QString errors = Set().path(QStringLiteral("errors.txt"));
    for (auto _ : s) {
        QElapsedTimer timer;
        timer.start();
        if (std::system((command + QStringLiteral(" >/dev/null 2>") + ShellQuote(errors)).toLocal8Bit().constData()) != 0) {
            s.SkipWithError(("failed: " + command + QStringLiteral(": ") + ReadText(errors).trimmed()).toStdString().c_str());
            return false;
        }
        seconds = double(timer.nsecsElapsed()) / 1e9;
    }
    Seconds()[name] = seconds;
    return true;
}

QString Folder(const char* name)
{
    return Set().path(QString::fromLatin1(name));
}

QString Out(const char* name)
{
    return Set().path(QStringLiteral("out/") + QString::fromLatin1(name));
}

QString Scanvo()
{
    return ShellQuote(QStringLiteral(SCANVO_PDF_PROGRAM));
}

QString TiffsOf(const char* folder)
{
    return ShellQuote(Folder(folder)) + QStringLiteral("/*.tif");
}

// The image streams of a PDF as stored, in order.
QList<QByteArray> Streams(const QString& pdf)
{
    const QString dir = pdf + QStringLiteral(".images");
    QDir(dir).removeRecursively();
    QDir().mkpath(dir);
    QProcess::execute(QStringLiteral("pdfimages"), {"-all", pdf, dir + QStringLiteral("/img")});
    QList<QByteArray> streams;
    for (const QString& name : QDir(dir).entryList({QStringLiteral("img-*")}, QDir::Files, QDir::Name)) {
        QFile file(dir + u'/' + name);
        if (!name.endsWith(QStringLiteral(".params")) && file.open(QIODevice::ReadOnly))
            streams << file.readAll();
    }
    return streams;
}

void BM_PlainScanvo(benchmark::State& s, const std::string& name)
{
    if (!Timed(s, name, Scanvo() + QStringLiteral(" -q -j %1 -o ").arg(Set().jobs) + ShellQuote(Out("plain-scanvo.pdf")) + u' ' +
                      ShellQuote(Folder("plain"))))
        return;
    s.counters["pages_per_s"] = Set().plain / Seconds()[name];
}

void BM_PlainImg2pdf(benchmark::State& s, const std::string& name)
{
    if (!Timed(s, name, QStringLiteral("img2pdf -o ") + ShellQuote(Out("plain-img2pdf.pdf")) + u' ' + TiffsOf("plain")))
        return;
    s.counters["pages_per_s"] = Set().plain / Seconds()[name];
    const QList<QByteArray> ours = Streams(Out("plain-scanvo.pdf")), theirs = Streams(Out("plain-img2pdf.pdf"));
    int same = 0;
    for (qsizetype i = 0; i < std::min(ours.size(), theirs.size()); ++i)
        same += ours[i] == theirs[i] ? 1 : 0;
    s.counters["streams_identical"] = same;
    s.counters["streams"] = double(theirs.size());
}

// The searchable benchmarks of one language on one folder.
struct Language {
    const char* code;     // Tesseract's
    const char* folder;
    int pages;
    QString text;
};

Language English()
{
    return {"eng", "english", Set().english, Set().englishText.join(u'\n')};
}

Language Chinese()
{
    return {"chi_sim", "chinese", 1, Set().chineseText};
}

// Times command; then reads the text it made back with readBack.
void Searchable(benchmark::State& s, const std::string& name, const Language& language, const QString& command,
                const std::function<QString()>& readBack)
{
    if (!Timed(s, name, command))
        return;
    s.counters["s_per_page"] = Seconds()[name] / language.pages;
    s.counters["word_accuracy"] = Accuracy(language.text, readBack());
}

void BM_SearchableScanvo(benchmark::State& s, const std::string& name, const Language& language)
{
    const QString pdf = Out("searchable-scanvo-") + QString::fromLatin1(language.code) + QStringLiteral(".pdf");
    const QString command = Scanvo() + QStringLiteral(" -q --pdfa --ocr %1 -j %2 -o ").arg(language.code).arg(Set().jobs) +
                            ShellQuote(pdf) + u' ' + ShellQuote(Folder(language.folder));
    Searchable(s, name, language, command, [&] { return PdfText(pdf); });
}

void BM_SearchableOcrmypdf(benchmark::State& s, const std::string& name, const Language& language)
{
    // ocrmypdf takes a PDF: img2pdf's lossless one of the same pages, made before the timing.
    const QString input = Out("input-") + QString::fromLatin1(language.code) + QStringLiteral(".pdf");
    const QString pdf = Out("searchable-ocrmypdf-") + QString::fromLatin1(language.code) + QStringLiteral(".pdf");
    if (std::system((QStringLiteral("img2pdf -o ") + ShellQuote(input) + u' ' + TiffsOf(language.folder)).toLocal8Bit().constData()) != 0) {
        s.SkipWithError("img2pdf failed");
        return;
    }
    const QString command = QStringLiteral("ocrmypdf -q --output-type pdfa -l %1 -j %2 ").arg(language.code).arg(Set().jobs) +
                            ShellQuote(input) + u' ' + ShellQuote(pdf);
    Searchable(s, name, language, command, [&] { return PdfText(pdf); });
}

void BM_TesseractAlone(benchmark::State& s, const std::string& name, const Language& language)
{
    // One single-threaded Tesseract a page, as many at once as jobs: the floor of recognition.
    const QString out = Out("tesseract-") + QString::fromLatin1(language.code);
    QDir().mkpath(out);
    const QString command = QStringLiteral("cd %1 && ls *.tif | OMP_THREAD_LIMIT=1 xargs -P %2 -I{} tesseract {} %3/{} -l %4")
                                .arg(ShellQuote(Folder(language.folder)))
                                .arg(Set().jobs)
                                .arg(ShellQuote(out), QString::fromLatin1(language.code));
    Searchable(s, name, language, command, [&] {
        QString text;
        for (const QString& file : QDir(out).entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name))
            text += ReadText(out + u'/' + file);
        return text;
    });
}

void PrintRatio(const char* what, const std::string& peer, const std::string& ours)
{
    const auto& seconds = Seconds();
    if (seconds.count(peer) && seconds.count(ours) && seconds.at(ours) > 0)
        std::printf("%-44s %.2f\n", what, seconds.at(peer) / seconds.at(ours));
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);  // the page generator draws text with Qt's fonts
    benchmark::Initialize(&argc, argv);
    Set();
    const auto add = [](const std::string& name, auto function, auto... arguments) {
        benchmark::RegisterBenchmark(name.c_str(), function, name, arguments...)
            ->Iterations(1)
            ->Unit(benchmark::kSecond)
            ->UseRealTime();
    };
    add("pdf/plain/scanvo-pdf", BM_PlainScanvo);
    if (benchsupport::Installed("img2pdf"))
        add("pdf/plain/img2pdf", BM_PlainImg2pdf);
    for (const Language& language : {English(), Chinese()}) {
        const std::string base = std::string("pdf/searchable/") + language.code + "/";
        add(base + "scanvo-pdf", BM_SearchableScanvo, language);
        if (benchsupport::Installed("ocrmypdf") && benchsupport::Installed("img2pdf"))
            add(base + "ocrmypdf", BM_SearchableOcrmypdf, language);
        if (benchsupport::Installed("tesseract"))
            add(base + "tesseract-alone", BM_TesseractAlone, language);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    std::printf("\nTime ratios (peer / scanvo-pdf; above 1: scanvo-pdf is faster):\n");
    PrintRatio("img2pdf / scanvo-pdf, no text", "pdf/plain/img2pdf", "pdf/plain/scanvo-pdf");
    for (const char* code : {"eng", "chi_sim"}) {
        const std::string base = std::string("pdf/searchable/") + code + "/";
        PrintRatio((std::string("ocrmypdf / scanvo-pdf, ") + code).c_str(), base + "ocrmypdf", base + "scanvo-pdf");
        PrintRatio((std::string("tesseract alone / scanvo-pdf, ") + code).c_str(), base + "tesseract-alone",
                   base + "scanvo-pdf");
    }
    return 0;
}
