#pragma once
// Geometry constants of the control are kept in twips, the unit they were designed in (15 per
// screen pixel), and converted once, here.

namespace scanvo {

constexpr int Twips(int twips) { return twips / 15; }
// A length in screen pixels, in twips.
constexpr int TwipsOfPixels(int pixels) { return pixels * 15; }

}  // namespace scanvo
