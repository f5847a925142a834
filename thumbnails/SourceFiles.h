// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures, found by their paths below the listed directory as bytes:
// names that are not valid UTF-8 reach their files too. Only regular files
// are read, and opening one never blocks, whatever stands in its place (a
// FIFO, a device). Per operating system: SourceFiles_posix.cpp works
// relative to a descriptor of the directory, SourceFiles_qt.cpp by path.

#include <QByteArray>
#include <QString>

#include <memory>

class QIODevice;

struct SourceFacts {
    bool ok = false;  // a regular file, opened or found
    int osError = 0;  // why not
    qint64 size = 0;
    qint64 modifiedNs = 0;  // last write, nanoseconds since the epoch (as precise as the system keeps it)
};

class SourceFiles {
public:
    explicit SourceFiles(const QString &dir);
    ~SourceFiles();
    SourceFiles(const SourceFiles &) = delete;
    SourceFiles &operator=(const SourceFiles &) = delete;

    // The facts of the file at path, without opening it.
    SourceFacts stat(const QByteArray &path) const;
    // The file at path opened for reading, and the facts of the very file
    // opened; null when it is no regular file this user can read.
    std::unique_ptr<QIODevice> open(const QByteArray &path, SourceFacts &facts) const;

private:
    QString dirPath;  // with its trailing separator
    int dirFd = -1;   // POSIX: the directory
};
