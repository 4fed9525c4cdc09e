#pragma once
// Editing a multi-page TIFF in place. A new page's strips and directory are written after the
// file's end and made durable; only then is the one offset that links it into the chain of pages
// written, and made durable in turn. Deleting a page rewrites the one offset that leads to it.
// Every edit is that single link, so a save stopped at any moment leaves the old document or the
// new one, page for page; the other pages are never read or rewritten, and a scan job into one file
// writes each page once. What no page reaches any more (a replaced or deleted page, a killed save's
// bytes after the end) stays in the file until the file is compacted: rewritten whole.

#include "platform/engine/Image.h"

#include <QString>

#include <cstdint>

namespace scanvo::engine {

enum class PageLink { Append, Insert, Replace };

// The outcome of an edit in place. Not done: the file is as it was, and the caller rewrites it
// instead (another writer holds it, its chain of pages cannot be followed to its end, or libtiff
// extends it otherwise than by one link).
struct InPlaceEdit {
    bool done = false;
    std::uint64_t fileBytes = 0;    // the file's size afterwards
    std::uint64_t unusedBytes = 0;  // bytes no page reaches afterwards
};

// Writes page, as WriteTiffPage codes it with format and qualityFactor, after the end of the TIFF at
// path and links it at position (0-based, of pageCount pages before the edit): after the last page
// (Append, position == pageCount), before the page at position (Insert), or in its place (Replace).
// Throws EngineError when the file cannot be written; the file then holds its old pages.
InPlaceEdit WritePageInPlace(const QString& path, const Image& page, int format, int qualityFactor, PageLink link,
                             int position, int pageCount);
// Unlinks the page at position (0-based) of pageCount (at least 2). Throws as WritePageInPlace.
InPlaceEdit DeletePageInPlace(const QString& path, int position, int pageCount);

// True when an edit in place left so much of the file unused that it should be rewritten whole.
bool WorthCompacting(const InPlaceEdit& edit);

}  // namespace scanvo::engine
