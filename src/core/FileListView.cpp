// The file list pane and its entries.
#include "core/FileListView.h"

#include <QItemSelectionModel>
#include <QKeyEvent>

#include <algorithm>

namespace scanvo {

void FileListModel::reset(int count, EntryText text, EntryText key)
{
    beginResetModel();
    m_count = std::max(count, 0);
    m_text = std::move(text);
    m_key = std::move(key);
    m_checked.assign(size_t(m_count), false);
    endResetModel();
}

QString FileListModel::text(int row) const
{
    return contains(row) && m_text ? m_text(row) : QString();
}

QString FileListModel::key(int row) const
{
    return contains(row) && m_key ? m_key(row) : QString();
}

bool FileListModel::isChecked(int row) const
{
    return contains(row) && m_checked[size_t(row)];
}

void FileListModel::setChecked(int row, bool checked)
{
    if (!contains(row) || m_checked[size_t(row)] == checked)
        return;
    m_checked[size_t(row)] = checked;
    const QModelIndex changed = index(row);
    emit dataChanged(changed, changed, {Qt::CheckStateRole});
}

void FileListModel::setAllChecked(bool checked)
{
    if (m_count == 0)
        return;
    std::fill(m_checked.begin(), m_checked.end(), checked);
    emit dataChanged(index(0), index(m_count - 1), {Qt::CheckStateRole});
}

int FileListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_count;
}

QVariant FileListModel::data(const QModelIndex& index, int role) const
{
    const int row = index.row();
    if (!index.isValid() || !contains(row))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return text(row);
    case kFileListKeyRole:
        return key(row);
    case Qt::CheckStateRole:
        return m_checked[size_t(row)] ? Qt::Checked : Qt::Unchecked;
    default:
        return {};
    }
}

bool FileListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || !index.isValid() || !contains(index.row()))
        return false;
    setChecked(index.row(), value.toInt() == Qt::Checked);
    return true;
}

Qt::ItemFlags FileListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemNeverHasChildren;
}

FileListView::FileListView(QWidget* parent) : QListView(parent), m_model(new FileListModel(this))
{
    setModel(m_model);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Every entry is one line with a check box: the view lays out the rows without asking each
    // of them for its size.
    setUniformItemSizes(true);
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) { emit entryClicked(index.row()); });
}

void FileListView::fill(int count, FileListModel::EntryText text, FileListModel::EntryText key)
{
    m_model->reset(count, std::move(text), std::move(key));
}

void FileListView::clear()
{
    m_model->clear();
}

QList<int> FileListView::checkedRows() const
{
    QList<int> rows;
    for (int row = 0; row < count(); ++row) {
        if (m_model->isChecked(row))
            rows.append(row);
    }
    return rows;
}

int FileListView::currentRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void FileListView::setCurrentRow(int row)
{
    selectionModel()->setCurrentIndex(m_model->index(row), QItemSelectionModel::ClearAndSelect);
}

void FileListView::selectOnly(int row)
{
    if (row < 0 || row >= count()) {
        clearSelection();
        return;
    }
    const QModelIndex entry = m_model->index(row);
    selectionModel()->setCurrentIndex(entry, QItemSelectionModel::ClearAndSelect);
    scrollTo(entry);
}

QList<int> FileListView::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedIndexes())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void FileListView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Select) {
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}

QRect FileListView::entryRect(int row) const
{
    return visualRect(m_model->index(row));
}

}  // namespace scanvo
