#pragma once
// The PDF export's settings, section "Export" of scanvo.ini: the languages a searchable export
// recognises and whether exports are PDF/A. They are read when an export starts and written by the
// export settings dialog alone, so a settings file that has never been through that dialog stays
// as it was and reads as the defaults.

#include <QString>
#include <QtGlobal>

#include <span>

namespace scanvo {

struct ExportSettings {
    QString Languages = QStringLiteral("chi_sim+eng");  // one of ExportLanguageChoices()
    qint16 PdfA = 1;                                    // 1 PDF/A-2b, 0 plain PDF
};

// The language settings the dialog offers, as Tesseract names them joined by '+', with the
// option's name and text.
struct ExportLanguageChoice {
    const char* languages;
    const char* name;  // objectName of its option button
    const char* text;  // UTF-8 source, in context "ExportSettings"
};
std::span<const ExportLanguageChoice> ExportLanguageChoices();

// The stored settings; a missing value, or one that is not a choice, reads as its default.
ExportSettings ReadExportSettings();
// Writes both keys at once.
void StoreExportSettings(const ExportSettings& settings);

}  // namespace scanvo
