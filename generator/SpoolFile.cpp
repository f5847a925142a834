// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/SpoolFile.h"

#include "platform/core/OsError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

#include <cstring>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

constexpr qsizetype kBuffer = 256 * 1024;

} // namespace

SpoolFile::SpoolFile(const QString &dir) : directory(dir) {}

SpoolFile::~SpoolFile() = default;

bool SpoolFile::open()
{
    clearLastOsError();
#if defined(Q_OS_LINUX) && defined(O_TMPFILE)
    const int fd = ::open(QFile::encodeName(directory).constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd >= 0) {
        auto unnamed = std::make_unique<QFile>();
        if (unnamed->open(fd, QIODevice::ReadWrite | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
            file = std::move(unnamed);
            buffer.reserve(kBuffer);
            return true;
        }
        ::close(fd);
    }
    // A file system without unnamed files (or an old kernel): a named one.
#endif
    auto named = std::make_unique<QTemporaryFile>(QDir(directory).filePath(QStringLiteral(".quorvant-XXXXXX")));
    if (!named->open())
        return fail();
    file = std::move(named);
    buffer.reserve(kBuffer);
    return true;
}

bool SpoolFile::fail()
{
    const int last = lastOsError();
    code = last != 0 ? last : genericIoError();
    return false;
}

bool SpoolFile::write(QByteArrayView bytes)
{
    buffer.append(bytes);
    return buffer.size() < kBuffer || commit();
}

bool SpoolFile::commit()
{
    if (buffer.isEmpty())
        return true;
    clearLastOsError();
    if (!file->seek(written) || file->write(buffer) != buffer.size())
        return fail();
    written += buffer.size();
    buffer.resize(0);
    return true;
}

bool SpoolFile::writeAt(qint64 offset, QByteArrayView bytes)
{
    // What is still in the buffer is changed there; the rest in the file.
    const qint64 inFile = qBound<qint64>(0, written - offset, bytes.size());
    if (inFile > 0) {
        clearLastOsError();
        if (!file->seek(offset) || file->write(bytes.data(), inFile) != inFile)
            return fail();
    }
    if (inFile < bytes.size())
        std::memcpy(buffer.data() + (offset + inFile - written), bytes.data() + inFile, size_t(bytes.size() - inFile));
    return true;
}

bool SpoolFile::readAt(qint64 offset, char *into, qint64 n)
{
    clearLastOsError();
    if (!file->seek(offset))
        return fail();
    for (qint64 done = 0; done < n;) {
        const qint64 got = file->read(into + done, n - done);
        if (got <= 0)
            return fail();
        done += got;
    }
    return true;
}
