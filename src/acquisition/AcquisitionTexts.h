#pragma once
// Texts of scanning, the scan settings dialog and import, exactly as the user sees them (trailing
// blanks included).

#include <QString>

namespace scanvo::acquisition_texts {

inline const QString kNoLocalPath = QStringLiteral("请设置本地图像存放目录！　　");
inline const QString kNoDocName = QStringLiteral("请设置文档名称！　　");

// Status panel 1.
inline const QString kScanSetting = QStringLiteral("扫描设置...");
inline const QString kScanning = QStringLiteral("扫描文档...");
// "扫描文档... 第 n 页": the pages of the running job stored so far.
inline const QString kScanningPage = QStringLiteral("扫描文档... 第 %1 页");
inline const QString kImporting = QStringLiteral("插入文件... ");
inline const QString kImportingPage = QStringLiteral("插入文件... 第 %1 页");

inline const QString kScanCancelled = QStringLiteral("扫描被取消！    ");

// The stop window shown while a job runs.
inline const QString kScanStopCaption = QStringLiteral("扫描文档");
inline const QString kScanStopHint = QStringLiteral("按 Esc 键或点击“停止扫描”，当前页面存储后停止扫描，已扫描的页面将保留。");
inline const QString kScanStopButton = QStringLiteral("停止扫描");

// A job the device ended: what happened, then the device's code.
inline const QString kScanFailedBefore = QStringLiteral("扫描中断：");
inline const QString kScanFailedCode = QStringLiteral("（代码 %1）　　");
inline const QString kPaperProblem = QStringLiteral("卡纸或扫描仪盖板打开");
inline const QString kDeviceError = QStringLiteral("扫描设备出错（输入输出错误，或设备已断开）");
inline const QString kNoDocuments = QStringLiteral("进纸器中没有纸张");
inline const QString kDeviceBusy = QStringLiteral("扫描设备正被其他程序使用");
inline const QString kAccessDenied = QStringLiteral("无权使用扫描设备");
inline const QString kOutOfMemory = QStringLiteral("内存不足，页面无法接收");
inline const QString kNoScanner = QStringLiteral("没有可用的扫描设备");
inline const QString kOtherDeviceFailure = QStringLiteral("扫描设备报告错误");
// After the device's part: how many pages of the job were stored.
inline const QString kPagesKept = QStringLiteral("已存储本次扫描的 %1 页。　　");

// A page that could not be stored; the job stops there. "%1" the failure, "%2" pages kept.
inline const QString kStoreFailed = QStringLiteral("存储扫描页面失败，扫描已停止：%1。已存储本次扫描的 %2 页。　　");
// A file that would have to be renamed over an existing one.
inline const QString kNameTaken = QStringLiteral("文件 %1 已存在，不能改名覆盖");
inline const QString kCannotMove = QStringLiteral("文件 %1 不能改名（%2）");
inline const QString kCannotMoveBack = QStringLiteral("文件 %1 未能改回原名（%2），请检查文档目录");
inline const QString kSaveFailed = QStringLiteral("%1,%2");
// A page whose storing had not ended when the job gave up waiting for it.
inline const QString kStoreTimedOut = QStringLiteral("文件 %1 长时间未能写完，请检查文档目录");
inline const QString kNoFreeName = QStringLiteral("文档中没有可用的新文件名");

// Import.
inline const QString kImportTitle = QStringLiteral("导入文件... ");
inline const QString kTooManyPages = QStringLiteral("文档最多 %1 页");
inline const QString kCannotReadFile = QStringLiteral("无法读取文件 %1");
inline const QString kImportStoreFailed = QStringLiteral("导入失败，已停止：%1。　　");

// The scan settings dialog.
inline const QString kScanParaCaption = QStringLiteral("扫描设置");
inline const QString kFramDoc = QStringLiteral("文档输出");
inline const QString kLblDocType = QStringLiteral("图像存储格式：");
inline const QString kLblDocNameRule = QStringLiteral("文件命名规则：");
inline const QString kLblDocName = QStringLiteral("当前文件名称：");
inline const QString kLblInitValue = QStringLiteral("流水号初始值：");
inline const QString kCmdSaveDir = QStringLiteral("存储目录设置");
inline const QString kCmdImageFormat = QStringLiteral("图像压缩设置");
inline const QString kFramPara = QStringLiteral("扫描参数");
inline const QString kBright = QStringLiteral("亮度");
inline const QString kContrast = QStringLiteral("对比度");
inline const QString kShowNativeUI = QStringLiteral("使用扫描设备自带界面");
inline const QString kDeviceHint = QStringLiteral("提示：本电脑安装了多款扫描设备，请选择当前使用的扫描设备。");
inline const QString kShowSetting = QStringLiteral("扫描时显示本设置界面");

}  // namespace scanvo::acquisition_texts
