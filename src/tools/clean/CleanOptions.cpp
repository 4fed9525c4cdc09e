// Command-line options of scanvo-clean, declared once: the parser and --help both read the table.
#include "tools/clean/CleanOptions.h"

#include "tools/common/OptionTable.h"
#include "tools/common/PdfTextOptions.h"
#include "tools/common/ShardOptions.h"
#include "tools/common/ToolTexts.h"

#include <QCoreApplication>

namespace scanvo::clean {

namespace {

enum Opt {
    Borders, Specks, Lines, HolePunches, Deskew, Binarize, Output, InPlace, Pdf, Ocr, Pdfa, Shard, ShardCount,
    Force, Config, Jobs, JpegQuality, Quiet, Help, Version,
};

constexpr const char* kSteps =
    QT_TRANSLATE_NOOP("ToolTexts", "Cleanup steps (without any, every step but --binarize runs):");
constexpr const char* kOutput = QT_TRANSLATE_NOOP("ToolTexts", "Output (one of the three is required):");
constexpr const char* kPdf = QT_TRANSLATE_NOOP("ToolTexts", "With --pdf:");
constexpr const char* kShard = QT_TRANSLATE_NOOP("ToolTexts", "As one task of a cluster job (with -o):");
constexpr const char* kOther = QT_TRANSLATE_NOOP("ToolTexts", "Other options:");

constexpr tools::OptionRow kOptions[] = {
    {Opt::Borders, 'b', "borders", nullptr, QT_TRANSLATE_NOOP("ToolTexts", "remove black borders"), kSteps},
    {Opt::Specks, 's', "specks", nullptr, QT_TRANSLATE_NOOP("ToolTexts", "remove specks and dots"), kSteps},
    {Opt::Lines, 'l', "lines", nullptr, QT_TRANSLATE_NOOP("ToolTexts", "remove ruled lines"), kSteps},
    {Opt::HolePunches, 'p', "hole-punches", nullptr, QT_TRANSLATE_NOOP("ToolTexts", "remove hole punches"), kSteps},
    {Opt::Deskew, 'd', "deskew", nullptr, QT_TRANSLATE_NOOP("ToolTexts", "straighten skewed pages"), kSteps},
    {Opt::Binarize, 'B', "binarize", nullptr,
     QT_TRANSLATE_NOOP("ToolTexts", "turn grey and colour pages black and white first"), kSteps},
    {Opt::Output, 'o', "output", "DIR",
     QT_TRANSLATE_NOOP("ToolTexts", "write each result into DIR under its own file name"), kOutput},
    {Opt::InPlace, 'i', "in-place", nullptr,
     QT_TRANSLATE_NOOP("ToolTexts", "replace each file by its cleaned version"), kOutput},
    {Opt::Pdf, 0, "pdf", "FILE",
     QT_TRANSLATE_NOOP("ToolTexts", "write one PDF of every cleaned page to FILE;\nthe cleaned files are not kept"), kOutput},
    tools::OcrOptionRow(Opt::Ocr, kPdf),
    tools::PdfaOptionRow(Opt::Pdfa, kPdf),
    tools::ShardOptionRow(Opt::Shard, kShard),
    tools::ShardCountOptionRow(Opt::ShardCount, kShard),
    tools::ForceOptionRow(Opt::Force, kShard),
    {Opt::Config, 'c', "config", "FILE",
     QT_TRANSLATE_NOOP("ToolTexts", "read the step settings from FILE\n(default: the user's scanvo.ini)"), kOther},
    {Opt::Jobs, 'j', "jobs", "N",
     QT_TRANSLATE_NOOP("ToolTexts", "clean N files at a time (default: one per processor)"), kOther},
    {Opt::JpegQuality, 0, "jpeg-quality", "Q",
     QT_TRANSLATE_NOOP("ToolTexts", "quality 1-100 of pages written as JPEG (default: 90)"), kOther},
    {Opt::Quiet, 'q', "quiet", nullptr,
     QT_TRANSLATE_NOOP("ToolTexts", "show neither progress nor summary, only errors"), kOther},
    {Opt::Help, 'h', "help", nullptr, QT_TRANSLATE_NOOP("ToolTexts", "display this help and exit"), kOther},
    {Opt::Version, 'V', "version", nullptr,
     QT_TRANSLATE_NOOP("ToolTexts", "output version information and exit"), kOther},
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
    options.shard = tools::ReadShardOptions(kTable, parser, Opt::Shard, Opt::ShardCount, Opt::Force, &result.error);
    options.quiet = kTable.isSet(parser, Opt::Quiet);
    options.jobs = kTable.number(parser, Opt::Jobs, 1, 1024, 0, &result.error);
    options.jpegQuality = kTable.number(parser, Opt::JpegQuality, 1, 100, 90, &result.error);
    options.inputs = parser.positionalArguments();
    if (!result.error.isEmpty())
        return result;

    if (kTable.isSet(parser, Opt::Output) && options.outputDir.isEmpty())
        result.error = QCoreApplication::translate("ToolTexts", "the output folder name is empty");
    else if (kTable.isSet(parser, Opt::Pdf) && options.pdfFile.isEmpty())
        result.error = QCoreApplication::translate("ToolTexts", "the PDF file name is empty");
    else if (int(!options.outputDir.isEmpty()) + int(options.inPlace) + int(!options.pdfFile.isEmpty()) > 1)
        result.error = QCoreApplication::translate("ToolTexts", "--output, --in-place and --pdf exclude each other");
    else if (options.outputDir.isEmpty() && !options.inPlace && options.pdfFile.isEmpty())
        result.error = QCoreApplication::translate("ToolTexts",
            "no output given: use -o DIR, --in-place to replace the files, or --pdf FILE");
    else if (options.pdfFile.isEmpty() && (options.pdf.ocr || options.pdf.pdfa))
        result.error = QCoreApplication::translate("ToolTexts", "--ocr and --pdfa go with --pdf");
    else if (options.inputs.isEmpty())
        result.error = QCoreApplication::translate("ToolTexts", "no file or folder given");
    else if (options.outputDir.isEmpty() && (kTable.isSet(parser, Opt::Shard) || kTable.isSet(parser, Opt::ShardCount)))
        result.error = kShardNeedsFolder;
    return result;
}

QString HelpText()
{
    QString text = QCoreApplication::translate(
        "ToolTexts",
        "Usage: scanvo-clean [OPTION]... -o DIR FILE|FOLDER...\n"
        "  or:  scanvo-clean [OPTION]... --in-place FILE|FOLDER...\n"
        "  or:  scanvo-clean [OPTION]... --pdf FILE [--ocr LANG] [--pdfa] FILE|FOLDER...\n"
        "Clean up scanned pages in TIFF and JPEG files: remove borders, specks and\n"
        "dots, ruled lines and hole punches, straighten the pages and make them black\n"
        "and white. Each FILE, and each TIFF or JPEG file directly inside a FOLDER, is\n"
        "cleaned page by page. The settings of each step come from the user's\n"
        "scanvo.ini, as in the control.\n");
    text += kTable.help();
    text += QCoreApplication::translate(
        "ToolTexts",
        "\nThe filters take black and white pages: grey and colour pages are only\n"
        "straightened unless --binarize is given.\n"
        "A damaged file is reported and skipped; the others are cleaned all the same.\n"
        "With --pdf, a damaged file is reported and no PDF is written.\n"
        "A task of a Slurm job array takes its part of the inputs by itself; each part\n"
        "keeps the results newer than their files, and records each file as a line of\n"
        "JSON in DIR/scanvo-clean.shard-K-of-N.jsonl.\n");
    text += tools::ExitStatusHelp(QT_TRANSLATE_NOOP("ToolTexts", "every file was cleaned"),
        QT_TRANSLATE_NOOP("ToolTexts", "some file could not be cleaned (or the PDF not written)"));
    return text;
}

QString VersionText()
{
    return tools::VersionText("scanvo-clean");
}

}  // namespace scanvo::clean
