// Selecting, deleting, replacing and renaming the document's files from the file list.
#include "document/FileOperations.h"

#include "core/BusyPointer.h"
#include "core/CaughtFailure.h"
#include "core/CommandKeys.h"
#include "core/CoreTexts.h"
#include "core/DocumentType.h"
#include "core/FileListView.h"
#include "core/Prompter.h"
#include "core/Routines.h"
#include "core/StatusPanels.h"
#include "core/ToolbarKeys.h"
#include "core/ToolbarStates.h"
#include "document/DirectoryListing.h"
#include "document/DocumentFiles.h"
#include "document/DocumentNaming.h"
#include "document/FileDialogFilter.h"
#include "document/FileList.h"
#include "document/FileOperationTexts.h"
#include "document/RenameBatch.h"
#include "document/RenamingShift.h"
#include "document/frmBatchRename.h"
#include "document/frmRename.h"
#include "platform/engine/AtomicFile.h"
#include "platform/engine/EngineError.h"
#include "platform/engine/ImageFile.h"
#include "platform/engine/ImageViewer.h"
#include "saving/Compression.h"
#include "saving/PageSaving.h"
#include "settings/Settings.h"
#include "viewer/PageDisplay.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QToolBar>

namespace scanvo {

namespace T = file_operation_texts;

namespace {

bool HasEntries(const ChildWidgets& widgets)
{
    return widgets.lvwFileList->count() > 0;
}

bool IsFileListed(const ControlProperties& props)
{
    return props.m_DocType != DocTypeMultiPageTiff;
}

// The highlighted entry, 1-based; 0 when none is.
int SelectedEntry(const ChildWidgets& widgets)
{
    const int row = widgets.lvwFileList->currentRow();
    return row >= 0 && widgets.lvwFileList->selectedRows().contains(row) ? row + 1 : 0;
}

QString EntryText(const ChildWidgets& widgets, int n)
{
    return widgets.lvwFileList->text(n - 1);
}

QString EntryKey(const ChildWidgets& widgets, int n)
{
    return widgets.lvwFileList->key(n - 1);
}

// The list rebuilt from disk at position, with the toolbars in the state that leaves. A document
// left without files shows nothing any more.
bool Rebuild(ControlState& state, qint16 position)
{
    if (BuildFileList(state, position))
        return true;
    if (ListMatchingNames(DocumentPattern(state.props)).isEmpty())
        CloseEmptiedDocument(state);
    else
        SetNoDocumentState(state.doc, state.widgets);
    return false;
}

bool NamedAsJpeg(const QString& path)
{
    return PathFilePart(path).toLower().contains(QStringLiteral(".jpg"));
}

// The format a page read from file keeps inside a TIFF: its own TIFF coding, JPEG files as JPEG
// in TIFF with the same subsampling.
int TiffFormatFor(const engine::Image& page)
{
    switch (page.loadFormat()) {
    case engine::FormatJpeg444: return engine::FormatTiffJpeg444;
    case engine::FormatJpeg422: return engine::FormatTiffJpeg422;
    case engine::FormatJpeg411: return engine::FormatTiffJpeg411;
    case engine::FormatNone: return page.depth() == 1 ? engine::FormatTiffG4 : engine::FormatTiffLzw;
    default: return page.loadFormat();
    }
}

void ReplacePageInFile(const QString& path, int n, const QString& chosen)
{
    const engine::Image page = engine::LoadPage(chosen, 1);
    engine::SaveOptions options;
    options.format = TiffFormatFor(page);
    options.bits = page.depth();
    options.quality = QualityFactorFor(options.format);
    options.mode = engine::SaveReplace;
    options.page = n;
    engine::SavePage(page, path, options);
}

void CopyOver(const QString& chosen, const QString& target)
{
    QFile source(chosen);
    if (!source.open(QIODevice::ReadOnly))
        throw engine::EngineError(engine::ErrFileNotFound, chosen + u' ' + source.errorString());
    const QByteArray bytes = source.readAll();
    engine::AtomicFile file(target);
    file.write(bytes);
    file.commit();
}

// Reads chosen as the target's kind of image; an empty text when it is one, else what to tell.
QString UnsuitableReplacement(const ControlProperties& props, const QString& chosen, const QString& target)
{
    try {
        const engine::Image page = engine::LoadPage(chosen, 1);
        // Separate files keep their names, so a file must be of the kind its name says.
        if (IsFileListed(props) && engine::IsJpegFileFormat(page.loadFormat()) != NamedAsJpeg(target))
            return T::kOtherKind.arg(PathFilePart(chosen), PathFilePart(target));
        return {};
    } catch (...) {
        return T::kNotAnImage.arg(PathFilePart(chosen));
    }
}

}  // namespace

QList<int> CheckedEntries(const ChildWidgets& widgets)
{
    QList<int> checked;
    for (const int row : widgets.lvwFileList->checkedRows())
        checked.append(row + 1);
    return checked;
}

void ToggleCheckAll(ControlState& state)
{
    if (!HasEntries(state.widgets))
        return;
    const bool check = state.doc.m_SelectMode != 1;
    state.widgets.lvwFileList->setAllChecked(check);
    if (QAction* select = FindToolbarAction(state.widgets.tbFileOperate, keys::miSelect))
        select->setChecked(check);
    state.doc.m_SelectMode = check ? 1 : 0;
    state.widgets.tbFileOperate->update();
}

bool DeleteCheckedFiles(ControlState& state)
{
    const QList<int> checked = CheckedEntries(state.widgets);
    if (checked.isEmpty())
        return false;
    Prompter& prompter = CurrentPrompter();
    if (!prompter.askYesNo(state.widgets.control, T::kDeleteQuestion, core_texts::kTitleInformation))
        return false;
    if (!prompter.askYesNo(state.widgets.control, T::kDeleteAgainQuestion, core_texts::kTitleInformation))
        return false;
    if (!PageWrittenBack(state))
        return false;

    BusyPointer busy;
    QStringList notDeleted;
    bool documentLeft = true;
    if (state.props.m_DocType == DocTypeMultiPageTiff) {
        const QString path = DocumentPattern(state.props);
        if (checked.size() != state.doc.m_PageCount) {
            // From the last page back, so the lower page numbers stay valid.
            for (qsizetype i = checked.size() - 1; i >= 0; --i) {
                try {
                    engine::DeletePage(path, checked.at(i));
                } catch (...) {
                    notDeleted.prepend(EntryText(state.widgets, checked.at(i)));
                }
            }
        } else if (QFile::remove(path)) {
            documentLeft = false;
        } else {
            notDeleted.append(PathFilePart(path));
        }
    } else {
        for (qsizetype i = checked.size() - 1; i >= 0; --i) {
            const QString path = EntryKey(state.widgets, checked.at(i));
            if (!QFile::remove(path))
                notDeleted.prepend(PathFilePart(path));
        }
        documentLeft = checked.size() != state.widgets.lvwFileList->count() || !notDeleted.isEmpty();
    }
    bool shown = false;
    if (documentLeft)
        shown = Rebuild(state, 0);
    else
        CloseEmptiedDocument(state);
    if (!notDeleted.isEmpty())
        Inform(state.widgets.control, T::kNotDeleted.arg(notDeleted.join(u'\n')), MessageIcon::Warning);
    return shown;
}

void ReplaceFile(ControlState& state)
{
    if (!HasEntries(state.widgets))
        return;
    const int selected = SelectedEntry(state.widgets);
    if (selected == 0)
        return;
    Prompter& prompter = CurrentPrompter();
    const QStringList chosen =
        ChosenFilePaths(prompter.chooseFiles(state.widgets.control, T::kReplaceTitle, QString(), FileDialogFilter(state.props.m_DocType)));
    if (chosen.isEmpty())
        return;
    const QString source = chosen.first();
    if (chosen.size() > 1)
        Inform(state.widgets.control, T::kSeveralFilesChosen.arg(PathFilePart(source)));
    const bool multiPage = state.props.m_DocType == DocTypeMultiPageTiff;
    const QString target = multiPage ? DocumentPattern(state.props) : EntryKey(state.widgets, selected);
    if (const QString problem = UnsuitableReplacement(state.props, source, target); !problem.isEmpty()) {
        Inform(state.widgets.control, problem, MessageIcon::Warning);
        return;
    }
    if (!prompter.askYesNo(state.widgets.control, T::kReplaceQuestion, core_texts::kTitleInformation))
        return;
    if (!PageWrittenBack(state))
        return;

    BusyPointer busy;
    try {
        if (multiPage)
            ReplacePageInFile(target, selected, source);
        else if (QFileInfo(source).canonicalFilePath() != QFileInfo(target).canonicalFilePath())
            CopyOver(source, target);
    } catch (...) {
        Inform(state.widgets.control, T::kReplaceFailed.arg(PathFilePart(target), CaughtFailure(engine::ErrOperation).description),
             MessageIcon::Warning);
        return;
    }
    if (state.props.m_DocType == DocTypeAllImages) {
        state.doc.m_CurrentFile = selected;
        GoToFile(state, selected);
    } else {
        state.doc.m_CurrentPage = static_cast<qint16>(selected);
        ShowPage(state, state.doc.m_CurrentPage);
    }
}

bool RenameFile(ControlState& state)
{
    if (!IsFileListed(state.props) || !HasEntries(state.widgets))
        return false;
    const int selected = SelectedEntry(state.widgets);
    if (selected == 0 || selected > state.doc.m_Files.count())
        return false;
    const QString path = state.doc.m_Files.at(selected);
    const QString directory = PathDirPart(path);
    const QString extension = NameExtension(PathFilePart(path));
    const QString base = NameWithoutExtension(PathFilePart(path));

    Prompter& prompter = CurrentPrompter();
    frmRename dialog(state.widgets.control);
    dialog.FileName = base;
    dialog.FilePath = directory;
    dialog.FileExt = extension;
    prompter.runDialog(dialog);
    const QString name = dialog.FileName;
    if (name.isEmpty() || name == base)
        return false;
    // A name with a separator would move the file out of the document.
    if (name.contains(u'/') || name.contains(u'\\')) {
        Inform(state.widgets.control, T::kRenameFailed, MessageIcon::Warning);
        return false;
    }
    if (!PageWrittenBack(state))
        return false;
    const QString renamed = directory + name + u'.' + extension;
    if (!RenameWithoutOverwrite(path, renamed)) {
        Inform(state.widgets.control, T::kRenameFailed, MessageIcon::Warning);
        return false;
    }
    state.doc.m_Files.set(selected, renamed);
    if (g_CurrentFilePath == path)
        g_CurrentFilePath = renamed;
    if (!state.widgets.mtMain->hasImage()) {
        // The entry shows the new name where it was.
        FillFileList(state.props, state.doc, state.widgets);
        state.widgets.lvwFileList->selectOnly(selected - 1);
        return false;
    }
    // The renamed file stays the one shown wherever its new name sorts.
    CollectFiles(state.props, state.doc, DocumentPattern(state.props));
    const qsizetype found = state.doc.m_Files.toList().indexOf(renamed);
    const int position = found < 0 ? state.doc.m_Files.count() + 1 : int(found) + 1;
    return Rebuild(state, static_cast<qint16>(qMin(position, 32767)));
}

bool BatchRename(ControlState& state)
{
    if (!IsFileListed(state.props))
        return false;
    const QList<int> checked = CheckedEntries(state.widgets);
    if (checked.isEmpty()) {
        SetStatusPanelText(state.widgets, 1, T::kNothingChecked);
        return false;
    }
    QStringList names;
    for (int n : checked)
        names.append(EntryText(state.widgets, n));

    frmBatchRename dialog(state.widgets.control);
    dialog.FileList = names;
    dialog.DocNameRule = g_Settings.Scan.DocNameRule;
    CurrentPrompter().runDialog(dialog);
    if (dialog.Action == 0)
        return false;
    if (!PageWrittenBack(state))
        return false;

    BusyPointer busy;
    StoreSetting(g_Settings.Scan.DocNameRule, dialog.DocNameRule);
    const NameRule rule = ParseNameRule(dialog.DocNameRule);
    qint64 counter = dialog.FileNameInit;
    QList<FileMove> moves;
    for (int n : checked) {
        const QString old = EntryKey(state.widgets, n);
        moves.append({old, PathDirPart(old) + RuleFileName(rule, counter++, NameExtension(PathFilePart(old)))});
    }
    const RenameBatchResult result = RunRenameBatch(moves);
    // The list shows the names on disk, whatever the outcome.
    const bool shown = Rebuild(state, 0);
    if (!result.ok) {
        const QString& text = result.restored ? T::kBatchRenameFailed : T::kBatchRenameNotRestored;
        Inform(state.widgets.control, text.arg(PathFilePart(result.failedPath), result.reason), MessageIcon::Warning);
    }
    return shown;
}

}  // namespace scanvo
