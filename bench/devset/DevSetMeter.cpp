// Meters for cleanup on real scanned pages, kept apart from the cleanup code: they use only the
// image library's own calls, so what they count does not depend on the rules they judge.
//
//   devset_meter prepare PAGE SKEW ANGLE SEED DIR
//       DIR/level.tif   the page in black and white, turned by -SKEW degrees: levelled, where SKEW
//                       is the page's own skew as scanned
//       DIR/clean.tif   the levelled page turned by ANGLE degrees on white
//       DIR/dirty.tif   the same with specks of 1-5 px strewn on its paper
//       DIR/scan.tif    the page as a skewed scan: turned on black, in a black frame, with the specks
//       DIR/specks.txt  one speck a line: x y w h
//   devset_meter marks CLEAN SPECKS OUT [WORDS [SIGNS]]
//       the text's dots and punctuation (marks of 2 x 2 to 5 x 5 px within 12 px of a letter) of
//       CLEAN that OUT keeps, and of them those inside the boxes of WORDS (x y w h a line: the
//       words an OCR engine read on CLEAN, so that a picture's or a halftone's grain is told
//       from the text's marks) and those inside the boxes of SIGNS (the characters it read that
//       are drawn with a dot, a punctuation stroke or an accent: i, j, full stops, commas, quotes,
//       accented letters, CJK punctuation; the scan's own grain within a word is not there), and
//       the specks of SPECKS that OUT still holds (and of those, the ones within their reach of
//       the text, where a dot of the text could stand)
//   devset_meter border LEVEL OUT
//       black pixels of OUT in its outer tenth that lie in clumps of over 25 px, more than 15 px
//       from any ink of LEVEL: what is left of the scanner's border, not the page's own dark
//       edges (which a deskew half a degree off Tesseract's level moves by up to 15 px)
//   devset_meter harm CLEAN OUT
//       the ink of CLEAN that OUT lost: pixels, and shapes of CLEAN that lost over a tenth of
//       theirs (run on a border filter's output of the scan made from CLEAN, where nothing but
//       the scanner's black should go)
#include <leptonica/allheaders.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

struct PixDeleter {
    void operator()(Pix* pix) const { pixDestroy(&pix); }
};
using PixPtr = std::unique_ptr<Pix, PixDeleter>;
struct BoxaDeleter {
    void operator()(Boxa* boxa) const { boxaDestroy(&boxa); }
};
using BoxaPtr = std::unique_ptr<Boxa, BoxaDeleter>;
struct PixaDeleter {
    void operator()(Pixa* pixa) const { pixaDestroy(&pixa); }
};
using PixaPtr = std::unique_ptr<Pixa, PixaDeleter>;

constexpr int kMarkSize = 5;       // the dot removal's default largest dot
constexpr int kThinnestMark = 2;  // a pixel-thin mark is no dot of print: the page's own grain
constexpr int kTextReach = 12;     // a mark this close to a letter belongs to the text
constexpr int kPaperPerSpeck = 25000;  // px: about 350 specks on an A4 page at 300 dpi
constexpr int kFrame = 40;         // the scanner's border round a skewed scan

[[noreturn]] void Fail(const std::string& what)
{
    std::fprintf(stderr, "devset_meter: %s\n", what.c_str());
    std::exit(2);
}

PixPtr Read(const char* path)
{
    PixPtr pix(pixRead(path));
    if (!pix)
        Fail(std::string("cannot read ") + path);
    return pix;
}

void Write(const std::string& path, Pix* pix)
{
    if (pixWrite(path.c_str(), pix, IFF_TIFF_G4) != 0)
        Fail("cannot write " + path);
}

// The page in black and white: grey and colour pages against their own background.
PixPtr BlackAndWhite(Pix* page)
{
    if (pixGetDepth(page) == 1)
        return PixPtr(pixClone(page));
    PixPtr grey(pixConvertTo8(page, 0));
    PixPtr bw(pixOtsuThreshOnBackgroundNorm(grey.get(), nullptr, 10, 15, 100, 50, 255, 2, 2, 0.1f, nullptr));
    if (!bw)
        Fail("cannot binarise the page");
    return bw;
}

