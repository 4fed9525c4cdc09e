// One-pixel despeckle and dot removal by size, keeping the dots of letters and punctuation.
#include "platform/engine/ops/Cleanup.h"

#include "platform/engine/ops/OpFlags.h"
#include "platform/engine/ops/PixHandle.h"

#include <algorithm>
#include <vector>

namespace scanvo::engine::ops {

namespace {

constexpr int kGridCell = 64;
// A dot of punctuation is about as thick as the strokes of the letters beside it; a speck
// thinner than this share of their stroke width is dirt, wherever it lies.
constexpr double kMinDotToStroke = 0.8;

struct Shape {
    int x, y, w, h;
    int right() const { return x + w - 1; }
    int bottom() const { return y + h - 1; }
    double centreX() const { return x + (w - 1) / 2.0; }
};

Shape ShapeOf(Boxa* boxes, int i)
{
    Shape s{};
    boxaGetBoxGeometry(boxes, i, &s.x, &s.y, &s.w, &s.h);
    return s;
}

// The larger shapes of the page (letters, lines) by where they lie, for asking which lie near a dot.
class ShapeGrid {
public:
    ShapeGrid(int width, int height)
        : m_columns(width / kGridCell + 1), m_rows(height / kGridCell + 1), m_cells(m_columns * m_rows)
    {
    }
    void add(int index, const Shape& s)
    {
        for (int r = s.y / kGridCell; r <= s.bottom() / kGridCell; ++r)
            for (int c = s.x / kGridCell; c <= s.right() / kGridCell; ++c)
                m_cells[r * m_columns + c].push_back(index);
    }
    // Calls f(index) for every shape in a cell that the rectangle touches (a shape may come twice).
    template <typename F>
    bool any(int left, int top, int right, int bottom, F f) const
    {
        const int c0 = std::max(0, left / kGridCell), c1 = std::min(m_columns - 1, std::max(0, right) / kGridCell);
        const int r0 = std::max(0, top / kGridCell), r1 = std::min(m_rows - 1, std::max(0, bottom) / kGridCell);
        for (int r = r0; r <= r1; ++r)
            for (int c = c0; c <= c1; ++c)
                for (int index : m_cells[r * m_columns + c])
                    if (f(index))
                        return true;
        return false;
    }

private:
    int m_columns, m_rows;
    std::vector<std::vector<int>> m_cells;
};

// Typical stroke thickness of a letter: the median length of the black runs across the middle
// rows of its box on the page.
int StrokeWidth(const l_uint32* data, int wpl, const Shape& letter)
{
    std::vector<int> runs;
    for (int y = letter.y + letter.h / 4; y < letter.bottom() - letter.h / 4 || y == letter.y + letter.h / 4; ++y) {
        const l_uint32* line = data + y * wpl;
        int run = 0;
        for (int x = letter.x; x <= letter.right() + 1; ++x) {
            if (x <= letter.right() && GET_DATA_BIT(line, x)) {
                ++run;
            } else if (run > 0) {
                runs.push_back(run);
                run = 0;
            }
        }
    }
    if (runs.empty())
        return 1;
    auto middle = runs.begin() + runs.size() / 2;
    std::nth_element(runs.begin(), middle, runs.end());
    return *middle;
}

// Decides which small components are the dots of letters or punctuation: a dot above a narrow
// stem (i, j, the top of a semicolon), a dot on the baseline just after a letter (full stop,
// decimal point), and dots that continue such a dot (colon, ellipsis). Mere nearness to a letter
// does not count: specks sit beside letters too.
class DotReader {
public:
    DotReader(Pix* page, Boxa* boxes, const std::vector<char>& isLarge)
        : m_data(pixGetData(page)), m_wpl(pixGetWpl(page)), m_width(pixGetWidth(page)),
          m_height(pixGetHeight(page)), m_boxes(boxes), m_grid(m_width, m_height),
          m_stroke(isLarge.size(), 0)
    {
        for (int i = 0; i < static_cast<int>(isLarge.size()); ++i)
            if (isLarge[i])
                m_grid.add(i, ShapeOf(boxes, i));
    }

    bool isPunctuation(const Shape& dot) { return aboveStem(dot) || afterWord(dot); }

