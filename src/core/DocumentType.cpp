// File names by type.
#include "core/DocumentType.h"

#include <algorithm>

namespace scanvo {

namespace {

char16_t AsciiLower(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
}

// Characters whose case partner lies outside ASCII: the Kelvin sign folds to "k", the long s to "s".
bool HasOnlyPlainAscii(QStringView part)
{
    return std::all_of(part.begin(), part.end(), [](QChar c) {
        const char16_t lower = AsciiLower(c.unicode());
        return c.unicode() < 0x80 && lower != u'k' && lower != u's';
    });
}

}  // namespace

bool ContainsIgnoringCase(QStringView text, QStringView part)
{
    if (!HasOnlyPlainAscii(part))
        return text.contains(part, Qt::CaseInsensitive);
    const qsizetype length = part.size();
    for (qsizetype at = 0; at + length <= text.size(); ++at) {
        qsizetype k = 0;
        while (k < length && AsciiLower(text[at + k].unicode()) == AsciiLower(part[k].unicode()))
            ++k;
        if (k == length)
            return true;
    }
    return false;
}

bool IsTiffName(const QString& name)
{
    return ContainsIgnoringCase(name, u".tif");
}

bool IsJpegName(const QString& name)
{
    return ContainsIgnoringCase(name, u".jpg");
}

}  // namespace scanvo
