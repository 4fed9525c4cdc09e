// Command-line options of scanvo-clean, declared once: the parser and --help both read the table.
#include "tools/clean/CleanOptions.h"

#include "tools/common/OptionTable.h"
#include "tools/common/PdfTextOptions.h"
#include "tools/common/ToolTexts.h"

namespace scanvo::clean {

namespace {

enum Opt {
    Borders, Specks, Lines, HolePunches, Deskew, Binarize, Output, InPlace, Pdf, Ocr, Pdfa, Config, Jobs,
    JpegQuality, Quiet, Help, Version,
};

constexpr const char* kSteps = "Cleanup steps (without any, every step but --binarize runs):";
constexpr const char* kOutput = "Output (one of the three is required):";
constexpr const char* kPdf = "With --pdf:";
constexpr const char* kOther = "Other options:";

constexpr tools::OptionRow kOptions[] = {
    {Opt::Borders, 'b', "borders", nullptr, "remove black borders", kSteps},
    {Opt::Specks, 's', "specks", nullptr, "remove specks and dots", kSteps},
    {Opt::Lines, 'l', "lines", nullptr, "remove ruled lines", kSteps},
    {Opt::HolePunches, 'p', "hole-punches", nullptr, "remove hole punches", kSteps},
    {Opt::Deskew, 'd', "deskew", nullptr, "straighten skewed pages", kSteps},
    {Opt::Binarize, 'B', "binarize", nullptr, "turn grey and colour pages black and white first", kSteps},
    {Opt::Output, 'o', "output", "DIR", "write each result into DIR under its own file name", kOutput},
    {Opt::InPlace, 'i', "in-place", nullptr, "replace each file by its cleaned version", kOutput},
    {Opt::Pdf, 0, "pdf", "FILE", "write one PDF of every cleaned page to FILE;\nthe cleaned files are not kept", kOutput},
    tools::OcrOptionRow(Opt::Ocr, kPdf),
    tools::PdfaOptionRow(Opt::Pdfa, kPdf),
    {Opt::Config, 'c', "config", "FILE", "read the step settings from FILE\n(default: the user's scanvo.ini)", kOther},
    {Opt::Jobs, 'j', "jobs", "N", "clean N files at a time (default: one per processor)", kOther},
    {Opt::JpegQuality, 0, "jpeg-quality", "Q", "quality 1-100 of pages written as JPEG (default: 90)", kOther},
    {Opt::Quiet, 'q', "quiet", nullptr, "show neither progress nor summary, only errors", kOther},
    {Opt::Help, 'h', "help", nullptr, "display this help and exit", kOther},
    {Opt::Version, 'V', "version", nullptr, "output version information and exit", kOther},
};

const tools::OptionTable kTable(kOptions);

}  // namespace

ParsedCommandLine ParseCommandLine(const QStringList& arguments, const QString& defaultSettingsFile)
{
    QCommandLineParser parser;
    ParsedCommandLine result;
    CleanOptions& options = result.options;
    if (!kTable.parse(parser, arguments)) {
        result.error = parser.errorText();
        return result;
    }
    options.showHelp = kTable.isSet(parser, Opt::Help);
    options.showVersion = kTable.isSet(parser, Opt::Version);
    if (options.showHelp || options.showVersion)
        return result;

    options.steps.borders = kTable.isSet(parser, Opt::Borders);
    options.steps.specks = kTable.isSet(parser, Opt::Specks);
    options.steps.lines = kTable.isSet(parser, Opt::Lines);
    options.steps.holePunches = kTable.isSet(parser, Opt::HolePunches);
    options.steps.deskew = kTable.isSet(parser, Opt::Deskew);
    options.steps.binarize = kTable.isSet(parser, Opt::Binarize);
    if (!options.steps.any()) {
        // Binarising changes what a page is, not only how clean it is: only on request.
        options.steps = {false, true, true, true, true, true};
    }
    options.outputDir = kTable.value(parser, Opt::Output);
    options.inPlace = kTable.isSet(parser, Opt::InPlace);
    options.pdfFile = kTable.value(parser, Opt::Pdf);
    tools::ReadPdfTextOptions(kTable, parser, Opt::Ocr, Opt::Pdfa, &options.pdf, &result.error);
    options.settingsFile = kTable.isSet(parser, Opt::Config) ? kTable.value(parser, Opt::Config) : defaultSettingsFile;
    options.quiet = kTable.isSet(parser, Opt::Quiet);
    options.jobs = kTable.number(parser, Opt::Jobs, 1, 1024, 0, &result.error);
    options.jpegQuality = kTable.number(parser, Opt::JpegQuality, 1, 100, 90, &result.error);
    options.inputs = parser.positionalArguments();
    if (!result.error.isEmpty())
        return result;

    if (kTable.isSet(parser, Opt::Output) && options.outputDir.isEmpty())
        result.error = QStringLiteral("the output folder name is empty");
    else if (kTable.isSet(parser, Opt::Pdf) && options.pdfFile.isEmpty())
        result.error = QStringLiteral("the PDF file name is empty");
    else if (int(!options.outputDir.isEmpty()) + int(options.inPlace) + int(!options.pdfFile.isEmpty()) > 1)
        result.error = QStringLiteral("--output, --in-place and --pdf exclude each other");
    else if (options.outputDir.isEmpty() && !options.inPlace && options.pdfFile.isEmpty())
        result.error = QStringLiteral("no output given: use -o DIR, --in-place to replace the files, or --pdf FILE");
    else if (options.pdfFile.isEmpty() && (options.pdf.ocr || options.pdf.pdfa))
        result.error = QStringLiteral("--ocr and --pdfa go with --pdf");
    else if (options.inputs.isEmpty())
        result.error = QStringLiteral("no file or folder given");
    return result;
}

QString HelpText()
{
    QString text = QStringLiteral(
        "Usage: scanvo-clean [OPTION]... -o DIR FILE|FOLDER...\n"
        "  or:  scanvo-clean [OPTION]... --in-place FILE|FOLDER...\n"
        "  or:  scanvo-clean [OPTION]... --pdf FILE [--ocr LANG] [--pdfa] FILE|FOLDER...\n"
        "Clean up scanned pages in TIFF and JPEG files: remove borders, specks and\n"
        "dots, ruled lines and hole punches, straighten the pages and make them black\n"
        "and white. Each FILE, and each TIFF or JPEG file directly inside a FOLDER, is\n"
        "cleaned page by page. The settings of each step come from the user's\n"
        "scanvo.ini, as in the control.\n");
    text += kTable.help();
    text += QStringLiteral(
        "\nThe filters take black and white pages: grey and colour pages are only\n"
        "straightened unless --binarize is given.\n"
        "A damaged file is reported and skipped; the others are cleaned all the same.\n"
        "With --pdf, a damaged file is reported and no PDF is written.\n");
    text += tools::ExitStatusHelp("every file was cleaned", "some file could not be cleaned (or the PDF not written)");
    return text;
}

QString VersionText()
{
    return tools::VersionText("scanvo-clean");
}

}  // namespace scanvo::clean
