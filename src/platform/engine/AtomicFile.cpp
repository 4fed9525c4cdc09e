// AtomicFile: temporary file beside the target, locked while it is written, fsync, rename; and
// the removal of temporary files a killed writer left behind.
#include "platform/engine/AtomicFile.h"

#include "platform/engine/EngineError.h"
#include "platform/engine/EngineMessages.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace scanvo::engine {

namespace {

constexpr int kTempNameBase = 64;  // characters of the target's name kept in the temporary name
constexpr char kTempMarker[] = ".tmp-";
constexpr int kTempMarkerLength = 5;
constexpr int kTempRandomLength = 6;  // the XXXXXX of mkstemp
constexpr int kCreateAttempts = 4;

std::atomic<bool> g_unnamedRouteEnabled{true};

QString errorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Permissions a newly created file gets under the process's umask.
mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void syncDirectory(const QByteArray& directory)
{
    const int fd = ::open(directory.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;  // the rename has happened; a directory we cannot open is no reason to fail
    ::fsync(fd);
    ::close(fd);
}

bool sameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Locks a temporary file for its writer. A file system without locks leaves it unlocked; the
// cleaner cannot lock it there either and leaves it alone.
void lock(int fd)
{
    while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {
    }
}

// A temporary file that never shows unlocked: made without a name (O_TMPFILE), locked, and only
// then given a fresh name prefix + six letters or digits. Returns -1 where the file system cannot
// make unnamed files, or names cannot be given that way; the caller then makes a named one.
int createLockedUnnamed(const QByteArray& directory, const QByteArray& prefix, QByteArray* name)
{
    const int fd = ::open(directory.constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd < 0)
        return -1;
    lock(fd);
    static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        QByteArray candidate = prefix;
        for (int i = 0; i < kTempRandomLength; ++i)
            candidate += kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters) - 1)];
        if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, candidate.constData(), AT_SYMLINK_FOLLOW) == 0) {
            *name = candidate;
            return fd;
        }
        if (errno != EEXIST)
            break;
    }
    ::close(fd);
    return -1;
}

