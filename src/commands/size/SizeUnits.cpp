// Millimetres and pixels.
#include "commands/size/SizeUnits.h"

#include <cmath>

namespace scanvo {

namespace {

constexpr double kInchesPerMillimetre = 0.03937;
constexpr int kUnstatedDpi = 96;

}  // namespace

int CountingResolution(int dpi)
{
    return dpi > 0 ? dpi : kUnstatedDpi;
}

double PixelsOfMillimetres(double millimetres, int dpi)
{
    return millimetres * CountingResolution(dpi) * kInchesPerMillimetre;
}

int MillimetresShown(int pixels, int dpi)
{
    return static_cast<int>(RoundHalfEven(pixels / double(CountingResolution(dpi)) / kInchesPerMillimetre));
}

long long RoundHalfEven(double value)
{
    // The default floating-point rounding mode is to nearest, ties to even.
    return std::llrint(value);
}

}  // namespace scanvo
