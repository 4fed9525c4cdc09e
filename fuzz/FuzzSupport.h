#pragma once
// What the fuzz targets share: a scratch directory of the process for the files the engine reads
// and writes by name, and a quiet Leptonica.

#include <QByteArray>
#include <QString>

namespace scanvofuzz {

// The scratch directory (in /dev/shm when there is one), made on first use, removed at exit.
const QString& ScratchDirectory();
// Writes bytes to name in the scratch directory and returns the path.
QString WriteScratch(const QString& name, const QByteArray& bytes);
QByteArray ReadFile(const QString& path);

// Stops the fuzzer with a report when an invariant of the code under test does not hold.
[[noreturn]] void Violated(const char* what);

}  // namespace scanvofuzz
