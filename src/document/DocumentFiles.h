#pragma once
// How a document directory is read by type: detecting the type from the files present and
// collecting the files a type lists.

#include "core/ControlState.h"
#include "core/DocumentType.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace scanvo {

// The type the files matching pattern suggest: -1 none, 1 a single multi-page TIFF, 0 TIFF and
// JPEG mixed (or neither), 2 only TIFF, 3 only JPEG. Never throws; an unreadable TIFF counts as
// one page.
DocTypeCode DetectDocType(const QString& pattern);
// The same for the names of files already read from directory (in any order).
DocTypeCode DetectDocTypeOf(const QString& directory, const QStringList& names);

// Fills m_Files with the full paths of the files matching pattern that m_DocType lists, in
// numbering order.
void CollectFiles(ControlProperties& props, DocumentPosition& doc, const QString& pattern);
// The same for names already listed from directory, in any order.
void CollectListedFiles(ControlProperties& props, DocumentPosition& doc, const QString& directory, const QStringList& names);

// The steps of CollectListedFiles, for a caller that acts between them. The names among names that
// docType lists, in the order given:
QStringList NamesListedByType(const QStringList& names, qint16 docType);
// the full path of file name in directory, as m_Files holds it;
QString ListedFilePath(const QString& directory, const QString& name);
// and m_Files made of names (in numbering order by now) in directory.
void SetListedFiles(DocumentPosition& doc, const QString& directory, const QStringList& names);

// The file or page a list build opens at: position while it lies inside the document (1 to
// count), else the last one (0 for an empty document).
int OpeningPosition(int position, int count);

}  // namespace scanvo
