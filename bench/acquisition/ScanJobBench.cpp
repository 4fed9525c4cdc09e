// Scan jobs and import as the user runs them, through the control.
//
// Scanning: a 10-page feeder job of SANE's test device at 300 dpi on A4, black and white (1 bit)
// and grey (8 bit), stored into a single-page TIFF document and into a multi-page TIFF document
// (G4 for black and white, the grey pages with the default JPEG-in-TIFF compression), against
// scanimage --batch --format=tiff writing the same pages (its process start included). Each round
// runs one job of each, back to back, so both meet the same load; the counters are the medians of
// pages per second and their ratio.
//
// Import: a 50-page G4 TIFF imported into an empty multi-page document, against tiffcp appending
// the same pages to a file of its own.
#include "acquisition/ImportFiles.h"
#include "acquisition/ScanJob.h"
#include "control/Imaging.h"
#include "core/Prompter.h"
#include "platform/engine/ImageFile.h"
#include "settings/Settings.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace scanvo;

namespace {

constexpr int kPagesPerJob = 10;
constexpr int kImportPages = 50;
constexpr int kRounds = 5;

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// Answers every question as a user who picks the files given and accepts every dialog.
class BenchPrompter final : public Prompter {
public:
    QStringList files;
    void showMessage(QWidget*, const QString& text, const QString&, MessageIcon) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        ++messages;
    }
    bool askYesNo(QWidget*, const QString&, const QString&) override { return true; }
    QStringList chooseFiles(QWidget*, const QString&, const QString&, const QString&) override { return files; }
    QString chooseFolder(QWidget*, const QString&, const QString&) override { return {}; }
    bool chooseFont(QWidget*, QFont&) override { return false; }
    int runDialog(QDialog&) override { return QDialog::Rejected; }
    int messages = 0;
};

struct Job {
    const char* name;
    qint16 docType;   // 2 single-page TIFF, 1 multi-page TIFF
    qint16 imageType; // Scan.ImageType: 0 black and white, 1 grey
    const char* scanimageMode;
};

constexpr Job kJobs[] = {
    {"single_page_tiff/bw", 2, 0, "--mode Gray --depth 1"},
    {"single_page_tiff/grey", 2, 1, "--mode Gray --depth 8"},
    {"multi_page_tiff/bw", 1, 0, "--mode Gray --depth 1"},
    {"multi_page_tiff/grey", 1, 1, "--mode Gray --depth 8"},
};

// A control on an empty document below root, shown, with the job's scan settings.
std::unique_ptr<Imaging> OpenControl(const QString& root, const QString& docName, qint16 docType)
{
    auto control = std::make_unique<Imaging>();
    control->setLocalPath(root);
    control->setDocName(docName);
    control->setDocType(docType);
    control->resize(800, 600);
    control->show();
    control->State().props.m_LocalPath = root;
    return control;
}

void BM_ScanJob(benchmark::State& s, Job job)
{
    BenchPrompter prompter;
    SetPrompter(&prompter);
    QTemporaryDir area;
    std::vector<double> ours;
    std::vector<double> theirs;
    int round = 0;
    const std::string scanimageBase = "timeout -s KILL 120 scanimage -d test:0 --source 'Automatic Document Feeder' " +
                                      std::string(job.scanimageMode) +
                                      " --resolution 300 -l 0 -t 0 -x 210 -y 297 --format=tiff --batch='";
    for (auto _ : s) {
        const QString docName = QStringLiteral("doc%1").arg(++round);
        auto control = OpenControl(area.path(), docName, job.docType);
        prompter.messages = 0;  // the first show asks for a root the settings file does not hold
        auto& scan = g_Settings.Scan;
        scan.ShowScanSetting = 0;
        scan.ShowNativeUI = 0;
        scan.ScanSupply = 1;
        scan.ScanDuplex = 0;
        scan.ImageType = job.imageType;
        scan.Resolution = 3;
        scan.PaperSize = 1;
        scan.PaperDirection = 1;
        if (control->State().scan.m_Scanner)
            control->State().scan.m_Scanner->selectSource(QStringLiteral("test:0"));

        QElapsedTimer timer;
        timer.start();
        AppendScan(control->State());
        const double seconds = timer.nsecsElapsed() / 1e9;
        const QString dir = area.path() + u'/' + docName;
        const int stored = job.docType == 1 ? engine::PageCount(dir + u'/' + docName + QStringLiteral(".tif"))
                                            : int(QDir(dir).entryList(QDir::Files).size());
        if (stored != kPagesPerJob || prompter.messages > 0) {
            s.SkipWithError("the job did not store ten pages");
            break;
        }
        s.SetIterationTime(seconds);
        ours.push_back(kPagesPerJob / seconds);

        const QString out = area.path() + QStringLiteral("/scanimage%1").arg(round);
        QDir().mkpath(out);
        timer.restart();
        const std::string command = scanimageBase + (out + QStringLiteral("/p%d.tif")).toStdString() + "' >/dev/null 2>&1";
        if (std::system(command.c_str()) != 0) {
            s.SkipWithError("scanimage failed");
            break;
        }
        theirs.push_back(kPagesPerJob / (timer.nsecsElapsed() / 1e9));
    }
    SetPrompter(nullptr);
    const double job_pps = Median(ours);
    const double scanimage_pps = Median(theirs);
    s.counters["job_pages_per_s"] = job_pps;
    s.counters["scanimage_pages_per_s"] = scanimage_pps;
    s.counters["ratio"] = scanimage_pps > 0 ? job_pps / scanimage_pps : 0;
}

