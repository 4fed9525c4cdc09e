// Acquired page handling.
#include "acquisition/AcquiredPage.h"

#include "acquisition/AcquisitionTexts.h"
#include "acquisition/NewFiles.h"
#include "core/CaughtFailure.h"
#include "core/DocumentType.h"
#include "document/DocumentLocation.h"
#include "document/DocumentNaming.h"
#include "document/FileList.h"
#include "platform/engine/EngineError.h"
#include "platform/engine/ImageFile.h"
#include "platform/engine/ImageViewer.h"
#include "acquisition/PageStoreQueue.h"
#include "saving/Compression.h"
#include "settings/Settings.h"
#include "viewer/PageDisplay.h"
#include "viewer/Zoom.h"

#include <QFileInfo>

#include <cmath>
#include <exception>
#include <optional>
#include <utility>

namespace scanvo {

// The document's position as a page found it, to go back to when the page is not stored.
struct PositionBefore {
    FilePaths files;
    int currentFile = 0;
    qint16 pageCount = 0;
    qint16 currentPage = 0;
    QString scanFileName;
    QString currentFilePath;
    bool pagesAtEnd = false;
};

// What the store thread is given: the page alone, so that its PIX is only ever touched by one
// thread at a time. It comes back to the viewer once stored.
struct PageToStore {
    engine::Image image;
};

// A page on its way to its file: where it goes and how, decided on this thread, and what to undo
// when it cannot be written.
struct PlannedStore {
    std::shared_ptr<PageToStore> page;
    QString path;
    engine::SaveOptions options;
    std::optional<NewFilePlace> place;  // a new file made room for, when the page makes one
    PositionBefore before;
};

ScanJobRun::ScanJobRun() = default;

// A page still in flight here (a job left by an exception) is waited for by the queue, within its
// bound, and counts as not stored.
ScanJobRun::~ScanJobRun() = default;

namespace {

namespace T = acquisition_texts;

QString DocumentDirectory(const ControlProperties& props)
{
    return DocumentDirectoryPath(props.m_LocalPath, props.m_DocName);
}

// Records the save of the page: the path, and how it is written there.
void Save(const ScanJobState& scan, PlannedStore& planned, const QString& path, int mode, int pageNumber = 1)
{
    engine::SaveOptions options = FittedSaveOptions(path, scan.m_SaveFormat, scan.m_SaveBits, scan.m_SaveQuality);
    options.mode = mode;
    options.page = pageNumber;
    planned.path = path;
    planned.options = options;
}

// A new file at place k of m_Files for the page; the files from k on move up first. A failed
// save moves them back (UndoNewFilePlace), so the document has no gap.
void PlanNewFile(ControlProperties& props, DocumentPosition& doc, ScanJobState& scan, PlannedStore& planned, int k,
                 const QString& extension, bool keepOwnExtension)
{
    planned.place = MakeRoomForNewFile(doc.m_Files, DocumentDirectory(props), g_Settings.Scan.DocNameRule,
                                       g_Settings.Scan.FileInitValue, k, extension, keepOwnExtension);
    Save(scan, planned, planned.place->path, engine::SaveNew);
    g_CurrentFilePath = planned.place->path;
}

// A page into the multi-page file g_CurrentFilePath, behind the current page (append, or a file
// that takes pages at its end) or before it (insert).
void PlanInMultiPageFile(DocumentPosition& doc, ScanJobState& scan, const ScanJobRun& run, PlannedStore& planned)
{
    const bool atEnd = run.pagesAtEnd || doc.m_CurrentPage >= doc.m_PageCount;
    const int pageNumber = run.mode == ScanAppend || atEnd ? doc.m_CurrentPage + 1 : doc.m_CurrentPage;
    // A file that exists is never written over whole, even when it counts no pages yet.
    if (doc.m_PageCount == 0 && !QFileInfo::exists(g_CurrentFilePath))
        Save(scan, planned, g_CurrentFilePath, engine::SaveNew);
    else if (pageNumber > doc.m_PageCount)
        Save(scan, planned, g_CurrentFilePath, engine::SaveAppend);
    else
        Save(scan, planned, g_CurrentFilePath, engine::SaveInsert, pageNumber);
    ++doc.m_CurrentPage;
    ++doc.m_PageCount;
}

// The place a new file goes in a list whose current entry is current: behind it, or before it.
int NewFilePosition(const ScanJobRun& run, int current)
{
    return run.mode == ScanAppend ? current + 1 : qMax(current, 1);
}

// The multi-page file named in the dialog: an existing one takes the pages behind its last page.
void OpenNamedFile(ControlProperties& props, DocumentPosition& doc, ScanJobState& scan, ScanJobRun& run)
{
    const QString path = DocumentDirectory(props) + u'/' + scan.m_ScanFileName + QStringLiteral(".tif");
    scan.m_ScanFileName.clear();
    g_CurrentFilePath = path;
    int index = int(doc.m_Files.toList().indexOf(path)) + 1;
    if (index == 0) {
        doc.m_Files.append(path);
        index = doc.m_Files.count();
    }
    doc.m_PageCount = QFileInfo::exists(path) ? static_cast<qint16>(engine::PageCount(path)) : qint16(0);
    doc.m_CurrentPage = doc.m_PageCount;
    doc.m_CurrentFile = index;
    run.pagesAtEnd = true;
}

void PlanInMixedDocument(ControlState& state, ScanJobRun& run, PlannedStore& planned)
{
    const bool multiPage = state.scan.m_ScanDocType == DocTypeMultiPageTiff;
    if (run.mode == ScanReplace) {
        // Only the page on view is replaced: rewriting a file of several pages whole would lose
        // the others, whatever type the job writes.
        if (IsTiffName(g_CurrentFilePath) && state.doc.m_PageCount > 1)
            Save(state.scan, planned, g_CurrentFilePath, engine::SaveReplace, qMax<int>(state.doc.m_CurrentPage, 1));
        else
            Save(state.scan, planned, g_CurrentFilePath, engine::SaveNew);
        return;
    }
    if (multiPage) {
        const bool continuing = state.doc.m_PageCount != 0 && state.scan.m_LastScanDocType == DocTypeMultiPageTiff &&
                                IsTiffName(g_CurrentFilePath) && state.doc.m_Files.toList().contains(g_CurrentFilePath);
        if (!state.scan.m_ScanFileName.isEmpty()) {
            OpenNamedFile(state.props, state.doc, state.scan, run);
        } else if (!continuing) {
            const int k = NewFilePosition(run, state.doc.m_CurrentFile);
            planned.place = MakeRoomForNewFile(state.doc.m_Files, DocumentDirectory(state.props), g_Settings.Scan.DocNameRule,
                                               g_Settings.Scan.FileInitValue, k, QStringLiteral("tif"), true);
            g_CurrentFilePath = planned.place->path;
            state.doc.m_PageCount = 0;
            state.doc.m_CurrentPage = 0;
            PlanInMultiPageFile(state.doc, state.scan, run, planned);
            // Insert leaves the file that was current current, now behind the new one.
            state.doc.m_CurrentFile = run.mode == ScanAppend ? k : k + 1;
            run.pagesAtEnd = true;
            return;
        }
        PlanInMultiPageFile(state.doc, state.scan, run, planned);
        return;
    }
    const int k = NewFilePosition(run, state.doc.m_CurrentFile);
    const QString extension = state.scan.m_ScanDocType == DocTypeSinglePageJpeg ? QStringLiteral("jpg")
                                                                           : QStringLiteral("tif");
    PlanNewFile(state.props, state.doc, state.scan, planned, k, extension, true);
    state.doc.m_CurrentFile = run.mode == ScanAppend ? k : k + 1;
    state.doc.m_PageCount = 1;
    state.doc.m_CurrentPage = 1;
}

void PlanInSinglePageDocument(ControlState& state, const ScanJobRun& run, PlannedStore& planned)
{
    if (run.mode == ScanReplace) {
        Save(state.scan, planned, g_CurrentFilePath, engine::SaveNew);
        return;
    }
    const int k = run.pagesAtEnd ? state.doc.m_CurrentPage + 1 : NewFilePosition(run, state.doc.m_CurrentPage);
    const QString extension = state.props.m_DocType == DocTypeSinglePageJpeg ? QStringLiteral("jpg") : QStringLiteral("tif");
    PlanNewFile(state.props, state.doc, state.scan, planned, k, extension, false);
    ++state.doc.m_CurrentPage;
    ++state.doc.m_PageCount;
}

// Decides where the page goes and moves the document's position on as if it were stored; the
// save itself is left to the caller.
void PlanStore(ControlState& state, ScanJobRun& run, PlannedStore& planned)
{
    switch (state.props.m_DocType) {
    case DocTypeMultiPageTiff:
        if (run.mode == ScanReplace)
            Save(state.scan, planned, g_CurrentFilePath, engine::SaveReplace, state.doc.m_CurrentPage);
        else
            PlanInMultiPageFile(state.doc, state.scan, run, planned);
        return;
    case DocTypeSinglePageTiff:
    case DocTypeSinglePageJpeg:
        PlanInSinglePageDocument(state, run, planned);
        return;
    default:
        PlanInMixedDocument(state, run, planned);
        return;
    }
}

// The document's position as a page found it, to go back to when the page is not stored.
PositionBefore TakePosition(const DocumentPosition& doc, const ScanJobState& scan, const ScanJobRun& run)
{
    return {doc.m_Files, doc.m_CurrentFile, doc.m_PageCount, doc.m_CurrentPage, scan.m_ScanFileName,
            g_CurrentFilePath, run.pagesAtEnd};
}

void RestorePosition(DocumentPosition& doc, ScanJobState& scan, ScanJobRun& run, const PositionBefore& before)
{
    doc.m_Files = before.files;
    doc.m_CurrentFile = before.currentFile;
    doc.m_PageCount = before.pageCount;
    doc.m_CurrentPage = before.currentPage;
    scan.m_ScanFileName = before.scanFileName;
    g_CurrentFilePath = before.currentFilePath;
    run.pagesAtEnd = before.pagesAtEnd;
}

void Fail(ScanJobRun& run, const QString& failure)
{
    run.failed = true;
    run.failure = failure;
}

// The page in flight has ended: a stored page is counted and shown; one that could not be stored
// takes the files moved for it back and the position with them.
void Settle(ControlState& state, ScanJobRun& run)
{
    std::unique_ptr<PlannedStore> planned = std::move(run.inFlight);
    std::exception_ptr failure;
    const PageStoreQueue::Outcome outcome = run.storing->wait(&failure);
    if (outcome == PageStoreQueue::Outcome::TimedOut) {
        // The write may still land where it was meant to go: the position stays as planned.
        Fail(run, NumberedDescription({engine::ErrFileWrite, T::kStoreTimedOut.arg(planned->path)}));
        return;
    }
    if (outcome == PageStoreQueue::Outcome::Failed) {
        QString text;
        try {
            std::rethrow_exception(failure);
        } catch (...) {
            text = NumberedDescription(CaughtFailure(engine::ErrFileWrite));
        }
        if (planned->place)
            text = UndoNewFilePlace(state.doc.m_Files, *planned->place, text);
        RestorePosition(state.doc, state.scan, run, planned->before);
        Fail(run, text);
        return;
    }
    ++run.pagesStored;
    state.scan.m_LastScanDocType = state.scan.m_ScanDocType;
    state.widgets.mtMain->setImage(std::move(planned->page->image));
    state.view.m_ZoomPercent = static_cast<qint32>(std::lround(state.widgets.mtMain->zoomPercent()));
    SyncZoomBox(state.view, state.widgets);
    // The list and the page count grow with the job: the position is now that of the page just
    // stored, and not yet of the next one.
    FillFileList(state.props, state.doc, state.widgets);
    if (state.props.m_DocType == DocTypeAllImages)
        SelectFileInList(state.doc, state.widgets);
    else
        SelectPageInList(state.doc, state.widgets);
    UpdatePagePosition(state.doc, state.widgets);
}

}  // namespace

qint16 EffectiveScanMode(const ControlProperties& props, const DocumentPosition& doc, const ScanJobState& scan)
{
    if (scan.m_ScanMode != ScanInsert && scan.m_ScanMode != ScanReplace)
        return ScanAppend;
    bool hasCurrent = false;
    switch (props.m_DocType) {
    case DocTypeMultiPageTiff:
        hasCurrent = doc.m_PageCount > 0 && doc.m_CurrentPage >= 1;
        break;
    case DocTypeSinglePageTiff:
    case DocTypeSinglePageJpeg:
        hasCurrent = !doc.m_Files.isEmpty() && doc.m_CurrentPage >= 1;
        break;
    default:
        hasCurrent = !doc.m_Files.isEmpty() && doc.m_CurrentFile >= 1 && doc.m_CurrentFile <= doc.FileCount();
        break;
    }
    return hasCurrent ? scan.m_ScanMode : ScanAppend;
}

bool OnAcquiredPage(ControlState& state, ScanJobRun& run, engine::Image image)
{
    if (run.inFlight)
        Settle(state, run);
    if (run.failed)
        return false;
    auto planned = std::make_unique<PlannedStore>();
    planned->before = TakePosition(state.doc, state.scan, run);
    PrepareAcquiredSave(state, image.depth());
    try {
        PlanStore(state, run, *planned);
    } catch (const StoreFailure& failure) {
        // Nothing was moved, or the moves were taken back already.
        RestorePosition(state.doc, state.scan, run, planned->before);
        Fail(run, failure.text);
        return false;
    } catch (...) {
        RestorePosition(state.doc, state.scan, run, planned->before);
        Fail(run, NumberedDescription(CaughtFailure(engine::ErrFileWrite)));
        return false;
    }
    planned->page = std::make_shared<PageToStore>(PageToStore{std::move(image)});
    if (!run.storing)
        run.storing = std::make_unique<PageStoreQueue>();
    run.storing->start(
        [page = planned->page, path = planned->path, options = planned->options] {
            engine::SavePage(page->image, path, options);
        },
        [&state, &run] {
            Settle(state, run);
            if (run.pageSettled)
                run.pageSettled();
        });
    run.inFlight = std::move(planned);
    return true;
}

bool FinishAcquiredPages(ControlState& state, ScanJobRun& run)
{
    if (run.inFlight)
        Settle(state, run);
    return !run.failed;
}

}  // namespace scanvo
