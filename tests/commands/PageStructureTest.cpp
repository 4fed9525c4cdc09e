// Deleting and moving pages through the editing toolbar, in single-page and multi-page documents.
#include "EditFixture.h"

#include "commands/PageStructure.h"
#include "commands/PageStructureTexts.h"
#include "core/CommandKeys.h"
#include "core/CoreTexts.h"
#include "core/DocumentType.h"
#include "document/DocumentNaming.h"
#include "platform/engine/ImageFile.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"
#include "viewer/PageDisplay.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace scanvo::fixtures {
namespace {

namespace T = page_structure_texts;

// Every page is told apart by its width: page n of a test document is 100 + n pixels wide.
engine::Image NumberedPage(int n, int depth = 8)
{
    return PatternPage(100 + n, 60, depth, n);
}

int NumberOf(const engine::Image& page)
{
    return page.width() - 100;
}

class PageStructureTest : public EditTest {
protected:
    // Pages 1..count as single-page TIFF files scan1.tif ... (type 2).
    ControlState& openSinglePages(int count, int depth = 8)
    {
        std::vector<engine::Image> pages;
        for (int n = 1; n <= count; ++n)
            pages.push_back(NumberedPage(n, depth));
        return open(pages);
    }

    QString multiPagePath() { return MultiPageFilePath(documentDir() + u'/', state.m_DocName); }

    // Pages 1..count in one multi-page TIFF, opened as docType (1, or 0 for a mixed document).
    ControlState& openMultiPage(int count, qint16 docType, int depth = 1)
    {
        documentDir();
        for (int n = 1; n <= count; ++n) {
            engine::SaveOptions options;
            options.format = depth == 1 ? engine::FormatTiffG4 : engine::FormatTiffLzw;
            options.mode = engine::SaveAppend;
            engine::SavePage(NumberedPage(n, depth), multiPagePath(), options);
        }
        WriteImagePos(state.m_DocName, 1);
        control = std::make_unique<Imaging>();
        control->setDocType(docType);
        control->setDocName(state.m_DocName);
        control->resize(1000, 760);
        control->show();
        control->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(control.get(), 5000));
        return control->State();
    }

    // The page numbers a multi-page file holds, in order.
    static QList<int> PagesOf(const QString& path)
    {
        QList<int> numbers;
        for (int p = 1, n = engine::PageCount(path); p <= n; ++p)
            numbers << NumberOf(engine::LoadPage(path, p));
        return numbers;
    }

    // The page numbers of the document's single-page files, in list order.
    static QList<int> PagesOf(const ControlState& s)
    {
        QList<int> numbers;
        for (const QString& file : s.m_Files.toList())
            numbers << NumberOf(engine::LoadPage(file));
        return numbers;
    }

    QStringList fileNames()
    {
        return QDir(documentDir()).entryList(QDir::Files, QDir::Name);
    }

    // Page n on view, as the page keys leave it.
    static void goTo(ControlState& s, qint16 n)
    {
        s.m_CurrentPage = n;
        ShowPage(s, n);
    }

    void deleteConfirmed(ControlState& s)
    {
        prompter.yesNoAnswers.enqueue(true);
        click(s.tbImaging, keys::miDelete);
    }

    // Answers frmGoto with target (0 cancels).
    void moveTo(ControlState& s, int target)
    {
        prompter.dialogScripts.enqueue([target](QDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), T::kMoveCaption);
            if (target == 0) {
                dialog.findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
            } else {
                dialog.findChild<QComboBox*>(QStringLiteral("cboPages"))->setEditText(QString::number(target));
                dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
            }
            return dialog.result();
        });
        click(s.tbImaging, keys::miMove);
    }
};

TEST_F(PageStructureTest, DeletingTheOnlyPageOfTheOnlyFileDeletesTheFileAndEmptiesTheView)
{
    ControlState& s = openSinglePages(1);
    deleteConfirmed(s);
    EXPECT_EQ(prompter.questions, QStringList{T::kDeleteQuestion});
    EXPECT_TRUE(fileNames().isEmpty());
    EXPECT_TRUE(page().isNull());
    EXPECT_EQ(s.m_PageCount, 0);
}

TEST_F(PageStructureTest, AnsweringNoKeepsEveryPage)
{
    ControlState& s = openSinglePages(3);
    prompter.yesNoAnswers.enqueue(false);
    click(s.tbImaging, keys::miDelete);
    EXPECT_EQ(PagesOf(s), (QList<int>{1, 2, 3}));
    EXPECT_EQ(s.m_PageCount, 3);
}

TEST_F(PageStructureTest, DeletingASinglePageFileClosesTheNumberingAndTheLastPageMovesTheCurrentPageBack)
{
    ControlState& s = openSinglePages(4);
    goTo(s, 2);
    deleteConfirmed(s);
    EXPECT_EQ(fileNames(), (QStringList{"scan1.tif", "scan2.tif", "scan3.tif"}));
    EXPECT_EQ(PagesOf(s), (QList<int>{1, 3, 4}));
    EXPECT_EQ(s.m_PageCount, 3);
    EXPECT_EQ(NumberOf(page()), 3);

    goTo(s, 3);
    deleteConfirmed(s);
    EXPECT_EQ(PagesOf(s), (QList<int>{1, 3}));
    EXPECT_EQ(s.m_CurrentPage, 2);
    EXPECT_EQ(NumberOf(page()), 3);
}

