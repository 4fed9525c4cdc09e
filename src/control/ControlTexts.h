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

// Names a screen reader gives the child controls that show no caption of their own.
inline const QString kFileListName = QStringLiteral("文件列表");
inline const QString kFileBoxName = QStringLiteral("当前文件");
inline const QString kPageBoxName = QStringLiteral("当前页");
inline const QString kZoomBoxName = QStringLiteral("缩放比例");
inline const QString kPageViewName = QStringLiteral("图像");

}  // namespace scanvo::texts
