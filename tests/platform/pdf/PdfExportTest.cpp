// The PDF export: stored codings kept byte for byte, pages that show the same pixels, the text
// layer, PDF/A, and failures and cancels that leave nothing behind.
#include "EngineTestPages.h"
#include "PdfTools.h"

#include "platform/engine/EngineError.h"
#include "platform/engine/ImageFile.h"
#include "platform/pdf/PdfExport.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <leptonica/allheaders.h>
#include <tiffio.h>
#include <tesseract/baseapi.h>

#include <sys/stat.h>

using namespace scanvo;
using engine::EngineError;
using engine::Image;
using pdf::PdfOptions;
using pdf::PdfPageRef;

namespace {

const QString kEnglish = QStringLiteral(
    "The archive keeps every letter of the parish since eighteen ninety.\n"
    "Clerks scanned the registers page by page during the winter months.\n"
    "Each volume holds births, marriages and burials in careful handwriting.\n"
    "Researchers search the collection for family names and old addresses.\n"
    "Damaged bindings were repaired before the pages reached the scanner.");

const QString kChinese = QStringLiteral("档案馆保存了历年的文件\n扫描后的页面可以检索文字\n每一页都保留原来的图像");

// A page of text lines at dpi, bitonal.
Image TextPage(const QString& text, const QString& family, int dpi)
{
    QImage page(dpi * 6, dpi * 4, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    QFont font(family);
    font.setPixelSize(dpi / 7);
    painter.setFont(font);
    painter.setPen(Qt::black);
    int y = dpi / 2;
    for (const QString& line : text.split(u'\n')) {
        painter.drawText(dpi / 3, y, line);
        y += dpi / 4;
    }
    painter.end();
    Image image = Image::fromQImage(page.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither));
    image.setResolution(dpi, dpi);
    return image;
}

// A G4 TIFF whose page is one strip, as many scanners write it; dpi 0 writes no resolution.
void WriteOneStripG4(const Image& page, const QString& path, int dpi)
{
    Pix* pix = pixCopy(nullptr, page.pix());
    pixSetResolution(pix, dpi, dpi);
    ASSERT_EQ(pixWriteTiff(QFile::encodeName(path).constData(), pix, IFF_TIFF_G4, "w"), 0);
    pixDestroy(&pix);
}

void Save(const Image& page, const QString& path, int format)
{
    engine::SaveOptions options;
    options.format = format;
    options.quality = 50;
    engine::SavePage(page, path, options);
}

// Pixels whose grey values differ.
long long DifferentPixels(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_Grayscale8);
    const QImage y = b.convertToFormat(QImage::Format_Grayscale8);
    if (x.size() != y.size())
        return -1;
    long long different = 0;
    for (int row = 0; row < x.height(); ++row) {
        const uchar* p = x.constScanLine(row);
        const uchar* q = y.constScanLine(row);
        for (int col = 0; col < x.width(); ++col)
            different += std::abs(p[col] - q[col]) > 2;
    }
    return different;
}

QStringList Entries(const QString& dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

class PdfExportTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
};

