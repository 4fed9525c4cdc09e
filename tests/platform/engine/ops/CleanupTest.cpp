// Cleanup filters measured on generated pages against their ground truth.
#include "fixtures/PageGenerator.h"
#include "platform/engine/EngineError.h"
#include "platform/engine/PixPtr.h"
#include "platform/engine/ops/Canvas.h"
#include "platform/engine/ops/Cleanup.h"
#include "platform/engine/ops/Geometry.h"
#include "platform/engine/ops/OpFlags.h"

#include <leptonica/allheaders.h>

#include <QFont>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <random>
#include <vector>

using namespace scanvo::engine;
using namespace scanvo::engine::ops;
using scanvo::testing::CountBlack;
using scanvo::testing::CountBlackInRect;
using scanvo::testing::CountBlackWithin;
using scanvo::testing::GeneratedPage;
using scanvo::testing::GenerateDirtyScan;
using scanvo::testing::GeneratePage;
using scanvo::testing::ScatterSpecksNearText;
using scanvo::testing::PageOptions;

namespace {

// The arguments the cleanup commands pass with their default settings.
constexpr int kLineFlags = kLineUseVariance | kLineUseGap | kLineRemoveEntire;  // 0xE00
constexpr int kHoleFlags = kHolePunchUseLocation | kHolePunchUseSize | kHolePunchUseCount;  // 0xE0

void RemoveLinesWithDefaults(Image& page, int direction, int maxWallPercent = 10)
{
    RemoveLines(page, kLineFlags, 400, 15, 15, maxWallPercent, 3, 3, direction);
}

int RemoveHolesWithDefaults(Image& page, int side, int minCount = 2)
{
    return RemoveHolePunches(page, kHoleFlags, minCount, 12, 10, 10, 50, 50, side);
}

// mask AND NOT other
Image Minus(const Image& mask, const Image& other)
{
    return Image::adopt(pixSubtract(nullptr, mask.pix(), other.pix()));
}

// Fraction of mask's black pixels that are still black in page.
double Kept(const Image& page, const Image& mask)
{
    const long long total = CountBlack(mask);
    return total == 0 ? 1.0 : double(CountBlackWithin(page, mask)) / double(total);
}

// Slow and plain: every 8-connected component found by flood fill, removed when goes(its
// bounding box) says so.
template <typename Goes>
Image RemoveComponentsByFloodFill(const Image& page, Goes goes)
{
    const int w = page.width(), h = page.height();
    std::vector<int> seen(static_cast<size_t>(w) * h, 0);
    Image out = page;
    auto black = [&](int x, int y) {
        l_uint32 v = 0;
        pixGetPixel(page.pix(), x, y, &v);
        return v != 0;
    };
    for (int y0 = 0; y0 < h; ++y0)
        for (int x0 = 0; x0 < w; ++x0) {
            if (!black(x0, y0) || seen[y0 * w + x0])
                continue;
            std::vector<std::pair<int, int>> stack{{x0, y0}}, pixels;
            seen[y0 * w + x0] = 1;
            int left = x0, right = x0, top = y0, bottom = y0;
            while (!stack.empty()) {
                auto [x, y] = stack.back();
                stack.pop_back();
                pixels.push_back({x, y});
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = x + dx, ny = y + dy;
                        if (nx >= 0 && ny >= 0 && nx < w && ny < h && !seen[ny * w + nx] && black(nx, ny)) {
                            seen[ny * w + nx] = 1;
                            stack.push_back({nx, ny});
                        }
                    }
            }
            if (goes(QRect(left, top, right - left + 1, bottom - top + 1)))
                for (auto [x, y] : pixels)
                    pixSetPixel(out.pix(), x, y, 0);
        }
    return out;
}

Image RemoveDotsByFloodFill(const Image& page, int minW, int minH, int maxW, int maxH)
{
    return RemoveComponentsByFloodFill(page, [&](const QRect& r) {
        return r.width() >= minW && r.width() <= maxW && r.height() >= minH && r.height() <= maxH;
    });
}

// The single pixels, then the specks one pixel thick and two to five long with no other black
// within three pixels of them, unless a row speck has black on both sides within two rows of its
// own (a dash).
Image DespeckleByFloodFill(const Image& page)
{
    const Image withoutSingles = RemoveDotsByFloodFill(page, 1, 1, 1, 1);
    return RemoveComponentsByFloodFill(withoutSingles, [&](const QRect& r) {
        const int length = std::max(r.width(), r.height()), margin = 3, reach = 2 * length + 2;
        const auto inkFrom = [&](int x) {
            return CountBlackInRect(withoutSingles, QRect(x, r.top() - 2, reach, 5)) > 0;
        };
        const bool dash = r.height() == 1 && inkFrom(r.left() - reach) && inkFrom(r.right() + 1);
        return std::min(r.width(), r.height()) == 1 && length >= 2 && length <= 5 && !dash &&
               CountBlackInRect(withoutSingles, r.adjusted(-margin, -margin, margin, margin)) == length;
    });
}

// Lines of text as a scanner thresholds them: each drawn at its baseline in family at its pixel
// size (slanted like italic type by slant), the whole turned clockwise by skew degrees about the
// middle, then black where darker than threshold.
struct TextLine {
    QPoint baseline;
    int pixelSize;
    QString text;
};
Image ScannedLines(QSize size, const QString& family, const std::vector<TextLine>& lines, double skew, int threshold,
                   double slant = 0)
{
    QImage canvas(size, QImage::Format_Grayscale8);
    canvas.fill(255);
    {
        QPainter painter(&canvas);
        painter.translate(size.width() / 2, size.height() / 2);
        painter.rotate(skew);
        painter.translate(-size.width() / 2, -size.height() / 2);
        QFont font(family);
        for (const TextLine& line : lines) {
            font.setPixelSize(line.pixelSize);
            painter.setFont(font);
            // Slanted as italic type is: each row shifted right by slant times its height above
            // the baseline.
            painter.save();
            painter.translate(line.baseline);
            painter.shear(-slant, 0);
            painter.drawText(QPoint(0, 0), line.text);
            painter.restore();
        }
    }
    return Image::adopt(pixThresholdToBinary(Image::fromQImage(canvas).pix(), threshold));
}

// Whether despeckle and dot removal with the command's default settings leave exactly the text
// of two lines scanned in a CJK face at pixelSize and turned by skew degrees, after four specks
// were put beside them: every mark of the text stays, the specks go.
bool CleansToTheText(const QString& first, const QString& second, int pixelSize, double skew)
{
    Image page = ScannedLines(QSize(1400, 300), QStringLiteral("WenQuanYi Zen Hei"),
                              {{{40, 120}, pixelSize, first}, {{40, 220}, pixelSize, second}}, skew, 128);
    const Image text = page;
    for (const QPoint& at : {QPoint(30, 30), QPoint(1300, 40), QPoint(700, 270), QPoint(20, 160)})
        FillRect(page, QRect(at, QSize(3, 3)), kBlack);
    Despeckle(page);
    RemoveDots(page, kDotRemoveFlags, 2, 2, 5, 5);
    return page.samePixels(text);
}

// Despeckle and dot removal as the command runs them with its default settings; returns how
// many of the generated specks are left.
int DespeckleWithDefaults(Image& page, const GeneratedPage& generated)
{
    Despeckle(page);
    RemoveDots(page, kDotRemoveFlags, 2, 2, 5, 5);
    int remaining = 0;
    for (const QRect& speck : generated.speckRects)
        if (CountBlackInRect(page, speck) > 0)
            ++remaining;
    return remaining;
}

// A page of A4 at 150 dpi; its text lies further in from the edges than kEdgeBand, however it
// turns.
PageOptions SmallPage(unsigned seed)
{
    PageOptions options;
    options.width = 1240;
    options.height = 1754;
    options.dpi = 150;
    options.seed = seed;
    return options;
}

constexpr int kEdgeBand = 100;

int BlackNearTheEdges(const Image& page)
{
    const QRect inside(kEdgeBand, kEdgeBand, page.width() - 2 * kEdgeBand, page.height() - 2 * kEdgeBand);
    return CountBlack(page) - CountBlackInRect(page, inside);
}

}  // namespace

TEST(CleanupFilters, RefuseGreyAndColourPages)
{
    for (int depth : {8, 24}) {
        Image page = Image::create(50, 50, depth);
        for (auto op : std::initializer_list<std::function<void()>>{
                 [&] { Despeckle(page); },
                 [&] { RemoveDots(page, kDotRemoveFlags, 2, 2, 5, 5); },
                 [&] { RemoveBorders(page, kBorderUseVariance, kBorderAllSides, 20, 20, 20); },
                 [&] { RemoveLinesWithDefaults(page, kLineHorizontal); },
                 [&] { RemoveHolesWithDefaults(page, kHolePunchLeft); }}) {
            try {
                op();
                ADD_FAILURE() << "accepted a page of depth " << depth;
            } catch (const EngineError& e) {
                EXPECT_EQ(e.number(), ErrUnsupported);
            }
        }
    }
}

