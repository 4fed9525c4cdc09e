#pragma once
// The texts of the file operations, exactly as the user sees them (trailing blanks included).

#include <QString>

namespace scanvo::file_operation_texts {

// The two confirmations of deleting the checked files.
inline const QString kDeleteQuestion = QStringLiteral("是否要删除选定图像文件？　　");
inline const QString kDeleteAgainQuestion = QStringLiteral("真的要删除选定图像文件么？ 一旦删除就无法恢复！　　");
// Replacing the selected file.
inline const QString kReplaceTitle = QStringLiteral("选择文件... ");
inline const QString kFilterTiff = QStringLiteral("TIFF图像文件(*.tif；*.tiff)|*.tif;.tiff");
inline const QString kFilterJpeg = QStringLiteral("JPG图像文件(*.jpg;*.jpeg)|*.jpg;*.jpeg");
inline const QString kFilterAll = QStringLiteral("所有图像文件(*.jpg;*.tif)|*.jpg;*.tif");
inline const QString kReplaceQuestion = QStringLiteral("要替换当前文件么？   ");
// frmRename and renaming the selected file.
inline const QString kRenameCaption = QStringLiteral("文件重命名");
inline const QString kRenameLabel = QStringLiteral("文件名称：");
inline const QString kRenameFailed = QStringLiteral("更改文件名出错！   ");
inline const QString kNameExists = QStringLiteral("该文件已经存在，请重命名！   ");
// frmBatchRename.
inline const QString kBatchRenameCaption = QStringLiteral("批量重命名");
inline const QString kRuleLabel = QStringLiteral("命名规则：");
inline const QString kStartLabel = QStringLiteral("顺序号起始：");
inline const QString kOldNameColumn = QStringLiteral("旧文件名");
inline const QString kNewNameColumn = QStringLiteral("新文件名");
// Status panel 1 after batch rename with no entry checked.
inline const QString kNothingChecked = QStringLiteral("请先勾选要重命名的文件。");

// Messages of failures the dialogs do not catch: %1 the file concerned, %2 the reason.
inline const QString kSeveralFilesChosen = QStringLiteral("只能用一个文件替换，将使用 %1。   ");
inline const QString kReplaceFailed = QStringLiteral("替换文件出错！%1 %2   ");
inline const QString kNotAnImage = QStringLiteral("%1 不是可以读出的图像文件。   ");
// %1 the chosen file, %2 the file it was to replace.
inline const QString kOtherKind = QStringLiteral("%1 与 %2 的图像格式不同，不能替换。   ");
inline const QString kNotDeleted = QStringLiteral("以下文件未能删除：\n%1   ");
inline const QString kBatchRenameFailed = QStringLiteral("批量重命名出错：%1 %2\n已改名的文件都已恢复原名。   ");
inline const QString kBatchRenameNotRestored =
    QStringLiteral("批量重命名出错：%1 %2\n有的文件未能恢复原名，下次打开本文档时将再恢复。   ");

}  // namespace scanvo::file_operation_texts
