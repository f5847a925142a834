// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A directory of a whole tree, open for the walk: its entries with their
// kinds, its subdirectories opened relative to it (so a path's directories
// are never looked up again, and a directory swapped for a link after it
// was listed is not followed), and its files for their facts. What differs
// per system is in OpenDirectory_unix.cpp and OpenDirectory_win.cpp.

#include "generator/DirectoryAccess.h"

#include <QByteArrayView>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

// What the walk makes of a directory entry. Kinds follow the file list:
// a file is a plain file or a link to anything but a directory; a link to
// a directory is named but never entered.
enum class EntryKind { File, Directory, LinkToDirectory, Other };

class OpenDirectory {
public:
    OpenDirectory(const OpenDirectory &) = delete;
    OpenDirectory &operator=(const OpenDirectory &) = delete;

    // The listed directory (links followed); null with error set when it
    // cannot be opened for reading.
    static std::unique_ptr<OpenDirectory> open(const QString &path, int &error);
    // A subdirectory of this one, by its name, never through a link; path
    // is its full native path. Null with error set when it cannot be opened.
    std::unique_ptr<OpenDirectory> openSubdirectory(QByteArrayView name, const QString &path, int &error) const;

    // Calls take with every entry but "." and ".."; false with error set
    // when reading failed part way.
    using Take = std::function<void(QByteArrayView name, EntryKind kind)>;
    bool read(const Take &take, int &error);

    // The last modification of a subdirectory (links followed), in seconds
    // since 1970; none when it cannot be looked at.
    std::optional<qint64> modified(QByteArrayView name) const;

    // The directory's files, for their facts; they stay usable after this
    // object is gone.
    std::shared_ptr<const DirectoryFiles> files() const { return directoryFiles; }

private:
    OpenDirectory() = default;

    QString path;  // its full native path
    // On POSIX its descriptor, open for reading, is the directory's own:
    // the walk reads it and opens subdirectories relative to it.
    std::shared_ptr<const DirectoryFiles> directoryFiles;
};
