#pragma once
// The settings record shared by every control and dialog of the process, the two INI files behind
// it, and the remembered position of each document.
//
// Every key is listed once below, per section and in file order, with its type and default; the
// record's members and the table that loads and writes them are both generated from these lists.

#include <QString>
#include <QtGlobal>

// X(key, type, default)
#define SCANVO_LAYOUT_SETTINGS(X)          \
    X(ScanBarAlign, qint16, 1)             \
    X(ImagingBarAlign, qint16, 3)          \
    X(ImagingButtonCaption, qint16, 1)

#define SCANVO_COMMON_SETTINGS(X) \
    X(ImageFitStyle, qint16, 3)

#define SCANVO_SCAN_SETTINGS(X)       \
    X(SaveDir, QString, "")           \
    X(ScanSupply, qint16, 1)          \
    X(ScanDuplex, qint16, 1)          \
    X(ImageType, qint16, 2)           \
    X(Resolution, qint16, 3)          \
    X(PaperSize, qint16, 1)           \
    X(PaperDirection, qint16, 0)      \
    X(Bright, qint16, 0)              \
    X(Contrast, qint16, 0)            \
    X(ShowNativeUI, qint16, 0)        \
    X(ShowScanSetting, qint16, 1)     \
    X(CurrDocType, qint16, 0)         \
    X(DocNameRule, QString, "")       \
    X(FileInitValue, qint32, 1)

#define SCANVO_SAVE_SETTINGS(X)       \
    X(Tif1Compress, qint16, 0)        \
    X(Tif2Compress, qint16, 2)        \
    X(Tif2Quality, qint16, 3)         \
    X(Tif2QualityValue, qint16, 50)   \
    X(JpgCompress, qint16, 1)         \
    X(JpgQuality, qint16, 3)          \
    X(JpgQualityValue, qint16, 50)

#define SCANVO_IMAGING_SETTINGS(X)                                                           \
    X(RotateIndex, qint16, 0)                                                                \
    X(DeskewIndex, qint16, 0)                                                                \
    X(AlignIndex, qint16, 0)                                                                 \
    X(TextIndex, qint16, 0)                                                                  \
    X(ResizeIndex, qint16, 0)                                                                \
    X(AdjustIndex, qint16, 0)                                                                \
    X(TrimAutoCenter, qint16, 0)                                                             \
    X(CropAutoResize, qint16, 0)                                                             \
    X(AutoTrim, qint16, 32)                                                                  \
    X(RotateFlag, qint16, 2)                                                                 \
    X(BorderLocation, QString, "BORDER_LEFT|BORDER_RIGHT|BORDER_TOP|BORDER_BOTTOM")          \
    X(BorderPercent, qint16, 20)                                                             \
    X(WhiteNoiseLength, qint16, 20)                                                          \
    X(BorderVariance, qint16, 20)                                                            \
    X(Despeckle, qint16, 1)                                                                  \
    X(Dot, qint16, 1)                                                                        \
    X(MinimumDotWidth, qint16, 2)                                                            \
    X(MinimumDotHeight, qint16, 2)                                                           \
    X(MaximumDotWidth, qint16, 5)                                                            \
    X(MaximumDotHeight, qint16, 5)                                                           \
    X(LineLocation, QString, "LINEREMOVE_HORIZONTAL|LINEREMOVE_VERTICAL")                    \
    X(MinimumLineLength, qint16, 400)                                                        \
    X(MaximumLineWidth, qint16, 15)                                                          \
    X(WallHeight, qint16, 15)                                                                \
    X(MaxWallPercent, qint16, 10)                                                            \
    X(LineVariance, qint16, 3)                                                               \
    X(MaximumGap, qint16, 3)                                                                 \
    X(RemoveEntireLine, qint16, 1)                                                           \
    X(HolePunchRemovalFlag, QString, "HOLEPUNCH_USE_LOCATION|HOLEPUNCH_USE_SIZE|HOLEPUNCH_USE_COUNT") \
    X(HolePunchLocation, QString, "HOLEPUNCH_LEFT|HOLEPUNCH_RIGHT|HOLEPUNCH_TOP|HOLEPUNCH_BOTTOM")    \
    X(MinimumHolePunchWidth, qint16, 10)                                                     \
    X(MinimumHolePunchHeight, qint16, 10)                                                    \
    X(MaximumHolePunchWidth, qint16, 50)                                                     \
    X(MaximumHolePunchHeight, qint16, 50)                                                    \
    X(MinimumHolePunchs, qint16, 2)                                                          \
    X(MaximumHolePunchs, qint16, 12)                                                         \
    X(PaintRectWidth, qint16, 3)                                                             \
    X(PaintRectHeight, qint16, 3)                                                            \
    X(FontName, QString, "宋体")                                                             \
    X(FontSize, qint16, 12)                                                                  \
    X(Bold, qint16, 0)                                                                       \
    X(Italic, qint16, 0)                                                                     \
    X(Underline, qint16, 0)                                                                  \
    X(Strikethrough, qint16, 0)                                                              \
    X(WriteComment, QString, "")

