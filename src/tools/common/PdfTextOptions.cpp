// Reading --ocr and --pdfa.
#include "tools/common/PdfTextOptions.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace scanvo::tools {

void ReadPdfTextOptions(const OptionTable& table, const QCommandLineParser& parser, int ocrId, int pdfaId,
                        pdf::PdfOptions* options, QString* error)
{
    options->pdfa = table.isSet(parser, pdfaId);
    options->ocr = table.isSet(parser, ocrId);
    if (!options->ocr)
        return;
    // Tesseract's language names: letters, digits and '_', joined by '+'.
    static const QRegularExpression languages(QStringLiteral(R"(^[A-Za-z0-9_]+(\+[A-Za-z0-9_]+)*$)"));
    options->languages = table.value(parser, ocrId);
    if (!languages.match(options->languages).hasMatch())
        *error = QCoreApplication::translate("ToolTexts",
            "invalid language list '%1' for --ocr (such as eng or eng+chi_sim)").arg(options->languages);
}

QString MissingLanguage(const pdf::PdfOptions& options)
{
    return options.ocr ? pdf::MissingLanguageMessage(options.languages) : QString();
}

}  // namespace scanvo::tools
