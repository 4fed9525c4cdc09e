// Opening a document: what the list shows, which page comes up, and how failures end the build.
#include "BrowseFixture.h"

#include "core/DocumentType.h"
#include "document/FileList.h"
#include "platform/engine/ImageViewer.h"
#include "settings/Settings.h"
#include "viewer/PageDisplay.h"

#include <QFile>
#include <QTest>
#include <QToolBar>

namespace scanvo::fixtures {
namespace {

class FileListTest : public BrowseTest {
protected:
    void writeSinglePages(int count)
    {
        for (int n = 1; n <= count; ++n)
            WriteTiff(documentFile(QStringLiteral("scan%1.tif").arg(n, 4, 10, QLatin1Char('0'))), 1, 100 + n, 200);
    }
    int shownWidth() const { return viewer()->hasImage() ? viewer()->image().width() : 0; }
};

TEST_F(FileListTest, ANewDocumentOpensAtItsLastFile)
{
    writeSinglePages(3);
    openDocument(DocTypeDetect, 0);

    EXPECT_EQ(state.props.m_DocType, DocTypeSinglePageTiff);
    EXPECT_EQ(listTexts(), QStringList({"scan0001.tif", "scan0002.tif", "scan0003.tif"}));
    EXPECT_EQ(state.widgets.lvwFileList->key(0), documentFile("scan0001.tif"));
    EXPECT_EQ(state.doc.m_CurrentPage, 3);
    EXPECT_EQ(shownWidth(), 103);
    EXPECT_EQ(selectedEntry(), 3);
    EXPECT_EQ(g_CurrentFilePath, documentFile("scan0003.tif"));
    EXPECT_EQ(panel(2), QStringLiteral("第 3 页 共 3 页"));
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(FileListTest, ARememberedPositionStillInsideTheDocumentIsOpened)
{
    writeSinglePages(3);
    openDocument(DocTypeSinglePageTiff, 2);
    EXPECT_EQ(state.doc.m_CurrentPage, 2);
    EXPECT_EQ(shownWidth(), 102);
    EXPECT_EQ(ReadImagePos(state.props.m_DocName), 2);
}

TEST_F(FileListTest, APositionBeyondTheEndOpensTheLastPage)
{
    writeSinglePages(1);
    openDocument(DocTypeSinglePageTiff, 2);
    EXPECT_EQ(state.doc.m_CurrentPage, 1);
    EXPECT_EQ(shownWidth(), 101);
}

TEST_F(FileListTest, ANegativePositionCountsAsNone)
{
    writeSinglePages(2);
    openDocument(DocTypeSinglePageTiff, -4);
    EXPECT_EQ(state.doc.m_CurrentPage, 2);
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(FileListTest, AMultiPageFileListsItsPages)
{
    WriteTiff(documentFile("box1.tif"), 4);
    openDocument(DocTypeDetect, 0);

    EXPECT_EQ(state.props.m_DocType, DocTypeMultiPageTiff);
    EXPECT_EQ(listTexts(), QStringList({"第 1 页", "第 2 页", "第 3 页", "第 4 页"}));
    EXPECT_EQ(state.widgets.lvwFileList->key(3), QStringLiteral("A4"));
    EXPECT_EQ(state.doc.m_PageCount, 4);
    EXPECT_EQ(state.doc.m_CurrentPage, 4);
    EXPECT_EQ(g_CurrentFilePath, documentFile("box1.tif"));
    EXPECT_EQ(panel(2), QStringLiteral("第 4 页 共 4 页"));
    EXPECT_TRUE(state.widgets.tbFileNav->isHidden());
}

TEST_F(FileListTest, ADamagedMultiPageFileListsItsReadablePagesAndSaysSoOnce)
{
    WriteCutTiff(documentFile("box1.tif"), 2);
    openDocument(DocTypeDetect, 0);

    EXPECT_EQ(state.props.m_DocType, DocTypeMultiPageTiff);
    EXPECT_EQ(listTexts(), QStringList({"第 1 页", "第 2 页"}));
    EXPECT_EQ(state.doc.m_PageCount, 2);
    EXPECT_EQ(state.doc.m_CurrentPage, 2);
    EXPECT_EQ(shownWidth(), 200);
    ASSERT_EQ(prompter.messages.size(), 1);
    const ScriptedPrompter::Message& message = prompter.messages[0];
    EXPECT_EQ(message.title, QStringLiteral("提示信息"));
    EXPECT_EQ(message.icon, MessageIcon::Warning);
    EXPECT_TRUE(message.text.contains(documentFile("box1.tif"))) << message.text.toStdString();
    EXPECT_TRUE(message.text.endsWith(QStringLiteral("　　")));

    // Listing the same document again (after a file operation) says nothing new; opening it anew does.
    BuildFileList(state, 1);
    EXPECT_EQ(state.doc.m_CurrentPage, 1);
    EXPECT_EQ(prompter.messages.size(), 1);
    ResetDocumentView(state);
    BuildFileList(state, 0);
    EXPECT_EQ(prompter.messages.size(), 2);
}

TEST_F(FileListTest, ADamagedFileWithOneReadablePageIsASinglePageDocument)
{
    WriteCutTiff(documentFile("box1.tif"), 1);
    openDocument(DocTypeDetect, 0);
    EXPECT_EQ(state.props.m_DocType, DocTypeSinglePageTiff);
    EXPECT_EQ(listTexts(), QStringList{QStringLiteral("box1.tif")});
    EXPECT_EQ(shownWidth(), 200);
    // Requested as a multi-page document, it lists its one page and reports the loss.
    ResetDocumentView(state);
    prompter.messages.clear();
    openDocument(DocTypeMultiPageTiff, 0);
    EXPECT_EQ(listTexts(), QStringList{QStringLiteral("第 1 页")});
    EXPECT_EQ(prompter.messages.size(), 1);
}

TEST_F(FileListTest, AnEmptyDocumentStaysEmptyWithoutAMessage)
{
    openDocument(DocTypeDetect, 0);
    EXPECT_EQ(state.props.m_DocType, DocTypeDetect);
    EXPECT_EQ(state.widgets.lvwFileList->count(), 0);
    EXPECT_FALSE(viewer()->hasImage());
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(FileListTest, OpeningADocumentRemovesTemporariesLeftByKilledSaves)
{
    WriteTiff(documentFile(QStringLiteral("a.tif")), 1);
    // What a save killed mid-write leaves behind, and a hidden file of somebody else's.
    for (const char* name : {".a.tif.tmp-Xk29Qa", ".notes"}) {
        QFile file(documentFile(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("partial");
    }
    openDocument(DocTypeSinglePageTiff, 0);
    EXPECT_FALSE(QFile::exists(documentFile(QStringLiteral(".a.tif.tmp-Xk29Qa"))));
    EXPECT_TRUE(QFile::exists(documentFile(QStringLiteral(".notes"))));
    EXPECT_EQ(listTexts(), QStringList{QStringLiteral("a.tif")});
}

TEST_F(FileListTest, FilesWithoutAnyImageEndInTheErrorMessage)
{
    WriteJpeg(documentFile("readme.txt"));
    openDocument(DocTypeDetect, 0);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_EQ(prompter.messages[0].title, QStringLiteral("错误信息"));
    EXPECT_EQ(prompter.messages[0].icon, MessageIcon::Information);
    EXPECT_TRUE(prompter.messages[0].text.endsWith(QStringLiteral("     "))) << prompter.messages[0].text.toStdString();
    EXPECT_FALSE(viewer()->hasImage());
}

TEST_F(FileListTest, ACorruptFileIsReportedAndTheOtherPagesStillOpen)
{
    writeSinglePages(2);
    WriteCorruptTiff(documentFile("scan0003.tif"));
    openDocument(DocTypeDetect, 0);

    ASSERT_EQ(prompter.messages.size(), 1);
    const ScriptedPrompter::Message& message = prompter.messages[0];
    EXPECT_EQ(message.title, QStringLiteral("错误信息"));
    EXPECT_EQ(message.icon, MessageIcon::Warning);
    EXPECT_TRUE(message.text.startsWith(QStringLiteral("20004,"))) << message.text.toStdString();
    EXPECT_TRUE(message.text.endsWith(QStringLiteral("    "))) << message.text.toStdString();
    // Nothing of another page stays on view under the corrupt file's name.
    EXPECT_FALSE(viewer()->hasImage());
    EXPECT_EQ(listTexts().size(), 3);

    state.doc.m_CurrentPage = 1;
    ShowPage(state, 1);
    EXPECT_EQ(shownWidth(), 101);
    EXPECT_EQ(prompter.messages.size(), 1);
    EXPECT_EQ(panel(2), QStringLiteral("第 1 页 共 3 页"));
}

TEST_F(FileListTest, AThousandFileDocumentOpensWithoutReadingEveryFile)
{
    // Only the last file is an image: a build that looked into the others would report them.
    for (int n = 1; n < 1000; ++n)
        WriteCorruptTiff(documentFile(QStringLiteral("scan%1.tif").arg(n, 4, 10, QLatin1Char('0'))));
    WriteTiff(documentFile("scan1000.tif"), 1, 150, 200);
    openDocument(DocTypeDetect, 0);

    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_EQ(state.widgets.lvwFileList->count(), 1000);
    EXPECT_EQ(listTexts().last(), QStringLiteral("scan1000.tif"));
    EXPECT_EQ(state.doc.m_PageCount, 1000);
    EXPECT_EQ(shownWidth(), 150);
    EXPECT_EQ(selectedEntry(), 1000);
}

TEST_F(FileListTest, ResetForgetsTheDocumentButNotTheModifiedFlag)
{
    writeSinglePages(2);
    openDocument(DocTypeSinglePageTiff, 0);
    state.doc.m_PageModified = true;
    ResetDocumentView(state);

    EXPECT_EQ(state.widgets.lvwFileList->count(), 0);
    EXPECT_FALSE(viewer()->hasImage());
    EXPECT_TRUE(g_CurrentFilePath.isEmpty());
    EXPECT_EQ(state.doc.m_Files.count(), 0);
    EXPECT_EQ(state.doc.m_PageCount, 0);
    EXPECT_EQ(state.doc.m_CurrentPage, 0);
    EXPECT_EQ(panel(2), QString());
    EXPECT_EQ(panel(3), QString());
    EXPECT_TRUE(state.doc.m_PageModified);
}

TEST_F(FileListTest, DetectionRunsOnEveryBuild)
{
    writeSinglePages(1);
    openDocument(DocTypeDetect, 0);
    EXPECT_EQ(state.props.m_DocType, DocTypeSinglePageTiff);

    WriteJpeg(documentFile("scan0002.jpg"));
    ResetDocumentView(state);
    BuildFileList(state, 0);
    EXPECT_EQ(state.props.m_DocType, DocTypeAllImages);
    EXPECT_EQ(state.doc.FileCount(), 2);
    EXPECT_EQ(state.doc.m_CurrentFile, 2);
}

TEST_F(FileListTest, APageLeftModifiedByACallerIsNotWrittenIntoTheRebuiltList)
{
    writeSinglePages(2);
    openDocument(DocTypeSinglePageTiff, 0);
    QFile second(documentFile("scan0002.tif"));
    ASSERT_TRUE(second.open(QIODevice::ReadOnly));
    const QByteArray before = second.readAll();
    second.close();
    engine::Image edited = MarkedPage(102, 200, 1, 90);
    edited.setLoadFormat(viewer()->image().loadFormat());
    viewer()->setImage(edited);
    state.doc.m_PageModified = true;

    BuildFileList(state, 1);
    EXPECT_FALSE(state.doc.m_PageModified);
    EXPECT_FALSE(QFile::exists(documentFile("*.tif")));
    EXPECT_EQ(listTexts(), QStringList({"scan0001.tif", "scan0002.tif"}));
    ASSERT_TRUE(second.open(QIODevice::ReadOnly));
    EXPECT_EQ(second.readAll(), before);
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(FileListTest, FillingTheListReleasesMultiSelect)
{
    writeSinglePages(2);
    state.doc.m_SelectMode = 1;
    openDocument(DocTypeSinglePageTiff, 0);
    EXPECT_EQ(state.doc.m_SelectMode, 0);
}

// A document opened before has the page it is expected to open at read ahead while its directory
// is read; the user must see what a first opening shows, whatever changed in between.
class ReopenTest : public FileListTest {
protected:
    void reopen(qint16 requestedType, qint16 position)
    {
        ResetDocumentView(state);
        openDocument(requestedType, position);
    }
};

TEST_F(ReopenTest, AReopenedDocumentShowsWhatAFirstOpeningShows)
{
    writeSinglePages(3);
    openDocument(DocTypeDetect, 0);
    const QStringList listed = listTexts();

    reopen(DocTypeDetect, 0);
    EXPECT_EQ(listTexts(), listed);
    EXPECT_EQ(state.doc.m_CurrentPage, 3);
    EXPECT_EQ(shownWidth(), 103);
    EXPECT_EQ(selectedEntry(), 3);
    EXPECT_EQ(g_CurrentFilePath, documentFile("scan0003.tif"));
    EXPECT_EQ(panel(2), QStringLiteral("第 3 页 共 3 页"));

    reopen(DocTypeSinglePageTiff, 2);
    EXPECT_EQ(state.doc.m_CurrentPage, 2);
    EXPECT_EQ(shownWidth(), 102);
    EXPECT_EQ(selectedEntry(), 2);
    EXPECT_EQ(ReadImagePos(state.props.m_DocName), 2);
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(ReopenTest, AReopenedDocumentShowsItsFilesAsTheyAreNow)
{
    writeSinglePages(3);
    openDocument(DocTypeSinglePageTiff, 0);

    // The file shown last time, replaced by another page.
    WriteTiff(documentFile("scan0003.tif"), 1, 133, 200);
    reopen(DocTypeSinglePageTiff, 0);
    EXPECT_EQ(shownWidth(), 133);

    // That file removed: the one before it is now the last.
    ASSERT_TRUE(QFile::remove(documentFile("scan0003.tif")));
    reopen(DocTypeSinglePageTiff, 0);
    EXPECT_EQ(shownWidth(), 102);
    EXPECT_EQ(state.doc.m_PageCount, 2);
    EXPECT_EQ(panel(2), QStringLiteral("第 2 页 共 2 页"));

    // A file added behind it: the remembered position now names another file.
    WriteTiff(documentFile("scan0004.tif"), 1, 144, 200);
    reopen(DocTypeSinglePageTiff, 0);
    EXPECT_EQ(shownWidth(), 144);
    EXPECT_EQ(state.doc.m_CurrentPage, 3);
    EXPECT_EQ(g_CurrentFilePath, documentFile("scan0004.tif"));
    EXPECT_EQ(listTexts(), QStringList({"scan0001.tif", "scan0002.tif", "scan0004.tif"}));

    // Asked for as JPEG files, the same directory lists none of them.
    WriteJpeg(documentFile("scan0005.jpg"));
    reopen(DocTypeSinglePageJpeg, 0);
    EXPECT_EQ(listTexts(), QStringList{"scan0005.jpg"});
    EXPECT_EQ(shownWidth(), 240);
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(ReopenTest, AFileDamagedSinceTheLastOpeningIsReportedAsByAnyPageChange)
{
    writeSinglePages(2);
    openDocument(DocTypeSinglePageTiff, 0);
    WriteCorruptTiff(documentFile("scan0002.tif"));  // written over in place
    reopen(DocTypeSinglePageTiff, 0);

    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_FALSE(viewer()->hasImage());
    EXPECT_EQ(listTexts().size(), 2);
    EXPECT_EQ(state.doc.m_CurrentPage, 2);
    EXPECT_EQ(selectedEntry(), 0);  // a page that failed selects nothing in the refilled list
    // The same page shown again, read on this thread alone, is reported in the same words.
    ShowPage(state, 2);
    ASSERT_EQ(prompter.messages.size(), 2);
    EXPECT_EQ(prompter.messages[0].text, prompter.messages[1].text);
    EXPECT_EQ(prompter.messages[0].title, prompter.messages[1].title);
    EXPECT_EQ(prompter.messages[0].icon, prompter.messages[1].icon);
    EXPECT_TRUE(prompter.messages[0].text.startsWith(QStringLiteral("20004,"))) << prompter.messages[0].text.toStdString();
}

}  // namespace
}  // namespace scanvo::fixtures

namespace scanvo::fixtures {
namespace {

QString CountedName(int row, int* made)
{
    ++*made;
    return QStringLiteral("scan%1.tif").arg(row + 1, 6, 10, QLatin1Char('0'));
}

TEST(FileListViewTest, ALongListMakesOnlyTheEntriesItShows)
{
    FileListView list;
    list.resize(200, 300);
    int made = 0;
    list.fill(10000, [&made](int row) { return CountedName(row, &made); }, [](int row) { return QString::number(row); });
    list.show();
    list.selectOnly(9999);
    list.grab();  // paints the rows on screen

    EXPECT_EQ(list.count(), 10000);
    EXPECT_GT(made, 0);
    EXPECT_LT(made, 200);
    EXPECT_EQ(list.currentRow(), 9999);
    EXPECT_EQ(list.selectedRows(), QList<int>{9999});
    EXPECT_TRUE(list.viewport()->rect().contains(list.entryRect(9999)));
    EXPECT_EQ(list.text(9999), QStringLiteral("scan010000.tif"));
    EXPECT_EQ(list.key(9999), QStringLiteral("9999"));
    EXPECT_EQ(list.text(10000), QString());

    list.selectOnly(-1);
    EXPECT_TRUE(list.selectedRows().isEmpty());
}

TEST(FileListViewTest, EveryEntryHasACheckBoxThatARefillClears)
{
    FileListView list;
    int made = 0;
    list.fill(5, [&made](int row) { return CountedName(row, &made); }, [](int row) { return QString::number(row); });
    FileListModel& entries = *list.entries();
    EXPECT_TRUE(entries.flags(entries.index(0)) & Qt::ItemIsUserCheckable);
    EXPECT_EQ(entries.data(entries.index(4), Qt::CheckStateRole).toInt(), Qt::Unchecked);

    list.setChecked(1, true);
    ASSERT_TRUE(entries.setData(entries.index(3), Qt::Checked, Qt::CheckStateRole));  // as a click on the box does
    EXPECT_EQ(list.checkedRows(), QList<int>({1, 3}));
    EXPECT_EQ(entries.data(entries.index(3), Qt::CheckStateRole).toInt(), Qt::Checked);
    list.setAllChecked(true);
    EXPECT_EQ(list.checkedRows().size(), 5);
    list.setAllChecked(false);
    EXPECT_TRUE(list.checkedRows().isEmpty());

    // Space scans on its release; pressing it ticks nothing.
    list.setCurrentRow(4);
    QTest::keyClick(&list, Qt::Key_Space);
    EXPECT_TRUE(list.checkedRows().isEmpty());

    list.setChecked(2, true);
    list.setCurrentRow(2);
    list.fill(3, [&made](int row) { return CountedName(row, &made); }, [](int row) { return QString::number(row); });
    EXPECT_TRUE(list.checkedRows().isEmpty());
    EXPECT_EQ(list.currentRow(), -1);
    list.clear();
    EXPECT_EQ(list.count(), 0);
}

}  // namespace
}  // namespace scanvo::fixtures
