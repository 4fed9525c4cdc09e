// The scripted source keeps a real source's rules, so scan-job tests cannot skip a step.
#include "platform/scanner/ScriptedScannerSource.h"

#include <gtest/gtest.h>

using namespace scanvo::scanner;
using scanvo::engine::Image;

namespace {

TEST(ScriptedScannerSourceTest, HandsOutQueuedPagesInOrderDuringAcquire)
{
    ScriptedScannerSource source;
    source.queuePages({Image::create(10, 20, 1), Image::create(30, 40, 8), Image::create(50, 60, 24)});
    source.queuePages({Image::create(5, 5, 8)}, ResultDeviceError);
    QList<int> widths;
    bool acquiring = false;
    bool allDuringAcquire = true;
    QObject::connect(&source, &ScannerSource::pageAcquired, [&](const Image& page) {
        widths.append(page.width());
        allDuringAcquire = allDuringAcquire && acquiring;
    });

    ASSERT_EQ(source.start(0, nullptr), ResultSuccess);
    EXPECT_EQ(source.acquire(AcquireNoUi), ResultNotEnabled);
    ASSERT_EQ(source.enableAcquisition(), ResultSuccess);
    acquiring = true;
    EXPECT_EQ(source.acquire(AcquireNoUi), ResultSuccess);
    acquiring = false;
    EXPECT_EQ(widths, (QList<int>{10, 30, 50}));
    EXPECT_TRUE(allDuringAcquire);

    // Pages delivered before a failure still arrive.
    ASSERT_EQ(source.enableAcquisition(), ResultSuccess);
    EXPECT_EQ(source.acquire(AcquireShowUi), ResultDeviceError);
    EXPECT_EQ(widths.size(), 4);
    // An empty script is an empty feeder.
    ASSERT_EQ(source.enableAcquisition(), ResultSuccess);
    EXPECT_EQ(source.acquire(AcquireNoUi), ResultNoDocuments);
    EXPECT_EQ(source.acquireFlags(), (QList<int>{AcquireNoUi, AcquireShowUi, AcquireNoUi}));
    EXPECT_EQ(source.enableCount(), 3);
}

TEST(ScriptedScannerSourceTest, RecordsCapabilitiesAndAnswersAsScripted)
{
    ScriptedScannerSource source;
    EXPECT_EQ(source.setCapability(CapPixelType, ItemUInt16, 1), ResultNotOpen);
    ASSERT_EQ(source.start(0, nullptr), ResultSuccess);
    source.setCapabilityAnswer(CapDuplexEnabled, ResultCapUnsupported);
    source.setCapabilityAnswer(CapXResolution, ResultBadValue);
    EXPECT_EQ(source.setCapability(CapDuplexEnabled, ItemBool, 1), ResultCapUnsupported);
    EXPECT_EQ(source.setCapability(CapXResolution, ItemFix32, 300), ResultBadValue);
    EXPECT_EQ(source.setCapability(CapOrientation, ItemUInt16, kNoValue), ResultSuccess);
    ASSERT_EQ(source.capabilityCalls().size(), 3);
    EXPECT_EQ(source.capabilityCalls()[1].capability, CapXResolution);
    EXPECT_EQ(source.capabilityCalls()[1].itemType, ItemFix32);
    EXPECT_EQ(source.capabilityCalls()[1].value, 300);
    EXPECT_TRUE(std::isnan(source.capabilityCalls()[2].value));
}

TEST(ScriptedScannerSourceTest, ListsAndSelectsScriptedSources)
{
    ScriptedScannerSource source;
    source.setSources({"alpha", "beta"}, "beta");
    EXPECT_EQ(source.sourceCount(), 0);  // not started
    ASSERT_EQ(source.start(0, nullptr), ResultSuccess);
    EXPECT_EQ(source.sourceCount(), 2);
    EXPECT_EQ(source.sourceName(1), "beta");
    EXPECT_EQ(source.defaultSource(), "beta");
    EXPECT_EQ(source.selectSource("gamma"), ResultNoSource);
    EXPECT_EQ(source.selectSource("alpha"), ResultSuccess);
    EXPECT_EQ(source.selectedSource(), "alpha");
    source.end();
    EXPECT_FALSE(source.isStarted());
    EXPECT_EQ(source.endCount(), 1);
    EXPECT_EQ(source.enableAcquisition(), ResultNotOpen);
}

}  // namespace
