// The Designer plugin as Designer and QUiLoader use it: loaded from its plugin folder, creating the
// control through its interface, and a form holding the control, as Designer saves it, loaded again.
#include "ScanvoFactory.h"

#include <QBuffer>
#include <QDialog>
#include <QDir>
#include <QListView>
#include <QPluginLoader>
#include <QProcess>
#include <QTemporaryDir>
#include <QUiLoader>
#include <QWidget>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString kPluginFile = QStringLiteral(SCANVO_DESIGNER_PLUGIN);

// Answers every question of the control as cancelled, at once, and keeps the messages, so that a
// control that wrongly goes to work in a test fails instead of waiting for a person.
class QuietPrompter final : public scanvo::Prompter {
public:
    QuietPrompter() { ScanvoSetPrompter(this); }
    ~QuietPrompter() override { ScanvoSetPrompter(nullptr); }
    void showMessage(QWidget*, const QString& text, const QString&, scanvo::MessageIcon) override { messages << text; }
    bool askYesNo(QWidget*, const QString& text, const QString&) override
    {
        messages << text;
        return false;
    }
    QStringList chooseFiles(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString chooseFolder(QWidget*, const QString&, const QString&) override { return {}; }
    bool chooseFont(QWidget*, QFont&) override { return false; }
    int runDialog(QDialog& dialog) override
    {
        messages << dialog.objectName();
        return QDialog::Rejected;
    }

    QStringList messages;
};

class DesignerPluginTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_config.isValid());
        qputenv("SCANVO_CONFIG_DIR", m_config.path().toLocal8Bit());
        m_loader.setFileName(kPluginFile);
        ASSERT_TRUE(m_loader.load()) << m_loader.errorString().toStdString();
        plugin = qobject_cast<QDesignerCustomWidgetInterface*>(m_loader.instance());
        ASSERT_NE(plugin, nullptr);
    }
    void TearDown() override { qunsetenv("SCANVO_CONFIG_DIR"); }

    QDesignerCustomWidgetInterface* plugin = nullptr;
    QuietPrompter prompter;

private:
    QTemporaryDir m_config;
    QPluginLoader m_loader;
};

bool UserMode(QWidget* control)
{
    bool userMode = true;
    EXPECT_TRUE(QMetaObject::invokeMethod(control, "UserMode", Q_RETURN_ARG(bool, userMode)));
    return userMode;
}

TEST_F(DesignerPluginTest, TheWidgetBoxEntryDescribesTheControl)
{
    EXPECT_EQ(plugin->name(), QStringLiteral("scanvo::Imaging"));
    EXPECT_EQ(plugin->group(), QStringLiteral("Scanvo"));
    EXPECT_EQ(plugin->includeFile(), QStringLiteral("ScanvoFactory.h"));
    EXPECT_FALSE(plugin->icon().isNull());
    EXPECT_FALSE(plugin->isContainer());
    EXPECT_TRUE(plugin->domXml().contains(QStringLiteral("class=\"scanvo::Imaging\"")));
}

TEST_F(DesignerPluginTest, InDesignerTheControlIsInDesignModeAndOpensNothing)
{
    // A root holding the sample documents, so a control in use would list pages at once.
    QTemporaryDir root;
    QTemporaryDir config;
    ASSERT_EQ(QProcess::execute(QStringLiteral(SCANVO_MAKE_SAMPLES), {root.path(), config.path()}), 0);
    plugin->initialize(nullptr);
    ASSERT_TRUE(plugin->isInitialized());
    QWidget form;
    QWidget* control = plugin->createWidget(&form);
    ASSERT_NE(control, nullptr);
    EXPECT_STREQ(control->metaObject()->className(), "scanvo::Imaging");
    EXPECT_FALSE(UserMode(control));

    // The property editor sets values; showing the form opens no document and asks nothing.
    ASSERT_TRUE(control->setProperty("LocalPath", root.path()));
    ASSERT_TRUE(control->setProperty("DocName", QStringLiteral("test1\\44")));
    ASSERT_TRUE(control->setProperty("DocType", 1));
    form.show();
    EXPECT_EQ(control->property("LocalPath").toString(), root.path());
    EXPECT_EQ(control->property("DocName").toString(), QStringLiteral("test1\\44"));
    EXPECT_EQ(control->property("DocType").toInt(), 1);
    EXPECT_EQ(control->findChild<QListView*>(QStringLiteral("lvwFileList"))->model()->rowCount(), 0);
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join(u'|').toStdString();
}

TEST_F(DesignerPluginTest, AFormHoldingTheControlLoadsWithItsValues)
{
    const QByteArray form = R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0">
 <class>Form</class>
 <widget class="QWidget" name="Form">
  <widget class="scanvo::Imaging" name="Imaging1">
   <property name="DocName"><string>test1\44</string></property>
   <property name="DocType"><number>1</number></property>
   <property name="DocNameRule"><string>IMG-####</string></property>
   <property name="ImagingBarAlign"><number>2</number></property>
  </widget>
 </widget>
</ui>
)";
    QUiLoader loader;
    loader.clearPluginPaths();
    loader.addPluginPath(QFileInfo(kPluginFile).path());
    ASSERT_TRUE(loader.availableWidgets().contains(QStringLiteral("scanvo::Imaging")));

    QBuffer source;
    source.setData(form);
    std::unique_ptr<QWidget> loaded(loader.load(&source));
    ASSERT_NE(loaded, nullptr) << loader.errorString().toStdString();
    QWidget* control = loaded->findChild<QWidget*>(QStringLiteral("Imaging1"));
    ASSERT_NE(control, nullptr);
    EXPECT_TRUE(UserMode(control));  // a form loaded by a program is in use, not in design
    EXPECT_EQ(control->property("DocName").toString(), QStringLiteral("test1\\44"));
    EXPECT_EQ(control->property("DocType").toInt(), 1);
    EXPECT_EQ(control->property("DocNameRule").toString(), QStringLiteral("IMG-####"));
    EXPECT_EQ(control->property("ImagingBarAlign").toInt(), 2);


    // The widget box entry is a form of its own and loads as well.
    QBuffer entry;
    entry.setData(plugin->domXml().toUtf8());
    std::unique_ptr<QWidget> fromEntry(loader.load(&entry));
    ASSERT_NE(fromEntry, nullptr) << loader.errorString().toStdString();
    EXPECT_STREQ(fromEntry->metaObject()->className(), "scanvo::Imaging");
}

}  // namespace
