// Moving page 100 of a 200-page A4 300 dpi G4 document to position 1, and deleting page 100.
// Ours copies the other pages' compressed data as it is stored; the peer rewrites the file the
// plain way, decoding every page with Leptonica and coding it again as G4 through libtiff, so its
// cost grows with the pages, ours with the bytes.
#include "BenchPages.h"

#include "commands/structure/PageStructure.h"
#include "platform/engine/ImageFile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <leptonica/allheaders.h>

#include <memory>

using namespace scanvo;
using namespace enginebench;

namespace {

constexpr int kPages = 200;
constexpr int kPage = 100;

struct Inputs {
    QTemporaryDir dir;
    QString original;   // never changed: every timed run starts from a copy of it
    QString document;
    QString rewritten;
};

Inputs& inputs()
{
    // Destroyed at exit, which removes the temporary directory with the generated files.
    static const std::unique_ptr<Inputs> in = [] {
        auto made = std::make_unique<Inputs>();
        made->original = made->dir.filePath(QStringLiteral("original.tif"));
        made->document = made->dir.filePath(QStringLiteral("document.tif"));
        made->rewritten = made->dir.filePath(QStringLiteral("rewritten.tif"));
        WriteG4Document(made->original, kPages);
        return made;
    }();
    return *in;
}

// A fresh copy of the original document, outside the timing.
void FreshDocument(benchmark::State& state, const Inputs& in)
{
    state.PauseTiming();
    QFile::remove(in.document);
    if (!QFile::copy(in.original, in.document))
        state.SkipWithError("cannot copy the document");
    state.ResumeTiming();
}

// The peer: writes page front (0-based; -1 for none) of source first, then every other page of
// source but skip in order, each decoded by Leptonica and coded again as G4 in a new libtiff
// directory of target.
bool RewriteWithLeptonica(const QString& source, int front, int skip, const QString& target)
{
    const QByteArray from = source.toLocal8Bit();
    const QByteArray to = target.toLocal8Bit();
    QFile::remove(target);
    const char* mode = "w";
    const auto write = [&](PIX* pix) {
        const bool ok = pix && pixWriteTiff(to.constData(), pix, IFF_TIFF_G4, mode) == 0;
        mode = "a";
        pixDestroy(&pix);
        return ok;
    };
    if (front >= 0 && !write(pixReadTiff(from.constData(), front)))
        return false;
    size_t offset = 0;
    for (int i = 0; i < kPages; ++i) {
        PIX* pix = pixReadFromMultipageTiff(from.constData(), &offset);
        if (i == front || i == skip) {
            pixDestroy(&pix);
            continue;
        }
        if (!write(pix))
            return false;
    }
    return true;
}

void BM_MovePage100To1_CompressedCopy(benchmark::State& state)
{
    Inputs& in = inputs();
    for (auto _ : state) {
        FreshDocument(state, in);
        MovePageInFile(in.document, kPage, 1);
    }
    state.counters["file_MB"] = double(QFileInfo(in.document).size()) / 1e6;
}

void BM_MovePage100To1_LeptonicaRewrite(benchmark::State& state)
{
    Inputs& in = inputs();
    for (auto _ : state) {
        if (!RewriteWithLeptonica(in.original, kPage - 1, -1, in.rewritten)) {
            state.SkipWithError("Leptonica rewrite failed");
            break;
        }
    }
    state.counters["file_MB"] = double(QFileInfo(in.rewritten).size()) / 1e6;
}

void BM_DeletePage100_CompressedCopy(benchmark::State& state)
{
    Inputs& in = inputs();
    for (auto _ : state) {
        FreshDocument(state, in);
        engine::DeletePage(in.document, kPage);
    }
    state.counters["file_MB"] = double(QFileInfo(in.document).size()) / 1e6;
}

void BM_DeletePage100_LeptonicaRewrite(benchmark::State& state)
{
    Inputs& in = inputs();
    for (auto _ : state) {
        if (!RewriteWithLeptonica(in.original, -1, kPage - 1, in.rewritten)) {
            state.SkipWithError("Leptonica rewrite failed");
            break;
        }
    }
    state.counters["file_MB"] = double(QFileInfo(in.rewritten).size()) / 1e6;
}

}  // namespace

BENCHMARK(BM_MovePage100To1_CompressedCopy)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_MovePage100To1_LeptonicaRewrite)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_DeletePage100_CompressedCopy)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_DeletePage100_LeptonicaRewrite)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

int main(int argc, char** argv)
{
    return RunPageBenchmarks(argc, argv, [] { inputs(); });
}
