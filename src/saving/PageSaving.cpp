// Saving the current page.
#include "saving/PageSaving.h"

#include "core/CaughtFailure.h"
#include "core/CoreTexts.h"
#include "core/DocumentType.h"
#include "core/Prompter.h"
#include "platform/engine/EngineError.h"
#include "platform/engine/ImageViewer.h"
#include "saving/Compression.h"
#include "saving/SaveErrorLog.h"
#include "saving/SavingTexts.h"

#include <QCoreApplication>


namespace scanvo {

namespace {

namespace T = saving_texts;

void ReportSaveError(ChildWidgets& widgets, int number, const QString& description)
{
    // The user is told even when the log itself cannot be written.
    AppendSaveErrorLog(number, description);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const QString text = T::kSaveErrorBefore + QString::number(number) + u',' + description + T::kSaveErrorAfter;
    Inform(widgets.control, text);
}

// A multi-page file whose later pages cannot be read is written over only when the user agrees
// to lose them; the engine refuses such a save until told so.
bool UserDropsUnreadablePages(ChildWidgets& widgets, const QString& description)
{
    return CurrentPrompter().askYesNo(widgets.control, description + T::kDropUnreadablePagesQuestion,
                                      core_texts::kTitleInformation);
}

// Writes the page back; false when the user chose to keep a damaged file as it is.
bool WritePage(ControlProperties& props, DocumentPosition& doc, ChildWidgets& widgets, const engine::Image& page)
{
    engine::SaveOptions options = WriteBackOptions(props, doc, page.loadFormat(), page.depth());
    try {
        engine::SavePage(page, g_CurrentFilePath, options);
        return true;
    } catch (const engine::EngineError& error) {
        if (error.number() != engine::ErrDamagedPages)
            throw;
        if (!UserDropsUnreadablePages(widgets, error.description()))
            return false;
    }
    options.dropUnreadablePages = true;
    engine::SavePage(page, g_CurrentFilePath, options);
    return true;
}

}  // namespace

engine::SaveOptions WriteBackOptions(const ControlProperties& props, const DocumentPosition& doc, int loadFormat, int bits)
{
    engine::SaveOptions options;
    options.format = loadFormat;
    options.bits = bits;
    options.quality = QualityFactorFor(loadFormat);
    if (IsSinglePageDocument(props.m_DocType) || doc.m_PageCount == 1) {
        options.mode = engine::SaveNew;
    } else {
        options.mode = engine::SaveReplace;
        options.page = doc.m_ShownPage;
    }
    return options;
}

void SaveCurrentPage(ControlState& state)
{
    engine::ImageViewer* viewer = state.widgets.mtMain;
    if (viewer == nullptr || !viewer->hasImage())
        return;
    try {
        // Declined, the edit stays unsaved: nothing failed, so nothing is logged.
        if (!WritePage(state.props, state.doc, state.widgets, viewer->image()))
            return;
    } catch (...) {
        const Failure failure = CaughtFailure(engine::ErrFileWrite);
        ReportSaveError(state.widgets, failure.number, failure.description);
        return;
    }
    state.doc.m_PageModified = false;
}

bool PageWrittenBack(ControlState& state)
{
    if (state.doc.m_PageModified)
        SaveCurrentPage(state);
    return !state.doc.m_PageModified;
}

}  // namespace scanvo
