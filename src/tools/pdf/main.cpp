// scanvo-pdf: files and folders of scanned pages as PDF files, searchable and archival on request.
#include "tools/common/PdfTextOptions.h"
#include "tools/common/ProgressBar.h"
#include "tools/common/ShardTask.h"
#include "tools/common/ToolTexts.h"
#include "tools/common/DocumentRun.h"
#include "tools/pdf/PdfDocuments.h"
#include "tools/pdf/PdfShard.h"
#include "tools/pdf/PdfToolOptions.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcessEnvironment>

#include <cstdio>

using namespace scanvo;
using namespace scanvo::pdftool;
using scanvo::tools::DocumentOutcome;
using scanvo::tools::RunResult;

namespace {

constexpr const char* kProgram = "scanvo-pdf";

void PrintError(const QString& text)
{
    tools::PrintError(kProgram, text);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    tools::ChooseToolLanguage();
    const ParsedCommandLine parsed = ParseCommandLine(QCoreApplication::arguments());
    const PdfToolOptions& options = parsed.options;
    if (!parsed.error.isEmpty()) {
        tools::PrintUsageError(kProgram, parsed.error);
        return tools::kExitUsage;
    }
    if (options.showHelp || options.showVersion) {
        std::fputs((options.showHelp ? HelpText() : VersionText()).toLocal8Bit().constData(), stdout);
        return 0;
    }
    const bool perInput = IsFolderOutput(options.output);
    const tools::ShardChoice shard = tools::ChooseShard(options.shard.request, QProcessEnvironment::systemEnvironment());
    if (!shard.error.isEmpty() || (shard.shard && !perInput)) {
        tools::PrintUsageError(kProgram, shard.error.isEmpty() ? kShardNeedsFolder : shard.error);
        return tools::kExitUsage;
    }
    // Without the language nothing could be written; say so before any page is read.
    if (const QString missing = tools::MissingLanguage(options.pdf); !missing.isEmpty()) {
        PrintError(missing);
        return tools::kExitSomeFailed;
    }
    if (perInput && !QDir().mkpath(options.output)) {
        PrintError(QCoreApplication::translate("ToolTexts", "cannot create the output folder %1").arg(options.output));
        return tools::kExitSomeFailed;
    }
    std::vector<PdfDocument> documents = perInput ? CollectDocuments(options.inputs, options.output)
                                                  : std::vector{CollectDocument(options.inputs, options.output)};
    tools::TaskRecord record;
    std::size_t upToDate = 0;
    bool recorded = true;
    if (QString error; shard.shard && !tools::TakeShard(kProgram, *shard.shard, options.shard.force, options.output,
                                                          ShardItemsOf(documents), &documents, &record, &upToDate, &error)) {
        PrintError(error);
        return tools::kExitSomeFailed;
    }

    tools::ProgressBar bar;
    const auto onProgress = [&](const tools::BatchProgress& progress) {
        if (!options.quiet)
            bar.show(progress);
    };
    const auto onDocumentDone = [&](const PdfDocument& document, const DocumentOutcome& outcome) {
        if (shard.shard)
            recorded = record.add(RecordOf(document, outcome)) && recorded;
        if (outcome.error.isEmpty())
            return;
        bar.clear();
        PrintError(QCoreApplication::translate("ToolTexts", "%1: %2; not written").arg(document.target, outcome.error));
    };
    const RunResult result = tools::WriteDocuments(documents, options.pdf, onProgress, onDocumentDone);
    bar.clear();

    int failed = 0, pages = 0;
    for (const DocumentOutcome& outcome : result.documents) {
        failed += outcome.error.isEmpty() ? 0 : 1;
        pages += outcome.pages;
    }
    if (!options.quiet)
        tools::PrintSummary(shard.shard, QT_TRANSLATE_NOOP("ToolTexts", "PDF files written"),
                            {int(documents.size()) - failed, documents.size(), pages, result.seconds, failed, upToDate});
    if (!recorded) {
        PrintError(QCoreApplication::translate("ToolTexts", "the record of this part could not be written whole"));
        return tools::kExitSomeFailed;
    }
    return failed > 0 ? tools::kExitSomeFailed : 0;
}
