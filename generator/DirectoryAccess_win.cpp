// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/DirectoryAccess.h"

#include "platform/core/NativePaths.h"

#include <QDateTime>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

// Names are UTF-16 on Windows: every one has a UTF-8 form, and the file
// list can hold them all.
QByteArray encodedFileName(const QString &name)
{
    return name.toUtf8();
}

void forEachDirectoryFile(const QString &dir, const std::function<void(QByteArrayView name)> &take)
{
    // Without QDir::Hidden and QDir::System, hidden entries and dangling links stay out.
    QDirIterator it(dir, QDir::Files);
    while (it.hasNext()) {
        it.next();
        take(it.fileName().toUtf8());
    }
}

DirectoryFiles::DirectoryFiles(const QString &dir)
    : dirPath(withTrailingSeparator(dir, nativePathStyle())), nativeDir(QFile::encodeName(dirPath))
{
}

DirectoryFiles::~DirectoryFiles() = default;

OpenedFileFacts DirectoryFiles::open(QByteArrayView name, const Read &read) const
{
    OpenedFileFacts facts;
    const QString path = dirPath + decodedFileName(name);
    if (!QFileInfo(path).isFile())
        return facts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return facts;
    facts = {true, file.size(), file.fileTime(QFileDevice::FileModificationTime).toSecsSinceEpoch()};
    if (read)
        read(facts, file);
    return facts;
}

OpenedFileFacts DirectoryFiles::check(QByteArrayView name) const
{
    return open(name);
}
