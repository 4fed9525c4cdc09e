// Deleting, moving, uniting and dividing pages through the editing toolbar, in single-page,
// multi-page and mixed documents.
#include "PageStructureFixture.h"

#include "commands/structure/PageStructure.h"
#include "commands/structure/PageStructureTexts.h"
#include "core/CommandKeys.h"
#include "core/Routines.h"
#include "platform/engine/ImageFile.h"
#include "platform/engine/ImageViewer.h"
#include "platform/engine/ops/Canvas.h"
#include "viewer/ViewerTexts.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolBar>

namespace scanvo::fixtures {
namespace {

TEST_F(PageStructureTest, DeletingTheOnlyPageOfTheOnlyFileDeletesTheFileAndEmptiesTheView)
{
    ControlState& s = openSinglePages(1);
    deleteConfirmed(s);
    EXPECT_EQ(prompter.questions, QStringList{T::kDeleteQuestion});
    EXPECT_TRUE(fileNames().isEmpty());
    EXPECT_TRUE(page().isNull());
    EXPECT_EQ(s.doc.m_PageCount, 0);
}

TEST_F(PageStructureTest, AnsweringNoKeepsEveryPage)
{
    ControlState& s = openSinglePages(3);
    prompter.yesNoAnswers.enqueue(false);
    click(s.widgets.tbImaging, keys::miDelete);
    EXPECT_EQ(PagesOf(s), (QList<int>{1, 2, 3}));
    EXPECT_EQ(s.doc.m_PageCount, 3);
}

TEST_F(PageStructureTest, DeletingASinglePageFileClosesTheNumberingAndTheLastPageMovesTheCurrentPageBack)
{
    ControlState& s = openSinglePages(4);
    goTo(s, 2);
    deleteConfirmed(s);
    EXPECT_EQ(fileNames(), (QStringList{"scan1.tif", "scan2.tif", "scan3.tif"}));
    EXPECT_EQ(PagesOf(s), (QList<int>{1, 3, 4}));
    EXPECT_EQ(s.doc.m_PageCount, 3);
    EXPECT_EQ(NumberOf(page()), 3);

    goTo(s, 3);
    deleteConfirmed(s);
    EXPECT_EQ(PagesOf(s), (QList<int>{1, 3}));
    EXPECT_EQ(s.doc.m_CurrentPage, 2);
    EXPECT_EQ(NumberOf(page()), 3);
}

TEST_F(PageStructureTest, AModifiedPageIsWrittenBackBeforeAnotherPageIsDeleted)
{
    ControlState& s = openSinglePages(3);
    goTo(s, 2);
    click(s.widgets.tbImaging, keys::miRotate180);
    ASSERT_TRUE(s.doc.m_PageModified);
    deleteConfirmed(s);  // deletes page 2 itself: the edit goes with it, nothing lands elsewhere
    EXPECT_EQ(PagesOf(s), (QList<int>{1, 3}));
    EXPECT_FALSE(s.doc.m_PageModified);
    EXPECT_TRUE(engine::LoadPage(s.doc.m_Files.at(1)).samePixels(NumberedPage(1)));
    EXPECT_TRUE(engine::LoadPage(s.doc.m_Files.at(2)).samePixels(NumberedPage(3)));
}

TEST_F(PageStructureTest, PagesOfAMultiPageFileAreDeletedUntilTheFileItselfGoes)
{
    ControlState& s = openMultiPage(3, DocTypeMultiPageTiff);
    goTo(s, 3);
    deleteConfirmed(s);
    EXPECT_EQ(PagesOf(multiPagePath()), (QList<int>{1, 2}));
    EXPECT_EQ(s.doc.m_CurrentPage, 2);
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
    click(s.widgets.tbImaging, keys::miDelete);
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
    EXPECT_EQ(s.doc.m_PageCount, 2);
    EXPECT_EQ(NumberOf(page()), 3);
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(PageStructureTest, AMixedDocumentsOnlyFileOfThreePagesKeepsTwo)
{
    ControlState& s = openMultiPage(3, DocTypeAllImages, 8);
    goTo(s, 2);
    deleteConfirmed(s);
    EXPECT_EQ(PagesOf(multiPagePath()), (QList<int>{1, 3}));
    EXPECT_EQ(s.doc.m_PageCount, 2);
    EXPECT_EQ(NumberOf(page()), 3);
}

TEST_F(PageStructureTest, AOnePageFileOfAMixedDocumentIsDeletedAndTheNextFileShown)
{
    open({NumberedPage(1), NumberedPage(2), NumberedPage(3)});
    control.reset();
    ControlState& s = showControl(DocTypeAllImages);
    ASSERT_EQ(s.doc.FileCount(), 3);
    deleteConfirmed(s);
    EXPECT_EQ(fileNames(), (QStringList{"scan2.tif", "scan3.tif"}));
    EXPECT_EQ(s.doc.FileCount(), 2);
    EXPECT_EQ(s.doc.m_CurrentFile, 1);
    EXPECT_EQ(NumberOf(page()), 2);
}

TEST_F(PageStructureTest, MovingPageTwoOfFiveSinglePageFilesToFourGivesOneThreeFourTwoFive)
{
    ControlState& s = openSinglePages(5);
    goTo(s, 2);
    moveTo(s, 4);
    EXPECT_EQ(PagesOf(s), (QList<int>{1, 3, 4, 2, 5}));
    EXPECT_EQ(fileNames(), (QStringList{"scan1.tif", "scan2.tif", "scan3.tif", "scan4.tif", "scan5.tif"}));
    EXPECT_EQ(s.doc.m_CurrentPage, 4);
    EXPECT_EQ(NumberOf(page()), 2);

    moveTo(s, 1);  // page 4 (the old page 2) to the front
    EXPECT_EQ(PagesOf(s), (QList<int>{2, 1, 3, 4, 5}));
    moveTo(s, 0);
    EXPECT_EQ(PagesOf(s), (QList<int>{2, 1, 3, 4, 5}));
}

// A target that is none of the document's pages keeps the dialog open and says so, instead of
// closing it as a cancel.
TEST_F(PageStructureTest, AMoveToNoPageOfTheDocumentIsRefusedInTheDialog)
{
    ControlState& s = openSinglePages(3);
    goTo(s, 2);
    QStringList shownAfter;
    prompter.dialogScripts.enqueue([&](QDialog& dialog) {
        dialog.show();
        auto* box = dialog.findChild<QComboBox*>(QStringLiteral("cboPages"));
        auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"));
        for (const char* text : {"", "/scan1.tif", "0", "4"}) {
            box->setEditText(QString::fromLatin1(text));
            ok->click();
            shownAfter.append(dialog.isVisible() ? QStringLiteral("open") : QStringLiteral("closed"));
        }
        box->setEditText(QStringLiteral("3"));
        ok->click();
        return dialog.result();
    });
    click(s.widgets.tbImaging, keys::miMove);
    EXPECT_EQ(prompter.messageTexts(), QStringList(4, viewer_texts::kGotoRange.arg(3)));
    EXPECT_EQ(shownAfter, QStringList(4, QStringLiteral("open")));
    EXPECT_EQ(PagesOf(s), (QList<int>{1, 3, 2}));
}

TEST_F(PageStructureTest, AMovedPageTakesItsEditAlongAndLeavesTheOthersAsTheyWere)
{
    ControlState& s = openSinglePages(4);
    goTo(s, 2);
    click(s.widgets.tbImaging, keys::miRotate180);
    const engine::Image edited = page();
    moveTo(s, 4);
    EXPECT_FALSE(s.doc.m_PageModified);
    EXPECT_TRUE(engine::LoadPage(s.doc.m_Files.at(4)).samePixels(edited));
    EXPECT_TRUE(engine::LoadPage(s.doc.m_Files.at(2)).samePixels(NumberedPage(3)));
    EXPECT_TRUE(engine::LoadPage(s.doc.m_Files.at(3)).samePixels(NumberedPage(4)));
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
    EXPECT_EQ(s.doc.m_CurrentPage, 1);
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
    QFile blocker(s.doc.m_Files.at(1) + QStringLiteral("-tmp"));
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

// The part of image in rect, for comparing a united or divided page with its sources.
engine::Image Part(const engine::Image& image, const QRect& rect)
{
    return engine::ops::Crop(image, rect);
}

TEST_F(PageStructureTest, TwoSinglePageFilesUniteSideBySideIntoANewFileAfterTheChosenPage)
{
    ControlState& s = openSinglePages(4);
    goTo(s, 2);
    unite(s, 2, 3, 3);
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messageTexts().join('\n').toStdString();
    // The later files moved up a name to make room: the numbering stays closed, nothing is lost.
    EXPECT_EQ(fileNames(), (QStringList{"scan1.tif", "scan2.tif", "scan3.tif", "scan4.tif", "scan5.tif"}));
    ASSERT_EQ(s.doc.FileCount(), 5);
    EXPECT_EQ(NumberOf(engine::LoadPage(s.doc.m_Files.at(5))), 4);
    const engine::Image united = engine::LoadPage(s.doc.m_Files.at(4));
    EXPECT_EQ(united.width(), 102 + 103);
    EXPECT_EQ(united.height(), 60);
    EXPECT_TRUE(Part(united, QRect(0, 0, 102, 60)).samePixels(NumberedPage(2)));
    EXPECT_TRUE(Part(united, QRect(102, 0, 103, 60)).samePixels(NumberedPage(3)));
    EXPECT_EQ(s.doc.m_PageCount, 5);
    EXPECT_EQ(s.doc.m_CurrentPage, 4);
    EXPECT_TRUE(page().samePixels(united));
}

TEST_F(PageStructureTest, PagesOfAMultiPageFileUniteOneAboveTheOtherOnWhite)
{
    ControlState& s = openMultiPage(3, DocTypeMultiPageTiff);
    const engine::Image one = engine::LoadPage(multiPagePath(), 1);
    const engine::Image three = engine::LoadPage(multiPagePath(), 3);
    unite(s, 1, 3, 3, 2);  // after the last page: appended
    ASSERT_EQ(engine::PageCount(multiPagePath()), 4);
    EXPECT_EQ(PagesOf(multiPagePath()).mid(0, 3), (QList<int>{1, 2, 3}));
    const engine::Image united = engine::LoadPage(multiPagePath(), 4);
    EXPECT_EQ(united.depth(), 1);
    EXPECT_EQ(united.loadFormat(), engine::FormatTiffG4);
    ASSERT_EQ(united.width(), 103);
    ASSERT_EQ(united.height(), 120);
    EXPECT_TRUE(Part(united, QRect(0, 0, 101, 60)).samePixels(one));
    EXPECT_TRUE(Part(united, QRect(0, 60, 103, 60)).samePixels(three));
    // The strip beside the narrower first page is white.
    EXPECT_EQ(engine::ops::PixelColour(united, 102, 10), 0xFFFFFFu);
    EXPECT_EQ(s.doc.m_PageCount, 4);
    EXPECT_EQ(s.doc.m_CurrentPage, 4);
}

TEST_F(PageStructureTest, PagesOfDifferentDepthAreNotUnitedAndNothingChanges)
{
    ControlState& s = open({NumberedPage(1, 8), NumberedPage(2, 1)});
    unite(s, 1, 2, 2);
    EXPECT_EQ(prompter.messageTexts(), QStringList{T::kDifferentKinds});
    EXPECT_EQ(fileNames(), (QStringList{"scan1.tif", "scan2.tif"}));
    EXPECT_EQ(s.doc.m_PageCount, 2);
    unite(s, 0);  // cancelled
    EXPECT_EQ(fileNames().size(), 2);
    EXPECT_EQ(prompter.messages.size(), 1);
}

TEST_F(PageStructureTest, TheUniteDialogOffersTheNextPageAndStaysOpenForTheLastAsFirstPage)
{
    ControlState& s = openSinglePages(3);
    goTo(s, 3);
    bool stayedOpen = false;
    prompter.dialogScripts.enqueue([&](QDialog& dialog) {
        dialog.show();
        auto* first = dialog.findChild<QComboBox*>(QStringLiteral("cboFirstPage"));
        EXPECT_EQ(first->currentText(), QStringLiteral("3"));
        EXPECT_EQ(dialog.findChild<QComboBox*>(QStringLiteral("cboSecondPage"))->currentText(), QStringLiteral("3"));
        EXPECT_EQ(dialog.findChild<QComboBox*>(QStringLiteral("cboInsertPage"))->currentText(), QStringLiteral("3"));
        dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        stayedOpen = dialog.isVisible();
        dialog.findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
        return dialog.result();
    });
    click(s.widgets.tbImaging, keys::miUnite);
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_EQ(fileNames().size(), 3);
}

TEST_F(PageStructureTest, AnEditedPageIsUnitedAsEditedAndWrittenBackFirst)
{
    ControlState& s = openSinglePages(3);
    goTo(s, 1);
    click(s.widgets.tbImaging, keys::miRotate180);
    const engine::Image edited = page();
    unite(s, 1, 2, 2);
    EXPECT_FALSE(s.doc.m_PageModified);
    EXPECT_TRUE(engine::LoadPage(s.doc.m_Files.at(1)).samePixels(edited));
    EXPECT_TRUE(Part(engine::LoadPage(s.doc.m_Files.at(3)), QRect(0, 0, 101, 60)).samePixels(edited));
}

TEST_F(PageStructureTest, ANewFileSkipsANameInUseInsteadOfOverwritingIt)
{
    ControlState& s = openSinglePages(2);
    // A directory under the name the continuation would take comes first; it is left alone.
    ASSERT_TRUE(QDir(documentDir()).mkdir(QStringLiteral("scan3.tif")));
    unite(s, 1, 2, 2);
    EXPECT_TRUE(QFileInfo(documentFile(QStringLiteral("scan3.tif"))).isDir());
    EXPECT_EQ(s.doc.FileCount(), 3);
    EXPECT_EQ(PathFilePart(s.doc.m_Files.at(3)), QStringLiteral("scan4.tif"));
    EXPECT_EQ(engine::LoadPage(s.doc.m_Files.at(3)).width(), 101 + 102);
}

TEST_F(PageStructureTest, AThousandPixelPageDividedAtHalfGivesPartsOf505And495)
{
    ControlState& s = open({PatternPage(1000, 40, 8, 1), NumberedPage(2)});
    const engine::Image whole = page();
    divide(s, 50);
    ASSERT_EQ(fileNames(), (QStringList{"scan1.tif", "scan2.tif", "scan3.tif", "scan4.tif"}));
    const engine::Image first = engine::LoadPage(s.doc.m_Files.at(2));
    const engine::Image second = engine::LoadPage(s.doc.m_Files.at(3));
    EXPECT_EQ(first.width(), 505);
    EXPECT_EQ(second.width(), 495);
    EXPECT_TRUE(first.samePixels(Part(whole, QRect(0, 0, 505, 40))));
    EXPECT_TRUE(second.samePixels(Part(whole, QRect(505, 0, 495, 40))));
    EXPECT_TRUE(engine::LoadPage(s.doc.m_Files.at(1)).samePixels(whole));
    EXPECT_EQ(NumberOf(engine::LoadPage(s.doc.m_Files.at(4))), 2);
    // The first part is on view.
    EXPECT_EQ(s.doc.m_PageCount, 4);
    EXPECT_EQ(s.doc.m_CurrentPage, 2);
    EXPECT_TRUE(page().samePixels(first));
}

TEST_F(PageStructureTest, DividingTopToBottomWithDeleteReplacesThePageByItsParts)
{
    ControlState& s = openMultiPage(3, DocTypeMultiPageTiff);
    goTo(s, 2);
    const engine::Image two = page();
    divide(s, 20, 1, 2, true);
    ASSERT_EQ(engine::PageCount(multiPagePath()), 4);
    const engine::Image top = engine::LoadPage(multiPagePath(), 2);
    const engine::Image bottom = engine::LoadPage(multiPagePath(), 3);
    EXPECT_EQ(top.height(), 17);  // 20 % of 60 is 12, and the cut lies 5 beyond
    EXPECT_EQ(bottom.height(), 43);
    EXPECT_TRUE(top.samePixels(Part(two, QRect(0, 0, 102, 17))));
    EXPECT_TRUE(bottom.samePixels(Part(two, QRect(0, 17, 102, 43))));
    EXPECT_EQ(top.loadFormat(), engine::FormatTiffG4);
    EXPECT_EQ(NumberOf(engine::LoadPage(multiPagePath(), 1)), 1);
    EXPECT_EQ(NumberOf(engine::LoadPage(multiPagePath(), 4)), 3);
    EXPECT_EQ(s.doc.m_PageCount, 4);
    EXPECT_EQ(s.doc.m_CurrentPage, 2);
}

TEST_F(PageStructureTest, PartsPutBeforeTheDividedPageLeaveTheOtherPagesWhenItIsDeleted)
{
    // The divided page stands two places further on once its parts went in before it: that page
    // goes, not the one at its old number.
    ControlState& s = openMultiPage(4, DocTypeAllImages, 8);
    goTo(s, 3);
    divide(s, 50, 0, 1, true);
    ASSERT_EQ(engine::PageCount(multiPagePath()), 5);
    EXPECT_EQ(NumberOf(engine::LoadPage(multiPagePath(), 1)), 1);
    EXPECT_EQ(engine::LoadPage(multiPagePath(), 2).width(), DivideLength(103, 50).first);
    EXPECT_EQ(engine::LoadPage(multiPagePath(), 3).width(), DivideLength(103, 50).second);
    EXPECT_EQ(NumberOf(engine::LoadPage(multiPagePath(), 4)), 2);
    EXPECT_EQ(NumberOf(engine::LoadPage(multiPagePath(), 5)), 4);
    EXPECT_EQ(s.doc.m_PageCount, 5);
    EXPECT_EQ(s.doc.m_CurrentPage, 2);
}

TEST_F(PageStructureTest, JpegPagesDivideAndUniteIntoJpegFiles)
{
    documentDir();
    for (int n = 1; n <= 2; ++n) {
        engine::SaveOptions options;
        options.format = engine::FormatJpeg444;
        engine::SavePage(PatternPage(200 + n, 80, 24, n), documentFile(QStringLiteral("scan%1.jpg").arg(n)), options);
    }
    ControlState& s = showControl(DocTypeSinglePageJpeg);
    ASSERT_EQ(s.doc.m_PageCount, 2);
    divide(s, 50);
    EXPECT_EQ(fileNames(), (QStringList{"scan1.jpg", "scan2.jpg", "scan3.jpg", "scan4.jpg"}));
    EXPECT_EQ(engine::LoadPage(s.doc.m_Files.at(2)).width(), 106);
    EXPECT_EQ(engine::LoadPage(s.doc.m_Files.at(3)).width(), 95);
    EXPECT_EQ(engine::LoadPage(s.doc.m_Files.at(4)).width(), 202);
    unite(s, 2, 3, 4);
    ASSERT_EQ(s.doc.FileCount(), 5);
    const engine::Image united = engine::LoadPage(s.doc.m_Files.at(5));
    EXPECT_EQ(united.width(), 201);
    EXPECT_EQ(united.depth(), 24);
    EXPECT_TRUE(engine::IsJpegFileFormat(united.loadFormat()));
    divide(s, -1);  // cancelled
    EXPECT_EQ(s.doc.FileCount(), 5);
}

// objectName and enabled state of every toolbar button and menu item of the control.
QMap<QString, bool> ToolbarStates(const ControlState& s)
{
    QMap<QString, bool> states;
    for (const QToolBar* toolbar : {s.widgets.tbMain, s.widgets.tbFileNav, s.widgets.tbFileOperate, s.widgets.tbCommon, s.widgets.tbImaging}) {
        for (const QAction* action : toolbar->actions()) {
            states[toolbar->objectName() + u'.' + action->objectName()] = action->isEnabled();
            if (const QMenu* menu = action->menu()) {
                for (const QAction* item : menu->actions())
                    states[toolbar->objectName() + u'.' + item->objectName()] = item->isEnabled();
            }
        }
    }
    return states;
}

TEST_F(PageStructureTest, DeletingTheLastPageLeavesTheControlAsAnEmptyDirectoryDoes)
{
    for (const qint16 type : {DocTypeSinglePageTiff, DocTypeMultiPageTiff}) {
        SCOPED_TRACE(type);
        ControlState& s = type == DocTypeMultiPageTiff ? openMultiPage(2, type) : openSinglePages(2);
        ASSERT_TRUE(enabled(s.widgets.tbImaging, keys::miRotate));
        deleteConfirmed(s);
        deleteConfirmed(s);
        ASSERT_TRUE(fileNames().isEmpty());
        const QMap<QString, bool> emptied = ToolbarStates(s);
        EXPECT_FALSE(emptied.value(QStringLiteral("tbImaging.miDelete"), true));
        EXPECT_FALSE(emptied.value(QStringLiteral("tbImaging.miRotate"), true));

        control = std::make_unique<Imaging>();
        control->setDocType(type);
        control->setDocName(state.props.m_DocName);
        control->show();
        EXPECT_EQ(control->State().doc.m_PageCount, 0);
        EXPECT_EQ(ToolbarStates(control->State()), emptied);
        control.reset();
    }
}

TEST_F(PageStructureTest, TheDivideDialogStartsAtHalfAndShowsTheCutAcrossThePreview)
{
    ControlState& s = open({PatternPage(400, 200, 8, 1), NumberedPage(2), NumberedPage(3)});
    goTo(s, 2);
    prompter.dialogScripts.enqueue([](QDialog& dialog) {
        dialog.resize(700, 500);
        dialog.show();
        auto* direction = dialog.findChild<QComboBox*>(QStringLiteral("cboDivideDirection"));
        auto* position = dialog.findChild<QLineEdit*>(QStringLiteral("txtDividePosition"));
        auto* upDown = dialog.findChild<QSpinBox*>(QStringLiteral("udIncrent"));
        auto* line = dialog.findChild<QFrame*>(QStringLiteral("linDivide"));
        auto* preview = dialog.findChild<engine::ImageViewer*>(QStringLiteral("mtMain"));
        EXPECT_EQ(direction->currentText(), T::kDivideLeftRight);
        EXPECT_EQ(position->text(), QStringLiteral("50"));
        EXPECT_EQ(dialog.findChild<QComboBox*>(QStringLiteral("cboInsertPage"))->currentText(), QStringLiteral("2"));
        EXPECT_EQ(preview->image().width(), 102);  // the page on view
        const QRect page = preview->displayRect();
        EXPECT_EQ(line->geometry(), QRect(page.left() + page.width() / 2, page.top(), 1, page.height()));

        upDown->setValue(30);
        EXPECT_EQ(position->text(), QStringLiteral("30"));
        QTest::keyClicks(position, QStringLiteral("x5"));  // only digits get in
        EXPECT_EQ(position->text(), QStringLiteral("305"));
        position->setText(QStringLiteral("25"));
        EXPECT_EQ(upDown->value(), 25);
        direction->setCurrentIndex(1);  // a new direction starts at half again
        EXPECT_EQ(position->text(), QStringLiteral("50"));
        EXPECT_EQ(line->geometry(), QRect(page.left(), page.top() + page.height() / 2, page.width(), 1));
        dialog.findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
        return dialog.result();
    });
    click(s.widgets.tbImaging, keys::miDivide);
    EXPECT_EQ(fileNames().size(), 3);
    EXPECT_EQ(s.doc.m_PageCount, 3);
}

}  // namespace
}  // namespace scanvo::fixtures
