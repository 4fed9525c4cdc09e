#pragma once
// The settings record shared by every control and dialog of the process, the two INI files behind
// it, and the remembered position of each document.
//
// Every key is listed once below, per section and in file order, with its type and default; the
// record's members and the table that loads and writes them are both generated from these lists.

#include <QString>
#include <QtGlobal>

// X(section, key, type, default); S is the section, passed through. Layout is listed in the order
// in which a new settings file receives its keys.
#define SCANVO_LAYOUT_SETTINGS(X, S)          \
    X(S, ScanBarAlign, qint16, 1)             \
    X(S, ImagingBarAlign, qint16, 3)          \
    X(S, ImagingButtonCaption, qint16, 1)

#define SCANVO_COMMON_SETTINGS(X, S) \
    X(S, ImageFitStyle, qint16, 3)

#define SCANVO_SCAN_SETTINGS(X, S)       \
    X(S, SaveDir, QString, "")           \
    X(S, ScanSupply, qint16, 1)          \
    X(S, ScanDuplex, qint16, 1)          \
    X(S, ImageType, qint16, 2)           \
    X(S, Resolution, qint16, 3)          \
    X(S, PaperSize, qint16, 1)           \
    X(S, PaperDirection, qint16, 0)      \
    X(S, Bright, qint16, 0)              \
    X(S, Contrast, qint16, 0)            \
    X(S, ShowNativeUI, qint16, 0)        \
    X(S, ShowScanSetting, qint16, 1)     \
    X(S, CurrDocType, qint16, 0)         \
    X(S, DocNameRule, QString, "")       \
    X(S, FileInitValue, qint32, 1)

#define SCANVO_SAVE_SETTINGS(X, S)       \
    X(S, Tif1Compress, qint16, 0)        \
    X(S, Tif2Compress, qint16, 2)        \
    X(S, Tif2Quality, qint16, 3)         \
    X(S, Tif2QualityValue, qint16, 50)   \
    X(S, JpgCompress, qint16, 1)         \
    X(S, JpgQuality, qint16, 3)          \
    X(S, JpgQualityValue, qint16, 50)

#define SCANVO_IMAGING_SETTINGS(X, S)                                                           \
    X(S, RotateIndex, qint16, 0)                                                                \
    X(S, DeskewIndex, qint16, 0)                                                                \
    X(S, AlignIndex, qint16, 0)                                                                 \
    X(S, TextIndex, qint16, 0)                                                                  \
    X(S, ResizeIndex, qint16, 0)                                                                \
    X(S, AdjustIndex, qint16, 0)                                                                \
    X(S, TrimAutoCenter, qint16, 0)                                                             \
    X(S, CropAutoResize, qint16, 0)                                                             \
    X(S, AutoTrim, qint16, 32)                                                                  \
    X(S, RotateFlag, qint16, 2)                                                                 \
    X(S, BorderLocation, QString, "BORDER_LEFT|BORDER_RIGHT|BORDER_TOP|BORDER_BOTTOM")          \
    X(S, BorderPercent, qint16, 20)                                                             \
    X(S, WhiteNoiseLength, qint16, 20)                                                          \
    X(S, BorderVariance, qint16, 20)                                                            \
    X(S, Despeckle, qint16, 1)                                                                  \
    X(S, Dot, qint16, 1)                                                                        \
    X(S, MinimumDotWidth, qint16, 2)                                                            \
    X(S, MinimumDotHeight, qint16, 2)                                                           \
    X(S, MaximumDotWidth, qint16, 5)                                                            \
    X(S, MaximumDotHeight, qint16, 5)                                                           \
    X(S, LineLocation, QString, "LINEREMOVE_HORIZONTAL|LINEREMOVE_VERTICAL")                    \
    X(S, MinimumLineLength, qint16, 400)                                                        \
    X(S, MaximumLineWidth, qint16, 15)                                                          \
    X(S, WallHeight, qint16, 15)                                                                \
    X(S, MaxWallPercent, qint16, 10)                                                            \
    X(S, LineVariance, qint16, 3)                                                               \
    X(S, MaximumGap, qint16, 3)                                                                 \
    X(S, RemoveEntireLine, qint16, 1)                                                           \
    X(S, HolePunchRemovalFlag, QString, "HOLEPUNCH_USE_LOCATION|HOLEPUNCH_USE_SIZE|HOLEPUNCH_USE_COUNT") \
    X(S, HolePunchLocation, QString, "HOLEPUNCH_LEFT|HOLEPUNCH_RIGHT|HOLEPUNCH_TOP|HOLEPUNCH_BOTTOM")    \
    X(S, MinimumHolePunchWidth, qint16, 10)                                                     \
    X(S, MinimumHolePunchHeight, qint16, 10)                                                    \
    X(S, MaximumHolePunchWidth, qint16, 50)                                                     \
    X(S, MaximumHolePunchHeight, qint16, 50)                                                    \
    X(S, MinimumHolePunchs, qint16, 2)                                                          \
    X(S, MaximumHolePunchs, qint16, 12)                                                         \
    X(S, PaintRectWidth, qint16, 3)                                                             \
    X(S, PaintRectHeight, qint16, 3)                                                            \
    X(S, FontName, QString, "宋体")                                                             \
    X(S, FontSize, qint16, 12)                                                                  \
    X(S, Bold, qint16, 0)                                                                       \
    X(S, Italic, qint16, 0)                                                                     \
    X(S, Underline, qint16, 0)                                                                  \
    X(S, Strikethrough, qint16, 0)                                                              \
    X(S, WriteComment, QString, "")

// X(section, LIST) for every section, in file order; LIST names its SCANVO_<LIST>_SETTINGS.
#define SCANVO_SETTING_SECTIONS(X) X(Layout, LAYOUT) X(Common, COMMON) X(Scan, SCAN) X(Save, SAVE) X(Imaging, IMAGING)

namespace scanvo {

#define SCANVO_SETTING_MEMBER(section, key, type, def) type key = type(def);
#define SCANVO_SETTING_SECTION(name, LIST)                         \
    struct name##Section {                                         \
        SCANVO_##LIST##_SETTINGS(SCANVO_SETTING_MEMBER, name)      \
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
//
// In both loads a stored number outside its key's range is replaced by the default, which is
// written back, and the keys concerned are named in one warning through CurrentPrompter().
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

}  // namespace scanvo
