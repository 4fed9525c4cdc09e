// Reading which small marks of a page are the dots of letters and punctuation.
#include "platform/engine/ops/DotReader.h"

#include <QPoint>
#include <QRect>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <optional>

namespace scanvo::engine::ops {

namespace {

constexpr int kGridCell = 64;
// A dot of punctuation is about as thick as the strokes of the letters beside it; a speck
// thinner than this share of their stroke width is dirt, wherever it lies.
constexpr double kMinDotToStroke = 0.8;
// Pages come skewed by up to about 12 degrees: a stem below a dot may lean that far.
constexpr double kMaxLean = 0.22;  // tan 12 degrees
// How far the middle of an i's dot may lie beside its stem's axis: this many pixels, plus this
// share of its distance from the stem, as the fitted axis is only so straight.
constexpr double kAxisTolerance = 2.0;
constexpr double kAxisDrift = 0.05;
// Italic and blackletter type set an i's dot right of its stem's axis, and a heavy face on a
// skewed page reads its short stem as standing straighter than it does: over a lone stem the dot
// may lie beside the axis by up to this share of its distance from the stem.
constexpr double kSlantDrift = 0.25;
// How far a straight stem's middle strays from its axis, in pixels.
constexpr double kStraightStem = 2.5;
// The arm of a v or a w leans at least this far (pixels across per row down), at most 45 degrees,
// and its edge strays at most kStraightArm pixels from a straight line.
constexpr double kLeastArmLean = 0.15;
constexpr double kStraightArm = 1.5;
// The letters of a word differ in height by at most this factor (an x-height letter beside a
// capital, a broken letter's pieces).
constexpr int kWordHeightRatio = 3;
// Small print: most shapes at least kSmallestLetter tall (letters, not specks) are at most this
// many times as tall as the largest dot removed.
constexpr int kSmallestLetter = 3;
constexpr int kSmallPrintToDot = 2;
// An r's ear (an f's arm) is at least this share of the letter's height; a mark as small beside a
// capital is a speck.
constexpr int kEarToLetter = 8;

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

// The middle one of values (the upper one of an even count); reorders them.
template <typename T>
T Median(std::vector<T>& values)
{
    auto middle = values.begin() + values.size() / 2;
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

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
    return runs.empty() ? 1 : Median(runs);
}

// The least-squares line value = meanValue + slope * (row - meanRow) through points (row, value).
struct RowFit {
    double slope, meanRow, meanValue;
    double at(double row) const { return meanValue + slope * (row - meanRow); }
};
RowFit FitRows(const std::vector<double>& rows, const std::vector<double>& values)
{
    const double n = static_cast<double>(rows.size());
    double sumR = 0, sumV = 0, sumRR = 0, sumRV = 0;
    for (size_t k = 0; k < rows.size(); ++k)
        sumR += rows[k], sumV += values[k], sumRR += rows[k] * rows[k], sumRV += rows[k] * values[k];
    return {(n * sumRV - sumR * sumV) / (n * sumRR - sumR * sumR), sumR / n, sumV / n};
}

// How far the foot of mark lies below the line through the feet of shapes a and b (a letter and
// its neighbour in a word), in rows (negative above it); none when that line leans more than a
// skewed page's text.
std::optional<double> BelowFootLine(const Shape& mark, const Shape& a, const Shape& b)
{
    const double slope = (b.bottom() - a.bottom()) / (b.centreX() - a.centreX());
    if (std::abs(slope) > kMaxLean)
        return std::nullopt;
    return mark.bottom() - (a.bottom() + slope * (mark.centreX() - a.centreX()));
}

// How far the foot of mark lies from the line through the feet of shapes a and b, above or below.
std::optional<double> OffFootLine(const Shape& mark, const Shape& a, const Shape& b)
{
    const std::optional<double> below = BelowFootLine(mark, a, b);
    return below ? std::optional<double>(std::abs(*below)) : std::nullopt;
}

// Decides which small components are the dots of letters or punctuation: a dot above a narrow
// stem (i, j, the top of a semicolon), a dot on the baseline just after a letter (full stop,
// decimal point), and dots that continue such a dot (colon, ellipsis). Mere nearness to a letter
// does not count: specks sit beside letters too.
class DotReader {
public:
    DotReader(Pix* page, Boxa* boxes, const std::vector<char>& isLarge, int largestDot)
        : m_data(pixGetData(page)), m_wpl(pixGetWpl(page)), m_width(pixGetWidth(page)),
          m_height(pixGetHeight(page)), m_boxes(boxes), m_grid(m_width, m_height),
          m_stroke(isLarge.size(), 0), m_marks(m_width, m_height), m_nearDots(m_width, m_height)
    {
        std::vector<int> heights;
        for (int i = 0; i < static_cast<int>(isLarge.size()); ++i) {
            const Shape s = ShapeOf(boxes, i);
            (isLarge[i] ? m_grid : m_marks).add(i, s);
            if (isLarge[i] && s.w <= largestDot + 1 && s.h <= largestDot + 1)
                m_nearDots.add(i, s);
            if (s.h >= kSmallestLetter)
                heights.push_back(s.h);
        }
        if (!heights.empty())
            m_smallPrint = Median(heights) <= kSmallPrintToDot * largestDot;
    }

    bool isPunctuation(const Shape& dot)
    {
        if (aboveStem(dot)) {
            m_iDots.push_back(dot);
            return true;
        }
        return afterWord(dot) || stackedInLine(dot) || inWord(dot) || hyphen(dot) || brokenOff(dot) ||
               ear(dot) || umlaut(dot) || underStroke(dot) || inRowOfDots(dot) || quotes(dot);
    }

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

    // A size of the page's i dots and the gaps above their stems (the middle 80 % of them).
    struct IDotLook {
        int w, h, nearest, farthest;
    };
    using IDotLooks = std::vector<IDotLook>;

