#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "SettingsTestSupport.h"
#include "settings/IniFile.h"
#include "settings/IniText.h"

namespace scanvo {
namespace {

using test::ReadBytes;
using test::WriteBytes;

class IniFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_Dir.isValid()); }
    QString File(const QString& name = QStringLiteral("a.ini")) const { return m_Dir.filePath(name); }

    QTemporaryDir m_Dir;
};

TEST_F(IniFileTest, MissingFileSectionOrKeyReadsEmpty)
{
    EXPECT_TRUE(GetIniString(File(), QStringLiteral("Scan"), QStringLiteral("SaveDir")).isEmpty());
    WriteBytes(File(), "[Scan]\nSaveDir=/data\n");
    EXPECT_TRUE(GetIniString(File(), QStringLiteral("Save"), QStringLiteral("SaveDir")).isEmpty());
    EXPECT_TRUE(GetIniString(File(), QStringLiteral("Scan"), QStringLiteral("Save")).isEmpty());
    EXPECT_EQ(GetIniString(File(), QStringLiteral("Scan"), QStringLiteral("SaveDir")), QStringLiteral("/data"));
}

TEST_F(IniFileTest, SectionsAndKeysMatchWhateverTheirCase)
{
    WriteBytes(File(), "[layout]\nscanBARalign = 2 \n[ Common ]\nImageFitStyle=1\n");
    EXPECT_EQ(GetIniString(File(), QStringLiteral("Layout"), QStringLiteral("ScanBarAlign")), QStringLiteral("2"));
    EXPECT_EQ(GetIniString(File(), QStringLiteral("COMMON"), QStringLiteral("imagefitstyle")), QStringLiteral("1"));

    ASSERT_TRUE(WriteIniString(File(), QStringLiteral("LAYOUT"), QStringLiteral("ScanBarAlign"), QStringLiteral("1")));
    EXPECT_EQ(ReadBytes(File()), QByteArray("[layout]\nScanBarAlign=1\n[ Common ]\nImageFitStyle=1\n"));
}

TEST_F(IniFileTest, ReplacementInPlaceKeepsEveryOtherLine)
{
    const QByteArray before = "; written by hand\r\n"
                              "[Save]\r\n"
                              "Tif1Compress=0\r\n"
                              "; keep this note\r\n"
                              "JpgQuality=3\r\n"
                              "\r\n"
                              "[Scan]\r\n"
                              "JpgQuality=9\r\n";
    WriteBytes(File(), before);
    ASSERT_TRUE(WriteIniString(File(), QStringLiteral("Save"), QStringLiteral("JpgQuality"), QStringLiteral("5")));
    QByteArray expected = before;
    expected.replace("JpgQuality=3", "JpgQuality=5");
    EXPECT_EQ(ReadBytes(File()), expected);

    // A new key joins its section after the last entry, before the blank separating line.
    ASSERT_TRUE(WriteIniString(File(), QStringLiteral("Save"), QStringLiteral("JpgCompress"), QStringLiteral("1")));
    expected.replace("JpgQuality=5\r\n", "JpgQuality=5\r\nJpgCompress=1\r\n");
    EXPECT_EQ(ReadBytes(File()), expected);

    // A new section goes to the end.
    ASSERT_TRUE(WriteIniString(File(), QStringLiteral("Imaging"), QStringLiteral("Dot"), QStringLiteral("1")));
    EXPECT_EQ(ReadBytes(File()), expected + "[Imaging]\r\nDot=1\r\n");
}

TEST_F(IniFileTest, FirstWriteCreatesFileAndDirectories)
{
    const QString file = m_Dir.filePath(QStringLiteral("one/two/s.ini"));
    ASSERT_TRUE(WriteIniString(file, QStringLiteral("Layout"), QStringLiteral("ScanBarAlign"), QStringLiteral("1")));
    ASSERT_TRUE(WriteIniString(file, QStringLiteral("Layout"), QStringLiteral("ImagingBarAlign"), QStringLiteral("3")));
    EXPECT_EQ(ReadBytes(file), QByteArray("[Layout]\nScanBarAlign=1\nImagingBarAlign=3\n"));
    // No temporary file is left beside the target.
    EXPECT_EQ(QDir(QFileInfo(file).absolutePath()).entryList(QDir::Files), QStringList{QStringLiteral("s.ini")});
}

TEST_F(IniFileTest, UnwritableTargetReportsFailureAndLosesNothing)
{
    // A directory standing where the file should be can neither be read nor replaced.
    ASSERT_TRUE(QDir(m_Dir.path()).mkdir(QStringLiteral("a.ini")));
    EXPECT_FALSE(WriteIniString(File(), QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("v")));
    EXPECT_TRUE(QFileInfo(File()).isDir());
    EXPECT_FALSE(WriteIniString(QString(), QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("v")));
}

TEST_F(IniFileTest, LongValuesAreCutAt1024Characters)
{
    const QString longValue = QString(1500, QLatin1Char('x'));
    ASSERT_TRUE(WriteIniString(File(), QStringLiteral("Imaging"), QStringLiteral("WriteComment"), longValue));
    EXPECT_EQ(GetIniString(File(), QStringLiteral("Imaging"), QStringLiteral("WriteComment")), longValue.left(1024));
    // Nothing is lost on disk; only the reader cuts.
    EXPECT_TRUE(ReadBytes(File()).contains(longValue.toLatin1()));

    const QString exact = QString(1024, QChar(0x5B8B));
    ASSERT_TRUE(WriteIniString(File(), QStringLiteral("Imaging"), QStringLiteral("FontName"), exact));
    EXPECT_EQ(GetIniString(File(), QStringLiteral("Imaging"), QStringLiteral("FontName")), exact);
}

