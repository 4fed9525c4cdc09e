// Deleting and moving pages.
#include "commands/structure/PageStructure.h"

#include "commands/CommandFrame.h"
#include "commands/structure/PageStructureSteps.h"
#include "commands/structure/PageStructureTexts.h"
#include "core/CoreTexts.h"
#include "core/Prompter.h"
#include "document/FileList.h"
#include "platform/engine/EngineError.h"
#include "platform/engine/ImageFile.h"
#include "platform/engine/ImageViewer.h"
#include "saving/Compression.h"
#include "saving/PageSaving.h"
#include "viewer/PageDisplay.h"
#include "viewer/frmGoto.h"


#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace scanvo {

namespace T = page_structure_texts;
using namespace page_structure;

namespace {

enum class DeleteOutcome { PageDeleted, DocumentEmpty, FileDeleted, Declined };

// Deletes page n of the multi-page file path. A file whose chain of pages breaks off loses its
// unreadable pages with any change, so the user is asked first; false when the user keeps the
// file as it is.
bool PageDeletedFromFile(ChildWidgets& widgets, const QString& path, int n)
{
    try {
        engine::DeletePage(path, n);
        return true;
    } catch (const engine::EngineError& error) {
        if (error.number() != engine::ErrDamagedPages)
            throw;
        if (!CurrentPrompter().askYesNo(widgets.control, error.description() + T::kDropUnreadablePagesQuestion,
                                        core_texts::kTitleInformation))
            return false;
    }
    engine::DeletePage(path, n, true);
    return true;
}

// Deletes the current page or file as the document's type asks. Throws on failure, before
// anything changed.
DeleteOutcome DeletePageFiles(ControlState& state)
{
    const QString path = g_CurrentFilePath;
    switch (state.props.m_DocType) {
    case 1:
        if (state.doc.m_PageCount <= 1) {
            RemoveFile(path);
            return DeleteOutcome::DocumentEmpty;
        }
        return PageDeletedFromFile(state.widgets, path, state.doc.m_CurrentPage) ? DeleteOutcome::PageDeleted
                                                                     : DeleteOutcome::Declined;
    case 2:
    case 3:
        if (state.doc.FileCount() <= 1) {
            RemoveFile(path);
            return DeleteOutcome::DocumentEmpty;
        }
        DeleteDocumentPage(state, state.doc.m_CurrentPage);
        return DeleteOutcome::PageDeleted;
    default:
        if (state.doc.FileCount() <= 1 && state.doc.m_PageCount <= 1) {
            RemoveFile(path);
            return DeleteOutcome::DocumentEmpty;
        }
        if (state.doc.m_PageCount <= 1) {
            RemoveFile(path);
            state.doc.m_Files.remove(state.doc.m_CurrentFile);
            return DeleteOutcome::FileDeleted;
        }
        return PageDeletedFromFile(state.widgets, path, state.doc.m_CurrentPage) ? DeleteOutcome::PageDeleted
                                                                     : DeleteOutcome::Declined;
    }
}

void ReportDeleteFailure(ChildWidgets& widgets, const Failure& failure)
{
    Inform(widgets.control, T::kFailureIndent + failure.description, MessageIcon::Warning);
}

}  // namespace

void MovePageInFile(const QString& path, int o, int t)
{
    const engine::Image page = engine::LoadPage(path, o);
    const int pages = engine::PageCount(path);
    engine::SaveOptions options;
    options.format = page.loadFormat();
    options.bits = page.depth();
    options.quality = QualityFactorFor(page.loadFormat());
    const int before = t > o ? t + 1 : t;
    if (before > pages) {
        options.mode = engine::SaveAppend;
    } else {
        options.mode = engine::SaveInsert;
        options.page = before;
    }
    engine::SavePage(page, path, options);
    engine::DeletePage(path, t > o ? o : o + 1);
}

DividedLengths DivideLength(int length, int percent)
{
    if (length < 2)
        return {length, 0};
    const double cut = std::nearbyint(length * percent / 100.0 + 5);
    const int first = static_cast<int>(std::clamp(cut, 1.0, static_cast<double>(length - 1)));
    return {first, length - first};
}

QList<FileMove> PlanClosingGap(const QStringList& files, int k)
{
    QList<FileMove> moves;
    for (int j = k + 1; j <= files.size(); ++j)
        moves.append({files.at(j - 1), WithExtension(files.at(j - 2), ExtensionOf(files.at(j - 1)))});
    return moves;
}

