#pragma once
// Which small marks of a 1-bit page are text: the dots of letters and punctuation, told from
// specks by the letters round them. Internal to the engine's operations.

#include <leptonica/allheaders.h>

#include <algorithm>
#include <vector>

namespace scanvo::engine::ops {

// The bounding box of one of the page's connected components.
struct Shape {
    int x, y, w, h;
    int right() const { return x + w - 1; }
    int bottom() const { return y + h - 1; }
    double centreX() const { return x + (w - 1) / 2.0; }
};

inline Shape ShapeOf(Boxa* boxes, int i)
{
    Shape s{};
    boxaGetBoxGeometry(boxes, i, &s.x, &s.y, &s.w, &s.h);
    return s;
}

// The black pixels of page in the rectangle, clipped to the page.
inline int BlackIn(const l_uint32* data, int wpl, int width, int height, int left, int top, int right, int bottom)
{
    int count = 0;
    for (int y = std::max(0, top); y <= std::min(height - 1, bottom); ++y)
        for (int x = std::max(0, left); x <= std::min(width - 1, right); ++x)
            count += GET_DATA_BIT(data + y * wpl, x) ? 1 : 0;
    return count;
}

// Of the candidate dots (indices into boxes, the page's 8-connected components), those that are
// punctuation or letters' dots, 1 for each kept. isLarge marks the components larger than the
// largest dot removed (letters, lines, pictures), and largestDot is that size.
std::vector<char> ReadPunctuation(Pix* page, Boxa* boxes, const std::vector<char>& isLarge,
                                  const std::vector<int>& candidates, int largestDot);

}  // namespace scanvo::engine::ops