TEST(Despeckle, RemovesSpecksAndLeavesTheText)
{
    PageOptions options;
    options.speckles = 1500;
    options.seed = 21;
    const GeneratedPage generated = GeneratePage(options);
    ASSERT_GE(generated.speckRects.size(), 1400u);
    Image page = generated.page;
    EXPECT_GT(Despeckle(page), 0);
    EXPECT_GT(RemoveDots(page, kDotRemoveFlags, 2, 2, 5, 5), 0);

    int remaining = 0;
    for (const QRect& speck : generated.speckRects)
        if (CountBlackInRect(page, speck) > 0)
            ++remaining;
    EXPECT_LE(remaining, int(generated.speckRects.size() / 100)) << "at least 99 % of the specks go";
    EXPECT_GE(Kept(page, generated.text), 0.999) << "at most 0.1 % of the text changes";
}

TEST(Despeckle, DotRemovalMatchesAPlainFloodFillOnRandomPages)
{
    std::mt19937 rng(5);
    std::uniform_int_distribution<int> coordinate(0, 199), size(1, 8);
    for (int round = 0; round < 5; ++round) {
        Image page = Image::create(200, 150, 1);
        Fill(page, kWhite);
        for (int n = 0; n < 120; ++n)
            FillRect(page, QRect(coordinate(rng), coordinate(rng) * 3 / 4, size(rng), size(rng)), kBlack);
        for (int n = 0; n < 40; ++n)  // single pixels, some on the edges
            FillRect(page, QRect(n % 4 == 0 ? 0 : coordinate(rng), n % 4 == 1 ? 149 : coordinate(rng) * 3 / 4, 1, 1), kBlack);
        const Image expected = RemoveDotsByFloodFill(page, 2, 3, 5, 6);
        Image actual = page;
        RemoveDots(actual, kDotUseSize, 2, 3, 5, 6);
        EXPECT_TRUE(actual.samePixels(expected)) << "round " << round;
        Image despeckled = page;
        Despeckle(despeckled);
        EXPECT_TRUE(despeckled.samePixels(DespeckleByFloodFill(page))) << "round " << round;
    }
}

TEST(Despeckle, KeepsDotsCloseToText)
{
    Image page = Image::create(100, 100, 1);
    Fill(page, kWhite);
    FillRect(page, QRect(40, 40, 4, 30), kBlack);  // the stem of an i
    FillRect(page, QRect(40, 32, 4, 4), kBlack);   // its dot
    FillRect(page, QRect(80, 10, 3, 3), kBlack);   // a speck far away
    EXPECT_EQ(RemoveDots(page, kDotRemoveFlags, 2, 2, 5, 5), 1);
    EXPECT_EQ(CountBlackInRect(page, QRect(40, 32, 4, 4)), 16);
    EXPECT_EQ(CountBlackInRect(page, QRect(80, 10, 3, 3)), 0);
    EXPECT_EQ(RemoveDots(page, kDotUseSize, 2, 2, 5, 5), 1) << "without protection the dot goes too";
}

TEST(Despeckle, RemovesSpecksBesideLettersAndKeepsTheDotsOfLettersAndPunctuation)
{
    for (unsigned seed : {7u, 23u}) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        PageOptions options;
        options.speckles = 1000;
        options.seed = seed;
        GeneratedPage generated = GeneratePage(options);
        ASSERT_GE(ScatterSpecksNearText(generated, 300, 2, 7, seed), 250);
        Image page = generated.page;
        EXPECT_LT(DespeckleWithDefaults(page, generated), 5) << "specks close to letters go too";
        EXPECT_EQ(Kept(page, generated.text), 1.0) << "i and j dots and full stops stay";
    }
}

TEST(Despeckle, ReadsDotsByShapeAndPositionNotByNearness)
{
    Image page = Image::create(400, 200, 1);
    Fill(page, kWhite);
    const QRect stem(40, 60, 5, 25), iDot(40, 50, 5, 5);              // an i
    const QRect letter(100, 60, 18, 25), stop(121, 80, 5, 5);          // a letter and its full stop
    const QRect colonLow(131, 80, 5, 5), colonHigh(131, 64, 5, 5);     // a colon after the stop
    const QRect beside(100 + 18 + 3, 66, 3, 3);                        // a speck at mid-height beside the letter
    const QRect thinStop(200 + 18 + 3, 82, 3, 3), letter2(200, 60, 18, 25);  // thinner than the strokes
    const QRect overLetter(105, 52, 3, 3);                             // a speck just above the letter
    for (const QRect& r : {stem, iDot, letter, stop, colonLow, colonHigh, beside, thinStop, letter2, overLetter})
        FillRect(page, r, kBlack);
    // The letters are rings with 5-pixel strokes, not solid blocks.
    for (const QRect& r : {letter, letter2})
        FillRect(page, r.adjusted(5, 5, -5, -5), kWhite);

    EXPECT_EQ(RemoveDots(page, kDotRemoveFlags, 2, 2, 5, 5), 3);
    for (const QRect& r : {iDot, stop, colonLow, colonHigh})
        EXPECT_EQ(CountBlackInRect(page, r), 25) << r.x() << "," << r.y();
    for (const QRect& r : {beside, thinStop, overLetter})
        EXPECT_EQ(CountBlackInRect(page, r), 0) << r.x() << "," << r.y();
}

TEST(Despeckle, KeepsTheDotsOfLettersAndPunctuationOnSkewedPagesToo)
{
    for (double skew : {2.0, -4.5, 7.0, -10.0}) {
        SCOPED_TRACE(testing::Message() << "skew " << skew);
        PageOptions options;
        options.speckles = 800;
        options.skewDegrees = skew;
        options.seed = 31;
        GeneratedPage generated = GeneratePage(options);
        ASSERT_GE(ScatterSpecksNearText(generated, 200, 2, 7, 31), 150);
        Image page = generated.page;
        EXPECT_LT(DespeckleWithDefaults(page, generated), 5) << "specks go on skewed pages as on straight ones";
        EXPECT_EQ(Kept(page, generated.text), 1.0) << "i and j dots and full stops stay";
    }
}

// A scanned line as the demo's sample draws it: a heavy sans-serif face thresholded from
// antialiased rendering, whose i dots come out a pixel thinner than their stems, and a
// full-width colon standing mid-line after a Chinese character.
TEST(Despeckle, KeepsThinnedIDotsAndFullWidthColonsOfAScannedLine)
{
    for (double skew : {0.0, 2.0, -6.0}) {
        SCOPED_TRACE(testing::Message() << "skew " << skew);
        EXPECT_TRUE(CleansToTheText(QStringLiteral("扫描样例：纠斜、去黑边、去噪点、去线条；页"),
                                    QStringLiteral("Scanned line with i, j, dots: full stops."), 44, skew));
    }
}

// The dots of exclamation and question marks, ellipses and colons, full-width and Latin, in
// lines scanned at 150 to 300 dpi (a CJK character's pieces round them, a colon's dot that
// thresholding made a pixel larger than the dots removed, the end of a line after the mark).
TEST(Despeckle, KeepsTheDotsOfExclamationAndQuestionMarksAndEllipsesOfScannedLines)
{
    for (int pixelSize : {28, 32, 44})
        for (double skew : {0.0, 3.0, -6.0}) {
            SCOPED_TRACE(testing::Message() << pixelSize << " px, skew " << skew);
            EXPECT_TRUE(CleansToTheText(QStringLiteral("真的吗？好！省略号……冒号：结束！"),
                                        QStringLiteral("Really? Yes! Wait... and then: done!"), pixelSize, skew));
        }
}

