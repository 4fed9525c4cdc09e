// Loading one A4 300 dpi page per coding: bitonal G4 and LZW, colour LZW, JPEG in TIFF and a
// JPEG file. Leptonica's own reader of the same files is timed beside ours for reference.
#include "BenchPages.h"

#include "platform/engine/ImageFile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <leptonica/allheaders.h>

#include <map>

using namespace scanvo::engine;
using namespace enginebench;

namespace {

struct Sample {
    const char* name;
    int format;
    bool colour;
};

constexpr Sample kSamples[] = {
    {"g4", FormatTiffG4, false},
    {"lzw_bitonal", FormatTiffLzw, false},
    {"lzw_colour", FormatTiffLzw, true},
    {"tiff_jpeg422", FormatTiffJpeg422, true},
    {"jpeg422", FormatJpeg422, true},
};

struct Inputs {
    QTemporaryDir dir;
    std::map<int, QString> paths;  // by sample index
};

Inputs& inputs()
{
    // Destroyed at exit, which removes the temporary directory with the generated files.
    static const std::unique_ptr<Inputs> in = [] {
        auto made = std::make_unique<Inputs>();
        const Image bitonal = A4Page(1, false);
        const Image colour = A4Page(1, true);
        for (int i = 0; i < int(std::size(kSamples)); ++i) {
            const Sample& s = kSamples[i];
            const QString path = made->dir.filePath(QString::fromLatin1(s.name) +
                                                    (IsJpegFileFormat(s.format) ? ".jpg" : ".tif"));
            SaveOptions options;
            options.format = s.format;
            options.quality = 125;
            SavePage(s.colour ? colour : bitonal, path, options);
            made->paths[i] = path;
        }
        return made;
    }();
    return *in;
}

void BM_LoadPage(benchmark::State& state)
{
    const int index = int(state.range(0));
    const QString path = inputs().paths[index];
    for (auto _ : state) {
        Image page = LoadPage(path, 1);
        benchmark::DoNotOptimize(page.pix());
    }
    state.SetLabel(kSamples[index].name);
    state.counters["file_KB"] = double(QFileInfo(path).size()) / 1e3;
}

void BM_LoadPage_LeptonicaReference(benchmark::State& state)
{
    const int index = int(state.range(0));
    const QByteArray path = QFile::encodeName(inputs().paths[index]);
    for (auto _ : state) {
        Pix* pix = pixRead(path.constData());
        benchmark::DoNotOptimize(pix);
        pixDestroy(&pix);
    }
    state.SetLabel(kSamples[index].name);
}

}  // namespace

BENCHMARK(BM_LoadPage)->DenseRange(0, int(std::size(kSamples)) - 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadPage_LeptonicaReference)->DenseRange(0, int(std::size(kSamples)) - 1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return RunPageBenchmarks(argc, argv, [] { inputs(); });
}
