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

// Region commands.
inline const QString kClearInsideStatus = QStringLiteral("清除框内图像...");
inline const QString kClearOutsideStatus = QStringLiteral("清除框外图像...");
inline const QString kCropStatus = QStringLiteral("裁剪图像...");
inline const QString kCentreStatus = QStringLiteral("居中图像...");

// Cleanup filters, and what panel 1 says afterwards when one found nothing to remove.
inline const QString kNoSpecksFound = QStringLiteral("没有找到要清除的杂点。");
inline const QString kNoBordersFound = QStringLiteral("没有找到黑边。");
inline const QString kNoLinesFound = QStringLiteral("没有找到要清除的线条。");
inline const QString kNoHolePunchesFound = QStringLiteral("没有找到设定大小的装订孔。");
inline const QString kDespeckleStatus = QStringLiteral("清除图像杂点...");
inline const QString kRemoveBordersStatus = QStringLiteral("清除图像黑边...");
inline const QString kRemoveLinesStatus = QStringLiteral("清除图像线条...");
inline const QString kRemoveHolePunchesStatus = QStringLiteral("清除图像装订孔...");
// A cleanup or invert asked of a grey or colour page, which only black-and-white pages take.
inline const QString kDespeckleNotBitonal = QStringLiteral("当前图像不是黑白图像，不能清除杂点。");
inline const QString kRemoveBordersNotBitonal = QStringLiteral("当前图像不是黑白图像，不能清除黑边。");
inline const QString kRemoveLinesNotBitonal = QStringLiteral("当前图像不是黑白图像，不能清除线条。");
inline const QString kRemoveHolePunchesNotBitonal = QStringLiteral("当前图像不是黑白图像，不能清除装订孔。");

// Tone, colour and binarisation.
inline const QString kInvertStatus = QStringLiteral("图像反色...");
inline const QString kInvertNotBitonal = QStringLiteral("当前图像不是黑白图像，不能反色。");
inline const QString kDarkenTextStatus = QStringLiteral("文字加深...");
inline const QString kLightenTextStatus = QStringLiteral("文字变浅...");
inline const QString kSmoothTextStatus = QStringLiteral("平滑文字...");
inline const QString kBrightContrastStatus = QStringLiteral("亮度、对比度调整...");
inline const QString kSaturationStatus = QStringLiteral("饱和度...");
inline const QString kColorLevelsStatus = QStringLiteral("色阶调整...");
inline const QString kBackgroundStatus = QStringLiteral("背景消除...");
inline const QString kConvert2BWStatus = QStringLiteral("图像二值化...");

// The option forms: messages, and the gap a label leaves for its box before the unit.
inline const QString kRequiredEmpty = QStringLiteral("选项不能为空！　　");
inline const QString kLocationEmpty = QStringLiteral("位置不能为空！　　");
inline const QString kHoleCountTooSmall = QStringLiteral("装订孔数量不能少于2！  ");
inline const QString kValueIncorrect = QStringLiteral("输入的值不正确！    ");
inline const QString kNotZero = QStringLiteral("不能为零！    ");
inline const QString kUnitGap = QStringLiteral("        ");
inline const QString kUnitPixels = QStringLiteral("像素");
inline const QString kUnitPercent = QStringLiteral("%");
inline const QString kUnitCount = QStringLiteral("个");
inline const QString kSideLeft = QStringLiteral("左边");
inline const QString kSideRight = QStringLiteral("右边");
inline const QString kSideTop = QStringLiteral("上部");
inline const QString kSideBottom = QStringLiteral("下部");
inline const QString kFrameLocation = QStringLiteral("位置");
inline const QString kFrameOptions = QStringLiteral("选项");

// frmAutoTrimOptions.
inline const QString kAutoTrimCaption = QStringLiteral("自动裁剪设置");
inline const QString kAutoTrimLabel = QStringLiteral("相邻色差：");

// frmDotRemoveOptions.
inline const QString kDotCaption = QStringLiteral("去噪点设置");
inline const QString kDotOnePixel = QStringLiteral("一个像素大小");
inline const QString kDotCustom = QStringLiteral("自定义像素大小");
inline const QString kDotFrame = QStringLiteral("噪点大小");
inline const QString kDotMinWidth = QStringLiteral("最小点宽度：");
inline const QString kDotMinHeight = QStringLiteral("最小点高度：");
inline const QString kDotMaxWidth = QStringLiteral("最大点宽度：");
inline const QString kDotMaxHeight = QStringLiteral("最大点高度：");

