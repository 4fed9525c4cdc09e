// Moving between the files of a mixed document and between list entries.
#include "BrowseFixture.h"

#include "control/ToolbarBuilder.h"
#include "core/DocumentType.h"
#include "core/FileListView.h"
#include "core/ToolbarKeys.h"
#include "document/FileList.h"
#include "document/FileNavigation.h"
#include "platform/engine/ImageViewer.h"
#include "settings/Settings.h"

#include <QAction>
#include <QComboBox>
#include <QSignalSpy>
#include <QToolBar>

namespace scanvo::fixtures {
namespace {

// a.tif has 3 pages, b.jpg one, c.tif 2.
class FileNavigationTest : public BrowseTest {
protected:
    void SetUp() override
    {
        BrowseTest::SetUp();
        WriteTiff(documentFile("a.tif"), 3, 110, 200);
        WriteJpeg(documentFile("b.jpg"), 120, 200);
        WriteTiff(documentFile("c.tif"), 2, 130, 200);
        openDocument(DocTypeDetect, 0);
    }
    int shownWidth() const { return viewer()->hasImage() ? viewer()->image().width() : 0; }
    void typeIntoFileBox(const QString& text)
    {
        state.widgets.cboCurrentFile->setEditText(text);
        OnFileBoxEnter(state);
    }
    void clickEntry(int n)
    {
        state.widgets.lvwFileList->setCurrentRow(n - 1);
        OnFileListClick(state);
    }
};

TEST_F(FileNavigationTest, AMixedDocumentOpensAtTheFirstPageOfItsLastFile)
{
    EXPECT_EQ(state.props.m_DocType, DocTypeAllImages);
    EXPECT_EQ(listTexts(), QStringList({"a.tif", "b.jpg", "c.tif"}));
    EXPECT_EQ(state.doc.FileCount(), 3);
    EXPECT_EQ(state.doc.m_CurrentFile, 3);
    EXPECT_EQ(state.doc.m_PageCount, 2);
    EXPECT_EQ(state.doc.m_CurrentPage, 1);
    EXPECT_EQ(shownWidth(), 130);
    EXPECT_EQ(selectedEntry(), 3);
    EXPECT_EQ(ReadImagePos(state.props.m_DocName), 3);
    EXPECT_FALSE(state.widgets.tbFileNav->isHidden());
    EXPECT_EQ(state.widgets.lvwFileList->y(), state.widgets.tbFileNav->y() + state.widgets.tbFileNav->height());
}

TEST_F(FileNavigationTest, TheFileButtonsWalkThroughTheFiles)
{
    struct Step {
        const char* name;
        void (*command)(ControlState&);
        int file;
        int pages;
        int width;
    };
    const Step steps[] = {
        {"first", FirstFile, 1, 3, 110},
        {"next", NextFile, 2, 1, 120},
        {"last", LastFile, 3, 2, 130},
        {"previous", PreviousFile, 2, 1, 120},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.command(state);
        EXPECT_EQ(state.doc.m_CurrentFile, step.file);
        EXPECT_EQ(state.doc.m_PageCount, step.pages);
        EXPECT_EQ(state.doc.m_CurrentPage, 1);
        EXPECT_EQ(shownWidth(), step.width);
        EXPECT_EQ(g_CurrentFilePath, state.doc.m_Files.at(step.file));
        EXPECT_EQ(selectedEntry(), step.file);
        EXPECT_EQ(ReadImagePos(state.props.m_DocName), step.file);
        EXPECT_EQ(panel(1), QStringLiteral("澜页文档扫描影像优化处理控件"));
    }
}

TEST_F(FileNavigationTest, PreviousAndNextAreIgnoredWhileAMoveIsLoading)
{
    state.doc.m_FileNavBusy = true;
    PreviousFile(state);
    NextFile(state);
    EXPECT_EQ(state.doc.m_CurrentFile, 3);
    state.doc.m_FileNavBusy = false;
    PreviousFile(state);
    EXPECT_EQ(state.doc.m_CurrentFile, 2);
    EXPECT_FALSE(state.doc.m_FileNavBusy);
}

TEST_F(FileNavigationTest, TheFileBoxDropsDownWithEveryFileNumber)
{
    OnFileBoxDropDown(state);
    ASSERT_EQ(state.widgets.cboCurrentFile->count(), 3);
    EXPECT_EQ(state.widgets.cboCurrentFile->itemText(0), QStringLiteral("1"));
    EXPECT_EQ(state.widgets.cboCurrentFile->itemText(2), QStringLiteral("3"));
    EXPECT_EQ(state.widgets.cboCurrentFile->currentText(), QStringLiteral("3"));
}

TEST_F(FileNavigationTest, PickingAFileNumberOpensThatFile)
{
    OnFileBoxDropDown(state);
    state.widgets.cboCurrentFile->setCurrentIndex(0);
    OnFileBoxPicked(state);
    EXPECT_EQ(state.doc.m_CurrentFile, 1);
    EXPECT_EQ(shownWidth(), 110);
}

TEST_F(FileNavigationTest, EnterWithANumberOutsideTheDocumentReloadsTheCurrentFile)
{
    for (const char* typed : {"0", "4", "abc"}) {
        SCOPED_TRACE(typed);
        viewer()->clearImage();
        typeIntoFileBox(QString::fromLatin1(typed));
        EXPECT_EQ(state.widgets.cboCurrentFile->currentText(), QStringLiteral("3"));
        EXPECT_EQ(state.doc.m_CurrentFile, 3);
        EXPECT_EQ(shownWidth(), 130);
    }
    typeIntoFileBox(QStringLiteral("1"));
    EXPECT_EQ(state.doc.m_CurrentFile, 1);
    EXPECT_EQ(shownWidth(), 110);
}

TEST_F(FileNavigationTest, ClickingTheCurrentEntryDoesNothing)
{
    viewer()->clearImage();
    clickEntry(3);
    EXPECT_FALSE(viewer()->hasImage());
    clickEntry(1);
    EXPECT_EQ(state.doc.m_CurrentFile, 1);
    EXPECT_EQ(shownWidth(), 110);
}

TEST_F(FileNavigationTest, ListKeysMoveLikeClicksAndSpaceClicksTheScanButtonWhenItIsEnabled)
{
    QAction* scan = FindToolbarAction(state.widgets.tbMain, QStringLiteral("miScan"));
    QSignalSpy clicks(scan, &QAction::triggered);
    state.widgets.lvwFileList->setCurrentRow(0);
    OnFileListKeyUp(state, Qt::Key_Left, false);
    EXPECT_EQ(state.doc.m_CurrentFile, 3);
    OnFileListKeyUp(state, Qt::Key_Up, true);
    EXPECT_EQ(state.doc.m_CurrentFile, 3);
    OnFileListKeyUp(state, Qt::Key_Home, false);
    EXPECT_EQ(state.doc.m_CurrentFile, 1);

    scan->setEnabled(false);
    OnFileListKeyUp(state, Qt::Key_Space, false);
    EXPECT_EQ(clicks.count(), 0);
    scan->setEnabled(true);
    OnFileListKeyUp(state, Qt::Key_Space, true);
    EXPECT_EQ(clicks.count(), 0);
    OnFileListKeyUp(state, Qt::Key_Space, false);
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(FileNavigationTest, SelectingAnEntryKeepsThePageAndCountTheCallerSet)
{
    // A scan has just added pages to a.tif: the caller knows the count and the page to show.
    state.doc.m_CurrentFile = 1;
    state.doc.m_CurrentPage = 2;
    state.doc.m_PageCount = 7;
    SelectFileEntry(state, 1);
    EXPECT_EQ(state.doc.m_PageCount, 7);
    EXPECT_EQ(state.doc.m_ShownPage, 2);
    EXPECT_EQ(g_CurrentFilePath, documentFile("a.tif"));
    EXPECT_EQ(selectedEntry(), 1);
    EXPECT_EQ(ReadImagePos(state.props.m_DocName), 1);
    // Page 2 of a.tif carries an ink block 20 wide.
    EXPECT_EQ(viewer()->image().toQImage().pixelColor(15, 0), QColor(Qt::black));
    EXPECT_EQ(viewer()->image().toQImage().pixelColor(25, 0), QColor(Qt::white));
}

TEST_F(FileNavigationTest, AnUnreadableFileIsReportedAndTheOthersStayReachable)
{
    WriteCorruptTiff(documentFile("d.tif"));
    ResetDocumentView(state);
    BuildFileList(state, 4);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_EQ(prompter.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(prompter.messages[0].title, QStringLiteral("错误信息"));
    EXPECT_TRUE(prompter.messages[0].text.endsWith(QStringLiteral("     ")));
    EXPECT_FALSE(viewer()->hasImage());
    EXPECT_EQ(state.doc.m_CurrentFile, 4);

    FirstFile(state);
    EXPECT_EQ(prompter.messages.size(), 1);
    EXPECT_EQ(shownWidth(), 110);
}

TEST_F(FileNavigationTest, ADamagedFileShowsItsReadablePagesAndIsReportedOnce)
{
    WriteCutTiff(documentFile("d.tif"), 2, 140, 200);
    ResetDocumentView(state);
    BuildFileList(state, 4);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_EQ(prompter.messages[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(prompter.messages[0].text.contains(documentFile("d.tif")));
    EXPECT_EQ(state.doc.m_PageCount, 2);
    EXPECT_EQ(shownWidth(), 140);

    FirstFile(state);
    LastFile(state);
    EXPECT_EQ(state.doc.m_CurrentFile, 4);
    EXPECT_EQ(state.doc.m_PageCount, 2);
    EXPECT_EQ(prompter.messages.size(), 1);
}

}  // namespace
}  // namespace scanvo::fixtures
