// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/EntryFactsAhead.h"

#include <system_error>

namespace {

constexpr qsizetype kChunkSize = 256;  // entries taken at a time: few hand-overs, little waiting
constexpr qsizetype kSlotCount = 8;    // chunks gathered ahead of the writer at most

// The writer's thread gathers too: one worker per further core.
int workerCount()
{
    const unsigned cores = std::thread::hardware_concurrency();
    return cores <= 1 ? 1 : int(qMin(cores - 1, 4u));
}

} // namespace

EntryFactsAhead::EntryFactsAhead(const DirectoryFiles &directory, const FileNames &entryNames, FactsWanted what)
    : files(directory), names(entryNames), wanted(what), chunkCount((entryNames.size() + kChunkSize - 1) / kChunkSize),
      slotChunk(kSlotCount, -1), gathered(kSlotCount)
{
    const qsizetype count = qMin<qsizetype>(workerCount(), chunkCount - 1);
    for (qsizetype i = 0; i < count; ++i) {
        try {
            workers.emplace_back([this] { work(); });
        } catch (const std::system_error &) {
            break;  // no more threads: the writer gathers what the others leave
        }
    }
}

EntryFactsAhead::~EntryFactsAhead()
{
    {
        const std::lock_guard lock(mutex);
        stopping = true;
    }
    roomAhead.notify_all();
    for (std::thread &worker : workers)
        worker.join();
}

bool EntryFactsAhead::mayTakeNext() const
{
    // A slot is free once the writer has left the chunk that used it before.
    return nextChunk < chunkCount && nextChunk < freedBefore + kSlotCount;
}

void EntryFactsAhead::work()
{
    const std::unique_ptr<BatchOpener> opener = makeBatchOpener();
    std::unique_lock lock(mutex);
    for (;;) {
        roomAhead.wait(lock, [this] { return stopping || nextChunk >= chunkCount || mayTakeNext(); });
        if (stopping || nextChunk >= chunkCount)
            return;
        const qsizetype chunk = nextChunk++;
        lock.unlock();
        gather(*opener, chunk);
        lock.lock();
        slotChunk[size_t(chunk % kSlotCount)] = chunk;
        chunkReady.notify_one();
    }
}

void EntryFactsAhead::gather(BatchOpener &opener, qsizetype chunk)
{
    const qsizetype first = chunk * kChunkSize;
    gatherEntryFacts(opener, files, names, first, qMin(first + kChunkSize, names.size()), wanted,
                     gathered[size_t(chunk % kSlotCount)]);
}

const EntryFacts &EntryFactsAhead::at(qsizetype index)
{
    Q_ASSERT_X(index == writerNext, "EntryFactsAhead::at", "facts are taken in list order, each once");
    writerNext = index + 1;
    const qsizetype chunk = index / kChunkSize;
    if (chunk != writerChunk) {
        std::unique_lock lock(mutex);
        freedBefore = chunk;
        roomAhead.notify_all();
        // While a worker gathers the chunk needed, the writer gathers one
        // further ahead rather than wait: both cores work on the facts.
        while (slotChunk[size_t(chunk % kSlotCount)] != chunk) {
            if (nextChunk != chunk && !mayTakeNext()) {
                chunkReady.wait(lock);
                continue;
            }
            const qsizetype taken = nextChunk++;
            lock.unlock();
            if (!writerOpener)
                writerOpener = makeBatchOpener();
            gather(*writerOpener, taken);
            lock.lock();
            slotChunk[size_t(taken % kSlotCount)] = taken;
        }
        writerChunk = chunk;
    }
    return gathered[size_t(chunk % kSlotCount)][size_t(index % kChunkSize)];
}
