#include "PeerTools.h"

#include <QStandardPaths>

#include <sys/resource.h>

#include <algorithm>
#include <cstdlib>

namespace benchsupport {

bool Installed(const char* tool)
{
    return !QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty();
}

double ChildCpuMilliseconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

void RunTool(benchmark::State& state, const std::string& command)
{
    const std::string quiet = command + " >/dev/null 2>&1";
    const double before = ChildCpuMilliseconds();
    for (auto _ : state)
        if (std::system(quiet.c_str()) != 0) {
            state.SkipWithError(("failed: " + command).c_str());
            return;
        }
    state.counters["child_cpu_ms"] = (ChildCpuMilliseconds() - before) / double(state.iterations());
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

QString ShellQuote(const QString& text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

}  // namespace benchsupport
