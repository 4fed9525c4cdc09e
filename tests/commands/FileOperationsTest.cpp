// The file bar's operations driven as the user drives them: check boxes and the select button,
// deleting, replacing, renaming and batch renaming the document's files.
#include "EditFixture.h"

#include "control/ToolbarDispatch.h"
#include "control/ToolbarTables.h"
#include "core/CommandKeys.h"
#include "core/CoreTexts.h"
#include "core/DocumentType.h"
#include "core/FileListView.h"
#include "core/ToolbarKeys.h"
#include "document/DocumentNaming.h"
#include "document/FileOperationTexts.h"
#include "document/RenameBatch.h"
#include "platform/engine/ImageFile.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include <algorithm>
#include <functional>
#include <stdexcept>

namespace scanvo::fixtures {
namespace {

namespace T = file_operation_texts;

// Page n of a test document is 100 + n pixels wide.
engine::Image NumberedPage(int n)
{
    return PatternPage(100 + n, 60, 8, n);
}

int NumberOf(const engine::Image& page)
{
    return page.width() - 100;
}

void WritePage(const QString& path, int n)
{
    engine::SaveOptions options;
    options.format = path.endsWith(QStringLiteral(".jpg")) ? engine::FormatJpeg444 : engine::FormatTiffLzw;
    engine::SavePage(NumberedPage(n), path, options);
}

class FileOperationsTest : public EditTest {
protected:
    // The named files, page n in the nth, opened as docType at the first one.
    ControlState& openFiles(const QStringList& names, qint16 docType = DocTypeSinglePageTiff)
    {
        for (int n = 1; n <= names.size(); ++n)
            WritePage(documentFile(names.at(n - 1)), n);
        return showControl(docType);
    }

    QString multiPagePath() { return MultiPageFilePath(documentDir() + u'/', state.props.m_DocName); }

    ControlState& openMultiPage(int count)
    {
        documentDir();
        for (int n = 1; n <= count; ++n) {
            engine::SaveOptions options;
            options.format = engine::FormatTiffLzw;
            options.mode = engine::SaveAppend;
            engine::SavePage(NumberedPage(n), multiPagePath(), options);
        }
        return showControl(DocTypeMultiPageTiff);
    }

