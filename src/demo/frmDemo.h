#pragma once
// The demo host's window: a tree of sample documents on the left and one control filling the rest.
// Choosing a document hands its name to the control; the menu chooses the document type.

#include <QMainWindow>

class QAction;
class QActionGroup;
class QMenu;
class QTreeWidget;
class QTreeWidgetItem;

class frmDemo : public QMainWindow {
    Q_OBJECT
public:
    // Tree node data: the node's key and, for documents, its tag (the document name).
    static constexpr int kKeyRole = Qt::UserRole;
    static constexpr int kTagRole = Qt::UserRole + 1;

    explicit frmDemo(QWidget* parent = nullptr);

    QTreeWidget* TreeView1() const { return m_TreeView1; }
    // The control, or null when libscanvo could not create one.
    QWidget* Imaging1() const { return m_Imaging1; }
    QMenu* DocTypeMenu() const { return mnuDocType; }

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void TreeView1_NodeClick(QTreeWidgetItem* node);
    void mnuDocType_Click(QAction* item);

private:
    void Form_Load();
    void Form_Resize();
    void BuildTree();
    void BuildDocTypeMenu();
    void FocusImaging();

    QWidget* m_Client = nullptr;
    QTreeWidget* m_TreeView1 = nullptr;
    QWidget* m_Imaging1 = nullptr;
    QMenu* mnuDocType = nullptr;
    QActionGroup* m_DocTypeGroup = nullptr;
};