// The black and white page turned as a scanner would see it: turned in grey, then thresholded,
// so that edges are cut anew rather than sheared.
PixPtr Turned(Pix* page, float degrees, int incolor)
{
    PixPtr grey(pixConvert1To8(nullptr, page, 255, 0));
    PixPtr turned(pixRotate(grey.get(), degrees * 3.14159265f / 180.0f, L_ROTATE_AREA_MAP, incolor, 0, 0));
    return PixPtr(pixThresholdToBinary(turned.get(), 128));
}

// Specks of 1-5 px strewn on the paper, each at least 3 px from the page's ink and from the others.
std::vector<Box> StrewSpecks(Pix* page, Pix* onto, unsigned seed)
{
    std::mt19937 random(seed);
    const int w = pixGetWidth(page), h = pixGetHeight(page);
    PixPtr taken(pixDilateBrick(nullptr, page, 7, 7));
    std::vector<Box> specks;
    const int wanted = w * h / kPaperPerSpeck;
    for (int tries = 0; tries < wanted * 20 && static_cast<int>(specks.size()) < wanted; ++tries) {
        const int sw = 1 + static_cast<int>(random() % kMarkSize), sh = 1 + static_cast<int>(random() % kMarkSize);
        const int x = kFrame + static_cast<int>(random() % (w - 2 * kFrame)), y = kFrame + static_cast<int>(random() % (h - 2 * kFrame));
        Box box{x, y, sw, sh, 0};
        l_int32 count = 0;
        PixPtr under(pixClipRectangle(taken.get(), &box, nullptr));
        pixCountPixels(under.get(), &count, nullptr);
        if (count > 0)
            continue;
        pixRasterop(onto, x, y, sw, sh, PIX_SET, nullptr, 0, 0);
        pixRasterop(taken.get(), x - 3, y - 3, sw + 6, sh + 6, PIX_SET, nullptr, 0, 0);
        specks.push_back(box);
    }
    return specks;
}

int Prepare(const char* pagePath, float skew, float angle, unsigned seed, const std::string& dir)
{
    PixPtr page = Read(pagePath);
    PixPtr scanned = BlackAndWhite(page.get());
    PixPtr level = skew == 0 ? PixPtr(pixClone(scanned.get())) : Turned(scanned.get(), -skew, L_BRING_IN_WHITE);
    Write(dir + "/level.tif", level.get());
    // Turned once from the page as scanned, not twice.
    PixPtr clean = Turned(scanned.get(), angle - skew, L_BRING_IN_WHITE);
    Write(dir + "/clean.tif", clean.get());

    PixPtr dirty(pixCopy(nullptr, clean.get()));
    const std::vector<Box> specks = StrewSpecks(clean.get(), dirty.get(), seed);
    Write(dir + "/dirty.tif", dirty.get());
    FILE* list = std::fopen((dir + "/specks.txt").c_str(), "w");
    if (!list)
        Fail("cannot write the speck list");
    for (const Box& b : specks)
        std::fprintf(list, "%d %d %d %d\n", b.x, b.y, b.w, b.h);
    std::fclose(list);

    // The scan: the paper turned on the scanner's black lid, its edge a frame of black.
    PixPtr scan = Turned(scanned.get(), angle - skew, L_BRING_IN_BLACK);
    StrewSpecks(clean.get(), scan.get(), seed + 1);
    pixSetBorderRingVal(scan.get(), 1, 1);
    const int w = pixGetWidth(scan.get()), h = pixGetHeight(scan.get());
    pixRasterop(scan.get(), 0, 0, w, kFrame / 2, PIX_SET, nullptr, 0, 0);
    pixRasterop(scan.get(), 0, h - kFrame / 2, w, kFrame / 2, PIX_SET, nullptr, 0, 0);
    pixRasterop(scan.get(), 0, 0, kFrame / 2, h, PIX_SET, nullptr, 0, 0);
    pixRasterop(scan.get(), w - kFrame / 2, 0, kFrame / 2, h, PIX_SET, nullptr, 0, 0);
    Write(dir + "/scan.tif", scan.get());
    return 0;
}

int Ink(Pix* pix, const Box& box)
{
    Box clip = box;
    PixPtr under(pixClipRectangle(pix, &clip, nullptr));
    l_int32 count = 0;
    if (under)
        pixCountPixels(under.get(), &count, nullptr);
    return count;
}

