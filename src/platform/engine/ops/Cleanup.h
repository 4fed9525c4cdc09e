#pragma once
// Document cleanup of 1-bit pages: specks, dots, black borders, ruled lines, hole punches.
// Every function refuses other depths with ErrUnsupported; flag words are the kDot*, kBorder*,
// kLine* and kHolePunch* codes.

#include "platform/engine/Image.h"

namespace scanvo::engine::ops {

// Removes isolated single black pixels, and specks one pixel thick up to five long that stand
// farther from any other black than their own length (the thin marks of text stand closer to
// their letters). Returns how many specks went.
int Despeckle(Image& page);

// Removes connected black components (8-connected) whose width lies in minWidth ... maxWidth and
// height in minHeight ... maxHeight. Without kDotUseSize the minimums are 1. With
// kDotKeepNearText the dots of letters and punctuation stay, read by shape and position on
// level and skewed pages alike: a dot on the axis of a stem below it (i, j), one on the baseline
// just after a letter (full stop), one under a stroke that ends above the baseline (exclamation
// and question marks, full-width too), dots that continue those (colon, ellipsis), like dots
// evenly spaced in a row (ellipsis, leaders), and a colon or semicolon set mid-line beside a
// letter (as CJK text sets them), each about as thick as the strokes beside it. A speck merely
// near a letter goes. Returns the number of dots removed.
int RemoveDots(Image& page, int flags, int minWidth, int minHeight, int maxWidth, int maxHeight);

// Clears black borders on the sides of sideMask (kBorderLeft | ...). On each side the border is
// searched at most borderPercent % of the page into it; white gaps up to whiteNoiseLength pixels
// inside the border do not end it, though where the border is joined to black at the page's edges
// the black beyond such a gap counts only if it is joined too (a footer or a page number close
// to the paper's edge stays); with kBorderUseVariance its inner edge may leave the median
// edge of the neighbouring rows by at most variance pixels, so text near a border is not eaten,
// and a shape beyond a white gap that this limit would cut (a punch hole) is left whole. A
// border parted from the edge by white that a turn of the page brought in is still a border
// where it is joined to black at the page's edges. Every side is measured on the page as it
// came, then all are cleared.
void RemoveBorders(Image& page, int flags, int sideMask, int borderPercent, int whiteNoiseLength, int variance);

// Removes straight lines in one direction (kLineHorizontal or kLineVertical) at least minLength
// long and at most maxWidth thick. Strokes crossing a line that reach wallHeight beyond it are
// walls: a line with more than maxWallPercent % of its length in walls is not removed. With
// kLineUseVariance the line may drift sideways by variance pixels, with kLineUseGap gaps up to
// maxGap belong to it; kLineRemoveEntire removes it under walls too, bridging the strokes that
// cross it, otherwise it stays under walls. Returns the number of lines removed.
int RemoveLines(Image& page, int flags, int minLength, int maxWidth, int wallHeight, int maxWallPercent,
                int variance, int maxGap, int direction);

// Removes round black hole punches. With kHolePunchUseLocation only the margin of side
// (kHolePunchLeft ... kHolePunchBottom) is searched, otherwise the whole page; with
// kHolePunchUseSize their width and height must lie in the ranges; with kHolePunchUseCount none
// is removed unless minCount ... maxCount were found. Returns the number removed.
int RemoveHolePunches(Image& page, int flags, int minCount, int maxCount, int minWidth, int minHeight,
                      int maxWidth, int maxHeight, int side);

}  // namespace scanvo::engine::ops
