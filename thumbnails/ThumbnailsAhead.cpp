// SPDX-License-Identifier: GPL-3.0-or-later
#include "thumbnails/ThumbnailsAhead.h"

#include "thumbnails/ThumbnailNames.h"
#include "thumbnails/Thumbnails.h"

#include <QFileInfo>

#include <cerrno>
#include <system_error>

namespace {

constexpr int kAheadPerWorker = 4;

// Two per core: while one waits for its picture to be read from the disk,
// or its thumbnail to be synced to it, the other decodes. The memory
// budget, not the number of threads, bounds what decoding takes.
int workerCount()
{
    return int(qBound(1u, std::thread::hardware_concurrency(), 32u)) * 2;
}

ThumbnailResult problem(ThumbnailProblem problem, int osError = 0)
{
    ThumbnailResult result;
    result.problem = problem;
    result.osError = osError;
    return result;
}

} // namespace

bool isPictureName(QByteArrayView path)
{
    const qsizetype dot = path.lastIndexOf('.');
    if (dot < 0 || path.indexOf('/', dot) >= 0)
        return false;
    const QByteArray ext = path.sliced(dot + 1).toByteArray().toLower();
    return ext == "jpg" || ext == "jpeg" || ext == "jpe" || ext == "jfif" || ext == "png" || ext == "gif" || ext == "bmp"
           || ext == "webp";
}

std::unique_ptr<ThumbnailBatch> makeThumbnailBatch(const ThumbnailJob &job)
{
    return makeThumbnailBatch(job, ThumbnailLimits());
}

std::unique_ptr<ThumbnailBatch> makeThumbnailBatch(const ThumbnailJob &job, ThumbnailLimits limits)
{
    limits.longestSide = job.longestSide;
    return std::make_unique<ThumbnailsAhead>(job, limits);
}

ThumbnailsAhead::ThumbnailsAhead(const ThumbnailJob &job, const ThumbnailLimits &within)
    : limits(within), folder(thumbnailFolderFor(job.documentPath)),
      linkPrefix(QFileInfo(folder).fileName().toUtf8() + '/'), sources(job.sourceDirectory),
      thumbnails(folder, job.sourceDirectory, within.longestSide), budget(within.memoryBytes)
{
    // Without a folder every picture's answer is at hand: no workers.
    const int count = thumbnails.open() ? workerCount() : 0;
    aheadLimit = qMax(1, count * kAheadPerWorker);
    for (int i = 0; i < count; ++i) {
        try {
            workers.emplace_back([this] { work(); });
        } catch (const std::system_error &) {
            break;  // no more threads: the writer makes what the others leave
        }
    }
}

ThumbnailsAhead::~ThumbnailsAhead()
{
    {
        const std::lock_guard lock(mutex);
        stopping = true;
    }
    roomAhead.notify_all();
    for (std::thread &worker : workers)
        worker.join();
}

void ThumbnailsAhead::add(const QByteArray &path)
{
    {
        const std::lock_guard lock(mutex);
        entries.push_back({path, false, false, {}});
    }
    roomAhead.notify_one();
}

void ThumbnailsAhead::work()
{
    std::unique_lock lock(mutex);
    for (;;) {
        roomAhead.wait(lock, [this] {
            return stopping || (nextIndex < firstIndex + qsizetype(entries.size()) && nextIndex < firstIndex + aheadLimit);
        });
        if (stopping)
            return;
        const qsizetype index = nextIndex++;
        entryAt(index).started = true;
        const QByteArray path = entryAt(index).path;
        lock.unlock();
        ThumbnailResult result = make(path);
        lock.lock();
        // The writer takes an entry only once it is done: it is still there.
        Entry &entry = entryAt(index);
        entry.result = std::move(result);
        entry.done = true;
        entryDone.notify_all();
    }
}

ThumbnailResult ThumbnailsAhead::take()
{
    std::unique_lock lock(mutex);
    Q_ASSERT(!entries.empty());
    if (entries.empty())
        return problem(ThumbnailProblem::NotAPicture);
    if (!entries.front().started) {
        // Nobody has taken it: the writer makes it rather than wait.
        Q_ASSERT(nextIndex == firstIndex);
        ++nextIndex;
        entries.front().started = true;
        const QByteArray path = entries.front().path;
        lock.unlock();
        ThumbnailResult result = make(path);
        lock.lock();
        entries.front().result = std::move(result);
        entries.front().done = true;
    }
    entryDone.wait(lock, [this] { return entries.front().done; });
    ThumbnailResult result = std::move(entries.front().result);
    const QByteArray path = entries.front().path;
    entries.pop_front();
    ++firstIndex;
    lock.unlock();
    roomAhead.notify_all();
    if (result.problem != ThumbnailProblem::None && result.problem != ThumbnailProblem::NotAPicture)
        without.append({path, result.problem, result.osError});
    return result;
}

void ThumbnailsAhead::finish()
{
    thumbnails.removeUnused();
}

ThumbnailResult ThumbnailsAhead::make(const QByteArray &path)
{
    if (!isPictureName(path))
        return problem(ThumbnailProblem::NotAPicture);
    if (int osError = 0; thumbnails.unusable(osError))
        return problem(ThumbnailProblem::FolderUnusable, osError);
    const SourceFacts facts = sources.stat(path);
    if (!facts.ok)
        return problem(ThumbnailProblem::Unreadable, facts.osError);
    ThumbnailResult result;
    if (const std::optional<RecordedThumbnail> recorded = thumbnails.reusable(path, facts)) {
        result.link = linkPrefix + recorded->name;
        result.width = recorded->size.width();
        result.height = recorded->size.height();
        return result;
    }
    return makeFrom(path);
}

ThumbnailResult ThumbnailsAhead::makeFrom(const QByteArray &path)
{
    SourceFacts facts;
    const std::unique_ptr<QIODevice> in = sources.open(path, facts);
    if (!in)
        return problem(ThumbnailProblem::Unreadable, facts.osError);
    const PicturePlan plan = planThumbnail(*in, limits);
    if (plan.problem != ThumbnailProblem::None)
        return problem(plan.problem);
    MadeThumbnail made;
    {
        // The file and its decoding within the budget; a picture that never fits is too large.
        const MemoryShare share(budget, facts.size + plan.decodeBytes);
        if (!share.granted())
            return problem(ThumbnailProblem::TooLarge);
        QByteArray data;
        if (!in->seek(0) || (data = in->read(facts.size)).size() != facts.size)
            return problem(ThumbnailProblem::Unreadable, EIO);
        made = makeThumbnail(data, plan, limits);
    }
    if (made.problem != ThumbnailProblem::None)
        return problem(made.problem);
    const QByteArray name = thumbnailStem(path) + (made.png ? ".png" : ".jpg");
    int osError = 0;
    const QSize size(made.width, made.height);
    if (const ThumbnailProblem p = thumbnails.write(name, made.bytes, path, facts, size, osError); p != ThumbnailProblem::None)
        return problem(p, osError);
    ThumbnailResult result;
    result.link = linkPrefix + name;
    result.width = made.width;
    result.height = made.height;
    return result;
}
