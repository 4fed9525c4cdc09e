#pragma once
// The table of every setting, generated from the lists in Settings.h: section, key and where the
// value lives in a SettingsRecord. Defaults are those of a default-constructed record.

#include <QString>

#include <span>
#include <variant>

#include "settings/Settings.h"

namespace scanvo {

using SettingField = std::variant<qint16& (*)(SettingsRecord&), qint32& (*)(SettingsRecord&),
                                  QString& (*)(SettingsRecord&)>;

struct SettingEntry {
    const char* section;
    const char* key;
    SettingField field;

    QString Section() const { return QString::fromLatin1(section); }
    QString Key() const { return QString::fromLatin1(key); }
    // "Section.Key"
    QString Name() const;
    bool IsText() const { return std::holds_alternative<QString& (*)(SettingsRecord&)>(field); }
    bool Refers(const SettingsRecord& record, const void* member) const;
    // The value in record, as it is written to the file.
    QString TextIn(SettingsRecord& record) const;
    QString DefaultText() const;
    void SetDefault(SettingsRecord& record) const;
    // Converts text into record; false (record unchanged) when a number does not fit the key.
    bool SetFromText(SettingsRecord& record, const QString& text) const;
};

std::span<const SettingEntry> SettingEntries();
// The entry of a member of record, or nullptr.
const SettingEntry* FindSettingEntry(const SettingsRecord& record, const void* member);

}  // namespace scanvo
