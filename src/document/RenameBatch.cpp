// Batch renames through temporary names, with a journal that lets a stopped batch be put back.
#include "document/RenameBatch.h"

#include "platform/engine/AtomicFile.h"
#include "platform/engine/EngineError.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSet>
#include <QUrl>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace scanvo {

namespace {

const QByteArray kJournalHeader = QByteArrayLiteral("scanvo rename batch 1");
const QString kJournalName = QStringLiteral(".rename-batch.journal");

// One file of the batch, by its names inside the batch's directory.
struct Entry {
    QString from;
    QString temp;
    QString to;
};

// side 1: every file is under its old or its temporary name; side 2: under its temporary or its
// new name. A file's temporary name is the only one no other file can have, so whether it exists
// tells on which of the side's two names the file is.
struct Journal {
    QString directory;
    int side = 1;
    QList<Entry> entries;

    QString path(const QString& name) const { return directory + u'/' + name; }
};

QString SystemText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

bool Present(const QString& path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0;
}

// A rename that went through a hard link and was stopped between link and unlink leaves the file
// under both names; it then counts as under its temporary name alone.
void Settle(const QString& temp, const QString& other)
{
    struct stat a {}, b {};
    if (::lstat(QFile::encodeName(temp).constData(), &a) != 0 || ::lstat(QFile::encodeName(other).constData(), &b) != 0)
        return;
    if (a.st_dev == b.st_dev && a.st_ino == b.st_ino)
        ::unlink(QFile::encodeName(other).constData());
}

QByteArray Encoded(const QString& name)
{
    return QUrl::toPercentEncoding(name);
}

QString Decoded(const QByteArray& text)
{
    return QUrl::fromPercentEncoding(text);
}

// Writes the journal through a temporary file, so a reader sees the old side or the new one.
bool WriteJournal(const Journal& journal, QString* reason)
{
    QByteArray bytes = kJournalHeader + '\n' + QByteArray::number(journal.side) + '\n';
    for (const Entry& entry : journal.entries)
        bytes += Encoded(entry.from) + '\t' + Encoded(entry.temp) + '\t' + Encoded(entry.to) + '\n';
    try {
        engine::AtomicFile file(journal.path(kJournalName));
        file.write(bytes);
        file.commit();
        return true;
    } catch (const engine::EngineError& error) {
        if (reason)
            *reason = error.description();
        return false;
    }
}

// False for a journal that cannot be read or does not hold a batch.
bool ReadJournal(const QString& directory, Journal* journal)
{
    QFile file(directory + u'/' + kJournalName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QList<QByteArray> lines = file.readAll().split('\n');
    if (lines.size() < 2 || lines.at(0) != kJournalHeader)
        return false;
    journal->directory = directory;
    journal->side = lines.at(1).toInt();
    if (journal->side != 1 && journal->side != 2)
        return false;
    for (qsizetype i = 2; i < lines.size(); ++i) {
        if (lines.at(i).isEmpty())
            continue;
        const QList<QByteArray> names = lines.at(i).split('\t');
        if (names.size() != 3)
            return false;
        journal->entries.append({Decoded(names.at(0)), Decoded(names.at(1)), Decoded(names.at(2))});
    }
    return true;
}

void Record(RenameBatchResult* result, const QString& path, const QString& reason)
{
    if (result && result->failedPath.isEmpty()) {
        result->failedPath = path;
        result->reason = reason;
    }
}

// Brings every file back to its old name, last file first, and removes the journal. A file that
// cannot move keeps the journal (at the side the files are on) for the next try.
bool PutBack(Journal& journal, RenameBatchResult* result)
{
    bool ok = true;
    if (journal.side == 2) {
        for (qsizetype i = journal.entries.size() - 1; i >= 0; --i) {
            const Entry& entry = journal.entries.at(i);
            const QString temp = journal.path(entry.temp);
            Settle(temp, journal.path(entry.to));
            if (Present(temp) || !Present(journal.path(entry.to)))
                continue;
            QString reason;
            if (!RenameWithoutOverwrite(journal.path(entry.to), temp, &reason)) {
                Record(result, journal.path(entry.to), reason);
                ok = false;
            }
        }
        if (!ok)
            return false;
        journal.side = 1;
        QString reason;
        if (!WriteJournal(journal, &reason)) {
            Record(result, journal.path(kJournalName), reason);
            return false;
        }
    }
    for (qsizetype i = journal.entries.size() - 1; i >= 0; --i) {
        const Entry& entry = journal.entries.at(i);
        const QString temp = journal.path(entry.temp);
        Settle(temp, journal.path(entry.from));
        if (!Present(temp))
            continue;
        QString reason;
        if (!RenameWithoutOverwrite(temp, journal.path(entry.from), &reason)) {
            Record(result, temp, reason);
            ok = false;
        }
    }
    if (ok)
        QFile::remove(journal.path(kJournalName));
    return ok;
}

RenameBatchResult Failed(const QString& path, const QString& reason)
{
    RenameBatchResult result;
    result.ok = false;
    result.failedPath = path;
    result.reason = reason;
    return result;
}

// Stops a batch part way: the files go back, and the result names the first failure.
RenameBatchResult Stopped(Journal& journal, const QString& path, const QString& reason)
{
    RenameBatchResult result = Failed(path, reason);
    RenameBatchResult putBack;
    result.restored = PutBack(journal, &putBack);
    return result;
}

}  // namespace

QString RenameBatchJournalPath(const QString& directory)
{
    return directory + u'/' + kJournalName;
}

bool RecoverRenameBatch(const QString& directory)
{
    // A journal write stopped part way leaves its temporary file; the journal itself is whole.
    engine::AtomicFile::RemoveStaleTemporaries(directory);
    if (!Present(RenameBatchJournalPath(directory)))
        return true;
    Journal journal;
    if (!ReadJournal(directory, &journal))
        return false;
    return PutBack(journal, nullptr);
}

RenameBatchResult RunRenameBatch(const QList<FileMove>& moves, const RenameBatchStep& beforeStep)
{
    if (moves.isEmpty())
        return {};
    Journal journal;
    journal.directory = QFileInfo(moves.first().from).absolutePath();
    if (!RecoverRenameBatch(journal.directory))
        return Failed(RenameBatchJournalPath(journal.directory), SystemText(EEXIST));

    // Every new name must be free now or be freed by the batch itself, so that only a change made
    // meanwhile by someone else can stop the renames.
    QSet<QString> olds;
    for (const FileMove& move : moves)
        olds.insert(QFileInfo(move.from).fileName());
    QSet<QString> news;
    const QString token = QString::number(QRandomGenerator::system()->generate(), 16);
    for (qsizetype i = 0; i < moves.size(); ++i) {
        const QFileInfo from(moves.at(i).from);
        const QFileInfo to(moves.at(i).to);
        if (from.absolutePath() != journal.directory || to.absolutePath() != journal.directory)
            return Failed(moves.at(i).to, SystemText(EXDEV));
        if (!Present(moves.at(i).from))
            return Failed(moves.at(i).from, SystemText(ENOENT));
        if (news.contains(to.fileName()) || (!olds.contains(to.fileName()) && Present(moves.at(i).to)))
            return Failed(moves.at(i).to, SystemText(EEXIST));
        news.insert(to.fileName());
        journal.entries.append(
            {from.fileName(), QStringLiteral(".rename-%1-%2").arg(token).arg(i), to.fileName()});
    }

    QString reason;
    if (!WriteJournal(journal, &reason))
        return Failed(RenameBatchJournalPath(journal.directory), reason);
    int done = 0;
    for (const Entry& entry : journal.entries) {
        if (beforeStep)
            beforeStep(done++);
        if (!RenameWithoutOverwrite(journal.path(entry.from), journal.path(entry.temp), &reason))
            return Stopped(journal, journal.path(entry.from), reason);
    }
    journal.side = 2;
    if (!WriteJournal(journal, &reason)) {
        journal.side = 1;
        return Stopped(journal, RenameBatchJournalPath(journal.directory), reason);
    }
    for (const Entry& entry : journal.entries) {
        if (beforeStep)
            beforeStep(done++);
        if (!RenameWithoutOverwrite(journal.path(entry.temp), journal.path(entry.to), &reason)) {
            const bool taken = Present(journal.path(entry.to));
            return Stopped(journal, journal.path(taken ? entry.to : entry.from), reason);
        }
    }
    QFile::remove(RenameBatchJournalPath(journal.directory));
    return {};
}

}  // namespace scanvo