// How many pixels of piece i (whose box on the page is box) are black in pix, and how many it has.
std::pair<int, int> PieceIn(Pixa* pieces, int i, Pix* pix, Box box)
{
    PixPtr piece(pixaGetPix(pieces, i, L_CLONE));
    PixPtr there(pixClipRectangle(pix, &box, nullptr));
    pixAnd(there.get(), there.get(), piece.get());
    l_int32 in = 0, all = 0;
    pixCountPixels(there.get(), &in, nullptr);
    pixCountPixels(piece.get(), &all, nullptr);
    return {in, all};
}

// The boxes of a file of x y w h lines, as a mask of the page's size.
PixPtr BoxMask(const char* path, int width, int height)
{
    PixPtr mask(pixCreate(width, height, 1));
    FILE* list = std::fopen(path, "r");
    if (!list)
        Fail(std::string("cannot read ") + path);
    int x, y, w, h;
    while (std::fscanf(list, "%d %d %d %d", &x, &y, &w, &h) == 4)
        pixRasterop(mask.get(), x, y, w, h, PIX_SET, nullptr, 0, 0);
    std::fclose(list);
    return mask;
}

int Marks(const char* cleanPath, const char* specksPath, const char* outPath, const char* wordsPath,
          const char* signsPath)
{
    PixPtr clean = Read(cleanPath), out = Read(outPath);
    if (pixGetWidth(clean.get()) != pixGetWidth(out.get()) || pixGetHeight(clean.get()) != pixGetHeight(out.get()))
        Fail("the pages differ in size");
    Boxa* boxesRaw = nullptr;
    Pixa* piecesRaw = nullptr;
    boxesRaw = pixConnComp(clean.get(), &piecesRaw, 8);
    BoxaPtr boxes(boxesRaw);
    PixaPtr pieces(piecesRaw);
    // The letters: whatever is larger than a mark, widened by the reach.
    PixPtr letters(pixSelectBySize(clean.get(), kMarkSize, kMarkSize, 8, L_SELECT_IF_EITHER, L_SELECT_IF_GT, nullptr));
    PixPtr reach(pixDilateBrick(nullptr, letters.get(), 2 * kTextReach + 1, 2 * kTextReach + 1));
    const int cw = pixGetWidth(clean.get()), ch = pixGetHeight(clean.get());
    PixPtr words = wordsPath ? BoxMask(wordsPath, cw, ch) : nullptr;
    PixPtr signs = signsPath ? BoxMask(signsPath, cw, ch) : nullptr;
    int marks = 0, kept = 0, inWords = 0, keptInWords = 0, inSigns = 0, keptInSigns = 0;
    const int n = boxaGetCount(boxes.get());
    for (int i = 0; i < n; ++i) {
        l_int32 x, y, w, h;
        boxaGetBoxGeometry(boxes.get(), i, &x, &y, &w, &h);
        if (w > kMarkSize || h > kMarkSize || std::min(w, h) < kThinnestMark)
            continue;
        Box box{x, y, w, h, 0};
        if (Ink(reach.get(), box) == 0)
            continue;
        ++marks;
        const auto [left, all] = PieceIn(pieces.get(), i, out.get(), box);
        const bool word = words && Ink(words.get(), box) == w * h;
        const bool sign = signs && Ink(signs.get(), box) == w * h;
        inWords += word ? 1 : 0;
        inSigns += sign ? 1 : 0;
        if (2 * left >= all) {
            ++kept;
            keptInWords += word ? 1 : 0;
            keptInSigns += sign ? 1 : 0;
        } else if (std::getenv("LIST")) {
            std::printf("%s %d %d %d %d\n", sign ? "lost_in_sign" : word ? "lost_in_word" : "lost", x, y, w, h);
        }
    }
    int specks = 0, specksLeft = 0, specksBeside = 0, specksLeftBeside = 0;
    FILE* list = std::fopen(specksPath, "r");
    if (!list)
        Fail("cannot read the speck list");
    Box box{};
    while (std::fscanf(list, "%d %d %d %d", &box.x, &box.y, &box.w, &box.h) == 4) {
        ++specks;
        // Within its own reach of the text (twice its size and two pixels), a speck may sit where
        // an i's dot or a full stop goes; farther out it stands apart.
        const int grow = 2 * std::max(box.w, box.h) + 2;
        const bool beside = Ink(clean.get(), Box{box.x - grow, box.y - grow, box.w + 2 * grow, box.h + 2 * grow, 0}) > 0;
        specksBeside += beside ? 1 : 0;
        if (Ink(out.get(), box) == 0)
            continue;
        ++specksLeft;
        specksLeftBeside += beside ? 1 : 0;
        if (std::getenv("LIST"))
            std::printf("%s %d %d %d %d\n", beside ? "beside" : "apart", box.x, box.y, box.w, box.h);
    }
    std::fclose(list);
    std::printf("marks %d kept %d specks %d left %d beside_text %d left_beside %d in_words %d kept_in_words %d"
                " in_signs %d kept_in_signs %d\n",
                marks, kept, specks, specksLeft, specksBeside, specksLeftBeside, inWords, keptInWords, inSigns,
                keptInSigns);
    return 0;
}

