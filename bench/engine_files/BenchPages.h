#pragma once
// Inputs of the page file benchmarks: A4 300 dpi pages drawn with QPainter, and a long G4 file
// written page by page without rewriting it for each page.

#include "platform/engine/Image.h"

#include <QString>

namespace enginebench {

constexpr int kA4Width = 2480;
constexpr int kA4Height = 3508;

// A text page at 300 dpi; colour adds a photo-like area.
scanvo::engine::Image A4Page(int label, bool colour);
// Writes count bitonal A4 pages coded as G4 to path (pages cycle through a few drawings).
void WriteG4Document(const QString& path, int count);
// Starts the offscreen Qt platform that drawing text needs.
void InitPainting(int& argc, char** argv);
// The main program of a page file benchmark: starts painting, has makeInputs make every input
// before any timing starts, then runs the registered benchmarks.
int RunPageBenchmarks(int argc, char** argv, void (*makeInputs)());

}  // namespace enginebench
