#pragma once
// Enumeration of a document directory by the patterns the file list uses: "dir/*.*" (every
// file), "dir/*.tif" or "dir/*.jpg" (every name containing that extension, in any case) and
// "dir/name.tif" (that one file). Directories and hidden files are never listed.

#include <QString>
#include <QStringList>

#include <functional>

namespace scanvo {

enum class ListingOrder { Numbering, Unsorted };

// What one read of a directory finds: the names of its visible files (regular files, or links to
// them), in no particular order, and the hidden names that have the form of a save's temporary file.
struct DirectoryNames {
    QStringList files;
    QStringList temporaries;
};
// Reads directory once, looking at a file's type only where the directory entry does not give it.
// Empty when the directory does not exist or cannot be read.
DirectoryNames ReadDirectoryNames(const QString& directory);
// The names among files that the name part of a pattern selects ("*.*", "*.tif", "name.tif"), in
// the order given.
QStringList SelectMatchingNames(const QStringList& files, const QString& namePattern);

// Names (without directory) of the files matching pattern, in numbering order unless asked
// otherwise. Empty when the directory does not exist or nothing matches.
QStringList ListMatchingNames(const QString& pattern, ListingOrder order = ListingOrder::Numbering);

// Sorts names case-insensitively with digit runs compared by value, so that the zero-padded
// counters of the naming rule (and unpadded ones too) come out in numbering order.
void SortInNumberingOrder(QStringList& names);
// The same, telling found the name bound for index (0 <= index < size) once it is known and before
// the other names are in order, so that a caller can start on that one while the rest is sorted.
// An index outside the list tells nothing.
void SortInNumberingOrder(QStringList& names, qsizetype index, const std::function<void(const QString& name)>& found);
// The order SortInNumberingOrder sorts by: negative, zero or positive.
int CompareInNumberingOrder(const QString& a, const QString& b);
// A text whose plain order among names is CompareInNumberingOrder's, names equal but for case or
// padding aside (they share a key).
QString NumberingOrderKey(const QString& name);

}  // namespace scanvo
