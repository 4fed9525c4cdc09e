// Parsing and editing the lines of an INI file.
#include "settings/IniDocument.h"

namespace scanvo {

namespace {

QString TrimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    auto blank = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); };
    while (begin < end && blank(text[begin]))
        ++begin;
    while (end > begin && blank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin).toString();
}

// The name of a "[name]" line, blanks inside the brackets removed.
std::optional<QString> SectionOf(const QString& line)
{
    const QString trimmed = TrimBlanks(line);
    if (!trimmed.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
    if (close < 0)
        return std::nullopt;
    return TrimBlanks(QStringView(trimmed).mid(1, close - 1));
}

struct Entry {
    QString key;
    QString value;
};

std::optional<Entry> EntryOf(const QString& line)
{
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals < 0)
        return std::nullopt;
    Entry entry{TrimBlanks(QStringView(line).left(equals)), TrimBlanks(QStringView(line).mid(equals + 1))};
    if (entry.key.startsWith(QLatin1Char(';')) || entry.key.startsWith(QLatin1Char('[')))
        return std::nullopt;
    return entry;
}

bool SameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

}  // namespace

IniDocument IniDocument::FromText(const QString& text)
{
    IniDocument doc;
    if (text.contains(QLatin1String("\r\n")))
        doc.m_LineEnd = QStringLiteral("\r\n");
    doc.m_Lines = text.split(QLatin1Char('\n'));
    if (!doc.m_Lines.isEmpty() && doc.m_Lines.last().isEmpty())
        doc.m_Lines.removeLast();
    for (QString& line : doc.m_Lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    return doc;
}

QString IniDocument::ToText() const
{
    QString text;
    for (const QString& line : m_Lines)
        text += line + m_LineEnd;
    return text;
}

qsizetype IniDocument::FindSection(const QString& section) const
{
    for (qsizetype i = 0; i < m_Lines.size(); ++i) {
        const auto name = SectionOf(m_Lines[i]);
        if (name && SameName(*name, section))
            return i;
    }
    return -1;
}

qsizetype IniDocument::SectionEnd(qsizetype header) const
{
    qsizetype i = header + 1;
    while (i < m_Lines.size() && !SectionOf(m_Lines[i]))
        ++i;
    return i;
}

qsizetype IniDocument::FindKey(qsizetype header, qsizetype end, const QString& key) const
{
    for (qsizetype i = header + 1; i < end; ++i) {
        const auto entry = EntryOf(m_Lines[i]);
        if (entry && SameName(entry->key, key))
            return i;
    }
    return -1;
}

std::optional<QString> IniDocument::Value(const QString& section, const QString& key) const
{
    const qsizetype header = FindSection(section);
    if (header < 0)
        return std::nullopt;
    const qsizetype line = FindKey(header, SectionEnd(header), key);
    if (line < 0)
        return std::nullopt;
    return EntryOf(m_Lines[line])->value;
}

void IniDocument::SetValue(const QString& section, const QString& key, const QString& value)
{
    const QString entryLine = key + QLatin1Char('=') + value;
    const qsizetype header = FindSection(section);
    if (header < 0) {
        m_Lines << QLatin1Char('[') + section + QLatin1Char(']') << entryLine;
        return;
    }
    const qsizetype end = SectionEnd(header);
    const qsizetype line = FindKey(header, end, key);
    if (line >= 0) {
        m_Lines[line] = entryLine;
        return;
    }
    // New keys go after the section's last non-blank line, so that the blank line that usually
    // separates it from the next section stays where it is.
    qsizetype insertAt = end;
    while (insertAt > header + 1 && TrimBlanks(m_Lines[insertAt - 1]).isEmpty())
        --insertAt;
    m_Lines.insert(insertAt, entryLine);
}

}  // namespace scanvo