// Removes one leftover temporary file of directory dirFd when no one holds it locked.
bool removeIfStale(int dirFd, const char* name)
{
    struct stat named {};
    if (::fstatat(dirFd, name, &named, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(named.st_mode))
        return false;
    const int fd = ::openat(dirFd, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    bool removed = false;
    struct stat opened {};
    // A writer at work holds its lock until it has renamed the file; a file we cannot lock (held,
    // or on a file system without locks) is left alone.
    if (::fstat(fd, &opened) == 0 && sameFile(opened, named) && ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        struct stat now {};
        removed = ::fstatat(dirFd, name, &now, AT_SYMLINK_NOFOLLOW) == 0 && sameFile(now, opened) &&
                  ::unlinkat(dirFd, name, 0) == 0;
    }
    ::close(fd);
    return removed;
}

}  // namespace

bool IsWriteProtected(const QString& path, int* error)
{
    const QByteArray encoded = QFile::encodeName(path);
    int reason = 0;
    struct stat st {};
    if (::stat(encoded.constData(), &st) != 0)
        return false;  // nothing there to protect; creating it fails on its own if it must
    if (::faccessat(AT_FDCWD, encoded.constData(), W_OK, AT_EACCESS) != 0)
        reason = errno == ENOENT ? 0 : errno;
    else if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        reason = EACCES;
    if (error)
        *error = reason;
    return reason != 0;
}

AtomicFile::AtomicFile(const QString& target)
{
    if (target.isEmpty())
        throw EngineError(ErrInvalidArgument, msg::emptyPath());
    const QFileInfo info(target);
    // Renaming across volumes doesn't work, so the temporary file lives beside the real target.
    m_target = info.isSymLink() && info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    const QByteArray encoded = QFile::encodeName(m_target);
    struct stat st {};
    if (::stat(encoded.constData(), &st) == 0) {
        if (!S_ISREG(st.st_mode))
            throw EngineError(ErrFileWrite, msg::notARegularFile(target));
        m_targetExisted = true;
    }
    m_mode = m_targetExisted ? (st.st_mode & 07777) : newFileMode();
    // A file the user may not write is not replaced, whatever the directory would allow.
    int error = 0;
    if (m_targetExisted && IsWriteProtected(m_target, &error))
        throw EngineError(ErrFileWrite, msg::cannotWrite(m_target, error == EACCES ? msg::readOnlyFile() : errorText(error)));
    const QString directory = QFileInfo(m_target).absolutePath();
    if (IsWriteProtected(directory, &error))
        throw EngineError(ErrFileWrite,
                          msg::cannotWrite(m_target, error == EACCES ? msg::readOnlyDirectory() : errorText(error)));

    // A hidden name, so that directory listings of the document never show a half-written file,
    // and a bounded one, so that a long target name cannot make it too long.
    const QByteArray prefix =
        QFile::encodeName(directory + QStringLiteral("/.") + QFileInfo(m_target).fileName().left(kTempNameBase)) +
        kTempMarker;
    QByteArray name;
    if (g_unnamedRouteEnabled.load())
        m_fd = createLockedUnnamed(QFile::encodeName(directory), prefix, &name);
    if (m_fd < 0)
        m_fd = createThenLock(prefix, &name);
    m_temp = QFile::decodeName(name);
    if (m_targetExisted && ::geteuid() == 0)
        (void)::fchown(m_fd, st.st_uid, st.st_gid);  // best effort: keep the owner when run as root
}

int AtomicFile::createThenLock(const QByteArray& prefix, QByteArray* name) const
{
    for (int attempt = 1;; ++attempt) {
        QByteArray pattern = prefix + QByteArray(kTempRandomLength, 'X');
        const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
        if (fd < 0)
            fail(errno);
        lock(fd);
        // Between mkostemp and flock a cleaner may have taken the new file for a leftover and
        // removed it; then the name is gone and another one is made.
        struct stat mine {}, named {};
        int lost = EEXIST;
        if (::fstat(fd, &mine) != 0 || ::lstat(pattern.constData(), &named) != 0)
            lost = errno;
        else if (sameFile(mine, named)) {
            *name = pattern;
            return fd;
        }
        ::close(fd);
        if (attempt == kCreateAttempts)
            fail(lost);
    }
}

AtomicFile::~AtomicFile()
{
    // Removed while still locked, so that a cleaner never sees it unlocked.
    if (!m_committed && !m_temp.isEmpty())
        ::unlink(QFile::encodeName(m_temp).constData());
    if (m_fd >= 0)
        ::close(m_fd);
}

void AtomicFile::write(const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(m_fd, data, static_cast<size_t>(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail(errno);
        }
        data += n;
        left -= n;
    }
}

void AtomicFile::commit()
{
    if (m_committed)
        return;
    // The target's permissions only now: a codec may still have reopened the file for writing.
    (void)::fchmod(m_fd, static_cast<mode_t>(m_mode));
    // fsync reports write errors the kernel deferred, such as a disk that filled up meanwhile.
    if (::fsync(m_fd) != 0)
        fail(errno);
    // Renamed while still open and locked, so that no cleaner can take it in between.
    const QByteArray temp = QFile::encodeName(m_temp);
    const QByteArray target = QFile::encodeName(m_target);
    if (::rename(temp.constData(), target.constData()) != 0)
        fail(errno);
    m_committed = true;
    ::close(m_fd);  // the data is on disk already; nothing close could report is lost
    m_fd = -1;
    syncDirectory(QFile::encodeName(QFileInfo(m_target).absolutePath()));
}

void AtomicFile::fail(int error) const
{
    throw EngineError(ErrFileWrite, msg::cannotWrite(m_target, errorText(error)));
}

bool AtomicFile::SetUnnamedRouteEnabled(bool enabled)
{
    return g_unnamedRouteEnabled.exchange(enabled);
}

bool AtomicFile::IsTemporaryName(const QString& fileName)
{
    const qsizetype suffix = kTempMarkerLength + kTempRandomLength;
    const qsizetype base = fileName.size() - 1 - suffix;
    if (!fileName.startsWith(QLatin1Char('.')) || base < 1 || base > kTempNameBase)
        return false;
    if (fileName.mid(1 + base, kTempMarkerLength) != QLatin1String(kTempMarker))
        return false;
    for (qsizetype i = fileName.size() - kTempRandomLength; i < fileName.size(); ++i) {
        const char16_t c = fileName.at(i).unicode();
        if (!((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z')))
            return false;
    }
    return true;
}

int AtomicFile::RemoveStaleTemporaries(const QString& directory)
{
    const int dirFd = ::open(QFile::encodeName(directory).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0)
        return 0;
    const int listFd = ::fcntl(dirFd, F_DUPFD_CLOEXEC, 0);
    DIR* listing = listFd >= 0 ? ::fdopendir(listFd) : nullptr;
    if (!listing) {
        if (listFd >= 0)
            ::close(listFd);
        ::close(dirFd);
        return 0;
    }
    int removed = 0;
    while (const dirent* entry = ::readdir(listing)) {
        // Ours are hidden names: the others are passed over without decoding them.
        if (entry->d_name[0] == '.' && IsTemporaryName(QFile::decodeName(entry->d_name)) &&
            removeIfStale(dirFd, entry->d_name))
            ++removed;
    }
    ::closedir(listing);
    ::close(dirFd);
    return removed;
}

int AtomicFile::RemoveStaleTemporaries(const QString& directory, const QStringList& names)
{
    if (names.isEmpty())
        return 0;
    const int dirFd = ::open(QFile::encodeName(directory).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0)
        return 0;
    int removed = 0;
    for (const QString& name : names) {
        if (IsTemporaryName(name) && removeIfStale(dirFd, QFile::encodeName(name).constData()))
            ++removed;
    }
    ::close(dirFd);
    return removed;
}

}  // namespace scanvo::engine
