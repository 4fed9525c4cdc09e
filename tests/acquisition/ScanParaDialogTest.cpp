// frmScanPara on its own: what it shows, what it stores, and the settings dialogs of tbMain.
#include "ScanFixture.h"

#include "acquisition/AcquisitionTexts.h"
#include "core/CommandKeys.h"
#include "core/CoreTexts.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"
#include "settings/frmImageDir.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>

namespace scanvo::fixtures {
namespace {

namespace T = acquisition_texts;

class ScanParaTest : public ScanTest {
protected:
    void SetUp() override
    {
        ScanTest::SetUp();
        m_Scanner.setSources({"alpha", "beta", "gamma"}, "beta");
        m_Scanner.start(0, nullptr);
    }
    QString ini(const char* key) const
    {
        return GetIniString(g_IniFile, QStringLiteral("Scan"), QString::fromLatin1(key));
    }

    scanner::ScriptedScannerSource m_Scanner;
};

QComboBox* Para(QDialog& dialog, int index)
{
    return dialog.findChild<QComboBox*>(QStringLiteral("cmbScanPara%1").arg(index));
}

TEST_F(ScanParaTest, ShowsEveryListAndTheSettingsAndSourcesOnLoad)
{
    auto& scan = g_Settings.Scan;
    scan.ScanSupply = 0;
    scan.ImageType = 1;
    scan.Resolution = 6;
    scan.PaperSize = 2;
    scan.PaperDirection = 1;
    scan.Bright = -20;
    scan.Contrast = 35;
    scan.ShowNativeUI = 1;
    scan.ShowScanSetting = 0;
    scan.CurrDocType = 2;
    scan.DocNameRule = QStringLiteral("rule##");
    scan.FileInitValue = 77;
    frmScanPara dialog(prompter, &m_Scanner);
    dialog.DocType = 0;
    dialog.DocName = QStringLiteral("given");
    dialog.show();

    EXPECT_EQ(dialog.windowTitle(), T::kScanParaCaption);
    const QStringList tips = {"扫描速度", "单/双面", "图像类型", "分辨率", "纸张大小", "纸张方向"};
    const QList<QStringList> entries = {
        {"平板", "高速"},
        {"单面", "双面"},
        {"黑白", "灰度", "彩色"},
        {"100dpi", "150dpi", "200dpi", "300dpi", "400dpi", "500dpi", "600dpi"},
        {"B5", "A4", "A3"},
        {"横向", "纵向"},
    };
    const QList<int> chosen = {0, 1, 1, 6, 2, 1};
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        QComboBox* box = Para(dialog, i);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->toolTip(), tips[i]);
        QStringList items;
        for (int j = 0; j < box->count(); ++j)
            items.append(box->itemText(j));
        EXPECT_EQ(items, entries[i]);
        EXPECT_EQ(box->currentIndex(), chosen[i]);
    }
    EXPECT_EQ(dialog.findChild<QSlider*>("sliderBright")->value(), -20);
    EXPECT_EQ(dialog.findChild<QSlider*>("sliderContrast")->value(), 35);
    EXPECT_EQ(dialog.findChild<QSlider*>("sliderBright")->minimum(), -100);
    EXPECT_TRUE(dialog.findChild<QCheckBox*>("chkShowNativeUI")->isChecked());
    EXPECT_EQ(dialog.findChild<QCheckBox*>("chkShowNativeUI")->text(), T::kShowNativeUI);
    EXPECT_FALSE(dialog.findChild<QCheckBox*>("chkShow")->isChecked());
    EXPECT_EQ(dialog.findChild<QCheckBox*>("chkShow")->text(), T::kShowSetting);
    EXPECT_EQ(dialog.cboDocType->count(), 3);
    EXPECT_EQ(dialog.cboDocType->itemText(0), QStringLiteral("多页TIF"));
    EXPECT_EQ(dialog.cboDocType->currentIndex(), 2);
    EXPECT_EQ(dialog.txtDocName->text(), QStringLiteral("given"));
    EXPECT_EQ(dialog.txtDocNameRule->text(), QStringLiteral("rule##"));
    EXPECT_EQ(dialog.txtInitValue->text(), QStringLiteral("77"));
    EXPECT_EQ(dialog.findChild<QGroupBox*>("framDoc")->title(), T::kFramDoc);
    EXPECT_EQ(dialog.findChild<QGroupBox*>("framPara")->title(), T::kFramPara);
    EXPECT_EQ(dialog.findChild<QLabel*>("lblTitle0")->text(), T::kDeviceHint);
    EXPECT_EQ(dialog.findChild<QPushButton*>("cmdSaveDir")->text(), T::kCmdSaveDir);
    EXPECT_EQ(dialog.findChild<QPushButton*>("cmdImageFormat")->text(), T::kCmdImageFormat);
    auto* devices = dialog.findChild<QListWidget*>("lstDevices");
    ASSERT_EQ(devices->count(), 3);
    EXPECT_EQ(devices->currentItem()->text(), QStringLiteral("beta"));
    EXPECT_TRUE(dialog.findChild<QPushButton*>("cmdOK")->isEnabled());
}

