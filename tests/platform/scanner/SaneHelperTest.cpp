// The SANE source when its helper process misbehaves (the helper's test-only fault switch) or
// cannot be started: every job ends within its limit, pages read before the failure stay with the
// caller, and the next job gets a new helper with the device as it was.
#include "platform/scanner/SaneScannerSource.h"

#include "SaneTestSupport.h"
#include "platform/scanner/HelperProtocol.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <leptonica/allheaders.h>

using namespace scanvo::scanner;
using scanvo::engine::Image;
using scanvo::scanner::testing::Choose;
using scanvo::scanner::testing::ShortLimits;
using scanvo::scanner::testing::UseTestDevice;

namespace {

constexpr char kHelperVariable[] = "SCANVO_SANE_HELPER";
// Far above the short limits the tests set, far below the defaults a stuck job would meet.
constexpr qint64 kWellWithinMs = 9'000;

// Sets an environment variable for the helpers started while it lives.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const QByteArray& value) : m_name(name) { qputenv(m_name, value); }
    ~ScopedVariable() { qunsetenv(m_name); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* m_name;
};

class HelperFaultTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseTestDevice();
        source.setLimits(ShortLimits());
        QObject::connect(&source, &ScannerSource::pageAcquired, [this](const Image& page) { pages.append(page); });
    }
    void TearDown() override { source.end(); }

    // Starts the source with a helper that misbehaves as fault says; helpers started later behave.
    void startWithFault(const QByteArray& fault)
    {
        {
            const ScopedVariable misbehave(helper::kFaultVariable, fault);
            ASSERT_EQ(source.start(0, nullptr), ResultSuccess);
        }
        ASSERT_EQ(source.selectSource(QStringLiteral("test:0")), ResultSuccess);
        ASSERT_TRUE(IsCapabilitySuccess(source.setCapability(CapPixelType, ItemUInt16, PixelGrey)));
        ASSERT_EQ(source.setCapability(CapXResolution, ItemFix32, 25), ResultSuccess);
        ASSERT_EQ(source.setCapability(CapYResolution, ItemFix32, 25), ResultSuccess);
        ASSERT_EQ(source.setCapability(CapSupportedSizes, ItemUInt16, 5), ResultSuccess);
    }

    int acquire(int flags = AcquireNoUi)
    {
        EXPECT_EQ(source.enableAcquisition(), ResultSuccess);
        QElapsedTimer timer;
        timer.start();
        const int result = source.acquire(flags);
        lastJobMs = timer.elapsed();
        return result;
    }

    // The next job gets a new helper and scans a full feeder.
    void expectNextJobWorks()
    {
        pages.clear();
        EXPECT_EQ(acquire(), ResultSuccess) << source.errorText().toStdString();
        EXPECT_EQ(pages.size(), 10);
    }

    SaneScannerSource source;
    QList<Image> pages;
    qint64 lastJobMs = 0;
};

TEST_F(HelperFaultTest, AHelperThatHangsMidPageIsStoppedAndTheEarlierPagesStay)
{
    startWithFault("hang-read:3");
    ASSERT_EQ(source.setCapability(CapFeederEnabled, ItemBool, 1), ResultSuccess);
    EXPECT_EQ(acquire(), ResultDeviceError);
    EXPECT_LT(lastJobMs, kWellWithinMs);
    EXPECT_EQ(pages.size(), 2);
    EXPECT_TRUE(source.errorText().contains(QStringLiteral("sent no data"))) << source.errorText().toStdString();
    expectNextJobWorks();
}

TEST_F(HelperFaultTest, AHelperThatCrashesMidPageEndsTheJobAndTheNextHelperKeepsTheSettings)
{
    startWithFault("crash-read:2");
    ASSERT_EQ(source.setCapability(CapFeederEnabled, ItemBool, 1), ResultSuccess);
    // A setting made in the device dialog, which the next helper must have too.
    source.setDialogRunner(Choose("test-picture", "Solid white"));
    EXPECT_EQ(acquire(AcquireShowUi), ResultDeviceError);
    EXPECT_LT(lastJobMs, kWellWithinMs);
    EXPECT_EQ(pages.size(), 1);
    EXPECT_TRUE(source.errorText().contains(QStringLiteral("ended"))) << source.errorText().toStdString();

    expectNextJobWorks();
    ASSERT_FALSE(pages.isEmpty());
    l_uint32 pixel = 0;
    ASSERT_EQ(pixGetPixel(pages.last().pix(), 3, 3, &pixel), 0);
    EXPECT_EQ(pixel, 255u);
}