    QStringList fileNames() { return QDir(documentDir()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

    QStringList entries()
    {
        QStringList texts;
        for (int row = 0; row < shown().widgets.lvwFileList->count(); ++row)
            texts << shown().widgets.lvwFileList->text(row);
        return texts;
    }

    void check(const QList<int>& rows)
    {
        for (int n : rows)
            shown().widgets.lvwFileList->setChecked(n - 1, true);
    }

    QList<bool> checks()
    {
        QList<bool> states;
        for (int row = 0; row < shown().widgets.lvwFileList->count(); ++row)
            states << shown().widgets.lvwFileList->isChecked(row);
        return states;
    }

    // Selects entry n as a click in the list does.
    void select(int n)
    {
        FileListView* list = shown().widgets.lvwFileList;
        const QRect box = list->entryRect(n - 1);
        // Right of the check box, on the entry's text.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(box.right() - 4, box.center().y()));
        ASSERT_EQ(list->currentRow(), n - 1);
    }

    void operate(const char* key) { click(shown().widgets.tbFileOperate, key); }

    bool selectPressed() { return FindToolbarAction(shown().widgets.tbFileOperate, keys::miSelect)->isChecked(); }

    // The dialog's script: shown, then filled by fill, which clicks a button itself.
    void answerDialog(std::function<void(QDialog&)> fill)
    {
        prompter.dialogScripts.enqueue([fill](QDialog& dialog) {
            dialog.show();
            fill(dialog);
            if (dialog.isVisible())
                dialog.reject();
            return dialog.result();
        });
    }

    void answerRename(const QString& typed)
    {
        answerDialog([typed](QDialog& dialog) {
            dialog.findChild<QLineEdit*>(QStringLiteral("txtFileName"))->setText(typed);
            dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        });
    }

    void answerBatchRename(const QString& rule, const QString& start, QStringList* preview = nullptr)
    {
        answerDialog([=](QDialog& dialog) {
            dialog.findChild<QLineEdit*>(QStringLiteral("txtDocNameRule"))->setText(rule);
            dialog.findChild<QLineEdit*>(QStringLiteral("txtStart"))->setText(start);
            if (preview) {
                const auto* rows = dialog.findChild<QTreeWidget*>(QStringLiteral("lvwFileList"));
                for (int i = 0; i < rows->topLevelItemCount(); ++i)
                    preview->append(rows->topLevelItem(i)->text(1));
            }
            dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        });
    }

    // The numbers of the pages in the document's files, in list order.
    QList<int> pages()
    {
        QList<int> numbers;
        for (const QString& file : shown().doc.m_Files.toList())
            numbers << NumberOf(engine::LoadPage(file));
        return numbers;
    }

    static QList<int> PagesOf(const QString& path)
    {
        QList<int> numbers;
        for (int p = 1, n = engine::PageCount(path); p <= n; ++p)
            numbers << NumberOf(engine::LoadPage(path, p));
        return numbers;
    }
};

TEST_F(FileOperationsTest, TheSelectButtonChecksEveryEntryAndTheSecondClickClearsThem)
{
    ControlState& s = openFiles({"scan1.tif", "scan2.tif", "scan3.tif"});
    check({2});
    operate(keys::miSelect);
    EXPECT_EQ(checks(), (QList<bool>{true, true, true}));
    EXPECT_TRUE(selectPressed());
    EXPECT_EQ(s.doc.m_SelectMode, 1);
    operate(keys::miSelect);
    EXPECT_EQ(checks(), (QList<bool>{false, false, false}));
    EXPECT_FALSE(selectPressed());
    EXPECT_EQ(s.doc.m_SelectMode, 0);

    // A rebuilt list starts unchecked with the button released.
    operate(keys::miSelect);
    prompter.yesNoAnswers.enqueue(false);
    operate(keys::miDelete);
    answerRename(QStringLiteral("zz"));
    select(1);
    operate(keys::miRename);
    EXPECT_EQ(checks(), (QList<bool>{false, false, false}));
    EXPECT_FALSE(selectPressed());
    EXPECT_EQ(s.doc.m_SelectMode, 0);
}

TEST_F(FileOperationsTest, DeletingAsksTwiceAndEitherNoKeepsEveryFile)
{
    openFiles({"scan1.tif", "scan2.tif", "scan3.tif"});
    check({1, 3});
    prompter.yesNoAnswers.enqueue(false);
    operate(keys::miDelete);
    prompter.yesNoAnswers.enqueue(true);
    prompter.yesNoAnswers.enqueue(false);
    operate(keys::miDelete);
    EXPECT_EQ(prompter.questions, (QStringList{T::kDeleteQuestion, T::kDeleteQuestion, T::kDeleteAgainQuestion}));
    EXPECT_EQ(fileNames(), (QStringList{"scan1.tif", "scan2.tif", "scan3.tif"}));

    // Nothing checked: no question at all.
    prompter.questions.clear();
    check({});
    operate(keys::miSelect);
    operate(keys::miSelect);
    operate(keys::miDelete);
    EXPECT_TRUE(prompter.questions.isEmpty());
}

TEST_F(FileOperationsTest, ConfirmedDeletionRemovesTheCheckedFilesFromDiskAfterWritingBackTheEditedPage)
{
    ControlState& s = openFiles({"scan1.tif", "scan2.tif", "scan3.tif", "scan4.jpg"}, DocTypeAllImages);
    select(1);
    click(s.widgets.tbImaging, keys::miRotate180);
    ASSERT_TRUE(s.doc.m_PageModified);
    check({2, 4});
    prompter.yesNoAnswers.enqueue(true);
    prompter.yesNoAnswers.enqueue(true);
    operate(keys::miDelete);
    EXPECT_EQ(fileNames(), (QStringList{"scan1.tif", "scan3.tif"}));
    EXPECT_EQ(entries(), (QStringList{"scan1.tif", "scan3.tif"}));
    EXPECT_FALSE(s.doc.m_PageModified);
    const engine::Image edited = engine::LoadPage(documentFile(QStringLiteral("scan1.tif")));
    EXPECT_FALSE(edited.samePixels(NumberedPage(1)));
    EXPECT_EQ(edited.width(), NumberedPage(1).width());
    EXPECT_EQ(s.doc.m_CurrentFile, 2);  // the document opens again at its last file
    EXPECT_TRUE(prompter.messages.isEmpty());

    operate(keys::miSelect);
    prompter.yesNoAnswers.enqueue(true);
    prompter.yesNoAnswers.enqueue(true);
    operate(keys::miDelete);
    EXPECT_TRUE(fileNames().isEmpty());
    EXPECT_EQ(s.widgets.lvwFileList->count(), 0);
    EXPECT_TRUE(page().isNull());
    EXPECT_FALSE(enabled(s.widgets.tbFileOperate, keys::miDelete));
}

TEST_F(FileOperationsTest, AFileThatCannotBeDeletedStaysAndIsNamed)
{
    ControlState& s = openFiles({"scan1.tif", "scan2.tif", "scan3.tif"});
    // scan2.tif turned into a directory with a file inside after the listing: it cannot go.
    ASSERT_TRUE(QFile::remove(documentFile(QStringLiteral("scan2.tif"))));
    ASSERT_TRUE(QDir().mkpath(documentFile(QStringLiteral("scan2.tif/inner"))));
    operate(keys::miSelect);
    prompter.yesNoAnswers.enqueue(true);
    prompter.yesNoAnswers.enqueue(true);
    operate(keys::miDelete);
    EXPECT_EQ(fileNames(), QStringList{});
    EXPECT_TRUE(QFileInfo(documentFile(QStringLiteral("scan2.tif"))).isDir());
    EXPECT_EQ(prompter.messageTexts(), QStringList{T::kNotDeleted.arg(QStringLiteral("scan2.tif"))});
    EXPECT_EQ(s.widgets.lvwFileList->count(), 0);
}

TEST_F(FileOperationsTest, DeletingPagesOfAMultiPageFileKeepsTheOthersAndAllPagesDeleteTheFile)
{
    ControlState& s = openMultiPage(5);
    check({2, 4});
    prompter.yesNoAnswers.enqueue(true);
    prompter.yesNoAnswers.enqueue(true);
    operate(keys::miDelete);
    EXPECT_EQ(PagesOf(multiPagePath()), (QList<int>{1, 3, 5}));
    EXPECT_EQ(entries(), (QStringList{"第 1 页", "第 2 页", "第 3 页"}));
    EXPECT_EQ(s.doc.m_CurrentPage, 3);
    EXPECT_EQ(NumberOf(page()), 5);

    operate(keys::miSelect);
    prompter.yesNoAnswers.enqueue(true);
    prompter.yesNoAnswers.enqueue(true);
    operate(keys::miDelete);
    EXPECT_FALSE(QFile::exists(multiPagePath()));
    EXPECT_TRUE(page().isNull());
    EXPECT_EQ(s.widgets.lvwFileList->count(), 0);
}

TEST_F(FileOperationsTest, ReplacingCopiesTheChosenFileOverTheSelectedOneAndShowsIt)
{
    ControlState& s = openFiles({"scan1.tif", "scan2.tif", "scan3.tif"});
    QTemporaryDir elsewhere;
    const QString chosen = elsewhere.path() + QStringLiteral("/new.tif");
    WritePage(chosen, 9);
    select(2);
    prompter.fileAnswers.enqueue({chosen});
    prompter.yesNoAnswers.enqueue(false);
    operate(keys::miReplace);
    EXPECT_EQ(prompter.questions, QStringList{T::kReplaceQuestion});
    EXPECT_EQ(pages(), (QList<int>{1, 2, 3}));

    prompter.fileAnswers.enqueue({chosen, elsewhere.path() + QStringLiteral("/other.tif")});
    prompter.yesNoAnswers.enqueue(true);
    operate(keys::miReplace);
    EXPECT_EQ(prompter.messageTexts(), QStringList{T::kSeveralFilesChosen.arg(QStringLiteral("new.tif"))});
    EXPECT_EQ(pages(), (QList<int>{1, 9, 3}));
    EXPECT_EQ(s.doc.m_CurrentPage, 2);
    EXPECT_EQ(NumberOf(page()), 9);
    QFile copy(documentFile(QStringLiteral("scan2.tif"))), original(chosen);
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly) && original.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), original.readAll());
}

TEST_F(FileOperationsTest, AFileThatIsNoImageOfTheTargetsKindReplacesNothing)
{
    openFiles({"scan1.tif", "scan2.tif"});
    QTemporaryDir elsewhere;
    const QString text = elsewhere.path() + QStringLiteral("/notes.tif");
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not an image");
    file.close();
    const QString jpeg = elsewhere.path() + QStringLiteral("/photo.jpg");
    WritePage(jpeg, 7);
    select(1);
    prompter.fileAnswers.enqueue({text});
    operate(keys::miReplace);
    prompter.fileAnswers.enqueue({jpeg});
    operate(keys::miReplace);
    EXPECT_EQ(prompter.messageTexts(),
              (QStringList{T::kNotAnImage.arg(QStringLiteral("notes.tif")),
                           T::kOtherKind.arg(QStringLiteral("photo.jpg"), QStringLiteral("scan1.tif"))}));
    EXPECT_TRUE(prompter.questions.isEmpty());
    EXPECT_EQ(pages(), (QList<int>{1, 2}));
}

TEST_F(FileOperationsTest, ReplacingInAMultiPageFileReplacesTheSelectedPageByTheChosenFilesFirstPage)
{
    ControlState& s = openMultiPage(3);
    QTemporaryDir elsewhere;
    const QString chosen = elsewhere.path() + QStringLiteral("/two.tif");
    for (int n : {7, 8}) {
        engine::SaveOptions options;
        options.format = engine::FormatTiffLzw;
        options.mode = engine::SaveAppend;
        engine::SavePage(NumberedPage(n), chosen, options);
    }
    select(2);
    prompter.fileAnswers.enqueue({chosen});
    prompter.yesNoAnswers.enqueue(true);
    operate(keys::miReplace);
    EXPECT_EQ(PagesOf(multiPagePath()), (QList<int>{1, 7, 3}));
    EXPECT_EQ(s.doc.m_CurrentPage, 2);
    EXPECT_EQ(NumberOf(page()), 7);
}

TEST_F(FileOperationsTest, RenamingKeepsTheExtensionAndTheRenamedFileOnView)
{
    ControlState& s = openFiles({"scan1.tif", "scan2.tif", "scan3.tif"});
    select(2);
    QString shownName;
    answerDialog([&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), T::kRenameCaption);
        auto* box = dialog.findChild<QLineEdit*>(QStringLiteral("txtFileName"));
        shownName = box->text();
        box->setText(QStringLiteral("cover"));
        dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    });
    operate(keys::miRename);
    EXPECT_EQ(shownName, QStringLiteral("scan2"));
    EXPECT_EQ(fileNames(), (QStringList{"cover.tif", "scan1.tif", "scan3.tif"}));
    EXPECT_EQ(entries(), (QStringList{"cover.tif", "scan1.tif", "scan3.tif"}));
    EXPECT_EQ(s.doc.m_CurrentPage, 1);
    EXPECT_EQ(g_CurrentFilePath, documentFile(QStringLiteral("cover.tif")));
    EXPECT_EQ(NumberOf(page()), 2);
}

