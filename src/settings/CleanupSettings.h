#pragma once
// The settings of the four cleanup filters (despeckle, borders, lines, hole punches) and the
// engine calls they make. Widget-free: the editing commands and the batch tool run a page through
// the same functions, so both clean a page alike.
//
// Token lists ("BORDER_LEFT|BORDER_TOP") are read by substring search, case-sensitive: a token is
// present when it occurs anywhere in the text, whatever the order and separators. They are written
// as the tokens of the ticked boxes in box order, joined by "|".

#include "platform/engine/Image.h"
#include "settings/Settings.h"

#include <QString>
#include <QtGlobal>

#include <span>
#include <vector>

namespace scanvo {

// The 26 keys of section Imaging that the cleanup filters read.
#define SCANVO_CLEANUP_SETTINGS(X)                                                                     \
    X(Despeckle) X(Dot) X(MinimumDotWidth) X(MinimumDotHeight) X(MaximumDotWidth) X(MaximumDotHeight) \
    X(BorderLocation) X(BorderPercent) X(WhiteNoiseLength) X(BorderVariance)                          \
    X(LineLocation) X(MinimumLineLength) X(MaximumLineWidth) X(WallHeight) X(MaxWallPercent)         \
    X(LineVariance) X(MaximumGap) X(RemoveEntireLine)                                                 \
    X(HolePunchRemovalFlag) X(HolePunchLocation) X(MinimumHolePunchWidth) X(MinimumHolePunchHeight)   \
    X(MaximumHolePunchWidth) X(MaximumHolePunchHeight) X(MinimumHolePunchs) X(MaximumHolePunchs)

#define SCANVO_CLEANUP_MEMBER(key) \
    decltype(SettingsRecord::ImagingSection::key) key = SettingsRecord::ImagingSection{}.key;

// The cleanup keys under their own names, typed and defaulted as in the settings record. A
// variance or gap of -1 is switched off.
struct CleanupSettings {
    SCANVO_CLEANUP_SETTINGS(SCANVO_CLEANUP_MEMBER)
};

#undef SCANVO_CLEANUP_MEMBER

// The cleanup settings held by record (its Imaging section).
CleanupSettings CleanupSettingsOf(const SettingsRecord& record);
// The cleanup settings stored in the Imaging section of iniFile; a key that is missing, empty or
// holds a number that does not fit takes its default. Nothing is written.
CleanupSettings ReadCleanupSettings(const QString& iniFile);

// One token of a list and the value it stands for (a side bit, a flag bit, a side number).
struct CleanupToken {
    const char* text;
    int value;
};

// The tokens of each list in the order of the dialogs' boxes.
std::span<const CleanupToken> BorderTokens();          // left, right, top, bottom: side bits
std::span<const CleanupToken> LineTokens();            // horizontal, vertical: directions
std::span<const CleanupToken> HolePunchOptionTokens(); // size, location, count: flag bits
std::span<const CleanupToken> HolePunchSideTokens();   // left, right, top, bottom: side numbers

bool HasToken(const QString& list, const char* token);
// The text written for the ticked boxes: each ticked token preceded by "|", then the first
// character removed. ticked holds one entry per token, in the same order.
QString TokenListText(std::span<const CleanupToken> tokens, const std::vector<bool>& ticked);
// Whether each token is present in list, in the order of tokens.
std::vector<bool> TickedTokens(std::span<const CleanupToken> tokens, const QString& list);

// The engine calls of each command, as arguments, in the order they run.
struct DotRemovalCall {
    int flags, minWidth, minHeight, maxWidth, maxHeight;
};
struct DespeckleCalls {
    bool despeckle = false;
    bool removeDots = false;
    DotRemovalCall dots{};
};
struct BorderRemovalCall {
    int flags, sideMask, borderPercent, whiteNoiseLength, variance;
};
struct LineRemovalCall {
    int flags, minLength, maxWidth, wallHeight, maxWallPercent, variance, maxGap, direction;
};
struct HolePunchRemovalCall {
    int flags, minCount, maxCount, minWidth, minHeight, maxWidth, maxHeight, side;
};

DespeckleCalls DespeckleCallsOf(const CleanupSettings& settings);
int BorderSideMask(const QString& borderLocation);
BorderRemovalCall BorderRemovalCallOf(const CleanupSettings& settings);
int LineRemovalFlags(const CleanupSettings& settings);
// One call per direction present, horizontal first; none when no direction is present.
std::vector<LineRemovalCall> LineRemovalCallsOf(const CleanupSettings& settings);
int HolePunchFlags(const QString& holePunchRemovalFlag);
// One call per side present, in the order left, right, top, bottom.
std::vector<HolePunchRemovalCall> HolePunchRemovalCallsOf(const CleanupSettings& settings);

// The filters clean 1-bit pages only; other pages are left to the caller to skip.
bool IsCleanupPage(const engine::Image& page);

// Each runs its command's engine calls on page, in order, each on the result of the one before.
// The page must be 1-bit (IsCleanupPage); the engine refuses other depths.
void RunDespeckle(engine::Image& page, const CleanupSettings& settings);
void RunBorderRemoval(engine::Image& page, const CleanupSettings& settings);
void RunLineRemoval(engine::Image& page, const CleanupSettings& settings);
void RunHolePunchRemoval(engine::Image& page, const CleanupSettings& settings);

}  // namespace scanvo
