#pragma once
// The page viewer's own texts, exactly as the user sees them (trailing blanks included).

#include <QString>

namespace scanvo::viewer_texts {

// After "number,description" of a page that could not be shown.
inline const QString kPageErrorTail = QStringLiteral("    ");
// Descriptions of page failures that do not come from the engine; %1 page, %2 number of files.
inline const QString kPageOutsideDocument = QStringLiteral("第 %1 页不在文档的 %2 个文件之内");

// Status-bar panels 2 and 3: "第 n 页 共 m 页" and "300 * 300 1位".
inline const QString kPagePositionBefore = QStringLiteral("第 ");
inline const QString kPagePositionMiddle = QStringLiteral(" 页 共 ");
inline const QString kPagePositionAfter = QStringLiteral(" 页");
inline const QString kResolutionSeparator = QStringLiteral(" * ");
inline const QString kBitsSuffix = QStringLiteral("位");

// Page steps.
inline const QString kGoFirstPage = QStringLiteral("翻到第一页图像...");
inline const QString kGoPreviousPage = QStringLiteral("翻到上一页图像...");
inline const QString kGoNextPage = QStringLiteral("翻到下一页图像...");
inline const QString kGoLastPage = QStringLiteral("翻到最后一页图像...");
// "翻到第" + n + "页图像..."
inline const QString kGoPageBefore = QStringLiteral("翻到第");
inline const QString kGoPageAfter = QStringLiteral("页图像...");

// Zoom.
inline const QString kZoomIn = QStringLiteral("放大图像...");
inline const QString kZoomOut = QStringLiteral("缩小图像...");
inline const QString kZoomTo = QStringLiteral("缩放图像...");

// The page chooser.
inline const QString kGotoCaption = QStringLiteral("翻到...");
inline const QString kGotoLabel = QStringLiteral("翻到第                               页");
inline const QString kMoveToCaption = QStringLiteral("改到...");
inline const QString kMoveToLabel = QStringLiteral("改到第                               页");
// OK with a page number that is none of the document's; %1 the page count.
inline const QString kGotoRange = QStringLiteral("页码应该在1-%1之间！  ");

}  // namespace scanvo::viewer_texts