    // Learns the page's i dots from those read so far: the sizes many of them share, and how far
    // above their stems the dots of each such size stand.
    IDotLooks learnIDots() const
    {
        IDotLooks looks;
        std::vector<char> done(m_iDots.size(), 0);
        for (size_t k = 0; k < m_iDots.size(); ++k) {
            if (done[k])
                continue;
            std::vector<int> gaps;
            for (size_t j = k; j < m_iDots.size(); ++j)
                if (m_iDots[j].w == m_iDots[k].w && m_iDots[j].h == m_iDots[k].h) {
                    done[j] = 1;
                    gaps.push_back(topBelow(m_iDots[j])->y() - m_iDots[j].bottom());
                }
            // Of the dots of like size only: the many small dots of a page's footnotes do not
            // outvote the fewer larger ones of its bold type.
            const int area = m_iDots[k].w * m_iDots[k].h;
            const auto alike = std::count_if(m_iDots.begin(), m_iDots.end(), [&](const Shape& d) {
                return 2 * d.w * d.h >= area && d.w * d.h <= 2 * area;
            });
            if (gaps.size() < kLearntDots || kLearntShare * gaps.size() < static_cast<size_t>(alike))
                continue;
            std::sort(gaps.begin(), gaps.end());
            looks.push_back({m_iDots[k].w, m_iDots[k].h, gaps[gaps.size() / 10], gaps[gaps.size() * 9 / 10]});
        }
        return looks;
    }

    // The dot of an i whose stem the reading above could not follow (run into the letters beside
    // it, or broken): exactly the size of many of the page's own i dots, as far above the ink
    // below it as they stand above their stems, and that ink a stem going straight down for three
    // dots' height (the top of a bowl, an o's or an e's, soon ends).
    bool likeThePagesIDots(const IDotLooks& looks, const Shape& dot) const
    {
        const auto look =
            std::find_if(looks.begin(), looks.end(), [&](const IDotLook& l) { return l.w == dot.w && l.h == dot.h; });
        const std::optional<QPoint> top = topBelow(dot);
        if (look == looks.end() || !top)
            return false;
        const int gap = top->y() - dot.bottom();
        if (gap < look->nearest || gap > look->farthest)
            return false;
        // A capital's top (a P, an R, a B) or an n's shoulder: a bar running off to the right
        // from under the dot.
        const auto [left, right] = runThrough(top->x(), top->y());
        const int size = std::max(dot.w, dot.h);
        if (right - left + 1 > 2 * size && top->x() - left <= size)
            return false;
        for (int x = top->x(), y = top->y(); y < top->y() + 3 * dot.h; ++y) {
            if (black(x, y))
                continue;
            if (black(x - 1, y))
                --x;
            else if (black(x + 1, y))
                ++x;
            else
                return false;
        }
        return true;
    }

private:
    // A size counts when at least this many of the page's i dots, and this share of those of like
    // size (half to twice its area), have it. A few suffice: the dots of broad type, a flick of
    // the pen, come in several sizes of few dots each.
    static constexpr size_t kLearntDots = 6;
    static constexpr size_t kLearntShare = 10;  // one in ten

    static int reachOf(const Shape& dot) { return 2 * std::max(dot.w, dot.h) + 2; }
    bool black(int x, int y) const
    {
        return x >= 0 && y >= 0 && x < m_width && y < m_height && GET_DATA_BIT(m_data + y * m_wpl, x);
    }
    // The first and last column of the run of black in row y through the black pixel at x.
    std::pair<int, int> runThrough(int x, int y) const
    {
        int left = x, right = x;
        while (black(left - 1, y))
            --left;
        while (black(right + 1, y))
            ++right;
        return {left, right};
    }
    // The black pixels in shape's box grown by margin on every side.
    int inkIn(const Shape& shape, int margin) const
    {
        return BlackIn(m_data, m_wpl, m_width, m_height, shape.x - margin, shape.y - margin, shape.right() + margin,
                       shape.bottom() + margin);
    }
    bool thickEnough(const Shape& dot, int stroke) const
    {
        return std::min(dot.w, dot.h) >= kMinDotToStroke * stroke;
    }

    // The dot of an i or j (or the upper dot of a semicolon): below it, after a short gap, a
    // narrow stem at least twice as tall as the dot, whose axis runs up through the dot's middle
    // (on a skewed page the axis leans with the text), and the dot about as thick as the stem.
    // Thresholding thins small marks, so the dot may be a pixel thinner than the stroke rule.
    // Where the i's top runs into the crossbar of a t or an f before it, the stem is followed
    // under the crossbar too. Over a lone stem (slanted type), the dot may lie farther aside.
    bool aboveStem(const Shape& dot) const { return stemBelow(dot, false) || stemBelow(dot, true); }

    // The top of the ink below the dot within its reach.
    std::optional<QPoint> topBelow(const Shape& dot) const { return nearestInk(dot, 1); }

    // The nearest ink below the dot (step 1) or above it (step -1) within its reach: searched
    // straight down or up first, then a little to each side (a stroke leans with the text of a
    // skewed page).
    std::optional<QPoint> nearestInk(const Shape& dot, int step) const
    {
        const int reach = reachOf(dot);
        const int cx = static_cast<int>(dot.centreX());
        const int lean = static_cast<int>(std::ceil(reach * kMaxLean));
        const int from = step > 0 ? dot.bottom() + 1 : dot.y - 1;
        std::optional<QPoint> nearest;
        int nearestRow = reach;
        for (int offset = 0; offset <= lean && !nearest; ++offset)
            for (int sx : {cx - offset, cx + offset})
                for (int row = 0; row < nearestRow; ++row)
                    if (black(sx, from + step * row)) {
                        nearest = QPoint(sx, from + step * row);
                        nearestRow = row;
                        break;
                    }
        return nearest;
    }

