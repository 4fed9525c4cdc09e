// Saving the current page.
#include "acquisition/PageSaving.h"

#include "acquisition/Compression.h"
#include "acquisition/SaveErrorLog.h"
#include "acquisition/SavingTexts.h"
#include "control/Prompter.h"
#include "platform/engine/EngineError.h"
#include "platform/engine/ImageViewer.h"

#include <QCoreApplication>

#include <exception>
#include <new>

namespace scanvo {

namespace {

namespace T = saving_texts;

bool IsSinglePageDocument(qint16 docType)
{
    return docType == 2 || docType == 3;
}

void ReportSaveError(ControlState& state, int number, const QString& description)
{
    // The user is told even when the log itself cannot be written.
    AppendSaveErrorLog(number, description);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const QString text = T::kSaveErrorBefore + QString::number(number) + u',' + description + T::kSaveErrorAfter;
    CurrentPrompter().showMessage(state.control, text, T::kTitleInformation, MessageIcon::Information);
}

}  // namespace

engine::SaveOptions WriteBackOptions(const ControlState& state, int loadFormat, int bits)
{
    engine::SaveOptions options;
    options.format = loadFormat;
    options.bits = bits;
    options.quality = QualityFactorFor(loadFormat);
    if (IsSinglePageDocument(state.m_DocType) || state.m_PageCount == 1) {
        options.mode = engine::SaveNew;
    } else {
        options.mode = engine::SaveReplace;
        options.page = state.m_ShownPage;
    }
    return options;
}

void SaveCurrentPage(ControlState& state)
{
    engine::ImageViewer* viewer = state.mtMain;
    if (viewer == nullptr || !viewer->hasImage())
        return;
    const engine::Image& page = viewer->image();
    try {
        engine::SavePage(page, g_CurrentFilePath, WriteBackOptions(state, page.loadFormat(), page.depth()));
    } catch (const engine::EngineError& error) {
        ReportSaveError(state, error.number(), error.description());
        return;
    } catch (const std::bad_alloc&) {
        ReportSaveError(state, engine::ErrOutOfMemory, T::kOutOfMemory);
        return;
    } catch (const std::exception& error) {
        ReportSaveError(state, engine::ErrFileWrite, QString::fromLocal8Bit(error.what()));
        return;
    }
    state.m_PageModified = false;
}

}  // namespace scanvo
