#pragma once
// Exporting the open document as one PDF: the commands of the export button and its menu, and
// the export itself, which the control's host can also start.

#include "core/ControlState.h"
#include "platform/pdf/PdfExport.h"

#include <QString>

namespace scanvo {

// The options of an export from the export settings: a searchable export is always PDF/A and
// recognises the stored languages; a plain one is PDF/A as the settings say.
pdf::PdfOptions StoredExportOptions(bool searchable);

// Exports the document's pages (the checked ones when some are checked) to target: a modified
// page is written back first, the export runs on its own thread while panel 1 and the progress
// form count the pages, and the user can cancel it. A failure is reported. Unless the file was
// written (true then), target is left as it was.
bool ExportDocument(ControlState& state, const QString& target, pdf::PdfOptions options);

// "miExport" and "miExportPdf": a PDF, asking where to write it.
void ExportDocumentPdf(ControlState& state);
// "miExportPdfA": a searchable PDF/A, asking where to write it.
void ExportSearchablePdfA(ControlState& state);
// "miExportSetting": the export settings dialog.
void ShowExportOptions(ControlState& state);

}  // namespace scanvo
