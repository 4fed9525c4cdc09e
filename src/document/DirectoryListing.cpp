// Directory enumeration of the file list.
#include "document/DirectoryListing.h"

#include "core/Routines.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace scanvo {

namespace {

// The extension a "*.ext" pattern asks for, with its dot ("*.tif" gives ".tif"); empty for "*.*"
// and for a plain file name.
QString WildcardExtension(const QString& namePattern)
{
    if (!namePattern.startsWith(QStringLiteral("*.")) || namePattern == QStringLiteral("*.*"))
        return {};
    return namePattern.mid(1).toLower();
}

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The run of digits or of other characters starting at from.
QStringView RunAt(QStringView text, qsizetype from)
{
    const bool digits = IsDigit(text[from]);
    qsizetype end = from + 1;
    while (end < text.size() && IsDigit(text[end]) == digits)
        ++end;
    return text.mid(from, end - from);
}

// Digit runs by value: leading zeros aside, the longer run is the larger number.
int CompareNumbers(QStringView a, QStringView b)
{
    while (a.size() > 1 && a.front() == u'0')
        a = a.mid(1);
    while (b.size() > 1 && b.front() == u'0')
        b = b.mid(1);
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

bool IsWildcard(const QString& namePattern)
{
    return namePattern.contains(u'*') || namePattern.contains(u'?');
}

}  // namespace

int CompareInNumberingOrder(const QString& a, const QString& b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        const QStringView runA = RunAt(a, i);
        const QStringView runB = RunAt(b, j);
        const bool numberA = IsDigit(runA.front());
        const bool numberB = IsDigit(runB.front());
        int order = 0;
        if (numberA && numberB)
            order = CompareNumbers(runA, runB);
        else
            order = runA.compare(runB, Qt::CaseInsensitive);
        if (order != 0)
            return order < 0 ? -1 : 1;
        i += runA.size();
        j += runB.size();
    }
    if (i < a.size() || j < b.size())
        return i < a.size() ? 1 : -1;
    // Names equal but for case or padding still need one fixed order.
    const int exact = a.compare(b);
    return exact < 0 ? -1 : (exact > 0 ? 1 : 0);
}

void SortInNumberingOrder(QStringList& names)
{
    // Linux lists a directory in no defined order. The collator is not used: without a full
    // locale it falls back to plain code-point order, which puts "scan10" before "scan9".
    std::stable_sort(names.begin(), names.end(),
                     [](const QString& a, const QString& b) { return CompareInNumberingOrder(a, b) < 0; });
}

QStringList ListMatchingNames(const QString& pattern, ListingOrder order)
{
    const QString directory = PathDirPart(pattern);
    const QString namePattern = PathFilePart(pattern);
    if (namePattern.isEmpty())
        return {};

    if (!IsWildcard(namePattern)) {
        const QFileInfo file(QDir(directory.isEmpty() ? QStringLiteral(".") : directory), namePattern);
        if (file.isFile() && !file.isHidden())
            return {file.fileName()};
        return {};
    }

    QDir dir(directory.isEmpty() ? QStringLiteral(".") : directory);
    QStringList names = dir.entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::NoSort);
    // "*.tif" also takes "page.TIFF" and "page.tif.jpg": the test is "contains", in any case.
    const QString extension = WildcardExtension(namePattern);
    if (!extension.isEmpty()) {
        names.erase(std::remove_if(names.begin(), names.end(),
                                   [&](const QString& name) { return !name.toLower().contains(extension); }),
                    names.end());
    }
    if (order == ListingOrder::Numbering)
        SortInNumberingOrder(names);
    return names;
}

}  // namespace scanvo
