#pragma once
// Creating every missing level of a directory path, with the system's error when one fails.

#include <QString>

namespace scanvo {

struct DirectoryError {
    int number = 0;  // errno of the failed mkdir
    QString text;    // strerror of that number
};

// path with "\" read as a separator too, written with "/".
QString SlashSeparatedPath(const QString& path);

// Creates each prefix of path (split at "/" and "\") that is not a directory yet. Returns true
// when every level exists afterwards; otherwise fills *error (if given) from the failing mkdir.
bool MakeDirectoryLevels(const QString& path, DirectoryError* error = nullptr);

}  // namespace scanvo