int Border(const char* levelPath, const char* outPath)
{
    PixPtr level = Read(levelPath), out = Read(outPath);
    const int w = pixGetWidth(out.get()), h = pixGetHeight(out.get());
    PixPtr near(pixDilateBrick(nullptr, level.get(), 31, 31));
    PixPtr sized(pixCreate(w, h, 1));
    pixRasterop(sized.get(), 0, 0, w, h, PIX_SRC, near.get(), 0, 0);
    PixPtr left(pixSubtract(nullptr, out.get(), sized.get()));
    const int bandX = w / 10, bandY = h / 10;
    pixRasterop(left.get(), bandX, bandY, w - 2 * bandX, h - 2 * bandY, PIX_CLR, nullptr, 0, 0);
    PixPtr clumps(pixSelectByArea(left.get(), 25, 8, L_SELECT_IF_GT, nullptr));
    l_int32 count = 0;
    pixCountPixels(clumps.get(), &count, nullptr);
    std::printf("border %d\n", count);
    return 0;
}

int Harm(const char* cleanPath, const char* outPath)
{
    PixPtr clean = Read(cleanPath), out = Read(outPath);
    PixPtr lost(pixSubtract(nullptr, clean.get(), out.get()));
    // What the scan's frame covered was never there to lose.
    const int w = pixGetWidth(clean.get()), h = pixGetHeight(clean.get()), band = kFrame / 2 + 1;
    pixSetOrClearBorder(lost.get(), band, band, band, band, PIX_CLR);
    l_int32 pixels = 0;
    pixCountPixels(lost.get(), &pixels, nullptr);
    Pixa* piecesRaw = nullptr;
    BoxaPtr boxes(pixConnComp(clean.get(), &piecesRaw, 8));
    PixaPtr pieces(piecesRaw);
    int shapes = 0;
    for (int i = 0; i < boxaGetCount(boxes.get()); ++i) {
        l_int32 x, y, bw, bh;
        boxaGetBoxGeometry(boxes.get(), i, &x, &y, &bw, &bh);
        if (x < band || y < band || x + bw > w - band || y + bh > h - band)
            continue;
        Box box{x, y, bw, bh, 0};
        const auto [missing, all] = PieceIn(pieces.get(), i, lost.get(), box);
        if (10 * missing > all)
            ++shapes;
    }
    std::printf("harm %d shapes %d\n", pixels, shapes);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    setLeptDebugOK(0);
    const std::string verb = argc > 1 ? argv[1] : "";
    if (verb == "prepare" && argc == 7)
        return Prepare(argv[2], std::strtof(argv[3], nullptr), std::strtof(argv[4], nullptr),
                       static_cast<unsigned>(std::atoi(argv[5])), argv[6]);
    if (verb == "marks" && argc >= 5 && argc <= 7)
        return Marks(argv[2], argv[3], argv[4], argc >= 6 ? argv[5] : nullptr, argc == 7 ? argv[6] : nullptr);
    if (verb == "border" && argc == 4)
        return Border(argv[2], argv[3]);
    if (verb == "harm" && argc == 4)
        return Harm(argv[2], argv[3]);
    std::fprintf(stderr,
                 "usage: devset_meter prepare PAGE SKEW ANGLE SEED DIR | marks CLEAN SPECKS OUT [WORDS [SIGNS]] | border LEVEL OUT | harm CLEAN OUT\n");
    return 2;
}