TEST_F(FileOperationsTest, ANameInUseKeepsTheRenameDialogOpen)
{
    openFiles({"scan1.tif", "scan2.tif"});
    select(1);
    QStringList seen;
    answerDialog([&](QDialog& dialog) {
        auto* box = dialog.findChild<QLineEdit*>(QStringLiteral("txtFileName"));
        auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"));
        for (const QString& typed : {QStringLiteral("scan1"), QStringLiteral("scan2"), QStringLiteral(" scan2 ")}) {
            box->setText(typed);
            ok->click();
            seen << QString::number(dialog.isVisible());
        }
        dialog.findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
    });
    operate(keys::miRename);
    EXPECT_EQ(seen, (QStringList{"1", "1", "1"}));
    EXPECT_EQ(prompter.messageTexts(), (QStringList{T::kNameExists, T::kNameExists, T::kNameExists}));
    EXPECT_EQ(fileNames(), (QStringList{"scan1.tif", "scan2.tif"}));
    EXPECT_EQ(pages(), (QList<int>{1, 2}));
}

TEST_F(FileOperationsTest, ANameThatWouldLeaveTheDocumentIsRefused)
{
    openFiles({"scan1.tif", "scan2.tif"});
    ASSERT_TRUE(QDir(documentDir()).mkdir(QStringLiteral("sub")));
    select(1);
    answerRename(QStringLiteral("sub/moved"));
    operate(keys::miRename);
    EXPECT_EQ(prompter.messageTexts(), QStringList{T::kRenameFailed});
    EXPECT_EQ(fileNames(), (QStringList{"scan1.tif", "scan2.tif"}));
}