TEST_F(PageStructureTest, AModifiedPageIsWrittenBackBeforeAnotherPageIsDeleted)
{
    ControlState& s = openSinglePages(3);
    goTo(s, 2);
    click(s.tbImaging, keys::miRotate180);
    ASSERT_TRUE(s.m_PageModified);
    deleteConfirmed(s);  // deletes page 2 itself: the edit goes with it, nothing lands elsewhere
    EXPECT_EQ(PagesOf(s), (QList<int>{1, 3}));
    EXPECT_FALSE(s.m_PageModified);
    EXPECT_TRUE(engine::LoadPage(s.m_Files.at(1)).samePixels(NumberedPage(1)));
    EXPECT_TRUE(engine::LoadPage(s.m_Files.at(2)).samePixels(NumberedPage(3)));
}

TEST_F(PageStructureTest, PagesOfAMultiPageFileAreDeletedUntilTheFileItselfGoes)
{
    ControlState& s = openMultiPage(3, DocTypeMultiPageTiff);
    goTo(s, 3);
    deleteConfirmed(s);
    EXPECT_EQ(PagesOf(multiPagePath()), (QList<int>{1, 2}));
    EXPECT_EQ(s.m_CurrentPage, 2);
    EXPECT_EQ(NumberOf(page()), 2);
    deleteConfirmed(s);
    deleteConfirmed(s);
    EXPECT_FALSE(QFile::exists(multiPagePath()));
    EXPECT_TRUE(page().isNull());
}

