// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The directories of a whole tree in page order, depth first, each with
// its files in the file list's order, read on a thread of their own ahead
// of the page writer; and the facts of those files gathered ahead on
// worker threads, across directory boundaries, while the writer writes.
// The writer helps gather while it waits. How far each runs ahead is
// bounded, so memory grows with the widest directory and the depth, not
// with the tree. Messages and the page stay with the writer: the other
// threads only read directories and look at files.

#include "generator/EntryFile.h"
#include "generator/FileName.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

class DirectoryFiles;
class NameMask;
class OpenDirectory;

struct TreeDirectory {
    enum class State {
        Listed,      // read: its files and subdirectories follow
        Unreadable,  // could not be opened or read (osError): named, nothing listed
        Link,        // reached through a symbolic link: named, never entered
    };
    State state = State::Listed;
    int osError = 0;
    int depth = 0;          // 0: the listed directory
    FileName path;          // below the listed directory, '/' between names; empty for the listed one
    QString nativePath;     // the full native path (on POSIX for messages only: the walk opens by descriptor)
    FileNames files;        // the files to list, in the file list's order
    // Its subdirectories the page may name (not hidden, not left out), in
    // the same order, links and unreadable ones included; whether entered
    // or not depends on the depth limit. Their dates when asked for.
    FileNames subdirectories;
    std::vector<std::optional<qint64>> subdirectoryModified;

    // The walk's own.
    std::shared_ptr<const DirectoryFiles> directory;
    std::vector<EntryFacts> facts;
    qint64 firstFile = 0;           // the position of files[0] among all files of the page
    std::vector<char> sliceReady;   // per slice of facts: gathered
    qsizetype slicesPending = 0;
};

struct TreeWalkOptions {
    int maxDepth = -1;             // levels of subdirectories below the listed directory; -1: all
    QStringList filter;            // the file list's mask patterns
    QStringList leaveOut;          // patterns naming files and directories to leave out
    FactsWanted wanted;
    bool subdirectoryDates = false;
    // A directory by its path below the listed one ('/' between names),
    // neither named nor entered: the page's own thumbnail folder.
    FileName ownFolder;
};

class TreeWalk {
public:
    // root: the listed directory, a full native path; rootFiles: its files
    // to list (the selection), in list order.
    TreeWalk(const QString &root, const FileNames &rootFiles, const TreeWalkOptions &options);
    // Stops the threads and waits for them, also when the run ends early.
    ~TreeWalk();
    TreeWalk(const TreeWalk &) = delete;
    TreeWalk &operator=(const TreeWalk &) = delete;

    // The next directory in page order, valid until the next call; null
    // after the last. From one thread, the writer's.
    const TreeDirectory *next();
    // The facts of the current directory's files[index]; index 0, 1, 2 ...
    // in turn, when facts are wanted.
    const EntryFacts &facts(qsizetype index);

private:
    struct Job {
        TreeDirectory *dir;
        qsizetype first;
        qsizetype end;
        qint64 position;  // of files[first] among all files
    };
    struct Frame;

    void walk();
    bool walkStep();
    std::unique_ptr<TreeDirectory> listRoot(std::unique_ptr<Frame> &frame);
    std::unique_ptr<TreeDirectory> list(Frame &parent, const FileName &name, bool link, std::unique_ptr<Frame> &child);
    bool readEntries(OpenDirectory &dir, TreeDirectory &into, std::vector<char> &links, bool filesToo);
    bool isOwnFolder(const FileName &parent, QByteArrayView name) const;
    bool publish(bool last);
    void work();
    bool mayTake() const;
    void gatherBatch(std::unique_lock<std::mutex> &lock, BatchOpener &opener);
    void leave(TreeDirectory *dir, std::unique_lock<std::mutex> &lock);
    template <typename Predicate>
    void waitAsWriter(std::condition_variable &condition, std::unique_lock<std::mutex> &lock, Predicate done);

    const TreeWalkOptions options;
    std::unique_ptr<NameMask> filter;
    std::unique_ptr<NameMask> leaveOut;

    // The walk's: where it is. Its own thread's, or without one the writer's.
    const QString root;
    FileNames rootFiles;
    bool rootListed = false;
    std::vector<std::unique_ptr<Frame>> stack;
    std::vector<std::unique_ptr<TreeDirectory>> batch;  // listed, not yet handed on
    qsizetype batchFiles = 0;
    bool threaded = false;

    // The writer's.
    TreeDirectory *current = nullptr;
    qsizetype currentSlice = -1;
    std::unique_ptr<BatchOpener> writerOpener;

    std::mutex mutex;                    // guards what follows
    std::condition_variable listed;      // the writer waits here for a directory
    std::condition_variable factsReady;  // ... and here for facts
    std::condition_variable room;        // the walk waits here
    std::condition_variable workReady;   // idle gatherers wait here
    std::deque<std::unique_ptr<TreeDirectory>> queue;  // listed, not yet left by the writer
    std::deque<Job> jobs;                // facts to gather, in page order
    qint64 listedFiles = 0;              // files of all directories listed
    qint64 queuedFiles = 0;              // files of the directories in queue
    qint64 writerPosition = 0;           // the file whose facts the writer needs next
    qint64 pendingFiles = 0;             // files of the jobs nobody has taken
    // Who waits: a condition is signalled only when someone does.
    int idleGatherers = 0;
    bool writerWaiting = false;
    bool walkWaiting = false;
    bool walkDone = false;
    bool stopping = false;

    std::vector<std::thread> threads;
};