TEST_F(PdfExportTest, EachPageKeepsItsCodingAndShowsTheSamePixels)
{
    struct Case {
        const char* name;
        Image page;
        int format;  // 0: one-strip G4 written by Leptonica
        int dpi;
    };
    std::vector<Case> cases;
    cases.push_back({"one-strip G4 without resolution", enginetest::BitonalPage(900, 1200, 1), 0, 0});
    cases.push_back({"JPEG file", enginetest::ColourPage(800, 600, 2, 150, 150), engine::FormatJpeg444, 150});
    cases.push_back({"G4 in strips", enginetest::BitonalPage(1000, 1400, 3, 200, 200), engine::FormatTiffG4, 200});
    cases.push_back({"grey LZW", enginetest::GreyPage(700, 500, 4, 100, 100), engine::FormatTiffLzw, 100});
    cases.push_back({"colour LZW", enginetest::ColourPage(640, 480, 5, 96, 96), engine::FormatTiffLzw, 96});
    cases.push_back({"JPEG in TIFF", enginetest::ColourPage(600, 800, 6, 150, 150), engine::FormatTiffJpeg422, 150});

    std::vector<PdfPageRef> pages;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const QString file = path(QStringLiteral("p%1.%2").arg(i).arg(cases[i].format == engine::FormatJpeg444 ? "jpg" : "tif"));
        if (cases[i].format == 0)
            WriteOneStripG4(cases[i].page, file, cases[i].dpi);
        else
            Save(cases[i].page, file, cases[i].format);
        pages.push_back({file, 1});
    }
    const QString target = path(QStringLiteral("out.pdf"));
    ASSERT_EQ(pdf::WritePdf(pages, target, {}), pdf::PdfOutcome::Written);

    EXPECT_EQ(pdftest::RunTool(QStringLiteral("qpdf"), {QStringLiteral("--check"), target}).exitCode, 0);
    ASSERT_EQ(pdftest::PdfPageCount(target), int(cases.size()));
    const auto streams = pdftest::PdfImageStreams(target, path(QStringLiteral("images")));
    ASSERT_EQ(streams.size(), qsizetype(cases.size()));
    // Kept codings come out of the PDF as the very bytes stored in the page's file.
    EXPECT_TRUE(streams[0].first.endsWith(QStringLiteral(".ccitt")));
    EXPECT_EQ(streams[0].second, enginetest::RawChunks(pages[0].path, 0).at(0));
    EXPECT_TRUE(streams[1].first.endsWith(QStringLiteral(".jpg")));
    EXPECT_EQ(streams[1].second, enginetest::FileBytes(pages[1].path));
    // A JPEG-in-TIFF page of several strips stays JPEG: its strips joined into one stream.
    EXPECT_TRUE(streams[5].first.endsWith(QStringLiteral(".jpg")));
    EXPECT_LT(streams[5].second.size(), enginetest::FileBytes(pages[5].path).size() * 11 / 10);

    // Each page is as large as its pixels at its resolution, and its image decodes to the stored
    // page's pixels (JPEG within what two decoders' rounding gives).
    const QList<QImage> decoded = pdftest::PdfDecodedImages(target, path(QStringLiteral("decoded")));
    ASSERT_EQ(decoded.size(), qsizetype(cases.size()));
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(cases[i].name);
        const int dpi = cases[i].dpi ? cases[i].dpi : 300;  // a page without resolution counts as 300 dpi
        const QImage shown = pdftest::RenderPage(target, int(i) + 1, dpi, path(QStringLiteral("render%1").arg(i)));
        const QImage stored = engine::LoadPage(pages[i].path, 1).toQImage();
        EXPECT_EQ(shown.size(), stored.size());
        const long long different = DifferentPixels(decoded[qsizetype(i)], stored);
        const bool lossy = cases[i].format == engine::FormatJpeg444 || cases[i].format == engine::FormatTiffJpeg422;
        EXPECT_GE(different, 0);
        EXPECT_LE(different, lossy ? stored.width() * stored.height() / 100 : 0);
    }
}

TEST_F(PdfExportTest, SearchableArchivalFileReadsAsWellAsTheRecogniserAlone)
{
    const Image page = TextPage(kEnglish, QStringLiteral("DejaVu Serif"), 300);
    const QString file = path(QStringLiteral("text.tif"));
    Save(page, file, engine::FormatTiffG4);
    Save(TextPage(kChinese, QStringLiteral("WenQuanYi Zen Hei"), 300), path(QStringLiteral("chinese.tif")), engine::FormatTiffG4);

    PdfOptions options;
    options.ocr = true;
    options.pdfa = true;
    options.languages = QStringLiteral("eng+chi_sim");
    options.title = QStringLiteral("教区档案 1890");
    const QString target = path(QStringLiteral("searchable.pdf"));
    ASSERT_EQ(pdf::WritePdf({{file, 1}, {path(QStringLiteral("chinese.tif")), 1}}, target, options), pdf::PdfOutcome::Written);

    EXPECT_EQ(pdftest::RunTool(QStringLiteral("qpdf"), {QStringLiteral("--check"), target}).exitCode, 0);
    // Every font of the text layer is embedded.
    const QStringList fonts = QString::fromUtf8(pdftest::RunTool(QStringLiteral("pdffonts"), {target}).out).split(u'\n', Qt::SkipEmptyParts).mid(2);
    ASSERT_FALSE(fonts.isEmpty());
    for (const QString& font : fonts)
        EXPECT_TRUE(font.contains(QStringLiteral(" yes "))) << font.toStdString();
    // PDF/A-2b: the XMP declaration and the title, and an sRGB output intent.
    const QString metadata = QString::fromUtf8(pdftest::RunTool(QStringLiteral("pdfinfo"), {QStringLiteral("-meta"), target}).out);
    EXPECT_TRUE(metadata.contains(QStringLiteral("<pdfaid:part>2</pdfaid:part>")));
    EXPECT_TRUE(metadata.contains(QStringLiteral("<pdfaid:conformance>B</pdfaid:conformance>")));
    EXPECT_TRUE(metadata.contains(options.title));
    const QString expanded = path(QStringLiteral("expanded.pdf"));
    ASSERT_EQ(pdftest::RunTool(QStringLiteral("qpdf"), {QStringLiteral("--qdf"), QStringLiteral("--object-streams=disable"), target, expanded}).exitCode, 0);
    const QByteArray plain = enginetest::FileBytes(expanded);
    EXPECT_TRUE(plain.contains("/GTS_PDFA1"));
    EXPECT_TRUE(plain.contains("/DestOutputProfile"));
    EXPECT_FALSE(plain.contains("/Encrypt"));

    // The words found in the PDF, against what the recogniser reads on the same page by itself.
    tesseract::TessBaseAPI alone;
    ASSERT_EQ(alone.Init(nullptr, "eng"), 0);
    alone.SetImage(page.pix());
    alone.SetSourceResolution(300);
    char* aloneText = alone.GetUTF8Text();
    const QStringList aloneWords = pdftest::Words(QString::fromUtf8(aloneText));
    delete[] aloneText;
    alone.End();

    const QString text = pdftest::PdfText(target);
    const QStringList expected = pdftest::Words(kEnglish);
    const int found = pdftest::WordsFound(expected, pdftest::Words(text));
    EXPECT_GE(found, pdftest::WordsFound(expected, aloneWords));
    EXPECT_GE(found, expected.size() * 95 / 100) << text.toStdString();
    const QString chinese = QString(kChinese).remove(u'\n');
    int characters = 0;
    for (const QChar c : chinese)
        characters += text.contains(c);
    EXPECT_GE(characters, chinese.size() * 9 / 10) << text.toStdString();
}

