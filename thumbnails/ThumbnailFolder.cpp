// SPDX-License-Identifier: GPL-3.0-or-later
#include "thumbnails/ThumbnailFolder.h"

#include "platform/core/OsError.h"
#include "thumbnails/SourceFiles.h"
#include "thumbnails/ThumbnailNames.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>

namespace {

const QByteArray kHeader = "quorvant-thumbnails 1";
const QString kIndexName = QStringLiteral(".quorvant-thumbnails");

int errorOr(int fallback)
{
    const int code = lastOsError();
    return code != 0 ? code : fallback;
}

// Whether a file of ours may stand at path: nothing, or a plain file.
bool plainOrAbsent(const QFileInfo &info)
{
    return !info.isSymLink() && (!info.exists() || info.isFile());
}

} // namespace

ThumbnailFolder::ThumbnailFolder(const QString &folderPath, const QString &sourceDirectory, int side)
    : path(folderPath), sourceLine("source " + QFile::encodeName(sourceDirectory).toPercentEncoding()), longestSide(side)
{
}

ThumbnailFolder::~ThumbnailFolder()
{
    const std::lock_guard guard(mutex);
    if (hasIndex)
        writeIndex();
}

QString ThumbnailFolder::filePath(const QByteArray &name) const
{
    return path + QLatin1Char('/') + QString::fromUtf8(name);
}

bool ThumbnailFolder::open()
{
    const std::lock_guard guard(mutex);
    const QFileInfo folder(path);
    if (!folder.exists() && !folder.isSymLink())
        return true;  // made with the first thumbnail
    if (!folder.isDir()) {
        folderError = ENOTDIR;
        return !(failed = true);
    }
    if (!lock())
        return false;
    QFile index(path + QLatin1Char('/') + kIndexName);
    const QFileInfo indexInfo(index.fileName());
    if (!indexInfo.exists() && !indexInfo.isSymLink())
        return true;
    // Lines are appended to the index: it must be a file of its own, no link out of the folder.
    if (indexInfo.isSymLink() || !index.open(QIODevice::ReadOnly) || !load(index.readAll())) {
        folderError = index.error() == QFileDevice::NoError ? 0 : errorOr(EIO);
        lockFile.reset();
        return !(failed = true);
    }
    hasIndex = true;
    writeIndex();  // new lines follow a clean index of this directory
    return true;
}

bool ThumbnailFolder::lock()
{
    lockFile = std::make_unique<QLockFile>(path + QLatin1Char('/') + kIndexName + QStringLiteral(".lock"));
    lockFile->setStaleLockTime(0);  // stale only once its process is gone: runs may be long
    if (lockFile->tryLock(0))
        return true;
    folderError = lockFile->error() == QLockFile::LockFailedError ? 0 : errorOr(EACCES);
    lockFile.reset();
    failed = true;
    return false;
}

bool ThumbnailFolder::load(const QByteArray &index)
{
    const QList<QByteArray> lines = index.split('\n');
    if (lines.size() < 2 || lines.at(0) != kHeader || !lines.at(1).startsWith("source "))
        return false;  // not an index of ours: the folder is someone else's
    // Thumbnails of another directory stay ours but are made anew.
    const bool sameSource = lines.at(1) == sourceLine;
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const QList<QByteArray> f = lines.at(i).split(' ');
        // A line cut short by a killed run is left out; its name was claimed before.
        if (f.size() < 2 || !isThumbnailName(f.at(1)))
            continue;
        const QByteArray &name = f.at(1);
        if (f.at(0) == "C" && f.size() == 2) {
            if (!owned.contains(name))
                owned.insert(name, std::nullopt);
        } else if (f.at(0) == "R" && f.size() == 2) {
            owned.remove(name);
        } else if (f.at(0) == "T" && f.size() == 9) {
            bool ok[7];
            Entry e{f.at(2).toLongLong(&ok[0]), f.at(3).toLongLong(&ok[1]), QSize(f.at(4).toInt(&ok[2]), f.at(5).toInt(&ok[3])),
                    f.at(6).toInt(&ok[4]), f.at(7).toLongLong(&ok[5]), QByteArray::fromPercentEncoding(f.at(8))};
            ok[6] = sameSource;
            if (std::all_of(ok, ok + 7, [](bool b) { return b; })) {
                owned[name] = e;
                nameOfSource[e.sourcePath] = name;
            } else {
                owned[name].reset();
            }
        }
    }
    return true;
}

QByteArray ThumbnailFolder::entryLine(const QByteArray &name, const Entry &e)
{
    return "T " + name + ' ' + QByteArray::number(e.sourceSize) + ' ' + QByteArray::number(e.sourceModifiedNs) + ' '
           + QByteArray::number(e.size.width()) + ' ' + QByteArray::number(e.size.height()) + ' '
           + QByteArray::number(e.longestSide) + ' ' + QByteArray::number(e.bytes) + ' ' + e.sourcePath.toPercentEncoding()
           + '\n';
}

