#pragma once
// The file lists of the documents listed lately in this process, kept to tell which file a
// document will open at before its directory is read again. User-interface thread only.

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace scanvo {

// Keeps paths, the files of the document in directory in list order, for a document of docType.
// Only the few most recently listed directories are kept.
void RememberListedFiles(const QString& directory, qint16 docType, const QStringList& paths);
// The file a list build at position (0 or beyond the end: the last file) would show if the document
// in directory still held the files last remembered for it, and requestedType (unless it asks for
// detection) is the type they were listed as. Empty when nothing fitting is remembered, and for
// documents other than those of single-page files, where a position is not simply a file.
QString ExpectedFileAt(const QString& directory, qint16 requestedType, qint16 position);

}  // namespace scanvo
