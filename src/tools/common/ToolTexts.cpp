// The texts the command-line tools share.
#include "tools/common/ToolTexts.h"

#include "core/UiLanguage.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include <cstdio>

namespace scanvo::tools {

void ChooseToolLanguage()
{
    const bool chinese = QLocale::system().language() == QLocale::Chinese;
    ChooseUiLanguage(chinese ? QStringLiteral("zh_CN") : QStringLiteral("en"));
    if (!chinese)
        return;
    // The tools' own texts are written in English; their Chinese is built into the tools.
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral(":/scanvo/i18n/scanvo-tools_zh_CN.qm")))
        QCoreApplication::installTranslator(translator);
}

QString ToolText(const char* source)
{
    return QCoreApplication::translate("ToolTexts", source);
}

void PrintError(const char* program, const QString& text)
{
    std::fprintf(stderr, "%s: %s\n", program, text.toLocal8Bit().constData());
}

void PrintUsageError(const char* program, const QString& text)
{
    PrintError(program, text);
    std::fputs(qPrintable(QCoreApplication::translate("ToolTexts", "Try '%1 --help' for more information.\n").arg(QString::fromLatin1(program))), stderr);
}

QString VersionText(const char* program)
{
    return QStringLiteral("%1 %2\n").arg(QString::fromLatin1(program), QStringLiteral(SCANVO_VERSION));
}

QString ExitStatusHelp(const char* allDone, const char* someFailed)
{
    return QCoreApplication::translate("ToolTexts",
        "\nExit status:\n 0  if %1,\n 1  if %2,\n 2  if the command line was wrong.\n")
        .arg(ToolText(allDone), ToolText(someFailed));
}

void PrintSummary(const std::optional<Shard>& shard, const char* done, const RunSummary& run)
{
    QString line;
    if (shard)
        line += QCoreApplication::translate("ToolTexts", "Part %1 of %2: ").arg(shard->index + 1).arg(shard->count);
    line += QCoreApplication::translate("ToolTexts", "%1 of %2 %3 (%4 pages in %5 s, %6 pages/s)")
                .arg(run.done)
                .arg(qulonglong(run.total))
                .arg(ToolText(done))
                .arg(run.pages)
                .arg(run.seconds, 0, 'f', 1)
                .arg(run.seconds > 0 ? run.pages / run.seconds : 0.0, 0, 'f', 1);
    if (run.failed > 0)
        line += QCoreApplication::translate("ToolTexts", ", %1 failed").arg(run.failed);
    if (run.upToDate > 0)
        line += QCoreApplication::translate("ToolTexts", ", %1 up to date and kept").arg(qulonglong(run.upToDate));
    std::fputs(qPrintable(line + QCoreApplication::translate("ToolTexts", ".\n")), stdout);
}

}  // namespace scanvo::tools
