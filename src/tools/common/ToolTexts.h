#pragma once
// What every command-line tool says the same way: its errors, its version, its exit status.

#include <QString>

namespace scanvo::tools {

// The exit status of a tool when some file or document failed, and when the command line was wrong.
constexpr int kExitSomeFailed = 1;
constexpr int kExitUsage = 2;

// "program: text" on standard error.
void PrintError(const char* program, const QString& text);
// A usage error, and where to read how the program is used.
void PrintUsageError(const char* program, const QString& text);

// "program VERSION" and a newline, the text of --version.
QString VersionText(const char* program);

// The end of --help: the exit status 0 when allDone, 1 when someFailed, 2 for a wrong command line.
QString ExitStatusHelp(const char* allDone, const char* someFailed);

}  // namespace scanvo::tools
