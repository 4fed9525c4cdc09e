// Pagedemo: shows how a host embeds the control.
//
// Options, for scripted runs (the README screenshot):
//   --doctype <item>     chooses that item of the document-type menu (mnuAll, mnuMultiTif, ...)
//   --open <node key>    clicks that node of the tree (t44, t55, ...) once the window is up
//   --select             drags a selection over the middle of the page once it is shown
//   --click <key>        clicks that button of the control's toolbars (miTrimRegion, ...) then
//   --screenshot <file>  saves a picture of the window a moment after that, then quits
//   --language <locale>  shows the demo and the control in that locale's language (en, zh_CN)
#include "frmDemo.h"

#include "ScanvoFactory.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QMenu>
#include <QMouseEvent>
#include <QPixmap>
#include <QTimer>
#include <QToolBar>
#include <QTranslator>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <cstdio>

namespace {

// Time for the control to open the document and paint it before the picture is taken.
constexpr int kScreenshotDelayMs = 2500;
// Time for the control to show the page before the scripted gestures.
constexpr int kGestureDelayMs = 1500;

// The user's drag with the left button across the viewer from one point to another.
void DragOver(QWidget* surface, QPoint from, QPoint to)
{
    const auto send = [surface](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(at), surface->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(surface, &event);
    };
    send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

// Clicks the toolbar button key wherever it stands on the control's toolbars.
bool ClickButton(QWidget& form, const QString& key)
{
    for (QToolBar* toolbar : form.findChildren<QToolBar*>()) {
        for (QAction* action : toolbar->actions()) {
            if (action->objectName() == key && action->isEnabled()) {
                action->trigger();
                return true;
            }
        }
    }
    return false;
}

QTreeWidgetItem* FindNode(QTreeWidget* tree, const QString& key)
{
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->data(0, frmDemo::kKeyRole).toString() == key)
            return *it;
    return nullptr;
}

// The demo's own texts in the language the control takes for the same locale: Chinese, also for
// C/POSIX, else English.
void InstallDemoTranslation(QApplication& app, const QLocale& locale)
{
    if (locale.language() == QLocale::Chinese || locale.language() == QLocale::C)
        return;
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::English), QStringLiteral("pagedemo"), QStringLiteral("_"),
                         QStringLiteral(":/pagedemo/i18n")))
        QApplication::installTranslator(translator);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption docTypeOption("doctype", "Chooses an item of the document-type menu.", "item");
    const QCommandLineOption openOption("open", "Clicks a node of the document tree.", "node key");
    const QCommandLineOption selectOption("select", "Drags a selection over the middle of the page.");
    const QCommandLineOption clickOption("click", "Clicks a button of the control's toolbars.", "key");
    const QCommandLineOption screenshotOption("screenshot", "Saves a picture of the window and quits.", "file");
    const QCommandLineOption languageOption("language", "Shows the demo in a locale's language.", "locale");
    parser.addOptions({docTypeOption, openOption, selectOption, clickOption, screenshotOption, languageOption});
    parser.process(app);
    if (parser.isSet(languageOption) && !ScanvoSetLanguage(parser.value(languageOption).toUtf8().constData())) {
        std::fprintf(stderr, "Pagedemo: no locale %s\n", qPrintable(parser.value(languageOption)));
        return 2;
    }
    InstallDemoTranslation(app, parser.isSet(languageOption) ? QLocale(parser.value(languageOption)) : QLocale::system());

    frmDemo form;
    form.show();

    if (parser.isSet(docTypeOption)) {
        auto* item = form.DocTypeMenu()->findChild<QAction*>(parser.value(docTypeOption));
        if (!item) {
            std::fprintf(stderr, "Pagedemo: no document-type item %s\n", qPrintable(parser.value(docTypeOption)));
            return 2;
        }
        item->trigger();
    }
    if (parser.isSet(openOption)) {
        QTreeWidgetItem* node = FindNode(form.TreeView1(), parser.value(openOption));
        if (!node) {
            std::fprintf(stderr, "Pagedemo: no tree node %s\n", qPrintable(parser.value(openOption)));
            return 2;
        }
        QTimer::singleShot(0, &form, [&form, node] {
            form.TreeView1()->setCurrentItem(node);
            emit form.TreeView1()->itemClicked(node, 0);
        });
    }
    if (parser.isSet(selectOption) || parser.isSet(clickOption)) {
        const bool select = parser.isSet(selectOption);
        const QStringList keys = parser.values(clickOption);
        QTimer::singleShot(kGestureDelayMs, &form, [&form, select, keys] {
            auto* viewer = form.findChild<QAbstractScrollArea*>(QStringLiteral("mtMain"));
            if (select && viewer) {
                QWidget* surface = viewer->viewport();
                const int w = surface->width(), h = surface->height();
                DragOver(surface, QPoint(w * 38 / 100, h * 30 / 100), QPoint(w * 62 / 100, h * 46 / 100));
            }
            for (const QString& key : keys) {
                if (!ClickButton(form, key))
                    std::fprintf(stderr, "Pagedemo: no enabled button %s\n", qPrintable(key));
            }
        });
    }
    if (parser.isSet(screenshotOption)) {
        const QString file = parser.value(screenshotOption);
        QTimer::singleShot(kScreenshotDelayMs, &form, [&form, file] {
            const bool saved = form.grab().save(file);
            if (!saved)
                std::fprintf(stderr, "Pagedemo: cannot write %s\n", qPrintable(file));
            QApplication::exit(saved ? 0 : 1);
        });
    }
    return app.exec();
}
