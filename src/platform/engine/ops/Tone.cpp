// Brightness, contrast, saturation and automatic levels through tone curves.
#include "platform/engine/ops/Tone.h"

#include "platform/engine/ops/OpFlags.h"
#include "platform/engine/ops/PixHandle.h"

#include <QCoreApplication>
#include <cmath>

namespace scanvo::engine::ops {

namespace {

constexpr double kSteepestContrast = 0.99;  // +100 % contrast: a slope of 100, nearly a threshold
constexpr float kLinear = 1.0f;
constexpr int kRankSampling = 2;  // every second pixel each way is plenty for a histogram rank

void CheckToneAmount(const char* operation, int amount)
{
    if (amount < kToneMin || amount > kToneMax)
        ThrowBadArgument(operation, "amount", amount);
}

// Maps input minval to 0 and maxval to 255 in place (palette pages have their palette mapped).
void MapTones(Image& image, int minval, int maxval)
{
    if (!pixGammaTRC(image.pix(), image.pix(), kLinear, minval, maxval))
        throw EngineError(ErrOperation, QCoreApplication::translate("EngineMessages", "色调调整失败"));
}

}  // namespace

void AdjustBrightness(Image& image, int amount)
{
    RequireImage(image, "AdjustBrightness");
    CheckToneAmount("AdjustBrightness", amount);
    if (image.depth() == 1 || amount == 0)
        return;
    const int shift = static_cast<int>(std::lround(amount * 255.0 / kToneMax));
    MapTones(image, -shift, 255 - shift);
}

void AdjustContrast(Image& image, int amount)
{
    RequireImage(image, "AdjustContrast");
    CheckToneAmount("AdjustContrast", amount);
    if (image.depth() == 1 || amount == 0)
        return;
    const double c = static_cast<double>(amount) / kToneMax;
    const double slope = c >= 0 ? 1.0 / (1.0 - kSteepestContrast * c) : 1.0 + kSteepestContrast * c;
    MapTones(image, static_cast<int>(std::lround(128 - 128 / slope)), static_cast<int>(std::lround(128 + 127 / slope)));
}

void AdjustSaturation(Image& image, int amount)
{
    RequireImage(image, "AdjustSaturation");
    CheckToneAmount("AdjustSaturation", amount);
    if (amount == 0 || image.isGrey())
        return;
    PixPtr colour = WithoutPalette(image.pix());
    const float fract = static_cast<float>(amount) / kToneMax;
    ReplacePixels(image, Checked(pixModifySaturation(nullptr, colour.get(), fract)));
}

void AutoLevels(Image& image, int strength)
{
    RequireImage(image, "AutoLevels");
    if (strength < kLevelsMin || strength > kLevelsMax)
        ThrowBadArgument("AutoLevels", "strength", strength);
    if (image.depth() == 1)
        return;
    PixPtr grey = GreyOf(image.pix());
    const float clipped = strength / 10000.0f;  // 10 ... 500 clip 0.1 % ... 5 % at each end
    l_uint32 dark = 0, light = 255;
    pixGetRankValue(grey.get(), kRankSampling, clipped, &dark);
    pixGetRankValue(grey.get(), kRankSampling, 1.0f - clipped, &light);
    if (light <= dark)
        return;  // a flat page has nothing to stretch
    MapTones(image, static_cast<int>(dark), static_cast<int>(light));
}

}  // namespace scanvo::engine::ops
