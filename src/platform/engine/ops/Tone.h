#pragma once
// Tones and strokes: text morphology and smoothing, brightness, contrast, saturation, levels,
// background removal, binarisation.

#include "platform/engine/Image.h"

namespace scanvo::engine::ops {

// Black strokes one pixel thicker ("darken text"). Grey and colour pages take the darkest
// value of each 3 x 3 neighbourhood instead.
void Dilate(Image& image);
// Black strokes one pixel thinner ("lighten text"); grey and colour take the lightest value.
void Erode(Image& image);
// The morphology filter by number: kMorphDilate or kMorphErode.
void MorphologyFilter(Image& image, int filter);

// Fills nicks and removes bumps up to length pixels along the edges of 1-bit strokes; grey and
// colour pages get a 3 x 3 median. flags are reserved and must be 0.
void SmoothText(Image& image, int length, int flags);

// amount -1000 ... 1000 is -100 % ... +100 %. 1-bit pages are left as they are.
void AdjustBrightness(Image& image, int amount);
void AdjustContrast(Image& image, int amount);
// Colour pages only; grey and 1-bit pages are left as they are.
void AdjustSaturation(Image& image, int amount);
// Stretches the tones so the darkest and lightest strength/100 % of pixels become black and
// white (strength 10 ... 500), one mapping for all channels so hues stay.
void AutoLevels(Image& image, int strength);
// Pushes an uneven light background towards white (strength 0 ... 1000; 0 changes nothing).
void RemoveBackground(Image& image, int strength);

// Converts to 1 bit per pixel: method kBinarize*, threshold (kBinarizeAutoThreshold or 1 ... 254),
// options kBinarizeDespeckle. A 1-bit page is left as it is.
void Binarize(Image& image, int method, int threshold, int options);

}  // namespace scanvo::engine::ops
