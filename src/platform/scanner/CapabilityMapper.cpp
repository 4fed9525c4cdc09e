#include "platform/scanner/CapabilityMapper.h"

#include "platform/scanner/ScannerSource.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace scanvo::scanner {

namespace {

struct CapabilityItem {
    int capability;
    int itemType;
};

constexpr std::array<CapabilityItem, 7> kCapabilityItems{{
    {CapFeederEnabled, ItemBool},
    {CapDuplexEnabled, ItemBool},
    {CapPixelType, ItemUInt16},
    {CapXResolution, ItemFix32},
    {CapYResolution, ItemFix32},
    {CapSupportedSizes, ItemUInt16},
    {CapOrientation, ItemUInt16},
}};

// Paper sizes by their TWAIN code, portrait, in millimetres. Code 0 means the whole scan area.
struct PaperSize {
    int code;
    double widthMm;
    double heightMm;
};

constexpr std::array<PaperSize, 3> kPaperSizes{{
    {1, 210.0, 297.0},   // A4
    {5, 176.0, 250.0},   // B5
    {11, 297.0, 420.0},  // A3
}};

// Orientations that turn the sheet a quarter (TWOR_ROT90, TWOR_LANDSCAPE).
constexpr std::array<int, 2> kQuarterTurnOrientations{1, 3};
constexpr int kLastOrientation = 3;

constexpr const char* kSourceOption = "source";
constexpr const char* kModeOption = "mode";
constexpr const char* kDepthOption = "depth";
constexpr const char* kDuplexOption = "duplex";
constexpr const char* kResolutionOption = "resolution";
constexpr const char* kXResolutionOption = "x-resolution";
constexpr const char* kYResolutionOption = "y-resolution";
constexpr std::array<const char*, 4> kAreaOptions{"tl-x", "tl-y", "br-x", "br-y"};

constexpr std::array<const char*, 4> kLineArtModes{"lineart", "line art", "binary", "black"};
constexpr std::array<const char*, 2> kGreyModes{"gray", "grey"};
constexpr std::array<const char*, 2> kColourModes{"color", "colour"};

template <std::size_t N>
bool ContainsAny(const QString& text, const std::array<const char*, N>& needles)
{
    return std::any_of(needles.begin(), needles.end(), [&text](const char* needle) {
        return text.contains(QLatin1String(needle), Qt::CaseInsensitive);
    });
}

template <std::size_t N>
QString FirstMatching(const QStringList& values, const std::array<const char*, N>& needles)
{
    for (const QString& value : values)
        if (ContainsAny(value, needles))
            return value;
    return {};
}

// Several steps of one capability: the first failure wins, otherwise any adjustment shows.
int Combine(int first, int second)
{
    if (!IsCapabilitySuccess(first))
        return first;
    if (!IsCapabilitySuccess(second))
        return second;
    if (first == ResultValueAdjusted || second == ResultValueAdjusted)
        return ResultValueAdjusted;
    return std::max(first, second);
}

bool IsWritableChoice(const DeviceOption* option)
{
    return option && option->isWritableScalar() && option->type == OptionType::String &&
           option->constraint == OptionConstraint::StringList && !option->strings.isEmpty();
}

bool IsWritableNumber(const DeviceOption* option)
{
    return option && option->isWritableScalar() && option->isNumeric();
}

const DeviceOption* ActiveOption(const QList<DeviceOption>& options, const char* name)
{
    const DeviceOption* option = FindOption(options, QLatin1String(name));
    return option && option->active ? option : nullptr;
}

// The option that sets one axis' resolution: its own option where the device has one.
const DeviceOption* ResolutionOption(const QList<DeviceOption>& options, const char* axisOption)
{
    if (const DeviceOption* axis = ActiveOption(options, axisOption))
        return axis;
    return ActiveOption(options, kResolutionOption);
}

bool IsWhole(double value)
{
    return std::isfinite(value) && value == std::floor(value);
}

}  // namespace

SourceKind ClassifySource(const QString& value)
{
    if (value.contains(QLatin1String("duplex"), Qt::CaseInsensitive))
        return SourceKind::Duplex;
    static constexpr std::array<const char*, 3> kFeederWords{"adf", "feeder", "automatic document"};
    return ContainsAny(value, kFeederWords) ? SourceKind::Feeder : SourceKind::Flatbed;
}

std::pair<int, int> PageResolution(const QList<DeviceOption>& options)
{
    auto dpi = [&options](const char* axisOption) {
        const DeviceOption* option = ResolutionOption(options, axisOption);
        return option && option->value.isValid() ? static_cast<int>(std::lround(option->value.toDouble())) : 0;
    };
    return {dpi(kXResolutionOption), dpi(kYResolutionOption)};
}

bool FeederSelected(const QList<DeviceOption>& options)
{
    const DeviceOption* source = ActiveOption(options, kSourceOption);
    return source && source->value.isValid() && ClassifySource(source->value.toString()) != SourceKind::Flatbed;
}

