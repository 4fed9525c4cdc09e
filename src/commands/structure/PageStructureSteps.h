#pragma once
// Steps the page structure commands share: the kind of document, writing the modified page back
// first, and putting a new page into a multi-page file or a new file into a single-page document
// at a given place.

#include "core/ControlState.h"
#include "platform/engine/Image.h"

#include <QString>

namespace scanvo::page_structure {

// Single-page TIFF or JPEG files (types 2 and 3): one file per page.
bool IsSinglePageDocument(const ControlState& state);

// Deletes path; throws with the system's reason when it cannot.
void RemoveFile(const QString& path);

// Page n of the document on view: page n of the current file for types 0 and 1, file n for the
// single-page types.
engine::Image LoadDocumentPage(const ControlState& state, int n);

// Puts page into the document so that it becomes page position (1 <= position <= m_PageCount + 1),
// stored with format, bits and the quality factor of format. A multi-page file gets it through the
// engine's insert or append, the other pages keeping their compressed data; a single-page document
// gets a new file at that place, the files from there on moving up a name, none overwritten, each
// keeping its own extension. Throws on failure with the document as it was. Does not touch
// m_PageCount or the list pane.
void InsertDocumentPage(ControlState& state, const engine::Image& page, int position, int format, int bits);

// Deletes page position of the document (never its only page): a page of the current file, or a
// file of a single-page document, whose later files then move down a name. Throws on failure.
void DeleteDocumentPage(ControlState& state, int position);

}  // namespace scanvo::page_structure
