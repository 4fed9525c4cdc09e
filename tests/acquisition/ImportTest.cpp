// Import from tbMain: pages converted to the document's type, placed behind the current page or
// file, names by the rule or the continuation, and what stays when a file cannot be read.
#include "ScanFixture.h"

#include "acquisition/AcquisitionTexts.h"
#include "acquisition/ImportFiles.h"
#include "core/CommandKeys.h"
#include "core/CoreTexts.h"
#include "core/FileListView.h"
#include "core/Prompter.h"
#include "core/StatusPanels.h"
#include "core/ToolbarKeys.h"
#include "document/FileDialogFilter.h"
#include "platform/engine/FormatCodes.h"
#include "platform/engine/ImageFile.h"
#include "platform/engine/ImageViewer.h"
#include "settings/Settings.h"
#include "viewer/PageDisplay.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QToolBar>

namespace scanvo::fixtures {
namespace {

namespace T = acquisition_texts;

class ImportTest : public ScanTest {};

TEST_F(ImportTest, AThreePageTiffIntoAJpegDocumentBecomesThreeJpegFilesBehindTheCurrentOne)
{
    for (int i = 1; i <= 3; ++i)
        WriteFile(docFile(QStringLiteral("j%1.jpg").arg(i, 4, 10, QChar(u'0'))), {100 + i});
    WriteFile(areaFile("three.tif"), {601, 602, 603});
    Open(3);
    GoToPage(2);
    prompter.fileAnswers.enqueue({areaFile("three.tif")});

    Click(keys::miImport);

    EXPECT_EQ(DocFiles(), QStringList({"j0001.jpg", "j0002.jpg", "j0003.jpg", "j0004.jpg", "j0005.jpg", "j0006.jpg"}));
    EXPECT_EQ(FileWidths(DocFiles()), QList<int>({101, 102, 601, 602, 603, 103}));
    for (const QString& name : DocFiles())
        EXPECT_TRUE(engine::IsJpegFileFormat(engine::LoadPage(docFile(name)).loadFormat())) << name.toStdString();
    EXPECT_EQ(S().doc.m_CurrentPage, 5);
    EXPECT_EQ(S().widgets.lvwFileList->count(), 6);
    EXPECT_TRUE(prompter.messages.isEmpty());
}

// The first files of a document put the toolbars into their document state, as opening does.
TEST_F(ImportTest, ImportingIntoAnEmptyDocumentEnablesTheDocumentsCommands)
{
    for (const qint16 docType : {qint16(3), qint16(2)}) {
        SCOPED_TRACE(docType);
        for (const QString& name : DocFiles())
            ASSERT_TRUE(QFile::remove(docFile(name)));
        WriteFile(areaFile("two.tif"), {611, 612});
        Open(docType);
        ASSERT_FALSE(ActionEnabled(keys::miInsert));
        prompter.fileAnswers.enqueue({areaFile("two.tif")});

        Click(keys::miImport);

        ASSERT_EQ(S().widgets.lvwFileList->count(), 2);
        EXPECT_EQ(StatusPanel(S().widgets, 2)->text(), QStringLiteral("第 2 页 共 2 页"));
        EXPECT_TRUE(ActionEnabled(keys::miInsert));
        EXPECT_TRUE(ActionEnabled(keys::miReplace));
        for (QToolBar* toolbar : {S().widgets.tbFileOperate, S().widgets.tbImaging}) {
            for (const char* key : {keys::miDelete, keys::miRotate})
                if (QAction* action = FindToolbarAction(toolbar, QString::fromLatin1(key)))
                    EXPECT_TRUE(action->isEnabled()) << toolbar->objectName().toStdString() << ' ' << key;
        }
        EXPECT_TRUE(FindToolbarAction(S().widgets.tbFileOperate, QStringLiteral("miRename"))->isEnabled());
        EXPECT_TRUE(prompter.messages.isEmpty());
    }
}

TEST_F(ImportTest, TheFileDialogAsksWithTheTitleAndTheDocumentsFilter)
{
    EXPECT_TRUE(FileDialogFilter(1).endsWith(QStringLiteral("(*.tif *.tiff *.TIF *.TIFF)")));
    EXPECT_TRUE(FileDialogFilter(3).startsWith(QStringLiteral("JPG图像文件")));
    EXPECT_TRUE(FileDialogFilter(0).contains(QStringLiteral("*.jpg *.tif")));
    EXPECT_EQ(FileDialogFilter(-1), FileDialogFilter(0));
    EXPECT_EQ(ChosenFilePaths({"/a/b.tif"}), QStringList({"/a/b.tif"}));
    EXPECT_EQ(ChosenFilePaths({"/a/b.tif", "/a/c.tif"}), QStringList({"/a/b.tif", "/a/c.tif"}));
    EXPECT_EQ(ChosenFilePaths({"/tmp", "b.tif", "c.tif"}), QStringList({"/tmp/b.tif", "/tmp/c.tif"}));

    Open(2);
    Click(keys::miImport);  // cancelled: no files answered
    EXPECT_EQ(prompter.fileRequests, 1);
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_TRUE(DocFiles().isEmpty());
}

TEST_F(ImportTest, AnEmptySinglePageTiffDocumentStartsAtCounterOne)
{
    WriteFile(areaFile("a.tif"), {501});
    WriteFile(areaFile("b.jpg"), {502});
    Open(2);
    g_Settings.Scan.DocNameRule = QStringLiteral("imp###");
    g_Settings.Scan.FileInitValue = 40;
    prompter.fileAnswers.enqueue({areaFile("a.tif"), areaFile("b.jpg")});
    Click(keys::miImport);
    EXPECT_EQ(DocFiles(), QStringList({"imp001.tif", "imp002.tif"}));
    EXPECT_EQ(FileWidths(DocFiles()), QList<int>({501, 502}));
    for (const QString& name : DocFiles()) {
        const engine::FormatInfo* format = engine::FindFormat(engine::LoadPage(docFile(name)).loadFormat());
        ASSERT_NE(format, nullptr);
        EXPECT_EQ(format->container, engine::Container::Tiff);
    }
}

TEST_F(ImportTest, ABlackAndWhitePageInAJpegDocumentIsStoredAsARealJpeg)
{
    WriteFile(areaFile("bw.tif"), {321}, 1);
    Open(3);
    prompter.fileAnswers.enqueue({areaFile("bw.tif")});
    Click(keys::miImport);
    ASSERT_EQ(DocFiles().size(), 1);
    EXPECT_TRUE(DocFiles().first().endsWith(QLatin1String(".jpg")));
    const engine::Image stored = engine::LoadPage(docFile(DocFiles().first()));
    EXPECT_TRUE(engine::IsJpegFileFormat(stored.loadFormat()));
    EXPECT_EQ(stored.depth(), 8);
    EXPECT_EQ(stored.width(), 321);
}

TEST_F(ImportTest, PagesGoIntoAMultiPageDocumentBehindTheCurrentPage)
{
    WriteFile(docFile("doc.tif"), {401, 402, 403});
    WriteFile(areaFile("two.tif"), {701, 702});
    Open(1);
    GoToPage(1);
    prompter.fileAnswers.enqueue({areaFile("two.tif")});
    Click(keys::miImport);
    EXPECT_EQ(PageWidths(docFile("doc.tif")), QList<int>({401, 701, 702, 402, 403}));
    EXPECT_EQ(S().doc.m_CurrentPage, 3);
}

TEST_F(ImportTest, SeveralFilesGoIntoAMultiPageDocumentInTheirOrderBehindTheCurrentPage)
{
    WriteFile(docFile("doc.tif"), {401, 402, 403});
    WriteFile(areaFile("a.tif"), {701, 702, 703});
    WriteFile(areaFile("b.tif"), {801}, 1);
    Open(1);
    GoToPage(2);
    prompter.fileAnswers.enqueue({areaFile("a.tif"), areaFile("b.tif")});
    Click(keys::miImport);
    EXPECT_EQ(prompter.messageTexts(), QStringList());
    EXPECT_EQ(PageWidths(docFile("doc.tif")), QList<int>({401, 402, 701, 702, 703, 801, 403}));
    EXPECT_EQ(engine::LoadPage(docFile("doc.tif"), 6).depth(), 1);
    EXPECT_EQ(S().doc.m_CurrentPage, 6);
    EXPECT_EQ(S().doc.m_PageCount, 7);
    EXPECT_EQ(DocFiles(), QStringList({"doc.tif"}));
}

TEST_F(ImportTest, AnUnreadableFileKeepsThePagesOfTheFilesBeforeItInAMultiPageDocument)
{
    WriteFile(docFile("doc.tif"), {401, 402});
    WriteFile(areaFile("good.tif"), {501, 502});
    QFile bad(areaFile("bad.tif"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("II*\0 not a tiff at all");
    bad.close();
    Open(1);
    GoToPage(1);
    prompter.fileAnswers.enqueue({areaFile("good.tif"), areaFile("bad.tif")});
    Click(keys::miImport);
    EXPECT_EQ(PageWidths(docFile("doc.tif")), QList<int>({401, 501, 502, 402}));
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_EQ(prompter.messages[0].title, core_texts::kTitleError);
    EXPECT_EQ(S().doc.m_PageCount, 4);
    EXPECT_EQ(DocFiles(), QStringList({"doc.tif"}));
}

// The document's own files, chosen for import, are read as they were when chosen, although the
// import moves files before it reads them.
TEST_F(ImportTest, AMultiPageDocumentImportsItsOwnFile)
{
    WriteFile(docFile("doc.tif"), {401, 402, 403});
    Open(1);
    GoToPage(1);
    prompter.fileAnswers.enqueue({docFile("doc.tif")});
    Click(keys::miImport);
    EXPECT_EQ(prompter.messageTexts(), QStringList());
    EXPECT_EQ(PageWidths(docFile("doc.tif")), QList<int>({401, 401, 402, 403, 402, 403}));
    EXPECT_EQ(S().doc.m_CurrentPage, 4);
}

TEST_F(ImportTest, ASinglePageDocumentImportsAFileThatTheImportMoves)
{
    WriteFile(docFile("s0001.tif"), {101});
    WriteFile(docFile("s0002.tif"), {102});
    WriteFile(docFile("s0003.tif"), {103});
    Open(2);
    GoToPage(1);
    prompter.fileAnswers.enqueue({docFile("s0003.tif")});
    Click(keys::miImport);
    EXPECT_EQ(prompter.messageTexts(), QStringList());
    EXPECT_EQ(DocFiles(), QStringList({"s0001.tif", "s0002.tif", "s0003.tif", "s0004.tif"}));
    EXPECT_EQ(FileWidths(DocFiles()), QList<int>({101, 103, 102, 103}));
}

TEST_F(ImportTest, AMixedDocumentImportsAFileThatTheImportMoves)
{
    WriteFile(docFile("m0001.tif"), {101});
    WriteFile(docFile("m0002.jpg"), {102});
    WriteFile(docFile("m0003.tif"), {103, 104});
    Open(0);
    GoToFileNumber(1);
    prompter.fileAnswers.enqueue({docFile("m0003.tif")});
    Click(keys::miImport);
    EXPECT_EQ(prompter.messageTexts(), QStringList());
    EXPECT_EQ(DocFiles(), QStringList({"m0001.tif", "m0002.tif", "m0003.jpg", "m0004.tif"}));
    EXPECT_EQ(PageWidths(docFile("m0002.tif")), QList<int>({103, 104}));
    EXPECT_EQ(PageWidths(docFile("m0004.tif")), QList<int>({103, 104}));
    EXPECT_EQ(FileWidths({"m0003.jpg"}), QList<int>({102}));
}

TEST_F(ImportTest, AMixedDocumentTakesEachFileWholeWithItsOwnExtension)
{
    WriteFile(docFile("m0001.tif"), {101});
    WriteFile(docFile("m0002.jpg"), {102});
    WriteFile(docFile("m0003.tif"), {103, 104});
    WriteFile(areaFile("in.jpg"), {801});
    WriteFile(areaFile("in2.tif"), {802, 803});
    Open(0);
    GoToFileNumber(1);
    prompter.fileAnswers.enqueue({areaFile("in.jpg"), areaFile("in2.tif")});
    Click(keys::miImport);
    EXPECT_EQ(prompter.messageTexts(), QStringList());
    EXPECT_EQ(DocFiles(), QStringList({"m0001.tif", "m0002.jpg", "m0003.tif", "m0004.jpg", "m0005.tif"}));
    EXPECT_EQ(FileWidths(DocFiles()), QList<int>({101, 801, 802, 102, 103}));
    EXPECT_EQ(PageWidths(docFile("m0003.tif")), QList<int>({802, 803}));
    EXPECT_EQ(PageWidths(docFile("m0005.tif")), QList<int>({103, 104}));
    EXPECT_EQ(S().doc.m_CurrentFile, 3);
}

TEST_F(ImportTest, AModifiedPageIsWrittenBackToItsOwnFileFirst)
{
    WriteFile(docFile("w0001.tif"), {101});
    WriteFile(docFile("w0002.tif"), {102});
    WriteFile(areaFile("in.tif"), {901});
    Open(2);
    GoToPage(1);
    engine::Image edited = S().widgets.mtMain->image();
    edited.reset(engine::Image::create(155, 40, 8).release());
    S().widgets.mtMain->setImage(edited);
    S().doc.m_PageModified = true;
    prompter.fileAnswers.enqueue({areaFile("in.tif")});
    Click(keys::miImport);
    EXPECT_EQ(FileWidths(DocFiles()), QList<int>({155, 901, 102}));
    EXPECT_FALSE(S().doc.m_PageModified);
}

TEST_F(ImportTest, AnUnreadableFileEndsTheImportAndKeepsWhatCameBefore)
{
    WriteFile(areaFile("good.tif"), {501, 502});
    QFile bad(areaFile("bad.tif"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("II*\0 not a tiff at all");
    bad.close();
    Open(2);
    g_Settings.Scan.DocNameRule = QStringLiteral("k##");
    prompter.fileAnswers.enqueue({areaFile("good.tif"), areaFile("bad.tif")});
    Click(keys::miImport);
    EXPECT_EQ(DocFiles(), QStringList({"k01.tif", "k02.tif"}));
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_EQ(prompter.messages[0].title, core_texts::kTitleError);
    EXPECT_EQ(prompter.messages[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(prompter.messages[0].text.contains(u'/'));
    EXPECT_EQ(S().widgets.lvwFileList->count(), 2);
}

}  // namespace
}  // namespace scanvo::fixtures
