#pragma once
// The PDF export's texts, exactly as the user sees them.

#include "core/UiText.h"

#include <QString>

namespace scanvo::export_texts {

// Panel 1 while the export starts, then after each page: %1 pages written, %2 pages in all.
inline constexpr UiText kExporting = SCANVO_TEXT("ExportTexts", "导出 PDF... ");
inline constexpr UiText kExportingPage = SCANVO_TEXT("ExportTexts", "导出 PDF... 第 %1 页 共 %2 页");
// The save dialog.
inline constexpr UiText kSaveTitle = SCANVO_TEXT("ExportTexts", "导出 PDF... ");
inline constexpr UiText kPdfFilter = SCANVO_TEXT("ExportTexts", "PDF文件(*.pdf)");
inline const QString kPdfExtension = QStringLiteral(".pdf");
// The progress form.
inline constexpr UiText kProgressCaption = SCANVO_TEXT("ExportTexts", "导出 PDF");
inline constexpr UiText kCancelling = SCANVO_TEXT("ExportTexts", "正在取消导出... ");

}  // namespace scanvo::export_texts