PlannedMove PlanFileMove(const QStringList& files, int o, int t)
{
    PlannedMove plan;
    plan.moved = files;
    if (o == t || o < 1 || t < 1 || o > files.size() || t > files.size())
        return plan;
    const QString& moving = files.at(o - 1);
    const QString parked = moving + QStringLiteral("-tmp");
    plan.renames.append({moving, parked});
    const int step = o < t ? 1 : -1;
    for (int j = o + step; j != t + step; j += step) {
        const QString& file = files.at(j - 1);
        const QString target = WithExtension(files.at(j - 1 - step), ExtensionOf(file));
        plan.renames.append({file, target});
        plan.moved[j - 1 - step] = target;
    }
    const QString landing = WithExtension(files.at(t - 1), ExtensionOf(moving));
    plan.renames.append({parked, landing});
    plan.moved[t - 1] = landing;
    return plan;
}

void DeleteCurrentPage(ControlState& state)
{
    if (!HasPage(state.widgets) || state.doc.m_PageCount < 1)
        return;
    if (!CurrentPrompter().askYesNo(state.widgets.control, T::kDeleteQuestion, core_texts::kTitleInformation))
        return;
    if (!PageWrittenBack(state))
        return;
    DeleteOutcome outcome = DeleteOutcome::PageDeleted;
    const std::optional<Failure> failure =
        RunCommand(state, T::kDeleteStatus, [&] { outcome = DeletePageFiles(state); });
    if (failure) {
        ReportDeleteFailure(state.widgets, *failure);
        return;
    }
    switch (outcome) {
    case DeleteOutcome::Declined:
        return;
    case DeleteOutcome::DocumentEmpty:
        CloseEmptiedDocument(state);
        return;
    case DeleteOutcome::FileDeleted:
        state.doc.m_CurrentFile = std::min(state.doc.m_CurrentFile, state.doc.FileCount());
        FillFileList(state.props, state.doc, state.widgets);
        GoToFile(state, state.doc.m_CurrentFile);
        return;
    case DeleteOutcome::PageDeleted:
        break;
    }
    // A damaged file may have lost its unreadable pages too: its pages are counted again.
    state.doc.m_PageCount = IsSinglePageDocument(state) ? static_cast<qint16>(state.doc.m_PageCount - 1)
                                                    : static_cast<qint16>(engine::PageCount(g_CurrentFilePath));
    if (state.doc.m_PageCount < state.doc.m_CurrentPage)
        state.doc.m_CurrentPage = state.doc.m_PageCount;
    if (state.props.m_DocType >= DocTypeMultiPageTiff && state.props.m_DocType <= DocTypeSinglePageJpeg)
        FillFileList(state.props, state.doc, state.widgets);
    ShowPage(state, state.doc.m_CurrentPage);
}

void MovePage(ControlState& state)
{
    if (!HasPage(state.widgets) || state.doc.m_PageCount < 2)
        return;
    frmGoto dialog(state.widgets.control);
    dialog.PageCount = state.doc.m_PageCount;
    dialog.CurrentPage = state.doc.m_CurrentPage;
    dialog.FileList = state.doc.m_Files.toList();
    dialog.DocType = state.props.m_DocType;
    dialog.SetTexts(T::kMoveCaption, T::kMovePrompt);
    CurrentPrompter().runDialog(dialog);
    const int t = dialog.CurrentPage;
    const int o = state.doc.m_CurrentPage;
    if (t <= 0 || t == o || t > state.doc.m_PageCount)
        return;
    if (!PageWrittenBack(state))
        return;
    const std::optional<Failure> failure = RunCommand(state, T::kMoveStatus, [&] {
        if (IsSinglePageDocument(state)) {
            const PlannedMove plan = PlanFileMove(state.doc.m_Files.toList(), o, t);
            RenamingShift renames(plan.renames);
            if (!renames.Run())
                throw std::runtime_error((renames.blockedPath() + u' ' + renames.reason()).toStdString());
            for (int n = 1; n <= plan.moved.size(); ++n)
                state.doc.m_Files.set(n, plan.moved.at(n - 1));
        } else {
            MovePageInFile(g_CurrentFilePath, o, t);
        }
    });
    if (failure) {
        ReportFailure(state.widgets, *failure);
        return;
    }
    state.doc.m_CurrentPage = static_cast<qint16>(t);
    if (state.props.m_DocType >= DocTypeMultiPageTiff)
        FillFileList(state.props, state.doc, state.widgets);
    ShowPage(state, state.doc.m_CurrentPage);
}

}  // namespace scanvo
