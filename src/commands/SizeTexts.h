#pragma once
// The texts of the image-size and canvas-size commands and their dialogs, exactly as the user
// sees them.

#include <QString>

namespace scanvo::size_texts {

inline const QString kResizeStatus = QStringLiteral("改变图像大小...");
inline const QString kCanvasStatus = QStringLiteral("改变图像画布大小...");

// frmResize.
inline const QString kResizeCaption = QStringLiteral("改变图像大小");
inline const QString kBySize = QStringLiteral("按大小");
inline const QString kByPercent = QStringLiteral("按百分比");
inline const QString kWidth = QStringLiteral("宽 度：");
inline const QString kHeight = QStringLiteral("高 度：");
inline const QString kMillimetres = QStringLiteral("毫米");
inline const QString kPixels = QStringLiteral("像素");
inline const QString kPercent = QStringLiteral("%");
inline const QString kDoubleWidth = QStringLiteral("二倍宽度");
inline const QString kDoubleHeight = QStringLiteral("二倍高度");

// frmResizeCanvas.
inline const QString kCanvasCaption = QStringLiteral("改变画布大小");
inline const QString kOriginalSize = QStringLiteral("图像原大小");
inline const QString kPaperB5 = QStringLiteral("B5");
inline const QString kPaperA4 = QStringLiteral("A4");
inline const QString kPaperA3 = QStringLiteral("A3");
inline const QString kCustomSize = QStringLiteral("自定义");

// Refusals of OK in both dialogs.
inline const QString kSizeEmpty = QStringLiteral("宽度或高度不能为空！   ");
inline const QString kSizeZero = QStringLiteral("宽度或高度不能为0！   ");

}  // namespace scanvo::size_texts