    // The stem below the dot; with underCrossbar, a first row a few dots wide that leads off to
    // the left, with ink rising above its left part (the t's or f's top), is passed over.
    bool stemBelow(const Shape& dot, bool underCrossbar) const
    {
        const int size = std::max(dot.w, dot.h);
        const std::optional<QPoint> stemTop = topBelow(dot);
        if (!stemTop)
            return false;
        int x = stemTop->x();
        const int top = stemTop->y(), stemX = x;
        // Follows the stem down row by row: the run of black through its middle, until it ends
        // (a bowl's hole) or meets something much wider than a stem with its serifs (a bar).
        std::vector<double> centres;
        std::vector<int> widths;
        int narrowest = 0;  // of the rows followed so far, none joined
        QRect crossbarAt;  // above a crossbar at the stem's top, left of the stem
        int barLeft = -1;  // where a bar at the stem's top starts, far to its left
        int barRight = -1;  // where a bar at the stem's top ends, far to its right
        for (int y = top; y < m_height; ++y) {
            // Where a serif's flag splits the row, the widest run within two pixels of the
            // middle so far is the stem.
            int left = 0, right = -1;
            for (int sx = x - 2; sx <= x + 2; ++sx) {
                if (!black(sx, y) || (sx > x - 2 && black(sx - 1, y)))
                    continue;
                const auto [l, r] = runThrough(sx, y);
                if (r - l > right - left) {
                    left = l;
                    right = r;
                }
            }
            if (right < left)
                break;
            // A row at the stem's top much wider than the stem so far (a serif run into the next
            // letter's, or into an r's ear before it) says nothing of where the stem goes on: it is
            // followed on below where it was. Lower down, such a row is a bar the stem ends on.
            const int width = right - left + 1;
            const bool atTop = static_cast<int>(centres.size()) < size;
            const bool bar = width > 4 * size;
            // At the top, a bar may lead off to one side, or to both below a narrow top of the
            // stem's own (an i run into the letters on either side; a T's bar is its top).
            const bool farLeft = x - left > size, farRight = right - x > size;
            if (bar && !(atTop && (!(farLeft && farRight) || narrowest > 0)))
                break;
            if (bar && farLeft && barLeft < 0)
                barLeft = left;
            if (bar && farRight && barRight < 0)
                barRight = right;
            const bool crossbar = underCrossbar && atTop && narrowest == 0 && width > 2 * size && right - x <= size;
            if (crossbar && crossbarAt.isNull())
                crossbarAt = QRect(QPoint(left, y - size), QPoint(x - size, y - 1));
            const bool joined = atTop && (bar || crossbar || (narrowest > 0 && width > 2 * std::max(narrowest, size)));
            centres.push_back(joined ? x : (left + right) / 2.0);
            widths.push_back(joined ? 0 : width);
            if (!joined) {
                x = (left + right) / 2;
                narrowest = narrowest > 0 ? std::min(narrowest, right - left + 1) : right - left + 1;
            }
        }
        const int stem = static_cast<int>(centres.size());
        if (stem < 2 * dot.h)
            return false;
        // The stem's axis, fitted through the middle half of it (clear of serifs and tails) and
        // carried up to the dot's middle.
        const int r1 = stem / 4, r2 = std::max(r1 + 2, stem * 3 / 4);
        std::vector<double> rows;
        for (int r = r1; r < r2; ++r)
            rows.push_back(r);
        RowFit axis = FitRows(rows, std::vector<double>(centres.begin() + r1, centres.begin() + r2));
        const double fitted = axis.slope;
        axis.slope = std::clamp(fitted, -kMaxLean, kMaxLean);
        const double distance = top + axis.meanRow - (dot.y + (dot.h - 1) / 2.0);
        const double besideAxis = dot.centreX() - axis.at(axis.meanRow - distance);
        const bool farAside = std::abs(besideAxis) > kAxisTolerance + kAxisDrift * distance;
        if (farAside && std::abs(besideAxis) > kAxisTolerance + kSlantDrift * distance)
            return false;
        // Where a bar or a crossbar at the stem's top was passed over, the letter before must show
        // (an r's stem below the bar's far end; a t's or f's top above the crossbar's left part,
        // which may reach as far as a bar, or a v's arm leaning away below it), and the i's stem
        // must run straight down. Under a speck, the bar of a T or a 7 and the top of an n or of
        // a box have no such letter, and the arm of a v or the shoulder of an h lean or bend away.
        std::vector<int> middle;
        std::copy_if(widths.begin() + r1, widths.begin() + r2, std::back_inserter(middle), [](int w) { return w > 0; });
        if (middle.empty())
            return false;
        const int thickness = Median(middle);
        if (farAside && !loneStem(stemX, top, thickness))
            return false;
        if (barLeft >= 0 || barRight >= 0 || !crossbarAt.isNull()) {
            const auto anyInk = [&](const QRect& r) {
                return BlackIn(m_data, m_wpl, m_width, m_height, r.left(), r.top(), r.right(), r.bottom()) > 0;
            };
            // The stem's run halfway down, and the letters beside it in that row.
            const int y = top + stem / 2;
            const double half = (std::max(widths[stem / 2], 1) - 1) / 2.0;
            const int runLeft = static_cast<int>(std::lround(centres[stem / 2] - half));
            const int runRight = static_cast<int>(std::lround(centres[stem / 2] + half));
            const bool rBefore =
                barLeft >= 0 && anyInk(QRect(QPoint(barLeft, y), QPoint(std::min(barLeft + size, runLeft - 2), y)));
            const bool tBefore = !crossbarAt.isNull() &&
                                 (anyInk(crossbarAt) || armLeansAway(top, centres, widths, size));
            // Letters whose serifs the i's ran into (an n, an r, an m before it): their stems a
            // letter's spacing (at most a stroke and a half) from the i's. Under an F's or an E's
            // bar the row is white there; the other stems of an n or an m stand a counter away.
            const int spacing = (3 * thickness + 1) / 2;
            const bool letterBefore = anyInk(QRect(QPoint(runLeft - 1 - spacing, y), QPoint(runLeft - 2, y)));
            const bool letterAfter = anyInk(QRect(QPoint(runRight + 2, y), QPoint(runRight + 1 + spacing, y)));
            const bool between = barLeft >= 0 && barRight >= 0;
            const bool joined = between ? letterBefore && letterAfter
                                        : rBefore || tBefore || (barRight >= 0 && letterAfter);
            if (std::abs(fitted) > kMaxLean || !joined)
                return false;
            // Rows much wider than the stem (its serif's flag) are not where its axis runs, nor
            // are the rows above the first one joined: the tip of the i's own top serif, which in
            // heavy type leans off to the left.
            const auto firstJoined = std::find(widths.begin(), widths.end(), 0) - widths.begin();
            for (auto r = firstJoined; r < r2; ++r)
                if (widths[r] > 0 && widths[r] <= 2 * thickness && std::abs(axis.at(r) - centres[r]) > kStraightStem)
                    return false;
        }
        return std::min(dot.w, dot.h) + 1 >= kMinDotToStroke * thickness && thickness <= 2 * size;
    }

