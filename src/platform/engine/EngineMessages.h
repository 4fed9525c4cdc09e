#pragma once
// The descriptions the engine's files and codecs put into EngineError, all in one place.
// Each names the file it concerns; a library's own message, when there is one, follows in brackets.

#include <QCoreApplication>
#include <QString>

namespace scanvo::engine::msg {

inline QString withDetail(QString text, const QString& detail)
{
    if (!detail.isEmpty())
        text += QCoreApplication::translate("EngineMessages", "（%1）").arg(detail);
    return text;
}

inline QString emptyPath() { return QCoreApplication::translate("EngineMessages", "文件名为空"); }
inline QString noImage() { return QCoreApplication::translate("EngineMessages", "没有图像"); }
inline QString pageChanged() { return QCoreApplication::translate("EngineMessages", "页面已在文件中被改变，无法读取原图"); }
inline QString unsupportedReduction(int n) { return QCoreApplication::translate("EngineMessages", "不支持的缩小比例：1/%1").arg(n); }
inline QString fileNotFound(const QString& path) { return QCoreApplication::translate("EngineMessages", "文件不存在：%1").arg(path); }
inline QString notARegularFile(const QString& path) { return QCoreApplication::translate("EngineMessages", "不是普通文件：%1").arg(path); }
inline QString emptyFile(const QString& path) { return QCoreApplication::translate("EngineMessages", "文件为空：%1").arg(path); }
inline QString cannotOpen(const QString& path, const QString& detail = {})
{
    return withDetail(QCoreApplication::translate("EngineMessages", "无法打开文件：%1").arg(path), detail);
}
inline QString notAnImage(const QString& path) { return QCoreApplication::translate("EngineMessages", "不是可识别的图像文件：%1").arg(path); }
inline QString notATiff(const QString& path) { return QCoreApplication::translate("EngineMessages", "不是 TIFF 文件，无法按页操作：%1").arg(path); }
inline QString corruptFile(const QString& path, const QString& detail = {})
{
    return withDetail(QCoreApplication::translate("EngineMessages", "文件已损坏或被截断：%1").arg(path), detail);
}
inline QString cannotWrite(const QString& path, const QString& detail = {})
{
    return withDetail(QCoreApplication::translate("EngineMessages", "无法写入文件：%1").arg(path), detail);
}
inline QString unsupportedPage(const QString& path, const QString& what)
{
    return QCoreApplication::translate("EngineMessages", "不支持的图像类型：%1（%2）").arg(path, what);
}
inline QString unknownFormatCode(int code) { return QCoreApplication::translate("EngineMessages", "不支持的图像格式代码：%1").arg(code); }
inline QString unknownSaveMode(int mode) { return QCoreApplication::translate("EngineMessages", "不支持的存储方式：%1").arg(mode); }
inline QString unsupportedBits(int bits) { return QCoreApplication::translate("EngineMessages", "不支持的颜色深度：%1").arg(bits); }
inline QString jpegSinglePage() { return QCoreApplication::translate("EngineMessages", "JPEG 文件只能存放一页图像"); }
inline QString pageOutOfRange(int page, int count)
{
    return QCoreApplication::translate("EngineMessages", "页码超出范围：第 %1 页（共 %2 页）").arg(page).arg(count);
}
inline QString cannotDeleteOnlyPage(const QString& path)
{
    return QCoreApplication::translate("EngineMessages", "不能删除文件中唯一的一页：%1").arg(path);
}
inline QString conversionFailed() { return QCoreApplication::translate("EngineMessages", "图像颜色深度转换失败"); }
inline QString encodeFailed(const QString& detail = {})
{
    return withDetail(QCoreApplication::translate("EngineMessages", "图像编码失败"), detail);
}
inline QString outOfMemory() { return QCoreApplication::translate("EngineMessages", "内存不足"); }
// Details of cannotWrite() for a target the user may not change.
inline QString readOnlyFile() { return QCoreApplication::translate("EngineMessages", "文件只读"); }
inline QString readOnlyDirectory() { return QCoreApplication::translate("EngineMessages", "所在目录只读"); }
// A multi-page file whose chain of pages breaks off after the readable ones.
inline QString pagesLost(const QString& path, int readable)
{
    return QCoreApplication::translate("EngineMessages", "文件已损坏，只能读出前 %1 页，其后的页面无法读取：%2").arg(readable).arg(path);
}
inline QString editWouldDropPages(const QString& path, int readable)
{
    return QCoreApplication::translate("EngineMessages", "文件已损坏，只能读出前 %1 页；改写此文件将丢失其后无法读取的页面：%2").arg(readable).arg(path);
}

// Details of a damaged TIFF page, put in brackets after corruptFile().
inline QString missingImageSize() { return QCoreApplication::translate("EngineMessages", "缺少图像尺寸"); }
inline QString missingStripSizes() { return QCoreApplication::translate("EngineMessages", "缺少条带长度"); }
inline QString invalidStripSize() { return QCoreApplication::translate("EngineMessages", "条带长度无效"); }
inline QString badStrip(int strip) { return QCoreApplication::translate("EngineMessages", "第 %1 条带").arg(strip); }
inline QString stripOutsideFile(int strip) { return QCoreApplication::translate("EngineMessages", "第 %1 条带超出文件末尾").arg(strip); }
inline QString dataCannotFillImage() { return QCoreApplication::translate("EngineMessages", "图像数据不足以填满所声明的尺寸"); }

}  // namespace scanvo::engine::msg
