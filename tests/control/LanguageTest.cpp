// The control in the user's language: under an English locale nothing it shows is Chinese, under a
// Chinese one every text is as written, Qt's own boxes follow the choice, and the translators are
// installed once per process.
#include "ControlTestSupport.h"
#include "core/CommandKeys.h"
#include "core/UiLanguage.h"
#include "fixtures/PageGenerator.h"
#include "platform/engine/ImageFile.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <QXmlStreamReader>

#include <set>

namespace scanvo::fixtures {
namespace {

// CJK ideographs and punctuation, and the full-width forms (brackets, colons, the full-width blank).
bool HasCjk(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= 0x3000 && u <= 0x303F) || (u >= 0x3400 && u <= 0x9FFF) || (u >= 0xFF00 && u <= 0xFFEF);
    });
}

void AddActionTexts(const QList<QAction*>& actions, const QString& where, QStringList& texts)
{
    for (QAction* action : actions) {
        texts << where + u'/' + action->objectName() + u' ' + action->text() + u' ' + action->toolTip();
        if (action->menu() != nullptr)
            AddActionTexts(action->menu()->actions(), where + u'/' + action->objectName(), texts);
    }
}

// Every text root and its children show: titles, tooltips, captions, list items and headers, the
// actions of toolbars and menus. Line edits are left out: they hold values, such as file names.
QStringList TextsOf(QWidget* root)
{
    QStringList texts;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        const QString where = QString::fromLatin1(widget->metaObject()->className()) + u' ' + widget->objectName();
        texts << where + u' ' + widget->windowTitle() + u' ' + widget->toolTip();
        if (auto* label = qobject_cast<QLabel*>(widget))
            texts << where + u' ' + label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            texts << where + u' ' + button->text();
        if (auto* group = qobject_cast<QGroupBox*>(widget))
            texts << where + u' ' + group->title();
        if (auto* combo = qobject_cast<QComboBox*>(widget); combo != nullptr && !combo->isEditable()) {
            for (int i = 0; i < combo->count(); ++i)
                texts << where + u' ' + combo->itemText(i);
        }
        if (auto* table = qobject_cast<QTableWidget*>(widget)) {
            for (int i = 0; i < table->columnCount(); ++i)
                if (table->horizontalHeaderItem(i) != nullptr)
                    texts << where + u' ' + table->horizontalHeaderItem(i)->text();
        }
        if (auto* list = qobject_cast<QListWidget*>(widget)) {
            for (int i = 0; i < list->count(); ++i)
                texts << where + u' ' + list->item(i)->text();
        }
        if (auto* menu = qobject_cast<QMenu*>(widget))
            texts << where + u' ' + menu->title();
        AddActionTexts(widget->actions(), where, texts);
    }
    return texts;
}

// The texts that show Chinese, one a line; empty when none does.
std::string Chinese(const QStringList& texts)
{
    QStringList found;
    std::copy_if(texts.begin(), texts.end(), std::back_inserter(found), HasCjk);
    return found.join(u'\n').toStdString();
}

// The entries of a Qt Linguist file: context, source and translation.
struct Entry {
    QString context;
    QString source;
    QString translation;
};
QList<Entry> ReadCatalogue(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Entry> entries;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"source")
            entries.append({context, xml.readElementText(), {}});
        else if (xml.name() == u"translation" && !entries.isEmpty())
            entries.last().translation = xml.readElementText();
    }
    return entries;
}

// Counts the language changes the application's widgets are told of.
class LanguageChanges final : public QObject {
public:
    LanguageChanges() { QCoreApplication::instance()->installEventFilter(this); }
    ~LanguageChanges() override { QCoreApplication::instance()->removeEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::LanguageChange ? 1 : 0;
        return false;
    }
};

class LanguageTest : public ControlTest {
protected:
    void TearDown() override
    {
        ChooseUiLanguage(QString());
        ControlTest::TearDown();
    }