    // Whether the letter whose top is at (x, top) is a lone stem, no wider than three of its
    // strokes, with a letter beside it, at most its own width away, standing level with it, top
    // and foot (as level as the page's skew allows): the stem of an i is as tall as an n or an e
    // beside it, the stem of a t or an l is taller.
    bool loneStem(int x, int top, int thickness) const
    {
        return m_grid.any(x, top, x, top, [&](int i) {
            const Shape letter = ShapeOf(m_boxes, i);
            return letter.x <= x && letter.right() >= x && letter.y <= top && letter.bottom() >= top &&
                   letter.w <= 3 * thickness && levelWithNeighbour(letter);
        });
    }
    bool levelWithNeighbour(const Shape& letter) const
    {
        const int left = letter.x - 2 * letter.w, right = letter.right() + 2 * letter.w;
        return m_grid.any(left, letter.y, right, letter.bottom(), [&](int k) {
            const Shape other = ShapeOf(m_boxes, k);
            const int apart = std::max(other.x - letter.right(), letter.x - other.right()) - 1;
            if (apart < 0 || apart > letter.w)
                return false;
            const double level = 2 + kMaxLean * std::abs(other.centreX() - letter.centreX());
            return std::abs(other.y - letter.y) <= level && std::abs(other.bottom() - letter.bottom()) <= level;
        });
    }

    // Whether, left of the stem followed from top down, the arm of a v or a w whose serif runs
    // into the stem's top leans away from it: down its upper half the letter's nearest ink moves
    // steadily left. The top of an n or of a box stands straight there.
    bool armLeansAway(int top, const std::vector<double>& centres, const std::vector<int>& widths, int size) const
    {
        std::vector<double> rows, arm;
        for (int r = 0; r < static_cast<int>(centres.size()) / 2; ++r) {
            if (widths[r] == 0)
                continue;
            int sx = static_cast<int>(std::lround(centres[r] - (widths[r] - 1) / 2.0)) - 1;
            const int limit = sx - 3 * size;
            while (sx >= limit && !black(sx, top + r))
                --sx;
            if (sx < limit)
                return false;
            rows.push_back(r);
            arm.push_back(sx);
        }
        if (rows.size() < 4)
            return false;
        const RowFit edge = FitRows(rows, arm);
        if (edge.slope > -kLeastArmLean || edge.slope < -1)
            return false;
        for (size_t k = 0; k < rows.size(); ++k)
            if (std::abs(edge.at(rows[k]) - arm[k]) > kStraightArm)
                return false;
        return true;
    }

    // A full stop or decimal point: just after a letter, ending level with the lower third of it
    // (or on the baseline, after a letter that reaches below it) and not below its foot, and
    // about as thick as its strokes; a pixel thinner where it stands between two letters.
    bool afterWord(const Shape& dot)
    {
        const int reach = reachOf(dot);
        return m_grid.any(dot.x - reach, dot.y, dot.x - 1, dot.bottom(), [&](int i) {
            const Shape letter = ShapeOf(m_boxes, i);
            if (!endsBefore(letter, dot, reach) || letter.h < 2 * dot.h || dot.bottom() > letter.bottom() + 2)
                return false;
            // A letter whose own stroke reads half again as thick as its row's (the slanting spine
            // of an s) is measured by its row's.
            int strokes = stroke(i);
            if (!thickEnough(dot, strokes)) {
                const int row = rowStroke(i);
                if (2 * strokes >= 3 * row)
                    strokes = row;
            }
            if (!thickEnough(dot, strokes) &&
                !(std::min(dot.w, dot.h) + 1 >= kMinDotToStroke * strokes &&
                  (betweenLetters(dot, letter) || onFootLine(dot, letter))))
                return false;
            return 3 * dot.bottom() >= 3 * letter.y + 2 * letter.h ||
                   (2 * dot.bottom() >= 2 * letter.y + letter.h && afterDescender(dot, letter));
        });
    }

    // A decimal point: a letter of the same height right of the dot too, at most the dot's reach
    // away, the two standing in one row (as far as the page's skew allows) and the dot's foot on
    // the line between theirs. A speck thinner than the strokes after a word's last letter, or
    // between letters of different heights, is not.
    bool betweenLetters(const Shape& dot, const Shape& before) const
    {
        const int reach = reachOf(dot);
        return m_grid.any(dot.right() + 1, dot.y, dot.right() + reach, dot.bottom(), [&](int k) {
            const Shape after = ShapeOf(m_boxes, k);
            if (after.x <= dot.right() || after.x - dot.right() > reach || std::abs(after.h - before.h) > 2)
                return false;
            const std::optional<double> off = OffFootLine(dot, before, after);
            return off && *off <= 1.5;
        });
    }

