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

// Calls take with the descriptor of dir and each entry's name and type, the
// directory itself and its parent left out.
void forEachEntry(const QString &dir, const std::function<void(int dirFd, const char *name, int type)> &take)
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
        const char *name = entry->d_name;
        if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')))
            continue;
#ifdef DT_UNKNOWN
        take(fd, name, entry->d_type);
#else
        take(fd, name, DT_UNKNOWN);
#endif
    }
    ::closedir(entries);
}

} // namespace

void forEachDirectoryFile(const QString &dir, const std::function<void(QByteArrayView name)> &take)
{
    forEachEntry(dir, [&](int dirFd, const char *name, int type) {
        if (isListedKind(dirFd, name, type))
            take(QByteArrayView(name, qsizetype(std::strlen(name))));
    });
}

bool isHiddenName(QByteArrayView name)
{
    return name.startsWith('.');
}

void forEachSubdirectory(const QString &dir,
                         const std::function<void(QByteArrayView name, std::optional<qint64> modifiedSecs)> &take)
{
    forEachEntry(dir, [&](int dirFd, const char *name, int type) {
        if (name[0] == '.' || (type != DT_DIR && type != DT_LNK && type != DT_UNKNOWN))
            return;
        // A link counts by what it points to, and the date is the target's.
        struct stat st;
        const bool known = ::fstatat(dirFd, name, &st, 0) == 0;
        if (known ? !S_ISDIR(st.st_mode) : type != DT_DIR)
            return;
        take(QByteArrayView(name, qsizetype(std::strlen(name))),
             known ? std::optional<qint64>(st.st_mtime) : std::nullopt);
    });
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
