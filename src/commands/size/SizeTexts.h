#pragma once
// The texts of the image-size and canvas-size commands and their dialogs, exactly as the user
// sees them.

#include "core/UiText.h"

#include <QString>

namespace scanvo::size_texts {

inline constexpr UiText kResizeStatus = SCANVO_TEXT("SizeTexts", "改变图像大小...");
inline constexpr UiText kCanvasStatus = SCANVO_TEXT("SizeTexts", "改变图像画布大小...");

// frmResize.
inline constexpr UiText kResizeCaption = SCANVO_TEXT("SizeTexts", "改变图像大小");
inline constexpr UiText kBySize = SCANVO_TEXT("SizeTexts", "按大小");
inline constexpr UiText kByPercent = SCANVO_TEXT("SizeTexts", "按百分比");
inline constexpr UiText kWidth = SCANVO_TEXT("SizeTexts", "宽 度：");
inline constexpr UiText kHeight = SCANVO_TEXT("SizeTexts", "高 度：");
inline constexpr UiText kMillimetres = SCANVO_TEXT("SizeTexts", "毫米");
inline constexpr UiText kPixels = SCANVO_TEXT("SizeTexts", "像素");
inline const QString kPercent = QStringLiteral("%");
inline constexpr UiText kDoubleWidth = SCANVO_TEXT("SizeTexts", "二倍宽度");
inline constexpr UiText kDoubleHeight = SCANVO_TEXT("SizeTexts", "二倍高度");

// frmResizeCanvas.
inline constexpr UiText kCanvasCaption = SCANVO_TEXT("SizeTexts", "改变画布大小");
inline constexpr UiText kOriginalSize = SCANVO_TEXT("SizeTexts", "图像原大小");
// The same in every language: not marked for translation.
inline constexpr UiText kPaperB5{"SizeTexts", "B5"};
inline constexpr UiText kPaperA4{"SizeTexts", "A4"};
inline constexpr UiText kPaperA3{"SizeTexts", "A3"};
inline constexpr UiText kCustomSize = SCANVO_TEXT("SizeTexts", "自定义");

// Refusals of OK in both dialogs.
inline constexpr UiText kSizeEmpty = SCANVO_TEXT("SizeTexts", "宽度或高度不能为空！   ");
inline constexpr UiText kSizeZero = SCANVO_TEXT("SizeTexts", "宽度或高度不能为0！   ");

}  // namespace scanvo::size_texts
