// Leading-number parsing with rounding half to even.
#include "core/IniNumber.h"

#include <cmath>
#include <limits>

namespace scanvo {

namespace {

bool IsDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

qsizetype SkipDigits(const QString& text, qsizetype i)
{
    while (i < text.size() && IsDigit(text[i]))
        ++i;
    return i;
}

// Length of the numeric prefix of text starting at begin, 0 when there is none.
qsizetype NumericPrefixEnd(const QString& text, qsizetype begin)
{
    qsizetype i = begin;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    const qsizetype intStart = i;
    i = SkipDigits(text, i);
    bool digits = i > intStart;
    if (i < text.size() && text[i] == QLatin1Char('.')) {
        const qsizetype fracStart = i + 1;
        const qsizetype fracEnd = SkipDigits(text, fracStart);
        if (fracEnd > fracStart || digits) {
            digits = true;
            i = fracEnd;
        }
    }
    if (!digits)
        return begin;
    // An exponent counts only when digits follow it; "12e" is 12.
    if (i < text.size() && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        qsizetype e = i + 1;
        if (e < text.size() && (text[e] == QLatin1Char('+') || text[e] == QLatin1Char('-')))
            ++e;
        const qsizetype expEnd = SkipDigits(text, e);
        if (expEnd > e)
            i = expEnd;
    }
    return i;
}

template <typename Int>
Int RoundedInto(const QString& text, bool* inRange)
{
    // rint rounds in the default mode, to nearest with halves to even.
    const double rounded = std::rint(LeadingNumber(text));
    const bool fits = rounded >= double(std::numeric_limits<Int>::min())
                      && rounded <= double(std::numeric_limits<Int>::max());
    if (inRange)
        *inRange = fits;
    return fits ? Int(rounded) : Int(0);
}

}  // namespace

double LeadingNumber(const QString& text)
{
    qsizetype begin = 0;
    while (begin < text.size() && (text[begin] == QLatin1Char(' ') || text[begin] == QLatin1Char('\t')))
        ++begin;
    const qsizetype end = NumericPrefixEnd(text, begin);
    if (end == begin)
        return 0.0;
    // Beyond double's range toDouble gives an infinity (or 0 for underflow), which the
    // integer conversions then report as out of range.
    return text.mid(begin, end - begin).toDouble();
}

qint16 IniNumber16(const QString& text, bool* inRange)
{
    return RoundedInto<qint16>(text, inRange);
}

qint32 IniNumber32(const QString& text, bool* inRange)
{
    return RoundedInto<qint32>(text, inRange);
}

}  // namespace scanvo
