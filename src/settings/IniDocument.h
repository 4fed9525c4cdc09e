#pragma once
// The lines of one INI file in memory: lookup and in-place replacement of "key=value" entries,
// keeping every other line (comments, blank lines, unknown entries) and the file's line endings.

#include <QString>
#include <QStringList>

#include <optional>

namespace scanvo {

class IniDocument {
public:
    static IniDocument FromText(const QString& text);
    QString ToText() const;

    // The text after the first "=" of the key's line, blanks around it removed; nothing when the
    // section or the key is missing. The first matching section and key count.
    std::optional<QString> Value(const QString& section, const QString& key) const;
    // Replaces the key's line in place, or adds it after the section's last entry, or adds the
    // section with the key at the end.
    void SetValue(const QString& section, const QString& key, const QString& value);

private:
    qsizetype FindSection(const QString& section) const;
    qsizetype SectionEnd(qsizetype header) const;
    qsizetype FindKey(qsizetype header, qsizetype end, const QString& key) const;

    QStringList m_Lines;
    QString m_LineEnd = QStringLiteral("\n");
};

}  // namespace scanvo
