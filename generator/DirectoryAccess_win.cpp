// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/DirectoryAccess.h"

#include "platform/core/NativePaths.h"

#include <QDateTime>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

// Names are UTF-16 on Windows: their UTF-8 is the name's bytes.
void forEachDirectoryFile(const QString &dir, const std::function<void(QByteArrayView name)> &take)
{
    // Without QDir::Hidden and QDir::System, hidden entries and dangling links stay out.
    QDirIterator it(dir, QDir::Files);
    while (it.hasNext()) {
        it.next();
        take(it.fileName().toUtf8());
    }
}

bool isHiddenName(QByteArrayView)
{
    return false;
}

void forEachSubdirectory(const QString &dir,
                         const std::function<void(QByteArrayView name, std::optional<qint64> modifiedSecs)> &take)
{
    QDirIterator it(dir, QDir::Dirs | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QDateTime modified = it.fileInfo().lastModified();
        take(it.fileName().toUtf8(), modified.isValid() ? std::optional<qint64>(modified.toSecsSinceEpoch()) : std::nullopt);
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
