// The control's properties: defaults, change notification, and the container's property steps.
#include "ControlTestSupport.h"

#include "control/OleColor.h"
#include "control/PropertyBag.h"
#include "platform/engine/ImageViewer.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"

#include <QFileInfo>
#include <QSignalSpy>

#include <map>

namespace scanvo::fixtures {
namespace {

using PropertiesTest = ControlTest;

// A bag that remembers everything in memory.
class MemoryBag final : public PropertyBag {
public:
    QVariant read(const QString& key, const QVariant& defaultValue) const override
    {
        auto found = values.find(key);
        return found == values.end() ? defaultValue : found->second;
    }
    void write(const QString& key, const QVariant& value) override { values[key] = value; }
    std::map<QString, QVariant> values;
};

QFont TestFont()
{
    QFont font(QStringLiteral("WenQuanYi Zen Hei"), 13);
    font.setBold(true);
    return font;
}

// One value per persisted key, different from every default.
const std::map<QString, QVariant>& StoredValues()
{
    static const std::map<QString, QVariant> values = {
        {"BackColor", QVariant::fromValue<quint32>(0x00123456)},
        {"ForeColor", QVariant::fromValue<quint32>(0x000000FF)},
        {"Enabled", false},
        {"Font", TestFont()},
        {"BorderStyle", 1},
        {"LocalPath", "/data/archive"},
        {"DocType", -1},
        {"DocName", "2024\\box7"},
        {"DocNameRule", "IMG-###"},
        {"ImagingButtonCaption", 0},
        {"ImagingBarAlign", 2},
        {"ScanBarAlign", 2},
    };
    return values;
}

void ExpectHoldsStoredValues(const Imaging& control)
{
    for (const auto& [key, value] : StoredValues()) {
        const QVariant actual = control.property(key.toLatin1().constData());
        if (key == "Font")
            EXPECT_EQ(actual.value<QFont>(), value.value<QFont>()) << key.toStdString();
        else
            EXPECT_EQ(actual.toString(), value.toString()) << key.toStdString();
    }
}

TEST_F(PropertiesTest, BackColorIsWhatTheViewerShowsAroundThePage)
{
    Imaging control;
    EXPECT_EQ(control.State().widgets.mtMain->backColor(), QColor(0xC0, 0xC0, 0xFF));  // 0xFFC0C0 is blue, green, red
    control.setBackColor(0x00123456);
    EXPECT_EQ(control.State().widgets.mtMain->backColor(), QColor(0x56, 0x34, 0x12));
}

TEST_F(PropertiesTest, NewInstanceHasTheDocumentedDefaults)
{
    QWidget host;
    QFont ambient(QStringLiteral("WenQuanYi Zen Hei"), 9);
    host.setFont(ambient);
    Imaging control(&host);
    control.InitProperties();

    EXPECT_EQ(control.property("BackColor").toUInt(), 0xFFC0C0u);
    EXPECT_EQ(control.property("ForeColor").toUInt(), 0x80000012u);
    EXPECT_TRUE(control.property("Enabled").toBool());
    EXPECT_EQ(control.property("Font").value<QFont>(), ambient);
    EXPECT_EQ(control.property("BorderStyle").toInt(), 0);
    EXPECT_EQ(control.property("LocalPath").toString(), QString());
    EXPECT_EQ(control.property("DocType").toInt(), 2);
    EXPECT_EQ(control.property("DocName").toString(), QString());
    EXPECT_EQ(control.property("DocNameRule").toString(), QString());
    EXPECT_EQ(control.property("ImagingButtonCaption").toInt(), 1);
    EXPECT_EQ(control.property("ImagingBarAlign").toInt(), 3);
    EXPECT_EQ(control.property("ScanBarAlign").toInt(), 1);
}

TEST_F(PropertiesTest, EveryLetNotifiesWithItsKeyAndReadingHasNoSideEffects)
{
    Imaging control;
    QSignalSpy changed(&control, &Imaging::PropertyChanged);
    for (const auto& [key, value] : StoredValues()) {
        const QByteArray name = key.toLatin1();
        const QMetaProperty property = control.metaObject()->property(control.metaObject()->indexOfProperty(name));
        ASSERT_TRUE(property.isValid()) << name.constData();
        ASSERT_TRUE(property.hasNotifySignal()) << name.constData();
        QSignalSpy notify(&control, property.notifySignal());

        ASSERT_TRUE(control.setProperty(name.constData(), value)) << name.constData();
        ASSERT_EQ(changed.count(), 1) << name.constData();
        EXPECT_EQ(changed.takeFirst().at(0).toString(), key);
        EXPECT_EQ(notify.count(), 1) << name.constData();

        (void)control.property(name.constData());
        EXPECT_EQ(changed.count(), 0);
    }
    ExpectHoldsStoredValues(control);
}

TEST_F(PropertiesTest, LetsStoreWithoutValidatingAndDoNotOpenAnything)
{
    auto control = shownControlWithRoot();
    control->setDocType(7);
    control->setDocName("doc");
    EXPECT_EQ(control->DocType(), 7);
    EXPECT_FALSE(QFileInfo::exists(rootDir() + "/doc")) << "a let only stores; SetDocument opens";
}

TEST_F(PropertiesTest, SurfacePropertiesReachTheWidget)
{
    Imaging control;
    control.setProperty("Enabled", false);
    EXPECT_FALSE(control.isEnabled());
    control.setProperty("Font", TestFont());
    EXPECT_EQ(control.font(), TestFont());
    control.setProperty("ForeColor", QVariant::fromValue<quint32>(0x000000FF));
    EXPECT_EQ(control.palette().color(QPalette::WindowText), QColor(255, 0, 0));
    control.setProperty("BorderStyle", 1);
    EXPECT_EQ(control.contentsMargins(), QMargins(1, 1, 1, 1));
}

TEST_F(PropertiesTest, OleColoursAreBlueGreenRedAndSystemColoursComeFromThePalette)
{
    QPalette palette;
    palette.setColor(QPalette::ButtonText, QColor(1, 2, 3));
    EXPECT_EQ(OleColorToQColor(0xFFC0C0, palette), QColor(0xC0, 0xC0, 0xFF));
    EXPECT_EQ(OleColorToQColor(0x80000012, palette), QColor(1, 2, 3));
}

TEST_F(PropertiesTest, ReadPropertiesAppliesEveryKeyWithoutNotifying)
{
    MemoryBag bag;
    bag.values = StoredValues();
    Imaging control;
    QSignalSpy changed(&control, &Imaging::PropertyChanged);
    control.ReadProperties(bag);
    ExpectHoldsStoredValues(control);
    EXPECT_EQ(changed.count(), 0);
}

TEST_F(PropertiesTest, ReadPropertiesUsesTheDefaultForMissingAndUnreadableKeys)
{
    MemoryBag bag;
    bag.values = {{"DocType", "not a number"}, {"DocName", "kept"}};
    Imaging control;
    control.setDocType(1);
    control.setImagingBarAlign(2);
    control.ReadProperties(bag);
    EXPECT_EQ(control.DocType(), 2);
    EXPECT_EQ(control.ImagingBarAlign(), 3);
    EXPECT_EQ(control.DocName(), "kept");
}

TEST_F(PropertiesTest, PropertiesSurviveAnIniFileBag)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath("host.ini");
    {
        MemoryBag source;
        source.values = StoredValues();
        Imaging original;
        original.ReadProperties(source);
        SettingsPropertyBag bag(file, "Imaging1");
        original.WriteProperties(bag);
        ASSERT_TRUE(bag.sync());
    }
    SettingsPropertyBag bag(file, "Imaging1");
    Imaging restored;
    restored.ReadProperties(bag);
    ExpectHoldsStoredValues(restored);
}

TEST_F(PropertiesTest, WritePropertiesOfANewDesignedInstanceWritesTheLayoutDefaults)
{
    Imaging control;
    control.SetUserMode(false);
    control.InitProperties();
    // Whatever the file held before, the designed values win.
    ASSERT_TRUE(WriteIniString(iniFile(), "Layout", "ImagingBarAlign", "1"));
    ASSERT_TRUE(WriteIniString(iniFile(), "Layout", "ScanBarAlign", "2"));
    MemoryBag bag;
    control.WriteProperties(bag);

    EXPECT_EQ(GetIniString(iniFile(), "Layout", "ImagingBarAlign"), "3");
    EXPECT_EQ(GetIniString(iniFile(), "Layout", "ImagingButtonCaption"), "1");
    EXPECT_EQ(GetIniString(iniFile(), "Layout", "ScanBarAlign"), "1");
    EXPECT_EQ(bag.values.size(), StoredValues().size());
    EXPECT_EQ(bag.values["DocType"].toInt(), 2);
}

TEST_F(PropertiesTest, WritePropertiesCopiesDesignedLayoutIntoTheSettings)
{
    Imaging control;
    control.SetUserMode(false);
    control.setImagingBarAlign(2);
    control.setImagingButtonCaption(0);
    control.setScanBarAlign(2);
    MemoryBag bag;
    control.WriteProperties(bag);

    EXPECT_EQ(GetIniString(iniFile(), "Layout", "ImagingBarAlign"), "2");
    EXPECT_EQ(GetIniString(iniFile(), "Layout", "ImagingButtonCaption"), "0");
    EXPECT_EQ(GetIniString(iniFile(), "Layout", "ScanBarAlign"), "2");
    EXPECT_EQ(g_Settings.Layout.ImagingBarAlign, 2);
    EXPECT_EQ(g_Settings.Layout.ImagingButtonCaption, 0);
    EXPECT_EQ(g_Settings.Layout.ScanBarAlign, 2);
}

}  // namespace
}  // namespace scanvo::fixtures
