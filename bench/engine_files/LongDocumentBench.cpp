// A 5,000-page document of A4 pages at 200 dpi coded as G4, as a long scanning job makes it.
// Each of our operations is timed beside what libtiff's own tools do with the same file:
//   page count      PageCount, InspectPages        tiffinfo (reads every directory)
//   page 2,500      LoadPage                       tiffcp -c none FILE,2499 (decodes that page)
//   append a page   SavePage mode 1 (in place, the  tiffcp -a (appends in place, links the page
//                   link written once the page is   before its directory is written)
//                   durable)                       tiffcp FILE PAGE OUT (rewrites every page)
//   insert, replace SavePage modes 3 and 2 at page  tiffcp -a, the nearest peer
//                   2,500 (in place)
//   delete a page   DeletePage (in place)           tiffcp FILE,0,...,2498,2500,... OUT
// how much memory appending to documents of 500 and 5,000 pages takes, in a process of its own,
// and the bytes a 1,000-page scan job writes into one file against the size of the file it makes.
#include "PeerTools.h"
#include "BenchPages.h"

#include "platform/engine/ImageDepth.h"
#include "platform/engine/ImageFile.h"
#include "platform/engine/TiffCodec.h"
#include "platform/engine/TiffFile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fcntl.h>
#include <cstring>
#include <memory>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace scanvo::engine;
using namespace enginebench;

using namespace benchsupport;

