#pragma once
// The log a failed write-back leaves behind: "error.txt" in the settings directory, one
// "number:description" line per failure, appended.

#include <QString>

namespace scanvo {

// Full path of the log.
QString SaveErrorLogPath();
// Appends "number:description" and a line break. False when the log cannot be written; the
// failure that was being logged is still reported to the user by the caller.
bool AppendSaveErrorLog(int number, const QString& description);

}  // namespace scanvo
