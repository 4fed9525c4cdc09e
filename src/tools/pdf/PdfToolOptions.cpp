// Command-line options of scanvo-pdf, declared once: the parser and --help both read the table.
#include "tools/pdf/PdfToolOptions.h"

#include "tools/common/OptionTable.h"
#include "tools/common/PdfTextOptions.h"
#include "tools/common/ShardOptions.h"
#include "tools/common/ToolTexts.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace scanvo::pdftool {

namespace {

enum Opt { Output, Ocr, Pdfa, Shard, ShardCount, Force, Jobs, Quiet, Help, Version };

constexpr const char* kOutput = QT_TRANSLATE_NOOP("ToolTexts", "Output (required):");
constexpr const char* kText = QT_TRANSLATE_NOOP("ToolTexts", "Text and archiving:");
constexpr const char* kShard = QT_TRANSLATE_NOOP("ToolTexts", "As one task of a cluster job (with -o DIR/):");
constexpr const char* kOther = QT_TRANSLATE_NOOP("ToolTexts", "Other options:");

constexpr tools::OptionRow kOptions[] = {
    {Opt::Output, 'o', "output", "OUT",
     QT_TRANSLATE_NOOP("ToolTexts", "write one PDF of every page to OUT; when OUT is\na folder (or ends in '/'), one PDF for each FILE\n"
     "and FOLDER into it, named after it"),
     kOutput},
    tools::OcrOptionRow(Opt::Ocr, kText),
    tools::PdfaOptionRow(Opt::Pdfa, kText),
    tools::ShardOptionRow(Opt::Shard, kShard),
    tools::ShardCountOptionRow(Opt::ShardCount, kShard),
    tools::ForceOptionRow(Opt::Force, kShard),
    {Opt::Jobs, 'j', "jobs", "N",
     QT_TRANSLATE_NOOP("ToolTexts", "prepare and recognise N pages at a time\n(default: one per processor)"), kOther},
    {Opt::Quiet, 'q', "quiet", nullptr,
     QT_TRANSLATE_NOOP("ToolTexts", "show neither progress nor summary, only errors"), kOther},
    {Opt::Help, 'h', "help", nullptr, QT_TRANSLATE_NOOP("ToolTexts", "display this help and exit"), kOther},
    {Opt::Version, 'V', "version", nullptr,
     QT_TRANSLATE_NOOP("ToolTexts", "output version information and exit"), kOther},
};

const tools::OptionTable kTable(kOptions);

}  // namespace

ParsedCommandLine ParseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    ParsedCommandLine result;
    PdfToolOptions& options = result.options;
    if (!kTable.parse(parser, arguments)) {
        result.error = parser.errorText();
        return result;
    }
    options.showHelp = kTable.isSet(parser, Opt::Help);
    options.showVersion = kTable.isSet(parser, Opt::Version);
    if (options.showHelp || options.showVersion)
        return result;

    options.output = kTable.value(parser, Opt::Output);
    options.shard = tools::ReadShardOptions(kTable, parser, Opt::Shard, Opt::ShardCount, Opt::Force, &result.error);
    options.quiet = kTable.isSet(parser, Opt::Quiet);
    options.pdf.threads = kTable.number(parser, Opt::Jobs, 1, 1024, 0, &result.error);
    tools::ReadPdfTextOptions(kTable, parser, Opt::Ocr, Opt::Pdfa, &options.pdf, &result.error);
    options.inputs = parser.positionalArguments();
    if (!result.error.isEmpty())
        return result;

    if (options.output.isEmpty())
        result.error = QCoreApplication::translate("ToolTexts",
            "no output given: use -o OUT.pdf, or -o DIR/ for one PDF per input");
    else if (options.inputs.isEmpty())
        result.error = QCoreApplication::translate("ToolTexts", "no file or folder given");
    else if (!IsFolderOutput(options.output) && (kTable.isSet(parser, Opt::Shard) || kTable.isSet(parser, Opt::ShardCount)))
        result.error = kShardNeedsFolder;
    return result;
}

bool IsFolderOutput(const QString& output)
{
    return output.endsWith(u'/') || QFileInfo(output).isDir();
}

QString HelpText()
{
    QString text = QCoreApplication::translate(
        "ToolTexts",
        "Usage: scanvo-pdf [OPTION]... -o OUT.pdf FILE|FOLDER...\n"
        "  or:  scanvo-pdf [OPTION]... -o DIR/ FILE|FOLDER...\n"
        "Put scanned pages of TIFF and JPEG files into PDF files. Each FILE, and each\n"
        "TIFF or JPEG file directly inside a FOLDER in name order, gives its pages,\n"
        "every page of a multi-page TIFF file. G4 and JPEG pages go in as they are\n"
        "stored; other pages are compressed without loss.\n");
    text += kTable.help();
    text += QCoreApplication::translate(
        "ToolTexts",
        "\nA PDF with a damaged page is not written: the page is named and the other\n"
        "PDFs are written all the same. An interrupted run leaves no half-written PDF.\n"
        "A task of a Slurm job array takes its part of the inputs by itself; each part\n"
        "keeps the PDF files newer than their pages, and records each as a line of\n"
        "JSON in DIR/scanvo-pdf.shard-K-of-N.jsonl.\n");
    text += tools::ExitStatusHelp(QT_TRANSLATE_NOOP("ToolTexts", "every PDF was written"),
        QT_TRANSLATE_NOOP("ToolTexts", "some PDF could not be written"));
    return text;
}

QString VersionText()
{
    return tools::VersionText("scanvo-pdf");
}

}  // namespace scanvo::pdftool