TEST_F(FileOperationsTest, RenamingDoesNothingInAMultiPageDocument)
{
    openMultiPage(2);
    select(1);
    operate(keys::miRename);
    check({1, 2});
    operate(keys::miBatchRename);
    EXPECT_TRUE(prompter.dialogsShown.isEmpty());
}

TEST_F(FileOperationsTest, BatchRenameWithNothingCheckedSaysSoAndOpensNoDialog)
{
    openFiles({"a.tif", "b.tif"});
    select(1);
    operate(keys::miBatchRename);
    EXPECT_TRUE(prompter.dialogsShown.isEmpty());
    EXPECT_EQ(statusText(), T::kNothingChecked);
    EXPECT_EQ(fileNames(), (QStringList{"a.tif", "b.tif"}));
}

TEST_F(FileOperationsTest, BatchRenameLetsNewNamesReuseOldNamesOfCheckedFiles)
{
    // Listed in numbering order: a0002.tif, b.tif, c.tif; b takes a0002's name.
    ControlState& s = openFiles({"a0002.tif", "b.tif", "c.tif"});
    operate(keys::miSelect);
    QStringList preview;
    answerBatchRename(QStringLiteral("a####"), QStringLiteral("1"), &preview);
    operate(keys::miBatchRename);
    EXPECT_EQ(preview, (QStringList{"a0001.tif", "a0002.tif", "a0003.tif"}));
    EXPECT_EQ(fileNames(), (QStringList{"a0001.tif", "a0002.tif", "a0003.tif"}));
    EXPECT_EQ(entries(), (QStringList{"a0001.tif", "a0002.tif", "a0003.tif"}));
    EXPECT_EQ(pages(), (QList<int>{1, 2, 3}));
    EXPECT_EQ(s.doc.m_CurrentPage, 3);
    EXPECT_EQ(g_Settings.Scan.DocNameRule, QStringLiteral("a####"));
    EXPECT_EQ(GetIniString(IniFilePath(), QStringLiteral("Scan"), QStringLiteral("DocNameRule")), QStringLiteral("a####"));
}

