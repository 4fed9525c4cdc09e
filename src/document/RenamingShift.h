#pragma once
// RenamingShift: moves a run of a document's files one place up (or along any planned chain of
// renames) to make room for a new file. Files move one by one, the one whose new name is free
// first, and never over an existing file: a target that exists stops the shift. A shift that
// stops part way moves back what it had moved, so the document never keeps a gap or a file under
// a stranger's name. A shift that ran can be undone as a whole, for when the file it made room
// for cannot be written.

#include <QList>
#include <QString>
#include <QStringList>

namespace scanvo {

struct FileMove {
    QString from;
    QString to;
};

// Renames from to to unless to exists (atomically where the file system allows). False with
// *reason set (the system's text) otherwise.
bool RenameWithoutOverwrite(const QString& from, const QString& to, QString* reason = nullptr);

class RenamingShift {
public:
    // The moves are done in list order and undone in reverse order.
    explicit RenamingShift(QList<FileMove> moves = {}) : m_Moves(std::move(moves)) {}

    // Files k..n of files (1-based, n = files.size()) each take the place of the file after them,
    // the last one taking newLastPath. With keepOwnExtension a moved file takes only the other
    // place's directory and base name and keeps its own extension. The moves run from file n down
    // to file k.
    static RenamingShift MakeRoom(const QStringList& files, int k, const QString& newLastPath, bool keepOwnExtension);

    const QList<FileMove>& moves() const { return m_Moves; }
    // The list of a MakeRoom shift once it ran: one longer, files k+1..n+1 at their new paths, and
    // entry k the place freed for the new file (the old path of file k, or newLastPath when k is
    // past the end).
    const QStringList& Shifted() const { return m_Shifted; }
    const QString& FreedPath() const { return m_Freed; }

    // Moves every file. On a failure the moves already done are moved back and false is returned;
    // blockedPath() names the file that could not be moved or the name in the way, reason() why.
    bool Run();
    // Moves every file of a shift that ran back to where it was, last move first. False when one
    // of them cannot be moved back (blockedPath() and reason() say which); the others still are.
    bool Undo();

    bool HasRun() const { return m_Done == m_Moves.size(); }
    const QString& blockedPath() const { return m_BlockedPath; }
    const QString& reason() const { return m_Reason; }
    // True when the shift stopped because blockedPath() is a name already in use.
    bool blockedByExistingName() const { return m_TargetTaken; }

private:
    bool MoveBack(qsizetype count);

    QList<FileMove> m_Moves;
    QStringList m_Shifted;
    QString m_Freed;
    qsizetype m_Done = 0;
    QString m_BlockedPath;
    QString m_Reason;
    bool m_TargetTaken = false;
};

// path with its extension (the text after the last "." of its file name) replaced by extension
// (without dot); a name without "." gains one.
QString WithExtension(const QString& path, const QString& extension);
// The extension of path's file name without dot; empty when it has none.
QString ExtensionOf(const QString& path);

}  // namespace scanvo
