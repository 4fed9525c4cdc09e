// Page generators and file probes for the engine tests.
#include "EngineTestPages.h"

#include "platform/engine/ImageDepth.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <gtest/gtest.h>
#include <leptonica/allheaders.h>
#include <csignal>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <tiffio.h>
#include <unistd.h>

using scanvo::engine::ConvertDepth;
using scanvo::engine::Image;

namespace enginetest {

scanvo::engine::SaveOptions SaveAt(int mode, int page, int format)
{
    scanvo::engine::SaveOptions options;
    options.format = format;
    options.mode = mode;
    options.page = page;
    options.quality = 125;
    return options;
}

QImage DrawPage(int width, int height, int label, bool colour)
{
    QImage page(width, height, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter p(&page);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const int margin = width / 12;
    const int line = std::max(8, height / 45);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(line * 2);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRect(margin, margin, width - 2 * margin, line * 3), Qt::AlignLeft,
               QStringLiteral("Page %1 — 第 %1 页").arg(label));
    font.setPixelSize(std::max(6, line * 2 / 3));
    p.setFont(font);
    int y = margin + line * 4;
    for (int i = 0; y < height / 2; ++i, y += line)
        p.drawText(margin, y, QStringLiteral("%1 The quick brown fox jumps over the lazy dog %2 扫描影像")
                                  .arg(i + 1)
                                  .arg(label * 37 + i));
    p.setPen(QPen(Qt::black, std::max(1, width / 400)));
    p.drawRect(margin, height / 2 + line, width - 2 * margin, height / 5);
    for (int r = 1; r < 4; ++r)
        p.drawLine(margin, height / 2 + line + r * height / 20, width - margin, height / 2 + line + r * height / 20);
    const QRect photo(margin, height * 3 / 4, width - 2 * margin, height / 5);
    if (colour) {
        QLinearGradient sky(photo.topLeft(), photo.bottomLeft());
        sky.setColorAt(0, QColor(40, 90, 200));
        sky.setColorAt(1, QColor(240, 200, 120));
        p.fillRect(photo, sky);
        QRadialGradient sun(photo.center(), photo.height() / 2.0);
        sun.setColorAt(0, QColor(255, 240, 60));
        sun.setColorAt(1, QColor(200, 40, 30, 0));
        p.setBrush(sun);
        p.setPen(Qt::NoPen);
        p.drawEllipse(photo.center(), photo.height() / 2, photo.height() / 2);
    } else {
        QLinearGradient ramp(photo.topLeft(), photo.topRight());
        ramp.setColorAt(0, Qt::black);
        ramp.setColorAt(1, Qt::white);
        p.fillRect(photo, ramp);
    }
    return page;
}

namespace {

Image withResolution(Image image, int xDpi, int yDpi)
{
    image.setResolution(xDpi, yDpi);
    return image;
}

}  // namespace

Image ColourPage(int width, int height, int label, int xDpi, int yDpi)
{
    return withResolution(Image::fromQImage(DrawPage(width, height, label, true)), xDpi, yDpi);
}

Image GreyPage(int width, int height, int label, int xDpi, int yDpi)
{
    return withResolution(Image::fromQImage(DrawPage(width, height, label, false).convertToFormat(QImage::Format_Grayscale8)),
                          xDpi, yDpi);
}

Image BitonalPage(int width, int height, int label, int xDpi, int yDpi)
{
    return withResolution(ConvertDepth(GreyPage(width, height, label), 1), xDpi, yDpi);
}

double Psnr(const Image& a, const Image& b)
{
    l_float32 psnr = 0;
    EXPECT_EQ(pixGetPSNR(a.pix(), b.pix(), 1, &psnr), 0);
    return psnr;
}

std::vector<QByteArray> RawChunks(const QString& path, int index)
{
    std::vector<QByteArray> chunks;
    TIFF* tif = TIFFOpen(QFile::encodeName(path).constData(), "rm");
    EXPECT_NE(tif, nullptr) << path.toStdString();
    if (!tif)
        return chunks;
    EXPECT_EQ(TIFFSetDirectory(tif, tdir_t(index)), 1) << "page index " << index;
    const bool tiled = TIFFIsTiled(tif);
    const uint32_t count = tiled ? TIFFNumberOfTiles(tif) : TIFFNumberOfStrips(tif);
    uint64_t* sizes = nullptr;
    TIFFGetField(tif, tiled ? TIFFTAG_TILEBYTECOUNTS : TIFFTAG_STRIPBYTECOUNTS, &sizes);
    for (uint32_t i = 0; i < count && sizes; ++i) {
        QByteArray chunk(qsizetype(sizes[i]), '\0');
        const tmsize_t got = tiled ? TIFFReadRawTile(tif, i, chunk.data(), chunk.size())
                                   : TIFFReadRawStrip(tif, i, chunk.data(), chunk.size());
        EXPECT_EQ(got, chunk.size());
        chunks.push_back(chunk);
    }
    TIFFClose(tif);
    return chunks;
}

std::vector<std::vector<QByteArray>> RawPages(const QString& path)
{
    std::vector<std::vector<QByteArray>> pages;
    TIFF* tif = TIFFOpen(QFile::encodeName(path).constData(), "rm");
    EXPECT_NE(tif, nullptr);
    if (!tif)
        return pages;
    const int count = TIFFNumberOfDirectories(tif);
    TIFFClose(tif);
    for (int i = 0; i < count; ++i)
        pages.push_back(RawChunks(path, i));
    return pages;
}

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

namespace {

quint32 readLe(const QByteArray& bytes, qsizetype at, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | quint8(bytes.at(at + i));
    return value;
}

void writeLe(QByteArray& bytes, qsizetype at, quint32 value, int size)
{
    for (int i = 0; i < size; ++i, value >>= 8)
        bytes[at + i] = char(value & 0xFF);
}

}  // namespace

void SetTiffTag(QByteArray& bytes, int index, quint16 tag, quint32 value)
{
    ASSERT_TRUE(bytes.startsWith(QByteArrayLiteral("II*\0")));
    qsizetype ifd = readLe(bytes, 4, 4);
    for (int page = 0; page < index; ++page)
        ifd = readLe(bytes, ifd + 2 + 12 * readLe(bytes, ifd, 2), 4);
    const quint32 entries = readLe(bytes, ifd, 2);
    for (quint32 i = 0; i < entries; ++i) {
        const qsizetype entry = ifd + 2 + 12 * i;
        if (readLe(bytes, entry, 2) != tag)
            continue;
        writeLe(bytes, entry + 2, 4, 2);  // LONG
        writeLe(bytes, entry + 4, 1, 4);
        writeLe(bytes, entry + 8, value, 4);
        return;
    }
    FAIL() << "tag " << tag << " not on page " << index;
}

QByteArray ReadAll(int fd, int timeoutMs)
{
    QByteArray bytes;
    pollfd readable{fd, POLLIN, 0};
    char buffer[4096];
    while (poll(&readable, 1, timeoutMs) > 0) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n <= 0)
            break;
        bytes.append(buffer, n);
    }
    return bytes;
}

