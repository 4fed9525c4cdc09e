// Benchmark inputs.
#include "BenchPages.h"

#include "platform/engine/ImageDepth.h"
#include "platform/engine/ImageFile.h"
#include "platform/engine/TiffCodec.h"
#include "platform/engine/TiffFile.h"

#include <QFont>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

using namespace scanvo::engine;

namespace enginebench {

Image A4Page(int label, bool colour)
{
    QImage page(kA4Width, kA4Height, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter p(&page);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(90);
    p.setFont(font);
    p.drawText(200, 300, QStringLiteral("Report %1").arg(label));
    font.setPixelSize(38);
    p.setFont(font);
    for (int i = 0, y = 450; y < kA4Height - 1200; ++i, y += 55)
        p.drawText(200, y, QStringLiteral("%1. The quick brown fox jumps over the lazy dog, page %2, line %1.")
                               .arg(i + 1)
                               .arg(label));
    const QRect photo(200, kA4Height - 1100, kA4Width - 400, 800);
    if (colour) {
        QLinearGradient g(photo.topLeft(), photo.bottomRight());
        g.setColorAt(0, QColor(30, 80, 190));
        g.setColorAt(0.5, QColor(240, 210, 120));
        g.setColorAt(1, QColor(60, 140, 50));
        p.fillRect(photo, g);
    } else {
        p.setPen(QPen(Qt::black, 4));
        p.drawRect(photo);
    }
    p.end();
    Image image = Image::fromQImage(page);
    image.setResolution(300, 300);
    return colour ? image : ConvertDepth(image, 1);
}

void WriteG4Document(const QString& path, int count)
{
    std::vector<Image> drawings;
    for (int i = 0; i < 5; ++i)
        drawings.push_back(A4Page(i + 1, false));
    TiffFile out = TiffFile::openWrite(path);
    for (int i = 0; i < count; ++i)
        WriteTiffPage(out, drawings[size_t(i) % drawings.size()], FormatTiffG4, 128, i, count);
    out.close();
}

void InitPainting(int& argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static std::unique_ptr<QGuiApplication> app(new QGuiApplication(argc, argv));
}

int RunPageBenchmarks(int argc, char** argv, void (*makeInputs)())
{
    InitPainting(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    makeInputs();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace enginebench
