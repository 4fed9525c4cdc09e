// File list and current file.
#include "document/FileList.h"

#include "core/CaughtFailure.h"
#include "core/CommandKeys.h"
#include "core/FileListView.h"
#include "core/Prompter.h"
#include "core/Routines.h"
#include "core/StatusPanels.h"
#include "core/ToolbarKeys.h"
#include "core/ToolbarStates.h"
#include "document/DirectoryListing.h"
#include "document/DocumentFiles.h"
#include "document/DocumentLocation.h"
#include "document/DocumentNaming.h"
#include "document/DocumentTexts.h"
#include "document/ListedFiles.h"
#include "document/PagePrefetch.h"
#include "document/RenameBatch.h"
#include "platform/engine/AtomicFile.h"
#include "platform/engine/EngineError.h"
#include "platform/engine/ImageFile.h"
#include "platform/engine/ImageViewer.h"
#include "saving/PageSaving.h"
#include "settings/Settings.h"
#include "viewer/PageDisplay.h"
#include "viewer/TrimBox.h"

#include <QAction>
#include <QFileInfo>
#include <QToolBar>

#include <algorithm>
#include <functional>

namespace scanvo {


namespace T = document_texts;

namespace {

// Page and file numbers are 16-bit; a count beyond that is cut to what they can address.
qint16 CountAsPageNumber(int count)
{
    return static_cast<qint16>(std::clamp(count, 0, 32767));
}

// The error path of the build and of a file change: the description, information icon.
void ReportListError(ChildWidgets& widgets, const QString& description)
{
    ReportError(widgets.control, description + T::kErrorTail, MessageIcon::Information);
}

const QString& FileOfNumber(const DocumentPosition& doc, int n)
{
    if (n < 1 || n > doc.m_Files.count())
        throw engine::EngineError(engine::ErrFileNotFound, T::kNoSuchFile.arg(n));
    return doc.m_Files.at(n);
}

void ReleaseSelectToggle(DocumentPosition& doc, ChildWidgets& widgets)
{
    doc.m_SelectMode = 0;
    if (QAction* select = FindToolbarAction(widgets.tbFileOperate, keys::miSelect))
        select->setChecked(false);
    widgets.tbFileOperate->update();
}

// The pages of path that can be shown. A multi-page file whose chain of pages breaks off still
// shows the pages before the break; the user hears of the lost ones once per opened document.
int ReadablePageCount(DocumentPosition& doc, ChildWidgets& widgets, const QString& path)
{
    const engine::PageInventory inventory = engine::InspectPages(path);
    if (inventory.damaged && !doc.m_DamageReported.contains(path)) {
        doc.m_DamageReported.append(path);
        Inform(widgets.control, inventory.damage + T::kDamageTail, MessageIcon::Warning);
    }
    return inventory.readablePages;
}

// The history belongs to the page, so it goes with it.
void ClearViewer(ControlState& state)
{
    state.widgets.mtMain->clearImage();
    state.m_History.Clear();
}

// The page or file a build opens at: the remembered one while it still exists, else the last.
qint16 StartPosition(qint16 position, qint16 count)
{
    return static_cast<qint16>(OpeningPosition(position, count));
}

// Lists the document from the names of its directory by type; false when nothing matches. A
// document of single-page files tells opening the file it opens at as soon as that is known.
bool ListDocument(ControlState& state, const QString& pattern, const QStringList& files, qint16 position,
                  const std::function<void(const QString& path)>& opening)
{
    const QStringList names = SelectMatchingNames(files, PathFilePart(pattern));
    if (names.isEmpty())
        return false;
    if (state.props.m_DocType == DocTypeMultiPageTiff) {
        state.doc.m_PageCount = CountAsPageNumber(ReadablePageCount(state.doc, state.widgets, pattern));
        state.doc.m_CurrentPage = StartPosition(position, state.doc.m_PageCount);
        return true;
    }
    const QString directory = PathDirPart(pattern);
    QStringList listed = NamesListedByType(names, state.props.m_DocType);
    state.doc.m_PageCount = CountAsPageNumber(int(listed.size()));
    state.doc.m_CurrentPage = StartPosition(position, state.doc.m_PageCount);
    if (IsSinglePageDocument(state.props.m_DocType)) {
        SortInNumberingOrder(listed, state.doc.m_CurrentPage - 1,
                             [&](const QString& name) { opening(ListedFilePath(directory, name)); });
    } else {
        SortInNumberingOrder(listed);
    }
    SetListedFiles(state.doc, directory, listed);
    if (state.props.m_DocType == DocTypeAllImages)
        state.doc.m_CurrentFile = state.doc.m_CurrentPage;
    return true;
}

}  // namespace

void ResetDocumentView(ControlState& state)
{
    ClearViewer(state);
    state.widgets.lvwFileList->clear();
    SetStatusPanelText(state.widgets, 2, QString());
    SetStatusPanelText(state.widgets, 3, QString());
    g_CurrentFilePath.clear();
    state.doc.m_Files.clear();
    state.doc.m_DamageReported.clear();
    state.doc.m_CurrentFile = 0;
    state.doc.m_CurrentPage = 0;
    state.doc.m_PageCount = 0;
    state.doc.m_ShownPage = 0;
    // A box placed for the last document's pages says nothing about the next one's.
    ForgetTrimRegion(state.tools);
}

void CloseEmptiedDocument(ControlState& state)
{
    ResetDocumentView(state);
    if (state.DocumentEmptied)
        state.DocumentEmptied();
}

QString DocumentPattern(const ControlProperties& props)
{
    const QString directory = DocumentDirectoryPath(props.m_LocalPath, props.m_DocName) + u'/';
    switch (props.m_DocType) {
    case DocTypeMultiPageTiff:
        return MultiPageFilePath(directory, props.m_DocName);
    case DocTypeSinglePageTiff:
        return directory + QStringLiteral("*.tif");
    case DocTypeSinglePageJpeg:
        return directory + QStringLiteral("*.jpg");
    default:
        return directory + QStringLiteral("*.*");
    }
}

namespace {

// The list build itself; BuildFileList adds the toolbars' document state to every build that
// leaves a page on view.
bool ListAndShow(ControlState& state, qint16 position)
{
    // A page still modified here was not written back by the caller, which has changed the
    // document since (deleted, renamed or imported files). Its file and page number may now name
    // another page, and the first page shown below would write it to the enumeration pattern, a
    // file literally called "*.tif". Callers that keep an edit write it back before they change
    // the document.
    state.doc.m_PageModified = false;
    const QString directory = DocumentDirectoryPath(state.props.m_LocalPath, state.props.m_DocName);
    // The page shown first is read on a worker thread while the directory is read and listed, and
    // used only if it is still the file read. A document opened before most often opens at the same
    // file again, so that read starts at once; otherwise it starts, or starts over, as soon as the
    // listing knows the file.
    const engine::DisplayScale scale = state.widgets.mtMain->displayScale();
    PagePrefetch prefetch = PagePrefetch::Start(ExpectedFileAt(directory, state.doc.m_RequestedDocType, position), scale);
    const auto readAhead = [&prefetch, &scale](const QString& path) {
        if (path != prefetch.path())
            prefetch = PagePrefetch::Start(path, scale);
    };
    // A batch rename that was killed part way puts its files back under their old names. Its
    // journal is looked up by name, so an open without one costs no further directory read.
    if (QFileInfo::exists(RenameBatchJournalPath(directory)))
        RecoverRenameBatch(directory);
    // One read of the directory serves the type, the list and the clean-up.
    const DirectoryNames names = ReadDirectoryNames(directory);
    // Saves killed mid-write leave their temporary files behind; nobody else ever removes them.
    engine::AtomicFile::RemoveStaleTemporaries(directory, names.temporaries);
    if (state.doc.m_RequestedDocType == DocTypeDetect)
        state.props.m_DocType = DetectDocTypeOf(directory, names.files);
    const QString pattern = DocumentPattern(state.props);
    g_CurrentFilePath = pattern;

    try {
        if (!ListDocument(state, pattern, names.files, position, readAhead))
            return false;
        FillFileList(state.props, state.doc, state.widgets);
        // Selecting the page's entry needs the list laid out; done now, it runs while the page may
        // still be decoding.
        state.widgets.lvwFileList->doItemsLayout();
        if (state.props.m_DocType == DocTypeAllImages)
            return GoToFile(state, state.doc.m_CurrentFile);
        ShowPage(state, state.doc.m_CurrentPage, [&prefetch](const QString& path, int page, const engine::DisplayScale& shown) {
            if (page == 1) {
                if (std::optional<engine::ScaledPage> read = prefetch.take(path))
                    return std::move(*read);
            }
            return engine::LoadPageScaled(path, page, shown);
        });
        if (IsSinglePageDocument(state.props.m_DocType))
            RememberListedFiles(directory, state.props.m_DocType, state.doc.m_Files.toList());
        return true;
    } catch (...) {
        ReportListError(state.widgets, CaughtFailure(engine::ErrOperation).description);
        return false;
    }
}

}  // namespace

bool BuildFileList(ControlState& state, qint16 position)
{
    if (!ListAndShow(state, position))
        return false;
    SetDocumentState(state);
    return true;
}

void FillFileList(ControlProperties& props, DocumentPosition& doc, ChildWidgets& widgets)
{
    // The entries are made when the list shows them, from what they are made of now: a later
    // change of m_Files reaches the list only through another fill.
    FileListView* list = widgets.lvwFileList;
    if (props.m_DocType == DocTypeMultiPageTiff) {
        const auto text = [](int row) { return T::kPageEntryBefore + QString::number(row + 1) + T::kPageEntryAfter; };
        const auto key = [](int row) { return T::kPageEntryKeyPrefix + QString::number(row + 1); };
        list->fill(doc.m_PageCount, text, key);
    } else {
        const QStringList paths = doc.m_Files.toList();
        const auto text = [paths](int row) { return PathFilePart(paths.at(row)); };
        const auto key = [paths](int row) { return paths.at(row); };
        list->fill(int(paths.size()), text, key);
    }
    ReleaseSelectToggle(doc, widgets);
}

bool GoToFile(ControlState& state, int n)
{
    // The page on view belongs to the file being left: once g_CurrentFilePath names file n, a
    // write-back would put it over that file's first page. So a failed write-back stops here.
    if (!LeaveShownPage(state))
        return false;
    SelectFileInList(state.doc, state.widgets);
    try {
        g_CurrentFilePath = FileOfNumber(state.doc, n);
        state.doc.m_PageCount = CountAsPageNumber(ReadablePageCount(state.doc, state.widgets, g_CurrentFilePath));
    } catch (...) {
        const QString description = CaughtFailure(engine::ErrOperation).description;
        // Nothing of the unreadable file is on view, so nothing of it can be edited or saved; the
        // file buttons still lead to the other files.
        ClearViewer(state);
        state.doc.m_PageCount = 0;
        state.doc.m_CurrentPage = 0;
        state.doc.m_ShownPage = 0;
        UpdateFileNavigation(state.doc, state.widgets);
        ReportListError(state.widgets, description);
        return false;
    }
    state.doc.m_CurrentPage = 1;
    state.doc.m_ShownPage = 1;
    UpdateFileNavigation(state.doc, state.widgets);
    WriteImagePos(state.props.m_DocName, static_cast<qint16>(n));
    ShowPage(state, state.doc.m_CurrentPage);
    return true;
}

void SelectFileEntry(ControlState& state, int n)
{
    SelectFileInList(state.doc, state.widgets);
    if (n >= 1 && n <= state.doc.m_Files.count())
        g_CurrentFilePath = state.doc.m_Files.at(n);
    state.doc.m_ShownPage = state.doc.m_CurrentPage;
    UpdateFileNavigation(state.doc, state.widgets);
    WriteImagePos(state.props.m_DocName, static_cast<qint16>(n));
    ShowPage(state, state.doc.m_CurrentPage);
}

}  // namespace scanvo
