// Reading and writing single INI values through whole-file reads and atomic rewrites.
#include "settings/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <optional>

#include "settings/IniDocument.h"
#include "settings/IniText.h"

namespace scanvo {

namespace {

// The file's text; nothing when it is missing or cannot be read.
std::optional<IniText> ReadIniFile(const QString& file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return std::nullopt;
    return DecodeIniText(in.readAll());
}

bool HasLineBreak(const QString& text)
{
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

bool IsWritableSection(const QString& section)
{
    return !section.trimmed().isEmpty() && !HasLineBreak(section) && !section.contains(QLatin1Char(']'));
}

bool IsWritableKey(const QString& key)
{
    const QString trimmed = key.trimmed();
    return !trimmed.isEmpty() && !HasLineBreak(key) && !key.contains(QLatin1Char('='))
           && !trimmed.startsWith(QLatin1Char('[')) && !trimmed.startsWith(QLatin1Char(';'));
}

QString OnOneLine(QString value)
{
    value.replace(QLatin1String("\r\n"), QLatin1String(" "));
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return value;
}

}  // namespace

QString GetIniString(const QString& file, const QString& section, const QString& key)
{
    const auto text = ReadIniFile(file);
    if (!text)
        return QString();
    const auto value = IniDocument::FromText(text->text).Value(section, key);
    if (!value)
        return QString();
    QString result = *value;
    const qsizetype nul = result.indexOf(QChar(0));
    if (nul >= 0)
        result.truncate(nul);
    result.truncate(kIniValueLimit);
    return result;
}

bool WriteIniString(const QString& file, const QString& section, const QString& key, const QString& value)
{
    if (file.isEmpty() || !IsWritableSection(section) || !IsWritableKey(key))
        return false;
    IniText text;
    std::optional<QByteArray> stored;
    if (QFileInfo::exists(file)) {
        // A file that exists but cannot be read must not be replaced by one holding only this key.
        QFile in(file);
        if (!in.open(QIODevice::ReadOnly))
            return false;
        stored = in.readAll();
        text = DecodeIniText(*stored);
    } else if (!QDir().mkpath(QFileInfo(file).absolutePath())) {
        return false;
    }
    IniDocument doc = IniDocument::FromText(text.text);
    doc.SetValue(section.trimmed(), key.trimmed(), OnOneLine(value));
    text.text = doc.ToText();
    const QByteArray bytes = EncodeIniText(text);
    // A value written again as it stands (a position remembered at every page shown) costs no
    // write and no flush to disk.
    if (stored && *stored == bytes)
        return true;

    // QSaveFile writes a temporary file beside the target and renames it over the target on commit.
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    if (out.write(bytes) != bytes.size()) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

}  // namespace scanvo