// A dot under a stroke is an exclamation mark's where the stroke ends above the foot line of the
// letters beside it and the dot stands on that line, at the end of a line too; a speck under the
// foot of a letter's stem hangs below the line, and goes. Three like dots evenly spaced in a row
// stay; two, or three unevenly spaced, go. A pair of quotation strokes level with the top of the
// letter beside them stays.
TEST(Despeckle, ReadsExclamationDotsQuotesAndRowsOfDotsByTheirPlace)
{
    Image page = Image::create(500, 120, 1);
    Fill(page, kWhite);
    const QRect bang(40, 52, 4, 21), bangDot(40, 77, 4, 4);
    const QRect lStem(100, 52, 4, 29), underTheL(100, 83, 4, 4);
    const QRect lineEndBang(190, 52, 4, 21), lineEndDot(190, 77, 4, 4);
    for (const QRect& r : {QRect(20, 64, 12, 17), bang, bangDot, QRect(52, 64, 12, 17), QRect(84, 64, 12, 17), lStem,
                           underTheL, QRect(110, 64, 12, 17), QRect(150, 64, 12, 17), QRect(170, 64, 12, 17),
                           lineEndBang, lineEndDot})
        FillRect(page, r, kBlack);
    const std::vector<QRect> ellipsis{{300, 70, 3, 3}, {306, 70, 3, 3}, {312, 70, 3, 3}};
    const std::vector<QRect> pair{{350, 70, 3, 3}, {356, 70, 3, 3}};
    const std::vector<QRect> uneven{{400, 70, 3, 3}, {406, 70, 3, 3}, {416, 70, 3, 3}};
    for (const auto* dots : {&ellipsis, &pair, &uneven})
        for (const QRect& r : *dots)
            FillRect(page, r, kBlack);
    for (int x = 20; x < 480; x += 16)  // a line of text below: the page's print is not small
        FillRect(page, QRect(x, 95, 12, 17), kBlack);
    // Quotation marks too small to stay by size: a pair of strokes level with the top of the
    // letter beside them. A pair level with its foot, and a lone stroke at its top, go.
    const QRect quoteLeft(210, 64, 2, 5), quoteRight(214, 64, 2, 5), openedWord(220, 64, 12, 17);
    const QRect lowLeft(250, 76, 2, 5), lowRight(254, 76, 2, 5), lowWord(260, 64, 12, 17);
    const QRect lone(440, 64, 2, 5), loneWord(446, 64, 12, 17);
    for (const QRect& r : {quoteLeft, quoteRight, openedWord, lowLeft, lowRight, lowWord, lone, loneWord})
        FillRect(page, r, kBlack);
    EXPECT_EQ(RemoveDots(page, kDotRemoveFlags, 2, 2, 5, 5), 9);
    for (const QRect& r : {quoteLeft, quoteRight})
        EXPECT_EQ(CountBlackInRect(page, r), 10) << r.x();
    for (const QRect& r : {lowLeft, lowRight, lone})
        EXPECT_EQ(CountBlackInRect(page, r), 0) << r.x();
    for (const QRect& r : {bangDot, lineEndDot})
        EXPECT_EQ(CountBlackInRect(page, r), 16) << r.x();
    EXPECT_EQ(CountBlackInRect(page, underTheL), 0);
    for (const QRect& r : ellipsis)
        EXPECT_EQ(CountBlackInRect(page, r), 9) << r.x();
    for (const auto* dots : {&pair, &uneven})
        for (const QRect& r : *dots)
            EXPECT_EQ(CountBlackInRect(page, r), 0) << r.x();
}

// Where the top of an i runs into the letter before it, the dot above still finds its stem: a
// top serif joined below a narrow first row; an r's ear making the stem's first rows one wide bar
// leading off to the left, the r's stem below its far end; a t's crossbar, the t rising above it,
// even where the crossbar reaches as far left as an r's ear. A v's serif joined to the i's top
// serif, the v's arm leaning away below it. A heavy i whose top serif's tip leans off to the left
// above where an m's arch runs into it, an n after it. A speck beside the
// text, over a T's bar (leading off both ways), over the stem of a 7 (no stem below the bar's far
// end) or over an n's right stem (nothing above its arch, its left stem straight) goes.
TEST(Despeckle, KeepsTheDotOfAnIWhoseTopJoinsTheLetterBefore)
{
    Image page = Image::create(560, 120, 1);
    Fill(page, kWhite);
    const QRect serifDot(50, 42, 4, 4), serifStem(50, 50, 4, 24), serifs(38, 52, 16, 2), serifR(38, 52, 4, 22);
    const QRect earDot(110, 40, 5, 5), earStem(110, 50, 5, 24), earR(86, 50, 5, 24), ear(86, 50, 32, 3);
    const QRect tBar(160, 50, 40, 4), tStem(178, 50, 5, 24), overTheT(178, 40, 5, 5);
    const QRect sevenBar(230, 50, 32, 3), sevenStem(257, 50, 5, 24), overTheSeven(257, 40, 5, 5);
    const QRect speck(300, 42, 4, 4);
    const QRect tiT(330, 38, 5, 36), tiCrossbar(331, 50, 13, 3), tiStem(342, 50, 5, 24), tiDot(342, 40, 5, 5);
    const QRect nLeft(370, 52, 5, 22), nArch(370, 50, 20, 3), nRight(385, 50, 5, 24), overTheN(385, 40, 5, 5);
    for (const QRect& r : {serifDot, serifStem, serifs, serifR, earDot, earStem, earR, ear, tBar, tStem, overTheT,
                           sevenBar, sevenStem, overTheSeven, speck, tiT, tiCrossbar, tiStem, tiDot, nLeft, nArch,
                           nRight, overTheN})
        FillRect(page, r, kBlack);
    const QRect viSerifs(408, 50, 19, 3), viStem(422, 50, 5, 24), viDot(422, 40, 5, 5);
    const QRect longT(450, 46, 5, 28), longCrossbar(442, 50, 22, 3);
    const QRect longTiStem(460, 50, 5, 24), longTiDot(460, 40, 5, 5);
    const QRect miStem(494, 52, 5, 22), miArch(480, 50, 30, 2), miTip(499, 49, 9, 1), miIStem(505, 52, 5, 22),
        miDot(505, 38, 5, 5), miN(516, 52, 5, 22);
    for (const QRect& r : {viSerifs, viStem, viDot, longT, longCrossbar, longTiStem, longTiDot, miStem, miArch, miTip,
                           miIStem, miDot, miN})
        FillRect(page, r, kBlack);
    for (int y = 53; y < 74; ++y)  // the v's right arm, leaning down to the left
        FillRect(page, QRect(410 - (y - 53) / 2, y, 5, 1), kBlack);
    EXPECT_EQ(RemoveDots(page, kDotRemoveFlags, 2, 2, 5, 5), 4);
    EXPECT_EQ(CountBlackInRect(page, serifDot), 16);
    for (const QRect& r : {earDot, tiDot, viDot, longTiDot, miDot})
        EXPECT_EQ(CountBlackInRect(page, r), 25) << r.x();
    for (const QRect& r : {overTheT, overTheSeven, speck, overTheN})
        EXPECT_EQ(CountBlackInRect(page, r), 0) << r.x();
}

// In heavy type an i's top serif runs into the letter after it (an n), or into the letters on both
// sides (an m before it too); the next stems stand a letter's spacing from the i's, and its dot
// stays. A speck over an n's left stem, over an m's middle stem rising above its arches (the
// other stems a counter away) or over the corner of an F (white under its bar) goes.
TEST(Despeckle, KeepsTheDotOfAnIWhoseTopJoinsTheLettersBesideIt)
{
    Image page = Image::create(300, 100, 1);
    Fill(page, kWhite);
    const QRect inDot(30, 40, 4, 4), inStem(30, 48, 4, 24), inSerifs(28, 49, 25, 2), inLeft(38, 49, 4, 23),
        inRight(49, 49, 4, 23);
    const QRect minDot(102, 40, 4, 4), minStem(102, 48, 4, 24), minSerifs(76, 49, 49, 2), mLeft(76, 49, 4, 23),
        mMiddle(85, 49, 4, 23), mRight(94, 49, 4, 23), nLeft(110, 49, 4, 23), nRight(121, 49, 4, 23);
    const QRect nStem(160, 48, 4, 24), nArch(160, 49, 15, 2), nStem2(171, 49, 4, 23), overTheN(160, 41, 3, 3);
    const QRect arches(200, 49, 26, 2), archLeft(200, 49, 4, 23), archMiddle(211, 48, 4, 24),
        archRight(222, 49, 4, 23), overTheM(211, 40, 4, 4);
    const QRect fStem(250, 48, 4, 24), fBar(250, 48, 20, 3), fArm(250, 58, 14, 3), overTheF(250, 40, 4, 4);
    for (const QRect& r : {inDot, inStem, inSerifs, inLeft, inRight, minDot, minStem, minSerifs, mLeft, mMiddle, mRight,
                           nLeft, nRight, nStem, nArch, nStem2, overTheN, arches, archLeft, archMiddle, archRight,
                           overTheM, fStem, fBar, fArm, overTheF})
        FillRect(page, r, kBlack);
    EXPECT_EQ(RemoveDots(page, kDotRemoveFlags, 2, 2, 5, 5), 3);
    for (const QRect& r : {inDot, minDot})
        EXPECT_EQ(CountBlackInRect(page, r), 16) << r.x();
    for (const QRect& r : {overTheN, overTheM, overTheF})
        EXPECT_EQ(CountBlackInRect(page, r), 0) << r.x();
}

