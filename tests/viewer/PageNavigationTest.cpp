// Moving between pages with the page steps and the page box.
#include "BrowseFixture.h"

#include "core/DocumentType.h"
#include "document/FileList.h"
#include "platform/engine/ImageViewer.h"
#include "viewer/PageNavigation.h"

#include <QComboBox>

namespace scanvo::fixtures {
namespace {

class PageNavigationTest : public BrowseTest {
protected:
    void SetUp() override
    {
        BrowseTest::SetUp();
        WriteTiff(documentFile("box1.tif"), 4, 100, 140);
        openDocument(DocTypeMultiPageTiff, 2);
    }
    // The fixture marks page n with an ink block 10 n wide.
    int shownPage() const
    {
        const QImage page = viewer()->image().toQImage();
        int width = 0;
        while (width < page.width() && page.pixelColor(width, 0) == QColor(Qt::black))
            ++width;
        return width / 10;
    }
    void typeIntoPageBox(const QString& text)
    {
        state.widgets.cboCurrentPage->setEditText(text);
        OnPageBoxEnter(state);
    }
};

TEST_F(PageNavigationTest, ThePageStepsMoveThroughTheFile)
{
    struct Step {
        void (*run)(ControlState&);
        int page;
    };
    const Step steps[] = {{GoNextPage, 3}, {GoLastPage, 4}, {GoPreviousPage, 3}, {GoFirstPage, 1}};
    for (const Step& step : steps) {
        step.run(state);
        EXPECT_EQ(state.doc.m_CurrentPage, step.page);
        EXPECT_EQ(shownPage(), step.page);
        EXPECT_EQ(selectedEntry(), step.page);
        EXPECT_EQ(panel(1), QStringLiteral("澜页文档扫描影像优化处理控件"));
    }
}

TEST_F(PageNavigationTest, PreviousAndNextWaitForAMoveInProgress)
{
    state.doc.m_FileNavBusy = true;
    GoNextPage(state);
    GoPreviousPage(state);
    EXPECT_EQ(state.doc.m_CurrentPage, 2);
    EXPECT_TRUE(state.doc.m_FileNavBusy);
}

TEST_F(PageNavigationTest, ThePageBoxDropsDownWithEveryPage)
{
    OnPageBoxDropDown(state);
    ASSERT_EQ(state.widgets.cboCurrentPage->count(), 4);
    EXPECT_EQ(state.widgets.cboCurrentPage->itemText(3), QStringLiteral("4"));
    EXPECT_EQ(state.widgets.cboCurrentPage->currentText(), QStringLiteral("2"));
    state.widgets.cboCurrentPage->setCurrentIndex(3);
    OnPageBoxPicked(state);
    EXPECT_EQ(state.doc.m_CurrentPage, 4);
    EXPECT_EQ(shownPage(), 4);
}

TEST_F(PageNavigationTest, PickingTheCurrentPageOnlyResetsTheText)
{
    OnPageBoxDropDown(state);
    viewer()->clearImage();
    state.widgets.cboCurrentPage->setCurrentIndex(1);
    OnPageBoxPicked(state);
    EXPECT_FALSE(viewer()->hasImage());
    EXPECT_EQ(state.widgets.cboCurrentPage->currentText(), QStringLiteral("2"));
}

TEST_F(PageNavigationTest, EnterReloadsTheCurrentPageForANumberOutsideTheFile)
{
    for (const char* typed : {"0", "5", "", "x"}) {
        SCOPED_TRACE(typed);
        viewer()->clearImage();
        typeIntoPageBox(QString::fromLatin1(typed));
        EXPECT_EQ(state.widgets.cboCurrentPage->currentText(), QStringLiteral("2"));
        EXPECT_EQ(state.doc.m_CurrentPage, 2);
        EXPECT_EQ(shownPage(), 2);
    }
    typeIntoPageBox(QStringLiteral("3"));
    EXPECT_EQ(shownPage(), 3);
    EXPECT_TRUE(prompter.messages.isEmpty());
}

}  // namespace
}  // namespace scanvo::fixtures