int CapabilityMapper::set(int capability, int itemType, double value)
{
    auto item = std::find_if(kCapabilityItems.begin(), kCapabilityItems.end(),
                             [capability](const CapabilityItem& i) { return i.capability == capability; });
    if (item == kCapabilityItems.end())
        return ResultCapUnsupported;
    if (item->itemType != itemType)
        return ResultBadValue;
    if (std::isnan(value))
        return ResultSuccess;

    switch (capability) {
    case CapFeederEnabled:
        return setFeeder(value != 0);
    case CapDuplexEnabled:
        return setDuplex(value != 0);
    case CapXResolution:
        return setResolution(kXResolutionOption, value);
    case CapYResolution:
        return setResolution(kYResolutionOption, value);
    default:
        break;
    }
    // The remaining capabilities take small whole codes.
    if (!IsWhole(value) || value < 0 || value > 0xFFFF)
        return ResultBadValue;
    const int code = static_cast<int>(value);
    switch (capability) {
    case CapPixelType:
        return setPixelType(code);
    case CapSupportedSizes:
        return setSize(code);
    case CapOrientation:
        return setOrientation(code);
    default:
        return ResultCapUnsupported;
    }
}

int CapabilityMapper::setFeeder(bool on)
{
    const QList<DeviceOption> options = deviceOptions();
    const DeviceOption* source = FindOption(options, QLatin1String(kSourceOption));
    if (!IsWritableChoice(source))
        return ResultCapUnsupported;
    const bool hasFeeder = std::any_of(source->strings.begin(), source->strings.end(),
                                       [](const QString& s) { return ClassifySource(s) != SourceKind::Flatbed; });
    if (!hasFeeder)
        return ResultCapUnsupported;
    m_feeder = on;
    return applySource();
}

int CapabilityMapper::setDuplex(bool on)
{
    const QList<DeviceOption> options = deviceOptions();
    const DeviceOption* source = FindOption(options, QLatin1String(kSourceOption));
    if (IsWritableChoice(source) && std::any_of(source->strings.begin(), source->strings.end(), [](const QString& s) {
            return ClassifySource(s) == SourceKind::Duplex;
        })) {
        m_duplex = on;
        return applySource();
    }
    // Some devices keep duplex as a switch beside a feeder source.
    const DeviceOption* duplex = FindOption(options, QLatin1String(kDuplexOption));
    if (duplex && duplex->isWritableScalar() && duplex->type == OptionType::Bool) {
        m_duplex = on;
        return write(QLatin1String(kDuplexOption), on);
    }
    return ResultCapUnsupported;
}

int CapabilityMapper::applySource()
{
    const QList<DeviceOption> options = deviceOptions();
    const DeviceOption* source = FindOption(options, QLatin1String(kSourceOption));
    if (!IsWritableChoice(source))
        return ResultCapUnsupported;
    auto firstOf = [source](SourceKind kind) {
        for (const QString& value : source->strings)
            if (ClassifySource(value) == kind)
                return value;
        return QString();
    };
    QString wanted;
    if (m_duplex)
        wanted = firstOf(SourceKind::Duplex);
    if (wanted.isEmpty() && m_feeder)
        wanted = firstOf(SourceKind::Feeder);
    if (wanted.isEmpty() && !m_feeder)
        wanted = firstOf(SourceKind::Flatbed);
    if (wanted.isEmpty())
        return ResultValueAdjusted;  // e.g. flatbed asked of a feeder-only device: it stays as it is
    if (source->value.toString() == wanted)
        return ResultSuccess;
    return write(QLatin1String(kSourceOption), wanted);
}

int CapabilityMapper::setPixelType(int type)
{
    if (type != PixelBlackWhite && type != PixelGrey && type != PixelColour)
        return ResultBadValue;
    const QList<DeviceOption> options = deviceOptions();
    const DeviceOption* mode = FindOption(options, QLatin1String(kModeOption));
    if (!IsWritableChoice(mode))
        return ResultCapUnsupported;

    const QString lineArt = FirstMatching(mode->strings, kLineArtModes);
    const QString grey = FirstMatching(mode->strings, kGreyModes);
    const QString colour = FirstMatching(mode->strings, kColourModes);
    m_thresholdPages = false;
    // Eight bits where the device lets us choose; sixteen-bit samples are reduced when read.
    auto eightBit = [this] {
        const int result = setDepthIfOffered(8);
        return result == ResultCapUnsupported ? ResultSuccess : result;
    };

    if (type == PixelBlackWhite && !lineArt.isEmpty())
        return write(QLatin1String(kModeOption), lineArt);
    if (type == PixelColour) {
        if (colour.isEmpty())
            return ResultCapUnsupported;
        const int result = write(QLatin1String(kModeOption), colour);
        return IsCapabilitySuccess(result) ? Combine(result, eightBit()) : result;
    }
    if (grey.isEmpty())
        return ResultCapUnsupported;
    int result = write(QLatin1String(kModeOption), grey);
    if (!IsCapabilitySuccess(result))
        return result;
    if (type == PixelGrey)
        return Combine(result, eightBit());
    // Black and white on a device without a line-art mode: grey at one bit where it offers that,
    // otherwise grey pages thresholded here.
    const int oneBit = setDepthIfOffered(1);
    if (oneBit != ResultCapUnsupported)
        return Combine(result, oneBit);
    m_thresholdPages = true;
    return Combine(result, eightBit());
}

