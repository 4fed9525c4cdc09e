#pragma once
// The descriptions the PDF export puts into EngineError, all in one place.

#include <QCoreApplication>
#include <QString>

namespace scanvo::pdf::msg {

inline QString noPages() { return QCoreApplication::translate("PdfMessages", "没有要导出的页面"); }
// A page that cannot be read: its file and page, then what the engine found.
inline QString pageUnreadable(const QString& path, int page, const QString& detail)
{
    return QCoreApplication::translate("PdfMessages", "无法导出 %1 第 %2 页：%3").arg(path).arg(page).arg(detail);
}
inline QString missingLanguage(const QString& language, const QString& package)
{
    return QCoreApplication::translate("PdfMessages", "未安装文字识别语言 %1，请安装软件包 %2").arg(language, package);
}
inline QString recognitionFailed(const QString& path, int page)
{
    return QCoreApplication::translate("PdfMessages", "文字识别失败：%1 第 %2 页").arg(path).arg(page);
}
inline QString pdfFailed(const QString& target, const QString& detail)
{
    return QCoreApplication::translate("PdfMessages", "无法生成 PDF 文件：%1（%2）").arg(target, detail);
}
inline QString missingProfile(const QString& path)
{
    return QCoreApplication::translate("PdfMessages", "缺少 PDF/A 所需的 sRGB 色彩配置文件：%1").arg(path);
}

}  // namespace scanvo::pdf::msg