TEST_F(PageStructureTest, APageOfADamagedFileIsDeletedOnlyWhenTheUserAgreesToLoseTheUnreadablePages)
{
    // Three readable pages, the chain cut short in a fourth one.
    ControlState& s = openMultiPage(3, DocTypeMultiPageTiff);
    const QString file = multiPagePath();
    const qint64 threePages = QFileInfo(file).size();
    engine::SaveOptions append;
    append.format = engine::FormatTiffG4;
    append.mode = engine::SaveAppend;
    engine::SavePage(NumberedPage(4, 1), file, append);
    ASSERT_TRUE(QFile(file).resize(threePages + 40));
    ASSERT_TRUE(engine::InspectPages(file).damaged);
    QFile in(file);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const QByteArray damaged = in.readAll();
    in.close();
    goTo(s, 2);

    // Declined: the file stays byte for byte, the page on view with it, and no failure is shown.
    prompter.yesNoAnswers.enqueue(true);
    prompter.yesNoAnswers.enqueue(false);
    click(s.tbImaging, keys::miDelete);
    ASSERT_EQ(prompter.questions.size(), 2);
    EXPECT_TRUE(prompter.questions[1].contains(file)) << prompter.questions[1].toStdString();
    EXPECT_TRUE(prompter.questions[1].endsWith(T::kDropUnreadablePagesQuestion));
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    EXPECT_EQ(in.readAll(), damaged);
    in.close();
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_EQ(NumberOf(page()), 2);

    // Agreed: the page goes, with the unreadable rest, and the file is whole again.
    prompter.yesNoAnswers.enqueue(true);
    deleteConfirmed(s);
    EXPECT_EQ(prompter.questions.size(), 4);
    EXPECT_FALSE(engine::InspectPages(file).damaged);
    EXPECT_EQ(PagesOf(file), (QList<int>{1, 3}));
    EXPECT_EQ(s.m_PageCount, 2);
    EXPECT_EQ(NumberOf(page()), 3);
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(PageStructureTest, AMixedDocumentsOnlyFileOfThreePagesKeepsTwo)
{
    ControlState& s = openMultiPage(3, DocTypeAllImages, 8);
    goTo(s, 2);
    deleteConfirmed(s);
    EXPECT_EQ(PagesOf(multiPagePath()), (QList<int>{1, 3}));
    EXPECT_EQ(s.m_PageCount, 2);
    EXPECT_EQ(NumberOf(page()), 3);
}

TEST_F(PageStructureTest, AOnePageFileOfAMixedDocumentIsDeletedAndTheNextFileShown)
{
    open({NumberedPage(1), NumberedPage(2), NumberedPage(3)});
    control.reset();
    control = std::make_unique<Imaging>();
    control->setDocType(DocTypeAllImages);
    control->setDocName(state.m_DocName);
    control->show();
    ControlState& s = control->State();
    ASSERT_EQ(s.FileCount(), 3);
    deleteConfirmed(s);
    EXPECT_EQ(fileNames(), (QStringList{"scan2.tif", "scan3.tif"}));
    EXPECT_EQ(s.FileCount(), 2);
    EXPECT_EQ(s.m_CurrentFile, 1);
    EXPECT_EQ(NumberOf(page()), 2);
}

TEST_F(PageStructureTest, MovingPageTwoOfFiveSinglePageFilesToFourGivesOneThreeFourTwoFive)
{
    ControlState& s = openSinglePages(5);
    goTo(s, 2);
    moveTo(s, 4);
    EXPECT_EQ(PagesOf(s), (QList<int>{1, 3, 4, 2, 5}));
    EXPECT_EQ(fileNames(), (QStringList{"scan1.tif", "scan2.tif", "scan3.tif", "scan4.tif", "scan5.tif"}));
    EXPECT_EQ(s.m_CurrentPage, 4);
    EXPECT_EQ(NumberOf(page()), 2);

    moveTo(s, 1);  // page 4 (the old page 2) to the front
    EXPECT_EQ(PagesOf(s), (QList<int>{2, 1, 3, 4, 5}));
    moveTo(s, 0);
    EXPECT_EQ(PagesOf(s), (QList<int>{2, 1, 3, 4, 5}));
}

TEST_F(PageStructureTest, AMovedPageTakesItsEditAlongAndLeavesTheOthersAsTheyWere)
{
    ControlState& s = openSinglePages(4);
    goTo(s, 2);
    click(s.tbImaging, keys::miRotate180);
    const engine::Image edited = page();
    moveTo(s, 4);
    EXPECT_FALSE(s.m_PageModified);
    EXPECT_TRUE(engine::LoadPage(s.m_Files.at(4)).samePixels(edited));
    EXPECT_TRUE(engine::LoadPage(s.m_Files.at(2)).samePixels(NumberedPage(3)));
    EXPECT_TRUE(engine::LoadPage(s.m_Files.at(3)).samePixels(NumberedPage(4)));
}

TEST_F(PageStructureTest, PagesMoveInsideAMultiPageFileBothWays)
{
    ControlState& s = openMultiPage(5, DocTypeMultiPageTiff);
    goTo(s, 2);
    moveTo(s, 4);
    EXPECT_EQ(PagesOf(multiPagePath()), (QList<int>{1, 3, 4, 2, 5}));
    EXPECT_EQ(NumberOf(page()), 2);
    moveTo(s, 5);
    EXPECT_EQ(PagesOf(multiPagePath()), (QList<int>{1, 3, 4, 5, 2}));
    moveTo(s, 1);
    EXPECT_EQ(PagesOf(multiPagePath()), (QList<int>{2, 1, 3, 4, 5}));
    EXPECT_EQ(s.m_CurrentPage, 1);
    // G4 pages keep their bits through the moves.
    EXPECT_TRUE(engine::LoadPage(multiPagePath(), 1).samePixels(NumberedPage(2, 1)));
}

TEST(PageStructurePlanTest, AMovedFileAndThoseItPassesKeepTheirOwnExtensions)
{
    const QStringList files{"/d/a1.tif", "/d/a2.TIF", "/d/a3.tiff", "/d/a4.tif"};
    const PlannedMove forward = PlanFileMove(files, 2, 4);
    EXPECT_EQ(forward.moved, (QStringList{"/d/a1.tif", "/d/a2.tiff", "/d/a3.tif", "/d/a4.TIF"}));
    ASSERT_EQ(forward.renames.size(), 4);
    EXPECT_EQ(forward.renames.first().to, QStringLiteral("/d/a2.TIF-tmp"));
    const PlannedMove back = PlanFileMove(files, 4, 1);
    EXPECT_EQ(back.moved, (QStringList{"/d/a1.tif", "/d/a2.tif", "/d/a3.TIF", "/d/a4.tiff"}));
    EXPECT_TRUE(PlanFileMove(files, 2, 2).renames.isEmpty());
}

TEST_F(PageStructureTest, AMoveBlockedByAForeignFilePutsEveryFileBack)
{
    ControlState& s = openSinglePages(3);
    goTo(s, 1);
    QFile blocker(s.m_Files.at(1) + QStringLiteral("-tmp"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    moveTo(s, 3);
    EXPECT_EQ(PagesOf(s), (QList<int>{1, 2, 3}));
    EXPECT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(QFile::exists(blocker.fileName()));
}

TEST(DivideLengthTest, TheCutLiesFivePixelsBeyondThePercentAndThePartsFillThePage)
{
    EXPECT_EQ(DivideLength(1000, 50).first, 505);
    EXPECT_EQ(DivideLength(1000, 50).second, 495);
    // 505.5 rounds to even; the second part is the rest, never a pixel beyond the page.
    EXPECT_EQ(DivideLength(1001, 50).first, 506);
    EXPECT_EQ(DivideLength(1001, 50).second, 495);
    // At the ends each part keeps a pixel; a page of one pixel is not divided.
    EXPECT_EQ(DivideLength(1000, 100).first, 999);
    EXPECT_EQ(DivideLength(1000, 100).second, 1);
    EXPECT_EQ(DivideLength(4, 0).first, 3);
    EXPECT_EQ(DivideLength(1, 50).first, 1);
    EXPECT_EQ(DivideLength(1, 50).second, 0);
}

}  // namespace
}  // namespace scanvo::fixtures
