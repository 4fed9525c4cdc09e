// The four cleanup commands and deskew as the control runs them (default Imaging settings through
// CleanupSettings), file in to file out, on a generated A4 300 dpi bitonal scan with 2 degrees of
// skew, borders on every side, 2000 specks, ruled lines and three punch holes. Counters give what
// is left of the command's artefact (left_share, from the generator's masks) and of the text
// (text_kept); the peer tools run on the same file in the same run (child_cpu_ms is their CPU).
#include "PeerTools.h"
#include "fixtures/PageGenerator.h"
#include "platform/engine/ImageFile.h"
#include "platform/engine/ops/Geometry.h"
#include "platform/engine/ops/OpFlags.h"
#include "settings/CleanupSettings.h"

#include <leptonica/allheaders.h>

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>

using namespace scanvo;
using namespace scanvo::engine;

using namespace benchsupport;

namespace {

struct Scan {
    QTemporaryDir dir;
    testing::GeneratedPage generated;
    std::string tif, pbm, out, pbmOut;
};

Scan& TheScan()
{
    static Scan scan = [] {
        Scan s;
        testing::PageOptions o;
        o.seed = 11;
        o.skewDegrees = 2;
        o.borderSides = 15;
        o.speckles = 2000;
        o.ruledLines = 3;
        o.holePunches = 3;
        s.generated = testing::GeneratePage(o);
        s.tif = s.dir.filePath(QStringLiteral("scan.tif")).toStdString();
        s.pbm = s.dir.filePath(QStringLiteral("scan.pbm")).toStdString();
        s.out = s.dir.filePath(QStringLiteral("out.tif")).toStdString();
        s.pbmOut = s.dir.filePath(QStringLiteral("out.pbm")).toStdString();
        SaveOptions options;
        options.format = FormatTiffG4;
        SavePage(s.generated.page, QString::fromStdString(s.tif), options);
        pixWrite(s.pbm.c_str(), s.generated.page.pix(), IFF_PNM);
        return s;
    }();
    return scan;
}

const CleanupSettings& Defaults()
{
    static const CleanupSettings settings = CleanupSettingsOf(SettingsRecord{});
    return settings;
}

double Share(long long part, long long whole)
{
    return whole > 0 ? double(part) / double(whole) : 0.0;
}

using Command = std::function<void(Image&)>;

void RunCommand(benchmark::State& state, const Command& command, const Image* artefact)
{
    Scan& scan = TheScan();
    SaveOptions options;
    options.format = FormatTiffG4;
    Image last;
    for (auto _ : state) {
        Image page = LoadPage(QString::fromStdString(scan.tif));
        command(page);
        SavePage(page, QString::fromStdString(scan.out), options);
        last = std::move(page);
    }
    const Image& original = scan.generated.page;
    // The masks lie where the generator drew; a page turned by deskew no longer matches them.
    if (!artefact)
        return;
    state.counters["left_share"] =
        Share(testing::CountBlackWithin(last, *artefact), testing::CountBlackWithin(original, *artefact));
    state.counters["text_kept"] = Share(testing::CountBlackWithin(last, scan.generated.text),
                                        testing::CountBlackWithin(original, scan.generated.text));
}

double ResidualSkew(const std::string& file)
{
    Image page = LoadPage(QString::fromStdString(file));
    return std::abs(ops::DetectSkew(page).degrees);
}

void Add(const std::string& name, const std::function<void(benchmark::State&)>& body, int iterations = 0)
{
    auto* b = benchmark::RegisterBenchmark(name.c_str(), [body](benchmark::State& s) { body(s); });
    b->Unit(benchmark::kMillisecond)->UseRealTime();
    if (iterations > 0)
        b->Iterations(iterations);
}

void AddTool(const std::string& name, const char* tool, const std::string& command, int iterations = 3)
{
    if (!Installed(tool))
        return;
    Add(name, [command](benchmark::State& s) { RunTool(s, command); }, iterations);
}

std::string UnpaperOnly(const std::string& keep)
{
    std::string command = "unpaper --overwrite --no-mask-center --no-border-scan --no-border-align";
    if (keep != "deskew")
        command += " --no-mask-scan";
    for (const char* step : {"blackfilter", "noisefilter", "blurfilter", "grayfilter", "deskew"})
        if (keep != step)
            command += std::string(" --no-") + step;
    return command;
}

void RegisterAll()
{
    Scan& scan = TheScan();
    const testing::GeneratedPage& g = scan.generated;
    const std::string unpaperIo = " " + scan.pbm + " " + scan.pbmOut;

    Add("despeckle/ours", [&g](benchmark::State& s) {
        RunCommand(s, [](Image& p) { RunDespeckle(p, Defaults()); }, &g.specks);
    });
    AddTool("despeckle/unpaper", "unpaper", UnpaperOnly("noisefilter") + unpaperIo);
    AddTool("despeckle/imagemagick", "convert", "convert " + scan.tif + " -despeckle " + scan.out);
    AddTool("despeckle/graphicsmagick", "gm", "gm convert " + scan.tif + " -despeckle " + scan.out);

    Add("borders/ours", [&g](benchmark::State& s) {
        RunCommand(s, [](Image& p) { RunBorderRemoval(p, Defaults()); }, &g.borders);
    });
    AddTool("borders/unpaper", "unpaper", UnpaperOnly("blackfilter") + unpaperIo);

    Add("lines/ours", [&g](benchmark::State& s) {
        RunCommand(s, [](Image& p) { RunLineRemoval(p, Defaults()); }, &g.lines);
    });
    AddTool("lines/imagemagick", "convert",
            "convert " + scan.tif + " \\( +clone -negate -morphology Open rectangle:400x1 \\) -compose plus -composite " +
                scan.out,
            1);

    Add("holepunch/ours", [&g](benchmark::State& s) {
        RunCommand(s, [](Image& p) { RunHolePunchRemoval(p, Defaults()); }, &g.holes);
    });

    Add("deskew/ours", [&scan](benchmark::State& s) {
        RunCommand(s, [](Image& p) { p = ops::Deskewed(p, ops::kWhite, ops::kDeskewKeepSize); }, nullptr);
        s.counters["residual_deg"] = ResidualSkew(scan.out);
    });
    AddTool("deskew/unpaper", "unpaper", UnpaperOnly("deskew") + unpaperIo);
    AddTool("deskew/imagemagick", "convert", "convert " + scan.tif + " -deskew 40% +repage " + scan.out);

    // The whole sequence a user runs on such a page: punches, borders, specks, deskew, then lines,
    // which are only straight once the page is level.
    Add("pipeline/ours", [&scan](benchmark::State& s) {
        RunCommand(s, [](Image& p) {
            RunHolePunchRemoval(p, Defaults());
            RunBorderRemoval(p, Defaults());
            RunDespeckle(p, Defaults());
            p = ops::Deskewed(p, ops::kWhite, ops::kDeskewKeepSize);
            RunLineRemoval(p, Defaults());
        }, nullptr);
        s.counters["residual_deg"] = ResidualSkew(scan.out);
    });
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);  // fonts for the page generator
    setMsgSeverity(L_SEVERITY_WARNING);
    benchmark::Initialize(&argc, argv);
    RegisterAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
