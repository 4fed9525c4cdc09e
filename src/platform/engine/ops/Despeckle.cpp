// One-pixel despeckle and dot removal by size, keeping the dots of letters and punctuation.
#include "platform/engine/ops/Cleanup.h"

#include "platform/engine/ops/DotReader.h"
#include "platform/engine/ops/OpFlags.h"
#include "platform/engine/ops/PixHandle.h"

#include <QCoreApplication>
#include <algorithm>
#include <bit>
#include <vector>

namespace scanvo::engine::ops {

namespace {

// Clears the 8-connected component whose bounding box is dot. Only boxes are listed, so the
// component is found again from its top row: the fill from a seed that is its own stays inside
// the box and spans it exactly (another shape reaching into the box leaves it). Returns whether
// it was found.
bool ClearDot(Pix* page, const Shape& dot)
{
    l_uint32* data = pixGetData(page);
    const int wpl = pixGetWpl(page);
    auto black = [&](int x, int y) { return GET_DATA_BIT(data + y * wpl, x) != 0; };
    std::vector<char> seen(static_cast<size_t>(dot.w) * dot.h, 0);
    std::vector<std::pair<int, int>> stack, pixels;
    for (int sx = dot.x; sx <= dot.right(); ++sx) {
        if (!black(sx, dot.y) || seen[sx - dot.x])
            continue;
        stack.assign(1, {sx, dot.y});
        pixels.clear();
        seen[sx - dot.x] = 1;
        bool leaves = false;
        int left = sx, right = sx, bottom = dot.y;
        while (!stack.empty()) {
            const auto [x, y] = stack.back();
            stack.pop_back();
            pixels.push_back({x, y});
            left = std::min(left, x), right = std::max(right, x), bottom = std::max(bottom, y);
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= pixGetWidth(page) || ny >= pixGetHeight(page) || !black(nx, ny))
                        continue;
                    if (nx < dot.x || nx > dot.right() || ny < dot.y || ny > dot.bottom()) {
                        leaves = true;
                        continue;
                    }
                    char& mark = seen[(ny - dot.y) * dot.w + (nx - dot.x)];
                    if (!mark) {
                        mark = 1;
                        stack.push_back({nx, ny});
                    }
                }
        }
        if (leaves || left != dot.x || right != dot.right() || bottom != dot.bottom())
            continue;
        for (const auto& [x, y] : pixels)
            CLEAR_DATA_BIT(data + y * wpl, x);
        return true;
    }
    return false;
}

// Specks one pixel thick: a short row or column of black pixels touching no other black.
constexpr int kThinSpeckLength = 5;
// The white all round a thin speck that stands apart. The thin marks of text (a hyphen or an i's
// dot in small print, a piece of a broken hairline) lie closer to their letters than that.
constexpr int kThinSpeckClearance = 3;
// The most black of other specks, and nothing else, that may lie around one (two dots' worth).
constexpr int kSpeckCluster = 2 * kThinSpeckLength * kThinSpeckLength;

