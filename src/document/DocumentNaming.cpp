#include "document/DocumentNaming.h"

#include "core/DocumentType.h"
#include "core/Routines.h"

#include <QDir>
#include <QFileInfo>

namespace scanvo {

namespace {

constexpr int DefaultCounterWidth = 6;
constexpr int MaxNameProbes = 1000000;

QString WithoutSeparators(QString text)
{
    for (QChar& c : text) {
        if (IsPathSeparator(c))
            c = u'_';
    }
    return text;
}

QString ToDiskSeparators(QString path)
{
    path.replace(u'\\', u'/');
    return path;
}

QString ExtensionForDocType(const QString& lastName, int docType)
{
    if (docType == DocTypeSinglePageTiff)
        return QStringLiteral("tif");
    if (docType == DocTypeSinglePageJpeg)
        return QStringLiteral("jpg");
    return lastName.contains(u'.') ? NameExtension(lastName) : QStringLiteral("tif");
}

}  // namespace

NameRule ParseNameRule(const QString& rule)
{
    NameRule parsed;
    const qsizetype first = rule.indexOf(u'#');
    if (first < 0) {
        parsed.prefix = WithoutSeparators(rule);
        parsed.counterTemplate = QString(DefaultCounterWidth, u'0');
        parsed.counterWidth = DefaultCounterWidth;
        return parsed;
    }
    const qsizetype last = rule.lastIndexOf(u'#');
    parsed.prefix = WithoutSeparators(rule.left(first));
    parsed.counterTemplate = WithoutSeparators(rule.mid(first, last - first + 1)).replace(u'#', u'0');
    parsed.counterWidth = int(last - first + 1);
    parsed.suffix = WithoutSeparators(rule.mid(last + 1));
    return parsed;
}

QString FormatCounter(const QString& counterTemplate, int width, qint64 n)
{
    const quint64 magnitude = n < 0 ? 0 - quint64(n) : quint64(n);
    const QString digits = QString::number(magnitude);
    if (digits.size() >= width)
        return digits;
    return (counterTemplate + digits).right(width);
}

QString RuleFileName(const NameRule& rule, qint64 n, const QString& extension)
{
    return rule.prefix + FormatCounter(rule.counterTemplate, rule.counterWidth, n) + rule.suffix
        + u'.' + extension;
}

QString IncrementDigits(const QString& digits)
{
    QString result = digits;
    for (qsizetype i = result.size() - 1; i >= 0; --i) {
        if (result[i] != u'9') {
            result[i] = QChar(result[i].unicode() + 1);
            return result;
        }
        result[i] = u'0';
    }
    return u'1' + result;
}

QString ContinuationName(const QString& lastPath, const QString& extension, const NameTaken& taken)
{
    // The digit run is looked for in the name without its extension, so digits in an extension
    // ("jp2") and extensions longer than three letters ("tiff") continue correctly.
    const QString base = NameWithoutExtension(PathFilePart(lastPath));
    QString head = base;
    QString tail;
    QString counter = DigitRun(base);
    if (counter.isEmpty()) {
        // Counting on from a name without digits would repeat the name itself.
        counter = QString(DefaultCounterWidth, u'0');
    } else {
        head = TextBeforeDigitRun(base);
        tail = TextAfterDigitRun(base);
    }
    const QString dotExtension = u'.' + extension;
    for (int probe = 0; probe < MaxNameProbes; ++probe) {
        counter = IncrementDigits(counter);
        const QString name = head + counter + tail + dotExtension;
        if (!taken || !taken(name))
            return name;
    }
    return QString();
}

QString NextFileName(const QString& lastPath, int docType, const NameTaken& taken)
{
    return ContinuationName(lastPath, ExtensionForDocType(PathFilePart(lastPath), docType), taken);
}

QString NextFileName(const QString& lastPath, int docType)
{
    return NextFileName(lastPath, docType, TakenInDirectory(PathDirPart(lastPath)));
}

NameTaken TakenInDirectory(const QString& directory)
{
    QString dir = ToDiskSeparators(directory);
    if (!dir.isEmpty() && !dir.endsWith(u'/'))
        dir += u'/';
    return [dir](const QString& fileName) { return QFileInfo::exists(dir + fileName); };
}

QString MultiPageFilePath(const QString& documentDirectory, const QString& docName)
{
    QString name = docName;
    while (!name.isEmpty() && IsPathSeparator(name.back()))
        name.chop(1);
    QString dir = ToDiskSeparators(documentDirectory);
    if (!dir.isEmpty() && !dir.endsWith(u'/'))
        dir += u'/';
    return dir + PathComponent(name, 2) + QStringLiteral(".tif");
}

bool EnsureDirectory(const QString& path)
{
    const QString dir = ToDiskSeparators(path);
    if (dir.isEmpty())
        return false;
    if (QFileInfo(dir).isDir())
        return true;
    return QDir().mkpath(dir);
}

}  // namespace scanvo
