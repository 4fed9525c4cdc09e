// Enabled states of the five toolbars: no document, a document, one page, a JPEG document, the
// page and file steps, the undo buttons and the clipboard table.
#include "SurfaceFixture.h"

#include "core/FileListView.h"
#include "core/ToolbarStates.h"

#include <QAction>
#include <QComboBox>
#include <QToolBar>

namespace scanvo::fixtures {
namespace {

class ToolbarStatesTest : public SurfaceTest {
protected:
    // A listed document of pageCount pages showing page current.
    void openDocument(qint16 docType, qint16 pageCount, qint16 current)
    {
        SetNoDocumentState(state.doc, state.widgets);
        state.props.m_DocType = docType;
        state.doc.m_PageCount = pageCount;
        state.doc.m_CurrentPage = current;
        state.widgets.lvwFileList->fill(1, [](int) { return QStringLiteral("0001.tif"); }, [](int) { return QStringLiteral("0001.tif"); });
        SetDocumentState(state);
    }

    QString joined(QToolBar* toolbar) const { return enabledButtons(toolbar).join(u' '); }
};

TEST_F(ToolbarStatesTest, NoDocumentLeavesOnlyScanningSettingsAndGrid)
{
    SetNoDocumentState(state.doc, state.widgets);

    EXPECT_EQ(joined(state.widgets.tbMain), QStringLiteral("miScan miImport miSetting"));
    EXPECT_TRUE(enabled(state.widgets.tbMain, "miAppend"));
    EXPECT_TRUE(enabled(state.widgets.tbMain, "miScanSetting"));
    EXPECT_FALSE(enabled(state.widgets.tbMain, "miInsert"));
    EXPECT_FALSE(enabled(state.widgets.tbMain, "miReplace"));
    EXPECT_TRUE(enabled(state.widgets.tbMain, "miCompressSetting"));

    EXPECT_EQ(joined(state.widgets.tbFileNav), QString());
    EXPECT_EQ(joined(state.widgets.tbFileOperate), QString());
    EXPECT_EQ(joined(state.widgets.tbCommon), QStringLiteral("miGrid"));
    EXPECT_TRUE(enabled(state.widgets.tbCommon, "miTwoLine"));
    EXPECT_TRUE(enabled(state.widgets.tbCommon, "miFiveLine"));
    EXPECT_EQ(joined(state.widgets.tbImaging), QString());
}

TEST_F(ToolbarStatesTest, NoDocumentResetsBoxesAndReleasesMultiSelect)
{
    state.doc.m_SelectMode = 1;
    action(state.widgets.tbFileOperate, "miSelect")->setChecked(true);
    state.widgets.cboZoomFactor->addItem(QStringLiteral("137%"));

    SetNoDocumentState(state.doc, state.widgets);

    EXPECT_FALSE(action(state.widgets.tbFileOperate, "miSelect")->isChecked());
    EXPECT_EQ(state.doc.m_SelectMode, 0);
    EXPECT_EQ(state.widgets.cboCurrentFile->currentText(), QStringLiteral("0"));
    EXPECT_FALSE(state.widgets.cboCurrentFile->isEnabled());
    EXPECT_EQ(state.widgets.cboCurrentPage->currentText(), QStringLiteral("0"));
    EXPECT_FALSE(state.widgets.cboCurrentPage->isEnabled());
    EXPECT_FALSE(state.widgets.cboZoomFactor->isEnabled());
    QStringList entries;
    for (int i = 0; i < state.widgets.cboZoomFactor->count(); ++i)
        entries << state.widgets.cboZoomFactor->itemText(i);
    EXPECT_EQ(entries.join(u' '), QStringLiteral("25% 50% 75% 100% 150% 200% 300% 400%"));
    EXPECT_EQ(state.widgets.cboZoomFactor->currentText(), QStringLiteral("100%"));
}

TEST_F(ToolbarStatesTest, MultiPageDocumentOnFirstPage)
{
    openDocument(1, 3, 1);

    EXPECT_TRUE(enabled(state.widgets.tbMain, "miInsert"));
    EXPECT_TRUE(enabled(state.widgets.tbMain, "miReplace"));
    EXPECT_EQ(enabledButtons(state.widgets.tbFileOperate), allButtons(state.widgets.tbFileOperate));

    EXPECT_FALSE(enabled(state.widgets.tbCommon, "miFirst"));
    EXPECT_FALSE(enabled(state.widgets.tbCommon, "miPrevious"));
    EXPECT_TRUE(enabled(state.widgets.tbCommon, "miNext"));
    EXPECT_TRUE(enabled(state.widgets.tbCommon, "miLast"));
    for (const char* placeholder : {"miCurrentPage1", "miCurrentPage2", "miZoomFactor1", "miZoomFactor2"})
        EXPECT_FALSE(enabled(state.widgets.tbCommon, placeholder)) << placeholder;
    for (const char* key : {"miUndo", "miRedo", "miCut", "miCopy", "miPaste"})
        EXPECT_FALSE(enabled(state.widgets.tbCommon, key)) << key;
    for (const char* key : {"miGetPixel", "miGrid", "miTrimRegion", "miFitStyle"})
        EXPECT_TRUE(enabled(state.widgets.tbCommon, key)) << key;
    EXPECT_EQ(state.widgets.cboCurrentPage->currentText(), QStringLiteral("1"));
    EXPECT_TRUE(state.widgets.cboCurrentPage->isEnabled());
    EXPECT_TRUE(state.widgets.cboZoomFactor->isEnabled());

    EXPECT_FALSE(enabled(state.widgets.tbImaging, "miTrim2"));
    for (const char* key : {"miRotate", "miConvert2BW", "miDelete", "miMove", "miUnite", "miDivide", "miInsertComment"})
        EXPECT_TRUE(enabled(state.widgets.tbImaging, key)) << key;
}

TEST_F(ToolbarStatesTest, OnePageDocumentHasNoPageStepsOrPageStructure)
{
    openDocument(2, 1, 1);

    for (const char* key : {"miFirst", "miPrevious", "miNext", "miLast"})
        EXPECT_FALSE(enabled(state.widgets.tbCommon, key)) << key;
    EXPECT_FALSE(state.widgets.cboCurrentPage->isEnabled());
    for (const char* key : {"miMove", "miUnite", "miDivide"})
        EXPECT_FALSE(enabled(state.widgets.tbImaging, key)) << key;
    EXPECT_TRUE(enabled(state.widgets.tbImaging, "miDelete"));
}

TEST_F(ToolbarStatesTest, JpegDocumentCannotBeBinarised)
{
    openDocument(3, 4, 2);
    EXPECT_FALSE(enabled(state.widgets.tbImaging, "miConvert2BW"));
    EXPECT_TRUE(enabled(state.widgets.tbImaging, "miInvert"));

    openDocument(2, 4, 2);
    EXPECT_TRUE(enabled(state.widgets.tbImaging, "miConvert2BW"));
}

TEST_F(ToolbarStatesTest, EmptyListKeepsFileOperationsDisabled)
{
    SetNoDocumentState(state.doc, state.widgets);
    state.props.m_DocType = 2;
    SetDocumentState(state);
    EXPECT_EQ(joined(state.widgets.tbFileOperate), QString());
}

TEST_F(ToolbarStatesTest, DocumentStateLeavesToggleToolsPressed)
{
    openDocument(1, 2, 1);
    action(state.widgets.tbCommon, "miGetPixel")->setChecked(true);
    action(state.widgets.tbImaging, "miCrop")->setChecked(true);
    SetDocumentState(state);
    EXPECT_TRUE(action(state.widgets.tbCommon, "miGetPixel")->isChecked());
    EXPECT_TRUE(action(state.widgets.tbImaging, "miCrop")->isChecked());
}

TEST_F(ToolbarStatesTest, PageStepsFollowThePageShown)
{
    openDocument(1, 5, 1);

    state.doc.m_CurrentPage = 3;
    UpdatePageNavigation(state.doc, state.widgets);
    EXPECT_EQ(enabledButtons(state.widgets.tbCommon).mid(0, 4).join(u' '), QStringLiteral("miFirst miPrevious miNext miLast"));
    EXPECT_EQ(state.widgets.cboCurrentPage->currentText(), QStringLiteral("3"));

    state.doc.m_CurrentPage = 5;
    UpdatePageNavigation(state.doc, state.widgets);
    EXPECT_TRUE(enabled(state.widgets.tbCommon, "miFirst"));
    EXPECT_TRUE(enabled(state.widgets.tbCommon, "miPrevious"));
    EXPECT_FALSE(enabled(state.widgets.tbCommon, "miNext"));
    EXPECT_FALSE(enabled(state.widgets.tbCommon, "miLast"));
    EXPECT_EQ(state.widgets.cboCurrentPage->currentText(), QStringLiteral("5"));
}

TEST_F(ToolbarStatesTest, FileStepsFollowTheCurrentFile)
{
    openDocument(0, 1, 1);
    for (const char* name : {"a.tif", "b.tif", "c.tif", "d.tif"})
        state.doc.m_Files.append(QString::fromLatin1(name));

    state.doc.m_CurrentFile = 1;
    UpdateFileNavigation(state.doc, state.widgets);
    EXPECT_EQ(joined(state.widgets.tbFileNav), QStringLiteral("miNext miLast"));
    EXPECT_EQ(state.widgets.cboCurrentFile->currentText(), QStringLiteral("1"));
    EXPECT_TRUE(state.widgets.cboCurrentFile->isEnabled());

    state.doc.m_CurrentFile = 4;
    UpdateFileNavigation(state.doc, state.widgets);
    EXPECT_EQ(joined(state.widgets.tbFileNav), QStringLiteral("miFirst miPrevious"));

    while (state.doc.FileCount() > 1)
        state.doc.m_Files.remove(state.doc.FileCount());
    state.doc.m_CurrentFile = 1;
    UpdateFileNavigation(state.doc, state.widgets);
    EXPECT_EQ(joined(state.widgets.tbFileNav), QString());
    EXPECT_FALSE(state.widgets.cboCurrentFile->isEnabled());
}

TEST_F(ToolbarStatesTest, PageStructureButtonsNeedTwoPages)
{
    openDocument(1, 1, 1);
    state.doc.m_PageCount = 2;
    UpdatePageStructureButtons(state.doc, state.widgets);
    for (const char* key : {"miMove", "miUnite", "miDivide"})
        EXPECT_TRUE(enabled(state.widgets.tbImaging, key)) << key;
}

TEST_F(ToolbarStatesTest, UndoButtonsFollowThePageHistory)
{
    openDocument(1, 2, 1);
    const auto buttons = [this] {
        SetUndoButtons(state);
        return QString::fromLatin1("%1%2").arg(int(enabled(state.widgets.tbCommon, "miUndo"))).arg(int(enabled(state.widgets.tbCommon, "miRedo")));
    };
    EXPECT_EQ(buttons(), QStringLiteral("00"));
    const engine::Image page = engine::Image::create(8, 8, 1);
    state.m_History.Record(page);
    EXPECT_EQ(buttons(), QStringLiteral("10"));
    state.m_History.Undo(page);
    EXPECT_EQ(buttons(), QStringLiteral("01"));
    state.m_History.Record(page);
    state.m_History.Record(page);
    state.m_History.Undo(page);
    EXPECT_EQ(buttons(), QStringLiteral("11"));
    state.m_History.Clear();
    EXPECT_EQ(buttons(), QStringLiteral("00"));
}

TEST_F(ToolbarStatesTest, ClipboardButtonModes)
{
    openDocument(1, 2, 1);
    auto clipboard = [this] {
        return QString::fromLatin1("%1%2%3")
            .arg(int(enabled(state.widgets.tbCommon, "miCut")))
            .arg(int(enabled(state.widgets.tbCommon, "miCopy")))
            .arg(int(enabled(state.widgets.tbCommon, "miPaste")));
    };
    EXPECT_EQ(clipboard(), QStringLiteral("000"));
    SetClipboardButtons(state.widgets, 1);  // a selection drawn
    EXPECT_EQ(clipboard(), QStringLiteral("110"));
    SetClipboardButtons(state.widgets, 4);  // copied: cut and copy stay
    EXPECT_EQ(clipboard(), QStringLiteral("111"));
    SetClipboardButtons(state.widgets, 2);  // selection removed: paste stays
    EXPECT_EQ(clipboard(), QStringLiteral("001"));
    SetClipboardButtons(state.widgets, 1);
    SetClipboardButtons(state.widgets, 3);  // cut
    EXPECT_EQ(clipboard(), QStringLiteral("001"));
    SetClipboardButtons(state.widgets, 9);
    EXPECT_EQ(clipboard(), QStringLiteral("001"));
    SetClipboardButtons(state.widgets, 0);
    EXPECT_EQ(clipboard(), QStringLiteral("000"));
}

}  // namespace
}  // namespace scanvo::fixtures
