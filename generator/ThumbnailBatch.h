// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Thumbnails for the picture entries of one run, made on other threads
// ahead of the page writer. The generator sees only this interface (QtCore);
// the thumbnails library makes the pictures with QtGui, and a front end
// hands its factory to the run, as it may hand an output file factory.
//
// The run adds each entry's path in page order and takes the results in the
// same order; the maker works a bounded distance ahead of the taker, so
// adding a whole directory at once costs no more than its names.

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <memory>

// Why an entry has no thumbnail.
enum class ThumbnailProblem {
    None,
    NotAPicture,     // its name names no picture format: the entry stays as it is; never reported
    Unreadable,      // no regular file this user can read (osError)
    Undecodable,     // corrupt, empty, or of a format this build cannot decode
    TooLarge,        // its declared size would need more memory than the limit
    NameTaken,       // a file we did not make holds the thumbnail's name: it is left alone
    NotWritten,      // the thumbnail could not be written (osError)
    FolderUnusable,  // the thumbnail folder could not be made or is in use (osError; see folderPath())
};

struct ThumbnailResult {
    ThumbnailProblem problem = ThumbnailProblem::None;
    // Without a problem: the thumbnail's path relative to the document's
    // directory, as bytes, not yet percent-encoded for a link, e.g.
    // "quorvant_thumbnails/IMG_0001.JPG-c8ae06e33f1e.jpg"; and its size.
    QByteArray link;
    int width = 0;
    int height = 0;
    int osError = 0;  // Unreadable, NotWritten, FolderUnusable: the system's error code, 0 if none
    bool made() const { return problem == ThumbnailProblem::None; }
};

// An entry without a thumbnail, for the report that ends the run.
struct MissingThumbnail {
    QByteArray path;  // as it was added
    ThumbnailProblem problem = ThumbnailProblem::None;
    int osError = 0;
};

// A thumbnail's longest side, in pixels, at least and at most.
constexpr int kMinThumbnailSide = 32;
constexpr int kMaxThumbnailSide = 1024;

struct ThumbnailJob {
    QString sourceDirectory;  // the added paths are relative to it
    QString documentPath;     // the document; its thumbnail folder goes beside it, named after it
    int longestSide = 200;    // of a thumbnail, in pixels
};

class ThumbnailBatch {
public:
    // Stops making thumbnails and waits for those being made: a cancelled
    // or failed run leaves every thumbnail made recorded as ours in the
    // folder, and removes nothing an earlier document may still show.
    virtual ~ThumbnailBatch() = default;

    // The next entry's path below the source directory, as bytes ('/'
    // between the names of a tree's subdirectories).
    virtual void add(const QByteArray &path) = 0;
    // The result of the oldest entry added and not yet taken; waits while
    // it is being made.
    virtual ThumbnailResult take() = 0;
    // Every entry is taken and the document committed: removes the
    // thumbnails of ours that no entry of this run uses.
    virtual void finish() = 0;

    // The entries taken so far without a thumbnail (NotAPicture left out),
    // in page order: the one report that ends the run names them.
    virtual QList<MissingThumbnail> missing() const = 0;
    // The thumbnail folder, a full native path.
    virtual QString folderPath() const = 0;
};

using ThumbnailBatchFactory = std::function<std::unique_ptr<ThumbnailBatch>(const ThumbnailJob &job)>;
