// AtomicFile: temporary file beside the target, fsync, rename.
#include "platform/engine/AtomicFile.h"

#include "platform/engine/EngineError.h"
#include "platform/engine/EngineMessages.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace scanvo::engine {

namespace {

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

}  // namespace

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
    // A hidden name, so that directory listings of the document never show a half-written file,
    // and a bounded one, so that a long target name cannot make it too long.
    const QString base = QFileInfo(m_target).fileName().left(64);
    QByteArray pattern = QFile::encodeName(QFileInfo(m_target).absolutePath() + QStringLiteral("/.") + base) +
                         ".tmp-XXXXXX";
    m_fd = ::mkstemp(pattern.data());
    if (m_fd < 0)
        fail(errno);
    m_temp = QFile::decodeName(pattern);
    ::fchmod(m_fd, m_targetExisted ? (st.st_mode & 07777) : newFileMode());
    if (m_targetExisted && ::geteuid() == 0)
        (void)::fchown(m_fd, st.st_uid, st.st_gid);  // best effort: keep the owner when run as root
}

AtomicFile::~AtomicFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
    if (!m_committed && !m_temp.isEmpty())
        ::unlink(QFile::encodeName(m_temp).constData());
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
    // fsync reports write errors the kernel deferred, such as a disk that filled up meanwhile.
    if (::fsync(m_fd) != 0)
        fail(errno);
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0)
        fail(errno);
    const QByteArray temp = QFile::encodeName(m_temp);
    const QByteArray target = QFile::encodeName(m_target);
    if (::rename(temp.constData(), target.constData()) != 0)
        fail(errno);
    m_committed = true;
    syncDirectory(QFile::encodeName(QFileInfo(m_target).absolutePath()));
}

void AtomicFile::fail(int error) const
{
    throw EngineError(ErrFileWrite, msg::cannotWrite(m_target, errorText(error)));
}

}  // namespace scanvo::engine
