#pragma once
// Whether a retried task may keep an output a previous attempt wrote.

#include <QString>
#include <QStringList>

namespace scanvo::tools {

// True when output is a file modified after every one of sources (files, or a folder, whose time
// changes when a file is added to it or taken away). Outputs are written through a temporary
// file renamed over them, so one that exists is whole. A source that is missing makes it false.
bool IsUpToDate(const QString& output, const QStringList& sources);

}  // namespace scanvo::tools
