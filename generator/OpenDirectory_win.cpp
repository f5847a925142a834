// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/OpenDirectory.h"

#include "platform/core/NativePaths.h"

#include <QDateTime>
#include <QDirIterator>
#include <QFileInfo>

// Windows: QtCore by path. A junction or link to a directory is named and
// not entered, as on POSIX.

std::unique_ptr<OpenDirectory> OpenDirectory::open(const QString &path, int &error)
{
    const QFileInfo info(path);
    if (!info.isDir() || !info.isReadable()) {
        error = info.exists() ? 5 : 3;  // ERROR_ACCESS_DENIED, ERROR_PATH_NOT_FOUND
        return nullptr;
    }
    std::unique_ptr<OpenDirectory> dir(new OpenDirectory);
    dir->path = path;
    dir->directoryFiles = std::make_shared<const DirectoryFiles>(path);
    return dir;
}

std::unique_ptr<OpenDirectory> OpenDirectory::openSubdirectory(QByteArrayView name, const QString &subPath,
                                                               int &error) const
{
    const QFileInfo info(withTrailingSeparator(path, PathStyle::Windows) + decodedFileName(name));
    if (info.isSymLink() || info.isJunction()) {
        error = 3;
        return nullptr;
    }
    return open(subPath, error);
}

bool OpenDirectory::read(const Take &take, int &error)
{
    QDirIterator it(path, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        EntryKind kind = EntryKind::Other;
        if (info.isSymLink() || info.isJunction())
            kind = info.isDir() ? EntryKind::LinkToDirectory : info.exists() ? EntryKind::File : EntryKind::Other;
        else if (info.isDir())
            kind = EntryKind::Directory;
        else if (info.isFile())
            kind = EntryKind::File;
        take(it.fileName().toUtf8(), kind);
    }
    error = 0;
    return true;
}

std::optional<qint64> OpenDirectory::modified(QByteArrayView name) const
{
    const QFileInfo info(withTrailingSeparator(path, PathStyle::Windows) + decodedFileName(name));
    if (!info.exists())
        return std::nullopt;
    return info.lastModified().toSecsSinceEpoch();
}
