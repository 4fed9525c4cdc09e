// The SANE source against the virtual test device (two devices, solid black pages, 300 mm area),
// through its helper process.
#include "platform/scanner/SaneScannerSource.h"

#include "SaneTestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>
#include <leptonica/allheaders.h>

#include <cmath>

using namespace scanvo::scanner;
using scanvo::scanner::testing::Choose;
using scanvo::scanner::testing::ShortLimits;
using scanvo::scanner::testing::UseTestDevice;
using scanvo::engine::Image;

namespace {

// Before any helper starts.
const bool kConfigured = [] {
    UseTestDevice();
    return true;
}();

constexpr double kMmPerInch = 25.4;

int PixelsFor(double mm, int dpi)
{
    return int(mm / kMmPerInch * dpi);
}

class SaneSourceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(kConfigured);
        // No test here waits for a helper to stall: the short stall limit is the fault tests'.
        // A machine busy building may keep a healthy helper from its next line for seconds.
        HelperLimits limits = ShortLimits();
        limits.readStallMs = 10'000;
        source.setLimits(limits);
        ASSERT_EQ(source.start(0, nullptr), ResultSuccess);
        ASSERT_EQ(source.selectSource(QStringLiteral("test:0")), ResultSuccess);
        QObject::connect(&source, &ScannerSource::pageAcquired, [this](const Image& page) {
            pages.append(page);
            pageThreads.append(QThread::currentThread());
            duringAcquire.append(acquiring);
        });
    }
    void TearDown() override { source.end(); }

    int set(int capability, int itemType, double value) { return source.setCapability(capability, itemType, value); }

    // A small scan area and resolution keep the jobs fast.
    void smallPages(int pixelType, int dpi = 25)
    {
        ASSERT_TRUE(IsCapabilitySuccess(set(CapPixelType, ItemUInt16, pixelType)));
        ASSERT_EQ(set(CapXResolution, ItemFix32, dpi), ResultSuccess);
        ASSERT_EQ(set(CapYResolution, ItemFix32, dpi), ResultSuccess);
        ASSERT_EQ(set(CapSupportedSizes, ItemUInt16, 5), ResultSuccess);  // B5
    }

    int acquire(int flags = AcquireNoUi)
    {
        EXPECT_EQ(source.enableAcquisition(), ResultSuccess);
        acquiring = true;
        const int result = source.acquire(flags);
        acquiring = false;
        return result;
    }

    SaneScannerSource source;
    QList<Image> pages;
    QList<QThread*> pageThreads;
    QList<bool> duringAcquire;
    bool acquiring = false;
};

TEST(SaneSourceListTest, ListsDevicesInOrderAndPicksTheDefault)
{
    ASSERT_TRUE(kConfigured);
    SaneScannerSource source;
    EXPECT_EQ(source.sourceCount(), 0);
    EXPECT_EQ(source.selectSource(QStringLiteral("test:0")), ResultNotOpen);
    ASSERT_EQ(source.start(0, nullptr), ResultSuccess);
    ASSERT_EQ(source.sourceCount(), 2);
    EXPECT_EQ(source.sourceName(0), QStringLiteral("test:0"));
    EXPECT_EQ(source.sourceName(1), QStringLiteral("test:1"));
    EXPECT_EQ(source.sourceName(2), QString());
    EXPECT_EQ(source.sourceName(-1), QString());
    EXPECT_EQ(source.defaultSource(), QStringLiteral("test:0"));

    qputenv("SCANVO_DEFAULT_SCANNER", "test:1");
    EXPECT_EQ(source.defaultSource(), QStringLiteral("test:1"));
    // A name that is not installed falls back to the first device.
    qputenv("SCANVO_DEFAULT_SCANNER", "no-such-scanner:7");
    EXPECT_EQ(source.defaultSource(), QStringLiteral("test:0"));
    qunsetenv("SCANVO_DEFAULT_SCANNER");

    EXPECT_EQ(source.selectSource(QStringLiteral("no-such-scanner:7")), ResultNoSource);
    EXPECT_EQ(source.selectSource(QStringLiteral("test:1")), ResultSuccess);
    source.end();
    EXPECT_EQ(source.sourceCount(), 0);
    EXPECT_EQ(source.enableAcquisition(), ResultNotOpen);
}

