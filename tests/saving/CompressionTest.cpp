// Quality factors, format codes per document type and extension, and the save parameters of an
// acquired page.
#include "saving/Compression.h"

#include "fixtures/ControlSurface.h"
#include "platform/engine/Image.h"
#include "platform/engine/ImageViewer.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

namespace scanvo {
namespace {

class CompressionTest : public ::testing::Test, protected fixtures::ControlSurface {
protected:
    void SetUp() override
    {
        g_Settings = SettingsRecord();
        buildSurface();
    }
};

TEST_F(CompressionTest, CustomQualityFollowsTheFormulaWithHalvesToEven)
{
    EXPECT_EQ(CustomQualityFactor(100), 0);
    EXPECT_EQ(CustomQualityFactor(50), 125);
    EXPECT_EQ(CustomQualityFactor(1), 248);   // 247.5
    EXPECT_EQ(CustomQualityFactor(3), 242);   // 242.5
    EXPECT_EQ(CustomQualityFactor(99), 2);    // 2.5
}

TEST_F(CompressionTest, StoredValuesFarOutsideTheRangeStayInsideTheEnginesFactors)
{
    EXPECT_EQ(CustomQualityFactor(30000), 0);
    EXPECT_EQ(CustomQualityFactor(-30000), 255);
    EXPECT_EQ(CustomQualityFactor(0), 250);
}

TEST_F(CompressionTest, JpegFilesFollowTheJpegPresets)
{
    g_Settings.Save.Tif2Quality = 2;
    const qint16 expected[] = {15, 130, 245};
    for (qint16 preset = 0; preset < 3; ++preset) {
        g_Settings.Save.JpgQuality = preset;
        for (int code : {10, 23, 21})
            EXPECT_EQ(QualityFactorFor(code), expected[preset]) << code << " preset " << preset;
    }
    g_Settings.Save.JpgQuality = 3;
    g_Settings.Save.JpgQualityValue = 1;
    EXPECT_EQ(QualityFactorFor(23), 248);
}

TEST_F(CompressionTest, JpegInTiffFollowsTheTiffPresets)
{
    g_Settings.Save.JpgQuality = 0;
    g_Settings.Save.Tif2Quality = 1;
    for (int code : {11, 24, 22})
        EXPECT_EQ(QualityFactorFor(code), 130) << code;
    g_Settings.Save.Tif2Quality = 3;
    g_Settings.Save.Tif2QualityValue = 100;
    EXPECT_EQ(QualityFactorFor(24), 0);
}

TEST_F(CompressionTest, OtherCodesAndUnknownPresetsGet128)
{
    g_Settings.Save.JpgQuality = 0;
    g_Settings.Save.Tif2Quality = 0;
    for (int code : {29, 28, 27, 25, 17, 3, 0, 99})
        EXPECT_EQ(QualityFactorFor(code), 128) << code;
    g_Settings.Save.JpgQuality = 4;
    EXPECT_EQ(QualityFactorFor(10), 128);
}

TEST_F(CompressionTest, BlackAndWhiteAlwaysUsesTheBitonalSetting)
{
    const int codes[] = {29, 28, 27, 25, 17};
    for (qint16 docType : {-1, 0, 1, 2, 3}) {
        state.props.m_DocType = docType;
        for (qint16 setting = 0; setting < 5; ++setting) {
            g_Settings.Save.Tif1Compress = setting;
            EXPECT_EQ(ChooseFileFormat(state.props, 1, QStringLiteral("jpg")), codes[setting])
                << "type " << docType << " setting " << setting;
        }
    }
    g_Settings.Save.Tif1Compress = 5;
    EXPECT_EQ(ChooseFileFormat(state.props, 1, QStringLiteral("tif")), 0);
}

TEST_F(CompressionTest, TiffDocumentsUseTheGreyAndColourSetting)
{
    const int codes[] = {3, 11, 24, 22, 17};
    for (qint16 docType : {1, 2}) {
        state.props.m_DocType = docType;
        for (qint16 setting = 0; setting < 5; ++setting) {
            g_Settings.Save.Tif2Compress = setting;
            // The extension does not matter for a TIFF document.
            EXPECT_EQ(ChooseFileFormat(state.props, 8, QStringLiteral("jpg")), codes[setting]);
            EXPECT_EQ(ChooseFileFormat(state.props, 24, QString()), codes[setting]);
        }
    }
    g_Settings.Save.Tif2Compress = -1;
    EXPECT_EQ(ChooseFileFormat(state.props, 24, QStringLiteral("tif")), 0);
}

TEST_F(CompressionTest, JpegDocumentsUseTheJpegSubsampling)
{
    state.props.m_DocType = 3;
    const int codes[] = {10, 23, 21};
    for (qint16 setting = 0; setting < 3; ++setting) {
        g_Settings.Save.JpgCompress = setting;
        EXPECT_EQ(ChooseFileFormat(state.props, 24, QStringLiteral("tif")), codes[setting]);
    }
    g_Settings.Save.JpgCompress = 3;
    EXPECT_EQ(ChooseFileFormat(state.props, 24, QStringLiteral("jpg")), 0);
}

TEST_F(CompressionTest, MixedDocumentsGoByExtensionInAnyCase)
{
    g_Settings.Save.JpgCompress = 2;
    g_Settings.Save.Tif2Compress = 4;
    for (qint16 docType : {0, -1}) {
        state.props.m_DocType = docType;
        EXPECT_EQ(ChooseFileFormat(state.props, 24, QStringLiteral("jpg")), 21);
        EXPECT_EQ(ChooseFileFormat(state.props, 8, QStringLiteral("JPG")), 21);
        EXPECT_EQ(ChooseFileFormat(state.props, 24, QStringLiteral("Tif")), 17);
        EXPECT_EQ(ChooseFileFormat(state.props, 24, QStringLiteral("tiff")), 0);
        EXPECT_EQ(ChooseFileFormat(state.props, 24, QStringLiteral("png")), 0);
        EXPECT_EQ(ChooseFileFormat(state.props, 24, QString()), 0);
    }
    state.props.m_DocType = 7;
    EXPECT_EQ(ChooseFileFormat(state.props, 24, QStringLiteral("jpg")), 0);
}

class AcquiredSaveTest : public CompressionTest {
protected:
    void place(int depth)
    {
        state.widgets.mtMain->setImage(engine::Image::create(40, 30, depth));
    }
};

TEST_F(AcquiredSaveTest, BlackAndWhitePageInAJpegScanGetsTheBitonalFormat)
{
    g_Settings.Save.Tif1Compress = 1;
    g_Settings.Save.JpgQuality = 0;
    state.scan.m_ScanDocType = 3;
    place(1);
    PrepareAcquiredSave(state);
    EXPECT_EQ(state.scan.m_SaveFormat, 28);
    EXPECT_EQ(state.scan.m_SaveBits, 1);
    EXPECT_EQ(state.scan.m_SaveQuality, 128);
}

TEST_F(AcquiredSaveTest, GreyPageOfATiffScan)
{
    g_Settings.Save.Tif2Compress = 3;
    g_Settings.Save.Tif2Quality = 2;
    g_Settings.Save.JpgQuality = 0;
    state.scan.m_ScanDocType = 2;
    place(8);
    PrepareAcquiredSave(state);
    EXPECT_EQ(state.scan.m_SaveFormat, 22);
    EXPECT_EQ(state.scan.m_SaveBits, 8);
    EXPECT_EQ(state.scan.m_SaveQuality, 245);
}

TEST_F(AcquiredSaveTest, ColourPageOfAJpegScanUsesTheJpegCustomQuality)
{
    g_Settings.Save.JpgCompress = 0;
    g_Settings.Save.JpgQuality = 3;
    g_Settings.Save.JpgQualityValue = 80;
    g_Settings.Save.Tif2Quality = 0;
    state.scan.m_ScanDocType = 3;
    place(24);
    PrepareAcquiredSave(state);
    EXPECT_EQ(state.scan.m_SaveFormat, 10);
    EXPECT_EQ(state.scan.m_SaveBits, 24);
    EXPECT_EQ(state.scan.m_SaveQuality, 50);
}

TEST_F(AcquiredSaveTest, UnknownPresetKeepsThePreviousQuality)
{
    g_Settings.Save.Tif2Quality = 9;
    state.scan.m_ScanDocType = 1;
    state.scan.m_SaveQuality = 77;
    place(24);
    PrepareAcquiredSave(state);
    EXPECT_EQ(state.scan.m_SaveQuality, 77);
    EXPECT_EQ(state.scan.m_SaveFormat, 24);
}

}  // namespace
}  // namespace scanvo
