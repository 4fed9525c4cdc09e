#pragma once
// The page viewer's own texts, exactly as the user sees them (trailing blanks included).

#include "core/UiText.h"

#include <QString>

namespace scanvo::viewer_texts {

// After "number,description" of a page that could not be shown.
inline const QString kPageErrorTail = QStringLiteral("    ");
// Descriptions of page failures that do not come from the engine; %1 page, %2 number of files.
inline constexpr UiText kPageOutsideDocument = SCANVO_TEXT("ViewerTexts", "第 %1 页不在文档的 %2 个文件之内");

// Status-bar panels 2 and 3: "第 n 页 共 m 页" and "300 * 300 1位".
inline constexpr UiText kPagePositionBefore = SCANVO_TEXT("ViewerTexts", "第 ");
inline constexpr UiText kPagePositionMiddle = SCANVO_TEXT("ViewerTexts", " 页 共 ");
inline constexpr UiText kPagePositionAfter = SCANVO_TEXT("ViewerTexts", " 页");
inline const QString kResolutionSeparator = QStringLiteral(" * ");
inline constexpr UiText kBitsSuffix = SCANVO_TEXT("ViewerTexts", "位");

// Page steps.
inline constexpr UiText kGoFirstPage = SCANVO_TEXT("ViewerTexts", "翻到第一页图像...");
inline constexpr UiText kGoPreviousPage = SCANVO_TEXT("ViewerTexts", "翻到上一页图像...");
inline constexpr UiText kGoNextPage = SCANVO_TEXT("ViewerTexts", "翻到下一页图像...");
inline constexpr UiText kGoLastPage = SCANVO_TEXT("ViewerTexts", "翻到最后一页图像...");
// "翻到第" + n + "页图像..."
inline constexpr UiText kGoPageBefore = SCANVO_TEXT("ViewerTexts", "翻到第");
inline constexpr UiText kGoPageAfter = SCANVO_TEXT("ViewerTexts", "页图像...");

// Zoom.
inline constexpr UiText kZoomIn = SCANVO_TEXT("ViewerTexts", "放大图像...");
inline constexpr UiText kZoomOut = SCANVO_TEXT("ViewerTexts", "缩小图像...");
inline constexpr UiText kZoomTo = SCANVO_TEXT("ViewerTexts", "缩放图像...");

// The page chooser.
inline constexpr UiText kGotoCaption = SCANVO_TEXT("ViewerTexts", "翻到...");
inline constexpr UiText kGotoLabel = SCANVO_TEXT("ViewerTexts", "翻到第                               页");
inline constexpr UiText kMoveToCaption = SCANVO_TEXT("ViewerTexts", "改到...");
inline constexpr UiText kMoveToLabel = SCANVO_TEXT("ViewerTexts", "改到第                               页");
// OK with a page number that is none of the document's; %1 the page count.
inline constexpr UiText kGotoRange = SCANVO_TEXT("ViewerTexts", "页码应该在1-%1之间！  ");

}  // namespace scanvo::viewer_texts
