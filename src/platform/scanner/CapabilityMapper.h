#pragma once
// CapabilityMapper: turns the TWAIN capabilities the scan job sends into a device's options:
// feeder and duplex into its scan source, pixel type into scan mode and bit depth, resolutions
// into its resolution options, paper size and orientation into the scan area.
// One mapper per opened device; it remembers what it was told, since the scan area depends on
// both size and orientation and the source on both feeder and duplex. It keeps the device's
// options once read, updating the values it writes, and reads them again only after a write that
// changed other options, or after forgetOptions.

#include "platform/scanner/DeviceOption.h"

#include <QString>

#include <optional>
#include <utility>

namespace scanvo::scanner {

enum class SourceKind { Flatbed, Feeder, Duplex };

// What kind of scan source a value of the device's "source" option names.
SourceKind ClassifySource(const QString& value);

// The resolution a page scanned with these option values has, in dots per inch (0 if unknown).
std::pair<int, int> PageResolution(const QList<DeviceOption>& options);

// True when the device's current scan source is a document feeder.
bool FeederSelected(const QList<DeviceOption>& options);

class CapabilityMapper {
public:
    explicit CapabilityMapper(OptionAccess& device) : m_device(device) {}

    // A ResultCode: 0, ResultCapUnsupported, ResultValueAdjusted, or a failure.
    int set(int capability, int itemType, double value);

    // True when the device has no black-and-white mode of its own and its grey pages must be
    // thresholded to give the black-and-white pages that were asked for.
    bool thresholdPages() const { return m_thresholdPages; }

    // The options read so far may have been changed behind the mapper's back (the device dialog).
    void forgetOptions() { m_options.reset(); }

private:
    int setFeeder(bool on);
    int setDuplex(bool on);
    int setPixelType(int type);
    int setResolution(const char* axisOption, double dpi);
    int setSize(int code);
    int setOrientation(int code);
    int applySource();
    int applyScanArea();
    int setNumber(const QString& name, double wanted, double* taken = nullptr);
    int setDepthIfOffered(int depth);
    const QList<DeviceOption>& deviceOptions();
    int write(const QString& name, const QVariant& value);

    OptionAccess& m_device;
    bool m_feeder = false;
    bool m_duplex = false;
    std::optional<int> m_sizeCode;
    int m_orientation = 0;
    bool m_thresholdPages = false;
    std::optional<QList<DeviceOption>> m_options;
};

}  // namespace scanvo::scanner
