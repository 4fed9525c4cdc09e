// The demo host's window.
#include "frmDemo.h"

#include "ScanvoFactory.h"

#include <QActionGroup>
#include <QEvent>
#include <QHash>
#include <QMenuBar>
#include <QMetaObject>
#include <QTreeWidget>

namespace {

constexpr int kInitialWidth = 1180;
constexpr int kInitialHeight = 760;
constexpr int kTreeWidth = 180;

struct DemoNode {
    const char* key;
    const char* parent;  // null for the root
    const char* text;    // translated where it is shown
    const char* tag;     // the document name; empty for group nodes
    bool expanded;
};

// The sample document tree, parents before their children.
constexpr DemoNode kDemoNodes[] = {
    {"root", nullptr, QT_TRANSLATE_NOOP("frmDemo", "档案文件"), "", true},
    {"test1", "root", QT_TRANSLATE_NOOP("frmDemo", "测试1"), "", true},
    {"test2", "root", QT_TRANSLATE_NOOP("frmDemo", "测试2"), "", true},
    {"t44", "test1", "44", "test1\\44", false},
    {"t55", "test1", "55", "test1\\55", false},
    {"t33", "test1", "33", "test1\\33", false},
    {"t66", "test2", "66", "test2\\66", false},
    {"t77", "test2", "77", "test2\\77", false},
    {"t88", "test2", "88", "test2\\88", false},
    {"t99", "test2", "99", "test2\\99", false},
};

struct DocTypeItem {
    const char* name;
    const char* caption;  // translated where it is shown
    int docType;
    bool checkedAtLoad;
};

constexpr DocTypeItem kDocTypeItems[] = {
    {"mnuAll", QT_TRANSLATE_NOOP("frmDemo", "混合型"), 0, false},
    {"mnuMultiTif", QT_TRANSLATE_NOOP("frmDemo", "多页tif"), 1, false},
    {"mnuSingleTif", QT_TRANSLATE_NOOP("frmDemo", "单页tif"), 2, false},
    {"mnuSingleJpg", QT_TRANSLATE_NOOP("frmDemo", "单页jpg"), 3, true},
};

constexpr int kDocTypeAtLoad = 3;

// The control's design-time font, with the installed CJK font standing in where it is missing.
QFont DesignFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("WenQuanYi Zen Hei")});
    font.setPointSize(9);
    return font;
}

}  // namespace

frmDemo::frmDemo(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmDemo"));
    setWindowTitle(QStringLiteral("Form1"));

    m_Client = new QWidget(this);
    setCentralWidget(m_Client);
    m_TreeView1 = new QTreeWidget(m_Client);
    m_TreeView1->setObjectName(QStringLiteral("TreeView1"));
    m_TreeView1->setHeaderHidden(true);
    m_TreeView1->setGeometry(0, 0, kTreeWidth, kInitialHeight);

    m_Imaging1 = ScanvoCreateControl("Scanvo.Imaging", m_Client);
    if (m_Imaging1) {
        m_Imaging1->setObjectName(QStringLiteral("Imaging1"));
        m_Imaging1->setProperty("Font", DesignFont());
    }

    connect(m_TreeView1, &QTreeWidget::itemClicked, this, &frmDemo::TreeView1_NodeClick);
    m_Client->installEventFilter(this);
    Form_Load();
    resize(kInitialWidth, kInitialHeight);
}

void frmDemo::Form_Load()
{
    BuildDocTypeMenu();
    if (m_Imaging1)
        m_Imaging1->setProperty("DocType", kDocTypeAtLoad);
    BuildTree();
}

void frmDemo::BuildDocTypeMenu()
{
    mnuDocType = menuBar()->addMenu(tr("文档类型"));
    mnuDocType->setObjectName(QStringLiteral("mnuDocType"));
    m_DocTypeGroup = new QActionGroup(this);
    m_DocTypeGroup->setExclusive(true);
    for (const DocTypeItem& entry : kDocTypeItems) {
        QAction* item = mnuDocType->addAction(tr(entry.caption));
        item->setObjectName(QString::fromLatin1(entry.name));
        item->setCheckable(true);
        item->setChecked(entry.checkedAtLoad);
        item->setData(entry.docType);
        m_DocTypeGroup->addAction(item);
    }
    connect(m_DocTypeGroup, &QActionGroup::triggered, this, &frmDemo::mnuDocType_Click);
}

void frmDemo::BuildTree()
{
    QHash<QString, QTreeWidgetItem*> nodes;
    for (const DemoNode& entry : kDemoNodes) {
        QTreeWidgetItem* parentNode = entry.parent ? nodes.value(QString::fromLatin1(entry.parent)) : nullptr;
        auto* node = parentNode ? new QTreeWidgetItem(parentNode) : new QTreeWidgetItem(m_TreeView1);
        node->setText(0, tr(entry.text));
        node->setData(0, kKeyRole, QString::fromLatin1(entry.key));
        node->setData(0, kTagRole, QString::fromUtf8(entry.tag));
        nodes.insert(QString::fromLatin1(entry.key), node);
    }
    // Expanding needs the children in place.
    for (const DemoNode& entry : kDemoNodes)
        nodes.value(QString::fromLatin1(entry.key))->setExpanded(entry.expanded);
}

void frmDemo::mnuDocType_Click(QAction* item)
{
    // The group already checked item and unchecked the others; the open document stays as it is.
    if (m_Imaging1)
        m_Imaging1->setProperty("DocType", item->data().toInt());
}

void frmDemo::TreeView1_NodeClick(QTreeWidgetItem* node)
{
    const QString tag = node->data(0, kTagRole).toString();
    if (tag.isEmpty() || !m_Imaging1)
        return;
    m_Imaging1->setProperty("DocName", tag);
    QMetaObject::invokeMethod(m_Imaging1, "SetDocument");
    FocusImaging();
}

void frmDemo::FocusImaging()
{
    // Taking the focus may fail (the window is not active); that is of no consequence.
    if (m_Imaging1)
        m_Imaging1->setFocus(Qt::OtherFocusReason);
}

void frmDemo::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FocusImaging();
}

bool frmDemo::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_Client && event->type() == QEvent::Resize)
        Form_Resize();
    return QMainWindow::eventFilter(watched, event);
}

void frmDemo::Form_Resize()
{
    if (isMinimized())
        return;
    // The tree keeps its width and the control its left edge; both take the full inner height.
    const int height = m_Client->height();
    m_TreeView1->setGeometry(0, 0, m_TreeView1->width(), height);
    if (m_Imaging1)
        m_Imaging1->setGeometry(m_TreeView1->width(), 0, std::max(0, m_Client->width() - m_TreeView1->width()),
                                height);
}
