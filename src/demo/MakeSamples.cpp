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
        SavePage(PageImage(DrawPage(doc, page), style.bits), directory + QLatin1Char('/') + PageFileName(doc, page, style),
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
