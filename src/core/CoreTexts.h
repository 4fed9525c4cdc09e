#pragma once
// The texts every part of the control shows, exactly as the user sees them. Each part keeps its
// own texts beside its code; these are the ones they share.

#include "core/UiText.h"

#include <QString>

namespace scanvo::core_texts {

// Titles of the message boxes: information, warnings and questions; failures with their number.
inline constexpr UiText kTitleInformation = SCANVO_TEXT("CoreTexts", "提示信息");
inline constexpr UiText kTitleError = SCANVO_TEXT("CoreTexts", "错误信息");
// Panel 1 of the status bar while nothing is running.
inline constexpr UiText kIdleStatus = SCANVO_TEXT("CoreTexts", "澜页文档扫描影像优化处理控件");
// In place of the idle text while deskew-by-line mode is on: what the next drag does.
inline constexpr UiText kDeskewLineHint = SCANVO_TEXT("CoreTexts", "拉线纠斜：沿倾斜的文字行拖出一条直线，松开鼠标即按此线纠斜；再次选择“拉线纠斜”退出。");
// Descriptions of failures that do not come from the engine.
inline constexpr UiText kOutOfMemory = SCANVO_TEXT("CoreTexts", "内存不足");
inline constexpr UiText kUnknownFailure = SCANVO_TEXT("CoreTexts", "未知错误");
// The buttons of every dialog that can be cancelled.
inline constexpr UiText kOK = SCANVO_TEXT("CoreTexts", "确 定");
inline constexpr UiText kCancel = SCANVO_TEXT("CoreTexts", "取 消");

}  // namespace scanvo::core_texts
