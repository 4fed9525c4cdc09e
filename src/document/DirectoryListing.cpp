// Directory enumeration of the file list.
#include "document/DirectoryListing.h"

#include "core/DocumentType.h"
#include "core/Routines.h"
#include "platform/engine/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>
#include <vector>

#include <dirent.h>
#include <sys/stat.h>

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

// The case-folded run, without a new string for the common names of plain ASCII.
void AppendCaseFolded(QString& key, QStringView run)
{
    const bool ascii = std::all_of(run.begin(), run.end(), [](QChar c) { return c.unicode() < 0x80; });
    if (!ascii) {
        key += run.toString().toCaseFolded();
        return;
    }
    for (QChar c : run)
        key += c.unicode() >= u'A' && c.unicode() <= u'Z' ? QChar(char16_t(c.unicode() + (u'a' - u'A'))) : c;
}

bool IsWildcard(const QString& namePattern)
{
    return namePattern.contains(u'*') || namePattern.contains(u'?');
}

// A regular file, or a link to one. Most file systems give the type in the entry itself; only
// links and entries of unknown type cost a look at the file.
bool IsFileEntry(int directoryFd, const dirent& entry)
{
    if (entry.d_type == DT_REG)
        return true;
    if (entry.d_type != DT_UNKNOWN && entry.d_type != DT_LNK)
        return false;
    struct stat target {};
    return ::fstatat(directoryFd, entry.d_name, &target, 0) == 0 && S_ISREG(target.st_mode);
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

QString NumberingOrderKey(const QString& name)
{
    // Other runs case-folded and closed by U+0000, which no file name holds, so that a run that
    // is the start of another sorts first whatever follows it. Each digit run without its leading
    // zeros, behind a mark of its length: a digit itself for runs of up to eight digits, so that
    // against any other character it sorts as the run's first digit would; longer runs get '9'
    // and their length after it.
    QString key;
    key.reserve(name.size() + 4);
    qsizetype i = 0;
    while (i < name.size()) {
        const QStringView run = RunAt(name, i);
        i += run.size();
        if (!IsDigit(run.front())) {
            AppendCaseFolded(key, run);
            key += QChar(u'\0');
            continue;
        }
        QStringView digits = run;
        while (digits.size() > 1 && digits.front() == u'0')
            digits = digits.mid(1);
        if (digits.size() < 9) {
            key += QChar(char16_t(u'0' + digits.size()));
        } else {
            key += u'9';
            key += QChar(char16_t(std::min<qsizetype>(digits.size(), 0xFFFF)));
        }
        key += digits;
    }
    return key;
}

void SortInNumberingOrder(QStringList& names)
{
    SortInNumberingOrder(names, -1, {});
}

void SortInNumberingOrder(QStringList& names, qsizetype index, const std::function<void(const QString& name)>& found)
{
    // Linux lists a directory in no defined order. The collator is not used: without a full
    // locale it falls back to plain code-point order, which puts "scan10" before "scan9".
    // A key per name, compared as plain text, gives CompareInNumberingOrder's order without
    // walking the runs of two names at every comparison (a 10,000-file document sorts in a
    // fraction of the time).
    struct Keyed {
        QString key;
        QString name;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(size_t(names.size()));
    for (QString& name : names)
        keyed.push_back({NumberingOrderKey(name), std::move(name)});
    const auto inOrder = [](const Keyed& a, const Keyed& b) {
        const int order = QtPrivate::compareStrings(a.key, b.key, Qt::CaseSensitive);
        return order != 0 ? order < 0 : QtPrivate::compareStrings(a.name, b.name, Qt::CaseSensitive) < 0;
    };
    if (found && index >= 0 && index < qsizetype(keyed.size())) {
        // Selecting one place costs a pass; the two sides sorted apart cost what one sort does.
        const auto at = keyed.begin() + index;
        std::nth_element(keyed.begin(), at, keyed.end(), inOrder);
        found(at->name);
        std::sort(keyed.begin(), at, inOrder);
        std::sort(at + 1, keyed.end(), inOrder);
    } else {
        std::sort(keyed.begin(), keyed.end(), inOrder);
    }
    for (qsizetype i = 0; i < names.size(); ++i)
        names[i] = std::move(keyed[size_t(i)].name);
}

DirectoryNames ReadDirectoryNames(const QString& directory)
{
    DirectoryNames names;
    DIR* listing = ::opendir(QFile::encodeName(directory.isEmpty() ? QStringLiteral(".") : directory).constData());
    if (listing == nullptr)
        return names;
    const int fd = ::dirfd(listing);
    while (const dirent* entry = ::readdir(listing)) {
        if (entry->d_name[0] == '.') {
            // Hidden names are never listed; only a save's leftovers among them are of interest.
            if (std::strstr(entry->d_name, ".tmp-") != nullptr) {
                const QString name = QFile::decodeName(entry->d_name);
                if (engine::AtomicFile::IsTemporaryName(name))
                    names.temporaries.append(name);
            }
            continue;
        }
        if (IsFileEntry(fd, *entry))
            names.files.append(QFile::decodeName(entry->d_name));
    }
    ::closedir(listing);
    return names;
}

QStringList SelectMatchingNames(const QStringList& files, const QString& namePattern)
{
    if (namePattern.isEmpty())
        return {};
    if (!IsWildcard(namePattern))
        return files.contains(namePattern) ? QStringList{namePattern} : QStringList{};
    // "*.tif" also takes "page.TIFF" and "page.tif.jpg": the test is "contains", in any case.
    const QString extension = WildcardExtension(namePattern);
    if (extension.isEmpty())
        return files;
    QStringList selected;
    for (const QString& name : files) {
        if (ContainsIgnoringCase(name, extension))
            selected.append(name);
    }
    return selected;
}

QStringList ListMatchingNames(const QString& pattern, ListingOrder order)
{
    const QString directory = PathDirPart(pattern);
    const QString namePattern = PathFilePart(pattern);
    if (namePattern.isEmpty())
        return {};
    if (!IsWildcard(namePattern)) {
        // One file: a look at it, not a read of the directory.
        const QFileInfo file(QDir(directory.isEmpty() ? QStringLiteral(".") : directory), namePattern);
        if (file.isFile() && !file.isHidden())
            return {file.fileName()};
        return {};
    }
    QStringList names = SelectMatchingNames(ReadDirectoryNames(directory).files, namePattern);
    if (order == ListingOrder::Numbering)
        SortInNumberingOrder(names);
    return names;
}

}  // namespace scanvo
