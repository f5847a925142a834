// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DirectoryListBox.h"

#include "generator/DirectoryAccess.h"
#include "generator/ReadableFileName.h"
#include "platform/core/DriveRoots.h"

#include <QApplication>
#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStyle>
#include <QStyledItemDelegate>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

constexpr int kIndentPerLevel = 8;
constexpr int kRowHeight = 16;

class IndentDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem shifted = option;
        shifted.rect.setLeft(option.rect.left() + index.data(Qt::UserRole).toInt() * kIndentPerLevel);
        QStyledItemDelegate::paint(painter, shifted, index);
    }
};

// Only a directory the process could enter is listed: its files are opened
// through it, and a directory without search permission lists names that
// cannot be opened.
bool canEnter(const QString &dir)
{
    if (!QFileInfo(dir).isDir())
        return false;
#ifdef Q_OS_UNIX
    return ::access(QFile::encodeName(dir).constData(), X_OK) == 0;
#else
    return true;
#endif
}

}  // namespace

std::vector<DirectoryListModel::Entry> DirectoryListModel::entriesFor(const QString &dir)
{
    std::vector<Entry> entries;
    const QString root = treeRootOf(dir);
    entries.push_back({QDir::toNativeSeparators(root), root, 0, true});

    QString path = root;
    const QStringList parts = dir.mid(root.size()).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    int depth = 1;
    for (const QString &part : parts) {
        if (!path.endsWith(QLatin1Char('/')))
            path += QLatin1Char('/');
        path += part;
        entries.push_back({part, path, depth++, true});
    }

    // Every subdirectory whatever its name's bytes, in its readable form;
    // hidden ones stay out, as in the file list. One whose name is not UTF-8
    // is shown but cannot be entered: the listed directory's path is text.
    QStringList subdirs;
    forEachSubdirectory(dir, [&](QByteArrayView name, std::optional<qint64>) { subdirs << readableFileName(name); });
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(subdirs.begin(), subdirs.end(), [&](const QString &a, const QString &b) {
        const int c = collator.compare(a, b);
        return c != 0 ? c < 0 : a < b;
    });
    const QString base = path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
    for (const QString &name : subdirs)
        entries.push_back({name, base + name, depth, false});
    return entries;
}

void DirectoryListModel::setEntries(std::vector<Entry> entries)
{
    beginResetModel();
    list = std::move(entries);
    endResetModel();
}

int DirectoryListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(list.size());
}

QVariant DirectoryListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || size_t(index.row()) >= list.size())
        return {};
    const Entry &entry = list[size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole: return entry.name;
    case Qt::ToolTipRole: return QDir::toNativeSeparators(entry.path);
    case Qt::DecorationRole:
        return QApplication::style()->standardIcon(entry.open ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon);
    case Qt::UserRole: return entry.depth;
    case Qt::SizeHintRole: return QSize(0, kRowHeight);
    default: return {};
    }
}

DirectoryListBox::DirectoryListBox(QWidget *parent) : QListView(parent), listModel(new DirectoryListModel(this))
{
    setModel(listModel);
    setItemDelegate(new IndentDelegate(this));
    setUniformItemSizes(true);
    setIconSize(QSize(14, 14));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideRight);
    connect(this, &QAbstractItemView::activated, this, [this](const QModelIndex &index) {
        const QString target = entryPath(index.row());
        if (!setDirectory(target))
            emit directoryRefused(target);
    });
}

QString DirectoryListBox::directory() const
{
    return QDir::toNativeSeparators(current);
}

bool DirectoryListBox::setDirectory(const QString &dir)
{
    const QString wanted = QDir::cleanPath(QDir(QDir::fromNativeSeparators(dir)).absolutePath());
    // The directory shown may have vanished meanwhile: then it is entered anew, or refused.
    if (wanted == current && QFileInfo(wanted).isDir())
        return true;
    if (!canEnter(wanted))
        return false;
    current = wanted;
    showEntries();
    emit changed();
    return true;
}

void DirectoryListBox::showEntries()
{
    listModel->setEntries(DirectoryListModel::entriesFor(current));
    const QModelIndex here = listModel->index(currentDirectoryRow());
    setCurrentIndex(here);
    scrollTo(here);
}

QString DirectoryListBox::entryPath(int row) const
{
    if (row < 0 || size_t(row) >= listModel->entries().size())
        return {};
    return QDir::toNativeSeparators(listModel->entries()[size_t(row)].path);
}

int DirectoryListBox::currentDirectoryRow() const
{
    const auto &entries = listModel->entries();
    for (size_t i = entries.size(); i-- > 0;) {
        if (entries[i].open)
            return int(i);
    }
    return -1;
}
