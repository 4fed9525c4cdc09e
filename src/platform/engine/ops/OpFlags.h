#pragma once
// Flag words and argument codes of the engine's pixel operations. The editing commands pass these
// numbers unchanged (for example rotate flags 3, dot-removal flags 0x1020, line flags 0xE00), so
// every code lives here once, with its meaning.

#include <QtGlobal>

namespace scanvo::engine::ops {

// Colours are 0xRRGGBB (QRgb without alpha). White and black are the usual fills.
constexpr quint32 kWhite = 0xFFFFFF;
constexpr quint32 kBlack = 0x000000;

// Rotate: angles in hundredths of a degree, clockwise positive.
constexpr int kRotateEnlarge = 0x1;   // the canvas grows so that the whole rotated content fits
constexpr int kRotateKeepSize = 0x2;  // the canvas keeps its size (ignored when kRotateEnlarge is set)
constexpr int kRotateFixedFlags = kRotateEnlarge | kRotateKeepSize;  // what quarter and half turns use
constexpr int kQuarterTurn = 9000;
constexpr int kHalfTurn = 18000;
constexpr int kFullTurn = 36000;

// Deskew flags: 0 keeps the page size; kDeskewEnlarge grows it so no corner is cut off.
constexpr int kDeskewKeepSize = 0x0;
constexpr int kDeskewEnlarge = 0x1;

// Auto-crop tolerances (largest colour difference still counted as margin).
constexpr int kAutoCropMinTolerance = 1;
constexpr int kAutoCropMaxTolerance = 244;
constexpr int kAutoCropCentreTolerance = 64;  // the fixed tolerance of centring

// Combine (copy a rectangle of one image into another). The operation sits in the low byte.
constexpr int kCombineOpMask = 0x00F0;
constexpr int kCombineOpCopy = 0x0020;     // source pixels replace destination pixels
constexpr int kCombineClip = 0x0100;       // parts outside the destination are dropped silently
constexpr int kCombineOpaque = 0x0200;     // no transparent colour (the only mode there is)
constexpr int kCombineCopyFlags = kCombineOpCopy | kCombineClip;                    // 0x120
constexpr int kCombinePasteFlags = kCombineOpCopy | kCombineClip | kCombineOpaque;  // 0x320

// Dot removal (connected components whose width and height lie in the given ranges).
constexpr int kDotUseSize = 0x0020;      // the size ranges apply; without it only the maximum does
constexpr int kDotKeepNearText = 0x1000; // dots of letters and punctuation (i-dots, full stops) stay
constexpr int kDotRemoveFlags = kDotUseSize | kDotKeepNearText;  // 0x1020, what despeckle passes

// Border removal: sides to search (a mask) and flags.
constexpr int kBorderLeft = 0x1;
constexpr int kBorderRight = 0x2;
constexpr int kBorderTop = 0x4;
constexpr int kBorderBottom = 0x8;
constexpr int kBorderAllSides = kBorderLeft | kBorderRight | kBorderTop | kBorderBottom;
constexpr int kBorderUseVariance = 0x0800;  // the inner edge may stray from its neighbourhood only by the variance

// Line removal: flags and directions.
constexpr int kLineRemoveEntire = 0x0200;   // remove the line under crossing strokes too (strokes are bridged)
constexpr int kLineUseGap = 0x0400;         // gaps up to the maximum gap belong to the line
constexpr int kLineUseVariance = 0x0800;    // the line may drift sideways by up to the variance
constexpr int kLineHorizontal = 1;
constexpr int kLineVertical = 2;
constexpr int kLineNotUsed = -1;            // variance or gap argument that is switched off

// Hole-punch removal: flags and the side searched.
constexpr int kHolePunchUseSize = 0x0020;
constexpr int kHolePunchUseCount = 0x0040;
constexpr int kHolePunchUseLocation = 0x0080;
constexpr int kHolePunchLeft = 1;
constexpr int kHolePunchRight = 2;
constexpr int kHolePunchTop = 3;
constexpr int kHolePunchBottom = 4;

// Bitonal morphology filter numbers.
constexpr int kMorphErode = 1;   // "lighten text": black strokes thin
constexpr int kMorphDilate = 5;  // "darken text": black strokes thicken

// Text smoothing: the length is the longest nick filled or bump removed; flags are reserved (0).
constexpr int kSmoothDefaultLength = 5;

// Tone arguments: brightness, contrast and saturation -1000 ... 1000 (= -100 % ... +100 %);
// colour levels 10 ... 500; background removal 0 ... 1000.
constexpr int kToneMin = -1000;
constexpr int kToneMax = 1000;
constexpr int kLevelsMin = 10;
constexpr int kLevelsMax = 500;
constexpr int kBackgroundMin = 0;
constexpr int kBackgroundMax = 1000;

// Binarisation (method, threshold, options).
constexpr int kBinarizeFixed = 0;        // threshold as given (128 when 0)
constexpr int kBinarizeGlobalOtsu = 1;   // one threshold for the page, chosen from its histogram
constexpr int kBinarizeAdaptive = 2;     // the local background is levelled first, then thresholded
constexpr int kBinarizeAutoThreshold = 0;
constexpr int kBinarizeDespeckle = 0x1;  // option: one-pixel specks are removed from the result

// Resize flags: 0 resamples smoothly (area averaging when shrinking, interpolation when enlarging).
constexpr int kResizeSmooth = 0;

}  // namespace scanvo::engine::ops
