#pragma once
// The file list's own texts, exactly as the user sees them (trailing blanks included).

#include <QString>

namespace scanvo::document_texts {

// After the error description of a failed build or file change.
inline const QString kErrorTail = QStringLiteral("     ");
// After the description of a damaged file, whose readable pages are shown.
inline const QString kDamageTail = QStringLiteral("　　");
// Descriptions of failures that do not come from the engine; %1 the file number.
inline const QString kNoSuchFile = QStringLiteral("文档中没有第 %1 个图像文件");

// List entries of a multi-page file: "第 " + page + " 页", key "A" + page.
inline const QString kPageEntryBefore = QStringLiteral("第 ");
inline const QString kPageEntryAfter = QStringLiteral(" 页");
inline const QString kPageEntryKeyPrefix = QStringLiteral("A");

// File navigation.
inline const QString kGoFirstFile = QStringLiteral("翻到第一个图像...");
inline const QString kGoPreviousFile = QStringLiteral("翻到上一个图像...");
inline const QString kGoNextFile = QStringLiteral("翻到下一个图像...");
inline const QString kGoLastFile = QStringLiteral("翻到最后一个图像...");
// "翻到第" + n + "个图像..."
inline const QString kGoFileBefore = QStringLiteral("翻到第");
inline const QString kGoFileAfter = QStringLiteral("个图像...");

}  // namespace scanvo::document_texts
