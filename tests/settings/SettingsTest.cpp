#include <QFileInfo>
#include <gtest/gtest.h>

#include "SettingsTestSupport.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"

namespace scanvo {
namespace {

using test::ReadBytes;
using test::ReadLines;
using test::WriteBytes;

class SettingsTest : public test::SettingsTestBase {
protected:
    QString Stored(const char* section, const char* key) const
    {
        return GetIniString(IniFile(), QString::fromLatin1(section), QString::fromLatin1(key));
    }
};

TEST_F(SettingsTest, FilesLiveInTheConfiguredDirectory)
{
    EXPECT_EQ(SettingsDirectory(), m_Dir.path());
    EXPECT_EQ(IniFilePath(), IniFile());
    EXPECT_EQ(PositionFilePath(), Path(QStringLiteral("scanvo-pos.ini")));
}

TEST(SettingsDirectory, FallsBackToXdgThenHome)
{
    const QByteArray oldOwn = qgetenv("SCANVO_CONFIG_DIR");
    const QByteArray oldXdg = qgetenv("XDG_CONFIG_HOME");
    qunsetenv("SCANVO_CONFIG_DIR");
    qputenv("XDG_CONFIG_HOME", "/tmp/xdg-config");
    EXPECT_EQ(SettingsDirectory(), QStringLiteral("/tmp/xdg-config/scanvo"));
    qputenv("XDG_CONFIG_HOME", "relative/config");
    EXPECT_EQ(SettingsDirectory(), QDir::homePath() + QStringLiteral("/.config/scanvo"));
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(SettingsDirectory(), QDir::homePath() + QStringLiteral("/.config/scanvo"));
    qputenv("XDG_CONFIG_HOME", oldXdg);
    qputenv("SCANVO_CONFIG_DIR", oldOwn);
}

TEST_F(SettingsTest, FreshStartWritesLayoutThenEveryDefaultButTheSaveDirectory)
{
    LoadLayoutSettings();
    EXPECT_EQ(g_IniFile, IniFile());
    EXPECT_EQ(ReadLines(IniFile()), (QStringList{QStringLiteral("[Layout]"), QStringLiteral("ScanBarAlign=1"),
                                                 QStringLiteral("ImagingBarAlign=3"),
                                                 QStringLiteral("ImagingButtonCaption=1")}));
    EXPECT_EQ(g_Settings.Layout.ScanBarAlign, 1);
    EXPECT_EQ(g_Settings.Layout.ImagingBarAlign, 3);
    EXPECT_EQ(g_Settings.Layout.ImagingButtonCaption, 1);

    QString localPath = QStringLiteral("/stored/property");
    LoadSettings(QStringLiteral("<YYYY><NNNN>"), localPath);
    EXPECT_TRUE(localPath.isEmpty());

    const QStringList lines = ReadLines(IniFile());
    EXPECT_EQ(lines.size(), 4 + 2 + 14 + 8 + 46);  // four sections with their keys, SaveDir left out
    EXPECT_FALSE(QString::fromUtf8(ReadBytes(IniFile())).contains(QStringLiteral("SaveDir")));
    EXPECT_EQ(lines.indexOf(QStringLiteral("[Common]")), 4);
    EXPECT_EQ(lines[5], QStringLiteral("ImageFitStyle=3"));
    EXPECT_EQ(lines[6], QStringLiteral("[Scan]"));
    EXPECT_EQ(lines[7], QStringLiteral("ScanSupply=1"));
    EXPECT_EQ(lines.last(), QStringLiteral("WriteComment="));
    EXPECT_EQ(Stored("Scan", "DocNameRule"), QStringLiteral("<YYYY><NNNN>"));
    EXPECT_EQ(Stored("Scan", "FileInitValue"), QStringLiteral("1"));
    EXPECT_EQ(Stored("Save", "JpgQualityValue"), QStringLiteral("50"));
    EXPECT_EQ(Stored("Imaging", "FontName"), QStringLiteral("宋体"));
    EXPECT_EQ(Stored("Imaging", "HolePunchLocation"),
              QStringLiteral("HOLEPUNCH_LEFT|HOLEPUNCH_RIGHT|HOLEPUNCH_TOP|HOLEPUNCH_BOTTOM"));
    EXPECT_EQ(Stored("Imaging", "MinimumLineLength"), QStringLiteral("400"));
    EXPECT_EQ(g_Settings.Scan.DocNameRule, QStringLiteral("<YYYY><NNNN>"));
    EXPECT_EQ(g_Settings.Imaging.AutoTrim, 32);
    EXPECT_TRUE(m_Prompter.messages.empty());

    // A second load reads everything back unchanged and writes nothing new.
    const QByteArray afterFirst = ReadBytes(IniFile());
    g_Settings = SettingsRecord{};
    g_Settings.Imaging.AutoTrim = 0;
    LoadSettings(QStringLiteral("other"), localPath);
    EXPECT_EQ(ReadBytes(IniFile()), afterFirst);
    EXPECT_EQ(g_Settings.Scan.DocNameRule, QStringLiteral("<YYYY><NNNN>"));
    EXPECT_EQ(g_Settings.Imaging.AutoTrim, 32);
}

TEST_F(SettingsTest, ExistingFileWithoutLayoutGivesZeroesAndWritesNothing)
{
    WriteBytes(IniFile(), "[Common]\nImageFitStyle=1\n");
    LoadLayoutSettings();
    EXPECT_EQ(g_Settings.Layout.ScanBarAlign, 0);
    EXPECT_EQ(g_Settings.Layout.ImagingBarAlign, 0);
    EXPECT_EQ(g_Settings.Layout.ImagingButtonCaption, 0);
    EXPECT_EQ(ReadBytes(IniFile()), QByteArray("[Common]\nImageFitStyle=1\n"));
}

TEST_F(SettingsTest, StoredValuesWinAndOnlyMissingOrEmptyKeysAreDefaulted)
{
    WriteBytes(IniFile(), "[Scan]\n"
                          "SaveDir=/data/scans\n"
                          "Resolution=5.5\n"
                          "Bright=dark\n"
                          "DocNameRule=\n"
                          "FileInitValue=70000\n"
                          "[Imaging]\n"
                          "FontName=黑体\n"
                          "BorderLocation=BORDER_TOP\n");
    QString localPath = QStringLiteral("/from/property");
    LoadSettings(QStringLiteral("A<NNN>"), localPath);
    EXPECT_EQ(localPath, QStringLiteral("/data/scans"));
    EXPECT_EQ(g_Settings.Scan.SaveDir, QStringLiteral("/data/scans"));
    EXPECT_EQ(g_Settings.Scan.Resolution, 6);
    EXPECT_EQ(Stored("Scan", "Resolution"), QStringLiteral("5.5"));
    // Non-numeric text reads as 0 and is left as it is.
    EXPECT_EQ(g_Settings.Scan.Bright, 0);
    EXPECT_EQ(Stored("Scan", "Bright"), QStringLiteral("dark"));
    // An empty value counts as missing.
    EXPECT_EQ(g_Settings.Scan.DocNameRule, QStringLiteral("A<NNN>"));
    EXPECT_EQ(Stored("Scan", "DocNameRule"), QStringLiteral("A<NNN>"));
    EXPECT_EQ(g_Settings.Scan.FileInitValue, 70000);
    EXPECT_EQ(g_Settings.Imaging.FontName, QStringLiteral("黑体"));
    EXPECT_EQ(g_Settings.Imaging.BorderLocation, QStringLiteral("BORDER_TOP"));
    EXPECT_EQ(Stored("Imaging", "LineLocation"), QStringLiteral("LINEREMOVE_HORIZONTAL|LINEREMOVE_VERTICAL"));
    EXPECT_TRUE(m_Prompter.messages.empty());
}

TEST_F(SettingsTest, NumbersOutOfRangeFallBackToDefaultAndAreReportedOnce)
{
    WriteBytes(IniFile(), "[Layout]\nScanBarAlign=2\nImagingBarAlign=1\nImagingButtonCaption=0\n"
                          "[Save]\nJpgQualityValue=99999\n"
                          "[Scan]\nFileInitValue=1e12\n");
    g_Settings.Save.JpgQualityValue = 7;
    QString localPath;
    LoadSettings(QString(), localPath);
    EXPECT_EQ(g_Settings.Save.JpgQualityValue, 50);
    EXPECT_EQ(g_Settings.Scan.FileInitValue, 1);
    EXPECT_EQ(Stored("Save", "JpgQualityValue"), QStringLiteral("50"));
    EXPECT_EQ(Stored("Scan", "FileInitValue"), QStringLiteral("1"));
    ASSERT_EQ(m_Prompter.messages.size(), 1u);
    const test::RecordedMessage& message = m_Prompter.messages.front();
    EXPECT_EQ(message.title, QStringLiteral("提示信息"));
    EXPECT_EQ(message.icon, MessageIcon::Warning);
    EXPECT_TRUE(message.text.contains(QStringLiteral("Save.JpgQualityValue = 99999")));
    EXPECT_TRUE(message.text.contains(QStringLiteral("Scan.FileInitValue = 1e12")));
    EXPECT_FALSE(message.text.contains(QStringLiteral("ScanBarAlign")));

    // The defaults went back into the file, so the next load has nothing to report.
    LoadSettings(QString(), localPath);
    EXPECT_EQ(m_Prompter.messages.size(), 1u);

    // Layout values that do not fit are handled the same way.
    WriteIniString(IniFile(), QStringLiteral("Layout"), QStringLiteral("ImagingBarAlign"), QStringLiteral("-40000"));
    LoadLayoutSettings();
    EXPECT_EQ(g_Settings.Layout.ScanBarAlign, 2);
    EXPECT_EQ(g_Settings.Layout.ImagingBarAlign, 3);
    EXPECT_EQ(g_Settings.Layout.ImagingButtonCaption, 0);
    ASSERT_EQ(m_Prompter.messages.size(), 2u);
    EXPECT_TRUE(m_Prompter.messages.back().text.contains(QStringLiteral("Layout.ImagingBarAlign = -40000")));
}

TEST_F(SettingsTest, StoreSettingChangesMemoryAndFileTogether)
{
    StoreSetting(g_Settings.Save.JpgQualityValue, qint16(75));
    StoreSetting(g_Settings.Scan.FileInitValue, qint32(123456));
    StoreSetting(g_Settings.Imaging.WriteComment, QStringLiteral("已核对"));
    EXPECT_EQ(g_Settings.Save.JpgQualityValue, 75);
    EXPECT_EQ(Stored("Save", "JpgQualityValue"), QStringLiteral("75"));
    EXPECT_EQ(Stored("Scan", "FileInitValue"), QStringLiteral("123456"));
    EXPECT_EQ(Stored("Imaging", "WriteComment"), QStringLiteral("已核对"));
    EXPECT_EQ(g_IniFile, IniFile());
}

TEST_F(SettingsTest, PositionsAreKeyedByTheLastNameComponent)
{
    EXPECT_EQ(ReadImagePos(QStringLiteral("2019\\box1")), 0);
    WriteImagePos(QStringLiteral("2019\\box1"), 7);
    EXPECT_EQ(ReadImagePos(QStringLiteral("2019\\box1")), 7);
    // Another parent, either separator, same last component: one shared entry.
    EXPECT_EQ(ReadImagePos(QStringLiteral("2020/box1")), 7);
    EXPECT_EQ(ReadImagePos(QStringLiteral("BOX1")), 7);
    WriteImagePos(QStringLiteral("archive/2020/box1/"), 3);
    EXPECT_EQ(ReadImagePos(QStringLiteral("2019\\box1")), 3);
    EXPECT_EQ(ReadImagePos(QStringLiteral("box2")), 0);
    EXPECT_EQ(ReadLines(PositionFilePath()), (QStringList{QStringLiteral("[ImagePos]"), QStringLiteral("box1=3")}));
    EXPECT_FALSE(QFileInfo::exists(IniFile()));

    // Nothing to key by: nothing stored.
    WriteImagePos(QStringLiteral("/"), 4);
    EXPECT_EQ(ReadImagePos(QString()), 0);
    EXPECT_EQ(ReadLines(PositionFilePath()).size(), 2);
}

TEST_F(SettingsTest, PositionThatDoesNotFitMeansNothingRemembered)
{
    WriteBytes(PositionFilePath(), "[ImagePos]\nbig=40000\nhalf=2.5\n");
    EXPECT_EQ(ReadImagePos(QStringLiteral("big")), 0);
    EXPECT_EQ(ReadImagePos(QStringLiteral("half")), 2);
}

}  // namespace
}  // namespace scanvo
