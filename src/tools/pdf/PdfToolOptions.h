#pragma once
// The command line of scanvo-pdf: which pages, which PDF files, and how they are written.

#include "platform/pdf/PdfExport.h"
#include "tools/common/ShardOptions.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace scanvo::pdftool {

struct PdfToolOptions {
    QStringList inputs;        // files and folders as given
    QString output;            // one PDF, or a folder for one PDF per input (see IsFolderOutput)
    pdf::PdfOptions pdf;       // text layer, PDF/A and threads
    tools::ShardOptions shard; // this task's part of the inputs, with a folder output only
    bool quiet = false;
    bool showHelp = false;
    bool showVersion = false;
};

struct ParsedCommandLine {
    PdfToolOptions options;
    QString error;             // empty when the command line is sound
};

// arguments as QCoreApplication::arguments() gives them (the program name first).
ParsedCommandLine ParseCommandLine(const QStringList& arguments);

// Whether output names a folder to write one PDF per input into: it ends in '/' or is a folder.
bool IsFolderOutput(const QString& output);

// Why a part of a run cannot be taken without a folder output: retries keep PDF files newer than
// their pages, and the task's record goes beside them.
inline const QString kShardNeedsFolder =
    QCoreApplication::translate("ToolTexts", "a part of a run writes one PDF per input: use -o DIR/");

// The text of --help and of --version.
QString HelpText();
QString VersionText();

}  // namespace scanvo::pdftool