namespace {

constexpr int kPages = 5000;
constexpr int kShortPages = 500;
constexpr int kMiddle = 2500;

// An A4 page at 200 dpi: the 300 dpi drawing scaled down, as a bitonal scan.
Image a4At200(int label)
{
    const QImage drawn = A4Page(label, false).toQImage().scaled(1654, 2339, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    Image page = ConvertDepth(Image::fromQImage(drawn.convertToFormat(QImage::Format_Grayscale8)), 1);
    page.setResolution(200, 200);
    return page;
}

void writeDocument(const QString& path, int count, const std::vector<Image>& drawings)
{
    TiffFile out = TiffFile::openWrite(path);
    for (int i = 0; i < count; ++i)
        WriteTiffPage(out, drawings[size_t(i) % drawings.size()], FormatTiffG4, 128, i, count);
    out.close();
}

struct Inputs {
    QTemporaryDir dir;
    QString document;       // kPages pages
    QString shortDocument;  // kShortPages pages
    QString pristine;       // a copy of document, restored from between timed runs
    QString newPage;        // the appended page as a one-page file, for tiffcp
    QString output;
    QString keepAllButMiddle;  // tiffcp's list of directories without page kMiddle
    Image page;
};

Inputs& inputs()
{
    static const std::unique_ptr<Inputs> in = [] {
        auto made = std::make_unique<Inputs>();
        std::vector<Image> drawings;
        for (int i = 0; i < 5; ++i)
            drawings.push_back(a4At200(i + 1));
        made->document = made->dir.filePath(QStringLiteral("document.tif"));
        made->shortDocument = made->dir.filePath(QStringLiteral("short.tif"));
        made->pristine = made->dir.filePath(QStringLiteral("pristine.tif"));
        made->newPage = made->dir.filePath(QStringLiteral("page.tif"));
        made->output = made->dir.filePath(QStringLiteral("out.tif"));
        writeDocument(made->document, kPages, drawings);
        writeDocument(made->shortDocument, kShortPages, drawings);
        QFile::copy(made->document, made->pristine);
        made->page = a4At200(999);
        SavePage(made->page, made->newPage, SaveOptions());
        for (int i = 0; i < kPages; ++i)
            if (i != kMiddle - 1)
                made->keepAllButMiddle += QStringLiteral(",%1").arg(i);
        return made;
    }();
    return *in;
}

// The document as it was, on disk: an edit that makes its own bytes durable must not also pay for
// writing out the copy made here.
void restore(const Inputs& in)
{
    QFile::remove(in.document);
    QFile::copy(in.pristine, in.document);
    const int fd = ::open(QFile::encodeName(in.document).constData(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

void run(benchmark::State& state, const QString& command)
{
    const QByteArray line = (command + QStringLiteral(" >/dev/null")).toLocal8Bit();
    if (std::system(line.constData()) != 0)
        state.SkipWithError("the peer tool failed");
}

void BM_PageCount(benchmark::State& state)
{
    const Inputs& in = inputs();
    for (auto _ : state)
        benchmark::DoNotOptimize(PageCount(in.document));
}

void BM_InspectPages(benchmark::State& state)
{
    const Inputs& in = inputs();
    for (auto _ : state)
        benchmark::DoNotOptimize(InspectPages(in.document).readablePages);
}

void BM_PageCount_Tiffinfo(benchmark::State& state)
{
    const QString command = QStringLiteral("tiffinfo %1").arg(ShellQuote(inputs().document));
    for (auto _ : state)
        run(state, command);
}

void BM_LoadMiddlePage(benchmark::State& state)
{
    const Inputs& in = inputs();
    for (auto _ : state) {
        const Image page = LoadPage(in.document, kMiddle);
        benchmark::DoNotOptimize(page.pix());
    }
}

void BM_LoadMiddlePage_Tiffcp(benchmark::State& state)
{
    const Inputs& in = inputs();
    const QString command =
        QStringLiteral("tiffcp -c none %1,%2 %3").arg(ShellQuote(in.document)).arg(kMiddle - 1).arg(ShellQuote(in.output));
    for (auto _ : state)
        run(state, command);
}

void BM_AppendPage(benchmark::State& state)
{
    const Inputs& in = inputs();
    SaveOptions options;
    options.mode = SaveAppend;
    for (auto _ : state) {
        SavePage(in.page, in.document, options);
        state.PauseTiming();
        restore(in);
        state.ResumeTiming();
    }
    state.counters["file_MB"] = double(QFileInfo(in.document).size()) / 1e6;
}

void BM_AppendPage_TiffcpInPlace(benchmark::State& state)
{
    const Inputs& in = inputs();
    const QString command = QStringLiteral("tiffcp -a %1 %2").arg(ShellQuote(in.newPage), ShellQuote(in.document));
    for (auto _ : state) {
        run(state, command);
        state.PauseTiming();
        restore(in);
        state.ResumeTiming();
    }
}

void BM_AppendPage_TiffcpRewrite(benchmark::State& state)
{
    const Inputs& in = inputs();
    const QString command =
        QStringLiteral("tiffcp %1 %2 %3").arg(ShellQuote(in.document), ShellQuote(in.newPage), ShellQuote(in.output));
    for (auto _ : state)
        run(state, command);
}

// Page 2,500 inserted or replaced (state.range(0): the save mode).
void BM_EditMiddlePage(benchmark::State& state)
{
    const Inputs& in = inputs();
    SaveOptions options;
    options.mode = int(state.range(0));
    options.page = kMiddle;
    for (auto _ : state) {
        SavePage(in.page, in.document, options);
        state.PauseTiming();
        restore(in);
        state.ResumeTiming();
    }
    state.SetLabel(options.mode == SaveInsert ? "insert" : "replace");
}

// Bytes handed to write calls by this process so far.
qint64 bytesWritten()
{
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : io.readAll().split('\n'))
        if (line.startsWith("wchar:"))
            return line.mid(6).trimmed().toLongLong();
    return -1;
}

// A scan job of 1,000 pages into one multi-page file, page by page as the job stores them: the
// bytes written against the bytes of the file it leaves.
void BM_ScanJobBytesWritten(benchmark::State& state)
{
    const Inputs& in = inputs();
    const QString job = in.dir.filePath(QStringLiteral("job.tif"));
    double ratio = 0;
    for (auto _ : state) {
        QFile::remove(job);
        const qint64 before = bytesWritten();
        SaveOptions options;
        for (int page = 0; page < 1000; ++page) {
            options.mode = page == 0 ? SaveNew : SaveAppend;
            SavePage(in.page, job, options);
        }
        ratio = double(bytesWritten() - before) / double(QFileInfo(job).size());
    }
    state.counters["written_per_file_byte"] = ratio;
    state.counters["file_MB"] = double(QFileInfo(job).size()) / 1e6;
}

void BM_DeletePage(benchmark::State& state)
{
    const Inputs& in = inputs();
    for (auto _ : state) {
        DeletePage(in.document, kMiddle);
        state.PauseTiming();
        restore(in);
        state.ResumeTiming();
    }
}

void BM_DeletePage_Tiffcp(benchmark::State& state)
{
    const Inputs& in = inputs();
    const QString command =
        QStringLiteral("tiffcp %1%2 %3").arg(ShellQuote(in.document), in.keepAllButMiddle, ShellQuote(in.output));
    for (auto _ : state)
        run(state, command);
}

long residentKilobytes(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qsizetype(std::strlen(field))).trimmed().split(' ').value(0).toLong();
    return -1;
}

// How far, in MB, the resident memory of a process rises while it appends one page to a copy of
// path: its peak less what it held before (what it shares with this process when forked).
double appendGrowthMegabytes(const Inputs& in, const QString& path)
{
    const QString copy = in.dir.filePath(QStringLiteral("measured.tif"));
    QFile::remove(copy);
    QFile::copy(path, copy);
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0) {
        const long before = residentKilobytes("VmRSS:");
        SaveOptions options;
        options.mode = SaveAppend;
        SavePage(in.page, copy, options);
        const long growth = residentKilobytes("VmHWM:") - before;
        (void)!write(pipeEnds[1], &growth, sizeof growth);
        _exit(0);
    }
    ::close(pipeEnds[1]);
    long growth = -1024;
    if (read(pipeEnds[0], &growth, sizeof growth) != sizeof growth)
        growth = -1024;
    ::close(pipeEnds[0]);
    waitpid(child, nullptr, 0);
    return double(growth) / 1024;
}

void BM_AppendPeakMemory(benchmark::State& state)
{
    const Inputs& in = inputs();
    double shortGrowth = 0, longGrowth = 0;
    for (auto _ : state) {
        shortGrowth = appendGrowthMegabytes(in, in.shortDocument);
        longGrowth = appendGrowthMegabytes(in, in.document);
    }
    state.counters["growth_MB_500_pages"] = shortGrowth;
    state.counters["growth_MB_5000_pages"] = longGrowth;
    state.counters["file_MB_5000_pages"] = double(QFileInfo(in.document).size()) / 1e6;
}

}  // namespace

BENCHMARK(BM_PageCount)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);
BENCHMARK(BM_InspectPages)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);
BENCHMARK(BM_PageCount_Tiffinfo)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_LoadMiddlePage)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);
BENCHMARK(BM_LoadMiddlePage_Tiffcp)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_AppendPage)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_AppendPage_TiffcpInPlace)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_AppendPage_TiffcpRewrite)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK(BM_EditMiddlePage)->Arg(SaveInsert)->Arg(SaveReplace)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_ScanJobBytesWritten)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_DeletePage)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_DeletePage_Tiffcp)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK(BM_AppendPeakMemory)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

int main(int argc, char** argv)
{
    return RunPageBenchmarks(argc, argv, [] { inputs(); });
}
