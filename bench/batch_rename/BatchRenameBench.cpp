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

// Renames every file of moves; empty on success, else what failed.
using RenameAll = QString (*)(const QList<FileMove>& moves);

QString ThroughRenameBatch(const QList<FileMove>& moves)
{
    const RenameBatchResult result = RunRenameBatch(moves);
    return result.ok ? QString() : result.failedPath + u' ' + result.reason;
}

// Straight to the new names with rename(2): the least any rename of these files can cost.
QString ThroughPlainRename(const QList<FileMove>& moves)
{
    for (const FileMove& move : moves) {
        if (std::rename(QFile::encodeName(move.from).constData(), QFile::encodeName(move.to).constData()) != 0)
            return QStringLiteral("rename failed: ") + move.from;
    }
    return {};
}

// The files renamed back and forth between their two names, once per iteration.
void BM_Rename(benchmark::State& state, RenameAll renameAll)
{
    const auto files = MakeFiles();
    if (!files) {
        state.SkipWithError("cannot create the files");
        return;
    }
    for (auto _ : state) {
        const QString failure = renameAll(files->moves());
        if (!failure.isEmpty()) {
            state.SkipWithError(qPrintable(failure));
            return;
        }
        files->forward = !files->forward;
    }
    state.counters["files"] = kFiles;
}

}  // namespace

BENCHMARK_CAPTURE(BM_Rename, batch, ThroughRenameBatch)->Unit(benchmark::kMillisecond)->Iterations(6);
BENCHMARK_CAPTURE(BM_Rename, plain_rename, ThroughPlainRename)->Unit(benchmark::kMillisecond)->Iterations(6);

BENCHMARK_MAIN();
