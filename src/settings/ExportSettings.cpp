// Reading and writing the export settings.
#include "settings/ExportSettings.h"

#include "core/IniNumber.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"

namespace scanvo {

namespace {

const QString kSection = QStringLiteral("Export");
const QString kLanguagesKey = QStringLiteral("Languages");
const QString kPdfAKey = QStringLiteral("PdfA");

constexpr ExportLanguageChoice kLanguageChoices[] = {
    {"chi_sim+eng", "optChineseEnglish", QT_TRANSLATE_NOOP("ExportSettings", "简体中文和英文")},
    {"chi_sim", "optChinese", QT_TRANSLATE_NOOP("ExportSettings", "简体中文")},
    {"eng", "optEnglish", QT_TRANSLATE_NOOP("ExportSettings", "英文")},
};

bool IsLanguageChoice(const QString& languages)
{
    for (const ExportLanguageChoice& choice : kLanguageChoices) {
        if (languages == QLatin1String(choice.languages))
            return true;
    }
    return false;
}

}  // namespace

std::span<const ExportLanguageChoice> ExportLanguageChoices()
{
    return kLanguageChoices;
}

ExportSettings ReadExportSettings()
{
    ExportSettings settings;
    const QString file = IniFilePath();
    const QString languages = GetIniString(file, kSection, kLanguagesKey).trimmed();
    if (IsLanguageChoice(languages))
        settings.Languages = languages;
    const QString pdfA = GetIniString(file, kSection, kPdfAKey);
    if (!pdfA.isEmpty())
        settings.PdfA = IniNumber16(pdfA) != 0 ? 1 : 0;
    return settings;
}

void StoreExportSettings(const ExportSettings& settings)
{
    WriteSetting(kSection, kLanguagesKey, settings.Languages);
    WriteSetting(kSection, kPdfAKey, QString::number(settings.PdfA));
}

}  // namespace scanvo
