// Command-line options of scanvo-clean, declared once: the parser and --help both read the table.
#include "tools/clean/CleanOptions.h"

#include <QCommandLineParser>

#include <span>

namespace scanvo::clean {

namespace {

enum class Opt {
    Borders, Specks, Lines, HolePunches, Deskew, Binarize, Output, InPlace, Config, Jobs, JpegQuality, Quiet,
    Help, Version,
};

struct OptionRow {
    Opt id;
    char shortName;           // 0 for none
    const char* longName;
    const char* valueName;    // nullptr for a flag
    const char* description;
    const char* group;        // the heading it is listed under in --help
};

constexpr const char* kSteps = "Cleanup steps (without any, every step but --binarize runs):";
constexpr const char* kOutput = "Output (one of the two is required):";
constexpr const char* kOther = "Other options:";

constexpr OptionRow kOptions[] = {
    {Opt::Borders, 'b', "borders", nullptr, "remove black borders", kSteps},
    {Opt::Specks, 's', "specks", nullptr, "remove specks and dots", kSteps},
    {Opt::Lines, 'l', "lines", nullptr, "remove ruled lines", kSteps},
    {Opt::HolePunches, 'p', "hole-punches", nullptr, "remove hole punches", kSteps},
    {Opt::Deskew, 'd', "deskew", nullptr, "straighten skewed pages", kSteps},
    {Opt::Binarize, 'B', "binarize", nullptr, "turn grey and colour pages black and white first", kSteps},
    {Opt::Output, 'o', "output", "DIR", "write each result into DIR under its own file name", kOutput},
    {Opt::InPlace, 'i', "in-place", nullptr, "replace each file by its cleaned version", kOutput},
    {Opt::Config, 'c', "config", "FILE", "read the step settings from FILE\n(default: the user's scanvo.ini)", kOther},
    {Opt::Jobs, 'j', "jobs", "N", "clean N files at a time (default: one per processor)", kOther},
    {Opt::JpegQuality, 0, "jpeg-quality", "Q", "quality 1-100 of pages written as JPEG (default: 90)", kOther},
    {Opt::Quiet, 'q', "quiet", nullptr, "show neither progress nor summary, only errors", kOther},
    {Opt::Help, 'h', "help", nullptr, "display this help and exit", kOther},
    {Opt::Version, 'V', "version", nullptr, "output version information and exit", kOther},
};

QCommandLineOption OptionOf(const OptionRow& row)
{
    QStringList names;
    if (row.shortName != 0)
        names << QString(QLatin1Char(row.shortName));
    names << QString::fromLatin1(row.longName);
    QCommandLineOption option(names);
    if (row.valueName)
        option.setValueName(QString::fromLatin1(row.valueName));
    return option;
}

const OptionRow& RowOf(Opt id)
{
    for (const OptionRow& row : kOptions) {
        if (row.id == id)
            return row;
    }
    Q_UNREACHABLE();
}

bool IsSet(const QCommandLineParser& parser, Opt id)
{
    return parser.isSet(QString::fromLatin1(RowOf(id).longName));
}

QString ValueOf(const QCommandLineParser& parser, Opt id)
{
    return parser.value(QString::fromLatin1(RowOf(id).longName));
}

// A whole number in min ... max, or an error naming the option.
int NumberOption(const QCommandLineParser& parser, Opt id, int min, int max, int fallback, QString* error)
{
    if (!IsSet(parser, id))
        return fallback;
    bool ok = false;
    const int value = ValueOf(parser, id).toInt(&ok);
    if (!ok || value < min || value > max) {
        *error = QStringLiteral("invalid value '%1' for --%2 (%3 to %4)")
                     .arg(ValueOf(parser, id), QString::fromLatin1(RowOf(id).longName))
                     .arg(min)
                     .arg(max);
        return fallback;
    }
    return value;
}

}  // namespace

ParsedCommandLine ParseCommandLine(const QStringList& arguments, const QString& defaultSettingsFile)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    for (const OptionRow& row : kOptions)
        parser.addOption(OptionOf(row));