// frmBorderRemoveOptions.
inline const QString kBorderCaption = QStringLiteral("去黑边设置");
inline const QString kBorderPercent = QStringLiteral("黑边百分比：");
inline const QString kBorderWhiteNoise = QStringLiteral("白点大小：");
inline const QString kBorderVariance = QStringLiteral("冗余度：");

// frmLineRemoveOptions.
inline const QString kLineCaption = QStringLiteral("去线条设置");
inline const QString kLineDirectionFrame = QStringLiteral("线条方向");
inline const QString kLineHorizontal = QStringLiteral("水平线");
inline const QString kLineVertical = QStringLiteral("垂直线");
inline const QString kLineSizeFrame = QStringLiteral("线条大小");
inline const QString kLineMinLength = QStringLiteral("最小长度：");
inline const QString kLineMaxWidth = QStringLiteral("最大宽度：");
inline const QString kLineWallHeight = QStringLiteral("隔断高度：");
inline const QString kLineMaxWallPercent = QStringLiteral("隔断最大百分比：");
inline const QString kLineOptionalFrame = QStringLiteral("可选项");
inline const QString kLineVariance = QStringLiteral("冗余度：");
inline const QString kLineMaxGap = QStringLiteral("最大缺口：");
inline const QString kLineRemoveEntire = QStringLiteral("去除完整线条");

// frmHolePunchRemoveOptions.
inline const QString kHoleCaption = QStringLiteral("去装订孔设置");
inline const QString kHoleOptionsFrame = QStringLiteral("设置选项");
inline const QString kHoleUseSize = QStringLiteral("设置装订孔大小");
inline const QString kHoleUseLocation = QStringLiteral("设置装订孔位置");
inline const QString kHoleUseCount = QStringLiteral("设置装订孔个数限制");
inline const QString kHoleSizeFrame = QStringLiteral("装订孔大小");
inline const QString kHoleMinWidth = QStringLiteral("最小孔宽度：");
inline const QString kHoleMinHeight = QStringLiteral("最小孔高度：");
inline const QString kHoleMaxWidth = QStringLiteral("最大孔宽度：");
inline const QString kHoleMaxHeight = QStringLiteral("最大孔高度：");
inline const QString kHoleLocationFrame = QStringLiteral("装订孔位置");
inline const QString kHoleCountFrame = QStringLiteral("装订孔个数");
inline const QString kHoleMinCount = QStringLiteral("最小数：");
inline const QString kHoleMaxCount = QStringLiteral("最大数：");

// frmImageAdjust, frmSaturation, frmBackgroundSubtraction.
inline const QString kImageAdjustCaption = QStringLiteral("图像亮度/对比度调整");
inline const QString kBrightLabel = QStringLiteral("亮度：");
inline const QString kContrastLabel = QStringLiteral("对比度：");
inline const QString kSaturationCaption = QStringLiteral("饱和度调整");
inline const QString kSaturationLabel = QStringLiteral("饱和度：");
inline const QString kClose = QStringLiteral("关 闭");
inline const QString kToneRange = QStringLiteral("调整度应该在正负100之间！  ");
inline const QString kBackgroundCaption = QStringLiteral("背景消除");
inline const QString kBackgroundLabel = QStringLiteral("消除度：");
inline const QString kBackgroundRange = QStringLiteral("消除度应该在0-100之间！  ");
inline const QString kLevelsCaption = QStringLiteral("色阶调整");
inline const QString kLevelsLabel = QStringLiteral("调整度：");
inline const QString kLevelsRange = QStringLiteral("调整度应该在2-100之间！  ");

// frmPaintRect.
inline const QString kPaintRectCaption = QStringLiteral("底色绘制设置");
inline const QString kPaintRectFrame = QStringLiteral("默认大小");
inline const QString kPaintRectWidth = QStringLiteral("绘制点宽度：");
inline const QString kPaintRectHeight = QStringLiteral("绘制点高度：");

}  // namespace scanvo::command_texts
