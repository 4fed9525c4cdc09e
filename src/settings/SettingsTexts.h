#pragma once
// The user-visible texts of the settings store and its dialogs.

#include "core/UiText.h"

#include <QString>

namespace scanvo::settings_texts {


// Numbers in the settings file that do not fit their key; %1 lists "Section.Key = text" lines.
inline constexpr UiText kOutOfRange = SCANVO_TEXT("SettingsTexts", "设置文件中以下数值超出范围，已改用默认值：\n%1　　");
// One line of kOutOfRange: %1 the setting, %2 the stored text, %3 the default.
inline constexpr UiText kOutOfRangeLine = SCANVO_TEXT("SettingsTexts", "%1 = %2（默认值 %3）");

inline constexpr UiText kViewOptionsCaption = SCANVO_TEXT("SettingsTexts", "界面显示设置");
inline constexpr UiText kUILayoutFrame = SCANVO_TEXT("SettingsTexts", "界面显示");
inline constexpr UiText kImagingBarAlignLabel = SCANVO_TEXT("SettingsTexts", "影像优化栏位置");
inline constexpr UiText kScanBarAlignLabel = SCANVO_TEXT("SettingsTexts", "扫描工具栏位置");
inline constexpr UiText kImagingButtonCaptionCheck = SCANVO_TEXT("SettingsTexts", "显示按钮标题");
inline constexpr UiText kImageFitStyleFrame = SCANVO_TEXT("SettingsTexts", "图像显示");
inline constexpr UiText kImageFitStyleLabel = SCANVO_TEXT("SettingsTexts", "图像显示方式");
inline constexpr UiText kSideTop = SCANVO_TEXT("SettingsTexts", "上边");
inline constexpr UiText kSideLeft = SCANVO_TEXT("SettingsTexts", "左边");
inline constexpr UiText kSideRight = SCANVO_TEXT("SettingsTexts", "右边");
inline constexpr UiText kFitActualSize = SCANVO_TEXT("SettingsTexts", "实际大小");
inline constexpr UiText kFitWindow = SCANVO_TEXT("SettingsTexts", "适合窗口");
inline constexpr UiText kFitWidth = SCANVO_TEXT("SettingsTexts", "适合宽度");
inline constexpr UiText kFitHeight = SCANVO_TEXT("SettingsTexts", "适合高度");

inline constexpr UiText kImageDirCaption = SCANVO_TEXT("SettingsTexts", "图像保存目录");
inline constexpr UiText kBrowseButton = SCANVO_TEXT("SettingsTexts", "浏览");
inline constexpr UiText kImageDirHint = SCANVO_TEXT("SettingsTexts", "提示：设定一个固定的目录来保存扫描或处理后的图像文件。");
inline constexpr UiText kBrowseTitle = SCANVO_TEXT("SettingsTexts", "选择保存目录：");
// Shown when the directory cannot be created: %1 the error number, %2 the error text.
inline const QString kCreateDirFailed = QStringLiteral("%1:%2    ");


// The export settings dialog.
inline constexpr UiText kExportOptionsCaption = SCANVO_TEXT("SettingsTexts", "导出设置");
inline constexpr UiText kExportLanguageFrame = SCANVO_TEXT("SettingsTexts", "可搜索 PDF 的识别语言");
inline constexpr UiText kExportPdfACheck = SCANVO_TEXT("SettingsTexts", "导出为 PDF/A（长期存档格式）");

}  // namespace scanvo::settings_texts
