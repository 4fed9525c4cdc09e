#pragma once
// From the Save settings and a page to what the engine is asked to write: format code, bit depth
// and quality factor.

#include "core/ControlState.h"

#include <QString>
#include <QtGlobal>

namespace scanvo {

// Quality factor of a custom quality 1..100: 250 - 2.5 x value, halves to even (100 gives 0, 50
// gives 125, 1 gives 248), kept inside the engine's 0..255.
qint16 CustomQualityFactor(qint16 value);
// Quality factor of a preset (0 best 15, 1 good 130, 2 smallest 245, 3 custom on customValue);
// fallback for any other preset.
qint16 PresetQualityFactor(qint16 preset, qint16 customValue, qint16 fallback);

// Quality factor the Save settings give a format code: JPEG files follow Save.JpgQuality, JPEG in
// TIFF Save.Tif2Quality; every other code gets 128.
qint16 QualityFactorFor(int formatCode);

// Format codes selected by each compression setting; 0 for a value outside its range.
int Tif1FormatCode(qint16 setting);
int Tif2FormatCode(qint16 setting);
int JpgFormatCode(qint16 setting);

// Format code for writing a new file of the open document: bits 1 always Save.Tif1Compress;
// otherwise TIFF documents Save.Tif2Compress, JPEG documents Save.JpgCompress, and mixed or empty
// documents by the target's extension ("jpg" or "tif", any case). 0 when no rule applies.
int ChooseFileFormat(const ControlProperties& props, int bits, const QString& extension);

// m_SaveFormat, m_SaveBits and m_SaveQuality for the page just placed in mtMain, by its depth and
// m_ScanDocType.
void PrepareAcquiredSave(ControlState& state);
// The same for an acquired page of the given depth (1, 8 or 24), wherever it is.
void PrepareAcquiredSave(ControlState& state, int depth);

}  // namespace scanvo
