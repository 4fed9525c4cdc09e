#pragma once
// What every command-line tool says the same way: its errors, its version, its exit status.

#include "tools/common/Shard.h"

#include <QString>

#include <cstddef>
#include <optional>

namespace scanvo::tools {

// The exit status of a tool when some file or document failed, and when the command line was wrong.
constexpr int kExitSomeFailed = 1;
constexpr int kExitUsage = 2;

// The tools speak English unless the locale is Chinese; the messages of the engine they share
// with the control, written in Chinese, follow the same choice. Call once the application exists.
void ChooseToolLanguage();

// A text of the tools in the language ChooseToolLanguage chose. The tools' texts are written in
// English, in context "ToolTexts"; those declared as data are marked QT_TRANSLATE_NOOP there.
QString ToolText(const char* source);

// "program: text" on standard error.
void PrintError(const char* program, const QString& text);
// A usage error, and where to read how the program is used.
void PrintUsageError(const char* program, const QString& text);

// "program VERSION" and a newline, the text of --version.
QString VersionText(const char* program);

// What a run did, for its closing line.
struct RunSummary {
    int done = 0;   // inputs written
    std::size_t total = 0;
    int pages = 0;
    double seconds = 0;
    int failed = 0;
    std::size_t upToDate = 0;  // outputs kept as they were
};
// "Part K of N: D of T <done> (P pages in S s, R pages/s), F failed, U up to date and kept." on
// standard output, each clause only where it says something.
void PrintSummary(const std::optional<Shard>& shard, const char* done, const RunSummary& run);

// The end of --help: the exit status 0 when allDone, 1 when someFailed, 2 for a wrong command line.
QString ExitStatusHelp(const char* allDone, const char* someFailed);

}  // namespace scanvo::tools