// Sets the bit depth when the device offers exactly that depth; ResultCapUnsupported otherwise.
int CapabilityMapper::setDepthIfOffered(int depth)
{
    const QList<DeviceOption> options = deviceOptions();
    const DeviceOption* option = FindOption(options, QLatin1String(kDepthOption));
    if (!IsWritableNumber(option) || NearestAllowedValue(*option, depth) != depth)
        return ResultCapUnsupported;
    if (option->value.isValid() && option->value.toDouble() == depth)
        return ResultSuccess;
    return write(QLatin1String(kDepthOption), double(depth));
}

int CapabilityMapper::setResolution(const char* axisOption, double dpi)
{
    if (!std::isfinite(dpi) || dpi <= 0)
        return ResultBadValue;
    const QList<DeviceOption> options = deviceOptions();
    const DeviceOption* option = ResolutionOption(options, axisOption);
    if (!IsWritableNumber(option))
        return ResultCapUnsupported;
    return setNumber(option->name, dpi);
}

int CapabilityMapper::setSize(int code)
{
    if (code != 0 && std::none_of(kPaperSizes.begin(), kPaperSizes.end(),
                                  [code](const PaperSize& size) { return size.code == code; }))
        return ResultBadValue;
    m_sizeCode = code;
    return applyScanArea();
}

int CapabilityMapper::setOrientation(int code)
{
    if (code > kLastOrientation)
        return ResultBadValue;
    m_orientation = code;
    // Without a paper size there is no area to turn yet; the size applies it later.
    return m_sizeCode ? applyScanArea() : ResultSuccess;
}

int CapabilityMapper::applyScanArea()
{
    const QList<DeviceOption> options = deviceOptions();
    for (const char* name : kAreaOptions) {
        const DeviceOption* option = FindOption(options, QLatin1String(name));
        if (!IsWritableNumber(option) || option->unit != OptionUnit::Mm)
            return ResultCapUnsupported;
    }
    const DeviceOption& brX = *FindOption(options, QLatin1String("br-x"));
    const DeviceOption& brY = *FindOption(options, QLatin1String("br-y"));

    // The top-left corner goes to the origin first, so the bottom-right corner never lies before it.
    double left = 0;
    double top = 0;
    int result = setNumber(QLatin1String("tl-x"), 0, &left);
    result = Combine(result, setNumber(QLatin1String("tl-y"), 0, &top));
    if (!IsCapabilitySuccess(result))
        return result;

    double width = brX.max - left;
    double height = brY.max - top;
    if (*m_sizeCode != 0) {
        const PaperSize& size = *std::find_if(kPaperSizes.begin(), kPaperSizes.end(),
                                              [this](const PaperSize& s) { return s.code == *m_sizeCode; });
        const bool turned = std::find(kQuarterTurnOrientations.begin(), kQuarterTurnOrientations.end(),
                                      m_orientation) != kQuarterTurnOrientations.end();
        width = turned ? size.heightMm : size.widthMm;
        height = turned ? size.widthMm : size.heightMm;
    }
    if (!IsCapabilitySuccess(result))
        return result;
    result = Combine(result, setNumber(QLatin1String("br-x"), left + width));
    if (!IsCapabilitySuccess(result))
        return result;
    return Combine(result, setNumber(QLatin1String("br-y"), top + height));
}

// Writes a numeric option, first bringing the value into the option's constraint; a value that had
// to be moved there counts as adjusted.
int CapabilityMapper::setNumber(const QString& name, double wanted, double* taken)
{
    const QList<DeviceOption> options = deviceOptions();
    const DeviceOption* option = FindOption(options, name);
    if (!IsWritableNumber(option))
        return ResultCapUnsupported;
    const double allowed = NearestAllowedValue(*option, wanted);
    if (taken)
        *taken = allowed;
    const int result = write(name, allowed);
    const bool moved = std::abs(allowed - wanted) > 1e-6;
    return moved ? Combine(result, ResultValueAdjusted) : result;
}

const QList<DeviceOption>& CapabilityMapper::deviceOptions()
{
    // A device without options is one the helper failed to ask: asked again next time.
    if (!m_options || m_options->isEmpty())
        m_options = m_device.options();
    return *m_options;
}

int CapabilityMapper::write(const QString& name, const QVariant& value)
{
    bool reload = false;
    const int result = m_device.setOption(name, value, &reload);
    if (reload || result != ResultSuccess) {
        // Other options changed, the device took another value, or the write failed part-way.
        m_options.reset();
        return result;
    }
    if (m_options) {
        for (DeviceOption& option : *m_options) {
            if (option.name == name) {
                option.value = option.type == OptionType::Int ? QVariant(double(std::lround(value.toDouble()))) : value;
                break;
            }
        }
    }
    return result;
}

}  // namespace scanvo::scanner
