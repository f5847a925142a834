// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/TreeWalk.h"

#include "generator/BatchOpener.h"
#include "generator/NameMask.h"
#include "generator/OpenDirectory.h"
#include "generator/SortedNames.h"
#include "platform/core/NativePaths.h"

#include <QSet>

#include <system_error>

namespace {

constexpr qsizetype kSlice = 256;          // files whose facts are gathered and handed over at a time
constexpr qint64 kFactsAhead = 8 * kSlice;  // files gathered ahead of the writer at most
constexpr size_t kDirectoriesAhead = 128;  // each holds a descriptor until it is written
constexpr qint64 kFilesAhead = 16384;      // files listed ahead of the writer, unless one directory has more
constexpr size_t kBatchDirectories = 16;   // directories handed on together at most

// The writer's thread gathers too: one worker per further core.
int workerCount()
{
    const unsigned cores = std::thread::hardware_concurrency();
    return cores <= 1 ? 1 : int(qMin(cores - 1, 4u));
}

} // namespace

// A directory the walk is inside of: its subdirectories are entered in turn.
struct TreeWalk::Frame {
    std::unique_ptr<OpenDirectory> dir;
    FileName path;
    QString nativePath;
    int depth = 0;
    FileNames subdirectories;
    std::vector<char> links;   // per subdirectory: reached through a link
    qsizetype next = 0;
};

TreeWalk::TreeWalk(const QString &rootPath, const FileNames &selected, const TreeWalkOptions &walkOptions)
    : options(walkOptions), filter(std::make_unique<NameMask>(walkOptions.filter)),
      leaveOut(std::make_unique<NameMask>(walkOptions.leaveOut)), root(rootPath), rootFiles(selected)
{
    // Set before the walk's thread starts, which reads it.
    threaded = true;
    try {
        threads.emplace_back([this] { walk(); });
    } catch (const std::system_error &) {
        // No thread: the writer walks a step whenever it needs a directory.
        threaded = false;
    }
    if (!options.wanted.any())
        return;
    for (int i = 0; i < workerCount(); ++i) {
        try {
            threads.emplace_back([this] { work(); });
        } catch (const std::system_error &) {
            break;  // no more threads: the writer gathers what the others leave
        }
    }
}

TreeWalk::~TreeWalk()
{
    {
        const std::lock_guard lock(mutex);
        stopping = true;
    }
    room.notify_all();
    workReady.notify_all();
    for (std::thread &thread : threads)
        thread.join();
}

void TreeWalk::walk()
{
    while (walkStep()) {
    }
}

// Lists the next directory; hands on what it listed in batches (a slice's
// worth of files, or a few directories), so the threads meet seldom. False
// once the walk is done or stopped.
bool TreeWalk::walkStep()
{
    std::unique_ptr<TreeDirectory> dir;
    std::unique_ptr<Frame> child;
    if (!rootListed) {
        rootListed = true;
        dir = listRoot(child);
    } else {
        while (!stack.empty() && stack.back()->next >= stack.back()->subdirectories.size())
            stack.pop_back();
        if (stack.empty()) {
            publish(true);
            return false;
        }
        Frame &parent = *stack.back();
        const qsizetype i = parent.next++;
        dir = list(parent, parent.subdirectories.at(i), parent.links[size_t(i)], child);
    }
    batchFiles += dir->files.size();
    batch.push_back(std::move(dir));
    if (child)
        stack.push_back(std::move(child));
    if (!threaded || batchFiles >= kSlice || batch.size() >= kBatchDirectories)
        return publish(false);
    return true;
}

std::unique_ptr<TreeDirectory> TreeWalk::listRoot(std::unique_ptr<Frame> &child)
{
    auto top = std::make_unique<TreeDirectory>();
    top->nativePath = root;
    if (!leaveOut->isEmpty())
        rootFiles.removeIf([this](const FileName &name) { return leaveOut->matchesAny(name.bytes()); });
    top->files = std::exchange(rootFiles, {});

    auto frame = std::make_unique<Frame>();
    frame->dir = OpenDirectory::open(root, top->osError);
    if (frame->dir && !readEntries(*frame->dir, *top, frame->links, false))
        frame->dir.reset();
    if (!frame->dir) {
        // Its selected files are still listed; its subdirectories are not
        // known (osError says why).
        top->directory = std::make_shared<const DirectoryFiles>(root);
        return top;
    }
    top->directory = frame->dir->files();
    if (options.maxDepth != 0 && !top->subdirectories.isEmpty()) {
        frame->nativePath = root;
        frame->subdirectories = top->subdirectories;
        child = std::move(frame);
    }
    return top;
}