TEST_F(IniFileTest, ValueIsCutAtItsFirstNul)
{
    WriteBytes(File(), QByteArray("[Scan]\nDocNameRule=ab\0cd\n", 25));
    EXPECT_EQ(GetIniString(File(), QStringLiteral("Scan"), QStringLiteral("DocNameRule")), QStringLiteral("ab"));
}

TEST_F(IniFileTest, Gb18030FileIsReadAndRewrittenAsUtf8)
{
    // "宋体" and "影像" in the GBK code page.
    WriteBytes(File(), "[Imaging]\r\nFontName=\xCB\xCE\xCC\xE5\r\nWriteComment=\xD3\xB0\xCF\xF1\r\n");
    EXPECT_EQ(GetIniString(File(), QStringLiteral("Imaging"), QStringLiteral("FontName")), QStringLiteral("宋体"));

    ASSERT_TRUE(WriteIniString(File(), QStringLiteral("Imaging"), QStringLiteral("FontSize"), QStringLiteral("12")));
    EXPECT_EQ(ReadBytes(File()), QStringLiteral("[Imaging]\r\nFontName=宋体\r\nWriteComment=影像\r\nFontSize=12\r\n").toUtf8());
    EXPECT_EQ(GetIniString(File(), QStringLiteral("Imaging"), QStringLiteral("WriteComment")), QStringLiteral("影像"));
}

TEST(Gb18030, BothDecodersAgreeOnWholeAndBrokenSequences)
{
    const QString u20000 = QString::fromUcs4(U"\U00020000", 1);
    const struct {
        QByteArray bytes;
        QString text;
    } cases[] = {
        {"plain=1", QStringLiteral("plain=1")},
        {"\xCB\xCE\xCC\xE5", QStringLiteral("宋体")},
        {"\x81\x30\x81\x30", QStringLiteral("\u0080")},     // four-byte sequence in the BMP
        {"a\x95\x32\x82\x36" "b", QStringLiteral("a") + u20000 + QStringLiteral("b")},
        {"x\x80y", QStringLiteral("x\uFFFDy")},                // 0x80 is no character
        {"end\x81", QStringLiteral("end\uFFFD")},              // cut after a lead byte
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecodeGb18030(c.bytes), c.text) << c.bytes.toHex().toStdString();
        EXPECT_EQ(DecodeGb18030WithIconv(c.bytes), c.text) << c.bytes.toHex().toStdString();
    }
}

TEST_F(IniFileTest, Utf8BomIsKept)
{
    WriteBytes(File(), "\xEF\xBB\xBF[Scan]\nSaveDir=/\xE5\x9B\xBE\n");
    EXPECT_EQ(GetIniString(File(), QStringLiteral("scan"), QStringLiteral("SaveDir")), QStringLiteral("/图"));
    ASSERT_TRUE(WriteIniString(File(), QStringLiteral("Scan"), QStringLiteral("Bright"), QStringLiteral("0")));
    EXPECT_TRUE(ReadBytes(File()).startsWith("\xEF\xBB\xBF[Scan]\n"));
}

TEST_F(IniFileTest, TextSurvivesWritingAndReadingAgainWhateverMarksItStartsWith)
{
    const QByteArray bom("\xEF\xBB\xBF");
    const QString mark(QChar(0xFEFF));
    const struct {
        QByteArray bytes;
        QString text;  // as read
    } cases[] = {
        {bom + "a=1", QStringLiteral("a=1")},
        {bom + bom + "a=1", mark + QStringLiteral("a=1")},
        {bom + bom + bom + "a=1", mark + mark + QStringLiteral("a=1")},
        {bom + bom, mark},
        {"a=" + bom, QStringLiteral("a=") + mark},
        // The old code page's own mark, with bytes that are no UTF-8 after it.
        {"\x84\x31\x95\x33\xCB\xCE", mark + QStringLiteral("宋")},
        {bom + "\xCB\xCE", QString()},  // not UTF-8: read in the old code page, whatever that makes of it
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes.toHex().toStdString());
        const IniText read = DecodeIniText(c.bytes);
        if (!c.text.isEmpty()) {
            EXPECT_EQ(read.text, c.text);
        }
        const QByteArray written = EncodeIniText(read);
        EXPECT_EQ(DecodeIniText(written).text, read.text);
        if (c.bytes.startsWith(bom) && read.utf8Bom) {
            EXPECT_EQ(written, c.bytes);
        }
    }
}

TEST_F(IniFileTest, ValuesAndKeysCannotAddLines)
{
    ASSERT_TRUE(WriteIniString(File(), QStringLiteral("Imaging"), QStringLiteral("WriteComment"),
                               QStringLiteral("first\r\n[Layout]\nScanBarAlign=9")));
    EXPECT_TRUE(GetIniString(File(), QStringLiteral("Layout"), QStringLiteral("ScanBarAlign")).isEmpty());
    EXPECT_EQ(GetIniString(File(), QStringLiteral("Imaging"), QStringLiteral("WriteComment")),
              QStringLiteral("first [Layout] ScanBarAlign=9"));

    for (const QString& key : {QStringLiteral("a=b"), QStringLiteral("a\nb"), QStringLiteral("[a]"),
                               QStringLiteral(";a"), QStringLiteral(" ")}) {
        EXPECT_FALSE(WriteIniString(File(), QStringLiteral("ImagePos"), key, QStringLiteral("1"))) << key.toStdString();
    }
    EXPECT_FALSE(WriteIniString(File(), QStringLiteral("a]b"), QStringLiteral("k"), QStringLiteral("1")));
    EXPECT_EQ(ReadBytes(File()), QByteArray("[Imaging]\nWriteComment=first [Layout] ScanBarAlign=9\n"));
}

}  // namespace
}  // namespace scanvo
