#pragma once
// The file list's own texts, exactly as the user sees them (trailing blanks included).

#include "core/UiText.h"

#include <QString>

namespace scanvo::document_texts {

// After the error description of a failed build or file change.
inline const QString kErrorTail = QStringLiteral("     ");
// After the description of a damaged file, whose readable pages are shown.
inline constexpr UiText kDamageTail = SCANVO_TEXT("DocumentTexts", "　　");
// Descriptions of failures that do not come from the engine; %1 the file number.
inline constexpr UiText kNoSuchFile = SCANVO_TEXT("DocumentTexts", "文档中没有第 %1 个图像文件");

// List entries of a multi-page file: "第 " + page + " 页", key "A" + page.
inline constexpr UiText kPageEntryBefore = SCANVO_TEXT("DocumentTexts", "第 ");
inline constexpr UiText kPageEntryAfter = SCANVO_TEXT("DocumentTexts", " 页");
inline const QString kPageEntryKeyPrefix = QStringLiteral("A");

// File navigation.
inline constexpr UiText kGoFirstFile = SCANVO_TEXT("DocumentTexts", "翻到第一个图像...");
inline constexpr UiText kGoPreviousFile = SCANVO_TEXT("DocumentTexts", "翻到上一个图像...");
inline constexpr UiText kGoNextFile = SCANVO_TEXT("DocumentTexts", "翻到下一个图像...");
inline constexpr UiText kGoLastFile = SCANVO_TEXT("DocumentTexts", "翻到最后一个图像...");
// "翻到第" + n + "个图像..."
inline constexpr UiText kGoFileBefore = SCANVO_TEXT("DocumentTexts", "翻到第");
inline constexpr UiText kGoFileAfter = SCANVO_TEXT("DocumentTexts", "个图像...");

}  // namespace scanvo::document_texts
