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

// Names a screen reader gives the child controls that show no caption of their own.
inline constexpr UiText kFileListName = SCANVO_TEXT("ControlTexts", "文件列表");
inline constexpr UiText kFileBoxName = SCANVO_TEXT("ControlTexts", "当前文件");
inline constexpr UiText kPageBoxName = SCANVO_TEXT("ControlTexts", "当前页");
inline constexpr UiText kZoomBoxName = SCANVO_TEXT("ControlTexts", "缩放比例");
inline constexpr UiText kPageViewName = SCANVO_TEXT("ControlTexts", "图像");

}  // namespace scanvo::texts
