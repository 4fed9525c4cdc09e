#pragma once
// Commands that change the page structure of the document rather than the pixels of a page:
// deleting the page on view, moving it to another position, uniting two pages into a new one and
// dividing a page into two new ones. Multi-page files change through
// the engine's page operations (the other pages keep their compressed data), single-page
// documents through deleting and renaming files, never over an existing file. A modified page is
// written back first, so that no later write-back lands on another page or a deleted file; when
// that write-back fails the command does nothing. None takes an undo level.

#include "core/ControlState.h"
#include "document/RenamingShift.h"
#include "platform/engine/Image.h"

#include <QStringList>

namespace scanvo {

// Asks, then deletes the page on view; the only page of the only file deletes the file and leaves
// an empty view. In a single-page document the files after the deleted one move down one name so
// the numbering stays closed. A failure is reported and leaves the document as it was.
void DeleteCurrentPage(ControlState& state);

// Asks frmGoto for the new position of the page on view and moves it there; the pages between
// shift by one. Single-page files keep their own extensions. A rename that cannot be made puts
// back the files already renamed.
void MovePage(ControlState& state);

// Asks frmCombinePara for two pages and unites them side by side or one above the other into a
// new page, which goes after the chosen page and is shown; the two pages stay. Pages of different
// depth or storage format are refused with a message.
void UnitePages(ControlState& state);

// Asks frmDivideImage where to cut the page on view and puts the two parts after the chosen page,
// the left or top one first, and shows that one; the page itself goes too when the user asks.
void DividePage(ControlState& state);

// The page uniting first and second: orientation 1 puts second right of first, 2 below it, on a
// white canvas with first's depth and kind and second's resolution. Throws EngineError when the
// two cannot be copied onto one canvas (a colour palette against none).
engine::Image UnitedPage(const engine::Image& first, const engine::Image& second, int orientation);

// The two parts of page cut at percent (see DivideLength): direction 0 left and right, 1 top and
// bottom. Each keeps the page's depth, palette, resolution and load format. Throws EngineError
// for a page too small to divide.
struct PageParts {
    engine::Image first;
    engine::Image second;
};
PageParts DividedPage(const engine::Image& page, int percent, int direction);

// Moves page o of the multi-page TIFF path to position t, the pages between shifting by one; the
// other pages keep their compressed data. The copy goes in first and the page leaves its old
// place after, so a failure in between leaves the page twice rather than nowhere. Throws
// EngineError.
void MovePageInFile(const QString& path, int o, int t);

// The file renames that move file o of files (1-based) to position t of a single-page document:
// file o steps aside under its name plus "-tmp", the files between take the base name of their
// neighbour towards o, and file o takes the base name of file t. Each file keeps its extension.
// moved is files as they are named afterwards, in their new order.
struct PlannedMove {
    QList<FileMove> renames;
    QStringList moved;
};
PlannedMove PlanFileMove(const QStringList& files, int o, int t);

// The lengths of the two parts a page of the given length (width or height) is divided into at
// percent: the cut lies 5 pixels beyond percent of the length, rounded to the nearest pixel
// (halves to even), and the second part takes the rest. Each part keeps at least one pixel; a
// length below 2 cannot be divided and gives {length, 0}.
struct DividedLengths {
    int first = 0;
    int second = 0;
};
DividedLengths DivideLength(int length, int percent);

// The renames that close the gap file k of files left: files k+1..n each take the base name of the
// file before them, keeping their own extension, first one first.
QList<FileMove> PlanClosingGap(const QStringList& files, int k);

}  // namespace scanvo
