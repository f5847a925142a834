// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file list: the plain files of one directory that match a mask, with
// extended multiple selection. A model over a name list and a view with
// uniform rows, so a directory of 100,000 files lists in well under a second.

#include "generator/FileName.h"

#include <QAbstractListModel>
#include <QByteArray>
#include <QList>
#include <QListView>
#include <QStringList>

#include <vector>

class FileListModel final : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    void setNames(FileNames names);
    const FileNames &names() const { return list; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    FileNames list;
};

class FileListBox final : public QListView {
    Q_OBJECT
public:
    explicit FileListBox(QWidget *parent = nullptr);

    // Directory as given (the caller's native form) and mask ("*.gif;*.jpg").
    QString directory() const { return dir; }
    QString mask() const { return fileMask; }
    void setDirectory(const QString &directory);
    void setMask(const QString &mask);

    int count() const;
    QString item(int index) const;  // as shown
    FileName name(int index) const;
    bool isSelected(int index) const;
    int selectedCount() const;

    // From code: none of these emits userSelectionChanged.
    void selectAllItems();
    void invertSelection();
    void selectNoItems();
    void setItemSelected(int index, bool selected);

signals:
    // The user changed the selection with mouse or keyboard.
    void userSelectionChanged();

private:
    // Reads the directory again; the selection is cleared.
    void reread();
    void rebuildSelectionCache() const;

    FileListModel *listModel = nullptr;
    QString dir;
    QString fileMask = QStringLiteral("*.*");
    bool changingFromCode = false;
    // One flag per row, rebuilt from the selection ranges when asked after a
    // change: a run asks every row, and the ranges of a scattered selection
    // would make that quadratic.
    mutable std::vector<bool> selectedRows;
    mutable int selectedTotal = 0;
    mutable bool cacheValid = false;
};
