#pragma once
// The texts of the page structure commands, exactly as the user sees them.

#include "core/UiText.h"

#include <QString>

namespace scanvo::page_structure_texts {

inline constexpr UiText kDeleteQuestion = SCANVO_TEXT("PageStructureTexts", "真的要删除本页图像么？　　");
inline constexpr UiText kDeleteStatus = SCANVO_TEXT("PageStructureTexts", "删除当前图像...");
inline constexpr UiText kMoveStatus = SCANVO_TEXT("PageStructureTexts", "图像调序...");
inline constexpr UiText kMoveCaption = SCANVO_TEXT("PageStructureTexts", "改到...");
inline constexpr UiText kMovePrompt = SCANVO_TEXT("PageStructureTexts", "改到第                               页");
// Before the description of a failure of the delete command.
inline const QString kFailureIndent = QStringLiteral("    ");
// After the description of a damaged file a page is to be deleted from.
inline constexpr UiText kDropUnreadablePagesQuestion = SCANVO_TEXT("PageStructureTexts", "\n\n仍要删除此页吗？删除后文件只保留可读出的页面。　　");
inline constexpr UiText kCannotDeleteFile = SCANVO_TEXT("PageStructureTexts", "不能删除文件 %1");

// Uniting two pages.
inline constexpr UiText kCombineCaption = SCANVO_TEXT("PageStructureTexts", "图像拼接");
inline constexpr UiText kFirstPageLabel = SCANVO_TEXT("PageStructureTexts", "拼接页一：");
inline constexpr UiText kSecondPageLabel = SCANVO_TEXT("PageStructureTexts", "拼接页二：");
inline constexpr UiText kCombineInsertLabel = SCANVO_TEXT("PageStructureTexts", "追加位置：");
inline constexpr UiText kOrientationLabel = SCANVO_TEXT("PageStructureTexts", "拼接方向：");
inline constexpr UiText kLeftRight = SCANVO_TEXT("PageStructureTexts", "左右");
inline constexpr UiText kTopBottom = SCANVO_TEXT("PageStructureTexts", "上下");
inline constexpr UiText kCombineStatus = SCANVO_TEXT("PageStructureTexts", "拼接图像...");
inline constexpr UiText kDifferentKinds = SCANVO_TEXT("PageStructureTexts", "两个图像的类型不一样，不能拼接！　　");

// Dividing a page.
inline constexpr UiText kDivideCaption = SCANVO_TEXT("PageStructureTexts", "图像分割");
inline constexpr UiText kDivideDirectionLabel = SCANVO_TEXT("PageStructureTexts", "分割方向：");
inline constexpr UiText kDivideLeftRight = SCANVO_TEXT("PageStructureTexts", "左右分割");
inline constexpr UiText kDivideTopBottom = SCANVO_TEXT("PageStructureTexts", "上下分割");
inline constexpr UiText kDividePositionLabel = SCANVO_TEXT("PageStructureTexts", "分割位置：");
inline constexpr UiText kDivideInsertLabel = SCANVO_TEXT("PageStructureTexts", "附加位置：");
inline constexpr UiText kDeleteOriginal = SCANVO_TEXT("PageStructureTexts", "删除原图 ");
inline constexpr UiText kDivideStatus = SCANVO_TEXT("PageStructureTexts", "分割图像...");
// A page one pixel wide (or high) has nothing to divide.
inline constexpr UiText kTooSmallToDivide = SCANVO_TEXT("PageStructureTexts", "图像太小，不能分割！　　");

}  // namespace scanvo::page_structure_texts