    // A TIFF file of black-and-white text pages.
    static void writeTiff(const QString& path, int pages)
    {
        testing::PageOptions text;
        text.width = 800;
        text.height = 600;
        engine::SaveOptions options;
        options.format = engine::FormatTiffG4;
        for (int i = 0; i < pages; ++i) {
            options.mode = i == 0 ? engine::SaveNew : engine::SaveAppend;
            engine::SavePage(testing::GeneratePage(text).page, path, options);
        }
    }

    // A shown control on document "doc": a TIFF file of two black-and-white text pages and a colour
    // JPEG page (mixed type), the TIFF on view. Beside it document "pages", one TIFF file of three
    // pages (multi-page type).
    std::unique_ptr<Imaging> openedControl()
    {
        const QString doc = rootDir() + QStringLiteral("/doc");
        EXPECT_TRUE(QDir().mkpath(doc) && QDir().mkpath(rootDir() + QStringLiteral("/pages")));
        writeTiff(doc + QStringLiteral("/p0001.tif"), 2);
        writeTiff(rootDir() + QStringLiteral("/pages/pages.tif"), 3);
        testing::PageOptions text;
        text.width = 800;
        text.height = 600;
        text.depth = 24;
        engine::SaveOptions jpeg;
        jpeg.format = engine::FormatJpeg422;
        engine::SavePage(testing::GeneratePage(text).page, doc + QStringLiteral("/p0002.jpg"), jpeg);
        writeSaveDir(rootDir());
        auto control = std::make_unique<Imaging>();
        control->setDocName(QStringLiteral("doc"));
        control->setDocType(0);
        control->resize(1200, 800);
        control->show();
        return control;
    }

    // Every dialog the prompter is asked to run is read and then cancelled.
    void readEveryDialog()
    {
        for (int i = 0; i < 200; ++i)
            prompter.dialogScripts.enqueue([this](QDialog& dialog) {
                m_DialogTexts << TextsOf(&dialog);
                return int(QDialog::Rejected);
            });
    }

    QStringList m_DialogTexts;
};

TEST_F(LanguageTest, UnderAnEnglishLocaleNothingTheControlShowsIsChinese)
{
    ASSERT_TRUE(ChooseUiLanguage(QStringLiteral("en_US")));
    std::unique_ptr<Imaging> control = openedControl();
    ASSERT_TRUE(control->isVisible());
    EXPECT_EQ(Chinese(TextsOf(control.get())), "");

    // A second control installs nothing again.
    {
        LanguageChanges changes;
        Imaging second;
        EXPECT_EQ(changes.count, 0);
    }

    // Every button and menu item of every toolbar, twice on each document: the walk moves on to the
    // JPEG page, which the black-and-white commands refuse. Each dialog is read and cancelled, each
    // question answered no.
    readEveryDialog();
    for (int round = 0; round < 4; ++round) {
        if (round == 2) {
            control->setDocType(1);
            control->setDocName(QStringLiteral("pages"));
            control->SetDocument();
        }
        for (QToolBar* toolbar : control->findChildren<QToolBar*>()) {
            for (QAction* action : toolbar->actions()) {
                QList<QAction*> commands{action};
                if (action->menu() != nullptr)
                    commands << action->menu()->actions();
                for (QAction* command : commands) {
                    if (command->isEnabled() && !command->objectName().isEmpty())
                        command->trigger();
                    // A tool left on would take the next command's place; the checked entries
                    // stay for the file operations after them.
                    if (command->isCheckable() && command->isChecked() && command->isEnabled()
                        && command->objectName() != QLatin1String(keys::miSelect))
                        command->trigger();
                }
            }
        }
        EXPECT_EQ(Chinese(TextsOf(control.get())), "");
    }
    EXPECT_EQ(Chinese(m_DialogTexts), "");
    const std::set<QString> shown(prompter.dialogsShown.begin(), prompter.dialogsShown.end());
    EXPECT_GE(shown.size(), 24U) << prompter.dialogsShown.join(u' ').toStdString();

    // Failures: no document name, a file that is no image; the messages of the walk above.
    control->setDocName(QString());
    control->SetDocument();
    QFile damaged(rootDir() + QStringLiteral("/bad/p0001.tif"));
    ASSERT_TRUE(QDir().mkpath(rootDir() + QStringLiteral("/bad")) && damaged.open(QIODevice::WriteOnly));
    damaged.write("II*\0garbage", 11);
    damaged.close();
    control->setDocType(0);
    control->setDocName(QStringLiteral("bad"));
    control->SetDocument();
    ASSERT_GE(prompter.messages.size(), 2);
    for (const ScriptedPrompter::Message& message : prompter.messages)
        EXPECT_FALSE(HasCjk(message.text + message.title)) << message.text.toStdString();
    EXPECT_EQ(Chinese(prompter.questions), "");
    EXPECT_EQ(Chinese(TextsOf(control.get())), "");
}

