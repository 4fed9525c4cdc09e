#pragma once

// Helpers for benchmarks that run a peer tool beside our own code in the same run.

#include <QString>

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace benchsupport {

// Whether a program of this name is on the PATH.
bool Installed(const char* tool);

// The user and system CPU time of all waited-for children so far, in milliseconds.
double ChildCpuMilliseconds();

// Runs a shell command once per iteration, its output discarded. Its CPU time is the child's, not
// ours: the child_cpu_ms counter holds it per iteration, which a busy machine disturbs less than the
// real time. A failing command ends the benchmark with an error.
void RunTool(benchmark::State& state, const std::string& command);

// The middle value (the upper one of an even count); 0 for none.
double Median(std::vector<double> values);

// The text as one single-quoted word for /bin/sh.
QString ShellQuote(const QString& text);

}  // namespace benchsupport
