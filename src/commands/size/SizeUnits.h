#pragma once
// Millimetres and pixels of a page at its resolution (dots per inch), with 0.03937 inches to the
// millimetre as the size dialogs have always counted them. A page that states no resolution is
// taken at 96 dots per inch, as the text drawing takes it.

namespace scanvo {

// The resolution to count with: dpi, or 96 when the page states none.
int CountingResolution(int dpi);
// mm x dpi x 0.03937, unrounded.
double PixelsOfMillimetres(double millimetres, int dpi);
// The whole number of millimetres shown for pixels (halves to even).
int MillimetresShown(int pixels, int dpi);
// A real number rounded to the nearest integer, halves to even (how typed numbers are read).
long long RoundHalfEven(double value);

}  // namespace scanvo
