// Undo history costs on A4 300 dpi pages.
//
// Memory: 20 levels recorded and packed, per level and in all, beside the page's working form
// (4 bytes a pixel for colour, packed bits for bitonal). Command: a quarter turn and an automatic
// deskew through the command frame (work, page shown, level recorded, buttons) against the same
// engine call alone; page_copy_ms is what a copy of the page would have added. Undo and redo:
// one level each way, packed levels.
#include "commands/CommandFrame.h"
#include "commands/edit/EditCommands.h"
#include "commands/size/Rotation.h"
#include "core/ControlState.h"
#include "fixtures/PageGenerator.h"
#include "platform/engine/ImageViewer.h"
#include "platform/engine/ops/Canvas.h"
#include "platform/engine/ops/Geometry.h"
#include "platform/engine/ops/OpFlags.h"

#include <leptonica/allheaders.h>

#include <QApplication>

#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>
#include <map>
#include <string>

using namespace scanvo;
namespace ops = engine::ops;

namespace {

constexpr int kLevels = 20;
constexpr double kMiB = 1024.0 * 1024.0;

const engine::Image& Page(const std::string& kind)
{
    static std::map<std::string, engine::Image> pages;
    auto found = pages.find(kind);
    if (found != pages.end())
        return found->second;
    testing::PageOptions options;
    options.depth = kind == "bitonal" ? 1 : 24;
    options.skewDegrees = 1.5;
    options.speckles = 200;
    options.unevenBackground = true;
    engine::Image page = testing::GeneratePage(options).page;
    if (kind == "colour_noisy")  // what a real scanner's sensor adds: the hard case for lossless packing
        page.reset(pixAddGaussianNoise(page.pix(), 3.0f));
    return pages.emplace(kind, std::move(page)).first->second;
}

double WorkingBytes(const engine::Image& page)
{
    const double bits = page.depth() == 24 ? 32 : page.depth();
    return double((int64_t(page.width()) * int64_t(bits) + 31) / 32 * 4) * page.height();
}

double Seconds(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void HistoryMemory(benchmark::State& bench, const std::string& kind)
{
    const engine::Image& page = Page(kind);
    for (auto _ : bench) {
        PageHistory history;
        for (int level = 0; level < kLevels; ++level) {
            engine::Image before = page;
            ops::FillRect(before, QRect(100 + level * 40, 200, 30, 30), 0);  // each level its own page
            history.Record(std::move(before));
        }
        history.WaitForPacking();
        const double bytes = double(history.Bytes());
        bench.counters["MiB_per_level"] = bytes / kLevels / kMiB;
        bench.counters["MiB_20_levels"] = bytes / kMiB;
        bench.counters["working_MiB_per_level"] = WorkingBytes(page) / kMiB;
        bench.counters["ratio_to_working"] = bytes / kLevels / WorkingBytes(page);
    }
}

// A control's state with a viewer and nothing else: the frame's toolbar and status steps find no
// widgets and skip them, so what is timed is the frame's own work.
struct Viewer {
    ControlState state;
    engine::ImageViewer viewer;
    explicit Viewer(const engine::Image& page)
    {
        viewer.resize(900, 1200);
        state.widgets.mtMain = &viewer;
        viewer.setImage(page);
    }
};

void CommandOverhead(benchmark::State& bench, const std::string& kind, bool deskew)
{
    const engine::Image& page = Page(kind);
    Viewer view(page);
    const auto work = [deskew](const engine::Image& image) {
        return deskew ? ops::Deskewed(image, ops::kWhite, ops::kDeskewKeepSize)
                      : ops::Rotated(image, ops::kQuarterTurn, ops::kRotateFixedFlags, ops::kWhite);
    };
    double bare = 0, framed = 0, copying = 0;
    int rounds = 0;
    for (auto _ : bench) {
        copying += Seconds([&] { engine::Image copy = view.viewer.image(); });
        bare += Seconds([&] { benchmark::DoNotOptimize(work(view.viewer.image())); });
        framed += Seconds([&] {
            if (deskew)
                DeskewAutomatic(view.state);
            else
                RotateRight(view.state);
        });
        view.state.m_History.WaitForPacking();  // packing runs beside the user, not inside the command
        view.state.m_History.Clear();
        view.viewer.setImage(page);
        ++rounds;
    }
    bench.counters["command_ms"] = bare / rounds * 1e3;
    bench.counters["framed_ms"] = framed / rounds * 1e3;
    bench.counters["added_pct"] = (framed - bare) / bare * 100.0;
    bench.counters["page_copy_ms"] = copying / rounds * 1e3;  // the part of the addition that is the snapshot
}

void UndoRedo(benchmark::State& bench, const std::string& kind)
{
    Viewer view(Page(kind));
    RotateRight(view.state);
    double undo = 0, redo = 0;
    int rounds = 0;
    for (auto _ : bench) {
        view.state.m_History.WaitForPacking();
        undo += Seconds([&] { Undo(view.state); });
        view.state.m_History.WaitForPacking();
        redo += Seconds([&] { Redo(view.state); });
        ++rounds;
    }
    bench.counters["undo_ms"] = undo / rounds * 1e3;
    bench.counters["redo_ms"] = redo / rounds * 1e3;
}

void RegisterAll()
{
    for (const char* kind : {"colour", "colour_noisy", "bitonal"}) {
        benchmark::RegisterBenchmark((std::string("History20Levels/") + kind).c_str(), HistoryMemory, std::string(kind))
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("RotateCommand/") + kind).c_str(), CommandOverhead,
                                     std::string(kind), false)
            ->Iterations(5)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("UndoRedo/") + kind).c_str(), UndoRedo, std::string(kind))
            ->Iterations(5)
            ->Unit(benchmark::kMillisecond);
    }
    for (const char* kind : {"colour", "bitonal"})
        benchmark::RegisterBenchmark((std::string("DeskewCommand/") + kind).c_str(), CommandOverhead,
                                     std::string(kind), true)
            ->Iterations(3)
            ->Unit(benchmark::kMillisecond);
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setMsgSeverity(L_SEVERITY_WARNING);
    benchmark::Initialize(&argc, argv);
    RegisterAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
