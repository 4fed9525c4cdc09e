#pragma once
// The texts of the file operations, exactly as the user sees them (trailing blanks included).

#include "core/UiText.h"

#include <QString>

namespace scanvo::file_operation_texts {

// The two confirmations of deleting the checked files.
inline constexpr UiText kDeleteQuestion = SCANVO_TEXT("FileOperationTexts", "是否要删除选定图像文件？　　");
inline constexpr UiText kDeleteAgainQuestion = SCANVO_TEXT("FileOperationTexts", "真的要删除选定图像文件么？ 一旦删除就无法恢复！　　");
// Replacing the selected file.
inline constexpr UiText kReplaceTitle = SCANVO_TEXT("FileOperationTexts", "选择文件... ");
inline constexpr UiText kFilterTiff = SCANVO_TEXT("FileOperationTexts", "TIFF图像文件(*.tif；*.tiff)|*.tif;.tiff");
inline constexpr UiText kFilterJpeg = SCANVO_TEXT("FileOperationTexts", "JPG图像文件(*.jpg;*.jpeg)|*.jpg;*.jpeg");
inline constexpr UiText kFilterAll = SCANVO_TEXT("FileOperationTexts", "所有图像文件(*.jpg;*.tif)|*.jpg;*.tif");
inline constexpr UiText kReplaceQuestion = SCANVO_TEXT("FileOperationTexts", "要替换当前文件么？   ");
// frmRename and renaming the selected file.
inline constexpr UiText kRenameCaption = SCANVO_TEXT("FileOperationTexts", "文件重命名");
inline constexpr UiText kRenameLabel = SCANVO_TEXT("FileOperationTexts", "文件名称：");
inline constexpr UiText kRenameFailed = SCANVO_TEXT("FileOperationTexts", "更改文件名出错！   ");
inline constexpr UiText kNameExists = SCANVO_TEXT("FileOperationTexts", "该文件已经存在，请重命名！   ");
// frmBatchRename.
inline constexpr UiText kBatchRenameCaption = SCANVO_TEXT("FileOperationTexts", "批量重命名");
inline constexpr UiText kRuleLabel = SCANVO_TEXT("FileOperationTexts", "命名规则：");
inline constexpr UiText kStartLabel = SCANVO_TEXT("FileOperationTexts", "顺序号起始：");
inline constexpr UiText kOldNameColumn = SCANVO_TEXT("FileOperationTexts", "旧文件名");
inline constexpr UiText kNewNameColumn = SCANVO_TEXT("FileOperationTexts", "新文件名");
// Status panel 1 after batch rename with no entry checked.
inline constexpr UiText kNothingChecked = SCANVO_TEXT("FileOperationTexts", "请先勾选要重命名的文件。");

// Messages of failures the dialogs do not catch: %1 the file concerned, %2 the reason.
inline constexpr UiText kSeveralFilesChosen = SCANVO_TEXT("FileOperationTexts", "只能用一个文件替换，将使用 %1。   ");
inline constexpr UiText kReplaceFailed = SCANVO_TEXT("FileOperationTexts", "替换文件出错！%1 %2   ");
inline constexpr UiText kNotAnImage = SCANVO_TEXT("FileOperationTexts", "%1 不是可以读出的图像文件。   ");
// %1 the chosen file, %2 the file it was to replace.
inline constexpr UiText kOtherKind = SCANVO_TEXT("FileOperationTexts", "%1 与 %2 的图像格式不同，不能替换。   ");
inline constexpr UiText kNotDeleted = SCANVO_TEXT("FileOperationTexts", "以下文件未能删除：\n%1   ");
inline constexpr UiText kBatchRenameFailed = SCANVO_TEXT("FileOperationTexts", "批量重命名出错：%1 %2\n已改名的文件都已恢复原名。   ");
inline constexpr UiText kBatchRenameNotRestored = SCANVO_TEXT("FileOperationTexts", "批量重命名出错：%1 %2\n有的文件未能恢复原名，下次打开本文档时将再恢复。   ");

}  // namespace scanvo::file_operation_texts
