#pragma once
// Small INI file reader and writer: sections in square brackets, "key=value" lines, sections and
// keys matched case-insensitively, a write replaces its key in place or appends it, and the file
// (with its directory) is created on first write. Files are written as UTF-8; a file that is not
// valid UTF-8 is read as GB18030, the code page older installations wrote.

#include <QString>

#include "core/IniNumber.h"

namespace scanvo {

// Longest value GetIniString returns; longer values are cut to this many characters.
inline constexpr int kIniValueLimit = 1024;

// The value of key in section, or empty when the file, the section or the key is missing.
// Surrounding blanks are removed, the result is cut at its first NUL and at kIniValueLimit.
QString GetIniString(const QString& file, const QString& section, const QString& key);

// Stores value under key in section. Line breaks in value are written as spaces so that a value
// can never turn into further lines of the file. The file is replaced through a temporary file
// beside it, so a failed write leaves the previous file as it was. Returns false when the file
// cannot be written, or when section or key could not be read back as written (empty, or holding
// a line break, "]" in a section, "=" in a key, or a key starting with "[" or ";").
bool WriteIniString(const QString& file, const QString& section, const QString& key, const QString& value);

}  // namespace scanvo
