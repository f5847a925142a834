// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files for tests: write, read, stamp with a known time, and the pictures
// the probes know.

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QStringList>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace testfiles {

// A local time with an odd second, so the two-second rounding of dates shows.
inline QDateTime sampleTime() { return QDateTime(QDate(2023, 4, 17), QTime(13, 2, 5)); }

inline bool write(const QString &path, const QByteArray &content, const QDateTime &modified = sampleTime())
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
        return false;
    f.flush();  // a later flush would stamp the time anew
    return f.setFileTime(modified, QFileDevice::FileModificationTime);
}

#ifdef Q_OS_UNIX
// A file whose name is any bytes, which a QString path may not hold.
inline bool writeNamed(const QString &dir, const QByteArray &name, const QByteArray &content,
                       const QDateTime &modified = sampleTime())
{
    const QByteArray path = QFile::encodeName(dir) + '/' + name;
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    bool ok = fd >= 0 && ::write(fd, content.constData(), size_t(content.size())) == content.size();
    ok = fd >= 0 && ::close(fd) == 0 && ok;
    const timespec times[2] = {{time_t(modified.toSecsSinceEpoch()), 0}, {time_t(modified.toSecsSinceEpoch()), 0}};
    return ok && ::utimensat(AT_FDCWD, path.constData(), times, 0) == 0;
}

// The names of every entry of dir as bytes, hidden ones included.
inline QList<QByteArray> namesIn(const QString &dir)
{
    QList<QByteArray> names;
    if (DIR *d = ::opendir(QFile::encodeName(dir).constData())) {
        while (const dirent *e = ::readdir(d)) {
            const QByteArray name(e->d_name);
            if (name != "." && name != "..")
                names << name;
        }
        ::closedir(d);
    }
    return names;
}

// Removes the entries of dir whose names are not UTF-8, which Qt's own
// removal never sees (subdirectories only when empty).
inline void removeUnspellable(const QString &dir)
{
    for (const QByteArray &name : namesIn(dir)) {
        if (!name.isValidUtf8())
            ::remove((QFile::encodeName(dir) + '/' + name).constData());
    }
}
#endif

inline QByteArray read(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

inline void writeAll(const QString &dir, const QStringList &names, const QByteArray &content = "x")
{
    for (const QString &name : names)
        write(dir + QLatin1Char('/') + name, content);
}

inline QByteArray gif(int width, int height, const QByteArray &signature = "GIF89a")
{
    return signature + char(width & 0xFF) + char(width >> 8) + char(height & 0xFF) + char(height >> 8)
           + QByteArray(16, '\0');
}

// Start of image and a 16-byte JFIF segment: 20 bytes.
inline QByteArray jfifHeader() { return QByteArray::fromHex("FFD8FFE000104A46494600010100000100010000"); }

// A frame header of one component: 13 bytes.
inline QByteArray jpegFrame(int code, int width, int height)
{
    return QByteArray::fromHex("FF") + char(code) + QByteArray::fromHex("000B08") + char(height >> 8)
           + char(height & 0xFF) + char(width >> 8) + char(width & 0xFF) + QByteArray::fromHex("01011100");
}

// A segment: marker, length, data.
inline QByteArray jpegSegment(int code, const QByteArray &data)
{
    const int length = int(data.size()) + 2;
    return QByteArray::fromHex("FF") + char(code) + char(length >> 8) + char(length & 0xFF) + data;
}

// A quantisation table segment, as real files have after the JFIF header.
inline QByteArray jpegTables() { return QByteArray::fromHex("FFDB00030000"); }
inline QByteArray jpegScan() { return QByteArray::fromHex("FFDA000C") + "compressed data"; }

inline QByteArray jpeg(int width, int height)
{
    return jfifHeader() + jpegTables() + jpegFrame(0xC0, width, height) + jpegScan();
}

} // namespace testfiles
