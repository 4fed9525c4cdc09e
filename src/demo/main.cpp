// Pagedemo: shows how a host embeds the control.
//
// Options, for scripted runs (the README screenshot):
//   --doctype <item>     chooses that item of the document-type menu (mnuAll, mnuMultiTif, ...)
//   --open <node key>    clicks that node of the tree (t44, t55, ...) once the window is up
//   --screenshot <file>  saves a picture of the window a moment after that, then quits
#include "frmDemo.h"

#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QMenu>
#include <QPixmap>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <cstdio>

namespace {

// Time for the control to open the document and paint it before the picture is taken.
constexpr int kScreenshotDelayMs = 2500;

QTreeWidgetItem* FindNode(QTreeWidget* tree, const QString& key)
{
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->data(0, frmDemo::kKeyRole).toString() == key)
            return *it;
    return nullptr;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption docTypeOption("doctype", "Chooses an item of the document-type menu.", "item");
    const QCommandLineOption openOption("open", "Clicks a node of the document tree.", "node key");
    const QCommandLineOption screenshotOption("screenshot", "Saves a picture of the window and quits.", "file");
    parser.addOptions({docTypeOption, openOption, screenshotOption});
    parser.process(app);

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