// X(section) for every section, in file order.
#define SCANVO_SETTING_SECTIONS(X) X(Layout, LAYOUT) X(Common, COMMON) X(Scan, SCAN) X(Save, SAVE) X(Imaging, IMAGING)

namespace scanvo {

#define SCANVO_SETTING_MEMBER(key, type, def) type key = type(def);
#define SCANVO_SETTING_SECTION(name, LIST) \
    struct name##Section {                 \
        SCANVO_##LIST##_SETTINGS(SCANVO_SETTING_MEMBER)  \
    } name;

// One member per section, named like the section, holding one member per key, named like the key.
// A default-constructed record holds every default.
struct SettingsRecord {
    SCANVO_SETTING_SECTIONS(SCANVO_SETTING_SECTION)
};

#undef SCANVO_SETTING_SECTION
#undef SCANVO_SETTING_MEMBER

// The record of the process. Scan.DocNameRule has no default of its own: LoadSettings takes the
// control's DocNameRule property.
extern SettingsRecord g_Settings;
// Path of the settings file, recomputed by every load and write.
extern QString g_IniFile;

// $SCANVO_CONFIG_DIR if set, else $XDG_CONFIG_HOME/scanvo, else ~/.config/scanvo. Created by the
// first write, not here.
QString SettingsDirectory();
// SettingsDirectory() + "/scanvo.ini".
QString IniFilePath();
// SettingsDirectory() + "/scanvo-pos.ini".
QString PositionFilePath();

// Section "Layout". When the settings file exists its three keys are read, a missing key reading
// as 0; otherwise the defaults are set and written, which creates the file.
void LoadLayoutSettings();

// Sections "Common", "Scan", "Save" and "Imaging": a present value is converted into the record,
// a missing or empty one is replaced by its default, which is written back at once.
// Scan.SaveDir is only copied into localPath, whatever it holds; Scan.DocNameRule defaults to
// docNameRuleProperty.
void LoadSettings(const QString& docNameRuleProperty, QString& localPath);

// Remembered position of a document (0 when nothing is remembered), keyed by the last component
// of docName, where both "/" and "\" separate components.
qint16 ReadImagePos(const QString& docName);
void WriteImagePos(const QString& docName, qint16 position);
// The position file's key for docName; empty when docName has no name component.
QString ImagePosKey(const QString& docName);

// Writes one key of the settings file at once (g_IniFile, recomputed first).
void WriteSetting(const QString& section, const QString& key, const QString& value);

// Assigns value to a member of g_Settings and writes it under its own section and key at once.
// member must be a member of g_Settings (for example g_Settings.Save.JpgQualityValue).
void StoreSetting(qint16& member, qint16 value);
void StoreSetting(qint32& member, qint32 value);
void StoreSetting(QString& member, const QString& value);

// "Section.Key" of a member of g_Settings, empty for anything else.
QString SettingName(const void* member);

}  // namespace scanvo