TEST(SaneSourceListTest, TwoConnectionsHaveTheirOwnHelpersAndStartAgainAfterTheyEnd)
{
    SaneScannerSource first;
    SaneScannerSource second;
    ASSERT_EQ(first.start(0, nullptr), ResultSuccess);
    ASSERT_EQ(second.start(0, nullptr), ResultSuccess);
    // Each has the device open in its own helper.
    ASSERT_EQ(first.selectSource(QStringLiteral("test:0")), ResultSuccess);
    ASSERT_EQ(second.selectSource(QStringLiteral("test:0")), ResultSuccess);
    first.end();
    // The other connection still works after one ends.
    EXPECT_EQ(second.sourceCount(), 2);
    EXPECT_EQ(second.selectSource(QStringLiteral("test:0")), ResultSuccess);
    second.end();

    ASSERT_EQ(first.start(0, nullptr), ResultSuccess);
    EXPECT_EQ(first.sourceCount(), 2);
    EXPECT_EQ(first.selectSource(QStringLiteral("test:1")), ResultSuccess);
    first.end();
}

TEST_F(SaneSourceTest, FeederJobDeliversTenPagesInOrderOnTheUiThreadWhileAcquireRuns)
{
    smallPages(PixelGrey);
    ASSERT_EQ(set(CapFeederEnabled, ItemBool, 1), ResultSuccess);
    ASSERT_EQ(acquire(), ResultSuccess);
    ASSERT_EQ(pages.size(), 10);
    for (qsizetype i = 0; i < pages.size(); ++i) {
        EXPECT_EQ(pageThreads[i], QApplication::instance()->thread()) << "page " << i;
        EXPECT_TRUE(duringAcquire[i]) << "page " << i;
        EXPECT_EQ(pages[i].depth(), 8);
    }

    // The feeder reports no documents once; the next job starts a new batch.
    pages.clear();
    ASSERT_EQ(acquire(), ResultSuccess);
    EXPECT_EQ(pages.size(), 10);
}

TEST_F(SaneSourceTest, AStopAskedForByThePageHandlerEndsTheFeederJobAfterThatPage)
{
    smallPages(PixelGrey);
    ASSERT_EQ(set(CapFeederEnabled, ItemBool, 1), ResultSuccess);
    QObject::connect(&source, &ScannerSource::pageAcquired, [this](const Image&) {
        if (pages.size() == 2)
            source.stopAcquisition();
    });
    ASSERT_EQ(acquire(), ResultSuccess);
    EXPECT_EQ(pages.size(), 2);
    // The device is back to idle: the next job runs (the feeder may go on or report its end).
    const int again = acquire();
    EXPECT_TRUE(again == ResultSuccess || again == ResultNoDocuments) << again;
}

TEST_F(SaneSourceTest, FlatbedJobDeliversOnePage)
{
    smallPages(PixelGrey);
    ASSERT_EQ(set(CapFeederEnabled, ItemBool, 1), ResultSuccess);
    ASSERT_EQ(set(CapFeederEnabled, ItemBool, 0), ResultSuccess);
    ASSERT_EQ(acquire(), ResultSuccess);
    EXPECT_EQ(pages.size(), 1);
}

TEST_F(SaneSourceTest, EventLoopKeepsRunningDuringAcquire)
{
    smallPages(PixelGrey);
    bool timerRanDuringAcquire = false;
    QTimer::singleShot(0, [&] { timerRanDuringAcquire = acquiring; });
    ASSERT_EQ(acquire(), ResultSuccess);
    EXPECT_TRUE(timerRanDuringAcquire);
}

TEST_F(SaneSourceTest, EachPixelTypeGivesItsDepthSizeAndResolution)
{
    struct Case {
        int pixelType;
        int depth;
        l_uint32 blackValue;  // what solid black reads as
    };
    const Case cases[] = {{PixelBlackWhite, 1, 1}, {PixelGrey, 8, 0}, {PixelColour, 24, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pixelType);
        pages.clear();
        smallPages(c.pixelType, 30);
        ASSERT_EQ(acquire(), ResultSuccess);
        ASSERT_EQ(pages.size(), 1);
        const Image& page = pages.front();
        EXPECT_EQ(page.depth(), c.depth);
        EXPECT_NEAR(page.width(), PixelsFor(176, 30), 1);
        EXPECT_NEAR(page.height(), PixelsFor(250, 30), 1);
        EXPECT_EQ(page.xResolution(), 30);
        EXPECT_EQ(page.yResolution(), 30);
        l_uint32 value = 99;
        ASSERT_EQ(pixGetPixel(page.pix(), page.width() / 2, page.height() / 2, &value), 0);
        EXPECT_EQ(value, c.blackValue);
    }
}

