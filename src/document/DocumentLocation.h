#pragma once
// Where a document lives: the root directory (LocalPath) plus the document name, a relative path
// whose components may be separated by "/" or "\".

#include <QString>

namespace scanvo {

// The root directory localPath with every "\" read as "/".
QString RootDirectoryPath(const QString& localPath);
// True when docName names a directory below the root: not absolute, and no ".." leads out of it.
bool IsDocNameInsideRoot(const QString& docName);
// The document directory: localPath + "/" + docName, separators normalised, no trailing "/".
QString DocumentDirectoryPath(const QString& localPath, const QString& docName);

}  // namespace scanvo
