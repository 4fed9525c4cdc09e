#pragma once
// The texts of the page structure commands, exactly as the user sees them.

#include <QString>

namespace scanvo::page_structure_texts {

inline const QString kDeleteQuestion = QStringLiteral("真的要删除本页图像么？　　");
inline const QString kDeleteStatus = QStringLiteral("删除当前图像...");
inline const QString kMoveStatus = QStringLiteral("图像调序...");
inline const QString kMoveCaption = QStringLiteral("改到...");
inline const QString kMovePrompt = QStringLiteral("改到第                               页");
// Before the description of a failure of the delete command.
inline const QString kFailureIndent = QStringLiteral("    ");
// After the description of a damaged file a page is to be deleted from.
inline const QString kDropUnreadablePagesQuestion =
    QStringLiteral("\n\n仍要删除此页吗？删除后文件只保留可读出的页面。　　");
inline const QString kCannotDeleteFile = QStringLiteral("不能删除文件 %1");

// Uniting two pages.
inline const QString kCombineCaption = QStringLiteral("图像拼接");
inline const QString kFirstPageLabel = QStringLiteral("拼接页一：");
inline const QString kSecondPageLabel = QStringLiteral("拼接页二：");
inline const QString kCombineInsertLabel = QStringLiteral("追加位置：");
inline const QString kOrientationLabel = QStringLiteral("拼接方向：");
inline const QString kLeftRight = QStringLiteral("左右");
inline const QString kTopBottom = QStringLiteral("上下");
inline const QString kCombineStatus = QStringLiteral("拼接图像...");
inline const QString kDifferentKinds = QStringLiteral("两个图像的类型不一样，不能拼接！　　");

// Dividing a page.
inline const QString kDivideCaption = QStringLiteral("图像分割");
inline const QString kDivideDirectionLabel = QStringLiteral("分割方向：");
inline const QString kDivideLeftRight = QStringLiteral("左右分割");
inline const QString kDivideTopBottom = QStringLiteral("上下分割");
inline const QString kDividePositionLabel = QStringLiteral("分割位置：");
inline const QString kDivideInsertLabel = QStringLiteral("附加位置：");
inline const QString kDeleteOriginal = QStringLiteral("删除原图 ");
inline const QString kDivideStatus = QStringLiteral("分割图像...");
// A page one pixel wide (or high) has nothing to divide.
inline const QString kTooSmallToDivide = QStringLiteral("图像太小，不能分割！　　");

}  // namespace scanvo::page_structure_texts