TEST_F(SaneSourceTest, PaperSizeAndOrientationSetTheScanArea)
{
    smallPages(PixelGrey, 20);
    ASSERT_EQ(set(CapSupportedSizes, ItemUInt16, 1), ResultSuccess);  // A4
    ASSERT_EQ(set(CapOrientation, ItemUInt16, 3), ResultSuccess);     // landscape
    ASSERT_EQ(acquire(), ResultSuccess);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_NEAR(pages[0].width(), PixelsFor(297, 20), 1);
    EXPECT_NEAR(pages[0].height(), PixelsFor(210, 20), 1);

    // A3 is taller than the device's 300 mm: clipped, and said so.
    pages.clear();
    ASSERT_EQ(set(CapOrientation, ItemUInt16, 0), ResultSuccess);
    EXPECT_EQ(set(CapSupportedSizes, ItemUInt16, 11), ResultValueAdjusted);
    ASSERT_EQ(acquire(), ResultSuccess);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_NEAR(pages[0].width(), PixelsFor(297, 20), 1);
    EXPECT_NEAR(pages[0].height(), PixelsFor(300, 20), 1);
}

TEST_F(SaneSourceTest, CapabilityAnswers)
{
    // The test device has no duplex source.
    EXPECT_EQ(set(CapDuplexEnabled, ItemBool, 1), ResultCapUnsupported);
    // Above its 600 dpi: the nearest it has.
    EXPECT_EQ(set(CapXResolution, ItemFix32, 1200), ResultValueAdjusted);
    EXPECT_EQ(set(CapYResolution, ItemFix32, 600), ResultSuccess);
    EXPECT_EQ(set(CapXResolution, ItemFix32, 150.4), ResultValueAdjusted);
    EXPECT_EQ(set(CapOrientation, ItemUInt16, 3), ResultSuccess);
    EXPECT_EQ(set(0x1234, ItemUInt16, 1), ResultCapUnsupported);
    // Sent without a value: accepted, nothing changes.
    EXPECT_EQ(set(CapSupportedSizes, ItemUInt16, kNoValue), ResultSuccess);

    EXPECT_EQ(set(CapPixelType, ItemUInt16, 7), ResultBadValue);
    EXPECT_EQ(set(CapSupportedSizes, ItemUInt16, 42), ResultBadValue);
    EXPECT_EQ(set(CapXResolution, ItemFix32, 0), ResultBadValue);
    EXPECT_EQ(set(CapPixelType, ItemBool, 1), ResultBadValue);
    for (int code : {ResultSuccess, ResultCapUnsupported, ResultValueAdjusted})
        EXPECT_TRUE(IsCapabilitySuccess(code));
}

TEST_F(SaneSourceTest, AcquireNeedsEnablingEachTime)
{
    smallPages(PixelGrey);
    EXPECT_EQ(source.acquire(AcquireNoUi), ResultNotEnabled);
    ASSERT_EQ(acquire(), ResultSuccess);
    EXPECT_EQ(source.acquire(AcquireNoUi), ResultNotEnabled);
    EXPECT_EQ(pages.size(), 1);
}

TEST_F(SaneSourceTest, DeviceDialogListsTheDeviceOptionsAndAppliesThemOnOk)
{
    smallPages(PixelGrey);
    source.setDialogRunner([&](QDialog& dialog) {
        auto* mode = dialog.findChild<QComboBox*>(QStringLiteral("mode"));
        auto* resolution = dialog.findChild<QDoubleSpinBox*>(QStringLiteral("resolution"));
        auto* picture = dialog.findChild<QComboBox*>(QStringLiteral("test-picture"));
        auto* hand = dialog.findChild<QCheckBox*>(QStringLiteral("hand-scanner"));
        EXPECT_TRUE(mode && resolution && picture && hand);
        if (!mode || !resolution || !picture || !hand)
            return int(QDialog::Rejected);
        EXPECT_EQ(mode->currentText(), QStringLiteral("Gray"));
        EXPECT_EQ(resolution->value(), 25);
        EXPECT_EQ(resolution->maximum(), 600);
        mode->setCurrentText(QStringLiteral("Color"));
        resolution->setValue(40);
        picture->setCurrentText(QStringLiteral("Solid white"));
        return int(QDialog::Accepted);
    });
    ASSERT_EQ(acquire(AcquireShowUi), ResultSuccess);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_EQ(pages[0].depth(), 24);
    EXPECT_EQ(pages[0].xResolution(), 40);
    EXPECT_NEAR(pages[0].width(), PixelsFor(176, 40), 1);
    l_uint32 pixel = 0;
    ASSERT_EQ(pixGetPixel(pages[0].pix(), 3, 3, &pixel), 0);
    EXPECT_EQ(pixel >> 8, 0xFFFFFFu);
}

