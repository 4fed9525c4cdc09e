// Acquired page handling.
#include "acquisition/AcquiredPage.h"

#include "acquisition/AcquisitionTexts.h"
#include "acquisition/NewFiles.h"
#include "core/CaughtFailure.h"
#include "core/DocumentType.h"
#include "document/DocumentLocation.h"
#include "document/DocumentNaming.h"
#include "platform/engine/EngineError.h"
#include "platform/engine/ImageFile.h"
#include "platform/engine/ImageViewer.h"
#include "saving/Compression.h"
#include "settings/Settings.h"
#include "viewer/Zoom.h"

#include <QFileInfo>

#include <cmath>
#include <utility>

namespace scanvo {

namespace {

constexpr qint16 kAppend = 1;
constexpr qint16 kInsert = 2;
constexpr qint16 kReplace = 3;

QString DocumentDirectory(const ControlState& state)
{
    return DocumentDirectoryPath(state.m_LocalPath, state.m_DocName);
}

const engine::Image& PageInViewer(const ControlState& state, const engine::Image& image)
{
    return state.mtMain && state.mtMain->hasImage() ? state.mtMain->image() : image;
}

void Save(const ControlState& state, const engine::Image& page, const QString& path, int mode, int pageNumber = 1)
{
    engine::SaveOptions options = FittedSaveOptions(path, state.m_SaveFormat, state.m_SaveBits, state.m_SaveQuality);
    options.mode = mode;
    options.page = pageNumber;
    engine::SavePage(page, path, options);
}

// A new file at place k of m_Files, saved with the page; the files from k on move up first. A
// failed save moves them back, so the document has no gap.
void StoreInNewFile(ControlState& state, const engine::Image& page, int k, const QString& extension,
                    bool keepOwnExtension)
{
    NewFilePlace place = MakeRoomForNewFile(state.m_Files, DocumentDirectory(state), g_Settings.Scan.DocNameRule,
                                            g_Settings.Scan.FileInitValue, k, extension, keepOwnExtension);
    try {
        Save(state, page, place.path, engine::SaveNew);
    } catch (...) {
        const QString failure = NumberedDescription(CaughtFailure(engine::ErrFileWrite));
        throw StoreFailure{UndoNewFilePlace(state.m_Files, place, failure)};
    }
    g_CurrentFilePath = place.path;
}

// A page into the multi-page file g_CurrentFilePath, behind the current page (append, or a file
// that takes pages at its end) or before it (insert).
void StoreInMultiPageFile(ControlState& state, const ScanJobRun& run, const engine::Image& page)
{
    const bool atEnd = run.pagesAtEnd || state.m_CurrentPage >= state.m_PageCount;
    const int pageNumber = run.mode == kAppend || atEnd ? state.m_CurrentPage + 1 : state.m_CurrentPage;
    // A file that exists is never written over whole, even when it counts no pages yet.
    if (state.m_PageCount == 0 && !QFileInfo::exists(g_CurrentFilePath))
        Save(state, page, g_CurrentFilePath, engine::SaveNew);
    else if (pageNumber > state.m_PageCount)
        Save(state, page, g_CurrentFilePath, engine::SaveAppend);
    else
        Save(state, page, g_CurrentFilePath, engine::SaveInsert, pageNumber);
    ++state.m_CurrentPage;
    ++state.m_PageCount;
}

// The place a new file goes in a list whose current entry is current: behind it, or before it.
int NewFilePosition(const ScanJobRun& run, int current)
{
    return run.mode == kAppend ? current + 1 : qMax(current, 1);
}

// The multi-page file named in the dialog: an existing one takes the pages behind its last page.
void OpenNamedFile(ControlState& state, ScanJobRun& run)
{
    const QString path = DocumentDirectory(state) + u'/' + state.m_ScanFileName + QStringLiteral(".tif");
    state.m_ScanFileName.clear();
    g_CurrentFilePath = path;
    int index = int(state.m_Files.toList().indexOf(path)) + 1;
    if (index == 0) {
        state.m_Files.append(path);
        index = state.m_Files.count();
    }
    state.m_PageCount = QFileInfo::exists(path) ? static_cast<qint16>(engine::PageCount(path)) : qint16(0);
    state.m_CurrentPage = state.m_PageCount;
    state.m_CurrentFile = index;
    run.pagesAtEnd = true;
}

void StoreInMixedDocument(ControlState& state, ScanJobRun& run, const engine::Image& page)
{
    const bool multiPage = state.m_ScanDocType == DocTypeMultiPageTiff;
    if (run.mode == kReplace) {
        // Only the page on view is replaced: rewriting a file of several pages whole would lose
        // the others, whatever type the job writes.
        if (IsTiffName(g_CurrentFilePath) && state.m_PageCount > 1)
            Save(state, page, g_CurrentFilePath, engine::SaveReplace, qMax<int>(state.m_CurrentPage, 1));
        else
            Save(state, page, g_CurrentFilePath, engine::SaveNew);
        return;
    }
    if (multiPage) {
        const bool continuing = state.m_PageCount != 0 && state.m_LastScanDocType == DocTypeMultiPageTiff &&
                                IsTiffName(g_CurrentFilePath) && state.m_Files.toList().contains(g_CurrentFilePath);
        if (!state.m_ScanFileName.isEmpty()) {
            OpenNamedFile(state, run);
        } else if (!continuing) {
            const int k = NewFilePosition(run, state.m_CurrentFile);
            NewFilePlace place = MakeRoomForNewFile(state.m_Files, DocumentDirectory(state),
                                                    g_Settings.Scan.DocNameRule, g_Settings.Scan.FileInitValue, k,
                                                    QStringLiteral("tif"), true);
            g_CurrentFilePath = place.path;
            state.m_PageCount = 0;
            state.m_CurrentPage = 0;
            try {
                StoreInMultiPageFile(state, run, page);
            } catch (...) {
                const QString failure = NumberedDescription(CaughtFailure(engine::ErrFileWrite));
                throw StoreFailure{UndoNewFilePlace(state.m_Files, place, failure)};
            }
            // Insert leaves the file that was current current, now behind the new one.
            state.m_CurrentFile = run.mode == kAppend ? k : k + 1;
            run.pagesAtEnd = true;
            return;
        }
        StoreInMultiPageFile(state, run, page);
        return;
    }
    const int k = NewFilePosition(run, state.m_CurrentFile);
    const QString extension = state.m_ScanDocType == DocTypeSinglePageJpeg ? QStringLiteral("jpg")
                                                                           : QStringLiteral("tif");
    StoreInNewFile(state, page, k, extension, true);
    state.m_CurrentFile = run.mode == kAppend ? k : k + 1;
    state.m_PageCount = 1;
    state.m_CurrentPage = 1;
}

void StoreInSinglePageDocument(ControlState& state, const ScanJobRun& run, const engine::Image& page)
{
    if (run.mode == kReplace) {
        Save(state, page, g_CurrentFilePath, engine::SaveNew);
        return;
    }
    const int k = run.pagesAtEnd ? state.m_CurrentPage + 1 : NewFilePosition(run, state.m_CurrentPage);
    const QString extension = state.m_DocType == DocTypeSinglePageJpeg ? QStringLiteral("jpg") : QStringLiteral("tif");
    StoreInNewFile(state, page, k, extension, false);
    ++state.m_CurrentPage;
    ++state.m_PageCount;
}

void Store(ControlState& state, ScanJobRun& run, const engine::Image& page)
{
    switch (state.m_DocType) {
    case DocTypeMultiPageTiff:
        if (run.mode == kReplace)
            Save(state, page, g_CurrentFilePath, engine::SaveReplace, state.m_CurrentPage);
        else
            StoreInMultiPageFile(state, run, page);
        return;
    case DocTypeSinglePageTiff:
    case DocTypeSinglePageJpeg:
        StoreInSinglePageDocument(state, run, page);
        return;
    default:
        StoreInMixedDocument(state, run, page);
        return;
    }
}

}  // namespace

qint16 EffectiveScanMode(const ControlState& state)
{
    if (state.m_ScanMode != kInsert && state.m_ScanMode != kReplace)
        return kAppend;
    bool hasCurrent = false;
    switch (state.m_DocType) {
    case DocTypeMultiPageTiff:
        hasCurrent = state.m_PageCount > 0 && state.m_CurrentPage >= 1;
        break;
    case DocTypeSinglePageTiff:
    case DocTypeSinglePageJpeg:
        hasCurrent = !state.m_Files.isEmpty() && state.m_CurrentPage >= 1;
        break;
    default:
        hasCurrent = !state.m_Files.isEmpty() && state.m_CurrentFile >= 1 && state.m_CurrentFile <= state.FileCount();
        break;
    }
    return hasCurrent ? state.m_ScanMode : kAppend;
}

bool OnAcquiredPage(ControlState& state, ScanJobRun& run, engine::Image image)
{
    if (run.failed)
        return false;
    if (state.mtMain)
        state.mtMain->setImage(std::move(image));
    PrepareAcquiredSave(state);
    const engine::Image& page = PageInViewer(state, image);
    try {
        Store(state, run, page);
    } catch (const StoreFailure& failure) {
        run.failed = true;
        run.failure = failure.text;
        return false;
    } catch (...) {
        run.failed = true;
        run.failure = NumberedDescription(CaughtFailure(engine::ErrFileWrite));
        return false;
    }
    ++run.pagesStored;
    if (state.mtMain)
        state.m_ZoomPercent = static_cast<qint32>(std::lround(state.mtMain->zoomPercent()));
    state.m_LastScanDocType = state.m_ScanDocType;
    SyncZoomBox(state);
    return true;
}

}  // namespace scanvo
