// The export commands.
#include "control/ExportCommands.h"

#include "control/ExportPages.h"
#include "control/ExportTexts.h"
#include "control/PdfExportJob.h"
#include "control/frmExportProgress.h"
#include "core/FileListView.h"
#include "core/Prompter.h"
#include "core/StatusPanels.h"
#include "document/DocumentLocation.h"
#include "saving/PageSaving.h"
#include "settings/ExportSettings.h"
#include "settings/frmExportOptions.h"

#include <QFileInfo>

namespace scanvo {

namespace {

namespace T = export_texts;

bool HasDocument(const ChildWidgets& widgets)
{
    return widgets.lvwFileList->count() > 0;
}

void AskAndExport(ControlState& state, bool searchable)
{
    if (!HasDocument(state.widgets))
        return;
    const QString target =
        CurrentPrompter().chooseSaveFile(state.widgets.control, T::kSaveTitle, DefaultExportTarget(state.props), T::kPdfFilter);
    if (target.isEmpty())
        return;
    ExportDocument(state, target, StoredExportOptions(searchable));
}

}  // namespace

pdf::PdfOptions StoredExportOptions(bool searchable)
{
    const ExportSettings stored = ReadExportSettings();
    pdf::PdfOptions options;
    options.ocr = searchable;
    options.languages = stored.Languages;
    options.pdfa = searchable || stored.PdfA != 0;
    return options;
}

bool ExportDocument(ControlState& state, const QString& target, pdf::PdfOptions options)
{
    if (!HasDocument(state.widgets) || target.isEmpty())
        return false;
    if (!PageWrittenBack(state))
        return false;
    if (options.title.isEmpty())
        options.title = ExportTitle(state.props);
    if (!options.created.isValid())
        options.created = QFileInfo(DocumentDirectoryPath(state.props.m_LocalPath, state.props.m_DocName)).birthTime();

    SetStatusText(state.widgets, T::kExporting);
    PdfExportJob job(PlanExport(state.props, state.widgets), target, options);
    QObject::connect(&job, &PdfExportJob::progressed, &job, [&state](int done, int count) {
        SetStatusPanelText(state.widgets, 1, T::kExportingPage.arg(done).arg(count));
    });
    frmExportProgress progress(job, state.widgets.control);
    job.start();
    CurrentPrompter().runDialog(progress);
    // A prompter may end the form before the job has: that counts as a cancel.
    if (job.result() == PdfExportJob::Result::Running)
        job.cancel();
    job.waitForEnd();
    SetIdleStatusText(state.tools, state.widgets);

    if (job.result() == PdfExportJob::Result::Failed) {
        ReportError(state.widgets.control, NumberedDescription(job.failure()), MessageIcon::Critical);
    }
    return job.result() == PdfExportJob::Result::Written;
}

void ExportDocumentPdf(ControlState& state)
{
    AskAndExport(state, false);
}

void ExportSearchablePdfA(ControlState& state)
{
    AskAndExport(state, true);
}

void ShowExportOptions(ControlState& state)
{
    frmExportOptions dialog(state.widgets.control);
    CurrentPrompter().runDialog(dialog);
}

}  // namespace scanvo
