#pragma once
// The texts of the comment command and the comment font dialog, exactly as the user sees them.

#include "core/UiText.h"

#include <QString>

namespace scanvo::comment_texts {

inline constexpr UiText kCommentStatus = SCANVO_TEXT("CommentTexts", "插入签注...");

// frmFontOptions.
inline constexpr UiText kFontCaption = SCANVO_TEXT("CommentTexts", "签注字体");
inline constexpr UiText kFontName = SCANVO_TEXT("CommentTexts", "选择字体：");
inline constexpr UiText kFontSize = SCANVO_TEXT("CommentTexts", "选择字号：");
inline constexpr UiText kBold = SCANVO_TEXT("CommentTexts", "粗 体");
inline constexpr UiText kItalic = SCANVO_TEXT("CommentTexts", "斜 体");
inline constexpr UiText kUnderline = SCANVO_TEXT("CommentTexts", "下划线");
inline constexpr UiText kStrikethrough = SCANVO_TEXT("CommentTexts", "删除线");

}  // namespace scanvo::comment_texts
