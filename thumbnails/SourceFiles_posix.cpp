// SPDX-License-Identifier: GPL-3.0-or-later
#include "thumbnails/SourceFiles.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

SourceFacts factsOf(const struct stat &st)
{
    SourceFacts facts;
    if (!S_ISREG(st.st_mode)) {
        facts.osError = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        return facts;
    }
    facts.ok = true;
    facts.size = qint64(st.st_size);
    facts.modifiedNs = qint64(st.st_mtim.tv_sec) * 1000000000 + qint64(st.st_mtim.tv_nsec);
    return facts;
}

} // namespace

SourceFiles::SourceFiles(const QString &dir) : dirPath(dir + QLatin1Char('/'))
{
    // O_PATH needs no read permission: files open as they would by path.
#ifdef O_PATH
    dirFd = ::open(QFile::encodeName(dir).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
#else
    dirFd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
#endif
}

SourceFiles::~SourceFiles()
{
    if (dirFd >= 0)
        ::close(dirFd);
}

SourceFacts SourceFiles::stat(const QByteArray &path) const
{
    SourceFacts facts;
    struct stat st;
    if (dirFd < 0 || path.contains('\0') || ::fstatat(dirFd, path.constData(), &st, 0) != 0) {
        facts.osError = dirFd < 0 || path.contains('\0') ? ENOENT : errno;
        return facts;
    }
    return factsOf(st);
}

std::unique_ptr<QIODevice> SourceFiles::open(const QByteArray &path, SourceFacts &facts) const
{
    facts = SourceFacts();
    if (dirFd < 0 || path.contains('\0')) {
        facts.osError = ENOENT;
        return nullptr;
    }
    // Non-blocking: a FIFO opens at once, and fstat then tells what it is.
    const int fd = ::openat(dirFd, path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        facts.osError = errno;
        return nullptr;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        facts.osError = errno;
        ::close(fd);
        return nullptr;
    }
    facts = factsOf(st);
    auto file = std::make_unique<QFile>();
    if (!facts.ok || !file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        facts.ok = false;
        ::close(fd);
        return nullptr;
    }
    return file;
}