// An i whose stem runs into the next letter's, so the two read as one stroke twice as thick as
// the dot, keeps its dot where the page's other i dots are of its size and stand as far above
// their stems; a like speck over an o (whose top soon ends), one a size smaller, and one higher
// above the same stem go. On a page with too few such i dots to learn from, the dot goes too.
TEST(Despeckle, ReadsAnIDotOverAStemItCannotFollowByThePagesOtherIDots)
{
    const QRect fusedDot(30, 40, 4, 4), fusedStem(30, 48, 8, 24);
    const QRect overTheO(61, 40, 4, 4), o(56, 48, 14, 24);
    const QRect smaller(90, 41, 3, 3), smallerStem(90, 48, 8, 24);
    const QRect higher(120, 37, 4, 4), higherStem(120, 48, 8, 24);
    for (int others : {10, 3}) {
        SCOPED_TRACE(testing::Message() << others << " other i's");
        const bool learnt = others == 10;
        Image page = Image::create(500, 100, 1);
        Fill(page, kWhite);
        for (const QRect& r : {fusedDot, fusedStem, overTheO, o, smaller, smallerStem, higher, higherStem})
            FillRect(page, r, kBlack);
        FillRect(page, o.adjusted(3, 3, -3, -3), kWhite);
        for (int i = 0; i < others; ++i) {
            FillRect(page, QRect(160 + 30 * i, 40, 4, 4), kBlack);
            FillRect(page, QRect(160 + 30 * i, 48, 4, 24), kBlack);
        }
        RemoveDots(page, kDotRemoveFlags, 2, 2, 5, 5);
        EXPECT_EQ(CountBlackInRect(page, fusedDot), learnt ? 16 : 0);
        for (const QRect& r : {overTheO, smaller, higher})
            EXPECT_EQ(CountBlackInRect(page, r), 0) << r.x();
        if (learnt) {
            EXPECT_EQ(CountBlackInRect(page, QRect(160, 40, 300, 4)), 160) << "the ten i dots stay";
        }
    }
}

// The page's i dots are learnt by size among dots of like size: a hundred small i's of its
// footnotes do not outvote ten larger ones, whose like still vouches for the dot over the fused
// stem. A like speck over a capital's top (a bar running off to the right from under it, as
// far below as the i's stems) still goes.
TEST(Despeckle, LearnsEachTypeSizesIDotsAndNotOverACapitalsTop)
{
    Image page = Image::create(1400, 100, 1);
    Fill(page, kWhite);
    const QRect fusedDot(30, 40, 4, 4), fusedStem(30, 48, 8, 24);
    const QRect speck(80, 40, 4, 4), pStem(80, 48, 4, 24), pTop(80, 48, 16, 4);
    for (const QRect& r : {fusedDot, fusedStem, speck, pStem, pTop})
        FillRect(page, r, kBlack);
    for (int i = 0; i < 10; ++i) {
        FillRect(page, QRect(160 + 30 * i, 40, 4, 4), kBlack);
        FillRect(page, QRect(160 + 30 * i, 48, 4, 24), kBlack);
    }
    for (int i = 0; i < 100; ++i) {
        FillRect(page, QRect(460 + 9 * i, 55, 2, 2), kBlack);
        FillRect(page, QRect(460 + 9 * i, 59, 2, 12), kBlack);
    }
    RemoveDots(page, kDotRemoveFlags, 2, 2, 5, 5);
    EXPECT_EQ(CountBlackInRect(page, fusedDot), 16);
    EXPECT_EQ(CountBlackInRect(page, speck), 0);
    EXPECT_EQ(CountBlackInRect(page, QRect(160, 40, 300, 4)), 160) << "the ten larger i dots stay";
    EXPECT_EQ(CountBlackInRect(page, QRect(460, 55, 900, 2)), 400) << "the hundred small i dots stay";
}

// A page of broad type whose i dots come in several sizes, few of each (a blackletter page):
// six dots of one size are enough to learn it, and their like stays over an i set close between
// an l and a c, all three run together at the foot, with its dot off to the right of its stem.
// A dot of a size only two others share is not vouched for there.
TEST(Despeckle, LearnsIDotsFromAFewOfOneSize)
{
    Image page = Image::create(700, 100, 1);
    Fill(page, kWhite);
    const auto lic = [&](int x, QSize dot) {
        for (int stem : {x, x + 8, x + 16})
            FillRect(page, QRect(stem, 50, 4, 24), kBlack);
        FillRect(page, QRect(x, 68, 20, 6), kBlack);
        const QRect flick(QPoint(x + 12, 45 - dot.height()), dot);
        FillRect(page, flick, kBlack);
        return flick;
    };
    const QRect learnt = lic(30, {4, 5}), rare = lic(90, {5, 4});
    const QSize sizes[] = {{4, 5}, {4, 5}, {4, 5}, {4, 5}, {4, 5}, {4, 5}, {3, 5}, {3, 5},
                           {3, 5}, {3, 5}, {5, 5}, {5, 5}, {5, 5}, {5, 4}, {5, 4}};
    int x = 160;
    for (const QSize& size : sizes) {
        FillRect(page, QRect(QPoint(x, 45 - size.height()), size), kBlack);
        FillRect(page, QRect(x, 50, 4, 24), kBlack);
        x += 30;
    }
    RemoveDots(page, kDotRemoveFlags, 2, 2, 5, 5);
    EXPECT_EQ(CountBlackInRect(page, learnt), 20) << "the dot of a size six free i's have stays";
    EXPECT_EQ(CountBlackInRect(page, rare), 0) << "a size two free i's have vouches for nothing";
    EXPECT_EQ(CountBlackInRect(page, QRect(160, 40, 450, 5)), 6 * 20 + 4 * 15 + 3 * 25 + 2 * 20)
        << "the dots over free stems stay";
}

// On a page turned so its rows climb to the right, a y's foot lies only a little below the foot
// of the r before it, as the row has risen between them; the y reaches below the baseline all
// the same, as its top stands level with the r's and it is much taller. The full stop after it,
// on the baseline, stays; a like speck as high after an o no taller than the r goes.
TEST(Despeckle, KeepsAFullStopAfterADescenderOnARowThatClimbs)
{
    Image page = Image::create(200, 80, 1);
    Fill(page, kWhite);
    const QRect r(17, 18, 15, 20), y(33, 14, 19, 28), stop(55, 28, 4, 4);
    const QRect r2(107, 18, 15, 20), o(123, 14, 19, 20), speck(145, 24, 4, 4);
    for (const QRect& letter : {r, y, r2, o}) {
        FillRect(page, letter, kBlack);
        FillRect(page, letter.adjusted(4, 4, -4, -4), kWhite);  // rings with 4-pixel strokes
    }
    for (const QRect& mark : {stop, speck})
        FillRect(page, mark, kBlack);
    EXPECT_EQ(RemoveDots(page, kDotRemoveFlags, 2, 2, 5, 5), 1);
    EXPECT_EQ(CountBlackInRect(page, stop), 16);
    EXPECT_EQ(CountBlackInRect(page, speck), 0);
}

// A full stop ends on the baseline: after a letter that reaches below it (a p), that is higher up
// the letter than usual, and it may tuck under the ear of an r. After an s, whose slanting spine
// reads thicker than the strokes of its row, it is as thick as the row's strokes. A speck as high
// after an o, which stands on the baseline like the t before it, and a speck thinner than the
// row's strokes after the s still go.
TEST(Despeckle, KeepsFullStopsAfterDescendersOverhangsAndSlantingSpines)
{
    Image page = Image::create(460, 120, 1);
    Fill(page, kWhite);
    const QRect l(40, 40, 5, 40), pStem(56, 55, 5, 37), pBowl(56, 55, 18, 25), afterP(77, 75, 5, 5);
    const QRect t(120, 50, 5, 30), o(132, 60, 18, 20), afterO(153, 67, 5, 5);
    const QRect rStem(190, 60, 5, 20), rEar(190, 60, 16, 4), underTheEar(201, 75, 5, 5);
    for (const QRect& r : {l, pStem, pBowl, afterP, t, o, afterO, rStem, rEar, underTheEar})
        FillRect(page, r, kBlack);
    for (const QRect& bowl : {pBowl, o})
        FillRect(page, bowl.adjusted(5, 5, -5, -5), kWhite);
    // A row of ring letters with 4-pixel strokes, each with an s after it drawn as one thick
    // slanting stroke between a top and a foot bar; a full stop after the first s, a thin speck
    // after the second.
    for (int x : {240, 340}) {
        for (int ring : {x, x + 18, x + 36}) {
            FillRect(page, QRect(ring, 60, 14, 20), kBlack);
            FillRect(page, QRect(ring + 4, 64, 6, 12), kWhite);
        }
        for (int r = 0; r < 20; ++r)
            FillRect(page, QRect(x + 54 + r / 3, 60 + r, r < 3 || r > 16 ? 14 : 8, 1), kBlack);
    }
    const QRect afterS(319, 76, 4, 4), thinAfterS(419, 76, 2, 4);
    for (const QRect& r : {afterS, thinAfterS})
        FillRect(page, r, kBlack);
    EXPECT_EQ(RemoveDots(page, kDotRemoveFlags, 2, 2, 5, 5), 2);
    EXPECT_EQ(CountBlackInRect(page, afterP), 25);
    EXPECT_EQ(CountBlackInRect(page, underTheEar), 25);
    EXPECT_EQ(CountBlackInRect(page, afterS), 16);
    for (const QRect& r : {afterO, thinAfterS})
        EXPECT_EQ(CountBlackInRect(page, r), 0) << r.x();
}

