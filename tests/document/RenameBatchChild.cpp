// A process that renames a batch for a test to kill: the files p1.tif ... pN.tif of a directory
// each take the next one's name (pN.tif becomes pN+1.tif).
#include "document/RenameBatch.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    const QString directory = QString::fromLocal8Bit(argv[1]);
    const int count = std::atoi(argv[2]);
    QList<scanvo::FileMove> moves;
    for (int i = 1; i <= count; ++i)
        moves.append({directory + QStringLiteral("/p%1.tif").arg(i), directory + QStringLiteral("/p%1.tif").arg(i + 1)});
    // Highest first, so every new name but the first is the old name of a file of the batch.
    std::reverse(moves.begin(), moves.end());
    // The test times its kill from this line on, past the process start.
    std::printf("start\n");
    std::fflush(stdout);
    QElapsedTimer clock;
    clock.start();
    const scanvo::RenameBatchResult result = scanvo::RunRenameBatch(moves);
    std::printf("%lld\n", static_cast<long long>(clock.nsecsElapsed() / 1000));
    if (!result.ok)
        std::fprintf(stderr, "%s: %s\n", qPrintable(result.failedPath), qPrintable(result.reason));
    return result.ok ? 0 : 1;
}
