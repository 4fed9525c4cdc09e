#pragma once
// Which files a batch cleans and where each result goes.

#include <QString>
#include <QStringList>

#include <vector>

namespace scanvo::clean {

struct CleanTarget {
    QString source;
    QString result;   // the file written: under the output folder, or source itself in place
    QString problem;  // when set, the file is not cleaned and this says why
};

// The files of inputs in the order given, a folder's TIFF and JPEG files (not its subfolders') in
// numbering order, each with its result path: outputDir + "/" + its file name, or itself when
// outputDir is empty (in place). A name given twice is cleaned once; two files that would write
// the same result, a result that would replace its own source without in-place, and an input that
// is neither file nor folder get a problem instead.
std::vector<CleanTarget> CollectTargets(const QStringList& inputs, const QString& outputDir);

// The files of inputs as CollectTargets takes them, each result in folder under its number in the
// batch and its own name ("000001-page.tif"), so that files of the same name from two folders
// both have a place and the results sort in the targets' order.
std::vector<CleanTarget> CollectNumberedTargets(const QStringList& inputs, const QString& folder);

}  // namespace scanvo::clean