// A decimal point thresholded thinner than the digits' strokes stays where digits of the same
// height stand on both sides of it, its foot on the line between theirs, level or skewed. The same
// mark after the last letter of a word, between letters of different heights (a word's end and a
// taller letter), or above the digits' feet goes.
TEST(Despeckle, KeepsDecimalPointsThinnerThanTheDigits)
{
    for (int climb : {0, 2}) {  // rows the text climbs from one digit to the next
        SCOPED_TRACE(testing::Message() << "climb " << climb);
        Image page = Image::create(320, 120, 1);
        Fill(page, kWhite);
        // Digit-like rings with 3-pixel strokes: n starts at left and stands on baseline.
        const auto digit = [&](int left, int baseline, int height) {
            const QRect r(left, baseline - height + 1, 8, height);
            FillRect(page, r, kBlack);
            FillRect(page, r.adjusted(3, 3, -3, -3), kWhite);
        };
        digit(20, 80, 14);
        digit(31, 80 - climb, 14);
        const QRect point(43, 77 - climb, 2, 4);  // then "6" after a gap
        digit(50, 80 - 2 * climb, 14);
        digit(120, 80, 14);
        const QRect endOfWord(132, 77, 2, 4);
        digit(160, 80, 14);
        const QRect beforeTaller(172, 77, 2, 4);
        digit(179, 80, 20);
        digit(220, 80, 14);
        const QRect aboveTheFeet(232, 72, 2, 4);
        digit(239, 80, 14);
        for (const QRect& r : {point, endOfWord, beforeTaller, aboveTheFeet})
            FillRect(page, r, kBlack);
        EXPECT_EQ(RemoveDots(page, kDotRemoveFlags, 2, 2, 5, 5), 3);
        EXPECT_EQ(CountBlackInRect(page, point), 8);
        for (const QRect& r : {endOfWord, beforeTaller, aboveTheFeet})
            EXPECT_EQ(CountBlackInRect(page, r), 0) << r.x();
    }
}

// A full stop thresholded a pixel thinner than the letters' strokes stays after a word's last
// letter where its foot lies on the line through the feet of the word's letters, level or
// climbing. A speck as thin a little above that line, or a bar on it, goes.
TEST(Despeckle, KeepsThinnedFullStopsOnTheWordsFootLine)
{
    for (int climb : {0, 2}) {  // rows the text climbs from one letter to the next
        SCOPED_TRACE(testing::Message() << "climb " << climb);
        Image page = Image::create(340, 120, 1);
        Fill(page, kWhite);
        // A word of three ring letters with 4-pixel strokes; returns the foot line's row at x.
        const auto word = [&](int left) {
            for (int k = 0; k < 3; ++k) {
                const QRect r(left + 18 * k, 61 - climb * k, 14, 20);
                FillRect(page, r, kBlack);
                FillRect(page, r.adjusted(4, 4, -4, -4), kWhite);
            }
            return [=](int x) { return 80 - climb * (x - left - 7) / 18; };
        };
        const auto stopFoot = word(20);
        const QRect stop(74, stopFoot(75) - 2, 3, 3);
        const auto speckFoot = word(130);
        const QRect aboveTheLine(184, speckFoot(185) - 4, 3, 3);
        const auto barFoot = word(240);
        const QRect bar(294, barFoot(295) - 1, 4, 2);
        for (const QRect& r : {stop, aboveTheLine, bar})
            FillRect(page, r, kBlack);
        EXPECT_EQ(RemoveDots(page, kDotRemoveFlags, 2, 2, 5, 5), 2);
        EXPECT_EQ(CountBlackInRect(page, stop), 9);
        for (const QRect& r : {aboveTheLine, bar})
            EXPECT_EQ(CountBlackInRect(page, r), 0) << r.x();
    }
}

// Italic and blackletter type set the dot of an i right of its stem's axis; on a skewed page a
// heavy face's short stem reads straighter than it stands, and the dot lies left of it. The dot
// stays over a stem as tall as the letters beside it; a speck as far aside above the taller stem
// of a t goes.
TEST(Despeckle, KeepsTheDotsOfSlantedType)
{
    for (double skew : {0.0, 3.0}) {
        SCOPED_TRACE(testing::Message() << "skew " << skew);
        Image page = ScannedLines(QSize(900, 120), QStringLiteral("DejaVu Serif"),
                                  {{{30, 70}, 24, QStringLiteral("this wiki is finishing its list, in italics")}},
                                  skew, 128, 0.3);
        const Image text = RemoveDotsByFloodFill(page, 1, 1, 1, 1);
        RemoveDots(page, kDotRemoveFlags, 2, 2, 5, 5);
        EXPECT_EQ(Kept(page, text), 1.0) << "every i keeps its dot";
    }
    Image page = Image::create(240, 100, 1);
    Fill(page, kWhite);
    const QRect n(20, 50, 12, 22), iStem(36, 50, 5, 22), iDot(41, 42, 4, 4), e(45, 50, 12, 22);
    const QRect tStem(100, 44, 5, 28), tBar(96, 50, 13, 3), overTheT(105, 36, 4, 4), o(113, 50, 12, 22);
    const QRect m(160, 50, 12, 22), leftIStem(178, 50, 5, 22), leftIDot(174, 42, 4, 4), u(187, 50, 12, 22);
    for (const QRect& r : {n, iStem, iDot, e, tStem, tBar, overTheT, o, m, leftIStem, leftIDot, u})
        FillRect(page, r, kBlack);
    for (const QRect& r : {n, e, o, m, u})
        FillRect(page, r.adjusted(4, 4, -4, -4), kWhite);
    EXPECT_EQ(RemoveDots(page, kDotRemoveFlags, 2, 2, 5, 5), 1);
    for (const QRect& r : {iDot, leftIDot})
        EXPECT_EQ(CountBlackInRect(page, r), 16) << r.x();
    EXPECT_EQ(CountBlackInRect(page, overTheT), 0);
}

// Thresholding parts the ear of an r from its stem by a few pixels: it stays, on a level page and
// where skew lowers it beside the stem's top, where the r's foot serif reaches on under the ear,
// and beside the tall stem of an f. Specks level with a letter's top but out of reach of its ink
// in their rows, or beside its middle, go.
TEST(Despeckle, KeepsTheEarOfAnRPartedFromItsStem)
{
    for (int drop : {0, 2}) {
        SCOPED_TRACE(testing::Message() << "ear lowered by " << drop);
        Image page = Image::create(300, 120, 1);
        Fill(page, kWhite);
        const QRect stem(40, 40, 5, 24), ear(48, 40 + drop, 5, 4);
        // An h: ascender, arch and leg; its box reaches right of the ascender's top.
        const QRect ascender(100, 30, 5, 34), arch(105, 48, 12, 5), leg(112, 48, 5, 16);
        const QRect stemL(200, 40, 5, 24);
        const QRect pastTheAscender(119, 30, 4, 4), farOut(214, 40, 4, 4), midBeside(208, 50, 4, 4);
        const QRect footedStem(150, 40, 5, 24), foot(146, 62, 14, 2), footedEar(158, 40 + drop, 5, 4);
        const QRect fStem(240, 32, 5, 32), fEar(248, 32 + drop, 4, 4);
        for (const QRect& r : {stem, ear, ascender, arch, leg, stemL, pastTheAscender, farOut, midBeside, footedStem,
                               foot, footedEar, fStem, fEar})
            FillRect(page, r, kBlack);
        for (int x : {30, 60, 90, 120, 150}) {  // a line of letters of the usual size below
            FillRect(page, QRect(x, 80, 18, 24), kBlack);
            FillRect(page, QRect(x + 5, 85, 8, 14), kWhite);
        }
        EXPECT_EQ(RemoveDots(page, kDotRemoveFlags, 2, 2, 5, 5), 3);
        for (const QRect& r : {ear, footedEar})
            EXPECT_EQ(CountBlackInRect(page, r), 20) << r.x();
        EXPECT_EQ(CountBlackInRect(page, fEar), 16);
        for (const QRect& r : {pastTheAscender, farOut, midBeside})
            EXPECT_EQ(CountBlackInRect(page, r), 0) << r.x() << "," << r.y();
    }
}

