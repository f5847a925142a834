// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The entries' file facts, gathered ahead of the page on worker threads
// while the calling thread writes it. Workers take the names in chunks, in
// list order and at most a few chunks ahead of the writer, so memory stays
// small however long the list. The writer takes the facts in list order;
// until the chunk it needs is ready it gathers the next chunk nobody has
// taken, so one core loses nothing and two share the work. Messages, questions and the
// page stay with the writer: workers only open files and read headers.

#include "generator/BatchOpener.h"
#include "generator/EntryFile.h"


#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class DirectoryFiles;

class EntryFactsAhead {
public:
    EntryFactsAhead(const DirectoryFiles &files, const FileNames &names, FactsWanted wanted);
    // Stops the workers and waits for them, also when the run ends early.
    ~EntryFactsAhead();
    EntryFactsAhead(const EntryFactsAhead &) = delete;
    EntryFactsAhead &operator=(const EntryFactsAhead &) = delete;

    // The facts of names[index]; called for index 0, 1, 2 ... in turn, from
    // one thread: a chunk's slot is given up once the writer is past it.
    const EntryFacts &at(qsizetype index);

private:
    void work();
    bool mayTakeNext() const;
    void gather(BatchOpener &opener, qsizetype chunk);

    const DirectoryFiles &files;
    const FileNames names;
    const FactsWanted wanted;
    const qsizetype chunkCount;
    qsizetype writerChunk = -1;   // the chunk whose facts the writer reads
    qsizetype writerNext = 0;     // the index at() expects next
    std::unique_ptr<BatchOpener> writerOpener;  // made when the writer first gathers

    std::mutex mutex;                    // guards what follows
    std::condition_variable chunkReady;  // the writer waits here
    std::condition_variable roomAhead;   // idle workers wait here
    qsizetype nextChunk = 0;             // the first chunk nobody has taken
    qsizetype freedBefore = 0;           // the writer is done with the chunks before this one
    std::vector<qsizetype> slotChunk;    // per slot, the chunk whose facts it holds complete; -1: none
    bool stopping = false;

    std::vector<std::vector<EntryFacts>> gathered;  // chunk c in slot c % kSlotCount
    std::vector<std::thread> workers;
};
