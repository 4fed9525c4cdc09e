// scanvo-clean: the control's cleanup commands over files and folders of scanned pages.
#include "settings/CleanupSettings.h"
#include "settings/Settings.h"
#include "tools/clean/BatchRun.h"
#include "tools/clean/CleanOptions.h"
#include "tools/clean/CleanShard.h"
#include "tools/clean/CleanTargets.h"
#include "tools/common/DocumentRun.h"
#include "tools/common/PdfTextOptions.h"
#include "tools/common/ProgressBar.h"
#include "tools/common/ShardTask.h"
#include "tools/common/ToolTexts.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>
#include <optional>

using namespace scanvo;
using namespace scanvo::clean;
using scanvo::tools::ProgressBar;

namespace {

constexpr const char* kProgram = "scanvo-clean";

void PrintError(const QString& text)
{
    tools::PrintError(kProgram, text);
}

// The engine's quality factor that writes JPEG quality q.
int QualityFactorOf(int jpegQuality)
{
    return int(std::lround(250.0 - 2.5 * jpegQuality));
}

// The PDF of every cleaned page, in the order of targets, all of which were cleaned.
int WriteCleanedPdf(const std::vector<CleanTarget>& targets, const CleanOptions& options)
{
    tools::PdfDocument document;
    document.target = options.pdfFile;
    for (const CleanTarget& target : targets)
        document.files << target.result;
    pdf::PdfOptions pdfOptions = options.pdf;
    pdfOptions.threads = options.jobs;
    tools::ProgressBar bar;
    const tools::RunResult result = tools::WriteDocuments({document}, pdfOptions, [&](const BatchProgress& progress) {
        if (!options.quiet)
            bar.show(progress);
    });
    bar.clear();
    const tools::DocumentOutcome& outcome = result.documents.front();
    if (!outcome.error.isEmpty()) {
        PrintError(QCoreApplication::translate("ToolTexts", "%1: %2; not written").arg(options.pdfFile, outcome.error));
        return tools::kExitSomeFailed;
    }
    if (!options.quiet)
        std::fputs(qPrintable(QCoreApplication::translate("ToolTexts", "%1 pages written to %2 in %3 s.\n")
                                  .arg(outcome.pages)
                                  .arg(options.pdfFile)
                                  .arg(result.seconds, 0, 'f', 1)),
                   stdout);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    tools::ChooseToolLanguage();
    const ParsedCommandLine parsed = ParseCommandLine(QCoreApplication::arguments(), IniFilePath());
    const CleanOptions& options = parsed.options;
    if (!parsed.error.isEmpty()) {
        tools::PrintUsageError(kProgram, parsed.error);
        return tools::kExitUsage;
    }
    if (options.showHelp || options.showVersion) {
        std::fputs((options.showHelp ? HelpText() : VersionText()).toLocal8Bit().constData(), stdout);
        return 0;
    }
    const tools::ShardChoice shard = tools::ChooseShard(options.shard.request, QProcessEnvironment::systemEnvironment());
    if (!shard.error.isEmpty() || (shard.shard && options.outputDir.isEmpty())) {
        tools::PrintUsageError(kProgram, shard.error.isEmpty() ? kShardNeedsFolder : shard.error);
        return tools::kExitUsage;
    }
    if (!options.outputDir.isEmpty() && !QDir().mkpath(options.outputDir)) {
        PrintError(QCoreApplication::translate("ToolTexts",
            "cannot create the output folder %1").arg(options.outputDir));
        return tools::kExitSomeFailed;
    }
    // With --pdf the pages are cleaned into a temporary folder that goes when the PDF is written.
    const bool toPdf = !options.pdfFile.isEmpty();
    std::optional<QTemporaryDir> cleanedDir;
    if (toPdf) {
        // Without the language no PDF could be written; say so before any page is cleaned.
        if (const QString missing = tools::MissingLanguage(options.pdf); !missing.isEmpty()) {
            PrintError(missing);
            return tools::kExitSomeFailed;
        }
        cleanedDir.emplace();
        if (!cleanedDir->isValid()) {
            PrintError(QCoreApplication::translate("ToolTexts",
                "cannot create a temporary folder: %1").arg(cleanedDir->errorString()));
            return tools::kExitSomeFailed;
        }
    }

    FileJob job;
    job.steps = options.steps;
    job.settings = ReadCleanupSettings(options.settingsFile);
    job.jpegQualityFactor = QualityFactorOf(options.jpegQuality);
    std::vector<CleanTarget> targets = toPdf ? CollectNumberedTargets(options.inputs, cleanedDir->path())
                                             : CollectTargets(options.inputs, options.outputDir);
    tools::TaskRecord record;
    std::size_t upToDate = 0;
    bool recorded = true;
    if (QString error; shard.shard && !tools::TakeShard(kProgram, *shard.shard, options.shard.force, options.outputDir,
                                                          ShardItemsOf(targets), &targets, &record, &upToDate, &error)) {
        PrintError(error);
        return tools::kExitSomeFailed;
    }

    ProgressBar bar;
    const auto onProgress = [&](const BatchProgress& progress) {
        if (!options.quiet)
            bar.show(progress);
    };
    const auto onFileDone = [&](const CleanTarget& target, const FileOutcome& outcome) {
        if (shard.shard)
            recorded = record.add(RecordOf(target, outcome)) && recorded;
        if (outcome.error.isEmpty())
            return;
        bar.clear();
        PrintError(QCoreApplication::translate("ToolTexts", "%1: %2; skipped").arg(target.source, outcome.error));
    };
    const BatchResult result = RunBatch(targets, job, options.jobs, onProgress, onFileDone);
    bar.clear();

    int failed = 0, pages = 0, filtersSkipped = 0;
    for (const FileOutcome& outcome : result.files) {
        failed += outcome.error.isEmpty() ? 0 : 1;
        pages += outcome.pages;
        filtersSkipped += outcome.filtersSkipped;
    }
    if (!options.quiet) {
        tools::PrintSummary(shard.shard, QT_TRANSLATE_NOOP("ToolTexts", "files cleaned"),
                            {int(targets.size()) - failed, targets.size(), pages, result.seconds, failed, upToDate});
        if (filtersSkipped > 0)
            std::fputs(qPrintable(QCoreApplication::translate("ToolTexts", "%1 grey or colour pages were not filtered: the filters take "
                                                  "black and white pages, which --binarize makes of them.\n")
                                      .arg(filtersSkipped)),
                       stdout);
    }
    if (!recorded) {
        PrintError(QCoreApplication::translate("ToolTexts", "the record of this part could not be written whole"));
        return tools::kExitSomeFailed;
    }
    if (toPdf && failed > 0) {
        PrintError(QCoreApplication::translate("ToolTexts",
            "%1: not written, since some file could not be cleaned").arg(options.pdfFile));
        return tools::kExitSomeFailed;
    }
    if (toPdf)
        return WriteCleanedPdf(targets, options);
    return failed > 0 ? tools::kExitSomeFailed : 0;
}
