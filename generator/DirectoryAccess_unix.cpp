// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/DirectoryAccess.h"

#include "generator/DescriptorDevice.h"
#include "platform/core/NativePaths.h"

#include <QFile>
#include <QVarLengthArray>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Whether the file list shows an entry of this type: a plain file, or a
// link to anything that exists and is no directory (QDir::Files without
// QDir::System). Only links and file systems that do not tell the type
// cost a stat call.
bool isListedKind(int dirFd, const char *name, int type)
{
    struct stat st;
    switch (type) {
    case DT_REG:
        return true;
    case DT_LNK:
        break;
    case DT_UNKNOWN:
        if (::fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !(S_ISREG(st.st_mode) || S_ISLNK(st.st_mode)))
            return false;
        if (S_ISREG(st.st_mode))
            return true;
        break;
    default:
        return false;
    }
    return ::fstatat(dirFd, name, &st, 0) == 0 && !S_ISDIR(st.st_mode);
}

} // namespace

QByteArray encodedFileName(const QString &name)
{
    return QFile::encodeName(name);
}

void forEachDirectoryFile(const QString &dir, const std::function<void(QByteArrayView name)> &take)
{
    const int fd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    DIR *entries = ::fdopendir(fd);
    if (!entries) {
        ::close(fd);
        return;
    }
    while (const dirent *entry = ::readdir(entries)) {
        if (entry->d_name[0] == '.')
            continue;  // hidden, and the directory itself and its parent
#ifdef DT_UNKNOWN
        const int type = entry->d_type;
#else
        const int type = DT_UNKNOWN;
#endif
        if (isListedKind(fd, entry->d_name, type))
            take(QByteArrayView(entry->d_name, qsizetype(std::strlen(entry->d_name))));
    }
    ::closedir(entries);
}

DirectoryFiles::DirectoryFiles(const QString &dir)
    : dirPath(withTrailingSeparator(dir, nativePathStyle())), nativeDir(QFile::encodeName(dirPath))
{
    // O_PATH needs no read permission: files open as they would by path.
#ifdef O_PATH
    dirFd = ::open(QFile::encodeName(dir).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
#else
    dirFd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
#endif
}

DirectoryFiles::DirectoryFiles(const QString &dir, int descriptor)
    : dirPath(withTrailingSeparator(dir, nativePathStyle())), nativeDir(QFile::encodeName(dirPath)), dirFd(descriptor)
{
}

DirectoryFiles::~DirectoryFiles()
{
    if (dirFd >= 0)
        ::close(dirFd);
}

namespace {

// A name as the system calls take it: relative to the directory's
// descriptor, or the full path where there is none.
class SystemName {
public:
    SystemName(int dirFd, const QByteArray &nativeDir, QByteArrayView name)
        : at(dirFd >= 0 ? dirFd : AT_FDCWD)
    {
        if (dirFd < 0)
            text.append(nativeDir.constData(), nativeDir.size());
        text.append(name.data(), name.size());
        text.append('\0');
    }
    const int at;
    const char *path() const { return text.constData(); }

private:
    QVarLengthArray<char, 256> text;
};

} // namespace

OpenedFileFacts DirectoryFiles::check(QByteArrayView name) const
{
    OpenedFileFacts facts;
    if (name.contains('\0'))
        return facts;  // no such name; the system would see a shorter one
    // Two calls where opening costs three (open, stat, close), and neither
    // makes the kernel set up an open file.
    const SystemName file(dirFd, nativeDir, name);
    struct stat st;
    if (::fstatat(file.at, file.path(), &st, 0) != 0) {
        facts.osError = errno;
        return facts;
    }
    if (!S_ISREG(st.st_mode))
        return facts;
    if (::faccessat(file.at, file.path(), R_OK, AT_EACCESS) != 0) {
        facts.osError = errno;
        return facts;
    }
    return {true, qint64(st.st_size), qint64(st.st_mtime)};
}

OpenedFileFacts DirectoryFiles::open(QByteArrayView name, const Read &read) const
{
    OpenedFileFacts facts;
    if (name.contains('\0'))
        return facts;  // no such name; the system would see a shorter one
    // Non-blocking: the open returns at once for a FIFO, and fstat then tells
    // the kind of file before anything is read.
    constexpr int flags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
    const SystemName file(dirFd, nativeDir, name);
    const int fd = ::openat(file.at, file.path(), flags);
    if (fd < 0) {
        facts.osError = errno;
        return facts;
    }
    struct stat st;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        facts = {true, qint64(st.st_size), qint64(st.st_mtime)};
        if (read) {
            DescriptorDevice device(fd, facts.size);
            read(facts, device);
        }
    }
    ::close(fd);
    return facts;
}
