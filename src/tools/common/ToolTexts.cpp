// The texts the command-line tools share.
#include "tools/common/ToolTexts.h"

#include <cstdio>

namespace scanvo::tools {

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

}  // namespace scanvo::tools