// Both dots of an umlaut stay over a bowl as over stems, level or skewed; a like pair of specks
// over no letter goes.
TEST(Despeckle, KeepsBothDotsOfAnUmlaut)
{
    for (double skew : {0.0, 4.0, -8.0}) {
        SCOPED_TRACE(testing::Message() << "skew " << skew);
        Image page = ScannedLines(QSize(900, 130), QStringLiteral("DejaVu Serif"),
                                  {{{30, 80}, 22, QStringLiteral("M\u00e4dchen \u00fcber \u00d6l, sch\u00f6n f\u00fcr B\u00e4ren")}},
                                  skew, 128);
        const Image text = RemoveDotsByFloodFill(page, 1, 1, 1, 1);
        const QRect left(800, 20, 3, 3), right(806, 20, 3, 3);
        for (const QRect& r : {left, right})
            FillRect(page, r, kBlack);
        RemoveDots(page, kDotRemoveFlags, 2, 2, 5, 5);
        EXPECT_EQ(CountBlackInRect(page, left) + CountBlackInRect(page, right), 0);
        EXPECT_EQ(Kept(page, text), 1.0);
    }
}

// At a low resolution whole letters of small print and the pieces a threshold breaks off them
// are no larger than the dots removed; they stay, specks standing apart go.
TEST(Despeckle, KeepsTheLettersOfSmallPrintOnLevelAndSkewedPages)
{
    for (double skew : {0.0, 3.0, -7.0}) {
        SCOPED_TRACE(testing::Message() << "skew " << skew);
        std::vector<TextLine> lines;
        for (int size : {10, 12}) {
            const int y = 60 + (size - 10) * 30;
            lines.push_back({{30, y}, size, QStringLiteral("a summer in Rome: no one saw us, we were out - y la familia.")});
            lines.push_back({{30, y + size + 4}, size, QStringLiteral("Cd. de México (c.a.) 1913, 35 x 28; Col. Fototeca del INAH")});
        }
        Image page = ScannedLines(QSize(700, 260), QStringLiteral("DejaVu Serif"), lines, skew, 128);
        const Image text = RemoveDotsByFloodFill(page, 1, 1, 1, 1);
        const std::vector<QRect> specks = {{20, 230, 2, 2}, {120, 240, 3, 3}, {240, 230, 4, 5}, {400, 245, 5, 5},
                                           {600, 240, 3, 2}, {660, 10, 4, 4}};
        for (const QRect& r : specks)
            FillRect(page, r, kBlack);
        Despeckle(page);
        RemoveDots(page, kDotRemoveFlags, 2, 2, 5, 5);
        for (const QRect& r : specks)
            EXPECT_EQ(CountBlackInRect(page, r), 0) << r.x() << "," << r.y();
        // A piece broken off a letter two pixels away may go.
        EXPECT_GE(Kept(page, text), 0.998) << "every letter stays";
    }
}

// Small print thresholded at a low resolution has marks one pixel thick (hyphens, i dots,
// pieces of hairlines) a pixel or two from their letters; specks one pixel thick stand apart,
// three white pixels or more from any other black, even beside a letter.
TEST(Despeckle, RemovesThinSpecksStandingApartAndKeepsTheThinMarksOfSmallPrint)
{
    Image page = ScannedLines(
        QSize(900, 160), QStringLiteral("DejaVu Serif"),
        {{{20, 40}, 11, QStringLiteral("Hair-line serifs: i, j, l; fine print - well-known, e.g. fig. 1.")},
         {{20, 60}, 11, QStringLiteral("minimum illicit: \u2010 \u2013 \u00b7 i\u0307.")}},
        0, 160);
    // Two letters, the second with thin pieces two pixels off; and two letters of a line above
    // whose gap a speck below it lines up with.
    const QRect first(700, 100, 6, 12), second(760, 100, 6, 12), pieceBefore(757, 103, 1, 5), pieceAfter(768, 105, 4, 1);
    const QRect wordEnd(600, 90, 6, 8), wordStart(616, 90, 6, 8);
    for (const QRect& r : {first, second, pieceBefore, pieceAfter, wordEnd, wordStart})
        FillRect(page, r, kBlack);
    // Lone pixels go as they always did, even a full stop of one pixel.
    const Image text = RemoveDotsByFloodFill(page, 1, 1, 1, 1);
    std::vector<QRect> specks{QRect(696, 103, 1, 5), QRect(709, 105, 4, 1),  // three pixels off the first letter
                              QRect(607, 102, 5, 1)};                        // under the gap between words
    for (int length = 2; length <= 5; ++length) {
        specks.push_back(QRect(40 * length, 110, length, 1));
        specks.push_back(QRect(40 * length + 300, 110, 1, length));
        specks.push_back(QRect(40 * length + 500, 145, length, 1));
    }
    for (const QRect& r : specks)
        FillRect(page, r, kBlack);
    Despeckle(page);
    EXPECT_TRUE(page.samePixels(text)) << "the specks go and every mark of the text stays";
}

// Dirt falls in clusters: thin specks and dots a pixel or two apart, far from any letter, go
// together; beside the text the same pieces could be a broken mark and stay.
TEST(Despeckle, RemovesSpecksThatFellTogetherInTheMargin)
{
    Image page = ScannedLines(QSize(900, 200), QStringLiteral("DejaVu Serif"),
                              {{{20, 40}, 22, QStringLiteral("A line of text")}}, 0, 160);
    const Image text = page;
    const std::vector<QRect> cluster{{0, 0, 3, 1}, {5, 2, 1, 3}, {2, 4, 3, 3}, {7, 7, 3, 3}, {11, 7, 2, 4}};
    for (const QRect& r : cluster)
        FillRect(page, r.translated(500, 120), kBlack);
    Despeckle(page);
    RemoveDots(page, kDotRemoveFlags, 2, 2, 5, 5);
    EXPECT_TRUE(page.samePixels(text)) << "the cluster goes and the text stays";
}

TEST(RemoveBorders, ClearsTheChosenSidesOnlyAndNoText)
{
    PageOptions options;
    options.borderSides = kBorderLeft | kBorderTop | kBorderRight;
    options.seed = 31;
    const GeneratedPage generated = GeneratePage(options);
    const Image leftAndTop = [&] {
        Image mask = generated.borders;
        FillRect(mask, QRect(options.width / 2, options.height / 5, options.width / 2, options.height), kWhite);
        return mask;
    }();
    const Image right = Minus(generated.borders, leftAndTop);
    ASSERT_GT(CountBlack(right), 100000);

    Image page = generated.page;
    RemoveBorders(page, kBorderUseVariance, kBorderLeft | kBorderTop, 20, 20, 20);
    EXPECT_LE(Kept(page, leftAndTop), 0.01) << "at least 99 % of the border on the chosen sides goes";
    EXPECT_EQ(Kept(page, right), 1.0) << "the side not chosen keeps its border";
    EXPECT_EQ(Kept(page, generated.text), 1.0) << "no text is touched";

    Image noSides = generated.page;
    RemoveBorders(noSides, kBorderUseVariance, 0, 20, 20, 20);
    EXPECT_TRUE(noSides.samePixels(generated.page));
}

TEST(RemoveBorders, ClearsABorderThatTurnedWithThePage)
{
    for (int turn : {200, -600, 950}) {
        SCOPED_TRACE(testing::Message() << "turn " << turn);
        PageOptions options = SmallPage(3);
        options.borderSides = kBorderAllSides;
        options.borderDepth = 40;
        const GeneratedPage generated = GeneratePage(options);
        // As deskew leaves it: turned within its own size, white brought into the corners, so
        // the border leaves the edges there.
        Image page = Rotated(generated.page, turn, kRotateKeepSize, kWhite);
        const Image text = Rotated(generated.text, turn, kRotateKeepSize, kWhite);
        RemoveBorders(page, kBorderUseVariance, kBorderAllSides, 20, 20, 20);
        EXPECT_EQ(BlackNearTheEdges(page), 0);
        EXPECT_GE(Kept(page, text), 0.999);
    }
}

