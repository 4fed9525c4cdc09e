// Renaming shifts of a document's files.
#include "document/RenamingShift.h"

#include <QFile>
#include <QFileInfo>
#include <QtGlobal>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace scanvo {

namespace {

QString SystemText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// The no-replace rename of the file systems that have one; others go through a hard link, which
// fails on an existing target just as well, and fall back to a checked rename where neither works.
int RenameNoReplace(const QByteArray& from, const QByteArray& to)
{
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return errno;
#endif
    if (::link(from.constData(), to.constData()) == 0) {
        ::unlink(from.constData());
        return 0;
    }
    if (errno == EEXIST)
        return EEXIST;
    if (errno != EPERM && errno != ENOTSUP && errno != EXDEV)
        return errno;
    if (QFileInfo::exists(QFile::decodeName(to)))
        return EEXIST;
    return std::rename(from.constData(), to.constData()) == 0 ? 0 : errno;
}

}  // namespace

bool RenameWithoutOverwrite(const QString& from, const QString& to, QString* reason)
{
    const int error = RenameNoReplace(QFile::encodeName(from), QFile::encodeName(to));
    if (error != 0 && reason)
        *reason = SystemText(error);
    return error == 0;
}

QString ExtensionOf(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot + 1);
}

QString WithExtension(const QString& path, const QString& extension)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    const qsizetype dot = path.lastIndexOf(u'.');
    const QString base = dot > slash ? path.left(dot) : path;
    return base + u'.' + extension;
}

RenamingShift RenamingShift::MakeRoom(const QStringList& files, int k, const QString& newLastPath,
                                      bool keepOwnExtension)
{
    const int n = int(files.size());
    k = qBound(1, k, n + 1);
    QList<FileMove> moves;
    QStringList shifted = files;
    shifted.append(newLastPath);
    for (int i = n; i >= k; --i) {
        const QString& place = i == n ? newLastPath : files.at(i);
        const QString& from = files.at(i - 1);
        const QString to = keepOwnExtension ? WithExtension(place, ExtensionOf(from)) : place;
        moves.append({from, to});
        shifted[i] = to;
    }
    RenamingShift shift(std::move(moves));
    shift.m_Freed = k <= n ? files.at(k - 1) : newLastPath;
    shifted[k - 1] = shift.m_Freed;
    shift.m_Shifted = std::move(shifted);
    return shift;
}

bool RenamingShift::Run()
{
    m_BlockedPath.clear();
    m_Reason.clear();
    m_TargetTaken = false;
    for (m_Done = 0; m_Done < m_Moves.size(); ++m_Done) {
        const FileMove& move = m_Moves.at(m_Done);
        QString reason;
        if (!RenameWithoutOverwrite(move.from, move.to, &reason)) {
            // A name in the way is what the user must hear about, not the file that would move.
            m_TargetTaken = QFileInfo::exists(move.to);
            m_BlockedPath = m_TargetTaken ? move.to : move.from;
            m_Reason = reason;
            MoveBack(m_Done);
            m_Done = 0;
            return false;
        }
    }
    return true;
}

bool RenamingShift::Undo()
{
    const bool ok = MoveBack(m_Done);
    m_Done = 0;
    return ok;
}

bool RenamingShift::MoveBack(qsizetype count)
{
    bool ok = true;
    for (qsizetype j = count - 1; j >= 0; --j) {
        const FileMove& move = m_Moves.at(j);
        QString reason;
        if (!RenameWithoutOverwrite(move.to, move.from, &reason) && ok) {
            ok = false;
            m_BlockedPath = move.to;
            m_Reason = reason;
        }
    }
    return ok;
}

}  // namespace scanvo
