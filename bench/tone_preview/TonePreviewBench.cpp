// The preview step of the tone dialogs on an A4 300 dpi colour page in a 1000 x 760 viewer:
// Quick is what a slider step costs while the slider is held, Full is the same edit on the whole
// page (what the dialog does when the slider stops). Goal: Quick under 50 ms.
#include "commands/tone/TonePreview.h"
#include "fixtures/PageGenerator.h"
#include "platform/engine/ImageViewer.h"
#include "platform/engine/ops/Tone.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <memory>

using namespace scanvo;
using namespace scanvo::engine;

namespace {

struct Viewer {
    std::unique_ptr<ImageViewer> widget;
    TonePreview preview;
};

Viewer& Shared()
{
    static Viewer viewer = [] {
        Viewer v;
        testing::PageOptions options;
        options.depth = 24;
        options.unevenBackground = true;
        v.widget = std::make_unique<ImageViewer>();
        v.widget->resize(1000, 760);
        v.widget->setImage(testing::GeneratePage(options).page);
        v.preview.Start(v.widget.get());
        return v;
    }();
    return viewer;
}

using Edit = void (*)(Image&, int);

void Step(benchmark::State& state, Edit edit, int amount, bool quick)
{
    Viewer& v = Shared();
    // The small copy is made once, when the slider is first held.
    v.preview.ShowQuick([&](Image& page) { edit(page, amount); });
    int step = 0;
    for (auto _ : state) {
        const int value = amount + (step++ % 2);  // each step a new value, as a moving slider gives
        TonePreview::Edit change = [edit, value](Image& page) { edit(page, value); };
        if (quick)
            v.preview.ShowQuick(change);
        else
            v.preview.ShowFull(change);
    }
    v.preview.Restore();
}

#define TONE_BENCH(Name, edit, amount)                                                          \
    void BM_##Name##_Quick(benchmark::State& state) { Step(state, edit, amount, true); }       \
    void BM_##Name##_Full(benchmark::State& state) { Step(state, edit, amount, false); }       \
    BENCHMARK(BM_##Name##_Quick)->Unit(benchmark::kMillisecond)->MinTime(0.5);                 \
    BENCHMARK(BM_##Name##_Full)->Unit(benchmark::kMillisecond)->MinTime(0.5);

TONE_BENCH(Brightness, ops::AdjustBrightness, 400)
TONE_BENCH(Contrast, ops::AdjustContrast, 300)
TONE_BENCH(Saturation, ops::AdjustSaturation, -500)
TONE_BENCH(ColourLevels, ops::AutoLevels, 100)
TONE_BENCH(Background, ops::RemoveBackground, 400)

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