TEST_F(FileOperationsTest, BatchRenameWithoutCounterInTheRuleNumbersWithSixDigits)
{
    openFiles({"x1.tif", "x2.tif", "x3.jpg"}, DocTypeAllImages);
    check({1, 3});
    answerBatchRename(QStringLiteral("doc"), QStringLiteral("7"));
    operate(keys::miBatchRename);
    EXPECT_EQ(fileNames(), (QStringList{"doc000007.tif", "doc000008.jpg", "x2.tif"}));
}

TEST_F(FileOperationsTest, ThePreviewFollowsTheRuleAndTheStartValue)
{
    openFiles({"s1.tif", "s2.tif"});
    operate(keys::miSelect);
    QStringList seen;
    answerDialog([&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), T::kBatchRenameCaption);
        auto* rule = dialog.findChild<QLineEdit*>(QStringLiteral("txtDocNameRule"));
        auto* start = dialog.findChild<QLineEdit*>(QStringLiteral("txtStart"));
        const auto* rows = dialog.findChild<QTreeWidget*>(QStringLiteral("lvwFileList"));
        auto newNames = [rows] {
            return rows->topLevelItem(0)->text(1) + u',' + rows->topLevelItem(1)->text(1);
        };
        EXPECT_EQ(start->text(), QString::number(g_Settings.Scan.FileInitValue));
        rule->setText(QStringLiteral("p##-x"));
        start->setText(QStringLiteral("9"));
        seen << newNames();
        rule->setText(QStringLiteral("p-x##"));
        seen << newNames();
        QWidget* arrows = dialog.findChild<QWidget*>(QStringLiteral("udStart"));
        arrows->findChild<QToolButton*>(QStringLiteral("up"))->click();
        seen << start->text() + u':' + newNames();
        start->setText(QStringLiteral("0"));
        arrows->findChild<QToolButton*>(QStringLiteral("down"))->click();
        seen << start->text();
        // An emptied box leaves the preview as it was.
        start->clear();
        seen << newNames();
        dialog.findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
    });
    operate(keys::miBatchRename);
    EXPECT_EQ(seen, (QStringList{"p09-x.tif,p10-x.tif", "p-x09.tif,p-x10.tif", "10:p-x10.tif,p-x11.tif", "0",
                                 "p-x00.tif,p-x01.tif"}));
    EXPECT_EQ(fileNames(), (QStringList{"s1.tif", "s2.tif"}));
}