    // A full stop that thresholding thinned, after a word's last letter: about round, its foot
    // on the line through the feet of that letter and a letter of the same height before it in
    // the word (as level as the page's skew allows), to the row. A speck beside a letter seldom
    // stands on that line.
    bool onFootLine(const Shape& dot, const Shape& last) const
    {
        if (std::abs(dot.w - dot.h) > 1)
            return false;
        return m_grid.any(last.x - 3 * last.w, last.y - 2, last.x - 1, last.bottom() + 2, [&](int k) {
            const Shape before = ShapeOf(m_boxes, k);
            if (before.right() >= last.x || std::abs(before.h - last.h) > 2 || before.w * 2 < last.w)
                return false;
            const std::optional<double> off = OffFootLine(dot, before, last);
            return off && *off <= 0.5;
        });
    }

    // Whether letter ends left of the dot, at most reach away, or reaches over it (the arm of a
    // y, the ear of an r) with none of its ink right of the dot's left edge in the dot's rows.
    bool endsBefore(const Shape& letter, const Shape& dot, int reach) const
    {
        if (letter.right() < dot.x)
            return dot.x - letter.right() <= reach;
        return letter.x < dot.x && dot.right() >= letter.right() &&
               BlackIn(m_data, m_wpl, m_width, m_height, dot.x - 1, dot.y, dot.right(), dot.bottom()) == inkIn(dot, 0);
    }

    // Whether letter reaches below the baseline (g, p, y) and the dot ends on it: the letter
    // before it stands level with the dot, and letter goes on well below that one's foot, or
    // (on a row that climbs, which takes up part of the descent) its top stands level with that
    // one's and it is much taller.
    bool afterDescender(const Shape& dot, const Shape& letter) const
    {
        return m_grid.any(letter.x - letter.w, letter.y, letter.x - 1, dot.bottom() + 2, [&](int k) {
            const Shape before = ShapeOf(m_boxes, k);
            if (before.right() >= letter.x || letter.x - before.right() > letter.w || before.h < 2 * dot.h)
                return false;
            const double onFoot = 1 + kMaxLean * (dot.right() - before.right());
            const double below = std::max(2, dot.h / 2) + kMaxLean * (letter.x - before.x);
            const double level = 1 + kMaxLean * (letter.x - before.x);
            const bool descends = letter.bottom() > before.bottom() + below ||
                                  (std::abs(letter.y - before.y) <= level && letter.h > before.h + std::max(2, dot.h / 2));
            return std::abs(before.bottom() - dot.bottom()) <= onFoot && descends;
        });
    }

    // A letter of small print, or a piece of one that thresholding broke: in a row with a shape
    // about as tall or taller (at most kWordHeightRatio times), close beside it and level with it.
    // A speck beside a letter is much smaller than the letter; the pieces of a speck are rarely
    // level and as tall. Where the print is so small that its letters are no larger than the dots
    // removed, a word's letters and pieces stand farther apart than the pixel or two allowed
    // otherwise.
    bool inWord(const Shape& dot) const
    {
        int gap = m_smallPrint ? std::max(2, (2 * dot.h + 2) / 3) : std::max(1, std::min(dot.w, dot.h) / 2);
        const auto level = [&](int i) {
            const Shape other = ShapeOf(m_boxes, i);
            const int apart = std::max(other.x - dot.right(), dot.x - other.right()) - 1;
            if (apart < 0 || apart > gap || other.h > kWordHeightRatio * dot.h || other.h + 1 < dot.h)
                return false;
            // On a skewed page the row climbs or falls from one to the other.
            const int drift = static_cast<int>(kMaxLean * std::abs(other.centreX() - dot.centreX()));
            const int overlap = std::min(dot.bottom(), other.bottom()) - std::max(dot.y, other.y) + 1 + drift;
            return 3 * overlap >= 2 * std::min(dot.h, other.h);
        };
        // Pieces no larger than dots are letters only in small print or beside a letter.
        const auto beside = [&](int left, int right) {
            return m_grid.any(left, dot.y, right, dot.bottom(), level) ||
                   ((m_smallPrint || nearLetter(dot)) && m_marks.any(left, dot.y, right, dot.bottom(), level));
        };
        if (beside(dot.x - gap - 1, dot.right() + gap + 1))
            return true;
        // A word of one letter in small print: a word of its size a space away, level with it.
        if (!m_smallPrint)
            return false;
        gap = 2 * dot.h;
        return beside(dot.x - gap - 1, dot.right() + gap + 1);
    }

    // A hyphen or a dash: a bar beside a letter, half again as long as it is thick (on a skewed
    // page its box is near square, its ink is not), about as thick as the letter's strokes, across
    // the middle of its x-height.
    bool hyphen(const Shape& dot)
    {
        const double thickness = double(inkIn(dot, 0)) / dot.w;
        if (2 * dot.w < 3 * thickness)
            return false;
        const int reach = reachOf(dot);
        return m_grid.any(dot.x - reach, dot.y, dot.right() + reach, dot.bottom(), [&](int i) {
            const Shape letter = ShapeOf(m_boxes, i);
            const int apart = std::max(letter.x - dot.right(), dot.x - letter.right()) - 1;
            const int middle = dot.y + dot.h / 2;
            return apart >= 0 && apart <= reach && letter.h >= 2 * dot.h && 5 * middle >= 5 * letter.y + letter.h &&
                   4 * middle <= 4 * letter.y + 3 * letter.h && thickness + 1 >= kMinDotToStroke * stroke(i);
        });
    }

