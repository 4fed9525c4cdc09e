// Pagedemo's window driven as a user would: tree clicks, the document type menu, resizing. The
// control comes from libscanvo; the test sees it only through its properties and signals.
#include "fixtures/ScriptedPrompter.h"
#include "frmDemo.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

class DemoHostTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_config.isValid());
        ASSERT_TRUE(m_area.isValid());
        qputenv("SCANVO_CONFIG_DIR", m_config.path().toLocal8Bit());
        qputenv("SANE_CONFIG_DIR", QByteArray(SCANVO_DEMO_SANE_DIR));
        QFile ini(m_config.filePath("scanvo.ini"));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ASSERT_GT(ini.write(QStringLiteral("[Scan]\nSaveDir=%1\n").arg(root()).toUtf8()), 0);
        ini.close();

        form = std::make_unique<frmDemo>();
        form->show();
        ASSERT_NE(form->Imaging1(), nullptr);
        control = form->Imaging1();
    }
    void TearDown() override
    {
        form.reset();
        qunsetenv("SCANVO_CONFIG_DIR");
        qunsetenv("SANE_CONFIG_DIR");
    }

    QString root() const { return m_area.filePath("root"); }

    QTreeWidgetItem* node(const QString& key) const
    {
        QTreeWidgetItemIterator it(form->TreeView1());
        for (; *it; ++it) {
            if ((*it)->data(0, frmDemo::kKeyRole).toString() == key)
                return *it;
        }
        ADD_FAILURE() << "no node " << key.toStdString();
        return nullptr;
    }

    void click(const QString& key) const
    {
        QTreeWidget* tree = form->TreeView1();
        QTreeWidgetItem* item = node(key);
        ASSERT_NE(item, nullptr);
        tree->scrollToItem(item);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
    }

    QAction* menuItem(const QString& name) const
    {
        QAction* item = nullptr;
        for (QAction* action : form->DocTypeMenu()->actions()) {
            if (action->objectName() == name)
                item = action;
        }
        EXPECT_NE(item, nullptr) << name.toStdString();
        return item;
    }

    QStringList checkedItems() const
    {
        QStringList names;
        for (QAction* action : form->DocTypeMenu()->actions()) {
            if (action->isChecked())
                names << action->objectName();
        }
        return names;
    }

    scanvo::fixtures::ScriptedPrompter prompter;
    std::unique_ptr<frmDemo> form;
    QWidget* control = nullptr;

private:
    QTemporaryDir m_config;
    QTemporaryDir m_area;
};

TEST_F(DemoHostTest, LoadShowsTheWindowTreeAndMenuWithSingleJpegChosen)
{
    EXPECT_EQ(form->windowTitle(), "Form1");
    EXPECT_EQ(control->objectName(), "Imaging1");
    EXPECT_EQ(control->property("DocType").toInt(), 3);
    EXPECT_EQ(checkedItems(), QStringList{"mnuSingleJpg"});
    EXPECT_EQ(form->DocTypeMenu()->title(), QStringLiteral("文档类型"));
    EXPECT_EQ(control->property("Font").value<QFont>().pointSize(), 9);

    QTreeWidget* tree = form->TreeView1();
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    QTreeWidgetItem* top = tree->topLevelItem(0);
    EXPECT_EQ(top->text(0), QStringLiteral("档案文件"));
    EXPECT_TRUE(top->isExpanded());
    ASSERT_EQ(top->childCount(), 2);
    EXPECT_TRUE(top->child(0)->isExpanded());
    EXPECT_TRUE(top->child(1)->isExpanded());
    EXPECT_EQ(top->child(0)->childCount(), 3);
    EXPECT_EQ(top->child(1)->childCount(), 4);
    EXPECT_EQ(node("t88")->parent(), node("test2"));
    EXPECT_EQ(node("t88")->data(0, frmDemo::kTagRole).toString(), "test2\\88");
    EXPECT_FALSE(node("t88")->isExpanded());
    EXPECT_EQ(control->property("LocalPath").toString(), root()) << "the control started with the demo settings";
}

TEST_F(DemoHostTest, ClickingGroupNodesLeavesTheControlUntouched)
{
    QSignalSpy changed(control, SIGNAL(PropertyChanged(QString)));
    for (const char* key : {"root", "test1", "test2"})
        click(QString::fromLatin1(key));
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(control->property("DocName").toString(), QString());
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_EQ(QDir(root()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

TEST_F(DemoHostTest, ClickingADocumentSetsItsNameAndOpensIt)
{
    click("t44");
    EXPECT_EQ(control->property("DocName").toString(), "test1\\44");
    EXPECT_TRUE(QFileInfo(root() + "/test1/44").isDir()) << "SetDocument created the document directory";
    EXPECT_TRUE(prompter.messages.isEmpty());

    click("t99");
    EXPECT_EQ(control->property("DocName").toString(), "test2\\99");
    EXPECT_TRUE(QFileInfo(root() + "/test2/99").isDir());
}

TEST_F(DemoHostTest, TheMenuChangesTheTypeWithoutReopeningTheDocument)
{
    click("t44");
    ASSERT_TRUE(QDir(root() + "/test1/44").removeRecursively());

    menuItem("mnuMultiTif")->trigger();
    EXPECT_EQ(checkedItems(), QStringList{"mnuMultiTif"});
    EXPECT_EQ(control->property("DocType").toInt(), 1);
    EXPECT_FALSE(QFileInfo::exists(root() + "/test1/44")) << "the open document was not set again";

    menuItem("mnuAll")->trigger();
    EXPECT_EQ(checkedItems(), QStringList{"mnuAll"});
    EXPECT_EQ(control->property("DocType").toInt(), 0);

    click("t55");
    EXPECT_EQ(control->property("DocType").toInt(), 0);
    EXPECT_TRUE(QFileInfo(root() + "/test1/55").isDir());
}

TEST_F(DemoHostTest, ResizingKeepsTheTreeWidthAndGivesTheControlTheRest)
{
    QTreeWidget* tree = form->TreeView1();
    const int treeWidth = tree->width();
    for (const QSize size : {QSize(900, 600), QSize(640, 480), QSize(1300, 900)}) {
        form->resize(size);
        const QSize inner = form->centralWidget()->size();
        EXPECT_EQ(tree->geometry(), QRect(0, 0, treeWidth, inner.height()));
        EXPECT_EQ(control->geometry(), QRect(treeWidth, 0, inner.width() - treeWidth, inner.height()));
    }

    const QRect treeBefore = tree->geometry();
    const QRect controlBefore = control->geometry();
    form->showMinimized();
    form->showNormal();
    EXPECT_EQ(tree->geometry(), treeBefore);
    EXPECT_EQ(control->geometry(), controlBefore);
}

}  // namespace
