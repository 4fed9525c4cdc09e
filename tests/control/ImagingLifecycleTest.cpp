// The control's lifecycle: initialise and terminate, first show, SetDocument.
#include "ControlTestSupport.h"

#include "control/ControlTexts.h"
#include "platform/engine/Image.h"
#include "platform/engine/ImageFile.h"
#include "platform/engine/ImageViewer.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"
#include "settings/frmImageDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace scanvo::fixtures {
namespace {

using LifecycleTest = ControlTest;

bool IsDirectory(const QString& path)
{
    return QFileInfo(path).isDir();
}

// A dialog script that accepts frmImageDir with dir as its result.
ScriptedPrompter::DialogScript AcceptSaveDir(const QString& dir)
{
    return [dir](QDialog& dialog) {
        auto* form = qobject_cast<frmImageDir*>(&dialog);
        EXPECT_NE(form, nullptr);
        if (form)
            form->SaveDir = dir;
        return int(QDialog::Accepted);
    };
}

TEST_F(LifecycleTest, InitialiseOpensTheScannerBoundToTheControlAndTerminateClosesIt)
{
    auto control = std::make_unique<Imaging>();
    EXPECT_EQ(scannerLog->starts, 1);
    EXPECT_EQ(scannerLog->startOption, 0);
    EXPECT_EQ(scannerLog->owner, control.get());
    EXPECT_EQ(scannerLog->ends, 0);
    control.reset();
    EXPECT_EQ(scannerLog->ends, 1);
}

TEST_F(LifecycleTest, TheScannersDeviceDialogGoesThroughThePrompter)
{
    Imaging control;
    auto* source = dynamic_cast<RecordingScanner*>(control.State().scan.m_Scanner.get());
    ASSERT_NE(source, nullptr);
    QDialog deviceDialog;
    EXPECT_EQ(source->showDeviceDialog(deviceDialog), QDialog::Rejected);
    EXPECT_EQ(prompter.dialogsShown, QStringList{"QDialog"});
}

TEST_F(LifecycleTest, InitialiseCreatesTheSettingsFileWithTheLayoutDefaults)
{
    Imaging control;
    EXPECT_EQ(GetIniString(iniFile(), "Layout", "ImagingBarAlign"), "3");
    EXPECT_EQ(GetIniString(iniFile(), "Layout", "ImagingButtonCaption"), "1");
    EXPECT_EQ(GetIniString(iniFile(), "Layout", "ScanBarAlign"), "1");
}

TEST_F(LifecycleTest, FirstShowTakesTheRootFromTheSettingsOverTheStoredProperty)
{
    writeSaveDir(rootDir());
    Imaging control;
    control.setLocalPath(areaDir() + "/stored");
    control.show();

    EXPECT_EQ(control.LocalPath(), rootDir());
    EXPECT_TRUE(IsDirectory(rootDir())) << "a missing root is created";
    EXPECT_TRUE(prompter.dialogsShown.isEmpty());
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(LifecycleTest, FirstShowWithoutRootAsksOnceAndCancellingLeavesTheControlEmpty)
{
    Imaging control;
    control.setLocalPath(areaDir() + "/stored");
    control.setDocName("test1\\44");
    control.show();

    EXPECT_EQ(prompter.dialogsShown, QStringList{"scanvo::frmImageDir"});
    EXPECT_TRUE(control.LocalPath().isEmpty()) << "an absent Scan.SaveDir clears the stored LocalPath";
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_EQ(prompter.messages[0].text, QStringLiteral("请设置本地图像存放目录！　　"));
    EXPECT_EQ(prompter.messages[0].title, QStringLiteral("提示信息"));
    EXPECT_EQ(prompter.messages[0].icon, MessageIcon::Information);

    // Showing again is not a first show.
    control.hide();
    control.show();
    EXPECT_EQ(prompter.dialogsShown.size(), 1);
    EXPECT_EQ(prompter.messages.size(), 1);
}

TEST_F(LifecycleTest, FirstShowTakesTheChosenRootAndCreatesTheDocumentDirectory)
{
    prompter.dialogScripts.enqueue(AcceptSaveDir(rootDir()));
    Imaging control;
    control.setDocName("2024\\box7");
    control.show();

    EXPECT_EQ(control.LocalPath(), rootDir());
    EXPECT_TRUE(IsDirectory(rootDir() + "/2024/box7"));
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(LifecycleTest, DocumentsOpenAtTheirRememberedPosition)
{
    writeSaveDir(rootDir());
    MakeSinglePageDocument(rootDir() + "/box/first", 3);
    MakeSinglePageDocument(rootDir() + "/box/second", 4);
    WriteImagePos("box\\first", 2);
    WriteImagePos("box\\second", 3);

    Imaging control;
    control.resize(900, 600);
    control.setDocName("box\\first");
    control.show();
    const ControlState& state = control.State();
    EXPECT_EQ(state.doc.m_PageCount, 3);
    EXPECT_EQ(state.doc.m_CurrentPage, 2);

    control.setDocName("box\\second");
    control.SetDocument();
    EXPECT_EQ(state.doc.m_PageCount, 4);
    EXPECT_EQ(state.doc.m_CurrentPage, 3);
    ASSERT_EQ(state.doc.m_Files.count(), 4);
    EXPECT_TRUE(state.doc.m_Files.at(1).endsWith("second/000001.tif"));
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messageTexts().join('|').toStdString();
}

// Replaces the shown page by a blank page of the given width, as an editing command would.
void EditShownPage(ControlState& state, int width)
{
    ASSERT_NE(state.widgets.mtMain, nullptr);
    ASSERT_TRUE(state.widgets.mtMain->hasImage());
    engine::Image edited = engine::Image::create(width, 48, 1);
    edited.setLoadFormat(state.widgets.mtMain->image().loadFormat());
    state.widgets.mtMain->setImage(std::move(edited));
    state.doc.m_PageModified = true;
}

TEST_F(LifecycleTest, SwitchingDocumentsWritesTheModifiedPageBackFirst)
{
    writeSaveDir(rootDir());
    MakeSinglePageDocument(rootDir() + "/first", 2);
    MakeSinglePageDocument(rootDir() + "/second", 1);
    WriteImagePos("first", 1);

    Imaging control;
    control.resize(900, 600);
    control.setDocName("first");
    control.show();
    ControlState& state = control.State();
    ASSERT_EQ(state.doc.m_CurrentPage, 1);
    EditShownPage(state, 120);

    control.setDocName("second");
    control.SetDocument();
    EXPECT_EQ(engine::LoadPage(rootDir() + "/first/000001.tif").width(), 120);
    EXPECT_EQ(engine::LoadPage(rootDir() + "/first/000002.tif").width(), 66) << "only the shown page is written";
    EXPECT_FALSE(state.doc.m_PageModified);
    EXPECT_EQ(state.doc.m_PageCount, 1);
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messageTexts().join('|').toStdString();
}

TEST_F(LifecycleTest, TerminateWritesTheModifiedPageBack)
{
    writeSaveDir(rootDir());
    MakeSinglePageDocument(rootDir() + "/doc", 2);
    WriteImagePos("doc", 2);
    {
        Imaging control;
        control.resize(900, 600);
        control.setDocName("doc");
        control.show();
        EditShownPage(control.State(), 150);
    }
    EXPECT_EQ(engine::LoadPage(rootDir() + "/doc/000002.tif").width(), 150);
    EXPECT_EQ(scannerLog->ends, 1);
}

TEST_F(LifecycleTest, FirstShowWithoutDocumentNameOpensNothingAndSaysNothing)
{
    auto control = shownControlWithRoot();
    EXPECT_TRUE(IsDirectory(rootDir()));
    EXPECT_EQ(QDir(rootDir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(LifecycleTest, DesignModeKeepsPropertiesButOpensNothing)
{
    Imaging control;
    control.SetUserMode(false);
    control.setLocalPath(rootDir());
    control.setDocName("test1");
    control.show();

    EXPECT_EQ(control.LocalPath(), rootDir());
    EXPECT_FALSE(QFileInfo::exists(rootDir()));
    EXPECT_TRUE(prompter.dialogsShown.isEmpty());
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(LifecycleTest, TypeDetectionIsDecidedOnceAtFirstShow)
{
    writeSaveDir(rootDir());
    Imaging detecting;
    detecting.setDocType(-1);
    detecting.show();
    detecting.setDocType(3);
    EXPECT_EQ(detecting.State().doc.m_RequestedDocType, -1);

    Imaging late;
    late.show();
    late.setDocType(-1);
    late.setDocName("doc");
    late.SetDocument();
    EXPECT_EQ(late.State().doc.m_RequestedDocType, 2);
    EXPECT_EQ(late.State().props.m_DocType, -1);
}

TEST_F(LifecycleTest, SetDocumentCreatesEveryLevelOfATwoLevelName)
{
    auto control = shownControlWithRoot();
    control->setDocName("2024\\box7");
    control->SetDocument();
    EXPECT_TRUE(IsDirectory(rootDir() + "/2024/box7"));
    EXPECT_TRUE(prompter.messages.isEmpty());

    control->setDocName("2025/box8");
    control->SetDocument();
    EXPECT_TRUE(IsDirectory(rootDir() + "/2025/box8"));
}

TEST_F(LifecycleTest, SetDocumentUsesTheLocalPathLetSinceFirstShow)
{
    auto control = shownControlWithRoot();
    const QString otherRoot = areaDir() + "/other";
    control->setLocalPath(otherRoot);
    control->setDocName("doc");
    control->SetDocument();
    EXPECT_TRUE(IsDirectory(otherRoot + "/doc"));
    EXPECT_FALSE(QFileInfo::exists(rootDir() + "/doc"));
}

TEST_F(LifecycleTest, SetDocumentWithoutNameSaysSoAndLeavesThePreviousDocument)
{
    auto control = shownControlWithRoot();
    ControlState& state = control->State();
    state.doc.m_Files.append(rootDir() + "/old/1.tif");
    state.doc.m_PageCount = 1;
    state.doc.m_CurrentPage = 1;

    control->SetDocument();

    EXPECT_EQ(prompter.messageTexts(), QStringList{QStringLiteral("请设置文档名称！　　")});
    EXPECT_EQ(prompter.messages[0].title, QStringLiteral("提示信息"));
    EXPECT_EQ(state.doc.m_Files.count(), 1);
    EXPECT_EQ(state.doc.m_PageCount, 1);
    EXPECT_EQ(state.doc.m_CurrentPage, 1);
}

TEST_F(LifecycleTest, SetDocumentWithoutRootAsksAndStopsWhenCancelled)
{
    Imaging control;
    control.setDocName("doc");
    control.SetDocument();
    EXPECT_EQ(prompter.dialogsShown, QStringList{"scanvo::frmImageDir"});
    EXPECT_EQ(prompter.messageTexts(), QStringList{QStringLiteral("请设置本地图像存放目录！　　")});
}

TEST_F(LifecycleTest, SetDocumentRefusesNamesOutsideTheRoot)
{
    auto control = shownControlWithRoot();
    const QStringList refused = {areaDir() + "/abs", "/abs", "..", "../out", "a/../../out", "a\\..\\..\\out",
                                 "..\\out"};
    for (const QString& name : refused) {
        prompter.messages.clear();
        control->setDocName(name);
        control->SetDocument();
        ASSERT_EQ(prompter.messages.size(), 1) << name.toStdString();
        EXPECT_EQ(prompter.messages[0].text, texts::kDocNameOutsideRoot) << name.toStdString();
        EXPECT_EQ(prompter.messages[0].title, QStringLiteral("提示信息"));
        EXPECT_TRUE(prompter.messages[0].text.endsWith(QStringLiteral("　　")));
    }
    EXPECT_FALSE(QFileInfo::exists(areaDir() + "/abs"));
    EXPECT_FALSE(QFileInfo::exists(areaDir() + "/out"));
    EXPECT_FALSE(QFileInfo::exists(rootDir() + "/a"));
}

TEST_F(LifecycleTest, FirstShowRefusesADocumentNameOutsideTheRoot)
{
    writeSaveDir(rootDir());
    Imaging control;
    control.setDocName("../escape");
    control.show();
    EXPECT_EQ(prompter.messageTexts(), QStringList{texts::kDocNameOutsideRoot});
    EXPECT_FALSE(QFileInfo::exists(areaDir() + "/escape"));
}

TEST_F(LifecycleTest, DirectoriesThatCannotBeCreatedAreReportedAndNothingIsOpened)
{
    QFile blocker(areaDir() + "/blocker");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    // The root itself.
    writeSaveDir(blocker.fileName() + "/root");
    Imaging control;
    control.setDocName("doc");
    control.show();
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_EQ(prompter.messages[0].text, texts::kCannotCreateDirectory.arg(blocker.fileName() + "/root"));
    EXPECT_EQ(prompter.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(prompter.messages[0].title, QStringLiteral("提示信息"));

    // The document directory below a good root.
    prompter.messages.clear();
    control.setLocalPath(areaDir());
    control.State().doc.m_Files.append(areaDir() + "/old.tif");
    control.setDocName("blocker/doc");
    control.SetDocument();
    EXPECT_EQ(prompter.messageTexts(), QStringList{texts::kCannotCreateDirectory.arg(areaDir() + "/blocker/doc")});
    EXPECT_EQ(control.State().doc.m_Files.count(), 1) << "the previous document stays as it was";
}

}  // namespace
}  // namespace scanvo::fixtures
