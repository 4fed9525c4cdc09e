#pragma once
// The user-visible texts of the settings store and its dialogs.

#include <QString>

namespace scanvo::settings_texts {


// Numbers in the settings file that do not fit their key; %1 lists "Section.Key = text" lines.
inline const QString kOutOfRange =
    QStringLiteral("设置文件中以下数值超出范围，已改用默认值：\n%1　　");
// One line of kOutOfRange: %1 the setting, %2 the stored text, %3 the default.
inline const QString kOutOfRangeLine = QStringLiteral("%1 = %2（默认值 %3）");

inline const QString kViewOptionsCaption = QStringLiteral("界面显示设置");
inline const QString kUILayoutFrame = QStringLiteral("界面显示");
inline const QString kImagingBarAlignLabel = QStringLiteral("影像优化栏位置");
inline const QString kScanBarAlignLabel = QStringLiteral("扫描工具栏位置");
inline const QString kImagingButtonCaptionCheck = QStringLiteral("显示按钮标题");
inline const QString kImageFitStyleFrame = QStringLiteral("图像显示");
inline const QString kImageFitStyleLabel = QStringLiteral("图像显示方式");
inline const QString kSideTop = QStringLiteral("上边");
inline const QString kSideLeft = QStringLiteral("左边");
inline const QString kSideRight = QStringLiteral("右边");
inline const QString kFitActualSize = QStringLiteral("实际大小");
inline const QString kFitWindow = QStringLiteral("适合窗口");
inline const QString kFitWidth = QStringLiteral("适合宽度");
inline const QString kFitHeight = QStringLiteral("适合高度");

inline const QString kImageDirCaption = QStringLiteral("图像保存目录");
inline const QString kBrowseButton = QStringLiteral("浏览");
inline const QString kImageDirHint = QStringLiteral("提示：设定一个固定的目录来保存扫描或处理后的图像文件。");
inline const QString kBrowseTitle = QStringLiteral("选择保存目录：");
// Shown when the directory cannot be created: %1 the error number, %2 the error text.
inline const QString kCreateDirFailed = QStringLiteral("%1:%2    ");


// The export settings dialog.
inline const QString kExportOptionsCaption = QStringLiteral("导出设置");
inline const QString kExportLanguageFrame = QStringLiteral("可搜索 PDF 的识别语言");
inline const QString kExportPdfACheck = QStringLiteral("导出为 PDF/A（长期存档格式）");

}  // namespace scanvo::settings_texts
