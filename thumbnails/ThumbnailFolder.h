// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One document's thumbnail folder, and which of its files are ours. The
// folder may hold files of the user's: only files its index names are ours,
// and only those are ever replaced or removed. The index records each
// thumbnail with the facts of the picture it was made from and its size, so
// a rerun reuses it without decoding anything.
//
// A name is recorded as ours before its file is made, and a thumbnail once
// it is complete, in lines appended at once: a run that is cancelled, fails
// or is killed leaves nothing of ours unrecorded. When the folder is closed
// the index is written anew, whole, in place of the old one. The folder is
// made only when the first thumbnail is written, and another run on it at
// the same time is refused (a lock file). Safe to use from several threads.

#include "generator/ThumbnailBatch.h"

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QLockFile>
#include <QSize>
#include <QString>

#include <memory>
#include <mutex>
#include <optional>

struct SourceFacts;

struct RecordedThumbnail {
    QByteArray name;
    QSize size;
};

class ThumbnailFolder {
public:
    // Thumbnails of pictures below sourceDirectory, side pixels long.
    ThumbnailFolder(const QString &folderPath, const QString &sourceDirectory, int side);
    // Writes the index anew.
    ~ThumbnailFolder();
    ThumbnailFolder(const ThumbnailFolder &) = delete;
    ThumbnailFolder &operator=(const ThumbnailFolder &) = delete;

    // Reads the index of an existing folder. False when the folder cannot
    // be used.
    bool open();
    // Whether the folder cannot be used, now or since it was to be made,
    // so that no picture need be decoded in vain. osError: the system's
    // reason; 0 when another run holds the folder, or a file we did not
    // write stands where the index goes.
    bool unusable(int &osError);

    // The thumbnail recorded for sourcePath, still in place, made at this
    // size from a file with these facts; it is then used by this run.
    std::optional<RecordedThumbnail> reusable(const QByteArray &sourcePath, const SourceFacts &facts);
    // Writes a thumbnail under name atomically and records it. NameTaken:
    // a file that is not ours, or another picture of this run, has the name.
    ThumbnailProblem write(const QByteArray &name, const QByteArray &bytes, const QByteArray &sourcePath,
                           const SourceFacts &facts, QSize size, int &osError);
    // Removes each thumbnail of ours this run did not use.
    void removeUnused();

private:
    struct Entry {
        qint64 sourceSize = 0;
        qint64 sourceModifiedNs = 0;
        QSize size;
        int longestSide = 0;
        qint64 bytes = 0;
        QByteArray sourcePath;
    };
    bool load(const QByteArray &index);
    bool makeFolder();
    bool lock();
    void append(const QByteArray &line);
    void writeIndex();
    QString filePath(const QByteArray &name) const;
    static QByteArray entryLine(const QByteArray &name, const Entry &entry);

    const QString path;
    const QByteArray sourceLine;  // the index's second line: the pictures' directory
    const int longestSide;

    std::mutex mutex;  // guards what follows
    std::unique_ptr<QLockFile> lockFile;  // held while the folder is ours to change
    bool failed = false;                  // the folder cannot be used
    int folderError = 0;
    bool hasIndex = false;                // read or begun: written anew at the end
    QFile journal;  // the index, appended to
    QHash<QByteArray, std::optional<Entry>> owned;  // our names; an entry once complete
    QHash<QByteArray, QByteArray> nameOfSource;     // source path -> its thumbnail's name
    QHash<QByteArray, QByteArray> used;             // names this run uses -> their source path
};
