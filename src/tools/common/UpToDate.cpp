// Comparing the times of an output and its sources.
#include "tools/common/UpToDate.h"

#include <QDateTime>
#include <QFileInfo>

#include <algorithm>

namespace scanvo::tools {

bool IsUpToDate(const QString& output, const QStringList& sources)
{
    const QFileInfo written(output);
    if (!written.isFile())
        return false;
    const QDateTime time = written.lastModified();
    return std::ranges::all_of(sources, [&](const QString& source) {
        const QFileInfo info(source);
        return info.exists() && info.lastModified() < time;
    });
}

}  // namespace scanvo::tools
