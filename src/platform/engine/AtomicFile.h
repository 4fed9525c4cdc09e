#pragma once
// AtomicFile: writes a file through a temporary file in the target's directory, flushed to disk
// and renamed over the target on commit. Until commit the target is untouched; a write that
// fails (or an AtomicFile destroyed without commit) removes the temporary file and leaves the
// target byte for byte as it was.
//
// The temporary file is named ".NAME.tmp-XXXXXX" beside the target and is locked (flock) by its
// writer from before it has that name until commit. A process killed mid-write leaves it behind
// unlocked; RemoveStaleTemporaries() removes such leftovers and nothing else.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace scanvo::engine {

class AtomicFile {
public:
    // Prepares a temporary file beside target. A symbolic link is followed, so the link stays
    // and the file it names is replaced. Throws EngineError (naming target) when the target is not
    // a regular file (a directory, a device), when the target or its directory is write-protected
    // (see IsWriteProtected), or when the directory cannot take a new file.
    explicit AtomicFile(const QString& target);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    const QString& targetPath() const noexcept { return m_target; }
    // The temporary file, for tests and diagnostics; errors never name it.
    const QString& tempPath() const noexcept { return m_temp; }
    // The open temporary file. A codec may write through a duplicate of it before commit(); the
    // descriptor itself stays owned here.
    int descriptor() const noexcept { return m_fd; }

    // Appends bytes to the temporary file; throws EngineError on a short or failed write.
    void write(const QByteArray& bytes);
    // Gives the temporary file the target's permissions, flushes it to disk and renames it over
    // the target. Throws EngineError (and leaves the target as it was) when any step fails.
    void commit();

    // Removes the temporary files of this class that a killed or crashed writer left in directory:
    // only names of the form ".NAME.tmp-XXXXXX" that are regular files and that no process holds
    // locked (a writer at work holds its lock). Returns how many were removed; never throws, and
    // leaves alone whatever it cannot examine or remove.
    static int RemoveStaleTemporaries(const QString& directory);
    // The same for the given names of directory only, for a caller that has read the directory
    // already; names not of the temporary form are passed over.
    static int RemoveStaleTemporaries(const QString& directory, const QStringList& names);
    // True for a file name (without directory) of the form this class gives its temporary files.
    static bool IsTemporaryName(const QString& fileName);

    // A temporary file starts unnamed and locked where the file system allows that, and is made
    // by name and locked just after elsewhere. Turned off, every AtomicFile of the process takes
    // the named route, as on such a file system. Returns the previous setting.
    static bool SetUnnamedRouteEnabled(bool enabled);

private:
    // The named route to a locked temporary file, where no unnamed one can be made.
    int createThenLock(const QByteArray& prefix, QByteArray* name) const;
    [[noreturn]] void fail(int error) const;

    QString m_target;
    QString m_temp;
    int m_fd = -1;
    unsigned m_mode = 0;  // permissions the target gets on commit
    bool m_targetExisted = false;
    bool m_committed = false;
};

// True when path (an existing file or directory) may not be written by this process: the system's
// access test refuses it, or no one at all has write permission on it. The second test matters for
// a privileged process, which passes every permission test: a file or directory someone made
// read-only is left alone by every user alike. *error receives the reason (an errno value).
bool IsWriteProtected(const QString& path, int* error = nullptr);

}  // namespace scanvo::engine