void ThumbnailFolder::writeIndex()
{
    journal.close();
    QList<QByteArray> names = owned.keys();
    std::sort(names.begin(), names.end());
    QByteArray text = kHeader + '\n' + sourceLine + '\n';
    for (const QByteArray &name : names) {
        const std::optional<Entry> &e = owned.value(name);
        text += e ? entryLine(name, *e) : "C " + name + '\n';
    }
    // Replaced whole or not at all: a failure keeps the index as appended.
    QSaveFile index(path + QLatin1Char('/') + kIndexName);
    if (index.open(QIODevice::WriteOnly) && index.write(text) == text.size())
        index.commit();
}

void ThumbnailFolder::append(const QByteArray &line)
{
    if (!journal.isOpen()) {
        journal.setFileName(path + QLatin1Char('/') + kIndexName);
        const bool fresh = !journal.exists();
        // Unbuffered: each line reaches the system at once, whatever happens next.
        if (!journal.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
            return;  // the index written at the end records it
        if (fresh)
            journal.write(kHeader + '\n' + sourceLine + '\n');
    }
    journal.write(line);
    hasIndex = true;
}

bool ThumbnailFolder::makeFolder()
{
    if (lockFile)
        return true;
    if (failed)
        return false;
    if (!QDir().mkdir(path) && !QFileInfo(path).isDir()) {
        folderError = errorOr(EIO);
        return !(failed = true);
    }
    if (!lock())
        return false;
    // A folder made meanwhile by another run may hold an index already.
    const QFileInfo index(path + QLatin1Char('/') + kIndexName);
    if (index.exists() || index.isSymLink()) {
        lockFile.reset();
        folderError = 0;
        return !(failed = true);
    }
    return true;
}

bool ThumbnailFolder::unusable(int &osError)
{
    const std::lock_guard guard(mutex);
    osError = folderError;
    return failed;
}

std::optional<RecordedThumbnail> ThumbnailFolder::reusable(const QByteArray &sourcePath, const SourceFacts &facts)
{
    const std::lock_guard guard(mutex);
    const QByteArray name = nameOfSource.value(sourcePath);
    const std::optional<Entry> e = owned.value(name);
    if (!e || e->sourceSize != facts.size || e->sourceModifiedNs != facts.modifiedNs || e->longestSide != longestSide
        || used.contains(name))
        return std::nullopt;
    const QFileInfo file(filePath(name));
    if (file.isSymLink() || !file.isFile() || file.size() != e->bytes)
        return std::nullopt;
    used.insert(name, sourcePath);
    return RecordedThumbnail{name, e->size};
}

ThumbnailProblem ThumbnailFolder::write(const QByteArray &name, const QByteArray &bytes, const QByteArray &sourcePath,
                                        const SourceFacts &facts, QSize size, int &osError)
{
    {
        const std::lock_guard guard(mutex);
        if (!makeFolder()) {
            osError = folderError;
            return ThumbnailProblem::FolderUnusable;
        }
        if (used.contains(name) && used.value(name) != sourcePath)
            return ThumbnailProblem::NameTaken;
        const QFileInfo target(filePath(name));
        if (!owned.contains(name)) {
            if (target.exists() || target.isSymLink())
                return ThumbnailProblem::NameTaken;
            owned.insert(name, std::nullopt);
            append("C " + name + '\n');
        } else if (!plainOrAbsent(target)) {
            return ThumbnailProblem::NameTaken;  // the user put something of theirs in its place
        }
        used.insert(name, sourcePath);
    }
    QSaveFile file(filePath(name));
    errno = 0;
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        osError = errorOr(EIO);
        return ThumbnailProblem::NotWritten;
    }
    const std::lock_guard guard(mutex);
    const Entry e{facts.size, facts.modifiedNs, size, longestSide, bytes.size(), sourcePath};
    owned[name] = e;
    nameOfSource[sourcePath] = name;
    append(entryLine(name, e));
    return ThumbnailProblem::None;
}

void ThumbnailFolder::removeUnused()
{
    const std::lock_guard guard(mutex);
    if (!lockFile)
        return;
    for (const QByteArray &name : owned.keys()) {
        if (used.contains(name))
            continue;
        const QFileInfo file(filePath(name));
        // Something else in its place is the user's now: forgotten, not removed.
        if (plainOrAbsent(file) && file.exists() && !QFile::remove(file.filePath()))
            continue;
        if (const std::optional<Entry> &e = owned.value(name); e && nameOfSource.value(e->sourcePath) == name)
            nameOfSource.remove(e->sourcePath);
        owned.remove(name);
        append("R " + name + '\n');
    }
}
