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

}  // namespace scanvo::page_structure_texts