    // One dot of an umlaut (a, o, u with two dots): a like dot beside it, one to two dots' width
    // away and level with it (as level as the page's skew allows), and right below the two, after
    // a short gap, a letter at least twice as tall as a dot that reaches under both of them.
    bool umlaut(const Shape& dot) const
    {
        const int size = std::max(dot.w, dot.h);
        const int reach = reachOf(dot);
        return m_marks.any(dot.x - 3 * size, dot.y - size, dot.right() + 3 * size, dot.bottom() + size, [&](int i) {
            const Shape twin = ShapeOf(m_boxes, i);
            if ((twin.x == dot.x && twin.y == dot.y) || std::abs(twin.w - dot.w) > 1 + dot.w / 3 ||
                std::abs(twin.h - dot.h) > 1 + dot.h / 3)
                return false;
            const int gap = std::max(twin.x - dot.right(), dot.x - twin.right()) - 1;
            const double across = std::abs(twin.centreX() - dot.centreX());
            if (gap < 1 || gap > 2 * size || std::abs(twin.y - dot.y) > 1 + across * kMaxLean)
                return false;
            const double leftCentre = std::min(dot.centreX(), twin.centreX());
            const double rightCentre = std::max(dot.centreX(), twin.centreX());
            const int bottom = std::max(dot.bottom(), twin.bottom());
            const int pairWidth = std::max(dot.right(), twin.right()) - std::min(dot.x, twin.x) + 1;
            return m_grid.any(static_cast<int>(leftCentre), bottom + 1, static_cast<int>(rightCentre), bottom + reach,
                              [&](int k) {
                                  const Shape letter = ShapeOf(m_boxes, k);
                                  return letter.y > bottom && letter.y <= bottom + reach && letter.h >= 2 * size &&
                                         letter.x <= leftCentre && letter.right() >= rightCentre &&
                                         letter.w <= 3 * pairWidth;
                              });
        });
    }

    // A piece of a letter that thresholding broke off: one white pixel or none from other black,
    // with a letter close by (the rest of it, or the next letter of the word). Specks that fell
    // together in the margin have none.
    bool brokenOff(const Shape& dot) const { return inkIn(dot, 2) > inkIn(dot, 0) && nearLetter(dot); }

    // Whether a letter (a shape larger than the dots removed) lies within the dot's reach.
    bool nearLetter(const Shape& dot) const
    {
        const int reach = reachOf(dot);
        return m_grid.any(dot.x - reach, dot.y - reach, dot.right() + reach, dot.bottom() + reach, [&](int i) {
            const Shape letter = ShapeOf(m_boxes, i);
            return letter.x <= dot.right() + reach && letter.right() >= dot.x - reach &&
                   letter.y <= dot.bottom() + reach && letter.bottom() >= dot.y - reach;
        });
    }

    // The ear of an r (the arm of an f) that thresholding parted from its stem: the stem's ink at
    // most the ear's own size to its left in its rows (the letter's foot serif may reach on below
    // the ear), the letter two to kEarToLetter times its height, its top level with the letter's
    // top (on a skewed page the top of the stem climbs or falls to the ear), in the letter's upper
    // half, about as thick as its strokes. A speck beside a letter lies lower or farther out.
    bool ear(const Shape& dot)
    {
        const int size = std::max(dot.w, dot.h);
        if (BlackIn(m_data, m_wpl, m_width, m_height, dot.x - size - 1, dot.y, dot.x - 1, dot.bottom()) == 0)
            return false;
        return m_grid.any(dot.x - size - 1, dot.y - size, dot.x - 1, dot.bottom() + size, [&](int i) {
            const Shape letter = ShapeOf(m_boxes, i);
            if (!endsBefore(letter, dot, size + 1) || letter.h < 2 * dot.h || letter.h > kEarToLetter * dot.h ||
                2 * dot.bottom() > 2 * letter.y + letter.h)
                return false;
            const double slack = 2 + kMaxLean * (dot.right() - letter.right());
            return std::abs(dot.y - letter.y) <= slack && std::min(dot.w, dot.h) + 1 >= kMinDotToStroke * stroke(i);
        });
    }

    // The dot of an exclamation or a question mark (！ and ？ too): right above it, after a short
    // gap, the narrow foot of the mark's stroke, near the dot's axis; the mark at least twice as
    // tall as the dot, taller than wide and ending above it, its lower third one narrow stroke.
    // The dot stands on the foot line of the letters beside the mark, where a speck under the foot
    // of a letter's stem hangs below it.
    bool underStroke(const Shape& dot) const
    {
        const std::optional<QPoint> foot = nearestInk(dot, -1);
        if (!foot)
            return false;
        const int size = std::max(dot.w, dot.h);
        const auto [left, right] = runThrough(foot->x(), foot->y());
        if (right - left + 1 > 2 * size)
            return false;
        return m_grid.any(foot->x(), foot->y(), foot->x(), foot->y(), [&](int i) {
            const Shape mark = ShapeOf(m_boxes, i);
            if (mark.x > foot->x() || mark.right() < foot->x() || mark.y > foot->y() || mark.bottom() < foot->y() ||
                mark.bottom() >= dot.y || mark.h < 2 * dot.h || mark.w > mark.h)
                return false;
            return narrowFoot(mark, 2 * size) && onFootLineBeside(dot, mark, i);
        });
    }

    // Whether the dot's foot lies on the line through the feet of the letters next to the mark
    // (index markIndex), one on either side or, at the end of a line, two before it: to within
    // a pixel and a half below that line or a little above it (a CJK character reaches below the
    // line its full-width marks stand on), and the mark's stroke ends above the line by the dot's
    // height at least. Those letters stand at most four times the height of mark and dot
    // together away, at least half as tall, and no higher than the mark (as level as the page's
    // skew allows).
    bool onFootLineBeside(const Shape& dot, const Shape& mark, int markIndex) const
    {
        const int height = dot.bottom() - mark.y + 1;
        std::vector<std::pair<int, int>> before, after;  // (how far apart, which letter)
        m_grid.any(mark.x - 4 * height, mark.y, mark.right() + 4 * height, dot.bottom(), [&](int k) {
            const Shape letter = ShapeOf(m_boxes, k);
            const bool left = letter.right() < mark.x, right = letter.x > mark.right();
            const int apart = left ? mark.x - letter.right() : letter.x - mark.right();
            const double level = 2 + kMaxLean * std::abs(letter.centreX() - mark.centreX());
            auto& side = left ? before : after;
            if (k != markIndex && (left || right) && apart <= 4 * height && 2 * letter.h >= height &&
                letter.y >= mark.y - level && letter.y <= dot.bottom() &&
                std::find(side.begin(), side.end(), std::pair(apart, k)) == side.end())
                side.emplace_back(apart, k);
            return false;
        });
        std::sort(before.begin(), before.end());
        std::sort(after.begin(), after.end());
        // The nearest letters either side, else the nearest two before it that stand level (the
        // pieces of a CJK character before it may not).
        std::vector<std::pair<Shape, Shape>> pairs;
        if (!before.empty() && !after.empty())
            pairs.emplace_back(ShapeOf(m_boxes, before[0].second), ShapeOf(m_boxes, after[0].second));
        for (size_t i = 0; i < std::min<size_t>(before.size(), 3); ++i)
            for (size_t j = i + 1; j < std::min<size_t>(before.size(), 3); ++j)
                pairs.emplace_back(ShapeOf(m_boxes, before[i].second), ShapeOf(m_boxes, before[j].second));
        for (const auto& [a, b] : pairs) {
            if (std::abs(a.centreX() - b.centreX()) < 1)
                continue;
            const std::optional<double> below = BelowFootLine(dot, a, b);
            if (!below)
                continue;
            const double markBelow = *BelowFootLine(mark, a, b);
            return *below <= 1.5 && *below >= -0.3 * height && markBelow <= -dot.h;
        }
        return false;
    }