TEST_F(HelperFaultTest, AHelperThatHangsEndingTheScanIsStoppedAndTheJobsPagesStay)
{
    startWithFault("hang-cancel");
    ASSERT_EQ(source.setCapability(CapFeederEnabled, ItemBool, 1), ResultSuccess);
    // Every page arrived, but the device never returned to idle.
    EXPECT_EQ(acquire(), ResultDeviceError);
    EXPECT_LT(lastJobMs, kWellWithinMs);
    EXPECT_EQ(pages.size(), 10);
    EXPECT_TRUE(source.errorText().contains(QStringLiteral("ending the scan"))) << source.errorText().toStdString();
    expectNextJobWorks();
}

TEST_F(HelperFaultTest, AHangEndingAFailedScanKeepsTheDevicesOwnReason)
{
    startWithFault("hang-cancel");
    source.setDialogRunner(Choose("read-return-value", "SANE_STATUS_JAMMED"));
    EXPECT_EQ(acquire(AcquireShowUi), ResultPaperProblem);
    EXPECT_LT(lastJobMs, kWellWithinMs);
    EXPECT_TRUE(pages.isEmpty());
}

TEST(HelperStartTest, AMissingHelperIsACleanFailureNotAScanInThisProcess)
{
    UseTestDevice();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString missing = dir.filePath(QStringLiteral("scanvo-sane-helper"));
    const ScopedVariable helper(kHelperVariable, missing.toLocal8Bit());
    SaneScannerSource source;
    EXPECT_EQ(source.start(0, nullptr), ResultDeviceError);
    EXPECT_TRUE(source.errorText().contains(missing)) << source.errorText().toStdString();
    EXPECT_TRUE(source.errorText().contains(QStringLiteral("not found")));
    EXPECT_EQ(source.sourceCount(), 0);
    EXPECT_EQ(source.selectSource(QStringLiteral("test:0")), ResultNotOpen);
    EXPECT_EQ(source.enableAcquisition(), ResultNotOpen);

    // A file that cannot be run is no helper either.
    QFile plain(missing);
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    EXPECT_EQ(source.start(0, nullptr), ResultDeviceError);
    EXPECT_TRUE(source.errorText().contains(QStringLiteral("not found")));
}

// A program in place of the helper; the text is a shell script.
QString WriteProgram(const QTemporaryDir& dir, const char* script)
{
    const QString path = dir.filePath(QStringLiteral("fake-helper"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(script) < 0)
        return {};
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

TEST(HelperStartTest, AProgramThatDoesNotGreetIsStoppedAtTheStartLimit)
{
    UseTestDevice();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    struct Case {
        const char* script;
        const char* said;
    };
    const Case cases[] = {
        {"#!/bin/sh\nexec sleep 60\n", "did not answer"},
        {"#!/bin/sh\necho not a helper\n", "not a scanner helper"},
        {"#!/bin/sh\nexit 3\n", "not a scanner helper"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        const QString program = WriteProgram(dir, c.script);
        ASSERT_FALSE(program.isEmpty());
        const ScopedVariable helper(kHelperVariable, program.toLocal8Bit());
        SaneScannerSource source;
        HelperLimits limits = ShortLimits();
        limits.startMs = 1'000;
        source.setLimits(limits);
        QElapsedTimer timer;
        timer.start();
        EXPECT_EQ(source.start(0, nullptr), ResultDeviceError);
        EXPECT_LT(timer.elapsed(), kWellWithinMs);
        EXPECT_TRUE(source.errorText().contains(QLatin1String(c.said))) << source.errorText().toStdString();
    }
}

TEST(HelperStartTest, ThisProcessNeverLoadsSaneEvenAfterAScan)
{
    UseTestDevice();
    SaneScannerSource source;
    source.setLimits(ShortLimits());
    ASSERT_EQ(source.start(0, nullptr), ResultSuccess);
    ASSERT_EQ(source.selectSource(QStringLiteral("test:0")), ResultSuccess);
    ASSERT_EQ(source.enableAcquisition(), ResultSuccess);
    int pages = 0;
    QObject::connect(&source, &ScannerSource::pageAcquired, [&pages](const Image&) { ++pages; });
    ASSERT_EQ(source.acquire(AcquireNoUi), ResultSuccess);
    EXPECT_EQ(pages, 1);

    QFile maps(QStringLiteral("/proc/self/maps"));
    ASSERT_TRUE(maps.open(QIODevice::ReadOnly));
    const QByteArray mapped = maps.readAll();
    EXPECT_FALSE(mapped.contains("libsane")) << "a SANE library is mapped into the source's process";
}

}  // namespace
