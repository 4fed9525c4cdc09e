#pragma once
// The options that make a searchable or archival PDF, the same in every tool that writes one:
// --ocr LANG and --pdfa.

#include "platform/pdf/PdfExport.h"
#include "tools/common/OptionTable.h"

namespace scanvo::tools {

constexpr OptionRow OcrOptionRow(int id, const char* group)
{
    return {id, 0, "ocr", "LANG",
            QT_TRANSLATE_NOOP("ToolTexts", "add an invisible text layer recognised in LANG,\nso that the PDF can be searched (eng, chi_sim,\n"
            "eng+chi_sim)"),
            group};
}

constexpr OptionRow PdfaOptionRow(int id, const char* group)
{
    return {id, 'a', "pdfa", nullptr, QT_TRANSLATE_NOOP("ToolTexts", "write PDF/A-2b, for archives"), group};
}

// Reads --ocr and --pdfa into options; *error names a language list that is not one, such as
// "eng+" or "../x".
void ReadPdfTextOptions(const OptionTable& table, const QCommandLineParser& parser, int ocrId, int pdfaId,
                        pdf::PdfOptions* options, QString* error);

// The message for a recognition language that is not installed, naming its Debian package;
// empty when options need none or have all.
QString MissingLanguage(const pdf::PdfOptions& options);

}  // namespace scanvo::tools