    // A dot that continues a dot already read as punctuation: the upper dot of a colon, the next
    // dot of an ellipsis.
    static bool continues(const Shape& dot, const Shape& kept)
    {
        if (std::abs(dot.w - kept.w) > 1 || std::abs(dot.h - kept.h) > 1)
            return false;
        const int size = std::max(dot.w, dot.h);
        const bool stacked = dot.bottom() < kept.y && kept.y - dot.bottom() <= 4 * size &&
                             dot.x <= kept.right() && kept.x <= dot.right();
        const bool inRow = std::abs(dot.bottom() - kept.bottom()) <= 1 &&
                           std::max(dot.x - kept.right(), kept.x - dot.right()) <= 3 * size;
        return stacked || inRow;
    }

private:
    static int reachOf(const Shape& dot) { return 2 * std::max(dot.w, dot.h) + 2; }
    bool black(int x, int y) const
    {
        return x >= 0 && y >= 0 && x < m_width && y < m_height && GET_DATA_BIT(m_data + y * m_wpl, x);
    }
    bool thickEnough(const Shape& dot, int stroke) const
    {
        return std::min(dot.w, dot.h) >= kMinDotToStroke * stroke;
    }

    // The dot of an i or j: straight below its middle, after a short gap, a stem at least twice
    // as tall as the dot, and the dot about as thick as the stem (not a bar or an arc below it).
    bool aboveStem(const Shape& dot) const
    {
        const int x = static_cast<int>(dot.centreX());
        const int reach = reachOf(dot);
        int y = dot.bottom() + 1;
        while (y <= dot.bottom() + reach && y < m_height && !black(x, y))
            ++y;
        if (y > dot.bottom() + reach || !black(x, y))
            return false;
        const int top = y;
        while (black(x, y))
            ++y;
        const int stem = y - top;
        if (stem < 2 * dot.h)
            return false;
        // The stem's thickness halfway down.
        const int middle = top + stem / 2;
        int left = x, right = x;
        while (black(left - 1, middle))
            --left;
        while (black(right + 1, middle))
            ++right;
        const int thickness = right - left + 1;
        return thickEnough(dot, thickness) && thickness <= 2 * std::max(dot.w, dot.h);
    }

    // A full stop or decimal point: just after a letter, ending level with the lower third of it
    // and not below its foot, and about as thick as its strokes.
    bool afterWord(const Shape& dot)
    {
        const int reach = reachOf(dot);
        return m_grid.any(dot.x - reach, dot.y, dot.x - 1, dot.bottom(), [&](int i) {
            const Shape letter = ShapeOf(m_boxes, i);
            return letter.right() < dot.x && dot.x - letter.right() <= reach && letter.h >= 2 * dot.h &&
                   3 * dot.bottom() >= 3 * letter.y + 2 * letter.h && dot.bottom() <= letter.bottom() + 2 &&
                   thickEnough(dot, stroke(i));
        });
    }

    int stroke(int i)
    {
        if (m_stroke[i] == 0)
            m_stroke[i] = StrokeWidth(m_data, m_wpl, ShapeOf(m_boxes, i));
        return m_stroke[i];
    }

    const l_uint32* m_data;
    int m_wpl, m_width, m_height;
    Boxa* m_boxes;
    ShapeGrid m_grid;
    std::vector<int> m_stroke;
};

// Of the candidate dots, those that are punctuation or letters' dots.
std::vector<char> ReadPunctuation(Pix* page, Boxa* boxes, const std::vector<char>& isLarge,
                                  const std::vector<int>& candidates)
{
    DotReader reader(page, boxes, isLarge);
    std::vector<char> kept(candidates.size(), 0);
    std::vector<Shape> anchors;
    for (size_t k = 0; k < candidates.size(); ++k)
        if (reader.isPunctuation(ShapeOf(boxes, candidates[k]))) {
            kept[k] = 1;
            anchors.push_back(ShapeOf(boxes, candidates[k]));
        }
    // Colons and ellipses: dots continuing kept dots, until no more join.
    for (bool joined = !anchors.empty(); joined;) {
        joined = false;
        for (size_t k = 0; k < candidates.size(); ++k) {
            if (kept[k])
                continue;
            const Shape dot = ShapeOf(boxes, candidates[k]);
            for (const Shape& anchor : anchors)
                if (DotReader::continues(dot, anchor)) {
                    kept[k] = 1;
                    anchors.push_back(dot);
                    joined = true;
                    break;
                }
        }
    }
    return kept;
}

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
    return count;
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
        throw EngineError(ErrOperation, QStringLiteral("连通域分析失败"));

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
        kept = ReadPunctuation(pix, boxes.get(), isLarge, candidates);
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
