// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/OpenDirectory.h"

#include <QFile>
#include <QVarLengthArray>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// name with its terminating zero, for the system calls.
struct Terminated {
    explicit Terminated(QByteArrayView name)
    {
        text.append(name.data(), name.size());
        text.append('\0');
    }
    const char *get() const { return text.constData(); }
    QVarLengthArray<char, 256> text;
};

// The kind of an entry the directory did not say, or a link: one stat call.
EntryKind kindByStat(int dirFd, const char *name, bool knownLink)
{
    struct stat st;
    if (!knownLink) {
        if (::fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            return EntryKind::Other;
        if (S_ISREG(st.st_mode))
            return EntryKind::File;
        if (S_ISDIR(st.st_mode))
            return EntryKind::Directory;
        if (!S_ISLNK(st.st_mode))
            return EntryKind::Other;
    }
    // A link: to a directory, to anything else that exists, or dangling.
    if (::fstatat(dirFd, name, &st, 0) != 0)
        return EntryKind::Other;
    return S_ISDIR(st.st_mode) ? EntryKind::LinkToDirectory : EntryKind::File;
}

EntryKind kindOf(int dirFd, const char *name, unsigned char type)
{
    switch (type) {
    case DT_REG: return EntryKind::File;
    case DT_DIR: return EntryKind::Directory;
    case DT_LNK: return kindByStat(dirFd, name, true);
    case DT_UNKNOWN: return kindByStat(dirFd, name, false);
    default: return EntryKind::Other;
    }
}

bool isDotOrDotDot(const char *name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

} // namespace

std::unique_ptr<OpenDirectory> OpenDirectory::open(const QString &path, int &error)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return nullptr;
    }
    std::unique_ptr<OpenDirectory> dir(new OpenDirectory);
    dir->path = path;
    dir->directoryFiles = std::make_shared<const DirectoryFiles>(path, fd);
    return dir;
}

std::unique_ptr<OpenDirectory> OpenDirectory::openSubdirectory(QByteArrayView name, const QString &subPath,
                                                               int &error) const
{
    const int fd = ::openat(directoryFiles->descriptor(), Terminated(name).get(),
                            O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return nullptr;
    }
    std::unique_ptr<OpenDirectory> dir(new OpenDirectory);
    dir->path = subPath;
    dir->directoryFiles = std::make_shared<const DirectoryFiles>(subPath, fd);
    return dir;
}

bool OpenDirectory::read(const Take &take, int &error)
{
    const int fd = directoryFiles->descriptor();
#if defined(__linux__)
    // Straight from the kernel, a large buffer at a time: no stream of the C
    // library to set up per directory, and fewer calls for a wide one.
    alignas(dirent64) char buffer[64 * 1024];
    for (;;) {
        const ssize_t n = ::getdents64(fd, buffer, sizeof buffer);
        if (n == 0)
            return true;
        if (n < 0) {
            error = errno;
            return false;
        }
        for (ssize_t at = 0; at < n;) {
            const auto *entry = reinterpret_cast<const dirent64 *>(buffer + at);
            at += entry->d_reclen;
            if (!isDotOrDotDot(entry->d_name))
                take(QByteArrayView(entry->d_name, qsizetype(std::strlen(entry->d_name))),
                     kindOf(fd, entry->d_name, entry->d_type));
        }
    }
#else
    // The stream owns what it is given: it reads a copy of the descriptor.
    const int copy = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    DIR *entries = copy >= 0 ? ::fdopendir(copy) : nullptr;
    if (!entries) {
        error = errno;
        if (copy >= 0)
            ::close(copy);
        return false;
    }
    errno = 0;
    while (const dirent *entry = ::readdir(entries)) {
        if (!isDotOrDotDot(entry->d_name))
            take(QByteArrayView(entry->d_name, qsizetype(std::strlen(entry->d_name))),
                 kindOf(fd, entry->d_name, entry->d_type));
        errno = 0;
    }
    error = errno;
    ::closedir(entries);
    return error == 0;
#endif
}

std::optional<qint64> OpenDirectory::modified(QByteArrayView name) const
{
    struct stat st;
    if (::fstatat(directoryFiles->descriptor(), Terminated(name).get(), &st, 0) != 0)
        return std::nullopt;
    return qint64(st.st_mtime);
}
