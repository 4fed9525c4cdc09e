// The texts the command-line tools share.
#include "tools/common/ToolTexts.h"

#include "core/UiLanguage.h"

#include <QLocale>

#include <cstdio>

namespace scanvo::tools {

void ChooseToolLanguage()
{
    ChooseUiLanguage(QLocale::system().language() == QLocale::Chinese ? QStringLiteral("zh_CN") : QStringLiteral("en"));
}

void PrintError(const char* program, const QString& text)
{
    std::fprintf(stderr, "%s: %s\n", program, text.toLocal8Bit().constData());
}

void PrintUsageError(const char* program, const QString& text)
{
    PrintError(program, text);
    std::fprintf(stderr, "Try '%s --help' for more information.\n", program);
}

QString VersionText(const char* program)
{
    return QStringLiteral("%1 %2\n").arg(QString::fromLatin1(program), QStringLiteral(SCANVO_VERSION));
}

QString ExitStatusHelp(const char* allDone, const char* someFailed)
{
    return QStringLiteral("\nExit status:\n 0  if %1,\n 1  if %2,\n 2  if the command line was wrong.\n")
        .arg(QString::fromLatin1(allDone), QString::fromLatin1(someFailed));
}

void PrintSummary(const std::optional<Shard>& shard, const char* done, const RunSummary& run)
{
    if (shard)
        std::printf("Part %d of %d: ", shard->index + 1, shard->count);
    std::printf("%d of %zu %s (%d pages in %.1f s, %.1f pages/s)", run.done, run.total, done, run.pages, run.seconds,
                run.seconds > 0 ? run.pages / run.seconds : 0.0);
    if (run.failed > 0)
        std::printf(", %d failed", run.failed);
    if (run.upToDate > 0)
        std::printf(", %zu up to date and kept", run.upToDate);
    std::printf(".\n");
}

}  // namespace scanvo::tools