TEST_F(SaneSourceTest, CapabilitiesAfterADialogJobSeeWhatTheDialogChanged)
{
    // The dialog turns the feeder job into a flatbed one; the next job asks for the feeder again.
    ASSERT_EQ(set(CapFeederEnabled, ItemBool, 1), ResultSuccess);
    smallPages(PixelGrey);
    source.setDialogRunner([&](QDialog& dialog) {
        auto* sourceBox = dialog.findChild<QComboBox*>(QStringLiteral("source"));
        EXPECT_TRUE(sourceBox);
        if (!sourceBox)
            return int(QDialog::Rejected);
        sourceBox->setCurrentText(QStringLiteral("Flatbed"));
        return int(QDialog::Accepted);
    });
    ASSERT_EQ(acquire(AcquireShowUi), ResultSuccess);
    EXPECT_EQ(pages.size(), 1);

    pages.clear();
    ASSERT_EQ(set(CapFeederEnabled, ItemBool, 1), ResultSuccess);
    smallPages(PixelGrey);
    ASSERT_EQ(acquire(), ResultSuccess);
    EXPECT_GT(pages.size(), 1);  // the device counts the flatbed sheet against its feeder's ten
}

TEST_F(SaneSourceTest, CancellingTheDeviceDialogScansNothing)
{
    smallPages(PixelGrey);
    int shown = 0;
    source.setDialogRunner([&](QDialog& dialog) {
        ++shown;
        // What the user would have changed is not applied.
        if (auto* picture = dialog.findChild<QComboBox*>(QStringLiteral("test-picture")))
            picture->setCurrentText(QStringLiteral("Solid white"));
        return int(QDialog::Rejected);
    });
    EXPECT_EQ(acquire(AcquireShowUi), ResultCancelled);
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(pages.isEmpty());

    // Without the show-dialog bit no dialog appears, and the picture is still black.
    ASSERT_EQ(acquire(AcquireNoUi), ResultSuccess);
    EXPECT_EQ(shown, 1);
    ASSERT_EQ(pages.size(), 1);
    l_uint32 pixel = 1;
    ASSERT_EQ(pixGetPixel(pages[0].pix(), 3, 3, &pixel), 0);
    EXPECT_EQ(pixel, 0u);
}

TEST_F(SaneSourceTest, DeviceErrorWhileReadingIsAFailure)
{
    smallPages(PixelGrey);
    ASSERT_EQ(set(CapFeederEnabled, ItemBool, 1), ResultSuccess);
    source.setDialogRunner([](QDialog& dialog) {
        auto* status = dialog.findChild<QComboBox*>(QStringLiteral("read-return-value"));
        if (!status)
            return int(QDialog::Rejected);
        status->setCurrentText(QStringLiteral("SANE_STATUS_IO_ERROR"));
        return int(QDialog::Accepted);
    });
    EXPECT_EQ(acquire(AcquireShowUi), ResultDeviceError);
    EXPECT_TRUE(pages.isEmpty());
}

TEST_F(SaneSourceTest, JammedPaperIsAFailureAndDeviceCancelIsACancel)
{
    smallPages(PixelGrey);
    QString status;
    source.setDialogRunner([&status](QDialog& dialog) {
        auto* box = dialog.findChild<QComboBox*>(QStringLiteral("read-return-value"));
        if (!box)
            return int(QDialog::Rejected);
        box->setCurrentText(status);
        return int(QDialog::Accepted);
    });
    status = QStringLiteral("SANE_STATUS_JAMMED");
    EXPECT_EQ(acquire(AcquireShowUi), ResultPaperProblem);
    status = QStringLiteral("SANE_STATUS_CANCELLED");
    EXPECT_EQ(acquire(AcquireShowUi), ResultCancelled);
    EXPECT_TRUE(pages.isEmpty());
}

TEST_F(SaneSourceTest, ThreePassColourFramesMakeOneColourPage)
{
    smallPages(PixelColour);
    source.setDialogRunner([](QDialog& dialog) {
        // Three-pass is offered only in colour mode, which the capability has chosen.
        auto* threePass = dialog.findChild<QCheckBox*>(QStringLiteral("three-pass"));
        auto* picture = dialog.findChild<QComboBox*>(QStringLiteral("test-picture"));
        if (!threePass || !picture)
            return int(QDialog::Rejected);
        threePass->setChecked(true);
        picture->setCurrentText(QStringLiteral("Solid white"));
        return int(QDialog::Accepted);
    });
    ASSERT_EQ(acquire(AcquireShowUi), ResultSuccess);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_EQ(pages[0].depth(), 24);
    l_uint32 pixel = 0;
    ASSERT_EQ(pixGetPixel(pages[0].pix(), 2, 2, &pixel), 0);
    EXPECT_EQ(pixel >> 8, 0xFFFFFFu);
}

