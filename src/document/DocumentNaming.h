#pragma once
// Where a document's files live and how new files are named: the naming rule, counter texts and
// the continuation after the last file. Everything but EnsureDirectory and the default collision
// check of NextFileName is pure text handling.

#include <QString>
#include <QtGlobal>

#include <functional>

namespace scanvo {

// A naming rule split into its three parts: prefix, counter, suffix.
struct NameRule {
    QString prefix;
    QString counterTemplate;  // the rule's "#" span with every "#" as "0"; "000000" without "#"
    int counterWidth = 0;
    QString suffix;
};

// Splits a rule such as "IMG-###" into prefix "IMG-", template "000", width 3, suffix "". A rule
// without "#" is all prefix with a six-digit counter. Separators ("/", "\") in the rule become "_",
// so a rule can never place files outside the document's directory.
NameRule ParseNameRule(const QString& rule);

// The counter text for n: the rightmost width characters of the template followed by the digits of
// n (zero-padding for an all-"0" template). A number with more digits than width keeps all of
// them, so distinct numbers always give distinct names. A negative n counts by its digits.
QString FormatCounter(const QString& counterTemplate, int width, qint64 n);

// prefix + counter text for n + suffix + "." + extension (extension without its dot).
QString RuleFileName(const NameRule& rule, qint64 n, const QString& extension);

// The decimal digit text one higher, keeping its width while it fits ("0099" -> "0100",
// "9999" -> "10000", "" -> "1"). Works on text, so no digit run is too long to count on.
QString IncrementDigits(const QString& digits);

// Answers whether a file name (without directory) is already in use.
using NameTaken = std::function<bool(const QString& fileName)>;

// The name of the file that follows lastPath: its last digit run counted up by one at the same
// width ("scan0009.tif" -> "scan0010.tif"); a name without digits gains a six-digit counter from 1
// ("cover.tif" -> "cover000001.tif"). The extension is "tif" for document type 2, "jpg" for 3 and
// the last file's own for any other type. Names that taken reports in use are skipped, counting
// on. Returns the file name only; empty only if no free name turned up within a million tries.
QString NextFileName(const QString& lastPath, int docType, const NameTaken& taken);
// As above, skipping names that exist in lastPath's directory.
QString NextFileName(const QString& lastPath, int docType);
// The continuation with an explicit extension (without its dot), for files that keep their own.
QString ContinuationName(const QString& lastPath, const QString& extension, const NameTaken& taken);

// A NameTaken that checks for an existing file or directory of that name in directory.
NameTaken TakenInDirectory(const QString& directory);

// The one file of a multi-page TIFF document in documentDirectory: the last component of docName
// with ".tif".
QString MultiPageFilePath(const QString& documentDirectory, const QString& docName);

// Creates every missing level of path ("\" read as "/"); existing levels are left alone.
// True when path is a directory afterwards; false for an empty path or a level that cannot be
// created (for example because a file of that name is in the way).
bool EnsureDirectory(const QString& path);

}  // namespace scanvo
