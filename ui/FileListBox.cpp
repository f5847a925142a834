// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FileListBox.h"

#include "generator/FileListing.h"

#include <QItemSelectionModel>
#include <QScopedValueRollback>

void FileListModel::setNames(FileNames names)
{
    beginResetModel();
    list = std::move(names);
    endResetModel();
}

int FileListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(list.size());
}

QVariant FileListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= list.size())
        return {};
    if (role == Qt::DisplayRole)
        return list.at(index.row()).readable();
    if (role == Qt::SizeHintRole)
        return QSize(0, 16);
    return {};
}

FileListBox::FileListBox(QWidget *parent) : QListView(parent), listModel(new FileListModel(this))
{
    setModel(listModel);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideRight);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        cacheValid = false;
        if (!changingFromCode)
            emit userSelectionChanged();
    });
}

void FileListBox::setDirectory(const QString &directory)
{
    dir = directory;
    reread();
}

void FileListBox::setMask(const QString &mask)
{
    fileMask = mask;
    reread();
}

void FileListBox::reread()
{
    const QScopedValueRollback fromCode(changingFromCode, true);
    listModel->setNames(dir.isEmpty() ? FileNames() : listMatchingFiles(dir, fileMask));
    selectionModel()->clear();
    cacheValid = false;
}

int FileListBox::count() const
{
    return listModel->rowCount();
}

QString FileListBox::item(int index) const
{
    return listModel->names().value(index).readable();
}

FileName FileListBox::name(int index) const
{
    return listModel->names().value(index);
}

void FileListBox::rebuildSelectionCache() const
{
    selectedRows.assign(size_t(count()), false);
    selectedTotal = 0;
    const QItemSelection ranges = selectionModel()->selection();
    for (const QItemSelectionRange &range : ranges) {
        for (int row = range.top(); row <= range.bottom(); ++row) {
            if (row >= 0 && row < count() && !selectedRows[size_t(row)]) {
                selectedRows[size_t(row)] = true;
                ++selectedTotal;
            }
        }
    }
    cacheValid = true;
}

bool FileListBox::isSelected(int index) const
{
    if (!cacheValid)
        rebuildSelectionCache();
    return index >= 0 && size_t(index) < selectedRows.size() && selectedRows[size_t(index)];
}

int FileListBox::selectedCount() const
{
    if (!cacheValid)
        rebuildSelectionCache();
    return selectedTotal;
}

void FileListBox::selectAllItems()
{
    if (count() == 0)
        return;
    const QScopedValueRollback fromCode(changingFromCode, true);
    selectionModel()->select(QItemSelection(listModel->index(0), listModel->index(count() - 1)),
                             QItemSelectionModel::ClearAndSelect);
}

void FileListBox::invertSelection()
{
    if (count() == 0)
        return;
    if (!cacheValid)
        rebuildSelectionCache();
    // The complement as runs of rows. Toggling, or replacing one selection
    // by another, costs Qt time quadratic in the number of runs; selecting
    // into an empty selection does not.
    QItemSelection complement;
    const int rows = count();
    for (int row = 0; row < rows;) {
        if (selectedRows[size_t(row)]) {
            ++row;
            continue;
        }
        const int first = row;
        while (row < rows && !selectedRows[size_t(row)])
            ++row;
        complement.append(QItemSelectionRange(listModel->index(first), listModel->index(row - 1)));
    }
    const QScopedValueRollback fromCode(changingFromCode, true);
    selectionModel()->clearSelection();
    if (!complement.isEmpty())
        selectionModel()->select(complement, QItemSelectionModel::Select);
}

void FileListBox::selectNoItems()
{
    const QScopedValueRollback fromCode(changingFromCode, true);
    selectionModel()->clearSelection();
}

void FileListBox::setItemSelected(int index, bool selected)
{
    if (index < 0 || index >= count())
        return;
    const QScopedValueRollback fromCode(changingFromCode, true);
    selectionModel()->select(listModel->index(index),
                             selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
}
