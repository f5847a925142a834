// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a running document creation tells its front end, and asks it. The
// run reports what happened as typed events; the front end words them in
// its own way (the window in message boxes, quorvant-cli in lines on
// standard error). Events are values: a front end that runs the generator
// on a worker thread can queue them to its own thread, and block the worker
// in replaceExisting() until the user has answered. The run calls one
// function at a time, from the thread it runs on.

#include "generator/FileName.h"
#include "generator/ThumbnailBatch.h"

#include <QList>
#include <QString>

#include <variant>

// Nothing was selected: the run ends before it writes anything.
struct NothingSelected {};

// The listed directory no longer exists: the run ends.
struct DirectoryGone {
    QString directory;
};

// An entry's file could not be opened for its details (size, date, picture
// size), which the page then leaves out; the run goes on. Once per entry.
struct FileUnreadable {
    FileName name;    // as the list holds it; a front end shows its readable form
    int osError = 0;  // errno or GetLastError; 0 where none is known (not a regular file, say)
};

// The document could not be created, written or committed: the run ends,
// and an existing document is as it was.
struct OutputFailed {
    QString path;     // where the document was to go
    int osError = 0;  // errno or GetLastError
};

// A whole tree: directories that could not be opened or read (no
// permission, vanished while the run went on). Each is named in the page
// as not readable; the run went on. Once, after the document is written.
struct DirectoriesUnreadable {
    struct Directory {
        FileName path;    // below the listed directory, '/' between names; "." for the listed one
        int osError = 0;  // errno or GetLastError
    };
    QList<Directory> directories;  // in page order
};

// A page with thumbnails: the pictures that got none, each shown at full
// size as without thumbnails. Once, after the document is written. A
// thumbnail folder that could not be used gives every picture the problem
// FolderUnusable.
struct ThumbnailsMissing {
    QString folder;                   // the thumbnail folder, a full native path
    QList<MissingThumbnail> pictures; // in page order
};

using RunEvent = std::variant<NothingSelected, DirectoryGone, FileUnreadable, OutputFailed, DirectoriesUnreadable,
                              ThumbnailsMissing>;

// A file stands where the document goes.
struct ReplaceQuestion {
    QString path;      // the file
    QString fileName;  // the document's file name as the request gave it
};

class RunFeedback {
public:
    virtual ~RunFeedback() = default;
    // The run begins: progress is 0 of entryCount; -1 for a whole tree,
    // whose entries are not known ahead.
    virtual void runStarted(int entryCount) = 0;
    // Another entry is written; done counts from 1 (in a whole tree, over
    // all its directories). A window repaints here.
    virtual void entryWritten(int done) = 0;
    // A whole tree: the section of another directory begins; directories
    // counts them from 1, the listed directory.
    virtual void directoryStarted(int directories) { Q_UNUSED(directories); }
    // Asked between entries and between directories, from the run's thread:
    // true ends the run as cancelled, an existing document as it was and
    // nothing of the run left behind. A front end sets it from a button, a
    // key or a signal handler, whatever thread that runs on.
    virtual bool cancelRequested() { return false; }
    // Something happened that the user is to hear of (see each event for
    // whether the run goes on).
    virtual void report(const RunEvent &event) = 0;
    // True: the file is replaced once the new document is complete.
    virtual bool replaceExisting(const ReplaceQuestion &question) = 0;
};

// For a front end's std::visit over a RunEvent: one lambda per event kind,
// so a kind added later fails to compile until every front end words it.
template <typename... Handlers>
struct RunEventVisitor : Handlers... {
    using Handlers::operator()...;
};
// Older compilers (clang before 17) deduce an aggregate's arguments only so.
template <typename... Handlers>
RunEventVisitor(Handlers...) -> RunEventVisitor<Handlers...>;
