// scanvo-make-samples ROOT [CONFIG_DIR]: writes the sample documents of the demo tree below ROOT
// and, when CONFIG_DIR is given, makes ROOT the root directory in that settings directory.
// A document whose directory already holds files is left alone, so pages a user scanned or
// edited in the demo survive the next start.

#include "platform/engine/EngineError.h"
#include "platform/engine/Image.h"
#include "platform/engine/ImageFile.h"
#include "settings/IniFile.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <algorithm>
#include <random>

namespace {

using scanvo::engine::Image;
using scanvo::engine::SaveOptions;

enum class Kind { MultiPageTiff, SingleTiff, SingleJpeg };

struct PageStyle {
    Kind kind;
    int format;
    int bits;
};

struct SampleDocument {
    const char* name;      // below the root
    int pageCount;
    const char* title;
    // Page n (1-based) is stored as styles[(n - 1) % styleCount].
    PageStyle styles[2];
    int styleCount;
    // A scanned sheet for the cleanup commands (DrawScan) instead of a clean page.
    bool scanned = false;
};

constexpr int kQualityFactor = 50;  // JPEG quality 80
constexpr int kPageWidth = 1240;    // A4 at 150 dpi
constexpr int kPageHeight = 1754;
constexpr int kDpi = 150;

using namespace scanvo::engine;

const SampleDocument kSamples[] = {
    {"test1/44", 4, "多页TIF 黑白 G4", {{Kind::MultiPageTiff, FormatTiffG4, 1}}, 1},
    {"test1/55", 3, "单页TIF 灰度 LZW", {{Kind::SingleTiff, FormatTiffLzw, 8}}, 1},
    {"test2/66", 3, "单页JPG 彩色", {{Kind::SingleJpeg, FormatJpeg444, 24}}, 1},
    {"test2/77", 4, "混合 TIF + JPG", {{Kind::SingleTiff, FormatTiffG4, 1}, {Kind::SingleJpeg, FormatJpeg422, 24}}, 2},
    {"test2/88", 3, "多页TIF 彩色 JPEG 压缩", {{Kind::MultiPageTiff, FormatTiffJpeg444, 24}}, 1},
    {"test2/99", 2, "单页JPG 灰度", {{Kind::SingleJpeg, FormatJpeg444, 8}}, 1},
    {"test1/33", 2, "扫描样例 黑边 噪点 线条 订孔",
     {{Kind::MultiPageTiff, FormatTiffG4, 1}, {Kind::MultiPageTiff, FormatTiffLzw, 8}}, 2, true},
};

QImage DrawPage(const SampleDocument& doc, int page)
{
    QImage canvas(kPageWidth, kPageHeight, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    canvas.setDotsPerMeterX(qRound(kDpi / 0.0254));
    canvas.setDotsPerMeterY(qRound(kDpi / 0.0254));
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 4));
    painter.drawRect(80, 80, kPageWidth - 160, kPageHeight - 160);
    painter.fillRect(120, 120, kPageWidth - 240, 160, QColor(40, 90, 170));

    QFont heading(QStringLiteral("WenQuanYi Zen Hei"));
    heading.setPixelSize(72);
    painter.setFont(heading);
    painter.setPen(Qt::white);
    painter.drawText(QRect(120, 120, kPageWidth - 240, 160), Qt::AlignCenter,
                     QStringLiteral("文档 %1").arg(QString::fromLatin1(doc.name)));

    QFont body(QStringLiteral("WenQuanYi Zen Hei"));
    body.setPixelSize(40);
    painter.setFont(body);
    painter.setPen(Qt::black);
    painter.drawText(140, 380, QString::fromUtf8(doc.title));
    painter.drawText(140, 450, QStringLiteral("第 %1 页，共 %2 页").arg(page).arg(doc.pageCount));
    for (int line = 0; line < 14; ++line) {
        const int y = 560 + line * 70;
        painter.drawText(140, y, QStringLiteral("扫描影像样例文字行 %1 — Scanvo sample text line %1").arg(line + 1));
    }
    painter.fillRect(140, 1600, 200 + page * 120, 40, QColor(200, 60, 40));
    return canvas;
}

// A4 at 300 dpi as a scanner delivers a sheet: text turned by a few degrees, a ruled line through
// a line of text, ragged black borders where the scanner saw past the paper, two punch holes and
// specks. Page 1 is stored bitonal, page 2 grey; they lean opposite ways.
constexpr int kScanWidth = 2480;
constexpr int kScanHeight = 3508;
constexpr int kScanDpi = 300;
constexpr int kSpecks = 2000;

// A black band along one edge whose depth wanders between 45 and 95 pixels.
QPolygon RaggedBorder(std::mt19937& rng, int side)
{
    std::uniform_int_distribution<int> step(-3, 3);
    const bool across = side == 0 || side == 1;  // left and right run down the page
    const int length = across ? kScanHeight : kScanWidth;
    const int edge = across ? kScanWidth : kScanHeight;
    QPolygon band;
    int depth = 70;
    for (int along = 0; along <= length; along += 8) {
        depth = std::clamp(depth + step(rng), 45, 95);
        const int inner = (side == 0 || side == 2) ? depth : edge - depth;
        band << (across ? QPoint(inner, along) : QPoint(along, inner));
    }
    const int outer = (side == 0 || side == 2) ? 0 : edge;
    band << (across ? QPoint(outer, length) : QPoint(length, outer)) << (across ? QPoint(outer, 0) : QPoint(0, outer));
    return band;
}