// Clears the specks one pixel thick, two to kThinSpeckLength long, that stand apart: no other
// black lies within kThinSpeckClearance pixels of them. A dash set between words, which has
// letters on both sides in its row, stays. Two such specks close together are both kept, as they
// may be a mark, unless nothing but a few more specks lies around them.
// Returns how many went.
int RemoveThinSpecks(Pix* page)
{
    l_uint32* data = pixGetData(page);
    const int wpl = pixGetWpl(page), width = pixGetWidth(page), height = pixGetHeight(page);
    auto black = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < width && y < height && GET_DATA_BIT(data + y * wpl, x);
    };
    auto rowClear = [&](int y, int left, int right) {
        for (int x = left; x <= right; ++x)
            if (black(x, y))
                return false;
        return true;
    };
    // The pixels of a row with a black neighbour (left, right or itself) in row, 32 at a time;
    // pixel x is bit 31 - x % 32 of word x / 32.
    auto spread = [&](const l_uint32* row, int j) -> l_uint32 {
        if (!row)
            return 0;
        const l_uint32 v = row[j], left = j > 0 ? row[j - 1] : 0, right = j + 1 < wpl ? row[j + 1] : 0;
        return v | (v >> 1) | (left << 31) | (v << 1) | (right >> 31);
    };
    std::vector<Shape> specks;
    for (int y = 0; y < height; ++y) {
        const l_uint32* line = data + y * wpl;
        const l_uint32* above = y > 0 ? line - wpl : nullptr;
        const l_uint32* below = y + 1 < height ? line + wpl : nullptr;
        for (int j = 0; j < wpl; ++j) {
            if (line[j] == 0)
                continue;
            // Where a speck may start: nothing above; nothing below (a row speck) or nothing
            // beside (a column speck).
            const l_uint32 alone = ~((line[j] >> 1) | (j > 0 ? line[j - 1] << 31 : 0)) &
                                   ~((line[j] << 1) | (j + 1 < wpl ? line[j + 1] >> 31 : 0));
            l_uint32 starts = line[j] & ~spread(above, j) & (~spread(below, j) | alone);
            while (starts) {
                const int bit = std::countl_zero(starts);
                starts &= ~(0x80000000u >> bit);
                const int x = 32 * j + bit;
                if (x >= width || black(x - 1, y))
                    continue;
                int right = x;
                while (right + 1 < width && GET_DATA_BIT(line, right + 1))
                    ++right;
                const int run = right - x + 1;
                Shape speck{x, y, run, 1};
                // A speck's top row has nothing above it; a row speck nothing below either, and a
                // column speck goes down one pixel a row with nothing beside it.
                if (run > kThinSpeckLength || !rowClear(y - 1, x - 1, right + 1))
                    continue;
                if (run == 1)
                    while (speck.h <= kThinSpeckLength && black(x, y + speck.h) && !black(x - 1, y + speck.h) &&
                           !black(x + 1, y + speck.h))
                        ++speck.h;
                const int length = std::max(speck.w, speck.h), margin = kThinSpeckClearance, reach = 2 * length + 2;
                const auto inkIn = [&](int x0, int y0, int x1, int y1) {
                    return BlackIn(data, wpl, width, height, x0, y0, x1, y1);
                };
                // A dash or hyphen set between words has letters on its left and its right, across
                // its row (within two rows, as the text of a skewed page climbs or falls).
                const bool betweenWords = speck.h == 1 && inkIn(x - reach, y - 2, x - 1, y + 2) > 0 &&
                                          inkIn(right + 1, y - 2, right + reach, y + 2) > 0;
                // Other black close by may make it a mark, unless all of it is a few more specks
                // with no letter near (dirt that fell together).
                const auto apartFromText = [&] {
                    if (inkIn(speck.x - margin, speck.y - margin, speck.right() + margin, speck.bottom() + margin) == length)
                        return true;
                    const int around = 3 * reach;
                    return inkIn(speck.x - around, speck.y - around, speck.right() + around, speck.bottom() + around) -
                               length <= kSpeckCluster;
                };
                if (length >= 2 && length <= kThinSpeckLength && rowClear(speck.bottom() + 1, x - 1, right + 1) &&
                    !betweenWords && apartFromText())
                    specks.push_back(speck);
            }
        }
    }
    for (const Shape& s : specks)
        for (int y = s.y; y <= s.bottom(); ++y)
            for (int x = s.x; x <= s.right(); ++x)
                CLEAR_DATA_BIT(data + y * wpl, x);
    return static_cast<int>(specks.size());
}

}  // namespace

int Despeckle(Image& page)
{
    RequireBitonal(page, "Despeckle");
    // The library's compiled hit-miss for a black pixel whose eight neighbours are all white.
    PixPtr specks = Checked(pixHMTDwa_1(nullptr, page.pix(), "sel_3hm"));
    l_int32 count = 0;
    pixCountPixels(specks.get(), &count, nullptr);
    if (count > 0)
        pixSubtract(page.pix(), page.pix(), specks.get());
    return count + RemoveThinSpecks(page.pix());
}

int RemoveDots(Image& page, int flags, int minWidth, int minHeight, int maxWidth, int maxHeight)
{
    RequireBitonal(page, "RemoveDots");
    if (maxWidth < 1)
        ThrowBadArgument("RemoveDots", "maxWidth", maxWidth);
    if (maxHeight < 1)
        ThrowBadArgument("RemoveDots", "maxHeight", maxHeight);
    if (!(flags & kDotUseSize)) {
        minWidth = 1;
        minHeight = 1;
    }
    minWidth = std::max(minWidth, 1);
    minHeight = std::max(minHeight, 1);
    if (minWidth > maxWidth || minHeight > maxHeight)
        return 0;

    Pix* pix = page.pix();
    BoxaPtr boxes(pixConnCompBB(pix, 8));
    if (!boxes)
        throw EngineError(ErrOperation, QCoreApplication::translate("EngineMessages", "连通域分析失败"));

    const int count = boxaGetCount(boxes.get());
    std::vector<char> isLarge(count, 0);
    std::vector<int> candidates;
    for (int i = 0; i < count; ++i) {
        const Shape s = ShapeOf(boxes.get(), i);
        if (s.w > maxWidth || s.h > maxHeight)
            isLarge[i] = 1;
        else if (s.w >= minWidth && s.h >= minHeight)
            candidates.push_back(i);
    }
    if (candidates.empty())
        return 0;
    std::vector<char> kept(candidates.size(), 0);
    if (flags & kDotKeepNearText)
        kept = ReadPunctuation(pix, boxes.get(), isLarge, candidates, std::max(maxWidth, maxHeight));
    int removed = 0;
    for (size_t k = 0; k < candidates.size(); ++k) {
        if (kept[k])
            continue;
        if (ClearDot(pix, ShapeOf(boxes.get(), candidates[k])))
            ++removed;
    }
    return removed;
}

}  // namespace scanvo::engine::ops
