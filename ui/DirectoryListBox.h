// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The directory list: the current directory's path from the root down, each
// level indented, then its subdirectories (hidden ones left out). Activating
// an entry (double click, Enter) changes to it.

#include <QAbstractListModel>
#include <QListView>

#include <vector>

class DirectoryListModel final : public QAbstractListModel {
    Q_OBJECT
public:
    struct Entry {
        QString name;   // as shown: "/" or "C:\" for the root, else the bare name
        QString path;   // full path, '/' separators
        int depth = 0;
        bool open = false;  // on the path to the current directory, or it
    };

    using QAbstractListModel::QAbstractListModel;

    // The entries for dir (an absolute, clean path with '/' separators).
    static std::vector<Entry> entriesFor(const QString &dir);
    void setEntries(std::vector<Entry> entries);
    const std::vector<Entry> &entries() const { return list; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    std::vector<Entry> list;
};

class DirectoryListBox final : public QListView {
    Q_OBJECT
public:
    explicit DirectoryListBox(QWidget *parent = nullptr);

    // The current directory as a native path (no trailing separator except at a root).
    QString directory() const;
    // Changes to dir and emits changed() when it differs from the current one.
    // False, and nothing changed, when dir is no directory the process could enter.
    bool setDirectory(const QString &dir);

    QString entryPath(int row) const;  // native
    int currentDirectoryRow() const;

signals:
    void changed();
    // The user activated an entry that could not be entered.
    void directoryRefused(const QString &nativePath);

private:
    void showEntries();

    DirectoryListModel *listModel = nullptr;
    QString current;  // '/' separators
};