QImage DrawScan(int page)
{
    const int paper = page == 1 ? 255 : 232;
    const int ink = page == 1 ? 0 : 35;
    QImage canvas(kScanWidth, kScanHeight, QImage::Format_Grayscale8);
    canvas.fill(qRgb(paper, paper, paper));
    canvas.setDotsPerMeterX(qRound(kScanDpi / 0.0254));
    canvas.setDotsPerMeterY(qRound(kScanDpi / 0.0254));
    std::mt19937 rng(page);
    QPainter painter(&canvas);
    const QColor inkColour(ink, ink, ink);

    painter.save();
    painter.translate(kScanWidth / 2.0, kScanHeight / 2.0);
    painter.rotate(page == 1 ? 2.0 : -1.5);
    painter.translate(-kScanWidth / 2.0, -kScanHeight / 2.0);
    QFont body(QStringLiteral("WenQuanYi Zen Hei"));
    body.setPixelSize(44);
    painter.setFont(body);
    painter.setPen(inkColour);
    painter.drawText(300, 380, QStringLiteral("扫描样例：纠斜、去黑边、去噪点、去线条、去订孔 — page %1").arg(page));
    for (int line = 0; line < 36; ++line) {
        const int y = 520 + line * 80;
        painter.drawText(300, y, QStringLiteral("第%1行 文档扫描影像 Scanned text line with i, j, dots and full stops.")
                                     .arg(line + 1));
    }
    // The ruled line crosses the text of line 12; a vertical rule runs beside the text block.
    painter.fillRect(QRectF(260, 520 + 11 * 80 - 14, 1900, 5), inkColour);
    painter.fillRect(QRectF(250, 480, 5, 2600), inkColour);
    painter.restore();

    painter.setPen(Qt::NoPen);
    painter.setBrush(inkColour);
    for (int side = 0; side < 4; ++side)
        painter.drawPolygon(RaggedBorder(rng, side));
    for (int hole : {1, 2})
        painter.drawEllipse(QPoint(170, kScanHeight * hole / 3), 38, 38);
    std::uniform_int_distribution<int> x(120, kScanWidth - 120), y(120, kScanHeight - 120), size(1, 3);
    for (int i = 0; i < kSpecks; ++i)
        painter.fillRect(x(rng), y(rng), size(rng), size(rng), inkColour);
    return canvas;
}

// The image at the depth it is stored with.
Image PageImage(const QImage& canvas, int bits)
{
    switch (bits) {
    case 1: return Image::fromQImage(canvas.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither));
    case 8: return Image::fromQImage(canvas.convertToFormat(QImage::Format_Grayscale8));
    default: return Image::fromQImage(canvas);
    }
}

QString PageFileName(const SampleDocument& doc, int page, const PageStyle& style)
{
    if (style.kind == Kind::MultiPageTiff)
        return QDir(QString::fromLatin1(doc.name)).dirName() + QStringLiteral(".tif");
    const QString extension = style.kind == Kind::SingleJpeg ? QStringLiteral("jpg") : QStringLiteral("tif");
    return QStringLiteral("%1.%2").arg(page, 6, 10, QLatin1Char('0')).arg(extension);
}

bool HoldsFiles(const QString& directory)
{
    return !QDir(directory).entryList(QDir::Files).isEmpty();
}

void WriteDocument(const QString& root, const SampleDocument& doc)
{
    const QString directory = root + QLatin1Char('/') + QString::fromLatin1(doc.name);
    if (HoldsFiles(directory))
        return;
    if (!QDir().mkpath(directory))
        throw EngineError(ErrFileWrite, QStringLiteral("cannot create %1").arg(directory));
    for (int page = 1; page <= doc.pageCount; ++page) {
        const PageStyle& style = doc.styles[(page - 1) % doc.styleCount];
        SaveOptions options;
        options.format = style.format;
        options.bits = style.bits;
        options.quality = kQualityFactor;
        options.mode = (style.kind == Kind::MultiPageTiff && page > 1) ? SaveAppend : SaveNew;
        const QImage drawn = doc.scanned ? DrawScan(page) : DrawPage(doc, page);
        SavePage(PageImage(drawn, style.bits), directory + QLatin1Char('/') + PageFileName(doc, page, style),
                 options);
    }
}

// Makes root the root directory of the settings file. A file this creates also gets the layout
// defaults: the control takes an existing file's missing layout keys as 0.
bool WriteDemoSettings(const QString& iniFile, const QString& root)
{
    struct Entry {
        const char* key;
        const char* value;
    };
    static constexpr Entry kLayoutDefaults[] = {
        {"ScanBarAlign", "1"}, {"ImagingBarAlign", "3"}, {"ImagingButtonCaption", "1"}};
    if (!QFileInfo::exists(iniFile)) {
        for (const Entry& entry : kLayoutDefaults) {
            if (!scanvo::WriteIniString(iniFile, QStringLiteral("Layout"), QString::fromLatin1(entry.key),
                                        QString::fromLatin1(entry.value)))
                return false;
        }
    }
    return scanvo::WriteIniString(iniFile, QStringLiteral("Scan"), QStringLiteral("SaveDir"), root);
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() < 2 || args.size() > 3) {
        err << "usage: scanvo-make-samples ROOT [CONFIG_DIR]\n";
        return 2;
    }
    const QString root = QDir(args.at(1)).absolutePath();
    try {
        for (const SampleDocument& doc : kSamples)
            WriteDocument(root, doc);
    } catch (const EngineError& error) {
        err << "scanvo-make-samples: " << error.number() << ":" << error.description() << "\n";
        return 1;
    }
    if (args.size() == 3 && !WriteDemoSettings(QDir(args.at(2)).absoluteFilePath(QStringLiteral("scanvo.ini")), root)) {
        err << "scanvo-make-samples: cannot write the settings in " << args.at(2) << "\n";
        return 1;
    }
    return 0;
}