TEST_F(ScanParaTest, OkStoresEveryScanKeyAndHandsBackTheChoices)
{
    frmScanPara dialog(prompter, &m_Scanner);
    dialog.DocType = 0;
    dialog.show();
    for (int i = 0; i < 6; ++i)
        Para(dialog, i)->setCurrentIndex(1);
    dialog.findChild<QSlider*>("sliderBright")->setValue(40);
    dialog.findChild<QSlider*>("sliderContrast")->setValue(-60);
    dialog.findChild<QCheckBox*>("chkShowNativeUI")->setChecked(true);
    dialog.findChild<QCheckBox*>("chkShow")->setChecked(false);
    dialog.cboDocType->setCurrentIndex(0);
    dialog.txtDocName->setText(QStringLiteral("../escape/name"));
    dialog.txtDocNameRule->setText(QStringLiteral("R###"));
    dialog.txtInitValue->setText(QStringLiteral("12.5"));
    dialog.findChild<QListWidget*>("lstDevices")->setCurrentRow(2);
    dialog.findChild<QPushButton*>("cmdOK")->click();

    EXPECT_EQ(dialog.Action, 1);
    EXPECT_EQ(dialog.SourceName, QStringLiteral("gamma"));
    EXPECT_EQ(dialog.DocType, 1);
    EXPECT_EQ(dialog.DocName, QStringLiteral(".._escape_name"));
    const QList<std::pair<const char*, QString>> stored = {
        {"ScanSupply", "1"}, {"ScanDuplex", "1"},   {"ImageType", "1"},        {"Resolution", "1"},
        {"PaperSize", "1"},  {"PaperDirection", "1"}, {"Bright", "40"},        {"Contrast", "-60"},
        {"ShowNativeUI", "1"}, {"ShowScanSetting", "0"}, {"CurrDocType", "0"}, {"DocNameRule", "R###"},
        {"FileInitValue", "12"},
    };
    for (const auto& [key, value] : stored)
        EXPECT_EQ(ini(key), value) << key;
    EXPECT_EQ(g_Settings.Scan.FileInitValue, 12);
    EXPECT_EQ(g_Settings.Scan.PaperDirection, 1);
}

TEST_F(ScanParaTest, CancelStoresNothingAndLeavesNoSource)
{
    frmScanPara dialog(prompter, &m_Scanner);
    dialog.show();
    Para(dialog, 0)->setCurrentIndex(0);
    dialog.findChild<QPushButton*>("cmdCancel")->click();
    EXPECT_EQ(dialog.Action, 0);
    EXPECT_TRUE(dialog.SourceName.isEmpty());
    EXPECT_FALSE(QFile::exists(g_IniFile) && !ini("ScanSupply").isEmpty());
}

TEST_F(ScanParaTest, OnlyAMixedDocumentsMultiPageChoiceTakesAFileName)
{
    frmScanPara mixed(prompter, &m_Scanner);
    mixed.DocType = 0;
    mixed.show();
    mixed.cboDocType->setCurrentIndex(1);
    emit mixed.cboDocType->activated(1);
    EXPECT_FALSE(mixed.txtDocName->isEnabled());
    mixed.cboDocType->setCurrentIndex(0);
    emit mixed.cboDocType->activated(0);
    EXPECT_TRUE(mixed.txtDocName->isEnabled());

    frmScanPara single(prompter, &m_Scanner);
    single.DocType = 2;
    single.show();
    EXPECT_EQ(single.cboDocType->currentIndex(), 1);
    emit single.cboDocType->activated(0);
    EXPECT_FALSE(single.txtDocName->isEnabled());
}

TEST_F(ScanParaTest, WithoutSourcesOkHandsBackNoSource)
{
    scanner::ScriptedScannerSource none;
    none.setSources({});
    none.start(0, nullptr);
    frmScanPara dialog(prompter, &none);
    dialog.show();
    EXPECT_EQ(dialog.findChild<QListWidget*>("lstDevices")->count(), 0);
    dialog.findChild<QPushButton*>("cmdOK")->click();
    EXPECT_TRUE(dialog.SourceName.isEmpty());
}

TEST_F(ScanParaTest, TbMainOpensTheSettingsDialogsWithoutScanning)
{
    Open(2);
    prompter.dialogScripts.enqueue(ScanPara([](frmScanPara& dialog) {
        EXPECT_FALSE(dialog.cboDocType->isEnabled());
        EXPECT_FALSE(dialog.txtDocName->isEnabled());
    }));
    Click(keys::miScanSetting);
    EXPECT_EQ(scanner->selectedSource(), QStringLiteral("Scripted Scanner"));
    EXPECT_EQ(scanner->enableCount(), 0);

    // The save directory: a cancelled dialog keeps the root; an emptied one is reported.
    const QString root = S().props.m_LocalPath;
    Click(keys::miSaveDir);
    EXPECT_EQ(S().props.m_LocalPath, root);
    prompter.dialogScripts.enqueue([](QDialog& dialog) {
        qobject_cast<frmImageDir*>(&dialog)->SaveDir.clear();
        return int(QDialog::Accepted);
    });
    Click(keys::miSaveDir);
    EXPECT_TRUE(S().props.m_LocalPath.isEmpty());
    EXPECT_EQ(prompter.messageTexts(), QStringList({T::kNoLocalPath}));

    Click(keys::miUISetting);
    EXPECT_EQ(prompter.dialogsShown.last(), QStringLiteral("scanvo::frmViewOptions"));
}

}  // namespace
}  // namespace scanvo::fixtures