// A sheet fed askew lies on the scanner's black lid, with the scanner's own black frame round the
// image; levelled, the frame's strips meet the image's edges only near the corners, on the
// neighbouring sides, and the lid's black lies in wedges between them and the sheet.
TEST(RemoveBorders, ClearsTheBlackAroundASheetLevelledAfterItWasScanned)
{
    for (int turn : {1000, -1000, 400}) {
        SCOPED_TRACE(testing::Message() << "turn " << turn);
        const GeneratedPage generated = GeneratePage(SmallPage(5));
        Image scan = Rotated(generated.page, turn, kRotateKeepSize, kBlack);
        const int w = scan.width(), h = scan.height();
        for (const QRect& frame : {QRect(0, 0, w, 10), QRect(0, h - 10, w, 10), QRect(0, 0, 10, h), QRect(w - 10, 0, 10, h)})
            FillRect(scan, frame, kBlack);
        Image page = Rotated(scan, -turn, kRotateKeepSize, kWhite);
        RemoveBorders(page, kBorderUseVariance, kBorderAllSides, 20, 20, 20);
        EXPECT_EQ(BlackNearTheEdges(page), 0);
    }
}

TEST(RemoveBorders, VarianceKeepsTextThatComesCloseToTheBorder)
{
    Image page = Image::create(1000, 1200, 1);
    Fill(page, kWhite);
    FillRect(page, QRect(0, 0, 60, 1200), kBlack);    // a straight left border
    FillRect(page, QRect(72, 500, 30, 45), kBlack);   // a letter 12 pixels from it
    const QRect letter(72, 500, 30, 45);

    Image withVariance = page;
    RemoveBorders(withVariance, kBorderUseVariance, kBorderLeft, 20, 20, 5);
    EXPECT_EQ(CountBlackInRect(withVariance, QRect(0, 0, 60, 1200)), 0);
    EXPECT_EQ(CountBlackInRect(withVariance, letter), 30 * 45);

    Image without = page;
    RemoveBorders(without, 0, kBorderLeft, 20, 20, 5);
    EXPECT_EQ(CountBlackInRect(without, QRect(0, 0, 60, 1200)), 0);
    EXPECT_EQ(CountBlackInRect(without, letter), 30 * 45) << "the letter stands apart from the border";
}

// White noise inside a border is bridged: the border's black lies all round it. Black beyond a
// white gap that is not joined to the border (a footer, a page number a few pixels inside the
// paper's edge) is the page's own, however short the gap. Where the scanner left white along the
// image's edge, nothing tells the border's black from the page's there, and the gap is noise.
TEST(RemoveBorders, BridgesWhiteNoiseInsideTheBorderAndKeepsWhatStandsApartFromIt)
{
    Image page = Image::create(1000, 1200, 1);
    Fill(page, kWhite);
    FillRect(page, QRect(0, 0, 1000, 50), kBlack);                 // the top border
    for (int x = 40; x < 900; x += 70)
        FillRect(page, QRect(x, 12 + x % 3 * 8, 12, 9), kWhite);  // white noise inside it
    FillRect(page, QRect(300, 20, 18, 40), kBlack);              // and a tooth that reaches on
    FillRect(page, QRect(300, 35, 18, 10), kWhite);
    const QRect footer(100, 62, 600, 28);                         // 12 pixels below the border
    for (int x = footer.left(); x < footer.right(); x += 24)
        FillRect(page, QRect(x, footer.top(), 16, footer.height()), kBlack);
    const int footerInk = CountBlackInRect(page, footer);

    Image joined = page;
    RemoveBorders(joined, 0, kBorderTop, 20, 20, 5);
    EXPECT_EQ(CountBlackInRect(joined, QRect(0, 0, 1000, 61)), 0) << "the noise and the tooth go with the border";
    EXPECT_EQ(CountBlackInRect(joined, footer), footerInk);

    Image edgeWhite = page;
    FillRect(edgeWhite, QRect(0, 0, 1000, 3), kWhite);
    FillRect(edgeWhite, QRect(0, 0, 3, 1200), kWhite);
    FillRect(edgeWhite, QRect(997, 0, 3, 1200), kWhite);
    RemoveBorders(edgeWhite, 0, kBorderTop, 20, 20, 5);
    EXPECT_EQ(CountBlackInRect(edgeWhite, QRect(0, 0, 1000, 50)), 0) << "a border behind white at the edge still goes";
}

// A newspaper's rule runs across the page into the border on the right; a picture hangs from it
// a few pixels from the border on the left. Joined to the right border is no reason to count the
// picture as the left one.
TEST(RemoveBorders, KeepsAPictureJoinedToTheFarBorderByARuleAcrossThePage)
{
    Image page = Image::create(1000, 1200, 1);
    Fill(page, kBlack);
    FillRect(page, QRect(40, 40, 920, 1120), kWhite);  // the paper, in a border all round
    const QRect rule(70, 200, 890, 4), picture(55, 204, 345, 300);
    FillRect(page, rule, kBlack);
    FillRect(page, picture, kBlack);
    RemoveBorders(page, kBorderUseVariance, kBorderAllSides, 20, 20, 20);
    EXPECT_EQ(CountBlackInRect(page, picture), picture.width() * picture.height());
    EXPECT_EQ(CountBlackInRect(page, QRect(70, 200, 700, 4)), 700 * 4);
    EXPECT_EQ(CountBlackInRect(page, QRect(0, 0, 50, 1200)) + CountBlackInRect(page, QRect(950, 0, 50, 1200)), 0);
    EXPECT_EQ(CountBlackInRect(page, QRect(0, 0, 1000, 40)) + CountBlackInRect(page, QRect(0, 1160, 1000, 40)), 0);
}

// Print runs to the paper's edge on a tightly cropped page: a word's first letter a pixel from
// the border, its letters a pixel apart. Black joins the border pixel to pixel, or not at all;
// a speck of the border's own noise that close still goes with it.
TEST(RemoveBorders, KeepsAWordThatStandsAPixelInsideTheBorder)
{
    Image page = Image::create(1000, 1200, 1);
    Fill(page, kWhite);
    FillRect(page, QRect(0, 0, 40, 1200), kBlack);
    const QRect word(41, 500, 6 * 11 - 1, 14);
    for (int x = word.left(); x < word.right(); x += 11)
        FillRect(page, QRect(x, word.top(), 10, word.height()), kBlack);
    const QRect speck(42, 700, 2, 2);
    FillRect(page, speck, kBlack);
    for (int flags : {0, kBorderUseVariance}) {
        SCOPED_TRACE(flags);
        Image cleared = page;
        RemoveBorders(cleared, flags, kBorderAllSides, 20, 20, 20);
        EXPECT_EQ(CountBlackInRect(cleared, word), 6 * 10 * 14);
        EXPECT_EQ(CountBlack(cleared), 6 * 10 * 14);
    }
}

TEST(RemoveBorders, ClearsEveryBorderPixelUpToTheCorners)
{
    for (unsigned seed : {31u, 32u}) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        PageOptions options;
        options.borderSides = kBorderAllSides;
        options.seed = seed;
        const GeneratedPage generated = GeneratePage(options);
        Image page = generated.page;
        RemoveBorders(page, kBorderUseVariance, kBorderAllSides, 20, 20, 20);
        EXPECT_EQ(CountBlackWithin(page, generated.borders), 0);
        EXPECT_EQ(Kept(page, generated.text), 1.0);
    }
}

TEST(RemoveBorders, LeavesAPunchBesideTheBorderWholeSoTheOrderOfTheFiltersDoesNotMatter)
{
    PageOptions options;
    options.borderSides = kBorderLeft | kBorderTop | kBorderBottom;
    options.borderDepth = 40;  // the punches start a few pixels beyond the border
    options.holePunches = 3;
    options.holeSide = kHolePunchLeft;
    options.seed = 61;
    const GeneratedPage generated = GeneratePage(options);
    auto removeBorders = [](Image& page) { RemoveBorders(page, kBorderUseVariance, kBorderAllSides, 20, 20, 20); };
    auto removeHoles = [](Image& page) {
        int removed = 0;
        for (int side : {kHolePunchLeft, kHolePunchRight, kHolePunchTop, kHolePunchBottom})
            removed += RemoveHolesWithDefaults(page, side);
        return removed;
    };

    Image bordersFirst = generated.page;
    removeBorders(bordersFirst);
    EXPECT_EQ(CountBlackWithin(bordersFirst, generated.holes), CountBlack(generated.holes)) << "no punch is cut";
    EXPECT_EQ(removeHoles(bordersFirst), 3);
    Image holesFirst = generated.page;
    EXPECT_EQ(removeHoles(holesFirst), 3);
    removeBorders(holesFirst);
    EXPECT_TRUE(bordersFirst.samePixels(holesFirst));
    EXPECT_EQ(CountBlackWithin(bordersFirst, generated.holes), 0);
    EXPECT_EQ(CountBlackWithin(bordersFirst, generated.borders), 0);
}

