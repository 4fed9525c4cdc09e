// The settings table and conversions between record members and their text in the file.
#include "settings/SettingsTable.h"

#include "core/IniNumber.h"

namespace scanvo {

namespace {

template <auto Section, auto Member>
auto& FieldOf(SettingsRecord& record)
{
    return (record.*Section).*Member;
}

#define SCANVO_SETTING_ENTRY(section, key, type, def) \
    SettingEntry{#section, #key, SettingField(&FieldOf<&SettingsRecord::section, &SettingsRecord::section##Section::key>)},
#define SCANVO_SETTING_SECTION_ENTRIES(name, LIST) SCANVO_##LIST##_SETTINGS(SCANVO_SETTING_ENTRY, name)

const SettingEntry kEntries[] = {SCANVO_SETTING_SECTIONS(SCANVO_SETTING_SECTION_ENTRIES)};

#undef SCANVO_SETTING_SECTION_ENTRIES
#undef SCANVO_SETTING_ENTRY

const void* Address(const SettingField& field, SettingsRecord& record)
{
    return std::visit([&](auto access) -> const void* { return &access(record); }, field);
}

QString ToText(qint16 value) { return QString::number(value); }
QString ToText(qint32 value) { return QString::number(value); }
QString ToText(const QString& value) { return value; }

}  // namespace

QString SettingEntry::Name() const
{
    return Section() + QLatin1Char('.') + Key();
}

bool SettingEntry::Refers(const SettingsRecord& record, const void* member) const
{
    // Only the address is taken; the record is not modified.
    return Address(field, const_cast<SettingsRecord&>(record)) == member;
}

QString SettingEntry::TextIn(SettingsRecord& record) const
{
    return std::visit([&](auto access) { return ToText(access(record)); }, field);
}

QString SettingEntry::DefaultText() const
{
    SettingsRecord defaults;
    return TextIn(defaults);
}

void SettingEntry::SetDefault(SettingsRecord& record) const
{
    SettingsRecord defaults;
    std::visit([&](auto access) { access(record) = access(defaults); }, field);
}

bool SettingEntry::SetFromText(SettingsRecord& record, const QString& text) const
{
    return std::visit(
        [&](auto access) {
            auto& member = access(record);
            using T = std::remove_reference_t<decltype(member)>;
            bool fits = true;
            if constexpr (std::is_same_v<T, QString>)
                member = text;
            else if constexpr (std::is_same_v<T, qint32>) {
                const qint32 value = IniNumber32(text, &fits);
                if (fits)
                    member = value;
            } else {
                const qint16 value = IniNumber16(text, &fits);
                if (fits)
                    member = value;
            }
            return fits;
        },
        field);
}

std::span<const SettingEntry> SettingEntries()
{
    return kEntries;
}

const SettingEntry* FindSettingEntry(const SettingsRecord& record, const void* member)
{
    for (const SettingEntry& entry : kEntries) {
        if (entry.Refers(record, member))
            return &entry;
    }
    return nullptr;
}

}  // namespace scanvo
