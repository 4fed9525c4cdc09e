// The device dialog built from option descriptors: one editor per writable option, by kind.
#include "platform/scanner/DeviceOptionsDialog.h"

#include "FakeDevice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QSpinBox>
#include <gtest/gtest.h>

using namespace scanvo::scanner;
using namespace scanvo::scanner::testing;

namespace {

DeviceOption Group(const QString& title)
{
    DeviceOption option;
    option.title = title;
    option.type = OptionType::Group;
    return option;
}

QList<DeviceOption> SampleOptions()
{
    DeviceOption text;
    text.name = "label";
    text.title = "Label";
    text.type = OptionType::String;
    text.value = QString("first");
    DeviceOption button;
    button.name = "calibrate";
    button.type = OptionType::Button;
    DeviceOption inactive = Switch("three-pass", false);
    inactive.active = false;
    DeviceOption readOnly = Range("lamp-hours", OptionType::Int, 0, 100000, 1, 12);
    readOnly.settable = false;
    DeviceOption gamma = Range("gamma-table", OptionType::Int, 0, 255, 1, 0);
    gamma.valueCount = 256;
    return {Group("Scan Mode"),
            Choice("mode", {"Gray", "Color"}, "Gray"),
            Words("depth", {1, 8, 16}, 8),
            Range("resolution", OptionType::Int, 50, 600, 1, 300, OptionUnit::Dpi),
            inactive,
            Group("Sensors"),
            readOnly,
            Group("Enhancement"),
            Switch("preview", false),
            Range("brightness", OptionType::Fixed, -100, 100, 0.5, 0),
            text,
            button,
            gamma};
}

TEST(DeviceOptionsDialogTest, EachWritableOptionGetsTheEditorOfItsKind)
{
    DeviceOptionsDialog dialog(SampleOptions(), "test:0");
    EXPECT_EQ(dialog.windowTitle(), "test:0");
    auto* mode = dialog.findChild<QComboBox*>("mode");
    ASSERT_NE(mode, nullptr);
    EXPECT_EQ(mode->count(), 2);
    EXPECT_EQ(mode->currentText(), "Gray");
    auto* depth = dialog.findChild<QComboBox*>("depth");
    ASSERT_NE(depth, nullptr);
    EXPECT_EQ(depth->currentData().toDouble(), 8);
    auto* resolution = dialog.findChild<QSpinBox*>("resolution");
    ASSERT_NE(resolution, nullptr);
    EXPECT_EQ(resolution->minimum(), 50);
    EXPECT_EQ(resolution->maximum(), 600);
    EXPECT_EQ(resolution->value(), 300);
    EXPECT_NE(dialog.findChild<QCheckBox*>("preview"), nullptr);
    auto* brightness = dialog.findChild<QDoubleSpinBox*>("brightness");
    ASSERT_NE(brightness, nullptr);
    EXPECT_DOUBLE_EQ(brightness->singleStep(), 0.5);
    EXPECT_NE(dialog.findChild<QLineEdit*>("label"), nullptr);

    // Nothing for buttons, inactive, read-only or array options; a group left empty is dropped.
    for (const char* name : {"calibrate", "three-pass", "lamp-hours", "gamma-table"})
        EXPECT_EQ(dialog.findChild<QWidget*>(name), nullptr) << name;
    QStringList groups;
    for (QGroupBox* box : dialog.findChildren<QGroupBox*>())
        groups.append(box->title());
    EXPECT_EQ(groups, (QStringList{"Scan Mode", "Enhancement"}));
}

TEST(DeviceOptionsDialogTest, ChangedValuesListOnlyWhatTheUserChangedInDeviceOrder)
{
    DeviceOptionsDialog dialog(SampleOptions(), "test:0");
    EXPECT_TRUE(dialog.changedValues().isEmpty());
    dialog.findChild<QLineEdit*>("label")->setText("second");
    dialog.findChild<QComboBox*>("mode")->setCurrentText("Color");
    dialog.findChild<QComboBox*>("depth")->setCurrentIndex(2);
    dialog.findChild<QSpinBox*>("resolution")->setValue(300);  // unchanged
    dialog.findChild<QCheckBox*>("preview")->setChecked(true);
    const auto changed = dialog.changedValues();
    ASSERT_EQ(changed.size(), 4);
    EXPECT_EQ(changed[0], qMakePair(QString("mode"), QVariant(QString("Color"))));
    EXPECT_EQ(changed[1].first, "depth");
    EXPECT_EQ(changed[1].second.toDouble(), 16);
    EXPECT_EQ(changed[2], qMakePair(QString("preview"), QVariant(true)));
    EXPECT_EQ(changed[3], qMakePair(QString("label"), QVariant(QString("second"))));
}

}  // namespace
