// TWAIN capabilities turned into the options of devices unlike the virtual test device.
#include "platform/scanner/CapabilityMapper.h"

#include "FakeDevice.h"

#include <gtest/gtest.h>

using namespace scanvo::scanner;
using namespace scanvo::scanner::testing;

namespace {

QList<DeviceOption> AreaOptions(double width, double height)
{
    return {Range("tl-x", OptionType::Fixed, 0, width, 0, 0, OptionUnit::Mm),
            Range("tl-y", OptionType::Fixed, 0, height, 0, 0, OptionUnit::Mm),
            Range("br-x", OptionType::Fixed, 0, width, 0, width, OptionUnit::Mm),
            Range("br-y", OptionType::Fixed, 0, height, 0, height, OptionUnit::Mm)};
}

// A flatbed with a feeder that can turn pages: line art, fixed-point resolutions per axis.
FakeDevice OfficeScanner()
{
    QList<DeviceOption> options{
        Choice("source", {"Flatbed", "ADF Front", "ADF Back", "ADF Duplex"}, "Flatbed"),
        Choice("mode", {"Lineart", "Halftone", "Gray", "Color"}, "Color"),
        Range("depth", OptionType::Int, 1, 16, 0, 8),
        Range("x-resolution", OptionType::Fixed, 75, 1200, 0.5, 300, OptionUnit::Dpi),
        Range("y-resolution", OptionType::Fixed, 75, 1200, 0.5, 300, OptionUnit::Dpi),
    };
    options += AreaOptions(215.9, 355.6);
    return FakeDevice(options);
}

// A sheet feeder only, duplex as a switch, no line art, no bit depth, resolutions from a list.
FakeDevice SheetFeeder()
{
    QList<DeviceOption> options{
        Choice("source", {"Automatic Document Feeder"}, "Automatic Document Feeder"),
        Switch("duplex", false),
        Choice("mode", {"Gray", "Color"}, "Gray"),
        Words("resolution", {100, 200, 300, 600}, 200),
    };
    return FakeDevice(options);
}

int Set(CapabilityMapper& mapper, int capability, double value)
{
    const int itemType = capability == CapFeederEnabled || capability == CapDuplexEnabled ? ItemBool
                         : capability == CapXResolution || capability == CapYResolution ? ItemFix32
                                                                                          : ItemUInt16;
    return mapper.set(capability, itemType, value);
}

TEST(CapabilityMapperTest, FeederAndDuplexChooseTheScanSource)
{
    FakeDevice device = OfficeScanner();
    CapabilityMapper mapper(device);
    EXPECT_EQ(Set(mapper, CapFeederEnabled, 1), ResultSuccess);
    EXPECT_EQ(device.value("source"), "ADF Front");
    EXPECT_TRUE(FeederSelected(device.options()));
    EXPECT_EQ(Set(mapper, CapDuplexEnabled, 1), ResultSuccess);
    EXPECT_EQ(device.value("source"), "ADF Duplex");
    EXPECT_EQ(Set(mapper, CapDuplexEnabled, 0), ResultSuccess);
    EXPECT_EQ(device.value("source"), "ADF Front");
    EXPECT_EQ(Set(mapper, CapFeederEnabled, 0), ResultSuccess);
    EXPECT_EQ(device.value("source"), "Flatbed");
    EXPECT_FALSE(FeederSelected(device.options()));
}

TEST(CapabilityMapperTest, SheetFeederKeepsItsFeederAndSwitchesDuplex)
{
    FakeDevice device = SheetFeeder();
    CapabilityMapper mapper(device);
    // No flatbed to go to: the device stays as it is, which still counts as success.
    EXPECT_EQ(Set(mapper, CapFeederEnabled, 0), ResultValueAdjusted);
    EXPECT_EQ(device.value("source"), "Automatic Document Feeder");
    EXPECT_EQ(Set(mapper, CapDuplexEnabled, 1), ResultSuccess);
    EXPECT_EQ(device.value("duplex"), true);
}

TEST(CapabilityMapperTest, DevicesWithoutTheOptionAnswerUnsupported)
{
    FakeDevice device({Words("resolution", {300}, 300)});
    CapabilityMapper mapper(device);
    EXPECT_EQ(Set(mapper, CapFeederEnabled, 1), ResultCapUnsupported);
    EXPECT_EQ(Set(mapper, CapDuplexEnabled, 0), ResultCapUnsupported);
    EXPECT_EQ(Set(mapper, CapPixelType, 1), ResultCapUnsupported);
    EXPECT_EQ(Set(mapper, CapSupportedSizes, 1), ResultCapUnsupported);
    EXPECT_TRUE(device.writes.isEmpty());
}

TEST(CapabilityMapperTest, PixelTypesPickModeAndDepth)
{
    FakeDevice office = OfficeScanner();
    CapabilityMapper officeMapper(office);
    EXPECT_EQ(Set(officeMapper, CapPixelType, PixelBlackWhite), ResultSuccess);
    EXPECT_EQ(office.value("mode"), "Lineart");
    EXPECT_FALSE(officeMapper.thresholdPages());
    // A write the mapper did not make, as the device dialog's, is seen once it is told to forget.
    office.setOption("depth", 16.0);
    officeMapper.forgetOptions();
    EXPECT_EQ(Set(officeMapper, CapPixelType, PixelGrey), ResultSuccess);
    EXPECT_EQ(office.value("mode"), "Gray");
    EXPECT_EQ(office.value("depth").toDouble(), 8);
    EXPECT_EQ(Set(officeMapper, CapPixelType, PixelColour), ResultSuccess);
    EXPECT_EQ(office.value("mode"), "Color");

    // No line art and no depth to choose: grey pages are thresholded instead.
    FakeDevice feeder = SheetFeeder();
    CapabilityMapper feederMapper(feeder);
    EXPECT_EQ(Set(feederMapper, CapPixelType, PixelColour), ResultSuccess);
    EXPECT_EQ(Set(feederMapper, CapPixelType, PixelBlackWhite), ResultSuccess);
    EXPECT_EQ(feeder.value("mode"), "Gray");
    EXPECT_TRUE(feederMapper.thresholdPages());
    EXPECT_EQ(Set(feederMapper, CapPixelType, PixelGrey), ResultSuccess);
    EXPECT_FALSE(feederMapper.thresholdPages());
}

TEST(CapabilityMapperTest, ResolutionsGoToTheirAxisAndToTheNearestAllowedValue)
{
    FakeDevice office = OfficeScanner();
    CapabilityMapper officeMapper(office);
    EXPECT_EQ(Set(officeMapper, CapXResolution, 600), ResultSuccess);
    EXPECT_EQ(office.value("x-resolution").toDouble(), 600);
    EXPECT_EQ(office.value("y-resolution").toDouble(), 300);
    EXPECT_EQ(Set(officeMapper, CapYResolution, 50), ResultValueAdjusted);
    EXPECT_EQ(office.value("y-resolution").toDouble(), 75);
    EXPECT_EQ(PageResolution(office.options()), std::make_pair(600, 75));
    // The device itself rounding is an adjustment too.
    office.inexact.insert("x-resolution");
    EXPECT_EQ(Set(officeMapper, CapXResolution, 400), ResultValueAdjusted);

    FakeDevice feeder = SheetFeeder();
    CapabilityMapper feederMapper(feeder);
    EXPECT_EQ(Set(feederMapper, CapXResolution, 400), ResultValueAdjusted);
    EXPECT_EQ(feeder.value("resolution").toDouble(), 300);
    EXPECT_EQ(Set(feederMapper, CapYResolution, 600), ResultSuccess);
    EXPECT_EQ(PageResolution(feeder.options()), std::make_pair(600, 600));
}

TEST(CapabilityMapperTest, PaperSizeAndOrientationSetTheAreaClippedToTheDevice)
{
    FakeDevice device = OfficeScanner();
    CapabilityMapper mapper(device);
    auto area = [&device] {
        return std::array{device.value("tl-x").toDouble(), device.value("tl-y").toDouble(),
                          device.value("br-x").toDouble(), device.value("br-y").toDouble()};
    };
    // Orientation first: it waits for the size.
    EXPECT_EQ(Set(mapper, CapOrientation, 0), ResultSuccess);
    EXPECT_TRUE(device.writes.isEmpty());
    EXPECT_EQ(Set(mapper, CapSupportedSizes, 5), ResultSuccess);  // B5
    EXPECT_EQ(area(), (std::array{0.0, 0.0, 176.0, 250.0}));
    EXPECT_EQ(Set(mapper, CapOrientation, 3), ResultValueAdjusted);  // B5 landscape: 250 > 215.9
    EXPECT_EQ(area(), (std::array{0.0, 0.0, 215.9, 176.0}));
    EXPECT_EQ(Set(mapper, CapSupportedSizes, 1), ResultValueAdjusted);  // A4 landscape: 297 > 215.9
    EXPECT_EQ(area(), (std::array{0.0, 0.0, 215.9, 210.0}));
    EXPECT_EQ(Set(mapper, CapOrientation, 0), ResultSuccess);
    EXPECT_EQ(area(), (std::array{0.0, 0.0, 210.0, 297.0}));
    EXPECT_EQ(Set(mapper, CapSupportedSizes, 11), ResultValueAdjusted);  // A3
    EXPECT_EQ(area(), (std::array{0.0, 0.0, 215.9, 355.6}));
    EXPECT_EQ(Set(mapper, CapSupportedSizes, 0), ResultSuccess);  // the whole area
    EXPECT_EQ(area(), (std::array{0.0, 0.0, 215.9, 355.6}));

    EXPECT_EQ(Set(mapper, CapSupportedSizes, 2), ResultBadValue);
    EXPECT_EQ(Set(mapper, CapOrientation, 4), ResultBadValue);
    EXPECT_EQ(Set(mapper, CapPixelType, 1.5), ResultBadValue);
}

TEST(CapabilityMapperTest, AnAreaInPixelsIsNotMistakenForMillimetres)
{
    QList<DeviceOption> options = AreaOptions(2550, 3300);
    for (DeviceOption& option : options)
        option.unit = OptionUnit::Pixel;
    FakeDevice device(options);
    CapabilityMapper mapper(device);
    EXPECT_EQ(Set(mapper, CapSupportedSizes, 1), ResultCapUnsupported);
    EXPECT_TRUE(device.writes.isEmpty());
}

TEST(CapabilityMapperTest, OptionsAreReadOncePerJobAndAgainAfterAReload)
{
    // A device whose bit depth is offered only in grey: choosing the mode reloads the options.
    FakeDevice device = OfficeScanner();
    device.setOption("depth", 16.0);
    device.sideEffects.insert("mode", [](QList<DeviceOption>& options) {
        for (DeviceOption& option : options)
            if (option.name == "depth")
                option.active = FindOption(options, "mode")->value == "Gray";
    });
    device.setOption("mode", "Color");
    device.reads = 0;
    CapabilityMapper mapper(device);
    EXPECT_EQ(Set(mapper, CapFeederEnabled, 1), ResultSuccess);
    EXPECT_EQ(Set(mapper, CapXResolution, 300), ResultSuccess);
    EXPECT_EQ(Set(mapper, CapYResolution, 600), ResultSuccess);
    EXPECT_EQ(Set(mapper, CapSupportedSizes, 1), ResultSuccess);
    EXPECT_EQ(Set(mapper, CapOrientation, 0), ResultSuccess);
    EXPECT_EQ(device.reads, 1);
    EXPECT_EQ(device.value("source"), "ADF Front");
    EXPECT_EQ(device.value("y-resolution").toDouble(), 600);

    // Colour hides the depth, grey shows it again: the mapper sees both through the reloads.
    EXPECT_EQ(Set(mapper, CapPixelType, PixelColour), ResultSuccess);
    device.writes.clear();
    EXPECT_EQ(Set(mapper, CapPixelType, PixelGrey), ResultSuccess);
    EXPECT_EQ(device.value("mode"), "Gray");
    EXPECT_EQ(device.writes, (QStringList{"mode", "depth"}));
    EXPECT_EQ(device.value("depth").toDouble(), 8);
    EXPECT_EQ(device.reads, 3);

    // The values the mapper wrote stay known without reading: the source is not written again.
    device.writes.clear();
    EXPECT_EQ(Set(mapper, CapFeederEnabled, 1), ResultSuccess);
    EXPECT_TRUE(device.writes.isEmpty());
    EXPECT_EQ(device.reads, 3);
}

TEST(CapabilityMapperTest, SourceNamesAreClassified)
{
    EXPECT_EQ(ClassifySource("Flatbed"), SourceKind::Flatbed);
    EXPECT_EQ(ClassifySource("Transparency Adapter"), SourceKind::Flatbed);
    EXPECT_EQ(ClassifySource("Automatic Document Feeder"), SourceKind::Feeder);
    EXPECT_EQ(ClassifySource("ADF Front"), SourceKind::Feeder);
    EXPECT_EQ(ClassifySource("ADF Duplex"), SourceKind::Duplex);
}

TEST(CapabilityMapperTest, NearestAllowedValueStaysInsideTheRange)
{
    // 0..10 in steps of 4: 10 itself is not a step, and rounding it up to 12 would leave the range.
    const DeviceOption stepped = Range("x", OptionType::Fixed, 0, 10, 4, 0);
    EXPECT_DOUBLE_EQ(NearestAllowedValue(stepped, 10), 8);
    EXPECT_DOUBLE_EQ(NearestAllowedValue(stepped, 5), 4);
    EXPECT_DOUBLE_EQ(NearestAllowedValue(stepped, -5), 0);
    const DeviceOption words = Words("w", {100, 300, 600}, 300);
    EXPECT_DOUBLE_EQ(NearestAllowedValue(words, 1000), 600);
    EXPECT_DOUBLE_EQ(NearestAllowedValue(words, 180), 100);
}

}  // namespace
