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

// A page with thumbnails: the pictures that got none, each shown at full
// size as without thumbnails. Once, after the document is written. A
// thumbnail folder that could not be used gives every picture the problem
// FolderUnusable.
struct ThumbnailsMissing {
    QString folder;                   // the thumbnail folder, a full native path
    QList<MissingThumbnail> pictures; // in page order
};

using RunEvent = std::variant<NothingSelected, DirectoryGone, FileUnreadable, OutputFailed, ThumbnailsMissing>;

// A file stands where the document goes.
struct ReplaceQuestion {
    QString path;      // the file
    QString fileName;  // the document's file name as the request gave it
};

class RunFeedback {
public:
    virtual ~RunFeedback() = default;
    // The run begins: progress is 0 of entryCount.
    virtual void runStarted(int entryCount) = 0;
    // Another entry is written; done counts from 1. A window repaints here.
    virtual void entryWritten(int done) = 0;
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
