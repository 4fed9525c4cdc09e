// A 10-page feeder job of SANE's test device at 300 dpi on A4, black and white (1 bit), grey and
// colour: SaneScannerSource, whose pages come from its helper process and arrive as page images,
// against scanimage --batch writing the same pages as PNM files (its process start included, as
// a user runs it). Each round runs one job of each, back to back, so both meet the same load on a
// shared machine; the reported time is the source's job, and the counters are the medians of
// pages per second over the rounds and their ratio.
#include "PeerTools.h"
#include "platform/scanner/SaneScannerSource.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace scanvo::scanner;

using namespace benchsupport;

namespace {

constexpr int kDpi = 300;
constexpr int kPagesPerJob = 10;  // the test device's feeder holds ten sheets
constexpr int kRounds = 15;

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

void BM_Feeder(benchmark::State& s, Mode mode)
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

    QTemporaryDir out;
    // The test backend can hang scanimage at a frame's end (its reader thread is cancelled on the
    // way out); a run that does is stopped and reported, not waited for.
    const std::string scanimage = "timeout -s KILL 60 scanimage -d test:0 --source 'Automatic Document Feeder' " +
                                  std::string(mode.scanimageMode) + " --resolution " + std::to_string(kDpi) +
                                  " -l 0 -t 0 -x 210 -y 297 --batch='" +
                                  out.filePath(QStringLiteral("p%d.pnm")).toStdString() + "' >/dev/null 2>&1";
    std::vector<double> ours;
    std::vector<double> theirs;
    for (auto _ : s) {
        pages = 0;
        QElapsedTimer timer;
        timer.start();
        if (source.enableAcquisition() != ResultSuccess || source.acquire(AcquireNoUi) != ResultSuccess ||
            pages != kPagesPerJob) {
            s.SkipWithError(qPrintable(QStringLiteral("the job did not deliver ten pages ") + source.errorText()));
            break;
        }
        const double seconds = timer.nsecsElapsed() / 1e9;
        s.SetIterationTime(seconds);
        ours.push_back(kPagesPerJob / seconds);

        timer.restart();
        if (std::system(scanimage.c_str()) != 0) {
            s.SkipWithError("scanimage failed");
            break;
        }
        theirs.push_back(kPagesPerJob / (timer.nsecsElapsed() / 1e9));
    }
    const double source_pps = Median(ours);
    const double scanimage_pps = Median(theirs);
    s.counters["source_pages_per_s"] = source_pps;
    s.counters["scanimage_pages_per_s"] = scanimage_pps;
    s.counters["ratio"] = scanimage_pps > 0 ? source_pps / scanimage_pps : 0;
    source.end();
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("SANE_CONFIG_DIR", SCANVO_BENCH_SANE_CONFIG);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (!Installed("scanimage")) {
        std::fprintf(stderr, "scanimage (sane-utils) is not installed: nothing to compare with\n");
        return 1;
    }
    for (const Mode& mode : kModes)
        benchmark::RegisterBenchmark((std::string("feeder_300dpi_a4/") + mode.name).c_str(), BM_Feeder, mode)
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime()
            ->Iterations(kRounds);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