std::unique_ptr<TreeDirectory> TreeWalk::list(Frame &parent, const FileName &name, bool link,
                                              std::unique_ptr<Frame> &child)
{
    auto dir = std::make_unique<TreeDirectory>();
    dir->depth = parent.depth + 1;
    dir->path = parent.path.isEmpty() ? name : FileName(parent.path.bytes() + '/' + name.bytes());
    dir->nativePath = withTrailingSeparator(parent.nativePath, nativePathStyle()) + decodedFileName(name.bytes());
    if (link) {
        dir->state = TreeDirectory::State::Link;
        return dir;
    }
    auto frame = std::make_unique<Frame>();
    frame->dir = parent.dir->openSubdirectory(name.bytes(), dir->nativePath, dir->osError);
    if (!frame->dir || !readEntries(*frame->dir, *dir, frame->links, true)) {
        dir->state = TreeDirectory::State::Unreadable;
        dir->files.clear();
        dir->subdirectories.clear();
        dir->subdirectoryModified.clear();
        return dir;
    }
    dir->directory = frame->dir->files();
    if ((options.maxDepth < 0 || dir->depth < options.maxDepth) && !dir->subdirectories.isEmpty()) {
        frame->path = dir->path;
        frame->nativePath = dir->nativePath;
        frame->depth = dir->depth;
        frame->subdirectories = dir->subdirectories;
        child = std::move(frame);
    }
    return dir;
}

bool TreeWalk::isOwnFolder(const FileName &parent, QByteArrayView name) const
{
    const QByteArray &own = options.ownFolder.bytes();
    if (parent.isEmpty())
        return own == name;
    const QByteArray &path = parent.bytes();
    return own.size() == path.size() + 1 + name.size() && own.startsWith(path) && own.at(path.size()) == '/'
           && own.endsWith(name);
}

bool TreeWalk::readEntries(OpenDirectory &dir, TreeDirectory &into, std::vector<char> &links, bool filesToo)
{
    SortedNames files;
    SortedNames subdirectories;
    QSet<QByteArray> linked;
    const bool ok = dir.read([&](QByteArrayView name, EntryKind kind) {
        if (kind == EntryKind::Other)
            return;
        const bool isDirectory = kind == EntryKind::Directory || kind == EntryKind::LinkToDirectory;
        if (!isDirectory && !filesToo)
            return;  // the listed directory's files are the selection
        // Hidden files follow the file list's rule (the filter's matches);
        // hidden directories are neither named nor entered, as in its
        // subdirectory lines.
        if (isDirectory && isHiddenName(name))
            return;
        if (!leaveOut->isEmpty() && leaveOut->matchesAny(name))
            return;
        if (isDirectory && !options.ownFolder.isEmpty() && isOwnFolder(into.path, name))
            return;
        if (!isDirectory) {
            if (filter->matches(name))
                files.add(name);
            return;
        }
        subdirectories.add(name);
        if (kind == EntryKind::LinkToDirectory)
            linked.insert(name.toByteArray());
    }, into.osError);
    if (!ok)
        return false;
    if (filesToo)
        into.files = files.take();
    into.subdirectories = subdirectories.take();
    links.assign(size_t(into.subdirectories.size()), 0);
    if (!linked.isEmpty()) {
        for (qsizetype i = 0; i < into.subdirectories.size(); ++i)
            links[size_t(i)] = linked.contains(into.subdirectories.at(i).bytes());
    }
    if (options.subdirectoryDates) {
        for (const FileName &name : std::as_const(into.subdirectories))
            into.subdirectoryModified.push_back(dir.modified(name.bytes()));
    }
    return true;
}

bool TreeWalk::publish(bool last)
{
    std::unique_lock lock(mutex);
    // A batch wider than the bound is handed on once the writer is done
    // with everything before it.
    const auto hasRoom = [&] {
        return stopping || !threaded || queue.empty()
               || (queue.size() + batch.size() <= kDirectoriesAhead && queuedFiles + batchFiles <= kFilesAhead);
    };
    if (!hasRoom()) {
        walkWaiting = true;
        room.wait(lock, hasRoom);
        walkWaiting = false;
    }
    if (stopping)
        return false;
    for (std::unique_ptr<TreeDirectory> &dir : batch) {
        const qsizetype count = dir->files.size();
        dir->firstFile = listedFiles;
        listedFiles += count;
        queuedFiles += count;
        if (options.wanted.any() && count > 0) {
            const qsizetype slices = (count + kSlice - 1) / kSlice;
            dir->facts.resize(size_t(count));
            dir->sliceReady.assign(size_t(slices), 0);
            dir->slicesPending = slices;
            for (qsizetype s = 0; s < slices; ++s)
                jobs.push_back({dir.get(), s * kSlice, qMin(count, (s + 1) * kSlice), dir->firstFile + s * kSlice});
            pendingFiles += count;
        }
        queue.push_back(std::move(dir));
    }
    batch.clear();
    batchFiles = 0;
    walkDone = last;
    // Gatherers are woken for a slice's worth, or for what the walk left.
    if (idleGatherers > 0 && (pendingFiles >= kSlice || last))
        workReady.notify_all();
    if (writerWaiting)
        listed.notify_one();
    return true;
}

