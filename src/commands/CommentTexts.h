#pragma once
// The texts of the comment command and the comment font dialog, exactly as the user sees them.

#include <QString>

namespace scanvo::comment_texts {

inline const QString kCommentStatus = QStringLiteral("插入签注...");

// frmFontOptions.
inline const QString kFontCaption = QStringLiteral("签注字体");
inline const QString kFontName = QStringLiteral("选择字体：");
inline const QString kFontSize = QStringLiteral("选择字号：");
inline const QString kBold = QStringLiteral("粗 体");
inline const QString kItalic = QStringLiteral("斜 体");
inline const QString kUnderline = QStringLiteral("下划线");
inline const QString kStrikethrough = QStringLiteral("删除线");

}  // namespace scanvo::comment_texts