TEST_F(SaneSourceTest, SixteenBitGreyBecomesEightBit)
{
    smallPages(PixelGrey);
    source.setDialogRunner([](QDialog& dialog) {
        auto* depth = dialog.findChild<QComboBox*>(QStringLiteral("depth"));
        auto* picture = dialog.findChild<QComboBox*>(QStringLiteral("test-picture"));
        if (!depth || !picture)
            return int(QDialog::Rejected);
        depth->setCurrentText(QStringLiteral("16 bit"));
        picture->setCurrentText(QStringLiteral("Solid white"));
        return int(QDialog::Accepted);
    });
    ASSERT_EQ(acquire(AcquireShowUi), ResultSuccess);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_EQ(pages[0].depth(), 8);
    l_uint32 pixel = 0;
    ASSERT_EQ(pixGetPixel(pages[0].pix(), 2, 2, &pixel), 0);
    EXPECT_EQ(pixel, 255u);
}

TEST_F(SaneSourceTest, AnEmptyFeederAtTheStartIsReportedNotSuccess)
{
    smallPages(PixelGrey);
    ASSERT_EQ(set(CapFeederEnabled, ItemBool, 1), ResultSuccess);
    source.setDialogRunner(Choose("read-return-value", "SANE_STATUS_NO_DOCS"));
    EXPECT_EQ(acquire(AcquireShowUi), ResultNoDocuments);
    EXPECT_TRUE(pages.isEmpty());
}

TEST_F(SaneSourceTest, PagesOfUnknownHeightArrive)
{
    smallPages(PixelGrey);
    source.setDialogRunner([](QDialog& dialog) {
        auto* hand = dialog.findChild<QCheckBox*>(QStringLiteral("hand-scanner"));
        if (!hand)
            return int(QDialog::Rejected);
        hand->setChecked(true);
        return int(QDialog::Accepted);
    });
    ASSERT_EQ(acquire(AcquireShowUi), ResultSuccess);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_NEAR(pages[0].width(), PixelsFor(110, 25), 1);  // a hand scanner is 11 cm wide
    EXPECT_GT(pages[0].height(), 0);
}

TEST_F(SaneSourceTest, CallsDuringAcquireAreRefusedAndEndWaitsForTheJob)
{
    smallPages(PixelGrey);
    ASSERT_EQ(set(CapFeederEnabled, ItemBool, 1), ResultSuccess);
    QList<int> answers;
    QObject::connect(&source, &ScannerSource::pageAcquired, [&](const Image&) {
        if (pages.size() == 1) {
            answers.append(source.setCapability(CapPixelType, ItemUInt16, PixelColour));
            answers.append(source.enableAcquisition());
            answers.append(source.acquire(AcquireNoUi));
            answers.append(source.selectSource(QStringLiteral("test:1")));
            source.end();
        }
    });
    EXPECT_EQ(acquire(), ResultSuccess);
    EXPECT_EQ(answers, (QList<int>{ResultBusy, ResultBusy, ResultBusy, ResultBusy}));
    // The job ran to its end, then the connection closed.
    EXPECT_EQ(pages.size(), 10);
    EXPECT_EQ(source.sourceCount(), 0);
    EXPECT_EQ(source.enableAcquisition(), ResultNotOpen);
}

TEST_F(SaneSourceTest, SelectingAnotherDeviceStartsItFromItsOwnSettings)
{
    smallPages(PixelColour);
    ASSERT_EQ(source.selectSource(QStringLiteral("test:1")), ResultSuccess);
    ASSERT_EQ(set(CapXResolution, ItemFix32, 20), ResultSuccess);
    ASSERT_EQ(set(CapYResolution, ItemFix32, 20), ResultSuccess);
    ASSERT_EQ(acquire(), ResultSuccess);
    ASSERT_EQ(pages.size(), 1);
    // test:1 scans grey unless told otherwise; the colour asked of test:0 does not carry over.
    EXPECT_EQ(pages[0].depth(), 8);
    EXPECT_EQ(pages[0].xResolution(), 20);
}

}  // namespace