bool TreeWalk::mayTake() const
{
    return !jobs.empty() && jobs.front().position < writerPosition + kFactsAhead;
}

void TreeWalk::work()
{
    const std::unique_ptr<BatchOpener> opener = makeBatchOpener();
    std::unique_lock lock(mutex);
    for (;;) {
        // A slice's worth at a time, or what the walk left at its end; the
        // writer gathers what it needs sooner itself.
        const auto worth = [this] { return stopping || (mayTake() && (pendingFiles >= kSlice || walkDone)); };
        if (!worth()) {
            ++idleGatherers;
            workReady.wait(lock, worth);
            --idleGatherers;
        }
        if (stopping)
            return;
        gatherBatch(lock, *opener);
    }
}

// Takes the next jobs, a slice's worth of files across directory
// boundaries, and gathers their facts with the lock released.
void TreeWalk::gatherBatch(std::unique_lock<std::mutex> &lock, BatchOpener &opener)
{
    std::vector<Job> taken;
    qsizetype files = 0;
    while (files < kSlice && mayTake()) {
        taken.push_back(jobs.front());
        files += jobs.front().end - jobs.front().first;
        jobs.pop_front();
    }
    pendingFiles -= files;
    lock.unlock();
    std::vector<EntryFacts> gathered;
    for (const Job &job : taken) {
        gatherEntryFacts(opener, *job.dir->directory, job.dir->files, job.first, job.end, options.wanted, gathered);
        std::move(gathered.begin(), gathered.end(), job.dir->facts.begin() + job.first);
    }
    lock.lock();
    for (const Job &job : taken) {
        job.dir->sliceReady[size_t(job.first / kSlice)] = 1;
        --job.dir->slicesPending;
    }
    if (writerWaiting)
        factsReady.notify_all();
}

template <typename Predicate>
void TreeWalk::waitAsWriter(std::condition_variable &condition, std::unique_lock<std::mutex> &lock, Predicate done)
{
    if (done())
        return;
    writerWaiting = true;
    condition.wait(lock, done);
    writerWaiting = false;
}

const TreeDirectory *TreeWalk::next()
{
    std::unique_lock lock(mutex);
    if (current)
        leave(current, lock);
    current = nullptr;
    currentSlice = -1;
    if (!threaded) {
        lock.unlock();
        while (queue.empty() && walkStep()) {
        }
        lock.lock();
    }
    waitAsWriter(listed, lock, [this] { return !queue.empty() || walkDone; });
    if (queue.empty())
        return nullptr;
    current = queue.front().get();
    writerPosition = current->firstFile;
    if (idleGatherers > 0)
        workReady.notify_all();
    return current;
}

// The writer is done with dir: facts not needed are not gathered, those
// being gathered are waited for, and the walk may read further ahead.
void TreeWalk::leave(TreeDirectory *dir, std::unique_lock<std::mutex> &lock)
{
    while (!jobs.empty() && jobs.front().dir == dir) {
        pendingFiles -= jobs.front().end - jobs.front().first;
        jobs.pop_front();
        --dir->slicesPending;
    }
    waitAsWriter(factsReady, lock, [dir] { return dir->slicesPending == 0; });
    queuedFiles -= dir->files.size();
    queue.pop_front();
    if (walkWaiting)
        room.notify_one();
}

const EntryFacts &TreeWalk::facts(qsizetype index)
{
    const qsizetype slice = index / kSlice;
    if (slice != currentSlice) {
        std::unique_lock lock(mutex);
        writerPosition = current->firstFile + index;
        if (idleGatherers > 0)
            workReady.notify_all();
        // Rather than wait, the writer gathers the next slices itself.
        while (!current->sliceReady[size_t(slice)]) {
            if (mayTake()) {
                if (!writerOpener)
                    writerOpener = makeBatchOpener();
                gatherBatch(lock, *writerOpener);
            } else {
                writerWaiting = true;
                factsReady.wait(lock);
                writerWaiting = false;
            }
        }
        currentSlice = slice;
    }
    return current->facts[size_t(index)];
}

