// A 10-page feeder job of SANE's test device at 300 dpi on A4, black and white (1 bit), grey and
// colour: SaneScannerSource, whose pages come from its helper process and arrive as page images,
// against scanimage --batch writing the same pages as PNM files (its process start included, as
// a user runs it). Both run in this program's run, one after the other per pixel type, five times
// each; the medians of pages per second and their ratio to scanimage are printed at the end.
#include "platform/scanner/SaneScannerSource.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

using namespace scanvo::scanner;

namespace {

constexpr int kDpi = 300;
constexpr int kPagesPerJob = 10;  // the test device's feeder holds ten sheets
constexpr int kRepetitions = 5;   // the machine may be busy with other work: medians, not means

struct Mode {
    const char* name;
    int pixelType;
    const char* scanimageMode;  // --mode and --depth as scanimage takes them
};

constexpr Mode kModes[] = {
    {"bw", PixelBlackWhite, "--mode Gray --depth 1"},
    {"grey", PixelGrey, "--mode Gray --depth 8"},
    {"colour", PixelColour, "--mode Color --depth 8"},
};

void BM_SaneSource(benchmark::State& s, Mode mode)
{
    SaneScannerSource source;
    if (source.start(0, nullptr) != ResultSuccess || source.selectSource(QStringLiteral("test:0")) != ResultSuccess) {
        s.SkipWithError(qPrintable(QStringLiteral("no test device: ") + source.errorText()));
        return;
    }
    // Whole pages: A4 at 300 dpi is 2480 by 3507 pixels.
    int pages = 0;
    QObject::connect(&source, &ScannerSource::pageAcquired, [&pages](const scanvo::engine::Image& page) {
        if (page.width() >= 2479 && page.height() >= 3506)
            ++pages;
    });
    const bool set = IsCapabilitySuccess(source.setCapability(CapFeederEnabled, ItemBool, 1)) &&
                     IsCapabilitySuccess(source.setCapability(CapPixelType, ItemUInt16, mode.pixelType)) &&
                     IsCapabilitySuccess(source.setCapability(CapXResolution, ItemFix32, kDpi)) &&
                     IsCapabilitySuccess(source.setCapability(CapYResolution, ItemFix32, kDpi)) &&
                     IsCapabilitySuccess(source.setCapability(CapSupportedSizes, ItemUInt16, 1));  // A4
    if (!set) {
        s.SkipWithError("capabilities refused");
        return;
    }
    for (auto _ : s) {
        pages = 0;
        if (source.enableAcquisition() != ResultSuccess || source.acquire(AcquireNoUi) != ResultSuccess ||
            pages != kPagesPerJob) {
            s.SkipWithError("the job did not deliver ten pages");
            break;
        }
    }
    s.SetItemsProcessed(s.iterations() * kPagesPerJob);
    source.end();
}

void BM_Scanimage(benchmark::State& s, Mode mode)
{
    QTemporaryDir out;
    // The test backend can hang scanimage at a frame's end (its reader thread is cancelled on the
    // way out); a run that does is stopped and reported, not waited for.
    const std::string command = "timeout -s KILL 60 scanimage -d test:0 --source 'Automatic Document Feeder' " +
                                std::string(mode.scanimageMode) + " --resolution " + std::to_string(kDpi) +
                                " -l 0 -t 0 -x 210 -y 297 --batch='" + out.filePath(QStringLiteral("p%d.pnm")).toStdString() +
                                "' >/dev/null 2>&1";
    for (auto _ : s) {
        if (std::system(command.c_str()) != 0) {
            s.SkipWithError("scanimage failed");
            break;
        }
    }
    s.SetItemsProcessed(s.iterations() * kPagesPerJob);
}

// The console report, then pages per second of each mode against scanimage's.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred || run.run_type != Run::RT_Aggregate || run.aggregate_name != "median")
                continue;
            const auto rate = run.counters.find("items_per_second");
            if (rate != run.counters.end())
                m_rates[run.benchmark_name()] = rate->second.value;
        }
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\npages per second, medians (10-page feeder, %d dpi, A4)\n", kDpi);
        for (const Mode& mode : kModes) {
            const double ours = rate(std::string("feeder/") + mode.name + "/SaneScannerSource");
            const double peer = rate(std::string("feeder/") + mode.name + "/scanimage");
            if (ours > 0 && peer > 0)
                std::printf("  %-7s source %7.1f  scanimage %7.1f  ratio %.3f\n", mode.name, ours, peer, ours / peer);
        }
    }

private:
    double rate(const std::string& prefix) const
    {
        for (const auto& [name, value] : m_rates)
            if (name.rfind(prefix, 0) == 0)
                return value;
        return 0;
    }
    std::map<std::string, double> m_rates;
};

}  // namespace

int main(int argc, char** argv)
{
    qputenv("SANE_CONFIG_DIR", SCANVO_BENCH_SANE_CONFIG);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    const bool peer = !QStandardPaths::findExecutable(QStringLiteral("scanimage")).isEmpty();
    for (const Mode& mode : kModes) {
        benchmark::RegisterBenchmark((std::string("feeder/") + mode.name + "/SaneScannerSource").c_str(), BM_SaneSource,
                                     mode)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Repetitions(kRepetitions)
            ->ReportAggregatesOnly(true);
        if (peer)
            benchmark::RegisterBenchmark((std::string("feeder/") + mode.name + "/scanimage").c_str(), BM_Scanimage, mode)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime()
                ->Repetitions(kRepetitions)
                ->ReportAggregatesOnly(true);
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
