#pragma once
// FileListView: the list pane of the document's files or pages. Its entries are not stored as
// items: the view asks for the text and key of an entry only when it paints or reports that
// entry, so a document of ten thousand files costs the rows on screen, not one object per file.
// Each entry has a check box; the checks are kept per entry until the list is refilled.

#include <QAbstractListModel>
#include <QListView>
#include <QString>

#include <functional>
#include <vector>

namespace scanvo {

// Each list entry carries its key under this role: "A" + page for a multi-page file, else the
// file's full path.
constexpr int kFileListKeyRole = Qt::UserRole;

// The entries of the list: a count and the text and key of entry `row` (0-based), made on demand.
class FileListModel final : public QAbstractListModel {
public:
    using EntryText = std::function<QString(int row)>;

    explicit FileListModel(QObject* parent = nullptr) : QAbstractListModel(parent) {}

    // Replaces the entries: count of them, every check box cleared.
    void reset(int count, EntryText text, EntryText key);
    void clear() { reset(0, {}, {}); }

    QString text(int row) const;
    QString key(int row) const;
    bool isChecked(int row) const;
    void setChecked(int row, bool checked);
    void setAllChecked(bool checked);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    bool contains(int row) const { return row >= 0 && row < m_count; }

    int m_count = 0;
    EntryText m_text;
    EntryText m_key;
    std::vector<bool> m_checked;
};

class FileListView final : public QListView {
    Q_OBJECT
public:
    explicit FileListView(QWidget* parent = nullptr);

    FileListModel* entries() const { return m_model; }

    // Replaces the entries (see FileListModel::reset); no entry is current or selected afterwards.
    void fill(int count, FileListModel::EntryText text, FileListModel::EntryText key);
    void clear();
    int count() const { return m_model->rowCount(); }

    QString text(int row) const { return m_model->text(row); }
    QString key(int row) const { return m_model->key(row); }
    bool isChecked(int row) const { return m_model->isChecked(row); }
    void setChecked(int row, bool checked) { m_model->setChecked(row, checked); }
    void setAllChecked(bool checked) { m_model->setAllChecked(checked); }
    // 0-based rows of the checked entries, in order.
    QList<int> checkedRows() const;

    // The current entry, -1 when there is none.
    int currentRow() const;
    void setCurrentRow(int row);
    // Makes row the only selected entry and the current one and scrolls it into view; a row
    // outside the list only clears the selection.
    void selectOnly(int row);
    // 0-based rows of the selected entries, in order.
    QList<int> selectedRows() const;
    // Where entry row is drawn, in viewport coordinates.
    QRect entryRect(int row) const;

signals:
    // An entry was clicked (pressed and released on it).
    void entryClicked(int row);

protected:
    // Space is the scan key of the list (on its release); it does not tick the current entry.
    void keyPressEvent(QKeyEvent* event) override;

private:
    FileListModel* m_model;
};

}  // namespace scanvo
