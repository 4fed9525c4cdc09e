// Smoothing of 1-bit strokes: nicks filled, bumps removed.
#include "platform/engine/ops/Tone.h"

#include "platform/engine/ops/PixHandle.h"

namespace scanvo::engine::ops {

namespace {

struct Rows {
    const l_uint32* data;
    int wpl, width;
    bool black(int x, int y) const { return GET_DATA_BIT(data + y * wpl, x) != 0; }
    // Every pixel of row y in [x0, x1] has colour black.
    bool all(int y, int x0, int x1, bool colour) const
    {
        for (int x = x0; x <= x1; ++x)
            if (black(x, y) != colour)
                return false;
        return true;
    }
};

// One pass along the rows of source, writing into target. A white run of at most length pixels
// between black ones, lying on a row that is black across it above or below, is a nick; a black
// run of at most length pixels, white across it on one side and sitting on a black row on the
// other, is a bump.
void SmoothRows(Pix* source, Pix* target, int length)
{
    const Rows rows{pixGetData(source), pixGetWpl(source), pixGetWidth(source)};
    l_uint32* out = pixGetData(target);
    const int wpl = pixGetWpl(target), w = pixGetWidth(source), h = pixGetHeight(source);
    for (int y = 1; y + 1 < h; ++y) {
        int x = 0;
        while (x < w) {
            const bool colour = rows.black(x, y);
            int end = x;
            while (end + 1 < w && rows.black(end + 1, y) == colour)
                ++end;
            const int runLength = end - x + 1;
            if (x > 0 && end + 1 < w && runLength <= length) {
                const bool aboveBlack = rows.all(y - 1, x - 1, end + 1, true);
                const bool belowBlack = rows.all(y + 1, x - 1, end + 1, true);
                l_uint32* line = out + y * wpl;
                if (!colour && (aboveBlack || belowBlack)) {
                    for (int i = x; i <= end; ++i)
                        SET_DATA_BIT(line, i);
                } else if (colour && ((aboveBlack && rows.all(y + 1, x - 1, end + 1, false)) ||
                                      (belowBlack && rows.all(y - 1, x - 1, end + 1, false)))) {
                    for (int i = x; i <= end; ++i)
                        CLEAR_DATA_BIT(line, i);
                }
            }
            x = end + 1;
        }
    }
}

PixPtr SmoothBothWays(Pix* pix, int length)
{
    PixPtr across = Checked(pixCopy(nullptr, pix));
    SmoothRows(pix, across.get(), length);
    // Columns are the rows of the page turned a quarter.
    PixPtr turned = Checked(pixRotate90(across.get(), 1));
    PixPtr turnedOut = Checked(pixCopy(nullptr, turned.get()));
    SmoothRows(turned.get(), turnedOut.get(), length);
    return Checked(pixRotate90(turnedOut.get(), -1));
}

}  // namespace

void SmoothText(Image& image, int length, int flags)
{
    RequireImage(image, "SmoothText");
    if (length < 1)
        ThrowBadArgument("SmoothText", "length", length);
    if (flags != 0)
        ThrowBadArgument("SmoothText", "flags", flags);
    if (image.depth() == 1) {
        ReplacePixels(image, SmoothBothWays(image.pix(), length));
        return;
    }
    PixPtr plain = WithoutPalette(image.pix());
    ReplacePixels(image, Checked(pixMedianFilter(plain.get(), 3, 3)));
}

}  // namespace scanvo::engine::ops
