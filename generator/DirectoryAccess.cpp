#include "generator/DirectoryAccess.h"

#include "platform/core/NativePaths.h"

#include <QFile>
#include <QIODevice>
#include <QStringDecoder>

#ifdef Q_OS_UNIX
#include <QVarLengthArray>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QDateTime>
#include <QDirIterator>
#include <QFileInfo>
#endif

#ifdef Q_OS_UNIX
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

// A regular file read by position through a buffer of one block: a probe's
// byte-by-byte reading costs no system call per byte, and its skips over
// segments cost none at all.
class DescriptorDevice final : public QIODevice {
public:
    DescriptorDevice(int descriptor, qint64 size) : fd(descriptor), fileSize(size) { QIODevice::open(ReadOnly | Unbuffered); }
    bool isSequential() const override { return false; }
    qint64 size() const override { return fileSize; }

protected:
    // Fills the request whole unless the file ends: QIODevice takes a short
    // read for the end of the file.
    qint64 readData(char *data, qint64 maxSize) override
    {
        qint64 done = 0;
        while (done < maxSize) {
            const qint64 at = pos() + done;
            if (at < blockStart || at >= blockStart + blockLength) {
                if (!fill(at))
                    return done > 0 ? done : -1;
                if (blockLength == 0)
                    break;
            }
            const qint64 n = qMin(maxSize - done, blockStart + blockLength - at);
            std::memcpy(data + done, block + (at - blockStart), size_t(n));
            done += n;
        }
        return done;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    bool fill(qint64 at)
    {
        ssize_t n;
        do
            n = ::pread(fd, block, sizeof block, off_t(at));
        while (n < 0 && errno == EINTR);
        if (n < 0)
            return false;
        blockStart = at;
        blockLength = n;
        return true;
    }

    const int fd;
    const qint64 fileSize;
    char block[4096];
    qint64 blockStart = 0;
    qint64 blockLength = 0;
};

} // namespace
#endif

QString decodedFileName(QByteArrayView name)
{
    if (!name.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(name);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return utf8(name);
}

QByteArray encodedFileName(const QString &name)
{
#ifdef Q_OS_UNIX
    return QFile::encodeName(name);
#else
    return name.toUtf8();
#endif
}

void forEachDirectoryFile(const QString &dir, const std::function<void(QByteArrayView name)> &take)
{
#ifdef Q_OS_UNIX
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
#else
    // Without QDir::Hidden and QDir::System, hidden entries and dangling links stay out.
    QDirIterator it(dir, QDir::Files);
    while (it.hasNext()) {
        it.next();
        take(it.fileName().toUtf8());
    }
#endif
}

DirectoryFiles::DirectoryFiles(const QString &dir)
    : dirPath(withTrailingSeparator(dir, nativePathStyle())), nativeDir(QFile::encodeName(dirPath))
{
#ifdef Q_OS_UNIX
    // O_PATH needs no read permission: files open as they would by path.
#ifdef O_PATH
    dirFd = ::open(QFile::encodeName(dir).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
#else
    dirFd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
#endif
#endif
}

DirectoryFiles::~DirectoryFiles()
{
#ifdef Q_OS_UNIX
    if (dirFd >= 0)
        ::close(dirFd);
#endif
}

#ifdef Q_OS_UNIX
void DirectoryFiles::readOpened(int fd, const OpenedFileFacts &facts, const Read &read)
{
    DescriptorDevice device(fd, facts.size);
    read(facts, device);
}
#endif

OpenedFileFacts DirectoryFiles::open(QByteArrayView name, const Read &read) const
{
    OpenedFileFacts facts;
#ifdef Q_OS_UNIX
    if (name.contains('\0'))
        return facts;  // no such name; the system would see a shorter one
    // Non-blocking: the open returns at once for a FIFO, and fstat then tells
    // the kind of file before anything is read.
    constexpr int flags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
    int fd;
    if (dirFd >= 0) {
        QVarLengthArray<char, 256> terminated(name.size() + 1);
        std::memcpy(terminated.data(), name.data(), size_t(name.size()));
        terminated[name.size()] = '\0';
        fd = ::openat(dirFd, terminated.constData(), flags);
    } else {
        QByteArray path = nativeDir;
        path.append(name);
        fd = ::open(path.constData(), flags);
    }
    if (fd < 0)
        return facts;
    struct stat st;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        facts = {true, qint64(st.st_size), qint64(st.st_mtime)};
        if (read)
            readOpened(fd, facts, read);
    }
    ::close(fd);
#else
    const QString path = dirPath + decodedFileName(name);
    if (!QFileInfo(path).isFile())
        return facts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return facts;
    facts = {true, file.size(), file.fileTime(QFileDevice::FileModificationTime).toSecsSinceEpoch()};
    if (read)
        read(facts, file);
#endif
    return facts;
}
