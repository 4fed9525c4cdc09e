// Steps shared by the page structure commands.
#include "commands/structure/PageStructureSteps.h"

#include "acquisition/NewFiles.h"
#include "commands/structure/PageStructure.h"
#include "commands/structure/PageStructureTexts.h"
#include "document/DocumentLocation.h"
#include "document/RenamingShift.h"
#include "platform/engine/EngineError.h"
#include "platform/engine/ImageFile.h"
#include "saving/Compression.h"
#include "saving/PageSaving.h"
#include "settings/Settings.h"

#include <QFile>

#include <stdexcept>

namespace scanvo::page_structure {

namespace T = page_structure_texts;

bool IsSinglePageDocument(const ControlState& state)
{
    return scanvo::IsSinglePageDocument(state.props.m_DocType);
}

void RemoveFile(const QString& path)
{
    QFile file(path);
    if (!file.remove())
        throw std::runtime_error(T::kCannotDeleteFile.arg(path).toStdString() + " " + file.errorString().toStdString());
}

engine::Image LoadDocumentPage(const ControlState& state, int n)
{
    if (IsSinglePageDocument(state))
        return engine::LoadPage(state.doc.m_Files.at(n));
    return engine::LoadPage(g_CurrentFilePath, n);
}

void InsertDocumentPage(ControlState& state, const engine::Image& page, int position, int format, int bits)
{
    if (!IsSinglePageDocument(state)) {
        engine::SaveOptions options;
        options.format = format;
        options.bits = bits;
        options.quality = QualityFactorFor(format);
        if (position > engine::PageCount(g_CurrentFilePath)) {
            options.mode = engine::SaveAppend;
        } else {
            options.mode = engine::SaveInsert;
            options.page = position;
        }
        engine::SavePage(page, g_CurrentFilePath, options);
        return;
    }
    // The new file takes the extension of the file whose place it takes (or of the last file).
    const QString& neighbour = state.doc.m_Files.at(std::min(position, state.doc.FileCount()));
    const QString directory = DocumentDirectoryPath(state.props.m_LocalPath, state.props.m_DocName);
    NewFilePlace place;
    try {
        place = MakeRoomForNewFile(state.doc.m_Files, directory, g_Settings.Scan.DocNameRule, 1, position,
                                   ExtensionOf(neighbour), true);
    } catch (const StoreFailure& failure) {
        throw std::runtime_error(failure.text.toStdString());
    }
    try {
        engine::SavePage(page, place.path, FittedSaveOptions(place.path, format, bits, QualityFactorFor(format)));
    } catch (const engine::EngineError& error) {
        // A failed save leaves nothing at place.path; the files moved for it go back.
        throw engine::EngineError(error.number(), UndoNewFilePlace(state.doc.m_Files, place, error.description()));
    } catch (...) {
        UndoNewFilePlace(state.doc.m_Files, place, QString());
        throw;
    }
}

void DeleteDocumentPage(ControlState& state, int position)
{
    if (!IsSinglePageDocument(state)) {
        engine::DeletePage(g_CurrentFilePath, position);
        return;
    }
    const QStringList files = state.doc.m_Files.toList();
    RemoveFile(files.at(position - 1));
    state.doc.m_Files.remove(position);
    // The files after the deleted one move down a name. One that cannot leaves the rest where
    // they were: a gap in the numbering loses nothing.
    RenamingShift closing(PlanClosingGap(files, position));
    if (closing.Run()) {
        for (const FileMove& move : closing.moves())
            state.doc.m_Files.set(static_cast<int>(files.indexOf(move.from)), move.to);
    }
}

}  // namespace scanvo::page_structure
