#include "generator/EntryFile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

// On POSIX the file is opened with the system call rather than QFile::open:
// a non-blocking open returns at once for a FIFO, and fstat then tells the
// kind of file before anything is read.

#ifdef Q_OS_UNIX
namespace {

int openRegular(const QString &name, struct stat &st)
{
    const int fd = ::open(QFile::encodeName(name).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace
#endif

bool openListedFile(QFile &file, const QString &name)
{
#ifdef Q_OS_UNIX
    struct stat st;
    const int fd = openRegular(name, st);
    if (fd < 0)
        return false;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
#else
    file.setFileName(name);
    if (!QFileInfo(name).isFile())
        return false;
    return file.open(QIODevice::ReadOnly);
#endif
}

ListedFileFacts listedFileFacts(const QString &name)
{
    ListedFileFacts facts;
#ifdef Q_OS_UNIX
    struct stat st;
    const int fd = openRegular(name, st);
    if (fd < 0)
        return facts;
    ::close(fd);
    facts.ok = true;
    facts.size = st.st_size;
    facts.modifiedSecs = qint64(st.st_mtime);
#else
    QFile file;
    if (!openListedFile(file, name))
        return facts;
    facts.ok = true;
    facts.size = file.size();
    facts.modifiedSecs = file.fileTime(QFileDevice::FileModificationTime).toSecsSinceEpoch();
#endif
    return facts;
}