void BM_Import(benchmark::State& s)
{
    BenchPrompter prompter;
    SetPrompter(&prompter);
    QTemporaryDir area;
    const QString source = area.path() + QStringLiteral("/source.tif");
    for (int i = 0; i < kImportPages; ++i) {
        engine::Image page = engine::Image::create(2480, 3508, 1);
        engine::SaveOptions options;
        options.format = engine::FormatTiffG4;
        options.mode = i == 0 ? engine::SaveNew : engine::SaveAppend;
        engine::SavePage(page, source, options);
    }
    prompter.files = {source};
    std::vector<double> ours;
    std::vector<double> theirs;
    int round = 0;
    for (auto _ : s) {
        const QString docName = QStringLiteral("import%1").arg(++round);
        auto control = OpenControl(area.path(), docName, 1);
        prompter.messages = 0;
        QElapsedTimer timer;
        timer.start();
        ImportFiles(control->State());
        const double seconds = timer.nsecsElapsed() / 1e9;
        const QString file = area.path() + u'/' + docName + u'/' + docName + QStringLiteral(".tif");
        if (engine::PageCount(file) != kImportPages || prompter.messages > 0) {
            s.SkipWithError("the import did not store fifty pages");
            break;
        }
        s.SetIterationTime(seconds);
        ours.push_back(kImportPages / seconds);

        // tiffcp appending the pages to a document file that holds one page already.
        const QString target = area.path() + QStringLiteral("/tiffcp%1.tif").arg(round);
        QFile::copy(area.path() + u'/' + docName + u'/' + docName + QStringLiteral(".tif"), target);
        const std::string command = "tiffcp -a -c g4 '" + source.toStdString() + "' '" + target.toStdString() + "'";
        timer.restart();
        if (std::system(command.c_str()) != 0) {
            s.SkipWithError("tiffcp failed");
            break;
        }
        theirs.push_back(kImportPages / (timer.nsecsElapsed() / 1e9));
    }
    SetPrompter(nullptr);
    const double import_pps = Median(ours);
    const double tiffcp_pps = Median(theirs);
    s.counters["import_pages_per_s"] = import_pps;
    s.counters["tiffcp_pages_per_s"] = tiffcp_pps;
    s.counters["ratio"] = tiffcp_pps > 0 ? import_pps / tiffcp_pps : 0;
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("SANE_CONFIG_DIR", SCANVO_BENCH_SANE_CONFIG);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("SCANVO_CONFIG_DIR", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    for (const char* tool : {"scanimage", "tiffcp"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
            std::fprintf(stderr, "%s is not installed: nothing to compare with\n", tool);
            return 1;
        }
    }
    for (const Job& job : kJobs)
        benchmark::RegisterBenchmark((std::string("scan_job_300dpi_a4/") + job.name).c_str(), BM_ScanJob, job)
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime()
            ->Iterations(kRounds);
    benchmark::RegisterBenchmark("import_g4_50_pages", BM_Import)
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime()
        ->Iterations(kRounds);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
