#pragma once
// Texts of scanning, the scan settings dialog and import, exactly as the user sees them (trailing
// blanks included).

#include "core/UiText.h"

#include <QString>

namespace scanvo::acquisition_texts {

inline constexpr UiText kNoLocalPath = SCANVO_TEXT("AcquisitionTexts", "请设置本地图像存放目录！　　");
inline constexpr UiText kNoDocName = SCANVO_TEXT("AcquisitionTexts", "请设置文档名称！　　");

// Status panel 1.
inline constexpr UiText kScanSetting = SCANVO_TEXT("AcquisitionTexts", "扫描设置...");
inline constexpr UiText kScanning = SCANVO_TEXT("AcquisitionTexts", "扫描文档...");
// "扫描文档... 第 n 页": the pages of the running job stored so far.
inline constexpr UiText kScanningPage = SCANVO_TEXT("AcquisitionTexts", "扫描文档... 第 %1 页");
inline constexpr UiText kImporting = SCANVO_TEXT("AcquisitionTexts", "插入文件... ");
inline constexpr UiText kImportingPage = SCANVO_TEXT("AcquisitionTexts", "插入文件... 第 %1 页");

inline constexpr UiText kScanCancelled = SCANVO_TEXT("AcquisitionTexts", "扫描被取消！    ");

// The stop window shown while a job runs.
inline constexpr UiText kScanStopCaption = SCANVO_TEXT("AcquisitionTexts", "扫描文档");
inline constexpr UiText kScanStopHint = SCANVO_TEXT("AcquisitionTexts", "按 Esc 键或点击“停止扫描”，当前页面存储后停止扫描，已扫描的页面将保留。");
inline constexpr UiText kScanStopButton = SCANVO_TEXT("AcquisitionTexts", "停止扫描");

// A job the device ended: what happened, then the device's code.
inline constexpr UiText kScanFailedBefore = SCANVO_TEXT("AcquisitionTexts", "扫描中断：");
// The same for a named device, "%1" its name: a network scanner is told apart from a local one.
inline constexpr UiText kScanFailedOnDevice = SCANVO_TEXT("AcquisitionTexts", "扫描中断（%1）：");
inline constexpr UiText kScanFailedCode = SCANVO_TEXT("AcquisitionTexts", "（代码 %1）　　");
inline constexpr UiText kPaperProblem = SCANVO_TEXT("AcquisitionTexts", "卡纸或扫描仪盖板打开");
inline constexpr UiText kDeviceError = SCANVO_TEXT("AcquisitionTexts", "扫描设备出错（输入输出错误，或设备已断开）");
inline constexpr UiText kNoDocuments = SCANVO_TEXT("AcquisitionTexts", "进纸器中没有纸张");
inline constexpr UiText kDeviceBusy = SCANVO_TEXT("AcquisitionTexts", "扫描设备正被其他程序使用");
inline constexpr UiText kAccessDenied = SCANVO_TEXT("AcquisitionTexts", "无权使用扫描设备");
inline constexpr UiText kOutOfMemory = SCANVO_TEXT("AcquisitionTexts", "内存不足，页面无法接收");
inline constexpr UiText kNoScanner = SCANVO_TEXT("AcquisitionTexts", "没有可用的扫描设备");
inline constexpr UiText kOtherDeviceFailure = SCANVO_TEXT("AcquisitionTexts", "扫描设备报告错误");
// After the device's part: how many pages of the job were stored.
inline constexpr UiText kPagesKept = SCANVO_TEXT("AcquisitionTexts", "已存储本次扫描的 %1 页。　　");

// A page that could not be stored; the job stops there. "%1" the failure, "%2" pages kept.
inline constexpr UiText kStoreFailed = SCANVO_TEXT("AcquisitionTexts", "存储扫描页面失败，扫描已停止：%1。已存储本次扫描的 %2 页。　　");
// A file that would have to be renamed over an existing one.
inline constexpr UiText kNameTaken = SCANVO_TEXT("AcquisitionTexts", "文件 %1 已存在，不能改名覆盖");
inline constexpr UiText kCannotMove = SCANVO_TEXT("AcquisitionTexts", "文件 %1 不能改名（%2）");
inline constexpr UiText kCannotMoveBack = SCANVO_TEXT("AcquisitionTexts", "文件 %1 未能改回原名（%2），请检查文档目录");
inline const QString kSaveFailed = QStringLiteral("%1,%2");
// A page whose storing had not ended when the job gave up waiting for it.
inline constexpr UiText kStoreTimedOut = SCANVO_TEXT("AcquisitionTexts", "文件 %1 长时间未能写完，请检查文档目录");
inline constexpr UiText kNoFreeName = SCANVO_TEXT("AcquisitionTexts", "文档中没有可用的新文件名");

// Import.
inline constexpr UiText kImportTitle = SCANVO_TEXT("AcquisitionTexts", "导入文件... ");
inline constexpr UiText kTooManyPages = SCANVO_TEXT("AcquisitionTexts", "文档最多 %1 页");
inline constexpr UiText kCannotReadFile = SCANVO_TEXT("AcquisitionTexts", "无法读取文件 %1");
inline constexpr UiText kImportStoreFailed = SCANVO_TEXT("AcquisitionTexts", "导入失败，已停止：%1。　　");

// The scan settings dialog.
inline constexpr UiText kScanParaCaption = SCANVO_TEXT("AcquisitionTexts", "扫描设置");
inline constexpr UiText kFramDoc = SCANVO_TEXT("AcquisitionTexts", "文档输出");
inline constexpr UiText kLblDocType = SCANVO_TEXT("AcquisitionTexts", "图像存储格式：");
inline constexpr UiText kLblDocNameRule = SCANVO_TEXT("AcquisitionTexts", "文件命名规则：");
inline constexpr UiText kLblDocName = SCANVO_TEXT("AcquisitionTexts", "当前文件名称：");
inline constexpr UiText kLblInitValue = SCANVO_TEXT("AcquisitionTexts", "流水号初始值：");
inline constexpr UiText kCmdSaveDir = SCANVO_TEXT("AcquisitionTexts", "存储目录设置");
inline constexpr UiText kCmdImageFormat = SCANVO_TEXT("AcquisitionTexts", "图像压缩设置");
inline constexpr UiText kFramPara = SCANVO_TEXT("AcquisitionTexts", "扫描参数");
inline constexpr UiText kBright = SCANVO_TEXT("AcquisitionTexts", "亮度");
inline constexpr UiText kContrast = SCANVO_TEXT("AcquisitionTexts", "对比度");
inline constexpr UiText kShowNativeUI = SCANVO_TEXT("AcquisitionTexts", "使用扫描设备自带界面");
inline constexpr UiText kDeviceHint = SCANVO_TEXT("AcquisitionTexts", "提示：本电脑安装了多款扫描设备，请选择当前使用的扫描设备。");
inline constexpr UiText kShowSetting = SCANVO_TEXT("AcquisitionTexts", "扫描时显示本设置界面");

}  // namespace scanvo::acquisition_texts
