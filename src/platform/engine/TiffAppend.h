#pragma once
// Appending a page to a multi-page TIFF in place. The new page's strips and directory are written
// after the file's end and made durable; only then is the one offset that links the directory into
// the chain of pages written, and made durable in turn. A save stopped at any moment leaves the old
// document (with bytes after its end that no page reaches) or the new one, and the other pages are
// never read or rewritten, so a scan job into one file writes each page once.

#include "platform/engine/Image.h"

#include <QString>

namespace scanvo::engine {

// Appends page as page pageIndex (0-based) of pageCount to the TIFF at path, as WriteTiffPage codes
// it. Returns false, with the file as it was, when it cannot be done in place (another writer holds
// the file, or extending its chain takes more than one link); the caller then rewrites the file.
// Throws EngineError when the file cannot be written; the file then holds its old pages.
bool AppendPageInPlace(const QString& path, const Image& page, int format, int qualityFactor, int pageIndex,
                       int pageCount);

}  // namespace scanvo::engine
