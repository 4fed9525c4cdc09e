#pragma once
// The command line of scanvo-clean: what to clean, how, and where the results go.

#include "platform/pdf/PdfExport.h"
#include "tools/common/ShardOptions.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace scanvo::clean {

// The steps a page goes through, in this order when chosen.
struct CleanSteps {
    bool binarize = false;     // grey and colour pages to black and white first
    bool deskew = false;
    bool borders = false;
    bool specks = false;       // despeckle and dot removal
    bool lines = false;
    bool holePunches = false;

    bool any() const { return binarize || deskew || borders || specks || lines || holePunches; }
};

struct CleanOptions {
    QStringList inputs;        // files and folders as given
    QString outputDir;         // empty with inPlace or pdfFile
    bool inPlace = false;
    QString pdfFile;           // one PDF of every cleaned page; the cleaned files are not kept
    pdf::PdfOptions pdf;       // how pdfFile is written
    CleanSteps steps;
    QString settingsFile;      // the scanvo.ini the step settings come from
    int jobs = 0;              // worker threads; 0 = one per processor
    int jpegQuality = 90;      // 1 ... 100, for pages written as JPEG
    tools::ShardOptions shard; // this task's part of the inputs, with -o only
    bool quiet = false;
    bool showHelp = false;
    bool showVersion = false;
};

// The result of reading the command line: the options, or the message of a usage error.
struct ParsedCommandLine {
    CleanOptions options;
    QString error;             // empty when the command line is sound
};

// arguments as QCoreApplication::arguments() gives them (the program name first).
// defaultSettingsFile is used when no --config is given.
ParsedCommandLine ParseCommandLine(const QStringList& arguments, const QString& defaultSettingsFile);

// Why a part of a run cannot be taken without -o: retries keep results newer than their files,
// and the task's record goes beside them.
inline const QString kShardNeedsFolder =
    QCoreApplication::translate("ToolTexts",
        "a part of a run writes into a folder: use -o DIR, not --in-place or --pdf");

// The text of --help and of --version.
QString HelpText();
QString VersionText();

}  // namespace scanvo::clean
