// Page turn: ShowPage of an A4 300 dpi page at fit height, until the viewer holds the scaled
// rendering it paints from, against vipsthumbnail making a rendering of that height from the same
// file (process start and PNG output included, as a user of the tool would run it; its own
// processor time is reported beside).
// decoded_width: the width of the pixels the page was decoded to (a JPEG page is decoded reduced).
// helper_strips: strips of each page a helper thread decoded beside the reading one.
// Document open: ResetDocumentView and BuildFileList (type detection on) of 1000 and 10,000
// single-page files, against QDir::entryList sorted by name on the same directory. Every iteration
// after the first reopens the document, as the control does after a delete, a rename or an import;
// the "unremembered" case opens five documents in turn, more than the process keeps lists of, so
// that each opening is a first one.
#include "BenchPages.h"

#include "control/ToolbarBuilder.h"
#include "control/ToolbarTables.h"
#include "core/ControlState.h"
#include "core/DocumentType.h"
#include "core/FileListView.h"
#include "document/FileList.h"
#include "platform/engine/ImageFile.h"
#include "platform/engine/ImageViewer.h"
#include "platform/engine/TiffStripRows.h"
#include "viewer/PageDisplay.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>

using namespace scanvo;

namespace {

constexpr int kViewWidth = 900;
constexpr int kViewHeight = 1000;  // the fit-height rendering is this tall

struct Inputs {
    QTemporaryDir dir;
    QString g4;
    QString jpeg;
    QString out;
    QString path(const QString& name) const { return dir.filePath(name); }
};

const Inputs& Pages()
{
    // Destroyed at exit, which removes the generated files.
    static const std::unique_ptr<Inputs> in = [] {
        auto made = std::make_unique<Inputs>();
        made->g4 = made->path(QStringLiteral("page/g4/page.tif"));
        made->jpeg = made->path(QStringLiteral("page/jpeg/page.jpg"));
        made->out = made->path(QStringLiteral("out.png"));
        QDir().mkpath(made->path(QStringLiteral("page/g4")));
        QDir().mkpath(made->path(QStringLiteral("page/jpeg")));
        engine::SaveOptions g4;
        g4.format = engine::FormatTiffG4;
        engine::SavePage(enginebench::A4Page(1, false), made->g4, g4);
        engine::SaveOptions jpeg;
        jpeg.format = engine::FormatJpeg422;
        jpeg.quality = 125;
        engine::SavePage(enginebench::A4Page(1, true), made->jpeg, jpeg);
        return made;
    }();
    return *in;
}

// The child controls a page turn and a document open touch, as the control lays them out.
struct Browser {
    QWidget host;
    ControlState state;