TEST_F(LanguageTest, EveryCatalogueTextFollowsTheChosenLanguage)
{
    const QList<Entry> entries = ReadCatalogue(QStringLiteral(SCANVO_TRANSLATIONS_DIR "/scanvo_en.ts"));
    ASSERT_GT(entries.size(), 500);

    // Chinese, and a desktop without a language, show the texts as written.
    for (const char* chinese : {"zh_CN", "C"}) {
        ASSERT_TRUE(ChooseUiLanguage(QString::fromLatin1(chinese)));
        for (const Entry& entry : entries)
            EXPECT_EQ(QCoreApplication::translate(entry.context.toUtf8(), entry.source.toUtf8()), entry.source);
    }
    // English shows the translation, which has no Chinese and no full-width blanks of its own.
    ASSERT_TRUE(ChooseUiLanguage(QStringLiteral("en_GB")));
    for (const Entry& entry : entries) {
        const QString shown = QCoreApplication::translate(entry.context.toUtf8(), entry.source.toUtf8());
        EXPECT_EQ(shown, entry.translation) << entry.source.toStdString();
        EXPECT_FALSE(HasCjk(shown)) << shown.toStdString();
        // Placeholders survive translation.
        for (int n = 1; n <= 3; ++n) {
            const QString placeholder = QStringLiteral("%%1").arg(n);
            EXPECT_EQ(shown.contains(placeholder), entry.source.contains(placeholder)) << shown.toStdString();
        }
    }

    // Which language each desktop gets; a name that is no locale changes nothing.
    EXPECT_EQ(UiLocaleFor(QLocale(QStringLiteral("zh_TW"))).name(), QStringLiteral("zh_TW"));
    EXPECT_EQ(UiLocaleFor(QLocale::c()).name(), QStringLiteral("zh_CN"));
    EXPECT_EQ(UiLocaleFor(QLocale(QStringLiteral("de_DE"))).language(), QLocale::English);
    EXPECT_EQ(UiLocaleFor(QLocale(QStringLiteral("en_GB"))).name(), QStringLiteral("en_GB"));
    EXPECT_FALSE(ChooseUiLanguage(QStringLiteral("qq")));
    EXPECT_EQ(CurrentUiLocale().name(), QStringLiteral("en_GB"));
}

TEST_F(LanguageTest, QtsOwnBoxesSpeakTheChosenLanguage)
{
    const auto buttons = [] {
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok);
        QDialogButtonBox open(QDialogButtonBox::Open | QDialogButtonBox::Cancel);
        return QStringList{box.button(QMessageBox::Yes)->text(), box.button(QMessageBox::No)->text(),
                           box.button(QMessageBox::Ok)->text(), open.button(QDialogButtonBox::Open)->text()};
    };
    ASSERT_TRUE(ChooseUiLanguage(QStringLiteral("zh_CN")));
    for (const QString& text : buttons())
        EXPECT_TRUE(HasCjk(text)) << text.toStdString();
    ASSERT_TRUE(ChooseUiLanguage(QStringLiteral("en_US")));
    EXPECT_EQ(buttons(), QStringList({"&Yes", "&No", "OK", "Open"}));
}

}  // namespace
}  // namespace scanvo::fixtures