    // Whether the lower third of the mark is one narrow stroke: each row a single run of black
    // at most width wide (the foot of an exclamation mark, the stem of a question mark; a
    // letter's foot has serifs or more than one stroke there).
    bool narrowFoot(const Shape& mark, int width) const
    {
        for (int y = mark.bottom() - mark.h / 3; y <= mark.bottom(); ++y) {
            int runs = 0, run = 0;
            for (int x = mark.x; x <= mark.right() + 1; ++x) {
                if (x <= mark.right() && black(x, y)) {
                    ++run;
                } else if (run > 0) {
                    if (run > width)
                        return false;
                    ++runs;
                    run = 0;
                }
            }
            if (runs > 1)
                return false;
        }
        return true;
    }

    // A dot of an ellipsis or of dot leaders: like dots on either side of it, or two more on one
    // side, each a like gap on from the last (one to three dots apart), all on one line (as
    // level as the page's skew allows). Specks seldom stand so evenly in a row.
    bool inRowOfDots(const Shape& dot) const
    {
        const auto next = [&](const Shape& from, double pitch, int direction) -> std::optional<Shape> {
            const int size = std::max(from.w, from.h);
            std::optional<Shape> found;
            const int left = direction > 0 ? from.right() + 1 : from.x - 4 * size;
            const int right = direction > 0 ? from.right() + 4 * size : from.x - 1;
            const auto like = [&](int i) {
                const Shape other = ShapeOf(m_boxes, i);
                if (std::abs(other.w - dot.w) > 1 || std::abs(other.h - dot.h) > 1 || other.x > right ||
                    other.right() < left)
                    return false;
                const int gap = direction > 0 ? other.x - from.right() - 1 : from.x - other.right() - 1;
                const double across = std::abs(other.centreX() - from.centreX());
                if (gap < std::max(1, size / 2) || gap > 3 * size ||
                    std::abs(other.bottom() - from.bottom()) > 1 + across * kMaxLean)
                    return false;
                if (pitch > 0 && std::abs(across - pitch) > 1.5)
                    return false;
                found = other;
                return true;
            };
            m_marks.any(left, from.y - size, right, from.bottom() + size, like) ||
                m_nearDots.any(left, from.y - size, right, from.bottom() + size, like);
            return found;
        };
        // Where the row runs on level with two of its dots: the third lies on their line.
        const auto inLine = [](const Shape& a, const Shape& b, const Shape& c) {
            const double slope = (b.bottom() - a.bottom()) / (b.centreX() - a.centreX());
            return std::abs(c.bottom() - (a.bottom() + slope * (c.centreX() - a.centreX()))) <= 1.0;
        };
        const std::optional<Shape> left = next(dot, 0, -1), right = next(dot, 0, 1);
        if (left && right)
            return std::abs((dot.centreX() - left->centreX()) - (right->centreX() - dot.centreX())) <= 1.5 &&
                   inLine(*left, dot, *right);
        for (const auto& [first, direction] : {std::pair{left, -1}, std::pair{right, 1}}) {
            if (!first)
                continue;
            const std::optional<Shape> second = next(*first, std::abs(first->centreX() - dot.centreX()), direction);
            if (second && inLine(dot, *first, *second))
                return true;
        }
        return false;
    }

    // One stroke of a double quotation mark (“ ” and ,, too small to stay by size): a like stroke
    // beside it, at most twice its width away and level with it (as level as the page's skew
    // allows), both taller than wide, and next to the pair a letter at least twice as tall whose
    // top stands level with theirs, the pair in its upper half.
    bool quotes(const Shape& dot) const
    {
        if (dot.h <= dot.w)
            return false;
        const int reach = reachOf(dot);
        const auto twin = [&](int i) {
            const Shape other = ShapeOf(m_boxes, i);
            const int gap = std::max(other.x - dot.right(), dot.x - other.right()) - 1;
            const double across = std::abs(other.centreX() - dot.centreX());
            if ((other.x == dot.x && other.y == dot.y) || std::abs(other.w - dot.w) > 1 ||
                std::abs(other.h - dot.h) > 1 || other.h <= other.w || gap < 1 || gap > 2 * dot.w ||
                std::abs(other.y - dot.y) > 1 + across * kMaxLean)
                return false;
            const int left = std::min(dot.x, other.x), right = std::max(dot.right(), other.right());
            const int top = std::min(dot.y, other.y), bottom = std::max(dot.bottom(), other.bottom());
            return m_grid.any(left - reach, top - reach, right + reach, bottom, [&](int k) {
                const Shape letter = ShapeOf(m_boxes, k);
                const int apart = std::max(letter.x - right, left - letter.right()) - 1;
                const double level = 2 + kMaxLean * std::abs(letter.centreX() - dot.centreX());
                return apart >= 0 && apart <= reach && letter.h >= 2 * dot.h && std::abs(letter.y - top) <= level &&
                       2 * bottom <= 2 * letter.y + letter.h;
            });
        };
        return m_marks.any(dot.x - 3 * dot.w, dot.y - dot.h, dot.right() + 3 * dot.w, dot.bottom() + dot.h, twin) ||
               m_nearDots.any(dot.x - 3 * dot.w, dot.y - dot.h, dot.right() + 3 * dot.w, dot.bottom() + dot.h, twin);
    }

