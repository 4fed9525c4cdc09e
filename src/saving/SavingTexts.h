#pragma once
// Texts of page saving and of the compression options dialog, exactly as the user sees them
// (trailing blanks included).

#include "core/UiText.h"

#include <QString>

namespace scanvo::saving_texts {

// "存储错误，" + number + "," + description + three blanks.
inline constexpr UiText kSaveErrorBefore = SCANVO_TEXT("SavingTexts", "存储错误，");
inline const QString kSaveErrorAfter = QStringLiteral("   ");
// After the description of a damaged file that a write-back would replace.
inline constexpr UiText kDropUnreadablePagesQuestion = SCANVO_TEXT("SavingTexts", "\n\n仍要保存此页吗？保存后文件只保留可读出的页面。　　");

inline constexpr UiText kCompressCaption = SCANVO_TEXT("SavingTexts", "图像压缩设置");
inline constexpr UiText kTabTif1 = SCANVO_TEXT("SavingTexts", "TIF(黑白)");
inline constexpr UiText kTabTif2 = SCANVO_TEXT("SavingTexts", "TIF(彩色或灰度)");
inline constexpr UiText kTabJpg = SCANVO_TEXT("SavingTexts", "JPG(彩色)");
inline constexpr UiText kCompressFrame = SCANVO_TEXT("SavingTexts", "图像压缩格式");
inline constexpr UiText kQualityFrame = SCANVO_TEXT("SavingTexts", "图像质量");
inline constexpr UiText kQualityRange = SCANVO_TEXT("SavingTexts", "图像质量值必须在1-100之间！    ");

// Option captions by index, translated where they are shown.
inline const char* const kTif1CompressOptions[] = {
    "CCITT,GROUP 4", "CCITT,GROUP 3,2 DIM", "CCITT,GROUP 3,1 DIM", "CCITT", "LZW",
};
inline const char* const kTif2CompressOptions[] = {
    QT_TRANSLATE_NOOP("SavingTexts", "无压缩"), "JPEG YUV 4:4:4", "JPEG YUV 4:2:2", "JPEG YUV 4:1:1", "LZW",
};
inline const char* const kJpgCompressOptions[] = {
    QT_TRANSLATE_NOOP("SavingTexts", "无损 YUV 4:4:4"), QT_TRANSLATE_NOOP("SavingTexts", "有损 YUV 4:2:2"), QT_TRANSLATE_NOOP("SavingTexts", "有损 YUV 4:1:1"),
};
inline const char* const kQualityOptions[] = {
    QT_TRANSLATE_NOOP("SavingTexts", "最好的图像质量"), QT_TRANSLATE_NOOP("SavingTexts", "好的图像质量及较小的文件"), QT_TRANSLATE_NOOP("SavingTexts", "最小的文件"), QT_TRANSLATE_NOOP("SavingTexts", "自定义品质"),
};

}  // namespace scanvo::saving_texts