TEST_F(PdfExportTest, FailuresAndCancelsLeaveNothingBehind)
{
    const QString good = path(QStringLiteral("good.tif"));
    Save(enginetest::BitonalPage(800, 1000, 1), good, engine::FormatTiffG4);
    const QString damaged = path(QStringLiteral("damaged.tif"));
    Save(enginetest::BitonalPage(800, 1000, 2), damaged, engine::FormatTiffG4);
    QByteArray bytes = enginetest::FileBytes(damaged);
    bytes.truncate(bytes.size() / 2);
    enginetest::WriteBytes(damaged, bytes);
    const QString target = path(QStringLiteral("out.pdf"));
    enginetest::WriteBytes(target, "an earlier export");
    const QStringList before = Entries(dir.path());

    auto failure = [&](const std::vector<PdfPageRef>& pages, const PdfOptions& options, const QString& to) {
        try {
            pdf::WritePdf(pages, to, options);
        } catch (const EngineError& e) {
            return e;
        }
        ADD_FAILURE() << "the export succeeded";
        return EngineError(0, {});
    };

    // A damaged page stops the export, named by file and page; the earlier file stays.
    const EngineError unreadable = failure({{good, 1}, {damaged, 1}}, {}, target);
    EXPECT_TRUE(unreadable.description().contains(damaged)) << unreadable.description().toStdString();
    EXPECT_TRUE(unreadable.description().contains(QStringLiteral("第 1 页")));
    EXPECT_EQ(enginetest::FileBytes(target), QByteArray("an earlier export"));

    // A missing language names the package to install, before anything is read.
    PdfOptions ocr;
    ocr.ocr = true;
    ocr.languages = QStringLiteral("eng+xyz_qq");
    const EngineError language = failure({{good, 1}}, ocr, target);
    EXPECT_EQ(language.number(), engine::ErrUnsupported);
    EXPECT_TRUE(language.description().contains(QStringLiteral("tesseract-ocr-xyz-qq"))) << language.description().toStdString();
    EXPECT_EQ(pdf::LanguagePackage(QStringLiteral("chi_sim")), QStringLiteral("tesseract-ocr-chi-sim"));

    // A folder nobody may write to.
    const QString locked = path(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkpath(locked));
    ASSERT_EQ(::chmod(QFile::encodeName(locked).constData(), 0555), 0);
    const EngineError unwritable = failure({{good, 1}}, {}, locked + QStringLiteral("/out.pdf"));
    EXPECT_EQ(unwritable.number(), engine::ErrFileWrite);
    EXPECT_TRUE(Entries(locked).isEmpty());
    ::chmod(QFile::encodeName(locked).constData(), 0755);

    EXPECT_EQ(failure({}, {}, target).number(), engine::ErrInvalidArgument);


    // Cancelled after the first page: nothing written, nothing left.
    int calls = 0;
    const auto cancelled = pdf::WritePdf({{good, 1}, {good, 1}, {good, 1}}, path(QStringLiteral("new.pdf")), {},
                                         [&](int done, int total) {
                                             ++calls;
                                             EXPECT_EQ(total, 3);
                                             return done < 1;
                                         });
    EXPECT_EQ(cancelled, pdf::PdfOutcome::Cancelled);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(Entries(dir.path()), before);

    // A strip that claims more bytes than the file holds is refused before anything is allocated
    // for it, and the page reported.
    const QString claiming = path(QStringLiteral("claiming.tif"));
    WriteOneStripG4(enginetest::BitonalPage(800, 1000, 3), claiming, 300);
    QByteArray claims = enginetest::FileBytes(claiming);
    enginetest::SetTiffTag(claims, 0, TIFFTAG_STRIPBYTECOUNTS, 0xFFFFFF00);
    enginetest::WriteBytes(claiming, claims);
    {
        const enginetest::AddressSpaceLimit limit(qint64(512) << 20);
        const EngineError claimed = failure({{claiming, 1}}, {}, path(QStringLiteral("claimed.pdf")));
        EXPECT_TRUE(claimed.description().contains(claiming)) << claimed.description().toStdString();
    }
}

}  // namespace