    // A colon or semicolon standing in a line of text, as CJK text sets them in the middle of
    // their own cell: the dot and a like dot (or a comma's head) straight above or below it, the
    // pair no taller than a letter beside it and within its height, each dot about as thick as
    // that letter's strokes.
    bool stackedInLine(const Shape& dot)
    {
        const int size = std::max(dot.w, dot.h);
        const int span = 5 * size + 1;
        const auto colon = [&](int i) { return partners(dot, ShapeOf(m_boxes, i), false); };
        return m_marks.any(dot.x - size, dot.y - span, dot.right() + size, dot.bottom() + span, colon) ||
               m_nearDots.any(dot.x - size, dot.y - span, dot.right() + size, dot.bottom() + span, colon) ||
               m_grid.any(dot.x - size, dot.bottom() + 1, dot.right() + size, dot.bottom() + span, [&](int i) {
                   return partners(dot, ShapeOf(m_boxes, i), true);
               });
    }

    // Whether dot and other make a colon (two like dots, one above the other) or, with comma, a
    // semicolon (dot above other, which is no taller than a comma).
    bool partners(const Shape& dot, const Shape& other, bool comma)
    {
        const int size = std::max(dot.w, dot.h);
        if (comma ? (other.y <= dot.y || other.w > dot.w + 2 || other.h > 3 * size)
                  : (std::abs(dot.w - other.w) > 1 || std::abs(dot.h - other.h) > 1))
            return false;
        const Shape& upper = other.y < dot.y ? other : dot;
        const Shape& lower = other.y < dot.y ? dot : other;
        const int gap = lower.y - upper.bottom() - 1;
        if (gap < std::max(1, size / 2) || gap > 4 * size)
            return false;
        const double drift = 1.5 + kMaxLean * (lower.y - upper.y) + (comma ? lower.w / 2.0 : 0);
        if (std::abs(lower.centreX() - upper.centreX()) > drift)
            return false;
        return besideLetter(upper, lower.y);
    }

    // A letter left or right of the marks from top's top down to the lower mark's top (at
    // lowerTop), at most its own height away, reaching over both, with strokes no thicker than
    // the marks. A CJK character may come in pieces: one piece will do.
    bool besideLetter(const Shape& top, int lowerTop)
    {
        const int pairHeight = lowerTop - top.y + 1;
        return m_grid.any(top.x - 4 * pairHeight, top.y - pairHeight, top.right() + 4 * pairHeight, lowerTop + pairHeight,
                          [&](int i) {
                              const Shape letter = ShapeOf(m_boxes, i);
                              const int away = letter.right() < top.x ? top.x - letter.right()
                                             : letter.x > top.right() ? letter.x - top.right()
                                                                      : -1;
                              if (away < 0 || away > letter.h || letter.h < pairHeight)
                                  return false;
                              const double slack = 2 + kMaxLean * away;
                              return letter.y <= top.y + slack && letter.bottom() >= lowerTop - slack &&
                                     std::min(top.w, top.h) + 1 >= kMinDotToStroke * stroke(i);
                          });
    }

    // The median stroke of letter i and the letters in its row up to four of its heights either
    // side, of about its height: the spine of an s or the bar of an e reads thicker than the
    // row's strokes are.
    int rowStroke(int i)
    {
        const Shape letter = ShapeOf(m_boxes, i);
        std::vector<int> seen{i};
        std::vector<int> strokes{stroke(i)};
        const int span = 4 * letter.h, middle = letter.y + letter.h / 2;
        m_grid.any(letter.x - span, middle, letter.right() + span, middle, [&](int k) {
            const Shape other = ShapeOf(m_boxes, k);
            if (other.y > middle || other.bottom() < middle || 2 * other.h < letter.h || other.h > 2 * letter.h ||
                std::find(seen.begin(), seen.end(), k) != seen.end())
                return false;
            seen.push_back(k);
            strokes.push_back(stroke(k));
            return false;
        });
        return Median(strokes);
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
    ShapeGrid m_grid;  // letters and other large shapes
    std::vector<int> m_stroke;
    ShapeGrid m_marks;  // the small shapes
    ShapeGrid m_nearDots;  // the large shapes at most a pixel larger than the largest dot removed
    bool m_smallPrint = false;  // the page's letters are mostly no taller than twice the largest dot
    std::vector<Shape> m_iDots;  // the dots read above stems
};

}  // namespace

std::vector<char> ReadPunctuation(Pix* page, Boxa* boxes, const std::vector<char>& isLarge,
                                  const std::vector<int>& candidates, int largestDot)
{
    DotReader reader(page, boxes, isLarge, largestDot);
    std::vector<char> kept(candidates.size(), 0);
    std::vector<Shape> anchors;
    for (size_t k = 0; k < candidates.size(); ++k)
        if (reader.isPunctuation(ShapeOf(boxes, candidates[k]))) {
            kept[k] = 1;
            anchors.push_back(ShapeOf(boxes, candidates[k]));
        }
    // Then the i dots over stems it could not follow, by what the page's other i dots look like.
    const DotReader::IDotLooks looks = reader.learnIDots();
    for (size_t k = 0; k < candidates.size(); ++k)
        if (!kept[k] && reader.likeThePagesIDots(looks, ShapeOf(boxes, candidates[k]))) {
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

}  // namespace scanvo::engine::ops