int WaitForChild(int child, int timeoutMs)
{
    int status = 0;
    for (int waited = 0; waitpid(child, &status, WNOHANG) == 0; waited += 5) {
        if (waited >= timeoutMs) {
            ADD_FAILURE() << "child process " << child << " still running after " << timeoutMs << " ms";
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return -1;
        }
        usleep(5000);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

AddressSpaceLimit::AddressSpaceLimit(qint64 headroom)
{
    rlimit old {};
    getrlimit(RLIMIT_AS, &old);
    m_oldCurrent = old.rlim_cur;
    m_oldMaximum = old.rlim_max;
    QFile statm(QStringLiteral("/proc/self/statm"));
    EXPECT_TRUE(statm.open(QIODevice::ReadOnly));
    const qint64 pages = statm.readAll().split(' ').value(0).toLongLong();
    rlimit limit = old;
    limit.rlim_cur = rlim_t(pages * sysconf(_SC_PAGESIZE) + headroom);
    EXPECT_EQ(setrlimit(RLIMIT_AS, &limit), 0);
}

AddressSpaceLimit::~AddressSpaceLimit()
{
    const rlimit old {rlim_t(m_oldCurrent), rlim_t(m_oldMaximum)};
    setrlimit(RLIMIT_AS, &old);
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QStringList DirEntries(const QString& dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

}  // namespace enginetest