    ParsedCommandLine result;
    CleanOptions& options = result.options;
    if (!parser.parse(arguments)) {
        result.error = parser.errorText();
        return result;
    }
    options.showHelp = IsSet(parser, Opt::Help);
    options.showVersion = IsSet(parser, Opt::Version);
    if (options.showHelp || options.showVersion)
        return result;

    options.steps.borders = IsSet(parser, Opt::Borders);
    options.steps.specks = IsSet(parser, Opt::Specks);
    options.steps.lines = IsSet(parser, Opt::Lines);
    options.steps.holePunches = IsSet(parser, Opt::HolePunches);
    options.steps.deskew = IsSet(parser, Opt::Deskew);
    options.steps.binarize = IsSet(parser, Opt::Binarize);
    if (!options.steps.any()) {
        // Binarising changes what a page is, not only how clean it is: only on request.
        options.steps = {false, true, true, true, true, true};
    }
    options.outputDir = ValueOf(parser, Opt::Output);
    options.inPlace = IsSet(parser, Opt::InPlace);
    options.settingsFile = IsSet(parser, Opt::Config) ? ValueOf(parser, Opt::Config) : defaultSettingsFile;
    options.quiet = IsSet(parser, Opt::Quiet);
    options.jobs = NumberOption(parser, Opt::Jobs, 1, 1024, 0, &result.error);
    options.jpegQuality = NumberOption(parser, Opt::JpegQuality, 1, 100, 90, &result.error);
    options.inputs = parser.positionalArguments();
    if (!result.error.isEmpty())
        return result;

    if (IsSet(parser, Opt::Output) && options.outputDir.isEmpty())
        result.error = QStringLiteral("the output folder name is empty");
    else if (!options.outputDir.isEmpty() && options.inPlace)
        result.error = QStringLiteral("--output and --in-place exclude each other");
    else if (options.outputDir.isEmpty() && !options.inPlace)
        result.error = QStringLiteral("no output folder given: use -o DIR, or --in-place to replace the files");
    else if (options.inputs.isEmpty())
        result.error = QStringLiteral("no file or folder given");
    return result;
}

QString HelpText()
{
    QString text = QStringLiteral(
        "Usage: scanvo-clean [OPTION]... -o DIR FILE|FOLDER...\n"
        "  or:  scanvo-clean [OPTION]... --in-place FILE|FOLDER...\n"
        "Clean up scanned pages in TIFF and JPEG files: remove borders, specks and\n"
        "dots, ruled lines and hole punches, straighten the pages and make them black\n"
        "and white. Each FILE, and each TIFF or JPEG file directly inside a FOLDER, is\n"
        "cleaned page by page. The settings of each step come from the user's\n"
        "scanvo.ini, as in the control.\n");
    const char* group = nullptr;
    for (const OptionRow& row : kOptions) {
        if (row.group != group) {
            group = row.group;
            text += u'\n' + QString::fromLatin1(group) + u'\n';
        }
        QString names = row.shortName ? QStringLiteral("  -%1, ").arg(QLatin1Char(row.shortName)) : QStringLiteral("      ");
        names += QStringLiteral("--") + QString::fromLatin1(row.longName);
        if (row.valueName)
            names += u'=' + QString::fromLatin1(row.valueName);
        const QStringList lines = QString::fromLatin1(row.description).split(u'\n');
        for (int i = 0; i < lines.size(); ++i)
            text += (i == 0 ? names : QString()).leftJustified(28) + lines[i] + u'\n';
    }
    text += QStringLiteral(
        "\nThe filters take black and white pages: grey and colour pages are only\n"
        "straightened unless --binarize is given.\n"
        "A damaged file is reported and skipped; the others are cleaned all the same.\n"
        "\nExit status:\n"
        " 0  if every file was cleaned,\n"
        " 1  if some file could not be cleaned,\n"
        " 2  if the command line was wrong.\n");
    return text;
}

QString VersionText()
{
    return QStringLiteral("scanvo-clean %1\n").arg(QStringLiteral(SCANVO_VERSION));
}

}  // namespace scanvo::clean
