#include "core/Routines.h"

namespace scanvo {

namespace {

constexpr int KeyBackspace = 8;
constexpr int KeyEnter = 13;

bool IsAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// 0-based index of the last separator, -1 if none.
qsizetype LastSeparator(const QString& path)
{
    for (qsizetype i = path.size() - 1; i >= 0; --i) {
        if (IsPathSeparator(path[i]))
            return i;
    }
    return -1;
}

// The last run of digits as a 0-based half-open range [begin, end); begin == end == -1 if none.
struct DigitSpan {
    qsizetype begin = -1;
    qsizetype end = -1;
    bool found() const { return end >= 0; }
};

DigitSpan LastDigitSpan(const QString& name)
{
    DigitSpan span;
    qsizetype last = name.size() - 1;
    while (last >= 0 && !IsAsciiDigit(name[last]))
        --last;
    if (last < 0)
        return span;
    qsizetype first = last;
    while (first > 0 && IsAsciiDigit(name[first - 1]))
        --first;
    span.begin = first;
    span.end = last + 1;
    return span;
}

}  // namespace

bool IsPathSeparator(QChar c)
{
    return c == u'/' || c == u'\\';
}

QString PathDirPart(const QString& path)
{
    return path.left(LastSeparator(path) + 1);
}

QString PathFilePart(const QString& path)
{
    return path.mid(LastSeparator(path) + 1);
}

QString PathComponent(const QString& path, int selector)
{
    return selector == 1 ? PathDirPart(path) : PathFilePart(path);
}

QString NameExtension(const QString& name)
{
    return name.mid(name.lastIndexOf(u'.') + 1);
}

QString NameWithoutExtension(const QString& name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? name : name.left(dot);
}

QString DigitRun(const QString& name)
{
    const DigitSpan span = LastDigitSpan(name);
    return span.found() ? name.mid(span.begin, span.end - span.begin) : QString();
}

QString TextBeforeDigitRun(const QString& name)
{
    const DigitSpan span = LastDigitSpan(name);
    return span.found() ? name.left(span.begin) : QString();
}

QString TextAfterDigitRun(const QString& name)
{
    const DigitSpan span = LastDigitSpan(name);
    return span.found() ? name.mid(span.end) : name;
}

QString LastPositionOf(const QString& text, QChar c)
{
    return QString::number(text.lastIndexOf(c) + 1);
}

int FilterKey(int keyCode, const QString& allowed, bool allowBackspace)
{
    if (keyCode == KeyEnter)
        return keyCode;
    if (keyCode <= 0 || keyCode > 0xFFFF)
        return 0;
    if (keyCode == KeyBackspace)
        return allowBackspace || allowed.contains(QChar(KeyBackspace)) ? keyCode : 0;
    const QChar key = QChar(char16_t(keyCode)).toUpper();
    return allowed.toUpper().contains(key) ? keyCode : 0;
}

}  // namespace scanvo
