// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The thumbnails of one run, made on worker threads, two per core, ahead of
// the page writer. Workers take the entries in page order and at most a few
// per worker ahead of the writer, so little is made in vain when a run is
// cancelled; the writer takes the results in the same order, and makes an
// entry itself when no worker has taken it yet (or no thread could start).
// All decoding together stays within one memory budget.

#include "generator/ThumbnailBatch.h"
#include "thumbnails/MemoryBudget.h"
#include "thumbnails/SourceFiles.h"
#include "thumbnails/ThumbnailFolder.h"
#include "thumbnails/ThumbnailImage.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

class ThumbnailsAhead final : public ThumbnailBatch {
public:
    ThumbnailsAhead(const ThumbnailJob &job, const ThumbnailLimits &within);
    ~ThumbnailsAhead() override;

    void add(const QByteArray &path) override;
    ThumbnailResult take() override;
    void finish() override;
    QList<MissingThumbnail> missing() const override { return without; }
    QString folderPath() const override { return folder; }

private:
    struct Entry {
        QByteArray path;
        bool started = false;
        bool done = false;
        ThumbnailResult result;
    };
    void work();
    ThumbnailResult make(const QByteArray &path);
    ThumbnailResult makeFrom(const QByteArray &path);  // decodes and writes
    Entry &entryAt(qsizetype index) { return entries[size_t(index - firstIndex)]; }

    const ThumbnailLimits limits;
    const QString folder;
    const QByteArray linkPrefix;  // the folder's name and '/'
    const SourceFiles sources;
    ThumbnailFolder thumbnails;
    MemoryBudget budget;
    QList<MissingThumbnail> without;  // the writer's

    std::mutex mutex;  // guards what follows
    std::condition_variable entryDone;  // the writer waits here
    std::condition_variable roomAhead;  // idle workers wait here
    std::deque<Entry> entries;          // from the oldest not yet taken
    qsizetype firstIndex = 0;           // the index of entries.front()
    qsizetype nextIndex = 0;            // the first entry nobody has started
    qsizetype aheadLimit = 1;           // workers start entries before firstIndex + aheadLimit
    bool stopping = false;
    std::vector<std::thread> workers;
};
