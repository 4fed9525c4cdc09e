// Cleanup settings, their token lists and the engine calls they make.
#include "settings/CleanupSettings.h"

#include "platform/engine/ops/Cleanup.h"
#include "platform/engine/ops/OpFlags.h"
#include "settings/IniFile.h"
#include "settings/SettingsTable.h"

#include <QSet>

namespace scanvo {

namespace ops = engine::ops;

namespace {

const CleanupToken kBorderTokens[] = {
    {"BORDER_LEFT", ops::kBorderLeft},
    {"BORDER_RIGHT", ops::kBorderRight},
    {"BORDER_TOP", ops::kBorderTop},
    {"BORDER_BOTTOM", ops::kBorderBottom},
};

const CleanupToken kLineTokens[] = {
    {"LINEREMOVE_HORIZONTAL", ops::kLineHorizontal},
    {"LINEREMOVE_VERTICAL", ops::kLineVertical},
};

const CleanupToken kHolePunchOptionTokens[] = {
    {"HOLEPUNCH_USE_SIZE", ops::kHolePunchUseSize},
    {"HOLEPUNCH_USE_LOCATION", ops::kHolePunchUseLocation},
    {"HOLEPUNCH_USE_COUNT", ops::kHolePunchUseCount},
};

const CleanupToken kHolePunchSideTokens[] = {
    {"HOLEPUNCH_LEFT", ops::kHolePunchLeft},
    {"HOLEPUNCH_RIGHT", ops::kHolePunchRight},
    {"HOLEPUNCH_TOP", ops::kHolePunchTop},
    {"HOLEPUNCH_BOTTOM", ops::kHolePunchBottom},
};

// The bits of the tokens present in list, ORed.
int MaskOf(std::span<const CleanupToken> tokens, const QString& list)
{
    int mask = 0;
    for (const CleanupToken& token : tokens) {
        if (HasToken(list, token.text))
            mask |= token.value;
    }
    return mask;
}

const QSet<QString>& CleanupKeys()
{
#define SCANVO_CLEANUP_KEY(key) QStringLiteral(#key),
    static const QSet<QString> keys{SCANVO_CLEANUP_SETTINGS(SCANVO_CLEANUP_KEY)};
#undef SCANVO_CLEANUP_KEY
    return keys;
}

}  // namespace

CleanupSettings CleanupSettingsOf(const SettingsRecord& record)
{
    CleanupSettings settings;
#define SCANVO_CLEANUP_COPY(key) settings.key = record.Imaging.key;
    SCANVO_CLEANUP_SETTINGS(SCANVO_CLEANUP_COPY)
#undef SCANVO_CLEANUP_COPY
    return settings;
}

CleanupSettings ReadCleanupSettings(const QString& iniFile)
{
    SettingsRecord record;
    for (const SettingEntry& entry : SettingEntries()) {
        if (qstrcmp(entry.section, "Imaging") != 0 || !CleanupKeys().contains(entry.Key()))
            continue;
        const QString text = GetIniString(iniFile, entry.Section(), entry.Key());
        // A number that does not fit leaves the default in place.
        if (!text.isEmpty())
            (void)entry.SetFromText(record, text);
    }
    return CleanupSettingsOf(record);
}

std::span<const CleanupToken> BorderTokens()
{
    return kBorderTokens;
}

std::span<const CleanupToken> LineTokens()
{
    return kLineTokens;
}

std::span<const CleanupToken> HolePunchOptionTokens()
{
    return kHolePunchOptionTokens;
}

std::span<const CleanupToken> HolePunchSideTokens()
{
    return kHolePunchSideTokens;
}

bool HasToken(const QString& list, const char* token)
{
    return list.contains(QLatin1String(token), Qt::CaseSensitive);
}

QString TokenListText(std::span<const CleanupToken> tokens, const std::vector<bool>& ticked)
{
    QString text;
    for (std::size_t i = 0; i < tokens.size() && i < ticked.size(); ++i) {
        if (ticked[i])
            text += QLatin1Char('|') + QLatin1String(tokens[i].text);
    }
    return text.mid(1);
}

std::vector<bool> TickedTokens(std::span<const CleanupToken> tokens, const QString& list)
{
    std::vector<bool> ticked;
    for (const CleanupToken& token : tokens)
        ticked.push_back(HasToken(list, token.text));
    return ticked;
}

DespeckleCalls DespeckleCallsOf(const CleanupSettings& settings)
{
    DespeckleCalls calls;
    calls.despeckle = settings.Despeckle == 1;
    calls.removeDots = settings.Dot == 1;
    calls.dots = {ops::kDotRemoveFlags, settings.MinimumDotWidth, settings.MinimumDotHeight, settings.MaximumDotWidth,
                  settings.MaximumDotHeight};
    return calls;
}

int BorderSideMask(const QString& borderLocation)
{
    return MaskOf(kBorderTokens, borderLocation);
}

BorderRemovalCall BorderRemovalCallOf(const CleanupSettings& settings)
{
    return {ops::kBorderUseVariance, BorderSideMask(settings.BorderLocation), settings.BorderPercent,
            settings.WhiteNoiseLength, settings.BorderVariance};
}

int LineRemovalFlags(const CleanupSettings& settings)
{
    int flags = 0;
    if (settings.LineVariance >= 0)
        flags |= ops::kLineUseVariance;
    if (settings.MaximumGap >= 0)
        flags |= ops::kLineUseGap;
    if (settings.RemoveEntireLine == 1)
        flags |= ops::kLineRemoveEntire;
    return flags;
}

std::vector<LineRemovalCall> LineRemovalCallsOf(const CleanupSettings& settings)
{
    const int flags = LineRemovalFlags(settings);
    std::vector<LineRemovalCall> calls;
    for (const CleanupToken& direction : kLineTokens) {
        if (HasToken(settings.LineLocation, direction.text))
            calls.push_back({flags, settings.MinimumLineLength, settings.MaximumLineWidth, settings.WallHeight,
                             settings.MaxWallPercent, settings.LineVariance, settings.MaximumGap, direction.value});
    }
    return calls;
}

int HolePunchFlags(const QString& holePunchRemovalFlag)
{
    return MaskOf(kHolePunchOptionTokens, holePunchRemovalFlag);
}

std::vector<HolePunchRemovalCall> HolePunchRemovalCallsOf(const CleanupSettings& settings)
{
    const int flags = HolePunchFlags(settings.HolePunchRemovalFlag);
    std::vector<HolePunchRemovalCall> calls;
    for (const CleanupToken& side : kHolePunchSideTokens) {
        if (HasToken(settings.HolePunchLocation, side.text))
            calls.push_back({flags, settings.MinimumHolePunchs, settings.MaximumHolePunchs,
                             settings.MinimumHolePunchWidth, settings.MinimumHolePunchHeight,
                             settings.MaximumHolePunchWidth, settings.MaximumHolePunchHeight, side.value});
    }
    return calls;
}

bool IsCleanupPage(const engine::Image& page)
{
    return !page.isNull() && page.depth() <= 1;
}

void RunDespeckle(engine::Image& page, const CleanupSettings& settings)
{
    const DespeckleCalls calls = DespeckleCallsOf(settings);
    if (calls.despeckle)
        ops::Despeckle(page);
    if (calls.removeDots) {
        const DotRemovalCall& d = calls.dots;
        ops::RemoveDots(page, d.flags, d.minWidth, d.minHeight, d.maxWidth, d.maxHeight);
    }
}

void RunBorderRemoval(engine::Image& page, const CleanupSettings& settings)
{
    const BorderRemovalCall c = BorderRemovalCallOf(settings);
    ops::RemoveBorders(page, c.flags, c.sideMask, c.borderPercent, c.whiteNoiseLength, c.variance);
}

void RunLineRemoval(engine::Image& page, const CleanupSettings& settings)
{
    for (const LineRemovalCall& c : LineRemovalCallsOf(settings))
        ops::RemoveLines(page, c.flags, c.minLength, c.maxWidth, c.wallHeight, c.maxWallPercent, c.variance,
                         c.maxGap, c.direction);
}

void RunHolePunchRemoval(engine::Image& page, const CleanupSettings& settings)
{
    for (const HolePunchRemovalCall& c : HolePunchRemovalCallsOf(settings))
        ops::RemoveHolePunches(page, c.flags, c.minCount, c.maxCount, c.minWidth, c.minHeight, c.maxWidth,
                               c.maxHeight, c.side);
}

}  // namespace scanvo
