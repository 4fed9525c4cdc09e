#pragma once
// What scanning and import share when they add files to a document: the new file's place and
// name (the naming rule for the first file, the continuation after the last one otherwise), the
// files moved up to make room, and a format that matches the file's name.

#include "core/ControlState.h"
#include "document/RenamingShift.h"
#include "platform/engine/ImageFile.h"

#include <QString>
#include <QStringList>

namespace scanvo {

// Asks for the root directory when none is known; false (after telling the user) when there is
// still none, or when the document's directory lies outside the root or cannot be made.
bool EnsureDocument(ControlProperties& props, ChildWidgets& widgets);

// A page or file that could not be stored; text is what the user is told.
struct StoreFailure {
    QString text;
};

// A new file's place in the document, made by MakeRoomForNewFile.
struct NewFilePlace {
    QString path;              // where the new file is to be written; nothing is there yet
    RenamingShift shift;       // the files moved to make room (run already)
    QStringList filesBefore;   // m_Files as it was
};

// Makes room for a new file at place k (1-based) of files, with extension (no dot), in directory.
// The first file of a document takes the rule's name with counter initValue; later ones the
// continuation of the last listed file; a name in use is skipped. Files k and after move up one
// place, keeping their own extensions when keepOwnExtension is set. files then lists the new file
// at k. Throws StoreFailure, with the files as they were, when a name is in the way or a move fails.
NewFilePlace MakeRoomForNewFile(FilePaths& files, const QString& directory, const QString& rule, qint64 initValue,
                                int k, const QString& extension, bool keepOwnExtension);
// Puts the files back where they were after the new file could not be written: files as before
// and the moved files moved back. Returns failure, with a note when a file could not be moved back.
QString UndoNewFilePlace(FilePaths& files, NewFilePlace& place, const QString& failure);

// The save options for a page written to path with the given format, bits and quality, the
// format changed where it would not match the file's name: a ".jpg" file is always written as
// JPEG (a black-and-white page as 8-bit grey) and a ".tif" file always as TIFF.
engine::SaveOptions FittedSaveOptions(const QString& path, int format, int bits, int quality);

}  // namespace scanvo
