// Batch rename of 10,000 files: RunRenameBatch (every file through a temporary name, a journal
// written before each side) against plain rename(2) calls straight to the new names, the least
// any rename of these files can cost. Each run renames the files from one set of names to the
// other and back on the next run, so both see the same directory. The files are small: a rename
// does not read a file, so the size of a page does not change the cost.
#include "document/RenameBatch.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

using namespace scanvo;

namespace {

constexpr int kFiles = 10000;

struct Files {
    QTemporaryDir dir;
    bool forward = true;

    QString name(char set, int n) const { return dir.filePath(QStringLiteral("%1%2.tif").arg(QChar(set)).arg(n, 5, 10, QChar(u'0'))); }

    // The renames of this run: a-names to b-names, or back.
    QList<FileMove> moves() const
    {
        QList<FileMove> list;
        list.reserve(kFiles);
        for (int n = 1; n <= kFiles; ++n)
            list.append(forward ? FileMove{name('a', n), name('b', n)} : FileMove{name('b', n), name('a', n)});
        return list;
    }
};

std::unique_ptr<Files> MakeFiles()
{
    auto files = std::make_unique<Files>();
    for (int n = 1; n <= kFiles; ++n) {
        QFile file(files->name('a', n));
        if (!file.open(QIODevice::WriteOnly))
            return nullptr;
        file.write("page");
    }
    return files;
}

void BM_RenameBatch(benchmark::State& state)
{
    const auto files = MakeFiles();
    if (!files) {
        state.SkipWithError("cannot create the files");
        return;
    }
    for (auto _ : state) {
        const QList<FileMove> moves = files->moves();
        const RenameBatchResult result = RunRenameBatch(moves);
        if (!result.ok) {
            state.SkipWithError(qPrintable(result.failedPath + u' ' + result.reason));
            return;
        }
        files->forward = !files->forward;
    }
    state.counters["files"] = kFiles;
}

void BM_PlainRename(benchmark::State& state)
{
    const auto files = MakeFiles();
    if (!files) {
        state.SkipWithError("cannot create the files");
        return;
    }
    for (auto _ : state) {
        const QList<FileMove> moves = files->moves();
        for (const FileMove& move : moves) {
            if (std::rename(QFile::encodeName(move.from).constData(), QFile::encodeName(move.to).constData()) != 0) {
                state.SkipWithError("rename failed");
                return;
            }
        }
        files->forward = !files->forward;
    }
    state.counters["files"] = kFiles;
}

}  // namespace

BENCHMARK(BM_RenameBatch)->Unit(benchmark::kMillisecond)->Iterations(6);
BENCHMARK(BM_PlainRename)->Unit(benchmark::kMillisecond)->Iterations(6);

BENCHMARK_MAIN();