TEST_F(FileOperationsTest, ABatchRenameThatWouldTakeAnotherFilesNameRenamesNothingAndSaysWhich)
{
    openFiles({"a.tif", "b.tif", "c.tif", "x0003.tif"});
    check({1, 2, 3});
    answerBatchRename(QStringLiteral("x####"), QStringLiteral("1"));
    operate(keys::miBatchRename);
    EXPECT_EQ(fileNames(), (QStringList{"a.tif", "b.tif", "c.tif", "x0003.tif"}));
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages.first().text.startsWith(
        T::kBatchRenameFailed.section(u'%', 0, 0) + QStringLiteral("x0003.tif")));
}

TEST_F(FileOperationsTest, OpeningADocumentPutsBackABatchRenameThatWasStoppedPartWay)
{
    for (int n = 1; n <= 3; ++n)
        WritePage(documentFile(QStringLiteral("s%1.tif").arg(n)), n);
    QList<FileMove> moves;
    for (int n = 1; n <= 3; ++n)
        moves.append({documentFile(QStringLiteral("s%1.tif").arg(n)), documentFile(QStringLiteral("s%1.tif").arg(n + 1))});
    std::reverse(moves.begin(), moves.end());
    EXPECT_THROW(RunRenameBatch(moves, [](int done) {
        if (done == 4)
            throw std::runtime_error("killed");
    }), std::runtime_error);
    showControl(DocTypeSinglePageTiff);
    EXPECT_EQ(fileNames(), (QStringList{"s1.tif", "s2.tif", "s3.tif"}));
    EXPECT_EQ(pages(), (QList<int>{1, 2, 3}));
}

TEST_F(FileOperationsTest, EveryFileBarButtonRunsItsCommand)
{
    for (const DispatchRow& row : DispatchRowsFor(toolbars::tbFileOperate))
        EXPECT_NE(row.run, nullptr) << row.key;
}

}  // namespace
}  // namespace scanvo::fixtures
