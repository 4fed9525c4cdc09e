// A folder of generated A4 pages at 300 dpi (skewed up to 3 degrees either way, with borders,
// specks, a ruled line and punch holes) cleaned by scanvo-clean and by unpaper, each with all its
// steps, each using every processor (unpaper, which cleans one page at a time, through xargs -P).
// Counters: pages per second and the mean skew left on the cleaned pages (Leptonica's skew
// finder), beside the mean skew of the input. SCANVO_BENCH_PAGES sets the page count (100).
#include "fixtures/PageGenerator.h"
#include "platform/engine/ImageFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <leptonica/allheaders.h>

#include <cmath>
#include <memory>
#include <string>
#include <thread>

namespace {

struct Folder {
    QTemporaryDir dir;
    int pages = 0;
    double inputSkew = 0;  // mean |skew| in degrees
    QString path(const QString& name) const { return dir.filePath(name); }
};

const Folder& Pages()
{
    static const std::unique_ptr<Folder> folder = [] {
        auto made = std::make_unique<Folder>();
        made->pages = qEnvironmentVariableIntValue("SCANVO_BENCH_PAGES");
        if (made->pages <= 0)
            made->pages = 100;
        QDir().mkpath(made->path(QStringLiteral("tif")));
        QDir().mkpath(made->path(QStringLiteral("pbm")));
        QRandomGenerator random(7);
        double skew = 0;
        for (int n = 1; n <= made->pages; ++n) {
            scanvo::testing::PageOptions options;
            options.skewDegrees = random.bounded(6.0) - 3.0;
            options.borderSides = 1 | 4;
            options.speckles = 300;
            options.ruledLines = 2;
            options.holePunches = 2;
            options.seed = unsigned(n);
            skew += std::abs(options.skewDegrees);
            const scanvo::engine::Image page = scanvo::testing::GeneratePage(options).page;
            const QString name = QStringLiteral("page%1").arg(n, 3, 10, QLatin1Char('0'));
            scanvo::engine::SaveOptions g4;
            scanvo::engine::SavePage(page, made->path(QStringLiteral("tif/") + name + QStringLiteral(".tif")), g4);
            pixWrite(made->path(QStringLiteral("pbm/") + name + QStringLiteral(".pbm")).toLocal8Bit().constData(),
                     page.pix(), IFF_PNM);
        }
        made->inputSkew = skew / made->pages;
        return made;
    }();
    return *folder;
}

// Mean |skew| in degrees of the pages in folder, as Leptonica's skew finder sees them.
double MeanSkew(const QString& folder)
{
    const QStringList names = QDir(folder).entryList(QDir::Files, QDir::Name);
    double total = 0;
    int found = 0;
    for (const QString& name : names) {
        Pix* pix = pixRead(QDir(folder).filePath(name).toLocal8Bit().constData());
        if (!pix)
            continue;
        Pix* bitonal = pixGetDepth(pix) == 1 ? pixClone(pix) : pixConvertTo1(pix, 128);
        l_float32 angle = 0, confidence = 0;
        if (bitonal && pixFindSkew(bitonal, &angle, &confidence) == 0) {
            total += std::abs(angle);
            ++found;
        }
        pixDestroy(&bitonal);
        pixDestroy(&pix);
    }
    return found > 0 ? total / found : -1;
}

void Report(benchmark::State& s, const QString& out, double seconds)
{
    s.counters["pages_per_s"] = Pages().pages / seconds;
    s.counters["skew_in_deg"] = Pages().inputSkew;
    s.counters["skew_left_deg"] = MeanSkew(out);
}

void RunCommand(benchmark::State& s, const QString& out, const std::string& command)
{
    double seconds = 0;
    for (auto _ : s) {
        QDir(out).removeRecursively();
        QDir().mkpath(out);
        QElapsedTimer timer;
        timer.start();
        if (std::system(command.c_str()) != 0) {
            s.SkipWithError("the tool failed");
            return;
        }
        seconds = double(timer.nsecsElapsed()) / 1e9;
    }
    Report(s, out, seconds);
}

void BM_ScanvoClean(benchmark::State& s)
{
    const Folder& in = Pages();
    const QString out = in.path(QStringLiteral("out-scanvo"));
    // Settings of an empty settings folder: the control's defaults.
    const std::string command = "SCANVO_CONFIG_DIR='" + in.path(QStringLiteral("config")).toStdString() + "' '" +
                                SCANVO_CLEAN_PROGRAM + "' -q -o '" + out.toStdString() + "' '" +
                                in.path(QStringLiteral("tif")).toStdString() + "'";
    RunCommand(s, out, command);
}

void BM_Unpaper(benchmark::State& s)
{
    const Folder& in = Pages();
    const QString out = in.path(QStringLiteral("out-unpaper"));
    const std::string command = "cd '" + in.path(QStringLiteral("pbm")).toStdString() + "' && ls | xargs -P " +
                                std::to_string(std::max(1u, std::thread::hardware_concurrency())) +
                                " -I{} unpaper -q --overwrite {} '" + out.toStdString() + "/{}' >/dev/null 2>&1";
    RunCommand(s, out, command);
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);  // the page generator draws text with Qt's fonts
    benchmark::Initialize(&argc, argv);
    Pages();
    benchmark::RegisterBenchmark("clean/scanvo-clean", BM_ScanvoClean)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
    benchmark::RegisterBenchmark("clean/unpaper", BM_Unpaper)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
