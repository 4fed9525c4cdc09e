#pragma once
// The PDF export's texts, exactly as the user sees them.

#include <QString>

namespace scanvo::export_texts {

// Panel 1 while the export starts, then after each page: %1 pages written, %2 pages in all.
inline const QString kExporting = QStringLiteral("导出 PDF... ");
inline const QString kExportingPage = QStringLiteral("导出 PDF... 第 %1 页 共 %2 页");
// The save dialog.
inline const QString kSaveTitle = QStringLiteral("导出 PDF... ");
inline const QString kPdfFilter = QStringLiteral("PDF文件(*.pdf)");
inline const QString kPdfExtension = QStringLiteral(".pdf");
// The progress form.
inline const QString kProgressCaption = QStringLiteral("导出 PDF");
inline const QString kCancelling = QStringLiteral("正在取消导出... ");

}  // namespace scanvo::export_texts
