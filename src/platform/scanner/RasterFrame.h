#pragma once
// RasterFrame: the raw samples of one frame as a scanner delivers them, and their conversion into
// a page Image: 1-bit grey (1 is black) stays 1-bit, 8- and 16-bit grey become 8-bit grey, RGB and
// three single-colour frames become 24-bit colour, 16-bit samples keeping their high byte.

#include <QByteArray>
#include <QList>

namespace scanvo::engine {
class Image;
}

namespace scanvo::scanner {

enum class FrameKind { Grey, Rgb, Red, Green, Blue };

struct RasterFrame {
    FrameKind kind = FrameKind::Grey;
    int depth = 8;          // bits per sample: 1, 8 or 16
    int pixelsPerLine = 0;
    int bytesPerLine = 0;   // may exceed what the pixels need
    int lines = -1;         // -1 when the device did not know the height beforehand
    QByteArray data;        // 16-bit samples in the machine's byte order
};

// The page made of one Grey or Rgb frame, or of a Red, a Green and a Blue frame in any order.
// Only whole lines count. With threshold set, a grey page becomes black and white.
// Throws engine::EngineError when the frames do not form a page.
engine::Image PageFromFrames(const QList<RasterFrame>& frames, int xDpi, int yDpi, bool threshold = false);

}  // namespace scanvo::scanner
