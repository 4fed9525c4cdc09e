// Loading the settings record from the settings file and writing single settings back.
#include "settings/Settings.h"

#include <QFileInfo>
#include <QStringList>

#include "core/Prompter.h"
#include "settings/IniFile.h"
#include "settings/SettingsTable.h"
#include "settings/SettingsTexts.h"

namespace scanvo {

SettingsRecord g_Settings;
QString g_IniFile;

namespace {

bool InSection(const SettingEntry& entry, const char* section)
{
    return qstrcmp(entry.section, section) == 0;
}

void WriteEntry(const SettingEntry& entry)
{
    WriteSetting(entry.Section(), entry.Key(), entry.TextIn(g_Settings));
}

// Collects the settings whose stored numbers do not fit, to report them in one message once the
// load is over. Their defaults are written back, so a later load does not report them again.
class OutOfRangeReport {
public:
    void Add(const SettingEntry& entry, const QString& storedText)
    {
        m_Lines << settings_texts::kOutOfRangeLine.arg(entry.Name(), storedText, entry.DefaultText());
    }

    void Show() const
    {
        if (m_Lines.isEmpty())
            return;
        Inform(nullptr, settings_texts::kOutOfRange.arg(m_Lines.join(QLatin1Char('\n'))), MessageIcon::Warning);
    }

private:
    QStringList m_Lines;
};

// Reads a stored value into g_Settings; a number that does not fit gets its default, which is
// written back so that the file holds a usable value again.
void ReadStored(const SettingEntry& entry, const QString& text, OutOfRangeReport& report)
{
    if (entry.SetFromText(g_Settings, text))
        return;
    entry.SetDefault(g_Settings);
    WriteEntry(entry);
    report.Add(entry, text);
}

}  // namespace

void LoadLayoutSettings()
{
    g_IniFile = IniFilePath();
    const bool exists = QFileInfo::exists(g_IniFile);
    OutOfRangeReport report;
    for (const SettingEntry& entry : SettingEntries()) {
        if (!InSection(entry, "Layout"))
            continue;
        if (exists) {
            // An existing file without these keys reads them as 0: no defaults here.
            ReadStored(entry, GetIniString(g_IniFile, entry.Section(), entry.Key()), report);
        } else {
            entry.SetDefault(g_Settings);
            WriteEntry(entry);
        }
    }
    report.Show();
}

void LoadSettings(const QString& docNameRuleProperty, QString& localPath)
{
    g_IniFile = IniFilePath();
    OutOfRangeReport report;
    for (const SettingEntry& entry : SettingEntries()) {
        if (InSection(entry, "Layout"))
            continue;
        const QString text = GetIniString(g_IniFile, entry.Section(), entry.Key());
        if (entry.Refers(g_Settings, &g_Settings.Scan.SaveDir)) {
            // Only the save-directory dialog stores the root directory.
            g_Settings.Scan.SaveDir = text;
            localPath = text;
            continue;
        }
        if (!text.isEmpty()) {
            ReadStored(entry, text, report);
            continue;
        }
        if (entry.Refers(g_Settings, &g_Settings.Scan.DocNameRule))
            g_Settings.Scan.DocNameRule = docNameRuleProperty;
        else
            entry.SetDefault(g_Settings);
        WriteEntry(entry);
    }
    report.Show();
}

void WriteSetting(const QString& section, const QString& key, const QString& value)
{
    g_IniFile = IniFilePath();
    // A settings file that cannot be written is ignored; the values in memory stay in use.
    (void)WriteIniString(g_IniFile, section, key, value);
}

namespace {

template <typename T>
void Store(T& member, const T& value)
{
    member = value;
    const SettingEntry* entry = FindSettingEntry(g_Settings, &member);
    Q_ASSERT_X(entry, "StoreSetting", "not a member of g_Settings");
    if (entry)
        WriteEntry(*entry);
}

}  // namespace

void StoreSetting(qint16& member, qint16 value)
{
    Store(member, value);
}

void StoreSetting(qint32& member, qint32 value)
{
    Store(member, value);
}

void StoreSetting(QString& member, const QString& value)
{
    Store(member, value);
}

}  // namespace scanvo
