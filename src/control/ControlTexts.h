#pragma once
// The control shell's own messages and titles, exactly as the user sees them (trailing blanks
// included).

#include "core/UiText.h"

#include <QString>

namespace scanvo::texts {

inline constexpr UiText kNoLocalPath = SCANVO_TEXT("ControlTexts", "请设置本地图像存放目录！　　");
inline constexpr UiText kNoDocName = SCANVO_TEXT("ControlTexts", "请设置文档名称！　　");
inline constexpr UiText kDocNameOutsideRoot = SCANVO_TEXT("ControlTexts", "文档名称必须是图像存放目录下的相对路径，不能是绝对路径或包含“..”！　　");
// %1: the directory that could not be created.
inline constexpr UiText kCannotCreateDirectory = SCANVO_TEXT("ControlTexts", "无法创建目录：%1，请检查路径和访问权限！　　");

}  // namespace scanvo::texts
