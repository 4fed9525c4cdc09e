#pragma once
// Page generators and file probes shared by the engine's file and viewer tests.

#include "platform/engine/FormatCodes.h"
#include "platform/engine/Image.h"
#include "platform/engine/ImageFile.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

#include <vector>

namespace enginetest {

// A document page drawn with QPainter: a heading, lines of text, a ruled box and, when colour is
// set, a coloured photo-like area (gradients) so JPEG has something realistic to code.
QImage DrawPage(int width, int height, int label, bool colour);
scanvo::engine::Image ColourPage(int width, int height, int label = 1, int xDpi = 300, int yDpi = 300);
scanvo::engine::Image GreyPage(int width, int height, int label = 1, int xDpi = 300, int yDpi = 300);
scanvo::engine::Image BitonalPage(int width, int height, int label = 1, int xDpi = 300, int yDpi = 300);

// Save options for page (0-based where the mode takes one) in format, at the quality factor the
// tests use for JPEG.
scanvo::engine::SaveOptions SaveAt(int mode, int page, int format = scanvo::engine::FormatTiffG4);

// Peak signal-to-noise ratio of two images of the same size and depth (8 or 24 bit), in dB.
double Psnr(const scanvo::engine::Image& a, const scanvo::engine::Image& b);

// The stored (compressed) bytes of every strip or tile of page index (0-based), read with libtiff.
std::vector<QByteArray> RawChunks(const QString& path, int index);
// RawChunks of every page of the file.
std::vector<std::vector<QByteArray>> RawPages(const QString& path);

QByteArray FileBytes(const QString& path);
// Sets a one-value tag of page index (0-based) of a little-endian classic TIFF held in bytes to
// value, stored as a LONG in the entry itself. The tag must be present.
void SetTiffTag(QByteArray& bytes, int index, quint16 tag, quint32 value);

// What a child process writes to fd until it closes it, waiting timeoutMs at most for each piece.
QByteArray ReadAll(int fd, int timeoutMs);
// The exit code of child, or -1 when it did not exit by itself: killed by a signal, or killed here
// after timeoutMs.
int WaitForChild(int child, int timeoutMs);

// Limits the process's address space, for the scope, to what it uses now plus headroom bytes:
// an allocation beyond that fails at once instead of taking memory.
class AddressSpaceLimit {
public:
    explicit AddressSpaceLimit(qint64 headroom);
    ~AddressSpaceLimit();
    AddressSpaceLimit(const AddressSpaceLimit&) = delete;
    AddressSpaceLimit& operator=(const AddressSpaceLimit&) = delete;

private:
    quint64 m_oldCurrent = 0;
    quint64 m_oldMaximum = 0;
};
void WriteBytes(const QString& path, const QByteArray& bytes);
// Names in dir other than "." and "..".
QStringList DirEntries(const QString& dir);

}  // namespace enginetest
