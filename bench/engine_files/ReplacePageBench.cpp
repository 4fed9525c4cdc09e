// Replacing page 100 of a 200-page A4 300 dpi G4 document. Ours copies the other 199 pages'
// compressed data as stored; the peers decode and re-encode every page: tiffcp (libtiff-tools)
// splicing the new page in, and our own codecs doing the same, for reference.
#include "PeerTools.h"
#include "BenchPages.h"

#include "platform/engine/ImageFile.h"
#include "platform/engine/TiffCodec.h"
#include "platform/engine/TiffFile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

#include <cstdlib>

using namespace scanvo::engine;
using namespace enginebench;

using namespace benchsupport;

namespace {

constexpr int kPages = 200;
constexpr int kReplaced = 100;

struct Inputs {
    QTemporaryDir dir;
    QString document;
    QString replacement;  // the new page as a one-page G4 file, for tiffcp
    QString rewritten;
    QString tiffcpCommand;
    Image page;
};

Inputs& inputs()
{
    // Destroyed at exit, which removes the temporary directory with the generated files.
    static const std::unique_ptr<Inputs> in = [] {
        auto made = std::make_unique<Inputs>();
        made->document = made->dir.filePath(QStringLiteral("document.tif"));
        made->replacement = made->dir.filePath(QStringLiteral("replacement.tif"));
        made->rewritten = made->dir.filePath(QStringLiteral("rewritten.tif"));
        WriteG4Document(made->document, kPages);
        made->page = A4Page(999, false);
        SaveOptions options;
        options.format = FormatTiffG4;
        SavePage(made->page, made->replacement, options);
        QString before, after;
        for (int i = 0; i < kReplaced - 1; ++i)
            before += QStringLiteral(",%1").arg(i);
        for (int i = kReplaced; i < kPages; ++i)
            after += QStringLiteral(",%1").arg(i);
        made->tiffcpCommand = QStringLiteral("tiffcp -c g4 %1%2 %3 %1%4 %5")
                                  .arg(ShellQuote(made->document), before, ShellQuote(made->replacement), after,
                                       ShellQuote(made->rewritten));
        return made;
    }();
    return *in;
}

void BM_ReplacePage_InPlaceRawCopy(benchmark::State& state)
{
    Inputs& in = inputs();
    SaveOptions options;
    options.format = FormatTiffG4;
    options.mode = SaveReplace;
    options.page = kReplaced;
    for (auto _ : state)
        SavePage(in.page, in.document, options);
    state.counters["file_MB"] = double(QFileInfo(in.document).size()) / 1e6;
}

void BM_ReplacePage_TiffcpDecodeReencode(benchmark::State& state)
{
    Inputs& in = inputs();
    const QByteArray command = in.tiffcpCommand.toLocal8Bit();
    for (auto _ : state) {
        if (std::system(command.constData()) != 0) {
            state.SkipWithError("tiffcp failed");
            break;
        }
    }
    state.counters["file_MB"] = double(QFileInfo(in.rewritten).size()) / 1e6;
}

void BM_ReplacePage_EngineDecodeReencode(benchmark::State& state)
{
    Inputs& in = inputs();
    for (auto _ : state) {
        const TiffFile source = TiffFile::openRead(in.document);
        TiffFile out = TiffFile::openWrite(in.rewritten);
        for (int i = 0; i < kPages; ++i) {
            source.selectPage(i);
            const Image page = i == kReplaced - 1 ? in.page : ReadTiffPage(source);
            WriteTiffPage(out, page, FormatTiffG4, 128, i, kPages);
        }
        out.close();
    }
}

}  // namespace

BENCHMARK(BM_ReplacePage_InPlaceRawCopy)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_ReplacePage_TiffcpDecodeReencode)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_ReplacePage_EngineDecodeReencode)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

int main(int argc, char** argv)
{
    return RunPageBenchmarks(argc, argv, [] { inputs(); });
}
