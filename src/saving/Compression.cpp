// Format codes and quality factors.
#include "saving/Compression.h"

#include "core/DocumentType.h"
#include "platform/engine/ImageViewer.h"
#include "settings/Settings.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace scanvo {

namespace {

constexpr qint16 kNoPresetFactor = 128;
constexpr qint16 kCustomPreset = 3;
constexpr std::array<qint16, 3> kPresetFactors = {15, 130, 245};

constexpr std::array<int, 5> kTif1Codes = {29, 28, 27, 25, 17};
constexpr std::array<int, 5> kTif2Codes = {3, 11, 24, 22, 17};
constexpr std::array<int, 3> kJpgCodes = {10, 23, 21};
constexpr std::array<int, 3> kJpegFileCodes = {23, 10, 21};
constexpr std::array<int, 3> kJpegInTiffCodes = {24, 11, 22};

template <std::size_t N>
int CodeAt(const std::array<int, N>& codes, qint16 setting)
{
    return setting >= 0 && setting < static_cast<int>(N) ? codes[setting] : 0;
}

template <std::size_t N>
bool IsOneOf(const std::array<int, N>& codes, int code)
{
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

bool IsTiffDocument(qint16 docType)
{
    return docType == DocTypeMultiPageTiff || docType == DocTypeSinglePageTiff;
}

}  // namespace

qint16 CustomQualityFactor(qint16 value)
{
    // Computed wide: a stored value far outside 1..100 must not overflow, and the engine only
    // takes factors 0..255.
    const double factor = std::nearbyint(250.0 - static_cast<double>(value) * 5.0 / 2.0);
    return static_cast<qint16>(std::clamp(factor, 0.0, 255.0));
}

qint16 PresetQualityFactor(qint16 preset, qint16 customValue, qint16 fallback)
{
    if (preset >= 0 && preset < static_cast<int>(kPresetFactors.size()))
        return kPresetFactors[preset];
    if (preset == kCustomPreset)
        return CustomQualityFactor(customValue);
    return fallback;
}

qint16 QualityFactorFor(int formatCode)
{
    const auto& save = g_Settings.Save;
    if (IsOneOf(kJpegFileCodes, formatCode))
        return PresetQualityFactor(save.JpgQuality, save.JpgQualityValue, kNoPresetFactor);
    if (IsOneOf(kJpegInTiffCodes, formatCode))
        return PresetQualityFactor(save.Tif2Quality, save.Tif2QualityValue, kNoPresetFactor);
    return kNoPresetFactor;
}

int Tif1FormatCode(qint16 setting)
{
    return CodeAt(kTif1Codes, setting);
}

int Tif2FormatCode(qint16 setting)
{
    return CodeAt(kTif2Codes, setting);
}

int JpgFormatCode(qint16 setting)
{
    return CodeAt(kJpgCodes, setting);
}

int ChooseFileFormat(const ControlProperties& props, int bits, const QString& extension)
{
    const auto& save = g_Settings.Save;
    if (bits == 1)
        return Tif1FormatCode(save.Tif1Compress);
    if (IsTiffDocument(props.m_DocType))
        return Tif2FormatCode(save.Tif2Compress);
    if (props.m_DocType == DocTypeSinglePageJpeg)
        return JpgFormatCode(save.JpgCompress);
    if (props.m_DocType == DocTypeAllImages || props.m_DocType == DocTypeDetect) {
        if (extension.compare(QLatin1String("jpg"), Qt::CaseInsensitive) == 0)
            return JpgFormatCode(save.JpgCompress);
        if (extension.compare(QLatin1String("tif"), Qt::CaseInsensitive) == 0)
            return Tif2FormatCode(save.Tif2Compress);
    }
    return 0;
}

void PrepareAcquiredSave(ControlState& state)
{
    if (!state.widgets.mtMain->hasImage())
        return;
    PrepareAcquiredSave(state, state.widgets.mtMain->shownImage().depth());
}

void PrepareAcquiredSave(ControlState& state, int depth)
{
    const auto& save = g_Settings.Save;
    if (depth == 1) {
        state.scan.m_SaveFormat = static_cast<qint16>(Tif1FormatCode(save.Tif1Compress));
        state.scan.m_SaveQuality = kNoPresetFactor;
        state.scan.m_SaveBits = 1;
        return;
    }
    if (IsTiffDocument(state.scan.m_ScanDocType)) {
        state.scan.m_SaveFormat = static_cast<qint16>(Tif2FormatCode(save.Tif2Compress));
        state.scan.m_SaveQuality = PresetQualityFactor(save.Tif2Quality, save.Tif2QualityValue, state.scan.m_SaveQuality);
    } else if (state.scan.m_ScanDocType == DocTypeSinglePageJpeg) {
        state.scan.m_SaveFormat = static_cast<qint16>(JpgFormatCode(save.JpgCompress));
        state.scan.m_SaveQuality = PresetQualityFactor(save.JpgQuality, save.JpgQualityValue, state.scan.m_SaveQuality);
    }
    state.scan.m_SaveBits = depth >= 2 && depth <= 8 ? 8 : 24;
}

}  // namespace scanvo
