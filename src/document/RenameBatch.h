#pragma once
// RenameBatch: renames many files of one directory at once, where a new name may be the name
// another file of the batch has now. Every file first steps aside under a hidden temporary name of
// ours, then takes its new name; no rename ever replaces an existing file.
//
// A journal beside the files records the batch before the first rename and which side of it the
// files are on (old names and temporary ones, or temporary names and new ones). A batch that
// stops part way is put back to the old names: at once when a rename fails, and by
// RecoverRenameBatch when the process was killed. So every file ends under its old or its new
// name, never under a temporary one, and none is lost.

#include "document/RenamingShift.h"

#include <QList>
#include <QString>

#include <functional>

namespace scanvo {

struct RenameBatchResult {
    bool ok = true;
    // When not ok: the file that could not be renamed, or the name in its way, and why.
    QString failedPath;
    QString reason;
    // False when some file could not be put back either; the journal then stays, so the next
    // recovery tries again, and no file is lost meanwhile.
    bool restored = true;
};

// Called before each rename with the number of renames done so far (two per file forward).
using RenameBatchStep = std::function<void(int done)>;

// Renames every move's from to its to. All files lie in one directory; the new names must be
// distinct and free, or be names of files of the batch itself. A batch an earlier process left
// unfinished in that directory is recovered first.
RenameBatchResult RunRenameBatch(const QList<FileMove>& moves, const RenameBatchStep& beforeStep = {});

// Puts back a batch that a killed process left unfinished in directory; true when there was none
// or every file is back under its old name (the journal is then gone).
bool RecoverRenameBatch(const QString& directory);

// Where the journal of directory's batch lives (a hidden file the file list never shows).
QString RenameBatchJournalPath(const QString& directory);

}  // namespace scanvo
