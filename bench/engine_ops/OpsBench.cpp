// Side-by-side timings of the cleanup, deskew, rotation and binarisation operations.
//
// Every measurement goes from reading the page file to writing the result file: ours through
// LoadPage/SavePage, the bare Leptonica call through pixRead/pixWrite, the peer tools as the
// command a user would run. Deskew cases also report the skew each tool leaves (residual_deg).
// The cleanup cases run on a generated dirty scan whose artefacts are known pixel for pixel; they
// report what each tool leaves of them: specks_left, border_left, line_left and punch_left (shares
// of the artefact's pixels, or of the specks, still black) and text_lost (share of text pixels gone).
#include "PeerTools.h"
#include "fixtures/PageGenerator.h"
#include "platform/engine/ImageFile.h"
#include "platform/engine/PixPtr.h"
#include "platform/engine/ops/Cleanup.h"
#include "platform/engine/ops/Geometry.h"
#include "platform/engine/ops/OpFlags.h"
#include "platform/engine/ops/Tone.h"

#include <leptonica/allheaders.h>

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

using namespace scanvo::engine;
using namespace scanvo::engine::ops;

using namespace benchsupport;

namespace {

struct Inputs {
    QTemporaryDir dir;
    std::string skewedTif, skewedPbm, dirtyTif, dirtyPbm, greyTif, pageTif, out;
    // The realistic dirty scan (2 degrees of skew) and the same kind of page level, for line removal.
    std::string scanTif, scanPbm, levelTif, levelPbm;
    scanvo::testing::GeneratedPage scan, level;
    std::string path(const char* name) const { return dir.filePath(QString::fromLatin1(name)).toStdString(); }
};

void WritePage(const Image& page, const std::string& tif, const std::string& pnm)
{
    SaveOptions options;
    options.format = page.depth() == 1 ? FormatTiffG4 : FormatTiffLzw;
    SavePage(page, QString::fromStdString(tif), options);
    if (!pnm.empty())
        pixWrite(pnm.c_str(), page.pix(), IFF_PNM);
}

Inputs& Pages()
{
    static Inputs inputs = [] {
        Inputs in;
        in.dir.setAutoRemove(qEnvironmentVariableIsEmpty("SCANVO_BENCH_KEEP"));  // keep the files to look at
        in.skewedTif = in.path("skewed.tif");
        in.skewedPbm = in.path("skewed.pbm");
        in.dirtyTif = in.path("dirty.tif");
        in.dirtyPbm = in.path("dirty.pbm");
        in.greyTif = in.path("grey.tif");
        in.pageTif = in.path("page.tif");
        in.out = in.path("out.tif");
        scanvo::testing::PageOptions o;
        o.seed = 77;
        WritePage(scanvo::testing::GeneratePage(o).page, in.pageTif, "");
        o.skewDegrees = 3.2;
        WritePage(scanvo::testing::GeneratePage(o).page, in.skewedTif, in.skewedPbm);
        o.skewDegrees = 0;
        o.speckles = 1500;
        o.borderSides = 1 | 4;
        o.ruledLines = 4;
        o.verticalLines = 1;
        o.holePunches = 2;
        WritePage(scanvo::testing::GeneratePage(o).page, in.dirtyTif, in.dirtyPbm);
        in.scanTif = in.path("scan.tif");
        in.scanPbm = in.path("scan.pbm");
        in.levelTif = in.path("level.tif");
        in.levelPbm = in.path("level.pbm");
        in.scan = scanvo::testing::GenerateDirtyScan(79);
        WritePage(in.scan.page, in.scanTif, in.scanPbm);
        scanvo::testing::PageOptions l;
        l.seed = 80;
        l.borderSides = 1 | 2 | 4 | 8;
        l.borderDepth = 22;
        l.speckles = 1800;
        l.ruledLines = 3;
        l.verticalLines = 1;
        l.holePunches = 3;
        l.holeDiameter = 44;
        in.level = scanvo::testing::GeneratePage(l);
        scanvo::testing::ScatterSpecksNearText(in.level, 200, 2, 7, 81);
        WritePage(in.level.page, in.levelTif, in.levelPbm);
        scanvo::testing::PageOptions g;
        g.seed = 78;
        g.depth = 8;
        g.unevenBackground = true;
        WritePage(scanvo::testing::GeneratePage(g).page, in.greyTif, "");
        return in;
    }();
    return inputs;
}

// Ours: load, operate, save as a 1-bit G4 page.
void RunOurs(benchmark::State& state, const std::string& in, const std::function<void(Image&)>& op)
{
    SaveOptions options;
    options.format = FormatTiffG4;
    for (auto _ : state) {
        Image page = LoadPage(QString::fromStdString(in));
        op(page);
        SavePage(page, QString::fromStdString(Pages().out), options);
    }
}

// The bare library: pixRead, the call, pixWrite (G4 for 1-bit results).
void RunBare(benchmark::State& state, const std::string& in, const std::function<Pix*(Pix*)>& op)
{
    for (auto _ : state) {
        PixPtr page(pixRead(in.c_str()));
        PixPtr result(op(page.get()));
        pixWrite(Pages().out.c_str(), result.get(), pixGetDepth(result.get()) == 1 ? IFF_TIFF_G4 : IFF_TIFF_LZW);
    }
}

// The skew left in a file a deskew produced.
double ResidualSkew(const std::string& file)
{
    PixPtr pix(pixRead(file.c_str()));
    if (!pix)
        return NAN;
    PixPtr bitonal(pixConvertTo1(pix.get(), 128));
    Image image = Image::adopt(bitonal.release());
    return std::abs(DetectSkew(image).degrees);
}

// What a cleanup left of the page's artefacts, from its output file (the page keeps its geometry).
void ReportResidues(benchmark::State& s, const std::string& file, const scanvo::testing::GeneratedPage& truth)
{
    using scanvo::testing::CountBlack;
    using scanvo::testing::CountBlackInRect;
    using scanvo::testing::CountBlackWithin;
    PixPtr pix(pixRead(file.c_str()));
    if (!pix)
        return;
    PixPtr bitonal(pixConvertTo1(pix.get(), 128));
    if (!bitonal || pixGetWidth(bitonal.get()) != truth.page.width() || pixGetHeight(bitonal.get()) != truth.page.height())
        return;
    const Image out = Image::adopt(bitonal.release());
    auto share = [&](const Image& mask) {
        const long long total = CountBlack(mask);
        return total == 0 ? 0.0 : double(CountBlackWithin(out, mask)) / double(total);
    };
    auto minus = [](const Image& a, const Image& b) { return Image::adopt(pixSubtract(nullptr, a.pix(), b.pix())); };
    int specks = 0;
    for (const QRect& r : truth.speckRects)
        specks += CountBlackInRect(out, r) > 0;
    s.counters["specks_left"] = truth.speckRects.empty() ? 0.0 : double(specks) / truth.speckRects.size();
    s.counters["border_left"] = share(truth.borders);
    s.counters["line_left"] = share(minus(truth.lines, truth.text));
    s.counters["punch_left"] = share(truth.holes);
    s.counters["text_lost"] = 1.0 - share(minus(truth.text, truth.lines));
}

using Case = std::function<void(benchmark::State&)>;

void Add(const std::string& name, Case body, int iterations = 0)
{
    auto* b = benchmark::RegisterBenchmark(name.c_str(), [body](benchmark::State& s) { body(s); });
    b->Unit(benchmark::kMillisecond)->UseRealTime();
    if (iterations > 0)
        b->Iterations(iterations);
}

// A peer tool that is not installed is skipped with a message, not measured.
bool Available(const std::string& name, const char* tool)
{
    if (Installed(tool))
        return true;
    Add(name, [tool](benchmark::State& s) {
        s.SkipWithError((std::string(tool) + " is not installed").c_str());
        for (auto _ : s) {
        }
    }, 1);
    return false;
}

void AddTool(const std::string& name, const char* tool, const std::string& command, const std::string& output = {},
             int iterations = 3)
{
    if (!Available(name, tool))
        return;
    Add(name, [command, output](benchmark::State& s) {
        RunTool(s, command);
        if (!output.empty())
            s.counters["residual_deg"] = ResidualSkew(output);
    }, iterations);
}

// A peer tool run on a dirty page, reporting what it left of the artefacts.
void AddCleanupTool(const std::string& name, const char* tool, const std::string& command, const std::string& output,
                    const scanvo::testing::GeneratedPage& truth, int iterations = 3)
{
    if (!Available(name, tool))
        return;
    Add(name, [command, output, &truth](benchmark::State& s) {
        RunTool(s, command);
        ReportResidues(s, output, truth);
    }, iterations);
}

std::string UnpaperOnly(const std::string& keep)
{
    // Every processing step of unpaper switched off except the one named.
    std::string command = "unpaper --overwrite --no-mask-center --no-border-scan --no-border-align";
    if (keep != "deskew")  // deskew needs the mask scan
        command += " --no-mask-scan";
    for (const char* step : {"blackfilter", "noisefilter", "blurfilter", "grayfilter", "deskew"})
        if (keep != step)
            command += std::string(" --no-") + step;
    return command;
}

void RegisterAll()
{
    const Inputs& in = Pages();
    const std::string out = in.out, pbmOut = in.path("out.pbm");

    // Deskew.
    Add("deskew/ours", [&in](benchmark::State& s) {
        RunOurs(s, in.skewedTif, [](Image& p) { Deskew(p, kWhite, kDeskewKeepSize); });
        s.counters["residual_deg"] = ResidualSkew(Pages().out);
    });
    Add("deskew/leptonica", [&in](benchmark::State& s) {
        RunBare(s, in.skewedTif, [](Pix* p) { return pixDeskew(p, 2); });
        s.counters["residual_deg"] = ResidualSkew(Pages().out);
    });
    AddTool("deskew/unpaper", "unpaper", UnpaperOnly("deskew") + " " + in.skewedPbm + " " + pbmOut, pbmOut);
    AddTool("deskew/imagemagick", "convert", "convert " + in.skewedTif + " -deskew 40% +repage " + out, out);
    Add("deskew-scan/ours", [&in](benchmark::State& s) {
        RunOurs(s, in.scanTif, [](Image& p) { Deskew(p, kWhite, kDeskewKeepSize); });
        s.counters["residual_deg"] = ResidualSkew(Pages().out);
    });
    Add("deskew-scan/leptonica", [&in](benchmark::State& s) {
        RunBare(s, in.scanTif, [](Pix* p) { return pixDeskew(p, 2); });
        s.counters["residual_deg"] = ResidualSkew(Pages().out);
    });
    AddTool("deskew-scan/unpaper", "unpaper", UnpaperOnly("deskew") + " " + in.scanPbm + " " + pbmOut, pbmOut);
    AddTool("deskew-scan/imagemagick", "convert", "convert " + in.scanTif + " -deskew 40% +repage " + out, out);

    // The cleanup commands with their default settings, on the realistic dirty scan (lines on the
    // level page: ruled lines are straight only once a page is level).
    constexpr int kLineFlags = kLineUseVariance | kLineUseGap | kLineRemoveEntire;
    constexpr int kHoleFlags = kHolePunchUseLocation | kHolePunchUseSize | kHolePunchUseCount;
    const auto despeckle = [](Image& p) {
        Despeckle(p);
        RemoveDots(p, kDotRemoveFlags, 2, 2, 5, 5);
    };
    const auto borders = [](Image& p) { RemoveBorders(p, kBorderUseVariance, kBorderAllSides, 20, 20, 20); };
    const auto lines = [](Image& p) {
        RemoveLines(p, kLineFlags, 400, 15, 15, 10, 3, 3, kLineHorizontal);
        RemoveLines(p, kLineFlags, 400, 15, 15, 10, 3, 3, kLineVertical);
    };
    const auto holes = [](Image& p) {
        for (int side : {kHolePunchLeft, kHolePunchRight, kHolePunchTop, kHolePunchBottom})
            RemoveHolePunches(p, kHoleFlags, 2, 12, 10, 10, 50, 50, side);
    };
    const auto oursOn = [](const std::string& file, const scanvo::testing::GeneratedPage& truth,
                           std::function<void(Image&)> op) {
        return [&file, &truth, op](benchmark::State& s) {
            RunOurs(s, file, op);
            ReportResidues(s, Pages().out, truth);
        };
    };
    const auto bareOn = [](const std::string& file, const scanvo::testing::GeneratedPage& truth,
                           std::function<Pix*(Pix*)> op) {
        return [&file, &truth, op](benchmark::State& s) {
            RunBare(s, file, op);
            ReportResidues(s, Pages().out, truth);
        };
    };

    // Despeckle: one-pixel despeckle and dot removal, as the command runs them.
    Add("despeckle/ours", oursOn(in.scanTif, in.scan, despeckle));
    Add("despeckle/leptonica", bareOn(in.scanTif, in.scan, [](Pix* p) {
        return pixSelectBySize(p, 5, 5, 8, L_SELECT_IF_EITHER, L_SELECT_IF_GT, nullptr);
    }));
    AddCleanupTool("despeckle/unpaper", "unpaper", UnpaperOnly("noisefilter") + " " + in.scanPbm + " " + pbmOut, pbmOut, in.scan);
    AddCleanupTool("despeckle/imagemagick", "convert", "convert " + in.scanTif + " -despeckle " + out, out, in.scan);
    AddCleanupTool("despeckle/graphicsmagick", "gm", "gm convert " + in.scanTif + " -despeckle " + out, out, in.scan);

    // Borders (ImageMagick and GraphicsMagick have no border filter).
    Add("borders/ours", oursOn(in.scanTif, in.scan, borders));
    Add("borders/leptonica", bareOn(in.scanTif, in.scan, [](Pix* p) { return pixRemoveBorderConnComps(p, 8); }));
    AddCleanupTool("borders/unpaper", "unpaper", UnpaperOnly("blackfilter") + " " + in.scanPbm + " " + pbmOut, pbmOut, in.scan);

    // Lines, both directions as the command runs them; and on a clean page, where there is nothing to remove.
    Add("lines/ours", oursOn(in.levelTif, in.level, lines));
    Add("lines/leptonica", bareOn(in.levelTif, in.level, [](Pix* p) {
        PixPtr h(pixOpenCompBrickExtendDwa(nullptr, p, 400, 1));
        PixPtr v(pixOpenCompBrickExtendDwa(nullptr, p, 1, 400));
        pixOr(h.get(), h.get(), v.get());
        return pixSubtract(nullptr, p, h.get());
    }));
    AddCleanupTool("lines/imagemagick", "convert",
                   "convert " + in.levelTif +
                       " \\( +clone -negate -morphology Open rectangle:400x1 \\) -compose plus -composite " + out,
                   out, in.level, 1);  // tens of seconds a run
    Add("lines-clean-page/ours", [&in, lines](benchmark::State& s) { RunOurs(s, in.pageTif, lines); });
    Add("lines-clean-page/leptonica", [&in](benchmark::State& s) {
        RunBare(s, in.pageTif, [](Pix* p) {
            PixPtr h(pixOpenCompBrickExtendDwa(nullptr, p, 400, 1));
            PixPtr v(pixOpenCompBrickExtendDwa(nullptr, p, 1, 400));
            pixOr(h.get(), h.get(), v.get());
            return pixSubtract(nullptr, p, h.get());
        });
    });

    // Hole punches: four sides, as the command runs them (unpaper has no punch filter of its own:
    // its whole filter chain stands in).
    Add("holepunch/ours", oursOn(in.scanTif, in.scan, holes));
    Add("holepunch/leptonica", bareOn(in.scanTif, in.scan, [](Pix* p) {
        PixPtr big(pixSelectBySize(p, 10, 10, 8, L_SELECT_IF_BOTH, L_SELECT_IF_GTE, nullptr));
        PixPtr punches(pixSelectBySize(big.get(), 50, 50, 8, L_SELECT_IF_BOTH, L_SELECT_IF_LTE, nullptr));
        return pixSubtract(nullptr, p, punches.get());
    }));
    AddCleanupTool("holepunch/unpaper-filters", "unpaper", "unpaper --overwrite --no-deskew " + in.scanPbm + " " + pbmOut,
                   pbmOut, in.scan);

    // The whole cleanup of the scan, file to file: borders, specks, deskew, lines, punches.
    Add("cleanup-all/ours", [&in, borders, despeckle, lines, holes](benchmark::State& s) {
        RunOurs(s, in.scanTif, [&](Image& p) {
            borders(p);
            despeckle(p);
            Deskew(p, kWhite, kDeskewKeepSize);
            lines(p);
            holes(p);
        });
        s.counters["residual_deg"] = ResidualSkew(Pages().out);
    });
    AddTool("cleanup-all/unpaper", "unpaper", "unpaper --overwrite " + in.scanPbm + " " + pbmOut, pbmOut);

    // Reading alone, to tell file time from operation time.
    Add("read-grey/ours", [&in](benchmark::State& s) {
        for (auto _ : s)
            benchmark::DoNotOptimize(LoadPage(QString::fromStdString(in.greyTif)));
    });
    Add("read-grey/leptonica", [&in](benchmark::State& s) {
        for (auto _ : s)
            PixPtr(pixRead(in.greyTif.c_str()));
    });
    Add("read-bitonal/ours", [&in](benchmark::State& s) {
        for (auto _ : s)
            benchmark::DoNotOptimize(LoadPage(QString::fromStdString(in.scanTif)));
    });
    Add("read-bitonal/leptonica", [&in](benchmark::State& s) {
        for (auto _ : s)
            PixPtr(pixRead(in.scanTif.c_str()));
    });
    // Writing alone: ours goes through a locked temporary file, flushed to disk and renamed.
    Add("write-bitonal/ours", [&in](benchmark::State& s) {
        SaveOptions options;
        options.format = FormatTiffG4;
        for (auto _ : s)
            SavePage(in.scan.page, QString::fromStdString(Pages().out), options);
    });
    Add("write-bitonal/leptonica", [&in](benchmark::State& s) {
        for (auto _ : s)
            pixWrite(Pages().out.c_str(), in.scan.page.pix(), IFF_TIFF_G4);
    });

    // Binarisation of the uneven grey page.
    Add("binarize/ours", [&in](benchmark::State& s) {
        RunOurs(s, in.greyTif, [](Image& p) { Binarize(p, kBinarizeAdaptive, kBinarizeAutoThreshold, kBinarizeDespeckle); });
    });
    Add("binarize/leptonica", [&in](benchmark::State& s) {
        RunBare(s, in.greyTif, [](Pix* p) {
            return pixOtsuThreshOnBackgroundNorm(p, nullptr, 10, 15, 100, 50, 200, 2, 1, 0.1f, nullptr);
        });
    });
    AddTool("binarize/imagemagick-lat", "convert", "convert " + in.greyTif + " -lat 25x25-5% -monochrome " + out);
    AddTool("binarize/imagemagick-threshold", "convert", "convert " + in.greyTif + " -threshold 50% -monochrome " + out);
    AddTool("binarize/graphicsmagick-threshold", "gm", "gm convert " + in.greyTif + " -threshold 50% -monochrome " + out);

    // Rotation of a 1-bit page.
    for (int angle : {9000, 200}) {
        const std::string tag = angle == 9000 ? "rotate90" : "rotate2";
        const std::string degrees = angle == 9000 ? "90" : "2";
        Add(tag + "/ours", [&in, angle](benchmark::State& s) {
            RunOurs(s, in.pageTif, [angle](Image& p) { Rotate(p, angle, kRotateFixedFlags, kWhite); });
        });
        Add(tag + "/leptonica", [&in, angle](benchmark::State& s) {
            RunBare(s, in.pageTif, [angle](Pix* p) {
                return angle == 9000 ? pixRotateOrth(p, 1)
                                     : pixRotate(p, float(angle / 100.0 * M_PI / 180.0), L_ROTATE_SHEAR,
                                                 L_BRING_IN_WHITE, pixGetWidth(p), pixGetHeight(p));
            });
        });
        AddTool(tag + "/imagemagick", "convert", "convert " + in.pageTif + " -rotate " + degrees + " +repage " + out);
        AddTool(tag + "/graphicsmagick", "gm", "gm convert " + in.pageTif + " -rotate " + degrees + " +repage " + out);
    }
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
