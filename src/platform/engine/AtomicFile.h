#pragma once
// AtomicFile: writes a file through a temporary file in the target's directory, flushed to disk
// and renamed over the target on commit. Until commit the target is untouched; a write that
// fails (or an AtomicFile destroyed without commit) removes the temporary file and leaves the
// target byte for byte as it was.

#include <QByteArray>
#include <QString>

namespace scanvo::engine {

class AtomicFile {
public:
    // Prepares a temporary file beside target. A symbolic link is followed, so the link stays
    // and the file it names is replaced. Throws EngineError when the target is not a regular
    // file (a directory, a device) or its directory cannot take a new file.
    explicit AtomicFile(const QString& target);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    const QString& targetPath() const noexcept { return m_target; }
    // The temporary file; a codec may open it by name and write it itself before commit().
    const QString& tempPath() const noexcept { return m_temp; }

    // Appends bytes to the temporary file; throws EngineError on a short or failed write.
    void write(const QByteArray& bytes);
    // Flushes the temporary file to disk, gives it the target's permissions and renames it over
    // the target. Throws EngineError (and leaves the target as it was) when any step fails.
    void commit();

private:
    [[noreturn]] void fail(int error) const;

    QString m_target;
    QString m_temp;
    int m_fd = -1;
    bool m_targetExisted = false;
    bool m_committed = false;
};

}  // namespace scanvo::engine
