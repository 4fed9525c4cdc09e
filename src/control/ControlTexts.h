#pragma once
// The control shell's own messages and titles, exactly as the user sees them (trailing blanks
// included).

#include <QString>

namespace scanvo::texts {

inline const QString kNoLocalPath = QStringLiteral("请设置本地图像存放目录！　　");
inline const QString kNoDocName = QStringLiteral("请设置文档名称！　　");
inline const QString kDocNameOutsideRoot = QStringLiteral("文档名称必须是图像存放目录下的相对路径，不能是绝对路径或包含“..”！　　");
// %1: the directory that could not be created.
inline const QString kCannotCreateDirectory = QStringLiteral("无法创建目录：%1，请检查路径和访问权限！　　");

}  // namespace scanvo::texts
