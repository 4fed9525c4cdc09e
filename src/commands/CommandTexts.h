#pragma once
// The texts of the editing commands and their dialogs, exactly as the user sees them.

#include "core/UiText.h"

#include <QString>

namespace scanvo::command_texts {

// Status texts of the running command.
inline constexpr UiText kUndoStatus = SCANVO_TEXT("CommandTexts", "撤销上一步操作...");
inline constexpr UiText kRedoStatus = SCANVO_TEXT("CommandTexts", "重复上一步操作...");
inline constexpr UiText kCutStatus = SCANVO_TEXT("CommandTexts", "剪切图像...");
inline constexpr UiText kCopyStatus = SCANVO_TEXT("CommandTexts", "拷贝图像...");
inline constexpr UiText kPasteStatus = SCANVO_TEXT("CommandTexts", "粘贴图像...");
inline constexpr UiText kPaintStatus = SCANVO_TEXT("CommandTexts", "绘制指定颜色...");
inline constexpr UiText kRotateLeftStatus = SCANVO_TEXT("CommandTexts", "向左旋转图像...");
inline constexpr UiText kRotateRightStatus = SCANVO_TEXT("CommandTexts", "向右旋转图像...");
inline constexpr UiText kRotate180Status = SCANVO_TEXT("CommandTexts", "旋转图像180°...");
inline constexpr UiText kManualDeskewStatus = SCANVO_TEXT("CommandTexts", "手动纠斜...");
inline constexpr UiText kAutoDeskewStatus = SCANVO_TEXT("CommandTexts", "自动纠斜...");
inline constexpr UiText kLineDeskewStatus = SCANVO_TEXT("CommandTexts", "拉线纠斜...");

// Paste of a clipboard image whose format differs from the page's.
inline constexpr UiText kPasteIncompatible = SCANVO_TEXT("CommandTexts", "在不同格式图像之间不能粘贴！　　");

// frmImageDefault.
inline constexpr UiText kImageDefaultCaption = SCANVO_TEXT("CommandTexts", "图像处理操作");
inline constexpr UiText kTitleRotate = SCANVO_TEXT("CommandTexts", "旋 转");
inline constexpr UiText kTitleDeskew = SCANVO_TEXT("CommandTexts", "纠 斜");
inline constexpr UiText kTitleAlign = SCANVO_TEXT("CommandTexts", "对 齐");
inline constexpr UiText kTitleText = SCANVO_TEXT("CommandTexts", "文 字");
inline constexpr UiText kTitleSize = SCANVO_TEXT("CommandTexts", "大 小");
inline constexpr UiText kTitleAdjust = SCANVO_TEXT("CommandTexts", "调 整");
inline constexpr UiText kRotateRight = SCANVO_TEXT("CommandTexts", "向右旋转");
inline constexpr UiText kRotateLeft = SCANVO_TEXT("CommandTexts", "向左旋转");
inline constexpr UiText kRotate180 = SCANVO_TEXT("CommandTexts", "旋转180°");
inline constexpr UiText kRotateAngle = SCANVO_TEXT("CommandTexts", "任意角度");
inline constexpr UiText kDeskewAuto = SCANVO_TEXT("CommandTexts", "自动纠斜");
inline constexpr UiText kDeskewByLine = SCANVO_TEXT("CommandTexts", "拉线纠斜");
inline constexpr UiText kDeskewManual = SCANVO_TEXT("CommandTexts", "手动纠斜");
inline constexpr UiText kCenterLR = SCANVO_TEXT("CommandTexts", "左右居中");
inline constexpr UiText kCenterTB = SCANVO_TEXT("CommandTexts", "上下居中");
inline constexpr UiText kCenterAll = SCANVO_TEXT("CommandTexts", "全部居中");
inline constexpr UiText kMoveLT = SCANVO_TEXT("CommandTexts", "左上对齐");
inline constexpr UiText kTextDarken = SCANVO_TEXT("CommandTexts", "文字加深");
inline constexpr UiText kTextLighten = SCANVO_TEXT("CommandTexts", "文字变浅");
inline constexpr UiText kTextSmooth = SCANVO_TEXT("CommandTexts", "平滑文字");
inline constexpr UiText kImageSize = SCANVO_TEXT("CommandTexts", "改变图像大小");
inline constexpr UiText kCanvasSize = SCANVO_TEXT("CommandTexts", "改变画布大小");
inline constexpr UiText kAdjustBright = SCANVO_TEXT("CommandTexts", "亮度/对比度");
inline constexpr UiText kAdjustSaturation = SCANVO_TEXT("CommandTexts", "饱和度");
inline constexpr UiText kAdjustLevels = SCANVO_TEXT("CommandTexts", "色阶");
inline constexpr UiText kAdjustBackground = SCANVO_TEXT("CommandTexts", "背景优化");
inline constexpr UiText kCropAutoResize = SCANVO_TEXT("CommandTexts", "裁剪后自动改动尺寸到原尺寸");
inline constexpr UiText kTrimAutoCenter = SCANVO_TEXT("CommandTexts", "清除框外图像处理后图像自动居中");

// frmDeskewX.
inline constexpr UiText kDeskewXManualCaption = SCANVO_TEXT("CommandTexts", "手工纠斜");
inline constexpr UiText kDeskewXManualLabel = SCANVO_TEXT("CommandTexts", "纠斜度：");
inline constexpr UiText kDeskewXAngleCaption = SCANVO_TEXT("CommandTexts", "旋转任意角度");
inline constexpr UiText kDeskewXAngleLabel = SCANVO_TEXT("CommandTexts", "旋转角度：");
inline constexpr UiText kDeskewXResize = SCANVO_TEXT("CommandTexts", "改变大小");
inline constexpr UiText kDeskewXRange = SCANVO_TEXT("CommandTexts", "纠偏角度应该在左右45之间！  ");

// frmDeskewOptions.
inline constexpr UiText kDeskewOptionsCaption = SCANVO_TEXT("CommandTexts", "图像旋转&纠斜设置");
inline constexpr UiText kDeskewOptionEnlarge = SCANVO_TEXT("CommandTexts", "改变图像大小");
inline constexpr UiText kDeskewOptionKeepSize = SCANVO_TEXT("CommandTexts", "保持图像大小不变");

// Region commands.
inline constexpr UiText kClearInsideStatus = SCANVO_TEXT("CommandTexts", "清除框内图像...");
inline constexpr UiText kClearOutsideStatus = SCANVO_TEXT("CommandTexts", "清除框外图像...");
inline constexpr UiText kCropStatus = SCANVO_TEXT("CommandTexts", "裁剪图像...");
inline constexpr UiText kCentreStatus = SCANVO_TEXT("CommandTexts", "居中图像...");

// Cleanup filters, and what panel 1 says afterwards when one found nothing to remove.
inline constexpr UiText kNoSpecksFound = SCANVO_TEXT("CommandTexts", "没有找到要清除的杂点。");
inline constexpr UiText kNoBordersFound = SCANVO_TEXT("CommandTexts", "没有找到黑边。");
inline constexpr UiText kNoLinesFound = SCANVO_TEXT("CommandTexts", "没有找到要清除的线条。");
inline constexpr UiText kNoHolePunchesFound = SCANVO_TEXT("CommandTexts", "没有找到设定大小的装订孔。");
inline constexpr UiText kDespeckleStatus = SCANVO_TEXT("CommandTexts", "清除图像杂点...");
inline constexpr UiText kRemoveBordersStatus = SCANVO_TEXT("CommandTexts", "清除图像黑边...");
inline constexpr UiText kRemoveLinesStatus = SCANVO_TEXT("CommandTexts", "清除图像线条...");
inline constexpr UiText kRemoveHolePunchesStatus = SCANVO_TEXT("CommandTexts", "清除图像装订孔...");
// A cleanup or invert asked of a grey or colour page, which only black-and-white pages take.
inline constexpr UiText kDespeckleNotBitonal = SCANVO_TEXT("CommandTexts", "当前图像不是黑白图像，不能清除杂点。");
inline constexpr UiText kRemoveBordersNotBitonal = SCANVO_TEXT("CommandTexts", "当前图像不是黑白图像，不能清除黑边。");
inline constexpr UiText kRemoveLinesNotBitonal = SCANVO_TEXT("CommandTexts", "当前图像不是黑白图像，不能清除线条。");
inline constexpr UiText kRemoveHolePunchesNotBitonal = SCANVO_TEXT("CommandTexts", "当前图像不是黑白图像，不能清除装订孔。");

// Tone, colour and binarisation.
inline constexpr UiText kInvertStatus = SCANVO_TEXT("CommandTexts", "图像反色...");
inline constexpr UiText kInvertNotBitonal = SCANVO_TEXT("CommandTexts", "当前图像不是黑白图像，不能反色。");
inline constexpr UiText kDarkenTextStatus = SCANVO_TEXT("CommandTexts", "文字加深...");
inline constexpr UiText kLightenTextStatus = SCANVO_TEXT("CommandTexts", "文字变浅...");
inline constexpr UiText kSmoothTextStatus = SCANVO_TEXT("CommandTexts", "平滑文字...");
inline constexpr UiText kBrightContrastStatus = SCANVO_TEXT("CommandTexts", "亮度、对比度调整...");
inline constexpr UiText kSaturationStatus = SCANVO_TEXT("CommandTexts", "饱和度...");
inline constexpr UiText kColorLevelsStatus = SCANVO_TEXT("CommandTexts", "色阶调整...");
inline constexpr UiText kBackgroundStatus = SCANVO_TEXT("CommandTexts", "背景消除...");
inline constexpr UiText kConvert2BWStatus = SCANVO_TEXT("CommandTexts", "图像二值化...");

// The option forms: messages, and the gap a label leaves for its box before the unit.
inline constexpr UiText kRequiredEmpty = SCANVO_TEXT("CommandTexts", "选项不能为空！　　");
inline constexpr UiText kLocationEmpty = SCANVO_TEXT("CommandTexts", "位置不能为空！　　");
inline constexpr UiText kHoleCountTooSmall = SCANVO_TEXT("CommandTexts", "装订孔数量不能少于2！  ");
inline constexpr UiText kValueIncorrect = SCANVO_TEXT("CommandTexts", "输入的值不正确！    ");
inline constexpr UiText kNotZero = SCANVO_TEXT("CommandTexts", "不能为零！    ");
inline const QString kUnitGap = QStringLiteral("        ");
inline constexpr UiText kUnitPixels = SCANVO_TEXT("CommandTexts", "像素");
inline const QString kUnitPercent = QStringLiteral("%");
inline constexpr UiText kUnitCount = SCANVO_TEXT("CommandTexts", "个");
inline constexpr UiText kSideLeft = SCANVO_TEXT("CommandTexts", "左边");
inline constexpr UiText kSideRight = SCANVO_TEXT("CommandTexts", "右边");
inline constexpr UiText kSideTop = SCANVO_TEXT("CommandTexts", "上部");
inline constexpr UiText kSideBottom = SCANVO_TEXT("CommandTexts", "下部");
inline constexpr UiText kFrameLocation = SCANVO_TEXT("CommandTexts", "位置");
inline constexpr UiText kFrameOptions = SCANVO_TEXT("CommandTexts", "选项");

// frmAutoTrimOptions.
inline constexpr UiText kAutoTrimCaption = SCANVO_TEXT("CommandTexts", "自动裁剪设置");
inline constexpr UiText kAutoTrimLabel = SCANVO_TEXT("CommandTexts", "相邻色差：");

// frmDotRemoveOptions.
inline constexpr UiText kDotCaption = SCANVO_TEXT("CommandTexts", "去噪点设置");
inline constexpr UiText kDotOnePixel = SCANVO_TEXT("CommandTexts", "一个像素大小");
inline constexpr UiText kDotCustom = SCANVO_TEXT("CommandTexts", "自定义像素大小");
inline constexpr UiText kDotFrame = SCANVO_TEXT("CommandTexts", "噪点大小");
inline constexpr UiText kDotMinWidth = SCANVO_TEXT("CommandTexts", "最小点宽度：");
inline constexpr UiText kDotMinHeight = SCANVO_TEXT("CommandTexts", "最小点高度：");
inline constexpr UiText kDotMaxWidth = SCANVO_TEXT("CommandTexts", "最大点宽度：");
inline constexpr UiText kDotMaxHeight = SCANVO_TEXT("CommandTexts", "最大点高度：");

// frmBorderRemoveOptions.
inline constexpr UiText kBorderCaption = SCANVO_TEXT("CommandTexts", "去黑边设置");
inline constexpr UiText kBorderPercent = SCANVO_TEXT("CommandTexts", "黑边百分比：");
inline constexpr UiText kBorderWhiteNoise = SCANVO_TEXT("CommandTexts", "白点大小：");
inline constexpr UiText kBorderVariance = SCANVO_TEXT("CommandTexts", "冗余度：");

// frmLineRemoveOptions.
inline constexpr UiText kLineCaption = SCANVO_TEXT("CommandTexts", "去线条设置");
inline constexpr UiText kLineDirectionFrame = SCANVO_TEXT("CommandTexts", "线条方向");
inline constexpr UiText kLineHorizontal = SCANVO_TEXT("CommandTexts", "水平线");
inline constexpr UiText kLineVertical = SCANVO_TEXT("CommandTexts", "垂直线");
inline constexpr UiText kLineSizeFrame = SCANVO_TEXT("CommandTexts", "线条大小");
inline constexpr UiText kLineMinLength = SCANVO_TEXT("CommandTexts", "最小长度：");
inline constexpr UiText kLineMaxWidth = SCANVO_TEXT("CommandTexts", "最大宽度：");
inline constexpr UiText kLineWallHeight = SCANVO_TEXT("CommandTexts", "隔断高度：");
inline constexpr UiText kLineMaxWallPercent = SCANVO_TEXT("CommandTexts", "隔断最大百分比：");
inline constexpr UiText kLineOptionalFrame = SCANVO_TEXT("CommandTexts", "可选项");
inline constexpr UiText kLineVariance = SCANVO_TEXT("CommandTexts", "冗余度：");
inline constexpr UiText kLineMaxGap = SCANVO_TEXT("CommandTexts", "最大缺口：");
inline constexpr UiText kLineRemoveEntire = SCANVO_TEXT("CommandTexts", "去除完整线条");

// frmHolePunchRemoveOptions.
inline constexpr UiText kHoleCaption = SCANVO_TEXT("CommandTexts", "去装订孔设置");
inline constexpr UiText kHoleOptionsFrame = SCANVO_TEXT("CommandTexts", "设置选项");
inline constexpr UiText kHoleUseSize = SCANVO_TEXT("CommandTexts", "设置装订孔大小");
inline constexpr UiText kHoleUseLocation = SCANVO_TEXT("CommandTexts", "设置装订孔位置");
inline constexpr UiText kHoleUseCount = SCANVO_TEXT("CommandTexts", "设置装订孔个数限制");
inline constexpr UiText kHoleSizeFrame = SCANVO_TEXT("CommandTexts", "装订孔大小");
inline constexpr UiText kHoleMinWidth = SCANVO_TEXT("CommandTexts", "最小孔宽度：");
inline constexpr UiText kHoleMinHeight = SCANVO_TEXT("CommandTexts", "最小孔高度：");
inline constexpr UiText kHoleMaxWidth = SCANVO_TEXT("CommandTexts", "最大孔宽度：");
inline constexpr UiText kHoleMaxHeight = SCANVO_TEXT("CommandTexts", "最大孔高度：");
inline constexpr UiText kHoleLocationFrame = SCANVO_TEXT("CommandTexts", "装订孔位置");
inline constexpr UiText kHoleCountFrame = SCANVO_TEXT("CommandTexts", "装订孔个数");
inline constexpr UiText kHoleMinCount = SCANVO_TEXT("CommandTexts", "最小数：");
inline constexpr UiText kHoleMaxCount = SCANVO_TEXT("CommandTexts", "最大数：");

// frmImageAdjust, frmSaturation, frmBackgroundSubtraction.
inline constexpr UiText kImageAdjustCaption = SCANVO_TEXT("CommandTexts", "图像亮度/对比度调整");
inline constexpr UiText kBrightLabel = SCANVO_TEXT("CommandTexts", "亮度：");
inline constexpr UiText kContrastLabel = SCANVO_TEXT("CommandTexts", "对比度：");
inline constexpr UiText kSaturationCaption = SCANVO_TEXT("CommandTexts", "饱和度调整");
inline constexpr UiText kSaturationLabel = SCANVO_TEXT("CommandTexts", "饱和度：");
inline constexpr UiText kClose = SCANVO_TEXT("CommandTexts", "关 闭");
inline constexpr UiText kToneRange = SCANVO_TEXT("CommandTexts", "调整度应该在正负100之间！  ");
inline constexpr UiText kBackgroundCaption = SCANVO_TEXT("CommandTexts", "背景消除");
inline constexpr UiText kBackgroundLabel = SCANVO_TEXT("CommandTexts", "消除度：");
inline constexpr UiText kBackgroundRange = SCANVO_TEXT("CommandTexts", "消除度应该在0-100之间！  ");
inline constexpr UiText kLevelsCaption = SCANVO_TEXT("CommandTexts", "色阶调整");
inline constexpr UiText kLevelsLabel = SCANVO_TEXT("CommandTexts", "调整度：");
inline constexpr UiText kLevelsRange = SCANVO_TEXT("CommandTexts", "调整度应该在2-100之间！  ");

// frmPaintRect.
inline constexpr UiText kPaintRectCaption = SCANVO_TEXT("CommandTexts", "底色绘制设置");
inline constexpr UiText kPaintRectFrame = SCANVO_TEXT("CommandTexts", "默认大小");
inline constexpr UiText kPaintRectWidth = SCANVO_TEXT("CommandTexts", "绘制点宽度：");
inline constexpr UiText kPaintRectHeight = SCANVO_TEXT("CommandTexts", "绘制点高度：");

}  // namespace scanvo::command_texts
