// Scratch files and quiet libraries for the fuzz targets.
#include "FuzzSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <leptonica/allheaders.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace scanvofuzz {

const QString& ScratchDirectory()
{
    static const std::unique_ptr<QTemporaryDir> dir = [] {
        setMsgSeverity(L_SEVERITY_NONE);  // Leptonica's complaints about bad input fill the log otherwise
        const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
        auto made = std::make_unique<QTemporaryDir>(base + QStringLiteral("/scanvo-fuzz-XXXXXX"));
        if (!made->isValid())
            Violated("no scratch directory");
        return made;
    }();
    static const QString path = dir->path();
    return path;
}

QString WriteScratch(const QString& name, const QByteArray& bytes)
{
    const QString path = ScratchDirectory() + QLatin1Char('/') + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        Violated("cannot write a scratch file");
    return path;
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Violated(const char* what)
{
    std::fprintf(stderr, "invariant violated: %s\n", what);
    std::abort();
}

}  // namespace scanvofuzz
