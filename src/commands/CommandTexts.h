#pragma once
// The texts of the editing commands and their dialogs, exactly as the user sees them.

#include <QString>

namespace scanvo::command_texts {

// Status texts of the running command.
inline const QString kUndoStatus = QStringLiteral("撤销上一步操作...");
inline const QString kRedoStatus = QStringLiteral("重复上一步操作...");
inline const QString kCutStatus = QStringLiteral("剪切图像...");
inline const QString kCopyStatus = QStringLiteral("拷贝图像...");
inline const QString kPasteStatus = QStringLiteral("粘贴图像...");
inline const QString kPaintStatus = QStringLiteral("绘制指定颜色...");
inline const QString kRotateLeftStatus = QStringLiteral("向左旋转图像...");
inline const QString kRotateRightStatus = QStringLiteral("向右旋转图像...");
inline const QString kRotate180Status = QStringLiteral("旋转图像180°...");
inline const QString kManualDeskewStatus = QStringLiteral("手动纠斜...");
inline const QString kAutoDeskewStatus = QStringLiteral("自动纠斜...");
inline const QString kLineDeskewStatus = QStringLiteral("拉线纠斜...");

// Paste of a clipboard image whose format differs from the page's.
inline const QString kPasteIncompatible = QStringLiteral("在不同格式图像之间不能粘贴！　　");

// frmImageDefault.
inline const QString kImageDefaultCaption = QStringLiteral("图像处理操作");
inline const QString kTitleRotate = QStringLiteral("旋 转");
inline const QString kTitleDeskew = QStringLiteral("纠 斜");
inline const QString kTitleAlign = QStringLiteral("对 齐");
inline const QString kTitleText = QStringLiteral("文 字");
inline const QString kTitleSize = QStringLiteral("大 小");
inline const QString kTitleAdjust = QStringLiteral("调 整");
inline const QString kRotateRight = QStringLiteral("向右旋转");
inline const QString kRotateLeft = QStringLiteral("向左旋转");
inline const QString kRotate180 = QStringLiteral("旋转180°");
inline const QString kRotateAngle = QStringLiteral("任意角度");
inline const QString kDeskewAuto = QStringLiteral("自动纠斜");
inline const QString kDeskewByLine = QStringLiteral("拉线纠斜");
inline const QString kDeskewManual = QStringLiteral("手动纠斜");
inline const QString kCenterLR = QStringLiteral("左右居中");
inline const QString kCenterTB = QStringLiteral("上下居中");
inline const QString kCenterAll = QStringLiteral("全部居中");
inline const QString kMoveLT = QStringLiteral("左上对齐");
inline const QString kTextDarken = QStringLiteral("文字加深");
inline const QString kTextLighten = QStringLiteral("文字变浅");
inline const QString kTextSmooth = QStringLiteral("平滑文字");
inline const QString kImageSize = QStringLiteral("改变图像大小");
inline const QString kCanvasSize = QStringLiteral("改变画布大小");
inline const QString kAdjustBright = QStringLiteral("亮度/对比度");
inline const QString kAdjustSaturation = QStringLiteral("饱和度");
inline const QString kAdjustLevels = QStringLiteral("色阶");
inline const QString kAdjustBackground = QStringLiteral("背景优化");
inline const QString kCropAutoResize = QStringLiteral("裁剪后自动改动尺寸到原尺寸");
inline const QString kTrimAutoCenter = QStringLiteral("清除框外图像处理后图像自动居中");

// frmDeskewX.
inline const QString kDeskewXManualCaption = QStringLiteral("手工纠斜");
inline const QString kDeskewXManualLabel = QStringLiteral("纠斜度：");
inline const QString kDeskewXAngleCaption = QStringLiteral("旋转任意角度");
inline const QString kDeskewXAngleLabel = QStringLiteral("旋转角度：");
inline const QString kDeskewXResize = QStringLiteral("改变大小");
inline const QString kDeskewXRange = QStringLiteral("纠偏角度应该在左右45之间！  ");

// frmDeskewOptions.
inline const QString kDeskewOptionsCaption = QStringLiteral("图像旋转&纠斜设置");
inline const QString kDeskewOptionEnlarge = QStringLiteral("改变图像大小");
inline const QString kDeskewOptionKeepSize = QStringLiteral("保持图像大小不变");

}  // namespace scanvo::command_texts