TEST(RemoveLines, ClearsRuledLinesAndKeepsCharactersCrossingThem)
{
    PageOptions options;
    options.ruledLines = 4;
    options.verticalLines = 1;
    options.seed = 41;
    const GeneratedPage generated = GeneratePage(options);
    ASSERT_EQ(generated.crossedText.size(), 4u);
    Image page = generated.page;
    RemoveLinesWithDefaults(page, kLineHorizontal);
    RemoveLinesWithDefaults(page, kLineVertical);

    const Image linesOnly = Minus(generated.lines, generated.text);
    EXPECT_LE(Kept(page, linesOnly), 0.02) << "at least 98 % of the line pixels go";
    Image crossed = Image::create(options.width, options.height, 1);
    Fill(crossed, kWhite);
    for (const QRect& r : generated.crossedText)
        FillRect(crossed, r, kBlack);
    // The characters' own pixels: where the line covers them there is no telling them apart.
    const Image crossingCharacters =
        Minus(Image::adopt(pixAnd(nullptr, generated.text.pix(), crossed.pix())), generated.lines);
    ASSERT_GT(CountBlack(crossingCharacters), 5000);
    EXPECT_GE(Kept(page, crossingCharacters), 0.97) << "characters crossing a line keep their strokes";
    EXPECT_GE(Kept(page, generated.text), 0.97);
}

TEST(RemoveLines, KeepsLinesWithTooManyWallsAndHonoursTheDirection)
{
    PageOptions options;
    options.ruledLines = 2;
    options.verticalLines = 1;
    options.seed = 43;
    const GeneratedPage generated = GeneratePage(options);
    const Image linesOnly = Minus(generated.lines, generated.text);

    Image walled = generated.page;
    EXPECT_EQ(RemoveLines(walled, kLineFlags, 400, 15, 15, 0, 3, 3, kLineHorizontal), 0)
        << "crossing text makes walls, and no walls are allowed";

    Image horizontalOnly = generated.page;
    EXPECT_EQ(RemoveLines(horizontalOnly, kLineFlags, 400, 15, 15, 10, 3, 3, kLineHorizontal), 2);
    Image vertical = Image::create(options.width, options.height, 1);
    Fill(vertical, kWhite);
    FillRect(vertical, QRect(0, 0, 200, options.height), kBlack);  // left of where the ruled lines start
    const Image verticalLine = Image::adopt(pixAnd(nullptr, linesOnly.pix(), vertical.pix()));
    EXPECT_EQ(Kept(horizontalOnly, verticalLine), 1.0);

    Image tooShort = generated.page;
    EXPECT_EQ(RemoveLines(tooShort, kLineFlags, 5000, 15, 15, 10, 3, 3, kLineVertical), 0);
    EXPECT_TRUE(tooShort.samePixels(generated.page));
}

TEST(RemoveLines, RemoveEntireDecidesWhetherTheLineGoesUnderStrokesStandingOnIt)
{
    Image page = Image::create(900, 200, 1);
    Fill(page, kWhite);
    FillRect(page, QRect(50, 100, 800, 3), kBlack);   // the line
    FillRect(page, QRect(300, 60, 5, 40), kBlack);    // a stroke standing on it
    FillRect(page, QRect(500, 70, 5, 70), kBlack);    // a stroke crossing it
    Image entire = page;
    EXPECT_EQ(RemoveLines(entire, kLineRemoveEntire, 400, 5, 15, 10, kLineNotUsed, kLineNotUsed, kLineHorizontal), 1);
    EXPECT_EQ(CountBlackInRect(entire, QRect(50, 100, 800, 3)), 5 * 3) << "only the bridge of the crossing stroke";
    EXPECT_EQ(CountBlackInRect(entire, QRect(300, 60, 5, 40)), 5 * 40);
    EXPECT_EQ(CountBlackInRect(entire, QRect(500, 70, 5, 70)), 5 * 70);

    Image underWalls = page;
    EXPECT_EQ(RemoveLines(underWalls, 0, 400, 5, 15, 10, kLineNotUsed, kLineNotUsed, kLineHorizontal), 1);
    EXPECT_EQ(CountBlackInRect(underWalls, QRect(50, 100, 800, 3)), 2 * 5 * 3) << "the line stays under both walls";
}

TEST(RemoveLines, VerticalLinesGoAsHorizontalOnesDoOnTheTurnedPage)
{
    // Odd sizes too: the search runs on a halved page, whose last row and column are half empty.
    std::mt19937 rng(8);
    for (QSize size : {QSize(1200, 900), QSize(1201, 899), QSize(1003, 757)}) {
        SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height());
        Image across = Image::create(size.width(), size.height(), 1);
        Fill(across, kWhite);
        std::uniform_int_distribution<int> x(0, size.width() - 40), y(0, size.height() - 40), len(5, 35);
        for (int n = 0; n < 400; ++n)  // letters' strokes
            FillRect(across, QRect(x(rng), y(rng), 4, len(rng)), kBlack);
        for (int n = 0; n < 3; ++n)
            FillRect(across, QRect(20 + n, 100 + 250 * n + (n == 2 ? size.height() - 620 : 0), size.width() - 60, 3),
                     kBlack);
        Image down = Image::adopt(pixRotate90(across.pix(), -1));
        const int removedAcross = RemoveLines(across, kLineFlags, 400, 15, 15, 50, 3, 3, kLineHorizontal);
        const int removedDown = RemoveLines(down, kLineFlags, 400, 15, 15, 50, 3, 3, kLineVertical);
        EXPECT_EQ(removedAcross, 3);
        EXPECT_EQ(removedDown, 3);
        const Image back = Image::adopt(pixRotate90(down.pix(), 1));
        const Image differing = Image::adopt(pixXor(nullptr, back.pix(), across.pix()));
        EXPECT_EQ(CountBlack(differing), 0);
    }
}

TEST(RemoveHolePunches, ClearsPunchesWithinTheLimitsOnly)
{
    PageOptions options;
    options.holePunches = 2;
    options.holeSide = kHolePunchLeft;
    options.seed = 51;
    const GeneratedPage generated = GeneratePage(options);
    ASSERT_EQ(CountBlackWithin(generated.page, generated.holes), CountBlack(generated.holes));

    Image page = generated.page;
    int removed = 0;
    for (int side : {kHolePunchLeft, kHolePunchRight, kHolePunchTop, kHolePunchBottom})
        removed += RemoveHolesWithDefaults(page, side);
    EXPECT_EQ(removed, 2);
    EXPECT_EQ(CountBlackWithin(page, generated.holes), 0);
    EXPECT_EQ(Kept(page, generated.text), 1.0);

    Image countLimited = generated.page;
    EXPECT_EQ(RemoveHolesWithDefaults(countLimited, kHolePunchLeft, 3), 0);
    EXPECT_TRUE(countLimited.samePixels(generated.page));

    Image wrongSide = generated.page;
    EXPECT_EQ(RemoveHolesWithDefaults(wrongSide, kHolePunchRight), 0);

    Image tooSmall = generated.page;
    EXPECT_EQ(RemoveHolePunches(tooSmall, kHoleFlags, 2, 12, 10, 10, 30, 30, kHolePunchLeft), 0);
}

TEST(CleanupPipeline, LeavesTheTextOfADirtyScanAndNothingElse)
{
    for (unsigned seed : {5u, 6u}) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        const GeneratedPage generated = GenerateDirtyScan(seed);
        Image page = generated.page;
        RemoveBorders(page, kBorderUseVariance, kBorderAllSides, 20, 20, 20);
        EXPECT_LT(DespeckleWithDefaults(page, generated), 5);
        EXPECT_EQ(CountBlackWithin(page, generated.borders), 0);
        EXPECT_EQ(Kept(page, generated.text), 1.0);

        // Ruled lines are straight only once the page is level; the masks turn with the page.
        const int turn = static_cast<int>(std::lround(DetectSkew(page).degrees * 100));
        ASSERT_TRUE(Deskew(page, kWhite, kDeskewKeepSize));
        EXPECT_LE(std::abs(DetectSkew(page).degrees), 0.05);
        const Image text = Rotated(generated.text, turn, kRotateKeepSize, kWhite);
        const Image lines = Rotated(generated.lines, turn, kRotateKeepSize, kWhite);
        const Image holes = Rotated(generated.holes, turn, kRotateKeepSize, kWhite);
        RemoveLinesWithDefaults(page, kLineHorizontal);
        RemoveLinesWithDefaults(page, kLineVertical);
        for (int side : {kHolePunchLeft, kHolePunchRight, kHolePunchTop, kHolePunchBottom})
            RemoveHolesWithDefaults(page, side);
        EXPECT_EQ(CountBlackWithin(page, holes), 0);
        EXPECT_LE(Kept(page, Minus(lines, text)), 0.02);
        EXPECT_GE(Kept(page, Minus(text, lines)), 0.999);
    }
}
