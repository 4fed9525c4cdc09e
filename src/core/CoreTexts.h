#pragma once
// The texts every part of the control shows, exactly as the user sees them. Each part keeps its
// own texts beside its code; these are the ones they share.

#include <QString>

namespace scanvo::core_texts {

// Titles of the message boxes: information, warnings and questions; failures with their number.
inline const QString kTitleInformation = QStringLiteral("提示信息");
inline const QString kTitleError = QStringLiteral("错误信息");
// Panel 1 of the status bar while nothing is running.
inline const QString kIdleStatus = QStringLiteral("澜页文档扫描影像优化处理控件");
// In place of the idle text while deskew-by-line mode is on: what the next drag does.
inline const QString kDeskewLineHint =
    QStringLiteral("拉线纠斜：沿倾斜的文字行拖出一条直线，松开鼠标即按此线纠斜；再次选择“拉线纠斜”退出。");
// Descriptions of failures that do not come from the engine.
inline const QString kOutOfMemory = QStringLiteral("内存不足");
inline const QString kUnknownFailure = QStringLiteral("未知错误");
// The buttons of every dialog that can be cancelled.
inline const QString kOK = QStringLiteral("确 定");
inline const QString kCancel = QStringLiteral("取 消");

}  // namespace scanvo::core_texts
