// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The listed directory as the operating system offers it: the names of its
// files, and its files opened for reading. What differs per system is in
// DirectoryAccess_unix.cpp and DirectoryAccess_win.cpp; CMake builds the one
// that fits. On POSIX the entries come straight from the system with the kind
// of file it already knows, so a plain file costs no stat call, and files are
// opened relative to a descriptor of the directory, which spares the kernel
// the walk along the directory's path for every file. On Windows QtCore does
// the same by path.
//
// Names are as the system holds them: on POSIX their bytes, whatever they
// are; on Windows the UTF-8 of their UTF-16 (FileName.h).

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

#include <functional>
#include <optional>

class QIODevice;

// A name in its 8-bit form as a QString. Unlike QString::fromUtf8, keeps a
// byte order mark at the start, which is part of the name.
QString decodedFileName(QByteArrayView name);

// Calls take with the name of each file of dir the file list may show, as
// QDir::Files without system entries finds them: plain files and links to
// anything but a directory. Hidden names are included (isHiddenName tells
// them), and so are names that are not valid UTF-8; the caller decides.
void forEachDirectoryFile(const QString &dir, const std::function<void(QByteArrayView name)> &take);

// Whether a name is hidden by its spelling: on POSIX one that begins with a
// dot. Windows hides by an attribute instead, and its walk leaves those out.
bool isHiddenName(QByteArrayView name);

// Calls take with each subdirectory of dir (also a link to a directory) that
// is not hidden, with its last write in seconds since the epoch when the
// system told it.
void forEachSubdirectory(const QString &dir,
                         const std::function<void(QByteArrayView name, std::optional<qint64> modifiedSecs)> &take);

// What opening a listed file found.
struct OpenedFileFacts {
    bool ok = false;          // false: no regular file this user can open for reading
    qint64 size = 0;
    qint64 modifiedSecs = 0;  // last write, seconds since the epoch
    int osError = 0;          // why the open failed, where the system said
};

// The files of one directory, opened by name. Safe to use from several
// threads at once.
class DirectoryFiles {
public:
    explicit DirectoryFiles(const QString &dir);
    // POSIX: the directory dir, already open as descriptor, which it then
    // owns (a whole tree's directories are opened relative to each other).
    DirectoryFiles(const QString &dir, int descriptor);
    ~DirectoryFiles();
    DirectoryFiles(const DirectoryFiles &) = delete;
    DirectoryFiles &operator=(const DirectoryFiles &) = delete;

    // Reads a file while it is open, knowing what opening it found.
    using Read = std::function<void(const OpenedFileFacts &facts, QIODevice &file)>;

    // Opens the file for reading when it is a regular file, never blocking on
    // a FIFO or a device, and takes its size and date; read, when given,
    // then reads it. A name that became a directory, FIFO or device since it
    // was listed counts as a file that cannot be opened.
    OpenedFileFacts open(QByteArrayView name, const Read &read = {}) const;

    // The same facts for a file that is not to be read, without opening it
    // where the system can tell: its size, date and kind, and whether this
    // user could open it for reading, by the kernel's own permission check
    // (access control lists and security modules included).
    OpenedFileFacts check(QByteArrayView name) const;

    // The directory's descriptor, for opening its files in batches; -1 where
    // they are opened by path (always on Windows).
    int descriptor() const { return dirFd; }

private:
    QString dirPath;        // with its trailing separator
    QByteArray nativeDir;   // the same, 8-bit
    int dirFd = -1;
};