    Browser()
    {
        state.widgets.tbFileOperate = new CommandToolBar(toolbars::tbFileOperate, true, &host);
        state.widgets.tbImaging = new CommandToolBar(toolbars::tbImaging, true, &host);
        state.widgets.tbCommon = new CommandToolBar(toolbars::tbCommon, false, &host);
        state.widgets.lvwFileList = new FileListView(&host);
        state.widgets.cboZoomFactor = new QComboBox(&host);
        state.widgets.sbTotalInfo = new QStatusBar(&host);
        for (int n = 1; n <= 5; ++n) {
            auto* label = new QLabel(state.widgets.sbTotalInfo);
            label->setObjectName(QStringLiteral("sbTotalInfoPanel%1").arg(n));
        }
        auto* viewer = new engine::ImageViewer(&host);
        viewer->resize(kViewWidth, kViewHeight);
        viewer->setPaintMode(engine::ImageViewer::PaintFitHeight);
        state.widgets.mtMain = viewer;
    }
    engine::ImageViewer* viewer() { return static_cast<engine::ImageViewer*>(state.widgets.mtMain); }
    // A document of the files in directory root/name, as BuildFileList finds it.
    void openAt(const QString& root, const QString& name, qint16 type)
    {
        state.props.m_LocalPath = root;
        state.props.m_DocName = name;
        state.doc.m_RequestedDocType = type;
        state.props.m_DocType = type;
    }
};

// Strips decoded by helper threads per iteration since before: how much of the decoding was shared.
benchmark::Counter HelperStrips(const benchmark::State& s, std::uint64_t before)
{
    return benchmark::Counter(double(engine::StripsReadByHelpers() - before) / double(std::max<benchmark::IterationCount>(1, s.iterations())));
}

void BM_PageTurn(benchmark::State& s, const QString& file, qint16 docType)
{
    Browser browser;
    browser.openAt(Pages().path(QStringLiteral("page")), QFileInfo(file).dir().dirName(), docType);
    browser.state.doc.m_Files.append(file);
    browser.state.doc.m_PageCount = 1;
    browser.state.doc.m_CurrentPage = 1;
    const std::uint64_t shared = engine::StripsReadByHelpers();
    for (auto _ : s) {
        ShowPage(browser.state, 1);
        browser.viewer()->prepareRendering();
        if (!browser.viewer()->hasRendering()) {
            s.SkipWithError("no rendering");
            break;
        }
    }
    s.counters["shown_percent"] = browser.viewer()->displayPercent();
    // Below the page's own width when the page was decoded reduced.
    s.counters["decoded_width"] = browser.viewer()->shownImage().width();
    s.counters["helper_strips"] = HelperStrips(s, shared);
}

// Processor time (user and system) of the finished child processes so far, in milliseconds.
double ChildCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

void BM_Vipsthumbnail(benchmark::State& s, const QString& file)
{
    const std::string command = "vipsthumbnail '" + file.toStdString() + "' --size x" + std::to_string(kViewHeight) +
                                " -o '" + Pages().out.toStdString() + "' >/dev/null 2>&1";
    const double before = ChildCpuMs();
    for (auto _ : s) {
        if (std::system(command.c_str()) != 0) {
            s.SkipWithError("vipsthumbnail failed");
            break;
        }
    }
    // The tool's own processor time per run, beside the wall time that includes its start-up.
    s.counters["tool_cpu_ms"] = benchmark::Counter((ChildCpuMs() - before) / double(s.iterations()));
}

// Documents of count single-page G4 files, made once per count.
QString DocumentRoot(int count)
{
    static QTemporaryDir roots;
    const QString root = roots.filePath(QString::number(count));
    const QString dir = root + QStringLiteral("/doc");
    if (QDir(dir).exists())
        return root;
    QDir().mkpath(dir);
    const QString first = dir + QStringLiteral("/scan000001.tif");
    engine::SaveOptions g4;
    g4.format = engine::FormatTiffG4;
    engine::SavePage(enginebench::A4Page(1, false), first, g4);
    for (int n = 2; n <= count; ++n)
        QFile::copy(first, dir + QStringLiteral("/scan%1.tif").arg(n, 6, 10, QLatin1Char('0')));
    return root;
}

// Opens the browser's document afresh at its last file; false unless all count files are listed
// and a page is on view.
bool Reopen(Browser& browser, int count)
{
    ResetDocumentView(browser.state);
    BuildFileList(browser.state, 0);
    return browser.state.widgets.lvwFileList->count() == count && browser.viewer()->hasImage();
}

void BM_OpenDocument(benchmark::State& s)
{
    const int count = int(s.range(0));
    const QString root = DocumentRoot(count);
    Browser browser;
    browser.openAt(root, QStringLiteral("doc"), DocTypeDetect);
    const std::uint64_t shared = engine::StripsReadByHelpers();
    for (auto _ : s) {
        if (!Reopen(browser, count)) {
            s.SkipWithError("document not opened");
            break;
        }
    }
    s.counters["files"] = count;
    s.counters["helper_strips"] = HelperStrips(s, shared);
}

// The name of another document beside "doc" under root holding the same files (hard links).
QString LinkedDocument(const QString& root, int n)
{
    const QString name = QStringLiteral("doc-%1").arg(n);
    const QDir linked(root + u'/' + name);
    if (linked.exists())
        return name;
    QDir().mkpath(linked.path());
    const QDir source(root + QStringLiteral("/doc"));
    for (const QString& file : source.entryList(QDir::Files)) {
        if (::link(QFile::encodeName(source.filePath(file)).constData(),
                   QFile::encodeName(linked.filePath(file)).constData()) != 0)
            QFile::copy(source.filePath(file), linked.filePath(file));
    }
    return name;
}

void BM_OpenDocumentUnremembered(benchmark::State& s)
{
    const int count = int(s.range(0));
    const QString root = DocumentRoot(count);
    QStringList documents{QStringLiteral("doc")};
    for (int n = 2; n <= 5; ++n)
        documents.append(LinkedDocument(root, n));
    Browser browser;
    qsizetype next = 0;
    const std::uint64_t shared = engine::StripsReadByHelpers();
    for (auto _ : s) {
        browser.openAt(root, documents.at(next), DocTypeDetect);
        next = (next + 1) % documents.size();
        if (!Reopen(browser, count)) {
            s.SkipWithError("document not opened");
            break;
        }
    }
    s.counters["files"] = count;
    s.counters["helper_strips"] = HelperStrips(s, shared);
}

void BM_SortedListing(benchmark::State& s)
{
    const int count = int(s.range(0));
    const QDir dir(DocumentRoot(count) + QStringLiteral("/doc"));
    for (auto _ : s) {
        const QStringList names = dir.entryList(QDir::Files, QDir::Name);
        if (names.size() != count) {
            s.SkipWithError("listing incomplete");
            break;
        }
        benchmark::DoNotOptimize(names.constData());
    }
    s.counters["files"] = count;
}

void RegisterAll()
{
    const Inputs& in = Pages();
    benchmark::RegisterBenchmark("page_turn/g4/ShowPage", BM_PageTurn, in.g4, qint16(DocTypeSinglePageTiff))
        ->Unit(benchmark::kMillisecond)->UseRealTime();
    benchmark::RegisterBenchmark("page_turn/jpeg/ShowPage", BM_PageTurn, in.jpeg, qint16(DocTypeSinglePageJpeg))
        ->Unit(benchmark::kMillisecond)->UseRealTime();
    if (!QStandardPaths::findExecutable(QStringLiteral("vipsthumbnail")).isEmpty()) {
        benchmark::RegisterBenchmark("page_turn/g4/vipsthumbnail", BM_Vipsthumbnail, in.g4)
            ->Unit(benchmark::kMillisecond)->UseRealTime();
        benchmark::RegisterBenchmark("page_turn/jpeg/vipsthumbnail", BM_Vipsthumbnail, in.jpeg)
            ->Unit(benchmark::kMillisecond)->UseRealTime();
    }
    benchmark::RegisterBenchmark("open_document/BuildFileList", BM_OpenDocument)
        ->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
    benchmark::RegisterBenchmark("open_document/BuildFileList_unremembered", BM_OpenDocumentUnremembered)
        ->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();
    benchmark::RegisterBenchmark("open_document/QDir_entryList_sorted", BM_SortedListing)
        ->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // ShowPage remembers each page in the position file; keep that away from the user's settings.
    QTemporaryDir config;
    qputenv("SCANVO_CONFIG_DIR", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RegisterAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
