#pragma once
// Texts of page saving and of the compression options dialog, exactly as the user sees them
// (trailing blanks included).

#include <QString>

namespace scanvo::saving_texts {

// "存储错误，" + number + "," + description + three blanks.
inline const QString kSaveErrorBefore = QStringLiteral("存储错误，");
inline const QString kSaveErrorAfter = QStringLiteral("   ");
// After the description of a damaged file that a write-back would replace.
inline const QString kDropUnreadablePagesQuestion = QStringLiteral("\n\n仍要保存此页吗？保存后文件只保留可读出的页面。　　");

inline const QString kCompressCaption = QStringLiteral("图像压缩设置");
inline const QString kTabTif1 = QStringLiteral("TIF(黑白)");
inline const QString kTabTif2 = QStringLiteral("TIF(彩色或灰度)");
inline const QString kTabJpg = QStringLiteral("JPG(彩色)");
inline const QString kCompressFrame = QStringLiteral("图像压缩格式");
inline const QString kQualityFrame = QStringLiteral("图像质量");
inline const QString kQualityRange = QStringLiteral("图像质量值必须在1-100之间！    ");

// Option captions by index.
inline const char* const kTif1CompressOptions[] = {
    "CCITT,GROUP 4", "CCITT,GROUP 3,2 DIM", "CCITT,GROUP 3,1 DIM", "CCITT", "LZW",
};
inline const char* const kTif2CompressOptions[] = {
    "无压缩", "JPEG YUV 4:4:4", "JPEG YUV 4:2:2", "JPEG YUV 4:1:1", "LZW",
};
inline const char* const kJpgCompressOptions[] = {
    "无损 YUV 4:4:4", "有损 YUV 4:2:2", "有损 YUV 4:1:1",
};
inline const char* const kQualityOptions[] = {
    "最好的图像质量", "好的图像质量及较小的文件", "最小的文件", "自定义品质",
};

}  // namespace scanvo::saving_texts
